// One statement through ANTLR's complete T-SQL grammar (the antlr4ts-sql package), and the
// small walks over its tree that the rules share.
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const { ANTLRInputStream, CommonTokenStream } = require('antlr4ts');
const { PredictionMode } = require('antlr4ts/atn/PredictionMode');
const { CaseChangingStream } = require('antlr4ts-sql/dist/src/models/CaseChangingStream');
const { TSqlLexer } = require('antlr4ts-sql/dist/src/grammar-output/tsql/TSqlLexer');
const { TSqlParser } = require('antlr4ts-sql/dist/src/grammar-output/tsql/TSqlParser');

export { TSqlLexer };

// The grammar reads keywords in upper case; the package's stream hands the token texts back
// wrongly, so the texts are taken from the statement as written.
class UpperCaseStream extends CaseChangingStream {
  constructor(stream) {
    super(stream, true);
  }

  getText(interval) {
    return this._stream.getText(interval);
  }
}

function collectingErrors(errors) {
  return {
    syntaxError: (_recognizer, _symbol, line, column, message) =>
      errors.push(`${line}:${column} ${message.replace(/ expecting .*/s, '')}`),
  };
}

function parseWith(sql, mode) {
  const errors = [];
  const lexer = new TSqlLexer(new UpperCaseStream(new ANTLRInputStream(sql)));
  lexer.removeErrorListeners();
  lexer.addErrorListener(collectingErrors(errors));
  const tokens = new CommonTokenStream(lexer);
  const parser = new TSqlParser(tokens);
  parser.removeErrorListeners();
  parser.addErrorListener(collectingErrors(errors));
  parser.interpreter.setPredictionMode(mode);
  const tree = parser.tsql_file();
  return { tree, errors, tokens: tokens.getTokens(), ruleNames: parser.ruleNames };
}

// The quick prediction first; only a statement that it refuses is parsed again with full context,
// which alone decides that a statement is no T-SQL.
export function parse(sql) {
  const quick = parseWith(sql, PredictionMode.SLL);
  return quick.errors.length === 0 ? quick : parseWith(sql, PredictionMode.LL);
}

export function ruleName(parsed, node) {
  return node.ruleIndex === undefined ? undefined : parsed.ruleNames[node.ruleIndex];
}

export function children(node) {
  return node.children ?? [];
}

// Every node of the tree below (and with) the node, depth first; a node for which `into` is
// false is visited but not entered.
export function* walk(node, into = () => true) {
  yield node;
  if (!into(node)) return;
  for (const child of children(node)) yield* walk(child, into);
}

export function* tokensOf(node) {
  for (const n of walk(node)) if (n.symbol) yield n.symbol;
}

// A node's text for comparison: names without brackets and in lower case, literals as written.
export function canonical(node) {
  const words = [];
  for (const token of tokensOf(node)) {
    if (token.type === TSqlLexer.STRING) words.push(token.text);
    else if (token.type === TSqlLexer.SQUARE_BRACKET_ID) words.push(token.text.slice(1, -1).toLowerCase());
    else if (token.type !== TSqlLexer.EOF) words.push(token.text.toLowerCase());
  }
  return words.join(' ');
}

export function firstChildOfRule(parsed, node, name) {
  return children(node).find((child) => ruleName(parsed, child) === name);
}

export function ancestors(node) {
  const list = [];
  for (let n = node.parent; n; n = n.parent) list.push(n);
  return list;
}
