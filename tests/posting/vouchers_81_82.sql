-- Off-line vouchers 81 (10) and 82 (20) of 10 April, two lines each.
insert into AccOffLineVoucher(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,TransType,Narration,BillRefNo,OldVoucherNo,Moved)
values (1,1,1,81,'2026-04-10',101,201,'D',10,5,'CA','Counter sale',NULL,81,NULL),
       (1,1,1,81,'2026-04-10',201,101,'C',-10,5,'CA','Counter sale',NULL,81,NULL),
       (1,1,1,82,'2026-04-10',101,201,'D',20,5,'CA','Counter sale',NULL,82,NULL),
       (1,1,1,82,'2026-04-10',201,101,'C',-20,5,'CA','Counter sale',NULL,82,NULL);
