-- Another voucher of the transfer's period, written between its preview and its run.
insert into accvoucher2026(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode) values
  (1,1,1,12,'2026-04-10',101,201,'D',100,1),
  (1,1,1,12,'2026-04-10',201,101,'C',-100,1);
