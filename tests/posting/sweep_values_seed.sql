-- Off-line voucher 41 of 10 April with a bill-wise row "B-41" and a cheque "C-41"; company 1 has
-- handed out sub-numbers of code 5 up to 4.
insert into AccOffLineVoucher(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,TransType,Narration,BillRefNo,OldVoucherNo,Moved)
values (1,1,1,41,'2026-04-10',101,201,'D',410,5,'CA','Counter sale',NULL,41,NULL),
       (1,1,1,41,'2026-04-10',201,101,'C',-410,5,'CA','Counter sale',NULL,41,NULL);
insert into AccOffLinePending(CompanyCode,DivisionCode,AcType,LedgerCode,VoucherNo,BillRefNo,billdate,billamount,InvoiceNo,MRC_Amt,discamt,CrDr,TransType,OnAcNo,VoucherCode,Payable,OppLedgerCode,Remarks)
values (1,1,1,401,41,'B-41','2026-04-10',10,'INV',10,0,'D','CA','0',5,10,201,'r');
insert into AccOffLineChequeDet(CompanyCode,DivisionId,AcType,VoucherCode,VoucherNo,LedgerCode,LedgerCode1,ChequeNo,ChequeAmount,ReceiveDate,ChequeDate,DepositDate,Status,BankName,ChequePrinted)
values (1,1,1,5,41,102,401,'C-41',10,'2026-04-10','2026-04-15',null,'R','Bank','N');
insert into AccCompanyVoucherNo(CompanyCode,VoucherCode,TranYear,VoucherSlno) values (1,5,'2026',4);
