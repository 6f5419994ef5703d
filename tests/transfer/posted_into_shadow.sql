-- Voucher 50 of shadow company 2, posted from off-line voucher 11 (which shares its number with a
-- source voucher), with a bill-wise row.
insert into accvoucher2026(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,CrDr,Amount,VoucherCode,Narration,IsVoucherScr,VoucherSlno,OppLedgerCode,BillRefNo,OldVoucherNo,TS,AID,OppAID)
values (2,1,1,50,'2026-04-15',101,'D',10,5,'Posted','N',1,201,'P-50',11,'2026-04-15',9101,9201),
       (2,1,1,50,'2026-04-15',201,'C',-10,5,'Posted','N',1,101,'P-50',11,'2026-04-15',9201,9101);
insert into AccPending(CompanyCode,AcType,LedgerCode,VoucherNo,TransDate,Remarks) values (2,1,401,50,'2026-04-15','Posted bill');
