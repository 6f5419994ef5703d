-- A user to log in as, one sales voucher of two lines waiting to be posted and one voucher of
-- two lines to transfer.
insert into psm_employee_master(PEM_EMP_USERID,PEM_EMP_PASSWORD,PEM_EMP_NAME) values ('Admin','secret1','Clerk');
insert into AccOffLineVoucher(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,TransType,Narration,BillRefNo,OldVoucherNo) values
  (1,1,1,7,'2026-04-10',101,201,'D',250,5,'CA','Counter sale','B-7',7),
  (1,1,1,7,'2026-04-10',201,101,'C',-250,5,'CA','Counter sale','B-7',7);
insert into accvoucher2026(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode) values
  (1,1,1,11,'2026-04-10',101,201,'D',100,1),
  (1,1,1,11,'2026-04-10',201,101,'C',-100,1);
