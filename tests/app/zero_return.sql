-- A return of 10 May whose debit lines sum to 0: listed, but there is no amount to post.
insert into AccOffLineVoucher(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,TransType,BillRefNo,OldVoucherNo)
values (1,1,1,706,'2026-05-10',401,201,'D',0,6,'CA','B706',7061);
