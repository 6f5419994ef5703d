-- Off-line voucher 15 of 10 April: two debit lines (70 and 30) and a credit line.
insert into AccOffLineVoucher(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,TransType,Narration,BillRefNo,OldVoucherNo,Moved)
values (1,1,1,15,'2026-04-10',102,201,'D',70,5,'CA','Counter sale',NULL,15,NULL),
       (1,1,1,15,'2026-04-10',101,201,'D',30,5,'CA','Counter sale',NULL,15,NULL),
       (1,1,1,15,'2026-04-10',201,201,'C',-100,5,'CA','Counter sale',NULL,15,NULL);
