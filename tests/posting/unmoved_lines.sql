-- Off-line lines of 10 April: voucher 11 (two debits of bill B-11 and a credit), voucher 12 of
-- account type 2, and lines that Go does not list: moved ones (13, 14), another transaction type
-- (15), another company (16) and another day (17).
insert into AccOffLineVoucher(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,TransType,Narration,BillRefNo,OldVoucherNo,Moved)
values (1,1,1,11,'2026-04-10',101,201,'D',100,5,'CA','Counter sale','B-11',11,NULL),
       (1,1,1,11,'2026-04-10',101,201,'D',50.5,5,'CA','Counter sale','B-11',11,NULL),
       (1,1,1,11,'2026-04-10',101,201,'C',-150.5,5,'CA','Counter sale','B-11',11,NULL),
       (1,1,2,12,'2026-04-10',101,201,'D',-250,5,'CA','Counter sale',NULL,12,NULL),
       (1,1,1,13,'2026-04-10',101,201,'D',75,5,'CA','Counter sale',NULL,13,'Y'),
       (1,1,1,14,'2026-04-10',101,201,'D',80,5,'CA','Counter sale',NULL,14,'N'),
       (1,1,1,15,'2026-04-10',101,201,'D',90,5,'CR','Counter sale',NULL,15,NULL),
       (2,1,1,16,'2026-04-10',101,201,'D',95,5,'CA','Counter sale',NULL,16,NULL),
       (1,1,1,17,'2026-04-11',101,201,'D',99,5,'CA','Counter sale',NULL,17,NULL);
