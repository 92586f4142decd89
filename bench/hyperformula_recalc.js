// The chain recalculation done by an open JavaScript spreadsheet engine, as a
// reference for the speed of `zrlss recalc`: reads a one-field-per-cell CSV
// (no quoted fields, as bench/gen_chain_csv.py writes it), builds the sheet,
// computes it and writes every value as CSV.
//
// Not part of the build. To run it:
//   mkdir -p /tmp/hfbench && cd /tmp/hfbench && npm install hyperformula
//   cp bench/hyperformula_recalc.js /tmp/hfbench/
//   python3 bench/gen_chain_csv.py 10000 > /tmp/chain.csv
//   /usr/bin/time -v node /tmp/hfbench/hyperformula_recalc.js /tmp/chain.csv /tmp/chain_hf.csv
'use strict';
const fs = require('fs');
const { HyperFormula } = require('hyperformula');

const [input, output] = process.argv.slice(2);
const rows = fs
  .readFileSync(input, 'utf8')
  .split(/\r?\n/)
  .filter((line) => line.length > 0)
  .map((line) => line.split(','));
const hf = HyperFormula.buildFromArray(rows, { licenseKey: 'gpl-v3' });
const values = hf.getSheetValues(0);
const text = values
  .map((row) => row.map((v) => (v === null || v === undefined ? '' : String(v))).join(','))
  .join('\r\n');
fs.writeFileSync(output, text + '\r\n');
