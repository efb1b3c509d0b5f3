// The side-by-side benchmark: one deterministic corpus, each tool fed the same items in its own
// syntax, the outputs compared for meaning before anything is timed, then items per second for
// each, measured in this one run.
//
//   node bench/peers/run.mjs PEER_JAVASCRIPT_FOLDER PEER_JOBS_PROGRAM WORK_FOLDER [GLYPHWRIGHT]
//
// Jobs and what is compared. Every side turns the same items into its formatted output: a peer
// into TeX, HTML or peak data, Glyphwright into its command script. Glyphwright is also timed
// to the end of a host's work (script run on a fresh reference document, rendered), shown beside.
//   formula            Glyphwright: script (and: run on the reference document, HTML).
//                      mhchemparser: \ce{...} to TeX. mf-parser: formula to HTML.
//   ion                the same with charges: 'SO42-' / 'SO4^2-' / 'SO4(2-)'.
//   nmr-table-to-list  Glyphwright NMRSpecFormQuery (table to running list, rendered as HTML).
//                      nmr-processing rangesToACS (peak data to running list, HTML).
//   nmr-list-to-table  Glyphwright NMRSpecFormRQuery (running list to table, rendered as text).
//                      nmr-processing resurrect (running list to peak data).
// With the command-line program GLYPHWRIGHT given, its `script` and `format` commands are timed
// as a user runs them (whole process, 1 MB of formulas on standard input, peak memory) against
// mhchemparser's MB/s on the same formulas (see cli_timing.mjs).
import { execFileSync } from 'node:child_process';
import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join, resolve } from 'node:path';
import { performance } from 'node:perf_hooks';

import { timeCommandLine } from './cli_timing.mjs';

const [peerFolder, peerJobs, work, commandLine] = process.argv.slice(2).map((p) => resolve(p));
const require = createRequire(join(peerFolder, 'node_modules', 'x.js'));
const { mhchemParser } = require('mhchemparser');
const { MF } = require('mf-parser');
const nmr = require('nmr-processing');

// ---- the corpus ----------------------------------------------------------------------------

// A fixed linear congruential generator: the same corpus on every machine and every run.
let seed = 20240611;
const random = () => ((seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648);
const pick = (list) => list[Math.floor(random() * list.length)];

const ELEMENTS = ['H', 'C', 'N', 'O', 'S', 'P', 'Cl', 'Na', 'K', 'Ca', 'Mg', 'Fe', 'Cu', 'Zn',
  'Br', 'Al', 'Si', 'Mn', 'Co', 'Ni'];
const count = () => (random() < 0.4 ? '' : String(2 + Math.floor(random() * 11)));

function makeFormula() {
  let text = '';
  const groups = 2 + Math.floor(random() * 4);
  for (let g = 0; g < groups; g++) {
    if (random() < 0.2) {
      text += `(${pick(ELEMENTS)}${count()}${pick(ELEMENTS)})${2 + Math.floor(random() * 3)}`;
    } else {
      text += pick(ELEMENTS) + count();
    }
  }
  return text;
}

// An ion whose charge every tool reads the same way: a charge number 2 or 3 before the sign, or
// a bare sign after a letter (Glyphwright reads a digit 2 to 7 before a sign as the charge).
function makeIon() {
  let formula = makeFormula();
  if (random() < 0.5) return { formula, charge: `${2 + Math.floor(random() * 2)}${pick('+-')}` };
  formula = formula.replace(/[\d)]+$/, '') || 'Na';
  if (!/[A-Za-z]$/.test(formula)) formula += 'Cl';
  return { formula, charge: pick('+-') };
}

const MULTIPLICITIES = { s: 0, d: 1, t: 1, q: 1, dd: 2 };
function makePeaks() {
  const peaks = [];
  const n = 2 + Math.floor(random() * 5);
  for (let i = 0; i < n; i++) {
    const multiplicity = pick(Object.keys(MULTIPLICITIES));
    const js = [];
    for (let k = 0; k < MULTIPLICITIES[multiplicity]; k++) {
      js.push((1 + Math.floor(random() * 150) / 10).toFixed(1));
    }
    js.sort((a, b) => b - a);
    peaks.push({ shift: (0.5 + random() * 9).toFixed(2), count: 1 + Math.floor(random() * 3),
      multiplicity, js });
  }
  peaks.sort((a, b) => b.shift - a.shift);
  return peaks;
}

const ITEMS = 2000;
const formulas = Array.from({ length: ITEMS }, makeFormula);
const ions = Array.from({ length: ITEMS }, makeIon);
const peakLists = Array.from({ length: ITEMS / 4 }, makePeaks);

// Each tool's syntax for the same item.
const glyphwrightIon = (ion) => ion.formula + ion.charge;
const mhchemIon = (ion) => `${ion.formula}^${ion.charge}`;
const mfIon = (ion) => `${ion.formula}(${ion.charge})`;
const tableText = (peaks) => peaks.map((p) =>
  [p.shift, `${p.count}H`, p.multiplicity, p.js.join(', ')].join('\t')).join('\r');
