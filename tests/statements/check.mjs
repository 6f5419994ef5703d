// The statement check: reads what the tests recorded (node check.mjs FOLDER), parses each
// distinct statement once with ANTLR's T-SQL grammar and holds it to SQL Server's rules. A
// statement that fails names the rule, the statement and the tests that sent it.
import { existsSync, readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';

const folder = process.argv[2];
const here = new URL('.', import.meta.url).pathname;
if (!existsSync(join(here, 'node_modules', 'antlr4ts-sql'))) {
  console.error('The T-SQL parser is not installed: run scripts/install-statement-check.sh');
  process.exit(1);
}
const { parse } = await import('./tsql.mjs');
const { ruleFailures } = await import('./rules.mjs');

// statement -> the tests that sent it. A test program records JSON lines; a program that a test
// started traces one statement a line into a file named after the test.
function readRecords() {
  const senders = new Map();
  const add = (sql, test) => {
    if (!senders.has(sql)) senders.set(sql, new Set());
    senders.get(sql).add(test);
  };
  for (const name of existsSync(folder) ? readdirSync(folder) : []) {
    const text = readFileSync(join(folder, name), 'utf8');
    if (name.endsWith('.jsonl')) {
      for (const line of text.split('\n').filter(Boolean)) {
        const { test, sql } = JSON.parse(line);
        add(sql, test);
      }
    } else if (name.endsWith('.trace')) {
      const test = `${name.replace(/\.\d+-\d+\.trace$/, '')} (through a program it started)`;
      for (const sql of text.split('\n').filter((line) => line.trim() !== '')) add(sql, test);
    }
  }
  return senders;
}

const started = Date.now();
const senders = readRecords();
if (senders.size === 0) {
  console.error(`No statements were recorded in ${folder}: run the tests before the check.`);
  process.exit(1);
}
let failed = 0;
for (const [sql, tests] of senders) {
  const failures = ruleFailures(parse(sql));
  if (failures.length === 0) continue;
  ++failed;
  const sentBy = [...tests].slice(0, 3).join(', ') + (tests.size > 3 ? ` and ${tests.size - 3} more` : '');
  for (const [rule, detail] of failures) console.log(`rule: ${rule}\n  ${detail}`);
  console.log(`  statement: ${sql}\n  sent by: ${sentBy}\n`);
}
const seconds = ((Date.now() - started) / 1000).toFixed(1);
console.log(`Statement check: ${senders.size} distinct statements, ${failed} breaking SQL Server's rules (${seconds} s).`);
process.exit(failed === 0 ? 0 : 1);
