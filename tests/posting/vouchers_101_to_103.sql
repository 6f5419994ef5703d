-- Off-line vouchers 101 (10), 102 (0) and 103 (30) of 10 April, two lines each.
insert into AccOffLineVoucher(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,TransType,Narration,BillRefNo,OldVoucherNo,Moved)
values (1,1,1,101,'2026-04-10',101,201,'D',10,5,'CA','Counter sale',NULL,101,NULL),
       (1,1,1,101,'2026-04-10',201,101,'C',-10,5,'CA','Counter sale',NULL,101,NULL),
       (1,1,1,102,'2026-04-10',101,201,'D',0,5,'CA','Counter sale',NULL,102,NULL),
       (1,1,1,102,'2026-04-10',201,101,'C',-0,5,'CA','Counter sale',NULL,102,NULL),
       (1,1,1,103,'2026-04-10',101,201,'D',30,5,'CA','Counter sale',NULL,103,NULL),
       (1,1,1,103,'2026-04-10',201,101,'C',-30,5,'CA','Counter sale',NULL,103,NULL);
