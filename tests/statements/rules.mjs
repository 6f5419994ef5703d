// The rules where SQL Server is stricter than SQLite, over one parsed statement. Each failure
// names its rule; HACKING.md holds the same table with the reasons.
import { TSqlLexer, ancestors, canonical, children, ruleName, walk } from './tsql.mjs';
import { functionProblem, newerConstructs } from './versions.mjs';

const NUMBER_TYPES = new Set([
  'int', 'bigint', 'smallint', 'tinyint', 'float', 'real', 'decimal', 'numeric', 'money', 'smallmoney', 'bit',
]);
const WHOLE_TYPES = new Set(['int', 'bigint', 'smallint', 'tinyint', 'bit']);
// Literals that SQL Server's own conversion reads as it is: a plain number between blanks.
const NUMBER_TEXT = /^ *[-+]?(\d+\.?\d*|\.\d+)([eE][-+]?\d+)? *$/;
const WHOLE_TEXT = /^ *[-+]?\d+ *$/;

function ofRule(parsed, name) {
  return [...walk(parsed.tree)].filter((node) => ruleName(parsed, node) === name);
}

function tokenRules(parsed) {
  const failures = [];
  for (const token of parsed.tokens) {
    const word = token.text?.toLowerCase();
    if (token.type === TSqlLexer.DOUBLE_BAR)
      failures.push(['no ||', 'SQL Server joins text with + or concat(), and || is no operator before SQL Server 2025']);
    else if (token.type === TSqlLexer.DOUBLE_QUOTE_ID)
      failures.push(['no double-quoted strings', `${token.text}: text goes between single quotes, names between brackets`]);
    else if (token.type === TSqlLexer.ID && word === 'limit')
      failures.push(['no LIMIT', 'SQL Server limits rows with TOP or OFFSET ... FETCH']);
    else if (token.type === TSqlLexer.ID && (word === 'true' || word === 'false'))
      failures.push(['no boolean values', `${token.text}: SQL Server has no boolean values; compare with 1 or 0`]);
  }
  return failures;
}

function orderTwice(parsed) {
  const failures = [];
  for (const clause of ofRule(parsed, 'order_by_clause')) {
    const seen = new Set();
    for (const item of children(clause).filter((c) => ruleName(parsed, c) === 'order_by_expression')) {
      const key = canonical(item.expression());
      if (seen.has(key))
        failures.push(['no expression twice in one ORDER BY', `${key} (SQL Server's error 169)`]);
      seen.add(key);
    }
  }
  return failures;
}

function hasTop(parsed, select) {
  return [...walk(select.query_expression(), (n) => ruleName(parsed, n) !== 'subquery')].some(
    (n) => ruleName(parsed, n) === 'top_clause');
}

// Inside a derived table, a subquery or a common table expression, ORDER BY needs TOP or
// OFFSET; the rows of INSERT ... SELECT may be ordered.
function orderInDerivedTable(parsed) {
  const failures = [];
  for (const select of ofRule(parsed, 'select_statement')) {
    const order = select.order_by_clause();
    if (!order || order.OFFSET() || hasTop(parsed, select)) continue;
    const enclosing = ancestors(select).find((n) => ['subquery', 'common_table_expression'].includes(ruleName(parsed, n)));
    if (!enclosing) continue;
    const inserted = ruleName(parsed, enclosing.parent) === 'derived_table'
      && ruleName(parsed, enclosing.parent.parent) === 'insert_statement_value';
    if (!inserted)
      failures.push(['no ORDER BY in a derived table without TOP', `${canonical(order)} (SQL Server's error 1033)`]);
  }
  return failures;
}

const notNested = (parsed) => (n) => !['subquery', 'over_clause'].includes(ruleName(parsed, n))
  && !(ruleName(parsed, n) === 'aggregate_windowed_function' && !n.over_clause());

function isAggregate(parsed, node) {
  return ruleName(parsed, node) === 'aggregate_windowed_function' && !node.over_clause();
}

function columnOf(key) {
  return key.split(' . ').at(-1);
}

// A column is grouped when a GROUP BY item names it, with or without the same qualifier.
function grouped(key, groupKeys) {
  return groupKeys.some((group) => group === key
    || (columnOf(group) === columnOf(key) && (!group.includes(' . ') || !key.includes(' . '))));
}

function ungroupedColumns(parsed) {
  const failures = [];
  for (const query of ofRule(parsed, 'query_specification')) {
    const list = query.select_list();
    const groupKeys = query.group_by_item().map((item) => canonical(item));
    const aggregated = [...walk(list, notNested(parsed))].some((n) => isAggregate(parsed, n));
    if (groupKeys.length === 0 && !aggregated) continue;
    for (const element of children(list).filter((c) => ruleName(parsed, c) === 'select_list_elem')) {
      if (groupKeys.includes(canonical(element.expression_elem()?.expression() ?? element)))
        continue;
      for (const node of walk(element, notNested(parsed))) {
        const name = ruleName(parsed, node);
        if (name === 'asterisk' || (name === 'full_column_name' && !grouped(canonical(node), groupKeys)))
          failures.push(['every selected column aggregated or grouped', `${canonical(node)} (SQL Server's error 8120)`]);
      }
    }
  }
  return failures;
}

