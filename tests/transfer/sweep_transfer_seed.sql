-- Company 1 on 10 April: voucher 11 of code 1 with a bill-wise row, voucher 12 of code 2 (a line
-- without opposite ledger, a narration with a quote) with an uncleared cheque.
insert into accvoucher2026(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,Narration,IsVoucherScr,VoucherSlno,VoucherSlnoOld,BillRefNo,OldVoucherNo,Counter,TS,AID,OppAID)
values (1,1,2,11,'2026-04-10',101,201,'D',300,1,'Sale','Y',7,3,'BR-1',null,'C1','2026-04-01',9101,9201),
       (1,1,2,11,'2026-04-10',201,101,'C',300,1,'Sale','Y',7,3,'BR-1',null,'C1','2026-04-01',9201,9201),
       (1,1,2,12,'2026-04-10',102,null,'D',50,2,'O''Neil','Y',7,3,'BR-1',null,'C1','2026-04-01',9102,9201),
       (1,1,2,12,'2026-04-10',201,102,'C',50,2,'Sale','Y',7,3,'BR-1',null,'C1','2026-04-01',9201,9201);
insert into AccPending(CompanyCode,DivisionCode,AcType,LedgerCode,VoucherNo,BillRefNo,BillDate,BillAmount,InvoiceNo,MRC_Amt,DiscAmt,VolumeDisc,CashDisc,Payable,CrDr,TransType,OnAcNo,VoucherCode,TransDate,VoucherSlno,TransSlno,OppLedgerCode,Remarks,IsPaid,TS,AID,OppAID)
values (1,1,2,401,11,'BR-11','2026-04-10',250.5,'INV-11',10,2.25,0,1,248.25,'D','SAL',0,1,'2026-04-10',7,1,201,'Bill','N','2026-04-01',9401,9201);
insert into AccChequeDetails(CompanyCode,DivisionCode,AcType,VoucherCode,LedgerCode,LedgerCode1,VoucherNo,RefVoucherNo,OldRefVoucherNo,ChequeNo,ChequeAmount,ChequeDate,ReceiveDate,DepositDate,ClearDate,Status,BankName,Branch,Narration,ChequePrinted,tranyear,TS,AID,AID1)
values (1,1,2,1,102,401,12,55,44,'  CH12 ',500,'2026-04-12','2026-04-10','2026-04-15',null,' C ',' Bank''s ',' Main ',' D''Souza ','N','2026','2026-04-01',9102,9401);
