// How soon the page is ready once opened from disk in headless Chromium, its main thread made
// six times slower (CDP's CPU throttling): from the navigation to the loading state gone (the
// module's texts shown, "Aide" enabled). Opens each page five times, taking turns when another
// page is given (the landed one, say, measured in the same run), and prints the median of each
// with where its time went: the page parsed, the worker started, its script run up to the
// module's instantiation, the WebAssembly instantiated, the module ready, the page told; then
// the targets, PASS or FAIL: ready within 250 ms, a page of at most 450 KB.
//   node ReadyBench.mjs PAGE [OTHER_PAGE]
import { mkdtempSync, rmSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { launchChromium } from '../../web/tools/browsers.mjs';
import { loadingTimes, probeWorkers } from './WorkerProbe.mjs';

const pages = process.argv.slice(2).map((page) => resolve(page));
const runs = 5;
const throttling = 6;
const targets = { readyMs: 250, pageKB: 450 };

// In the page, before it loads: the time since the navigation when "Aide" is enabled, which the
// page does once the module's texts are in and the loading state gone.
function recordReady() {
  document.addEventListener('DOMContentLoaded', () => {
    const help = document.getElementById('help');
    const seen = () => {
      if (!help.disabled && !document.getElementById('window').classList.contains('loading')) {
        window.readyAt ??= performance.now();
      }
    };
    new MutationObserver(seen).observe(help, { attributes: true });
    seen();
  });
}

// One opening of `page` in a tab of its own: when it was ready, and when each step was done.
async function openOnce(browser, page) {
  const tab = await browser.newPage();
  try {
    await tab.emulateCPUThrottling(throttling);
    await probeWorkers(tab);
    await tab.evaluateOnNewDocument(recordReady);
    await tab.goto('file://' + page);
    await tab.waitForFunction(() => window.readyAt !== undefined, { timeout: 30000 });
    const { readyAt, parsed, origin } = await tab.evaluate(() => ({ readyAt: window.readyAt,
      parsed: performance.getEntriesByType('navigation')[0].domInteractive,
      origin: performance.timeOrigin }));
    const worker = await loadingTimes(tab.workers()[0], origin);
    return { parsed, ...worker, ready: readyAt };
  } finally {
    await tab.close();
  }
}

const steps = [['parsed', 'page parsed'], ['started', 'worker started'],
  ['instantiating', 'script run'], ['instantiated', 'wasm instantiated'],
  ['posted', 'module ready'], ['ready', 'page told']];
const median = (values) => values.slice().sort((a, b) => a - b)[values.length >> 1];

const profile = mkdtempSync(join(tmpdir(), 'ferolan-ready-'));
const browser = await launchChromium(profile);
const times = pages.map(() => []);
try {
  for (let run = 0; run < runs; run++) {
    for (const [index, page] of pages.entries()) times[index].push(await openOnce(browser, page));
  }
} finally {
  await browser.close();
  rmSync(profile, { recursive: true, force: true });
}

console.log(`ready at ${throttling}x CPU throttling, median of ${runs} (ms since the navigation)`);
console.log(`${'page'.padEnd(40)} ${'KB'.padStart(5)} ` +
  steps.map(([, title]) => title.padStart(title.length + 1)).join(''));
const verdict = (passed) => (passed ? 'PASS' : 'FAIL');
const summaries = pages.map((page, index) => {
  const kb = statSync(page).size / 1000;
  const medians = steps.map(([step]) => median(times[index].map((time) => time[step])));
  console.log(`${page.slice(-40).padEnd(40)} ${kb.toFixed(0).padStart(5)} ` +
    steps.map(([, title], at) => medians[at].toFixed(0).padStart(title.length + 1)).join(''));
  return { page, kb, ready: medians.at(-1) };
});
console.log(`  all runs, ready: ${pages.map((page, index) =>
  times[index].map((time) => time.ready.toFixed(0)).join(' ')).join(' | ')}`);
const [{ kb, ready }] = summaries;
console.log(`${verdict(ready <= targets.readyMs)}  ready within ${targets.readyMs} ms ` +
  `(${ready.toFixed(0)} ms)`);
console.log(`${verdict(kb <= targets.pageKB)}  a page of at most ${targets.pageKB} KB ` +
  `(${kb.toFixed(0)} KB)`);
