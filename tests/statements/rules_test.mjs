// Each rule of the statement check on statements that break it and on statements that SQL Server
// takes: node rules_test.mjs exits 1 when a rule says otherwise.
import { parse } from './tsql.mjs';
import { ruleFailures } from './rules.mjs';

const cases = [
  ['select top 2 Name, Code from x order by [Name] desc,[Name],[Code]', 'no expression twice in one ORDER BY'],
  ['select a from t order by a offset 20 rows fetch next 20 rows only', null],
  ['select a from t limit 5', 'T-SQL grammar'],
  ['select a from t limit', 'no LIMIT'],
  ['select a from t where', 'T-SQL grammar'],
  ["select a || 'x' from t", 'no ||'],
  ["select a + 'x' from t", null],
  ['select "x" from t', 'no double-quoted strings'],
  ['select a from t where b = true', 'no boolean values'],
  ['select * from (select a from t order by a) q', 'no ORDER BY in a derived table without TOP'],
  ['select * from (select top 3 a from t order by a) q', null],
  ['select a from t where a in (select b from u order by b)', 'no ORDER BY in a derived table without TOP'],
  ['insert into u(a) select a from t order by a', null],
  ['select a, count(*) from t', 'every selected column aggregated or grouped'],
  ['select a, b, count(*) from t group by a', 'every selected column aggregated or grouped'],
  ['select t.a, count(*), max(b) from t group by a', null],
  ['select case when isnumeric(x)=1 then x else 0 end from t', 'text converted to a number only after try_convert'],
  ['select convert(float,x) from t', 'text converted to a number only after try_convert'],
  ['select case when isnumeric(x)=1 and try_convert(float,x) is not null then convert(float,x) end from t', null],
  ["select convert(float,'12.5'), cast(' 7 ' as int), convert(varchar(10),d,120) from t", null],
  ["select convert(int,'1.5') from t", 'text converted to a number only after try_convert'],
  ["select case when a<0 then convert(int,'Refused value') else a end from t", null],
  ['select ifnull(a,0) from t', 'SQL Server functions only'],
  ['select group_concat(a) from t', 'SQL Server functions only'],
  ['select trim(a) from t', 'nothing newer than SQL Server 2012'],
  ["select string_agg(a, ',') from t", 'nothing newer than SQL Server 2012'],
  ['select ltrim(a, 1) from t', 'nothing newer than SQL Server 2012'],
  ['drop table if exists x', 'nothing newer than SQL Server 2012'],
  ["if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[x]')) drop table [dbo].[x]", null],
  ['IF XACT_STATE() = 1 ROLLBACK TRANSACTION vant_2', null],
  ['SAVE TRANSACTION vant_2', null],
  ['select row_number() over (order by a) as n, a into #x from t', null],
  ['insert into t(a,b) values (1,2),(3,4)', null],
  ['create table t (a int, b double)', 'SQL Server types only'],
  ['create table t (a int, b float, c varchar(10), d datetime, e money)', null],
];

let wrong = 0;
for (const [sql, rule] of cases) {
  const rules = ruleFailures(parse(sql)).map(([name]) => name);
  const right = rule === null ? rules.length === 0 : rules.includes(rule);
  if (!right) {
    ++wrong;
    console.log(`${sql}\n  expected: ${rule ?? 'no failure'}\n  found: ${rules.join('; ') || 'no failure'}`);
  }
}
console.log(`Statement rules: ${cases.length} cases, ${wrong} wrong.`);
process.exit(wrong === 0 ? 0 : 1);
