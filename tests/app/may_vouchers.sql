-- Company 1: vouchers 11 (two lines, a bill-wise row) and 12 of 10 and 11 May, voucher 13 of June.
insert into accvoucher2026(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,CrDr,Amount,VoucherCode,Narration,IsVoucherScr,VoucherSlno,VoucherSlnoOld,BillRefNo,Counter,TS,AID,OppAID)
values (1,1,1,11,'2026-05-10',101,'D',100,5,'May sale','N',1,0,'B-11','C','2026-05-01',9101,0),
       (1,1,1,11,'2026-05-10',201,'C',100,5,'May sale','N',1,0,'B-11','C','2026-05-01',9201,0),
       (1,1,1,12,'2026-05-11',102,'D',250,5,'May sale','N',2,0,'B-12','C','2026-05-01',9102,0),
       (1,1,1,13,'2026-06-02',102,'D',100,5,'June sale','N',3,0,'B-13','C','2026-05-01',9102,0);
insert into AccPending(CompanyCode,DivisionCode,AcType,LedgerCode,VoucherNo,BillRefNo,BillDate,BillAmount,CrDr,TransDate)
values (1,1,1,101,11,'B-11','2026-05-10',100,'D','2026-05-10');
