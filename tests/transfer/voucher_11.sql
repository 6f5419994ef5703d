-- Company 1: voucher 11 of code 1 on 10 April, two lines of 300.
insert into accvoucher2026(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,Narration,IsVoucherScr,VoucherSlno,VoucherSlnoOld,BillRefNo,OldVoucherNo,Counter,TS,AID,OppAID)
values (1,1,2,11,'2026-04-10',101,201,'D',300,1,'Sale','Y',7,3,'BR-1',null,'C1','2026-04-01',9101,9201),
       (1,1,2,11,'2026-04-10',201,101,'C',300,1,'Sale','Y',7,3,'BR-1',null,'C1','2026-04-01',9201,9201);
