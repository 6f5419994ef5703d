-- Off-line vouchers of 10 May in division 1, a debit and a credit line each: 701 (code 5, CA, 150),
-- 702 (code 14, CA, 80), 703 (code 5, CR, 40) and 704 (code 3, Cr, 60).
insert into AccOffLineVoucher(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,TransType,Narration,BillRefNo,OldVoucherNo)
values (1,1,1,701,'2026-05-10',401,201,'D',150,5,'CA','Sale','B701',7011),
       (1,1,1,701,'2026-05-10',201,401,'C',150,5,'CA','Sale','B701',7012),
       (1,1,1,702,'2026-05-10',401,201,'D',80,14,'CA','Sale','B702',7021),
       (1,1,1,702,'2026-05-10',201,401,'C',80,14,'CA','Sale','B702',7022),
       (1,1,1,703,'2026-05-10',401,201,'D',40,5,'CR','Sale','B703',7031),
       (1,1,1,703,'2026-05-10',201,401,'C',40,5,'CR','Sale','B703',7032),
       (1,1,1,704,'2026-05-10',401,201,'D',60,3,'Cr','Sale','B704',7041),
       (1,1,1,704,'2026-05-10',201,401,'C',60,3,'Cr','Sale','B704',7042);
