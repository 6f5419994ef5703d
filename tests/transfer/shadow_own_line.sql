-- A line entered in shadow company 2 itself on 20 April.
insert into accvoucher2026(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,Narration,IsVoucherScr,VoucherSlno,VoucherSlnoOld,BillRefNo,OldVoucherNo,Counter,TS,AID,OppAID)
values (2,1,2,900,'2026-04-20',102,201,'D',100,1,'Sale','Y',7,3,'BR-1',null,'C1','2026-04-01',9102,9201);
