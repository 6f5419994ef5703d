-- Off-line vouchers 61 (100, with a bill-wise row) and 62 (50) of 10 April, two lines each.
insert into AccOffLineVoucher(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,TransType,Narration,BillRefNo,OldVoucherNo,Moved)
values (1,1,1,61,'2026-04-10',101,201,'D',100,5,'CA','Counter sale',NULL,61,NULL),
       (1,1,1,61,'2026-04-10',201,101,'C',-100,5,'CA','Counter sale',NULL,61,NULL),
       (1,1,1,62,'2026-04-10',101,201,'D',50,5,'CA','Counter sale',NULL,62,NULL),
       (1,1,1,62,'2026-04-10',201,101,'C',-50,5,'CA','Counter sale',NULL,62,NULL);
insert into AccOffLinePending(CompanyCode,DivisionCode,AcType,LedgerCode,VoucherNo,BillRefNo,billdate,billamount,InvoiceNo,MRC_Amt,discamt,CrDr,TransType,OnAcNo,VoucherCode,Payable,OppLedgerCode,Remarks)
values (1,1,1,401,61,'B-61','2026-04-10',500,'INV''7',520,20,'D','CA','12A',5,500,201,'bill');
