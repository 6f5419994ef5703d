-- Off-line voucher 21 of 10 April: two debit lines (one with a quote in its bill and narration)
-- and a credit line, a bill-wise row and a cheque.
insert into AccOffLineVoucher(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,TransType,Narration,BillRefNo,OldVoucherNo,Moved)
values (1,1,1,21,'2026-04-10',101,201,'D',100,5,'CA','Anand''s','O''Neil;1',21,NULL),
       (1,1,1,21,'2026-04-10',102,201,'D',50,5,'CA','Counter sale','B-21',21,NULL),
       (1,1,1,21,'2026-04-10',201,101,'C',-150,5,'CA','Counter sale',NULL,21,NULL);
insert into AccOffLinePending(CompanyCode,DivisionCode,AcType,LedgerCode,VoucherNo,BillRefNo,billdate,billamount,InvoiceNo,MRC_Amt,discamt,CrDr,TransType,OnAcNo,VoucherCode,Payable,OppLedgerCode,Remarks)
values (1,1,1,401,21,'B-21','2026-04-10',500,'INV''7',520,20,'D','CA','12A',5,500,201,'first');
insert into AccOffLineChequeDet(CompanyCode,DivisionId,AcType,VoucherCode,VoucherNo,LedgerCode,LedgerCode1,ChequeNo,ChequeAmount,ReceiveDate,ChequeDate,DepositDate,Status,BankName,ChequePrinted)
values (1,1,1,5,21,102,401,'000123',500,'2026-04-10','2026-04-15',null,'R','State Bank','N');
