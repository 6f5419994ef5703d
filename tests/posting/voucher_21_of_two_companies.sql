-- Off-line voucher 21 of 10 April in company 1 (100, and a moved line of 7) and in company 2 (40).
insert into AccOffLineVoucher(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,TransType,Narration,BillRefNo,OldVoucherNo,Moved)
values (1,1,1,21,'2026-04-10',101,201,'D',100,5,'CA','Counter sale',NULL,21,NULL),
       (1,1,1,21,'2026-04-10',201,101,'C',-100,5,'CA','Counter sale',NULL,21,NULL),
       (1,1,1,21,'2026-04-10',101,201,'D',7,5,'CA','Counter sale',NULL,21,'Y'),
       (2,1,1,21,'2026-04-10',101,201,'D',40,5,'CA','Counter sale',NULL,21,NULL),
       (2,1,1,21,'2026-04-10',201,201,'C',-40,5,'CA','Counter sale',NULL,21,NULL);
