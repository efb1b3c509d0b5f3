// The command line as a user runs it: `glyphwright script QUERY` and `glyphwright format QUERY
// --to html` reading 1 MB of formulas (or ions) on standard input, one item a line, timed as a
// whole process (start, read, format, write, exit) with its peak resident memory from
// /usr/bin/time. mhchemparser turns the same items, in its own syntax, into TeX in this Node
// process; its MB/s counts the bytes of its own input.
import { spawnSync } from 'node:child_process';
import { openSync, closeSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { performance } from 'node:perf_hooks';

const MEGABYTE = 1 << 20;
// Runs of the program a round; the round keeps the fastest.
const RUNS = 3;

// Items repeated in order until their lines reach 1 MB.
function megabyteOf(items) {
  const lines = [];
  let bytes = 0;
  for (let i = 0; bytes < MEGABYTE; i = (i + 1) % items.length) {
    lines.push(items[i]);
    bytes += Buffer.byteLength(items[i]) + 1;
  }
  return lines;
}

// Seconds and peak kilobytes of one run, standard output to /dev/null.
function runOnce(program, args, inputFile) {
  const input = openSync(inputFile, 'r');
  try {
    const start = performance.now();
    const result = spawnSync('/usr/bin/time', ['-f', '%M', program, ...args],
      { stdio: [input, 'ignore', 'pipe'], encoding: 'utf8' });
    const seconds = (performance.now() - start) / 1000;
    if (result.status !== 0) {
      throw new Error(`${program} ${args.join(' ')} failed: ${result.stderr}`);
    }
    const lines = result.stderr.trim().split('\n');
    return { seconds, kilobytes: Number(lines[lines.length - 1]) };
  } finally {
    closeSync(input);
  }
}

export function timeCommandLine({ program, work, formulas, ions, glyphwrightIon, mhchemIon, toTex,
  rate, rounds }) {
  const jobs = [
    { query: 'formula', ours: megabyteOf(formulas), theirs: megabyteOf(formulas) },
    { query: 'ion', ours: megabyteOf(ions.map(glyphwrightIon)),
      theirs: megabyteOf(ions.map(mhchemIon)) },
  ];
  console.log(`\nThe command line on 1 MB of items, one a line, on standard input; whole process,`
    + ` best of ${RUNS} runs a round, ${rounds} rounds taking turns with mhchemparser.`);
  console.log(`${'command'.padEnd(30)}${'MB/s'.padStart(9)}${'mhchemparser MB/s'.padStart(19)}`
    + `${'ratio'.padStart(9)}${'peak MB'.padStart(9)}`);
  for (const job of jobs) {
    const inputFile = join(work, `cli-${job.query}.txt`);
    writeFileSync(inputFile, job.ours.join('\n') + '\n');
    const ourBytes = job.ours.reduce((n, line) => n + Buffer.byteLength(line) + 1, 0);
    const theirBytes = job.theirs.reduce((n, line) => n + Buffer.byteLength(line) + 1, 0);
    const commands = [['script', job.query], ['format', job.query, '--to', 'html']];
    const best = commands.map(() => ({ seconds: Infinity, kilobytes: 0 }));
    let peerItemsPerSecond = 0;
    for (let round = 0; round < rounds; round++) {
      peerItemsPerSecond = Math.max(peerItemsPerSecond, rate(job.theirs, toTex));
      commands.forEach((args, k) => {
        for (let run = 0; run < RUNS; run++) {
          const { seconds, kilobytes } = runOnce(program, args, inputFile);
          best[k].seconds = Math.min(best[k].seconds, seconds);
          best[k].kilobytes = Math.max(best[k].kilobytes, kilobytes);
        }
      });
    }
    const peerMBs = (peerItemsPerSecond * theirBytes) / job.theirs.length / MEGABYTE;
    // format's speed beside script's, the two measured in the same rounds.
    const ofScript = ` (${(best[0].seconds / best[1].seconds).toFixed(2)}x script's speed)`;
    commands.forEach((args, k) => {
      const ourMBs = ourBytes / MEGABYTE / best[k].seconds;
      console.log(`${args.join(' ').padEnd(30)}${ourMBs.toFixed(1).padStart(9)}`
        + `${peerMBs.toFixed(2).padStart(19)}${`${(ourMBs / peerMBs).toFixed(1)}x`.padStart(9)}`
        + `${(best[k].kilobytes / 1024).toFixed(1).padStart(9)}${k === 1 ? ofScript : ''}`);
    });
  }
}
