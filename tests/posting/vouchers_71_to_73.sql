-- Off-line vouchers 71 (10), 72 (20) and 73 (30) of 10 April, two lines each.
insert into AccOffLineVoucher(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,TransType,Narration,BillRefNo,OldVoucherNo,Moved)
values (1,1,1,71,'2026-04-10',101,201,'D',10,5,'CA','Counter sale',NULL,71,NULL),
       (1,1,1,71,'2026-04-10',201,101,'C',-10,5,'CA','Counter sale',NULL,71,NULL),
       (1,1,1,72,'2026-04-10',101,201,'D',20,5,'CA','Counter sale',NULL,72,NULL),
       (1,1,1,72,'2026-04-10',201,101,'C',-20,5,'CA','Counter sale',NULL,72,NULL),
       (1,1,1,73,'2026-04-10',101,201,'D',30,5,'CA','Counter sale',NULL,73,NULL),
       (1,1,1,73,'2026-04-10',201,101,'C',-30,5,'CA','Counter sale',NULL,73,NULL);
