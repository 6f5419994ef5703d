-- Off-line voucher 501 of company 1 was posted, 502 still waits; each has a bill-wise row.
insert into AccOffLineVoucher(CompanyCode,VoucherNo,OldVoucherNo,CrDr,Amount,Moved)
values (1,501,1,'D',10,'Y'),(1,501,2,'C',10,'Y'),(1,502,3,'D',20,null);
insert into AccOffLinePending(CompanyCode,VoucherNo) values (1,501),(1,502);
