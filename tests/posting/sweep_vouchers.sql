-- Off-line vouchers 41, 42 and 43 of 10 April (amounts 410, 420 and 430), each with a bill-wise
-- row "B-n" and a cheque "C-n".
insert into AccOffLineVoucher(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,TransType,Narration,BillRefNo,OldVoucherNo,Moved)
values (1,1,1,41,'2026-04-10',101,201,'D',410,5,'CA','Counter sale',NULL,41,NULL),
       (1,1,1,41,'2026-04-10',201,101,'C',-410,5,'CA','Counter sale',NULL,41,NULL),
       (1,1,1,42,'2026-04-10',101,201,'D',420,5,'CA','Counter sale',NULL,42,NULL),
       (1,1,1,42,'2026-04-10',201,101,'C',-420,5,'CA','Counter sale',NULL,42,NULL),
       (1,1,1,43,'2026-04-10',101,201,'D',430,5,'CA','Counter sale',NULL,43,NULL),
       (1,1,1,43,'2026-04-10',201,101,'C',-430,5,'CA','Counter sale',NULL,43,NULL);
insert into AccOffLinePending(CompanyCode,DivisionCode,AcType,LedgerCode,VoucherNo,BillRefNo,billdate,billamount,InvoiceNo,MRC_Amt,discamt,CrDr,TransType,OnAcNo,VoucherCode,Payable,OppLedgerCode,Remarks)
values (1,1,1,401,41,'B-41','2026-04-10',10,'INV',10,0,'D','CA','0',5,10,201,'r'),
       (1,1,1,401,42,'B-42','2026-04-10',10,'INV',10,0,'D','CA','0',5,10,201,'r'),
       (1,1,1,401,43,'B-43','2026-04-10',10,'INV',10,0,'D','CA','0',5,10,201,'r');
insert into AccOffLineChequeDet(CompanyCode,DivisionId,AcType,VoucherCode,VoucherNo,LedgerCode,LedgerCode1,ChequeNo,ChequeAmount,ReceiveDate,ChequeDate,DepositDate,Status,BankName,ChequePrinted)
values (1,1,1,5,41,102,401,'C-41',10,'2026-04-10','2026-04-15',null,'R','Bank','N'),
       (1,1,1,5,42,102,401,'C-42',10,'2026-04-10','2026-04-15',null,'R','Bank','N'),
       (1,1,1,5,43,102,401,'C-43',10,'2026-04-10','2026-04-15',null,'R','Bank','N');
