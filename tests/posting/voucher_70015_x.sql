-- Off-line vouchers 70015 (10) and "70015 x" (20) of 10 April, two lines each.
insert into AccOffLineVoucher(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,TransType,Narration,BillRefNo,OldVoucherNo,Moved)
values (1,1,1,70015,'2026-04-10',101,201,'D',10,5,'CA','Counter sale',NULL,70015,NULL),
       (1,1,1,70015,'2026-04-10',201,101,'C',-10,5,'CA','Counter sale',NULL,70015,NULL),
       (1,1,1,70016,'2026-04-10',101,201,'D',20,5,'CA','Counter sale',NULL,70016,NULL),
       (1,1,1,70016,'2026-04-10',201,101,'C',-20,5,'CA','Counter sale',NULL,70016,NULL);
update AccOffLineVoucher set VoucherNo='70015 x' where VoucherNo=70016;
