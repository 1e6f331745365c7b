// The page itself in headless Chromium, opened from disk: converting the example export in both
// kinds, once chosen with "Parcourir..." and once dropped, gives downloads named and made as
// ferolan-convert makes its files, each saying what it holds, and the focus on the first; so
// does an export large enough for the worker to keep its files as blobs, with the controls
// disabled meanwhile; a file that is no archive ends with the desktop's error; exports dropped
// together, a folder among them, are converted one after the other; a worker that dies, or stops
// answering and is stopped, ends its conversion with a message and is replaced; a browser that
// cannot run the module, or a module that never gets ready, is told so; an export dropped while
// the module loads converts once it is ready; the page passes axe's checks in each of its
// states, and a finger finds every target large enough; and nothing is fetched from anywhere.
// Leaves a screenshot of the page beside it.
import assert from 'node:assert/strict';
import { readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { basename, join } from 'node:path';
import { after, before, test } from 'node:test';
import { launchChromium } from '../tools/browsers.mjs';
import {
  archive, desktopOutcome, encryptedArchive, exampleExport, exportXml, pageFolder, record,
  temporaryFolder,
} from './reference.mjs';

const folder = temporaryFolder();
const downloadFolder = join(folder, 'downloads');
const requested = [];
// The downloads under way, by file name: a download is read once Chromium reports its end, not
// as soon as a file of its name is seen in the folder.
const downloadNames = new Map();
const downloadsEnding = new Map();
let browser;
let page;

before(async () => {
  browser = await launchChromium(join(folder, 'profile'));
  page = await browser.newPage();
  page.on('request', (request) => requested.push(request.url()));
  const session = await browser.target().createCDPSession();
  session.on('Browser.downloadWillBegin', ({ guid, suggestedFilename }) =>
    downloadNames.set(guid, suggestedFilename));
  session.on('Browser.downloadProgress', ({ guid, state }) => {
    if (state !== 'inProgress') downloadsEnding.get(downloadNames.get(guid))?.();
  });
  await session.send('Browser.setDownloadBehavior',
    { behavior: 'allow', downloadPath: downloadFolder, eventsEnabled: true });
  await page.setViewport({ width: 640, height: 600 });
  await openPage(page);
});

after(async () => {
  await browser?.close();
  rmSync(folder, { recursive: true, force: true });
});

async function chooseExport(path) {
  const [chooser] = await Promise.all([page.waitForFileChooser(), page.click('#browse')]);
  await chooser.accept([path]);
}

// Drops files on the page as a user's drag from the desktop would: `dropped` lists
// { name, bytes, folder }, a folder told apart by its entry only, as a drag tells it.
async function drop(dropped, on = page) {
  await on.evaluate((dropped) => {
    const transfer = new DataTransfer();
    for (const { name, bytes } of dropped) transfer.items.add(new File([new Uint8Array(bytes)], name));
    const folders = new Set(dropped.filter(({ folder }) => folder).map(({ name }) => name));
    const entry = Object.getOwnPropertyDescriptor(DataTransferItem.prototype, 'webkitGetAsEntry');
    DataTransferItem.prototype.webkitGetAsEntry = function () {
      return { isDirectory: folders.has(this.getAsFile().name) };
    };
    document.getElementById('window').dispatchEvent(
      new DragEvent('drop', { dataTransfer: transfer, bubbles: true, cancelable: true }));
    Object.defineProperty(DataTransferItem.prototype, 'webkitGetAsEntry', entry);
  }, dropped);
}
const dropExport = (path, on) => drop([{ name: basename(path), bytes: [...readFileSync(path)] }], on);

// The messages the conversion of `give`n export ends with.
async function conversionMessages(give, on = page) {
  await on.$$eval('#status > *', (areas) => areas.forEach((area) => area.replaceChildren()));
  await give();
  await on.waitForFunction(() => /^(?!.*en cours)./s.test(document.getElementById('status').textContent));
  return on.$$eval('#status p', (lines) => lines.map((line) => line.textContent));
}

async function download(name) {
  const ended = new Promise((resolve, reject) => {
    downloadsEnding.set(name, resolve);
    setTimeout(() => reject(new Error(`${name} was not downloaded`)), 30000).unref();
  });
  await page.click(`#results a[download="${name}"]`);
  await ended;
  return readFileSync(join(downloadFolder, name));
}

// Downloads each of the program's `results` from the page and compares the bytes.
async function assertDownloads(results) {
  for (const { name, data } of results) {
    const got = await download(name);
    assert.ok(got.equals(data), `${name} differs: ${got.length} bytes, ${data.length} expected`);
  }
}

for (const { kind, option, give } of [
  { kind: 'casimir', option: '#option1', give: chooseExport },
  { kind: 'txt', option: '#option2', give: dropExport },
]) {
  test(`the example export as ${kind} files, ${give === chooseExport ? 'chosen' : 'dropped'}`, async () => {
    const desktop = desktopOutcome('CE2-A.jad', readFileSync(exampleExport()), kind === 'casimir');
    await page.click(option);
    assert.deepEqual(await conversionMessages(() => give(exampleExport())), ['Traitement terminé.']);
    const offered = await page.$$eval('#results a', (links) =>
      links.map((link) => [link.download, link.textContent, link === document.activeElement]));
    assert.deepEqual(offered, desktop.results.map(({ name }, i) =>
      [name, `${name} (résultats de ${i === 0 ? 'français' : 'mathématiques'})`, i === 0]));
    await assertDownloads(desktop.results);
    if (kind === 'casimir') await page.screenshot({ path: join(pageFolder(), 'ferolan-page.png') });
  });
}

function notAnArchive() {
  const path = join(folder, 'faux.jad');
  writeFileSync(path, 'pas une archive');
  return path;
}

test('a file that is no archive ends with the error text', async () => {
  const path = notAnArchive();
  const messages = await conversionMessages(() => chooseExport(path));
  assert.equal(messages.at(-1), 'Error: Fichier introuvable : faux.xml');
  assert.equal(await page.$eval('#downloads', (section) => section.hidden), true);
});

test('an export of 57 MB of XML, its files kept partly as blobs, with the controls disabled', async () => {
  const path = join(folder, 'grand.jad');
  const pupils = Array.from({ length: 120000 }, (_, i) =>
    record(`ELEVE${i}--Prénom (${i % 9})`, i % 2 ? 'FRACE2-2005' : 'MATCE2-2005', '1290'.repeat(80)));
  writeFileSync(path, archive({ 'grand.xml': exportXml(pupils.join('')) }));
  const desktop = desktopOutcome('grand.jad', readFileSync(path), false);
  // Counts the blobs made of a piece of 4 MiB.
  const [worker] = page.workers();
  await worker.evaluate(() => {
    self.piecesMade = 0;
    self.Blob = new Proxy(Blob, { construct(made, [parts, ...rest]) {
      if (parts[0]?.length === 4 << 20) self.piecesMade++;
      return new made(parts, ...rest);
    } });
  });
  await page.click('#option2');
  const disabled = () => page.$$eval('#browse, input[name="kind"]',
    (controls) => controls.map((control) => control.disabled));
  const messages = await conversionMessages(async () => {
    await chooseExport(path);
    await page.waitForFunction(() => document.getElementById('browse').disabled);
    assert.deepEqual(await disabled(), [true, true, true]);
  });
  assert.deepEqual(messages, desktop.messages);
  assert.deepEqual(await disabled(), [false, false, false]);
  assert.ok(await worker.evaluate(() => self.piecesMade) >= 5, 'the XML was not kept as blobs');
  await assertDownloads(desktop.results);
});

test('exports dropped together, a folder among them, are converted one after the other', async () => {
  const other = [...archive({ 'CE2-B.xml': exportXml(record('ELEVE1--Prénom (1)', 'FRACE2-2005', '1290')) })];
  await page.click('#option2');
  const messages = await conversionMessages(async () => {
    await drop([{ name: 'CE2-A.jad', bytes: [...readFileSync(exampleExport())] },
      { name: 'classe', bytes: [], folder: true }, { name: 'CE2-B.jad', bytes: other }]);
    await page.waitForSelector('#browse:not([disabled])');
  });
  assert.deepEqual(messages, ['CE2-A.jad :', 'Traitement terminé.', 'CE2-B.jad :',
    'Traitement terminé.', 'classe :', "Error: impossible d'ouvrir le fichier classe"]);
  assert.deepEqual(await page.$$eval('#alarm p', (lines) => lines.length), 2);
  assert.deepEqual(await page.$$eval('#results a', (links) => links.map((link) => link.download)),
    ['CE2-AFR.txt', 'CE2-AMATHS.txt', 'CE2-BFR.txt', 'CE2-BMATHS.txt']);
});

test('a worker that dies ends its conversion with a message, and the next one works', async () => {
  const [worker] = page.workers();
  await worker.evaluate(() => { self.onmessage = () => { throw new Error('simulated'); }; });
  const stopped = await conversionMessages(() => chooseExport(exampleExport()));
  assert.match(stopped.join(), /^Error: le traitement s'est arrêté/);
  assert.equal(await page.$eval('#browse', (browse) => browse.disabled), false);
  assert.deepEqual(await conversionMessages(() => chooseExport(exampleExport())),
    ['Traitement terminé.']);
});

// Opens the page anew, the worker's script preceded by `prelude`, which plays a browser or a
// machine the usual page never meets.
async function pageWithWorkerPrelude(prelude) {
  const other = await browser.newPage();
  await other.evaluateOnNewDocument((prelude) => {
    window.Blob = new Proxy(Blob, { construct(made, [parts, options]) {
      const script = options?.type === 'text/javascript';
      return new made(script ? [prelude, ...parts] : parts, options);
    } });
  }, prelude);
  await other.goto('file://' + join(pageFolder(), 'ferolan.html'));
  return other;
}

const statusText = (somePage) => somePage.$eval('#status', (status) => status.textContent);

test('a browser that cannot run the module is told so in French', async () => {
  const other = await pageWithWorkerPrelude(
    'WebAssembly.instantiate = () => Promise.reject(new WebAssembly.CompileError("simulated"));');
  try {
    await other.waitForFunction(() => /navigateur/.test(document.getElementById('status').textContent));
    assert.match(await statusText(other), /^Ce navigateur ne peut pas faire fonctionner le convertisseur/);
    assert.equal(await other.$eval('#browse', (browse) => browse.disabled), true);
  } finally {
    await other.close();
  }
});

test('an export dropped while the module loads is converted once it is ready', async () => {
  const other = await pageWithWorkerPrelude(`{
    const post = postMessage;
    self.postMessage = (message) => setTimeout(() => post(message), message.type === 'ready' ? 1500 : 0);
  }`);
  try {
    assert.equal(await statusText(other), 'Chargement…');
    await dropExport(exampleExport(), other);
    await other.waitForFunction(() => /terminé/.test(document.getElementById('status').textContent));
    assert.equal(await other.$$eval('#results a', (links) => links.length), 2);
  } finally {
    await other.close();
  }
});

test('a conversion that no longer answers is stopped from the page, and the next one works', async () => {
  const [worker] = page.workers();
  await worker.evaluate(() => { self.onmessage = () => { for (;;); }; });
  assert.deepEqual(await conversionMessages(async () => {
    await chooseExport(exampleExport());
    await page.waitForSelector('#stop', { visible: true });
    assert.equal(await page.evaluate(() => document.activeElement.id), 'stop');
    await page.click('#stop');
  }),
    ['Le traitement a été arrêté : aucun fichier de résultats n\'a été écrit.']);
  assert.equal(await page.evaluate(() => document.activeElement.id), 'status');
  await page.waitForSelector('#browse:not([disabled])');
  assert.deepEqual(await conversionMessages(() => chooseExport(exampleExport())),
    ['Traitement terminé.']);
});

async function openPage(other) {
  await other.goto('file://' + join(pageFolder(), 'ferolan.html'));
  await other.waitForSelector('#browse:not([disabled])');
}
const upload = async (other, path) => (await other.$('#chooser')).uploadFile(path);
const convertIn = (other, path) => conversionMessages(() => upload(other, path), other);

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

test('the page passes axe when idle, asking a password, done, failed and busy', async () => {
  const other = await browser.newPage();
  const faults = {};
  const check = async (state) => {
    faults[state] = await other.evaluate(async () => (await axe.run()).violations.map(
      ({ id, nodes }) => `${id}: ${nodes.map(({ target }) => target).join(', ')}`));
  };
  try {
    await openPage(other);
    await other.evaluate(axeSource);
    await check('idle');
    const secret = join(folder, 'secret.jad');
    writeFileSync(secret, encryptedArchive('secret.xml', exportXml(''), 'zipcrypt', 'sésame'));
    const asked = convertIn(other, secret);
    await other.waitForSelector('#password-box[open]');
    await check('password');
    await other.click('#password-box button[value="cancel"]');
    await asked;
    await convertIn(other, exampleExport());
    await check('done');
    await convertIn(other, notAnArchive());
    await check('failed');
    await other.workers()[0].evaluate(() => { self.onmessage = () => { for (;;); }; });
    await upload(other, exampleExport());
    await other.waitForSelector('#stop', { visible: true });
    await check('busy');
  } finally {
    await other.close();
  }
  assert.deepEqual(faults, { idle: [], password: [], done: [], failed: [], busy: [] });
});

test('on a touch screen, every target is 44 px square at least, nothing overflows and no drop box shows', async () => {
  const other = await browser.newPage();
  try {
    await other.setViewport({ width: 360, height: 740, hasTouch: true, isMobile: true });
    await openPage(other);
    await convertIn(other, exampleExport());
    await other.$$eval('dialog', (boxes) => boxes.forEach((box) => box.showModal()));
    const small = await other.$$eval('button, a[href], input:not([type="file"])', (targets) => targets
      .filter((target) => target.checkVisibility())
      .map((target) => {
        const { width, height } = (target.type === 'radio' ? target.closest('label') : target)
          .getBoundingClientRect();
        return { target: target.id || target.textContent, width, height };
      })
      .filter(({ width, height }) => width < 44 || height < 44));
    assert.deepEqual(small, []);
    assert.equal(await other.evaluate(() => document.documentElement.scrollWidth), 360);
    assert.equal(await other.$eval('#drop-hint', (box) => box.checkVisibility()), false);
  } finally {
    await other.close();
  }
});

test('the page fetched nothing but itself and its own data', () => {
  assert.deepEqual(requested.filter((url) => !/^(file|data|blob):/.test(url)), []);
});

test('a module that never gets ready is given up after its time limit, in French', async () => {
  const other = await pageWithWorkerPrelude('self.postMessage = () => {};');
  try {
    await other.waitForFunction(
      () => /démarrer/.test(document.getElementById('status').textContent), { timeout: 30000 });
    assert.match(await statusText(other), /^Le convertisseur n'a pas pu démarrer\. Rechargez/);
    assert.equal(await other.$eval('#window', (area) => area.classList.contains('loading')), false);
    assert.equal(await other.$eval('#browse', (browse) => browse.disabled), true);
  } finally {
    await other.close();
  }
});
