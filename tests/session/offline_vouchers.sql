-- Company 1 (the default): voucher 100 posted (two lines), 101 waiting, 102 marked 'N';
-- company 2 posted its voucher 100 too.
insert into AccOffLineVoucher(CompanyCode,VoucherNo,Moved) values (1,100,'Y'),(1,100,'Y'),(1,101,null),(1,102,'N'),(2,100,'Y');
insert into AccOffLinePending(CompanyCode,VoucherNo) values (1,100),(1,101),(1,102),(2,100);
insert into AccOffLineChequeDet(CompanyCode,VoucherNo) values (1,100),(1,101),(1,102),(2,100);