const ranges = (peaks) => peaks.map((p) => ({
  from: Number(p.shift) - 0.01, to: Number(p.shift) + 0.01, integration: p.count,
  signals: [{ delta: Number(p.shift), multiplicity: p.multiplicity,
    js: p.js.map((j) => ({ coupling: Number(j), multiplicity: p.multiplicity })) }],
}));
const listText = (peaks) => '1H NMR (400 MHz, CDCl3) \u03B4 ' + peaks.map((p) =>
  `${p.shift} (${p.multiplicity}${p.js.length ? `, J = ${p.js.join(', ')} Hz` : ''}, ${p.count}H)`)
  .join(', ') + '.';

const escape = (s) => s.replace(/\\/g, '\\\\').replace(/\t/g, '\\t').replace(/\r/g, '\\r')
  .replace(/\n/g, '\\n');
const unescape = (s) => s.replace(/\\(.)/g, (_, c) => ({ t: '\t', r: '\r', n: '\n' }[c] ?? c));

mkdirSync(join(work, 'corpus'), { recursive: true });
const corpusFiles = {
  formula: formulas, ion: ions.map(glyphwrightIon),
  'nmr-table-to-list': peakLists.map(tableText), 'nmr-list-to-table': peakLists.map(listText),
};
for (const [job, items] of Object.entries(corpusFiles)) {
  writeFileSync(join(work, 'corpus', `${job}.txt`), items.map(escape).join('\n') + '\n');
}

// ---- Glyphwright's side: outputs and items per second, from its own program ------------------

execFileSync(peerJobs, [join(work, 'corpus'), join(work, 'glyphwright')]);
// Items per second of one job, both ways, from a fresh run of Glyphwright's program.
function glyphwrightRate(job) {
  const line = execFileSync(peerJobs, ['--time', job, join(work, 'corpus')], { encoding: 'utf8' });
  const [scripts, rendered] = line.trim().split(' ').map(Number);
  return { scripts, rendered };
}
const glyphwrightOutput = (job) => readFileSync(join(work, 'glyphwright', `${job}.txt`), 'utf8')
  .split('\n').slice(0, -1).map(unescape);

// ---- meaning: every output reduced to the same plain form ---------------------------------------

// Runs of text, subscript and superscript as "H<sub>2</sub>O".
const fromGlyphwrightHtml = (html) => html.replace(/<\/?p[^>]*>|\n/g, '');
function fromTex(tex) {
  let s = tex.replace(/\{\\vphantom\{A\}\}_\{\\smash\[t\]\{([^}]*)\}\}/g, '<sub>$1</sub>')
    .replace(/\{\\vphantom\{A\}\}\^\{([^}]*)\}/g, '<sup>$1</sup>')
    .replace(/\\mathrm\{([^}]*)\}/g, '$1');
  if (s.startsWith('{') && s.endsWith('}')) s = s.slice(1, -1);
  return s;
}
const fromMfHtml = (html) => html
  .replace(/<span[^>]*><sup[^>]*>([^<]*)<\/sup><sub[^>]*>([^<]*)<\/sub><\/span>/g,
    '<sub>$2</sub><sup>$1</sup>')
  .replace(/<(su[bp])[^>]*>/g, '<$1>');
const fromAcs = (html) => html.replace(/^.*?\u03B4 /, '');
// A table as rows of [shift, count, multiplicity, couplings].
const fromGlyphwrightTable = (text) => text.split('\n').slice(1).filter((r) => r.includes('\t'))
  .map((r) => r.split('\t').slice(0, 4).join('|'));
const fromResurrect = (result) => result.ranges.map((range) => {
  const signal = range.signals[0];
  return [signal.delta.toFixed(2), `${range.integration}H`, signal.multiplicity,
    (signal.js ?? []).map((j) => j.coupling.toFixed(1)).join(', ')].join('|');
});
const tableRows = (peaks) => peaks.map((p) =>
  [p.shift, `${p.count}H`, p.multiplicity, p.js.join(', ')].join('|'));

function compare(job, ours, theirs, describe) {
  let agree = 0;
  const examples = [];
  ours.forEach((mine, i) => {
    const a = JSON.stringify(mine);
    const b = JSON.stringify(theirs[i]);
    if (a === b) agree++;
    else if (examples.length < 2) examples.push(`${describe(i)}: Glyphwright ${a}, peer ${b}`);
  });
  return { agree, total: ours.length, examples };
}

// ---- the peers: outputs, then items per second ----------------------------------------------

function rate(items, work) {
  for (let i = 0; i < Math.min(items.length, 200); i++) work(items[i]);  // warm up
  let done = 0;
  const start = performance.now();
  let elapsed = 0;
  while (elapsed < 500) {
    for (const item of items) work(item);
    done += items.length;
    elapsed = performance.now() - start;
  }
  return done / (elapsed / 1000);
}

