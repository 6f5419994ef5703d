-- The default company 1 with its division and year 2026, two shadow companies, five ledgers
-- with aids and the database version.
insert into acccompanymaster(CompanyCode,CompanyName,DefaultCompany,DefaultDIvision,defaultyear,basedatefmt,FinYearBegin,parentcompanycode,Voucherno) values
  (1,'Kormo Traders','Y',1,'2026','DD/MM/YYYY','2026-04-01',null,0);
insert into acccompanymaster(CompanyCode,CompanyName,DefaultCompany,DefaultDIvision,defaultyear,FinYearBegin,parentcompanycode,Voucherno) values
  (2,'Kormo Shadow One','N',1,'2026','2026-04-01',1,0),
  (3,'Kormo Shadow Two','N',1,'2026','2026-04-01',1,0);
insert into accdivisionmaster(CompanyCode,DivisionCode,DivisionName) values (1,1,'Main');
insert into accyearenddetails(companycode,FinancialYear,FinYearBegin) values (1,'2026','2026-04-01');
insert into accledgermaster(ledgercode,LedgerName,aid) values
  (101,'Cash',9101),(102,'Bank',9102),(201,'Sales',9201),(301,'Purchases',9301),(401,'Anand Stores',9401);
insert into QRX_PRODUCT_CONFIG(QPC_CRNT_VERID) values ('5000');
