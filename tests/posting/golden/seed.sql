-- Sales vouchers of 10 April: 21 of three lines with quotes and NULLs, 22 with two pending
-- rows and a cheque without deposit date, 23 sharing its number with company 2 and with a
-- moved line, 24 with a cheque and a pending row of NULLs, 25 and 26 plain.
-- Text in number columns is meant: SQLite keeps it as written.

insert into AccOffLineVoucher(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,TransType,Narration,BillRefNo,OldVoucherNo,Moved)
values (1,1,1,21,'2026-04-10',101,201,'D',100,5,'CA','Anand''s','O''Neil;1',21,NULL),
       (1,1,1,21,'2026-04-10',102,201,'D',50,5,'CA',NULL,NULL,21,NULL),
       (1,1,1,21,'2026-04-10',201,101,'C',-150,5,'CA','Counter sale',NULL,NULL,NULL),
       (1,1,1,22,'2026-04-10',101,201,'D',500,5,'CA','Counter sale',NULL,22,NULL),
       (1,1,1,22,'2026-04-10',201,101,'C',-500,5,'CA','Counter sale',NULL,22,NULL),
       (1,1,2,23,'2026-04-10',301,401,'D',30,5,'CA','Counter sale',NULL,23,NULL),
       (1,1,1,23,'2026-04-10',401,301,'C',-30,5,'CA','Counter sale',NULL,23,NULL),
       (1,1,1,23,'2026-04-10',101,201,'D',3,5,'CA','Counter sale',NULL,23,'Y'),
       (2,1,1,23,'2026-04-10',101,201,'D',40,5,'CA','Counter sale',NULL,23,NULL),
       (1,1,1,24,'2026-04-10',101,201,'D',75.25,5,'CA','Counter sale',NULL,24,NULL),
       (1,1,1,24,'2026-04-10',201,101,'C',-75.25,5,'CA','Counter sale',NULL,24,NULL),
       (1,1,1,25,'2026-04-10',101,201,'D',12,5,'CA','Counter sale',NULL,25,NULL),
       (1,1,1,25,'2026-04-10',201,101,'C',-12,5,'CA','Counter sale',NULL,25,NULL),
       (1,1,1,26,'2026-04-10',101,201,'D',13,5,'CA','Counter sale',NULL,26,NULL),
       (1,1,1,26,'2026-04-10',201,101,'C',-13,5,'CA','Counter sale',NULL,26,NULL);

insert into AccOffLinePending(CompanyCode,DivisionCode,AcType,LedgerCode,VoucherNo,BillRefNo,billdate,billamount,InvoiceNo,MRC_Amt,discamt,CrDr,TransType,OnAcNo,VoucherCode,Payable,OppLedgerCode,Remarks)
values (1,1,1,401,22,'B-22','2026-04-10',500,'INV''7',520,20,'D','CA','12A',5,500,201,'first'),
       (1,1,1,401,22,'B-22b','2026-04-10',1,'INV-8',1,0,'D','CA','1',5,1,201,'second'),
       (1,null,1,401,24,null,null,0,null,0,0,null,null,null,5,0,201,null),
       (2,1,1,401,23,'B-23','2026-04-10',40,'INV-23',40,0,'D','CA','',5,40,201,'other company');

insert into AccOffLineChequeDet(CompanyCode,DivisionId,AcType,VoucherCode,VoucherNo,LedgerCode,LedgerCode1,ChequeNo,ChequeAmount,ReceiveDate,ChequeDate,DepositDate,Status,BankName,ChequePrinted)
values (1,1,1,5,22,102,401,'000123',500,'2026-04-10','2026-04-15',null,'R','State Bank','N'),
       (1,2,2,5,24,102,401,' 77 ',75.25,'2026-04-10 08:00:00','2026-04-16','2026-04-17','C','Bank''s',null);
