-- Off-line voucher 31 of 10 April, whose credit line names ledger 999, which the ledger master
-- lacks; vouchers 41 and "41 x" of two lines each.
insert into AccOffLineVoucher(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,TransType,Narration,BillRefNo,OldVoucherNo,Moved)
values (1,1,1,31,'2026-04-10',999,201,'C',-150,5,'CA','Counter sale','B-31',31,NULL),
       (1,1,1,31,'2026-04-10',102,201,'D',0.5,5,'CA','Counter sale',NULL,31,NULL),
       (1,1,1,41,'2026-04-10',101,201,'D',10,5,'CA','Counter sale',NULL,41,NULL),
       (1,1,1,41,'2026-04-10',201,101,'C',-10,5,'CA','Counter sale',NULL,41,NULL),
       (1,1,1,42,'2026-04-10',101,201,'D',20,5,'CA','Counter sale',NULL,42,NULL),
       (1,1,1,42,'2026-04-10',201,101,'C',-20,5,'CA','Counter sale',NULL,42,NULL);
update AccOffLineVoucher set VoucherNo='41 x' where VoucherNo=42;
