-- An earlier copy in company 2 of company 1's voucher 11: one line, as voucher 1.
insert into accvoucher2026(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,Narration,IsVoucherScr,VoucherSlno,VoucherSlnoOld,BillRefNo,OldVoucherNo,Counter,TS,AID,OppAID)
values (2,1,2,1,'2026-04-10',102,201,'D',5,1,'Copy','Y',7,3,'BR-1',11,'C1','2026-04-01',9102,9201);
