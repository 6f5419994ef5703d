-- Off-line voucher 51 of 10 April (500), two lines and a bill-wise row.
insert into AccOffLineVoucher(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,TransType,Narration,BillRefNo,OldVoucherNo,Moved)
values (1,1,1,51,'2026-04-10',101,201,'D',500,5,'CA','Counter sale',NULL,51,NULL),
       (1,1,1,51,'2026-04-10',201,101,'C',-500,5,'CA','Counter sale',NULL,51,NULL);
insert into AccOffLinePending(CompanyCode,DivisionCode,AcType,LedgerCode,VoucherNo,BillRefNo,billdate,billamount,InvoiceNo,MRC_Amt,discamt,CrDr,TransType,OnAcNo,VoucherCode,Payable,OppLedgerCode,Remarks)
values (1,1,1,401,51,'B-51','2026-04-10',500,'INV''7',520,20,'D','CA','12A',5,500,201,'purchase');
