// What SQL Server 2012, the oldest server the program supports, has: its functions, and the
// constructs that came later. The lookup's OFFSET ... FETCH paging is what needs 2012.
const NEWER = 'nothing newer than SQL Server 2012';
const FOREIGN = 'SQL Server functions only';

// The functions that the statements may call by name (the grammar knows cast, convert, isnull,
// iif, getdate, the aggregates and the ranking functions itself).
const SQL_SERVER_2012 = new Set([
  'abs', 'ascii', 'ceiling', 'char', 'charindex', 'choose', 'concat', 'datalength', 'datefromparts', 'day',
  'db_name', 'eomonth', 'exp', 'floor', 'format', 'isdate', 'isnumeric', 'left', 'len', 'log', 'lower', 'ltrim',
  'month', 'newid', 'object_id', 'objectproperty', 'patindex', 'power', 'quotename', 'replace', 'replicate',
  'reverse', 'right', 'round', 'rtrim', 'sign', 'space', 'sqrt', 'str', 'substring', 'try_parse',
  'unicode', 'upper', 'xact_state', 'year', 'db_id', 'scope_identity', 'error_message', 'error_number',
  'getdate', 'getutcdate', 'isnull', 'nullif', 'coalesce', 'iif', 'dateadd', 'datediff', 'datename', 'datepart',
  'stuff', 'checksum', 'lag', 'lead', 'first_value', 'last_value',
]);

const SQLITE_ONLY = new Set([
  'ifnull', 'substr', 'length', 'typeof', 'printf', 'strftime', 'date', 'datetime', 'julianday', 'group_concat',
  'instr', 'random', 'total', 'glob', 'sqlite_version', 'changes', 'last_insert_rowid', 'unixepoch', 'trunc',
  'quote', 'pragma_table_info', 'hex', 'zeroblob',
]);

const LATER = new Map([
  ['string_split', 2016], ['string_escape', 2016], ['isjson', 2016], ['json_value', 2016], ['json_query', 2016],
  ['json_modify', 2016], ['datediff_big', 2016], ['compress', 2016], ['decompress', 2016], ['trim', 2017],
  ['concat_ws', 2017], ['translate', 2017], ['string_agg', 2017], ['approx_count_distinct', 2019],
  ['greatest', 2022], ['least', 2022], ['generate_series', 2022], ['date_bucket', 2022], ['datetrunc', 2022],
]);

// Token runs that spell a construct of a later server.
const LATER_RUNS = [
  [['drop', 'table', 'if', 'exists'], 2016],
  [['drop', 'index', 'if', 'exists'], 2016],
  [['create', 'or', 'alter'], 2016],
  [['at', 'time', 'zone'], 2016],
  [['for', 'json'], 2016],
];

export function functionProblem(name, argumentCount) {
  if (LATER.has(name)) return [NEWER, `${name}() came with SQL Server ${LATER.get(name)}`];
  if ((name === 'ltrim' || name === 'rtrim') && argumentCount > 1)
    return [NEWER, `${name}() of two arguments came with SQL Server 2022`];
  if (SQLITE_ONLY.has(name)) return [FOREIGN, `${name}() is SQLite's; SQL Server has no such function`];
  if (!SQL_SERVER_2012.has(name)) return [FOREIGN, `${name}() is no function of SQL Server 2012`];
  return undefined;
}

export function newerConstructs(tokens) {
  const words = tokens.filter((t) => t.channel === 0).map((t) => t.text?.toLowerCase());
  const failures = [];
  for (const [run, version] of LATER_RUNS) {
    for (let i = 0; i + run.length <= words.length; ++i) {
      if (run.every((word, k) => words[i + k] === word))
        failures.push([NEWER, `${run.join(' ').toUpperCase()} came with SQL Server ${version}`]);
    }
  }
  return failures;
}
