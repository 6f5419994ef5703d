-- Off-line vouchers 31 (10) and 32 (20) of two lines, and 33 of three lines (two debits of 60 and
-- 40), of 10 April.
insert into AccOffLineVoucher(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,TransType,Narration,BillRefNo,OldVoucherNo,Moved)
values (1,1,1,31,'2026-04-10',101,201,'D',10,5,'CA','Counter sale',NULL,31,NULL),
       (1,1,1,31,'2026-04-10',201,101,'C',-10,5,'CA','Counter sale',NULL,31,NULL),
       (1,1,1,32,'2026-04-10',101,201,'D',20,5,'CA','Counter sale',NULL,32,NULL),
       (1,1,1,32,'2026-04-10',201,101,'C',-20,5,'CA','Counter sale',NULL,32,NULL),
       (1,1,1,33,'2026-04-10',101,201,'D',60,5,'CA','Counter sale',NULL,33,NULL),
       (1,1,1,33,'2026-04-10',102,201,'D',40,5,'CA','Counter sale',NULL,33,NULL),
       (1,1,1,33,'2026-04-10',201,201,'C',-100,5,'CA','Counter sale',NULL,33,NULL);
