// Converts each export, in each kind, three times in the page (chosen with "Parcourir..." in
// headless Chromium, timed until "Traitement terminé.") and three times with ferolan-convert,
// and prints the best times, their ratio and the peak resident memory of each side.
//   node PageBench.mjs PAGE CONVERT WORK_FOLDER EXPORT...
import { execFileSync, spawnSync } from 'node:child_process';
import { copyFileSync, mkdtempSync, readFileSync, readdirSync, statSync } from 'node:fs';
import { basename, join, resolve } from 'node:path';
import { launchChromium } from '../../web/tools/browsers.mjs';

const [page, convert, work, ...exports] = process.argv.slice(2);
const kinds = [{ name: 'casimir', option: '#option1', flag: '--casimir' },
  { name: 'txt', option: '#option2', flag: '--txt' }];
const runs = 3;

const seconds = (start) => Number(process.hrtime.bigint() - start) / 1e9;

// Best wall time of ferolan-convert on the export, and its peak resident memory in MiB.
function native(exportPath, flag) {
  let best = Infinity;
  for (let i = 0; i < runs; i++) {
    const start = process.hrtime.bigint();
    execFileSync(convert, [flag, exportPath]);
    best = Math.min(best, seconds(start));
  }
  const { stderr } = spawnSync('/usr/bin/time', ['-f', '%M', convert, flag, exportPath],
    { encoding: 'utf8' });
  return { best, peakMiB: Number(stderr.trim().split('\n').pop()) / 1024 };
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

// Best times of the page for each kind, and its renderer's peak resident memory, in a browser
// of its own so that the peak is this export's.
async function inPage(exportPath) {
  const browser = await launchChromium(mkdtempSync(join(work, 'profile-')));
  try {
    const tab = await browser.newPage();
    await tab.goto('file://' + resolve(page));
    await tab.waitForSelector('#browse:not([disabled])');
    const best = {};
    for (const { name, option } of kinds) {
      await tab.click(option);
      best[name] = Infinity;
      for (let i = 0; i < runs; i++) {
        await tab.$eval('#status', (status) => status.replaceChildren());
        const [chooser] = await Promise.all([tab.waitForFileChooser(), tab.click('#browse')]);
        const start = process.hrtime.bigint();
        await chooser.accept([exportPath]);
        await tab.waitForFunction(() => /^(?!.*en cours)./s.test(
          document.getElementById('status').textContent), { polling: 'mutation', timeout: 0 });
        best[name] = Math.min(best[name], seconds(start));
        const status = await tab.$eval('#status', (s) => s.textContent);
        if (status !== 'Traitement terminé.') throw new Error(`${exportPath}: ${status}`);
      }
    }
    const peakMiB = Math.max(...rendererPids(browser.process().pid).map(peakResidentMiB));
    return { best, peakMiB };
  } finally {
    await browser.close();
  }
}

console.log('export             jad MB  kind     native s   page s  ratio  native MiB  page MiB');
for (const original of exports) {
  const exportPath = join(work, basename(original));
  if (resolve(original) !== resolve(exportPath)) copyFileSync(original, exportPath);
  const megabytes = statSync(exportPath).size / 1e6;
  const pageSide = await inPage(exportPath);
  for (const { name, flag } of kinds) {
    const nativeSide = native(exportPath, flag);
    const pageSeconds = pageSide.best[name];
    console.log(`${basename(exportPath).padEnd(20)} ${megabytes.toFixed(1).padStart(5)}  ` +
      `${name.padEnd(7)} ${nativeSide.best.toFixed(3).padStart(9)} ${pageSeconds.toFixed(3).padStart(8)} ` +
      `${(pageSeconds / nativeSide.best).toFixed(1).padStart(6)} ${nativeSide.peakMiB.toFixed(1).padStart(11)} ` +
      `${pageSide.peakMiB.toFixed(1).padStart(9)}`);
  }
}