function numberType(dataType) {
  return canonical(dataType).split(' ')[0];
}

function functionName(parsed, node) {
  const name = node.scalar_function_name?.();
  return name ? canonical(name).split(' . ').at(-1) : undefined;
}

// convert() and try_convert() share one rule of the grammar.
function isTryConvert(node) {
  return node.constructor.name === 'CONVERTContext' && node.start.text.toLowerCase() === 'try_convert';
}

function functionArguments(node) {
  return node.expression_list?.()?.expression() ?? [];
}

// The expressions that a try_convert() or try_cast() of the statement tests.
function testedExpressions(parsed) {
  const tested = new Set();
  for (const node of walk(parsed.tree)) {
    if (isTryConvert(node)) tested.add(canonical(node.expression(0)));
    if (node.constructor.name === 'TRY_CASTContext') tested.add(canonical(node.expression()));
  }
  return tested;
}

// A literal that converts, or a text without a digit, which fails on purpose: no one reads it as
// a number by mistake.
function literalConverts(expression, type) {
  const constant = [...walk(expression)].map((n) => n.symbol).filter(Boolean);
  if (constant.length === 1 && constant[0].type === TSqlLexer.STRING) {
    const text = constant[0].text.slice(1, -1);
    return (WHOLE_TYPES.has(type) ? WHOLE_TEXT : NUMBER_TEXT).test(text) || !/\d/.test(text);
  }
  return constant.every((token) => [TSqlLexer.DECIMAL, TSqlLexer.FLOAT, TSqlLexer.REAL, TSqlLexer.MINUS,
    TSqlLexer.PLUS, TSqlLexer.NULL].includes(token.type));
}

// isnumeric() says yes to '$', ',', '.', '-', '1d5' and more that the conversion then refuses:
// a value is converted to a number only where try_convert() of it is tested too.
function conversionsUntested(parsed) {
  const failures = [];
  const tested = testedExpressions(parsed);
  const rule = 'text converted to a number only after try_convert';
  for (const node of walk(parsed.tree)) {
    if (functionName(parsed, node) === 'isnumeric') {
      const value = canonical(functionArguments(node)[0] ?? node);
      if (!tested.has(value)) failures.push([rule, `isnumeric(${value}) alone is no test of a conversion`]);
    }
    const kind = node.constructor.name;
    if ((kind !== 'CONVERTContext' && kind !== 'CASTContext') || isTryConvert(node)) continue;
    const type = numberType(node.data_type());
    const value = kind === 'CONVERTContext' ? node.expression(0) : node.expression();
    if (NUMBER_TYPES.has(type) && !literalConverts(value, type) && !tested.has(canonical(value)))
      failures.push([rule, `${canonical(node)} converts without try_convert(${type}, ${canonical(value)})`]);
  }
  return failures;
}

const SQL_SERVER_TYPES = new Set([
  ...NUMBER_TYPES, 'varchar', 'nvarchar', 'char', 'nchar', 'text', 'ntext', 'datetime', 'smalldatetime', 'date',
  'time', 'datetime2', 'datetimeoffset', 'binary', 'varbinary', 'image', 'uniqueidentifier', 'xml', 'sql_variant',
]);

function typeRules(parsed) {
  return ofRule(parsed, 'data_type')
    .map((type) => canonical(type))
    .filter((type) => !SQL_SERVER_TYPES.has(type.split(' ')[0]) && !type.startsWith('double precision'))
    .map((type) => ['SQL Server types only', `${type} is no type of SQL Server`]);
}

function versionRules(parsed) {
  const failures = [];
  for (const node of walk(parsed.tree)) {
    const name = node.constructor.name === 'STRINGAGGContext' ? 'string_agg' : functionName(parsed, node);
    const problem = name && functionProblem(name, functionArguments(node).length);
    if (problem) failures.push(problem);
  }
  return [...failures, ...newerConstructs(parsed.tokens)];
}

// Every rule's failures as [rule, detail] pairs; none for a statement that SQL Server takes.
export function ruleFailures(parsed) {
  if (parsed.errors.length > 0) return [['T-SQL grammar', parsed.errors.slice(0, 2).join('; ')]];
  return [
    ...tokenRules(parsed),
    ...orderTwice(parsed),
    ...orderInDerivedTable(parsed),
    ...ungroupedColumns(parsed),
    ...conversionsUntested(parsed),
    ...versionRules(parsed),
    ...typeRules(parsed),
  ];
}
