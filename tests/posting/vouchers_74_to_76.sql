-- Off-line vouchers 74 (10), 75 (20) and 76 (30) of 10 April, two lines each.
insert into AccOffLineVoucher(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,TransType,Narration,BillRefNo,OldVoucherNo,Moved)
values (1,1,1,74,'2026-04-10',101,201,'D',10,5,'CA','Counter sale',NULL,74,NULL),
       (1,1,1,74,'2026-04-10',201,101,'C',-10,5,'CA','Counter sale',NULL,74,NULL),
       (1,1,1,75,'2026-04-10',101,201,'D',20,5,'CA','Counter sale',NULL,75,NULL),
       (1,1,1,75,'2026-04-10',201,101,'C',-20,5,'CA','Counter sale',NULL,75,NULL),
       (1,1,1,76,'2026-04-10',101,201,'D',30,5,'CA','Counter sale',NULL,76,NULL),
       (1,1,1,76,'2026-04-10',201,101,'C',-30,5,'CA','Counter sale',NULL,76,NULL);
