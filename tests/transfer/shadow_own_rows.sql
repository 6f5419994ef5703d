-- Rows entered in shadow company 2 itself in April, with a bill-wise row.
insert into accvoucher2026(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,Narration,IsVoucherScr,VoucherSlno,VoucherSlnoOld,BillRefNo,OldVoucherNo,Counter,TS,AID,OppAID)
values (2,1,2,900,'2026-04-15',102,201,'D',10,1,'Own','Y',7,3,'BR-1',0,'C1','2026-04-01',9102,9201),
       (2,1,2,901,'2026-04-16',102,201,'D',20,1,'Own','Y',7,3,'BR-1',null,'C1','2026-04-01',9102,9201);
insert into AccPending(CompanyCode,DivisionCode,AcType,LedgerCode,VoucherNo,BillRefNo,BillDate,BillAmount,InvoiceNo,MRC_Amt,DiscAmt,VolumeDisc,CashDisc,Payable,CrDr,TransType,OnAcNo,VoucherCode,TransDate,VoucherSlno,TransSlno,OppLedgerCode,Remarks,IsPaid,TS,AID,OppAID)
values (2,1,2,401,900,'BR-900','2026-04-15',250.5,'INV-900',10,2.25,0,1,248.25,'D','SAL',0,1,'2026-04-15',7,1,201,'Own bill','N','2026-04-01',9401,9201);
