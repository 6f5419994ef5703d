-- Company 1 in April: voucher codes 1 to 3, account types 1 and 2, vouchers of one to
-- three lines (one voucher's lines on different days), quotes, NULLs, a text amount, a
-- date with a time of day, and voucher 30 under codes 1 and 2. May holds voucher 40;
-- company 3 has an April voucher. Bill-wise and cheque rows of copied, uncopied and
-- later-copied vouchers, of voucher 0, NULL and below, written out of date order.
-- Text in number columns is meant: SQLite keeps it as written.

insert into accdivisionmaster(CompanyCode,DivisionCode,DivisionName)
values (1,2,'Branch''s'),
       (2,3,'Own');

insert into accvoucher2026(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,Narration,IsVoucherScr,VoucherSlno,VoucherSlnoOld,BillRefNo,OldVoucherNo,Counter,TS,AID,OppAID)
values (1,1,2,11,'2026-04-12',101,201,'D',300,1,'Three lines','Y',4,3,'BR-11',null,'C1','2026-04-01',9101,9201),
       (1,1,2,11,'2026-04-10',201,101,'C',200,1,'Three lines','Y',4,3,'BR-11',null,'C1','2026-04-01',9201,9101),
       (1,2,2,11,'2026-04-11',301,101,'C',100.25,1,null,'N',4,null,null,null,null,null,null,null),
       (1,null,1,12,'2026-04-10',102,null,'D',50,1,'O''Neil''s; rent','Y',5,null,'B''R',0,'C''2','2026-04-01',null,9201),
       (1,1,1,12,'2026-04-10',201,102,'C',null,1,'','Y',5,2,'','','','2026-04-01','',9102),
       (1,1,2,30,'2026-04-20',101,201,'D','12abc',1,'Last of code 1','Y',6,1,'BR-30',null,'C1','2026-04-01',9101,9201),
       (1,1,2,30,'2026-04-21',201,101,'C',12,2,'First of code 2','Y',1,1,'BR-30b',null,'C1','2026-04-01',9201,9101),
       (1,1,2,31,'2026-04-21',101,201,'D',7.5,2,'Code 2','Y',2,1,'BR-31',null,'C1','2026-04-01',9101,9201),
       (1,1,2,31,'2026-04-21',201,101,'C',7.5,2,'Code 2','Y',2,1,'BR-31',null,'C1','2026-04-01',9201,9101),
       (1,2,1,5,'2026-04-15 10:30:00',401,201,'D',75,3,'Time of day','Y',1,1,'BR-5',null,'C1','2026-04-01',9401,9201),
       (1,2,1,5,'2026-04-15 10:30:00',201,401,'C',75,3,'Time of day','Y',1,1,'BR-5',null,'C1','2026-04-01',9201,9401),
       (1,1,2,40,'2026-05-10',101,201,'D',40,1,'May','Y',7,1,'BR-40',null,'C1','2026-04-01',9101,9201),
       (1,1,2,40,'2026-05-10',201,101,'C',40,1,'May','Y',7,1,'BR-40',null,'C1','2026-04-01',9201,9101),
       (3,1,2,11,'2026-04-10',101,201,'D',999,1,'Other company','Y',1,1,'X',null,'C1','2026-04-01',9101,9201);

insert into AccPending(CompanyCode,DivisionCode,AcType,LedgerCode,VoucherNo,BillRefNo,BillDate,BillAmount,InvoiceNo,MRC_Amt,DiscAmt,VolumeDisc,CashDisc,Payable,CrDr,TransType,OnAcNo,VoucherCode,TransDate,VoucherSlno,TransSlno,OppLedgerCode,Remarks,IsPaid,TS,AID,OppAID)
values (1,1,2,401,11,'BR-11','2026-04-10',250.5,'INV-11',10,2.25,0,1,248.25,'D','SAL',0,1,'2026-04-20',4,1,201,'Bill of 11','N','2026-04-01',9401,9201),
       (1,null,2,401,12,null,null,null,null,null,null,null,null,null,null,null,null,null,'2026-04-05',null,null,null,null,null,null,null,null),
       (1,1,2,401,40,'BR-40','2026-04-25',40,'INV''40',0,0,0,0,40,'D','SAL',3,1,'2026-04-25',7,2,201,'Anand''s; May voucher','Y','2026-04-01',9401,9201),
       (1,1,2,401,0,'BR-0','2026-04-12',1,'INV-0',0,0,0,0,1,'D','SAL',0,1,'2026-04-12',0,0,201,'Voucher 0','N','2026-04-01',9401,9201),
       (1,1,2,401,null,'BR-N','2026-04-12',1,'INV-N',0,0,0,0,1,'D','SAL',0,1,'2026-04-12',0,0,201,'No voucher','N','2026-04-01',9401,9201),
       (1,1,2,401,-3,'BR-M','2026-04-12',1,'INV-M',0,0,0,0,1,'D','SAL',0,1,'2026-04-12',0,0,201,'Below','N','2026-04-01',9401,9201),
       (1,1,2,401,30,'BR-30','2026-04-20',12.5,'INV-30',1.5,'3x',0,0,11,'C','PUR','7',2,'2026-04-20',6,3,101,'Bill of 30','N','2026-04-01','',9101),
       (1,1,2,401,99,'BR-99','2026-04-20',1,'INV-99',0,0,0,0,1,'D','SAL',0,1,'2026-04-20',0,0,201,'Not copied','N','2026-04-01',9401,9201),
       (1,1,2,401,31,'BR-31','2026-04-22',1,'INV-31',0,0,0,0,1,'D','SAL',0,2,'2026-05-22',0,0,201,'May bill','N','2026-04-01',9401,9201);

insert into AccChequeDetails(CompanyCode,DivisionCode,AcType,VoucherCode,LedgerCode,LedgerCode1,VoucherNo,RefVoucherNo,OldRefVoucherNo,ChequeNo,ChequeAmount,ChequeDate,ReceiveDate,DepositDate,ClearDate,Status,BankName,Branch,Narration,ChequePrinted,tranyear,TS,AID,AID1)
values (1,1,2,1,102,401,12,55,44,'  CH12 ',500,'2026-04-12','2026-04-28','2026-04-15','2026-04-20',' C ',' Bank''s ',' Main ',' D''Souza ','N','2026','2026-04-01',9102,9401),
       (1,1,2,3,102,401,5,null,null,'CH5',75,null,'2026-04-15',null,null,null,null,null,null,null,null,null,null,null),
       (1,1,2,1,102,401,40,1,2,'CH40',40,'2026-04-26','2026-04-26','','  ','R','B','','','Y','2025','2026-04-01',9102,'9401'),
       (1,1,2,1,102,401,0,0,0,'CH0',1,'2026-04-12','2026-04-12',null,null,'R','B','','','N','2026','2026-04-01',9102,9401),
       (1,1,2,1,102,401,null,0,0,'CHN',1,'2026-04-12','2026-04-12',null,null,'R','B','','','N','2026','2026-04-01',9102,9401),
       (1,1,2,2,102,401,31,31,0,'CH31',7.5,'2026-04-02','2026-04-02 09:00:00','2026-04-03 00:00:00',null,'R','B','','','N','2026','2026-04-01',9102,9401);
