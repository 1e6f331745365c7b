// Converts each export, in each kind, three times in the page (chosen with "Parcourir..." in
// headless Chromium, timed until "Traitement terminé.") and three times with ferolan-convert;
// prints the best times, their ratio and the peak resident memory of each side, where the
// page's time and memory go, and the targets met or missed. With --large, converts that export
// once more on each side, the browser in a memory cgroup limited to 3 GiB.
//   node PageBench.mjs PAGE CONVERT WORK_FOLDER [--large EXPORT] EXPORT...
import { execFileSync, spawnSync } from 'node:child_process';
import { copyFileSync, existsSync, mkdtempSync, readFileSync, readdirSync, rmSync, statSync }
  from 'node:fs';
import { basename, dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { launchChromium } from '../../web/tools/browsers.mjs';
import { MemoryGroup } from './MemoryGroup.mjs';
import { counts, probeWorkers, reset, wasmMemoryBytes } from './WorkerProbe.mjs';

const args = process.argv.slice(2);
const largeAt = args.indexOf('--large');
const large = largeAt < 0 ? null : args.splice(largeAt, 2)[1];
const [page, convert, work, ...exports] = args;
const kinds = [{ name: 'casimir', option: '#option1', flag: '--casimir' },
  { name: 'txt', option: '#option2', flag: '--txt' }];
const runs = 3;
const largeLimit = 3 * 1024 ** 3;
const targets = { ratio: 2, denseRendererMiB: 250 };
// The program's extraction alone, built beside it (bench/extract.sh).
const extractor = join(dirname(convert), 'bench_extract');

const seconds = (start) => Number(process.hrtime.bigint() - start) / 1e9;
const mib = (bytes) => bytes / 1048576;
const variantOf = (exportPath) => (/^(sparse|dense)-/.exec(basename(exportPath)) || [])[1];

// Best wall time of `command` over `count` runs, and its peak resident memory in MiB.
function timed(count, command, ...commandArgs) {
  let best = Infinity;
  let peakMiB = 0;
  for (let i = 0; i < count; i++) {
    const start = process.hrtime.bigint();
    const { status, stderr } = spawnSync('/usr/bin/time', ['-f', '%M', command, ...commandArgs],
      { encoding: 'utf8' });
    best = Math.min(best, seconds(start));
    if (status !== 0) throw new Error(`${command} ${commandArgs.join(' ')}: ${stderr}`);
    peakMiB = Math.max(peakMiB, Number(stderr.trim().split('\n').pop()) / 1024);
  }
  return { best, peakMiB };
}

// ferolan-convert on the export, and the extraction alone where bench_extract is built.
function native(exportPath, flag, count = runs) {
  const side = timed(count, convert, flag, exportPath);
  if (existsSync(extractor)) {
    const target = mkdtempSync(join(work, 'extract-'));
    try {
      side.extractS = timed(count, extractor, exportPath, target).best;
    } finally {
      rmSync(target, { recursive: true });
    }
  }
  return side;
}

// The renderers started by the browser whose process is `browserPid`, from /proc.
function rendererPids(browserPid) {
  const parents = new Map();
  const renderers = [];
  for (const pid of readdirSync('/proc').filter((name) => /^\d+$/.test(name))) {
    try {
      const stat = readFileSync(`/proc/${pid}/stat`, 'utf8');
      parents.set(pid, stat.slice(stat.lastIndexOf(')') + 2).split(' ')[1]);
      if (readFileSync(`/proc/${pid}/cmdline`, 'utf8').includes('--type=renderer')) renderers.push(pid);
    } catch {
      // the process ended meanwhile
    }
  }
  const descends = (pid) => pid === String(browserPid) || (parents.has(pid) && pid !== '1' &&
    descends(parents.get(pid)));
  return renderers.filter(descends);
}

const peakResidentMiB = (pid) =>
  Number(/VmHWM:\s+(\d+)/.exec(readFileSync(`/proc/${pid}/status`, 'utf8'))[1]) / 1024;

// One conversion of the export in the tab, the kind already chosen: its time, where it went
// (WorkerProbe's counts), and the status the page ended with, or the crash that ended it.
async function convertOnce(tab, exportPath) {
  await tab.$eval('#status', (status) => status.replaceChildren());
  const workers = tab.workers();
  await Promise.all(workers.map(reset));
  const [chooser] = await Promise.all([tab.waitForFileChooser(), tab.click('#browse')]);
  const start = process.hrtime.bigint();
  await chooser.accept([exportPath]);
  const crashed = new Promise((resolve) => tab.once('error', resolve));
  const ended = await Promise.race([crashed, tab.waitForFunction(() => /^(?!.*en cours)./s.test(
    document.getElementById('status').textContent), { polling: 'mutation', timeout: 0 })]);
  const total = seconds(start);
  if (ended instanceof Error) return { seconds: total, status: `crashed: ${ended.message}` };
  const status = await tab.$eval('#status', (s) => s.textContent);
  const split = workers.length === 1 ? await counts(workers[0]) : null;
  return { seconds: total, status, split, wasmBytes: await wasmMemoryBytes(tab.workers()[0]) };
}

// The page's runs of the export in each of `kindsRun`, in a browser of its own so that the
// peaks are this export's; the best run of each kind, the renderer's and the browser's peaks.
async function inPage(exportPath, { kindsRun = kinds, count = runs, strict = true } = {}) {
  // Removed after: the browser keeps there the blobs it moved out of memory.
  const profile = mkdtempSync(join(work, 'profile-'));
  const browser = await launchChromium(profile);
  try {
    const tab = await browser.newPage();
    await probeWorkers(tab);
    await tab.goto('file://' + resolve(page));
    await tab.waitForSelector('#browse:not([disabled])');
    const best = {};
    let wasmBytes = null;
    for (const { name, option } of kindsRun) {
      await tab.click(option);
      for (let i = 0; i < count; i++) {
        const run = await convertOnce(tab, exportPath);
        if (run.status !== 'Traitement terminé.') {
          if (strict) throw new Error(`${exportPath}: ${run.status}`);
          best[name] = run;
          break;
        }
        wasmBytes = run.wasmBytes ?? wasmBytes;
        if (!best[name] || run.seconds < best[name].seconds) best[name] = run;
      }
    }
    const renderers = rendererPids(browser.process().pid);
    return { best, wasmMiB: wasmBytes === null ? null : mib(wasmBytes),
      rendererMiB: Math.max(0, ...renderers.map(peakResidentMiB)),
      browserMiB: peakResidentMiB(browser.process().pid) };
  } finally {
    await browser.close();
    rmSync(profile, { recursive: true, force: true });
  }
}

// The page on the export once, the browser and everything it starts held to `largeLimit`.
async function inLimitedBrowser(exportPath) {
  const group = new MemoryGroup(largeLimit);
  const browserPath = process.env.FEROLAN_CHROMIUM || '/usr/bin/chromium';
  Object.assign(process.env, { FEROLAN_BENCH_GROUP: group.path, FEROLAN_BENCH_BROWSER: browserPath,
    FEROLAN_CHROMIUM: join(dirname(fileURLToPath(import.meta.url)), 'in-memory-group.sh') });
  try {
    const side = await inPage(exportPath, { kindsRun: kinds.slice(0, 1), count: 1, strict: false });
    return { ...side, groupPeakMiB: mib(group.peakBytes()), killed: group.killed() };
  } finally {
    process.env.FEROLAN_CHROMIUM = browserPath;
    await group.remove();
  }
}

const fixed = (value, digits, width) =>
  (value === null ? '-' : value.toFixed(digits)).padStart(width);
const table = [];
const splits = [];
const memory = [];
console.log('export             jad MB  kind     native s   page s  ratio  native MiB  page MiB');
for (const original of exports) {
  const exportPath = join(work, basename(original));
  if (resolve(original) !== resolve(exportPath)) copyFileSync(original, exportPath);
  const megabytes = statSync(exportPath).size / 1e6;
  const pageSide = await inPage(exportPath);
  for (const { name, flag } of kinds) {
    const nativeSide = native(exportPath, flag);
    const pageRun = pageSide.best[name];
    const row = { exportPath, name, nativeSide, pageRun, ratio: pageRun.seconds / nativeSide.best };
    table.push(row);
    console.log(`${basename(exportPath).padEnd(20)} ${fixed(megabytes, 1, 5)}  ${name.padEnd(7)} ` +
      `${fixed(nativeSide.best, 3, 9)} ${fixed(pageRun.seconds, 3, 8)} ${fixed(row.ratio, 1, 6)} ` +
      `${fixed(nativeSide.peakMiB, 1, 11)} ${fixed(pageSide.rendererMiB, 1, 9)}`);
    if (variantOf(exportPath) && pageRun.split) splits.push(row);
  }
  if (variantOf(exportPath)) memory.push({ exportPath, ...pageSide });
}

// Where the best run's time went: the archive read and its XML extracted (the first read of
// the export to its last), the XML converted (to the outcome posted), and the rest (the file
// handed to the worker, the results handed back), beside the program's extraction alone.
console.log('\nwhere the time goes (s; MiB of pieces made into blobs and read back)');
console.log('export             kind     page  archive     xml  rest  reads  blobs made' +
  '    read back  native  extract  rest');
for (const { exportPath, name, nativeSide, pageRun: { seconds: total, split } } of splits) {
  const extract = nativeSide.extractS ?? null;
  const cells = [[total, 2, 6], [split.archiveS, 2, 8], [split.xmlS, 2, 7],
    [total - split.convertedS, 2, 5], [split.exportReadS, 2, 6], [split.blobsMadeMiB, 0, 5],
    [split.blobsMadeS, 2, 5], [split.piecesReadMiB, 0, 6], [split.piecesReadS, 2, 5],
    [nativeSide.best, 2, 7], [extract, 2, 8], [extract && nativeSide.best - extract, 2, 5]];
  console.log(`${basename(exportPath).padEnd(18)} ${name.padEnd(7)} ` +
    cells.map((cell) => fixed(...cell)).join(' '));
}

console.log('\nwhere the memory goes (peaks, MiB)');
console.log('export             renderer  wasm memory  browser');
for (const { exportPath, rendererMiB, wasmMiB, browserMiB } of memory) {
  console.log(`${basename(exportPath).padEnd(18)} ${fixed(rendererMiB, 1, 8)} ` +
    `${fixed(wasmMiB, 1, 12)} ${fixed(browserMiB, 1, 8)}`);
}

const verdict = (passed) => (passed ? 'PASS' : 'FAIL');
console.log('');
for (const variant of ['sparse', 'dense']) {
  const rows = table.filter((row) => variantOf(row.exportPath) === variant);
  if (rows.length === 0) continue;
  const worst = Math.max(...rows.map((row) => row.ratio));
  console.log(`${verdict(worst <= targets.ratio)}  ${variant}: page at most ${targets.ratio}x ` +
    `ferolan-convert's time (worst ${worst.toFixed(2)}x)`);
}
const dense = memory.filter((m) => variantOf(m.exportPath) === 'dense');
for (const { exportPath, rendererMiB } of dense) {
  console.log(`${verdict(rendererMiB < targets.denseRendererMiB)}  ${basename(exportPath)}: ` +
    `renderer peak under ${targets.denseRendererMiB} MiB (${rendererMiB.toFixed(0)} MiB)`);
}

if (large) {
  const exportPath = resolve(large);
  const nativeSide = native(exportPath, '--casimir', 1);
  const side = await inLimitedBrowser(exportPath);
  const run = side.best.casimir;
  const passed = run.status === 'Traitement terminé.';
  console.log(`${verdict(passed)}  ${basename(exportPath)} ` +
    `(${(statSync(exportPath).size / 1e6).toFixed(0)} MB) converted in a browser limited to ` +
    `${mib(largeLimit) / 1024} GiB (memory cgroup): ${passed ? 'done' : run.status} in ` +
    `${run.seconds.toFixed(1)} s (ferolan-convert ${nativeSide.best.toFixed(1)} s, ` +
    `${nativeSide.peakMiB.toFixed(0)} MiB); peaks: group ${side.groupPeakMiB.toFixed(0)} MiB, ` +
    `renderer ${side.rendererMiB.toFixed(0)} MiB, wasm memory ${fixed(side.wasmMiB, 0, 0)} MiB, ` +
    `browser ${side.browserMiB.toFixed(0)} MiB; processes killed for memory: ${side.killed}`);
  if (run.split) {
    const { archiveS, xmlS, blobsMadeMiB, piecesReadMiB } = run.split;
    console.log(`      archive ${archiveS.toFixed(1)} s, xml ${xmlS.toFixed(1)} s, ` +
      `${blobsMadeMiB.toFixed(0)} MiB made into blobs, ${piecesReadMiB.toFixed(0)} MiB read back`);
  }
}