const peers = [
  { job: 'formula', peer: 'mhchemparser', items: formulas,
    run: (f) => mhchemParser.toTex(f, 'ce'), mean: fromTex, ours: fromGlyphwrightHtml,
    describe: (i) => formulas[i] },
  { job: 'formula', peer: 'mf-parser', items: formulas, run: (f) => new MF(f).toHtml(),
    mean: fromMfHtml, ours: fromGlyphwrightHtml, describe: (i) => formulas[i] },
  { job: 'ion', peer: 'mhchemparser', items: ions.map(mhchemIon),
    run: (f) => mhchemParser.toTex(f, 'ce'), mean: fromTex, ours: fromGlyphwrightHtml,
    describe: (i) => mhchemIon(ions[i]) },
  { job: 'ion', peer: 'mf-parser', items: ions.map(mfIon), run: (f) => new MF(f).toHtml(),
    mean: fromMfHtml, ours: fromGlyphwrightHtml, describe: (i) => mfIon(ions[i]) },
  { job: 'nmr-table-to-list', peer: 'nmr-processing rangesToACS', items: peakLists.map(ranges),
    run: (r) => nmr.rangesToACS(r, { nucleus: '1H' }), mean: fromAcs,
    ours: (html) => fromGlyphwrightHtml(html).replace(/ $/, ''),
    describe: (i) => tableText(peakLists[i]).replace(/\t/g, ' | ').replace(/\r/g, ' / ') },
  { job: 'nmr-list-to-table', peer: 'nmr-processing resurrect', items: peakLists.map(listText),
    run: (t) => nmr.resurrect(t), mean: fromResurrect, ours: fromGlyphwrightTable,
    describe: (i) => listText(peakLists[i]) },
];

const ROUNDS = 5;

const rows = [];
for (const p of peers) {
  const ours = glyphwrightOutput(p.job).map(p.ours);
  const theirs = p.items.map((item) => {
    try { return p.mean(p.run(item)); } catch (error) { return `error: ${error.message}`; }
  });
  const agreement = compare(p.job, ours, theirs, p.describe);
  // Other work on this machine (the second virtual processor may share a core) only ever slows
  // a side down: the two sides take turns, round after round, and each keeps its best round.
  let peerRate = 0;
  let ourRate = { scripts: 0, rendered: 0 };
  for (let round = 0; round < ROUNDS; round++) {
    peerRate = Math.max(peerRate, rate(p.items, (item) => {
      try { p.run(item); } catch { /* counted above */ }
    }));
    const mine = glyphwrightRate(p.job);
    ourRate = { scripts: Math.max(ourRate.scripts, mine.scripts),
      rendered: Math.max(ourRate.rendered, mine.rendered) };
  }
  rows.push({ ...p, agreement, peerRate, ourRate });
}

// ---- the table ------------------------------------------------------------------------------

const pad = (s, n) => String(s).padEnd(n);
const num = (x) => Math.round(x).toLocaleString('en-US');
console.log(`Corpus: ${ITEMS} formulas, ${ITEMS} ions, ${ITEMS / 4} peak lists of 2 to 6 peaks;`
  + ' every side produces its formatted output (Glyphwright: the command script).');
console.log('"rendered" is Glyphwright to the end of a host\'s work: script run on a fresh'
  + ' reference document, rendered.');
console.log(`Each side timed ${ROUNDS} times, taking turns with the other; the best round of each.`);
console.log(`${pad('job', 19)}${pad('peer', 28)}${pad('peer/s', 11)}${pad('Glyphwright/s', 15)}`
  + `${pad('ratio', 9)}${pad('rendered/s', 12)}${pad('ratio', 9)}same meaning`);
for (const r of rows) {
  const ratio = (ours) => `${(ours / r.peerRate).toFixed(1)}x`;
  console.log(`${pad(r.job, 19)}${pad(r.peer, 28)}${pad(num(r.peerRate), 11)}`
    + `${pad(num(r.ourRate.scripts), 15)}${pad(ratio(r.ourRate.scripts), 9)}`
    + `${pad(num(r.ourRate.rendered), 12)}${pad(ratio(r.ourRate.rendered), 9)}`
    + `${r.agreement.agree}/${r.agreement.total}`);
}
console.log('\nWhere a peer\'s output means something else (first examples):');
for (const r of rows) {
  for (const example of r.agreement.examples) console.log(`  ${r.peer}, ${r.job}: ${example}`);
}
writeFileSync(join(work, 'results.json'), JSON.stringify(rows.map((r) => ({
  job: r.job, peer: r.peer, glyphwrightScripts: r.ourRate.scripts,
  glyphwrightRendered: r.ourRate.rendered, peerRate: r.peerRate,
  agree: r.agreement.agree, total: r.agreement.total, examples: r.agreement.examples,
})), null, 2));

if (commandLine) {
  timeCommandLine({ program: commandLine, work, formulas, ions, glyphwrightIon, mhchemIon,
    toTex: (f) => mhchemParser.toTex(f, 'ce'), rate, rounds: ROUNDS });
}
