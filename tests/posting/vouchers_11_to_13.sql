-- Off-line vouchers 11 (100), 12 (250.50) and 13 (40) of 10 April, two lines each.
insert into AccOffLineVoucher(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,TransType,Narration,BillRefNo,OldVoucherNo,Moved)
values (1,1,1,11,'2026-04-10',101,201,'D',100,5,'CA','Counter sale',NULL,11,NULL),
       (1,1,1,11,'2026-04-10',201,101,'C',-100,5,'CA','Counter sale',NULL,11,NULL),
       (1,1,1,12,'2026-04-10',101,201,'D',250.5,5,'CA','Counter sale',NULL,12,NULL),
       (1,1,1,12,'2026-04-10',201,101,'C',-250.5,5,'CA','Counter sale',NULL,12,NULL),
       (1,1,1,13,'2026-04-10',101,201,'D',40,5,'CA','Counter sale',NULL,13,NULL),
       (1,1,1,13,'2026-04-10',201,101,'C',-40,5,'CA','Counter sale',NULL,13,NULL);
