// The page itself in headless Chromium, opened from disk: converting the example export in both
// kinds, once chosen with "Parcourir..." and once dropped, gives downloads named and made as
// ferolan-convert makes its files; so does an export large enough for the worker to keep its
// files as blobs, with the controls disabled meanwhile; a file that is no archive ends with the
// desktop's error; a worker that dies, or stops answering and is stopped, ends its conversion
// with a message and is replaced; a browser that cannot run the module is told so; an export
// dropped while the module loads converts once it is ready; and nothing is fetched from
// anywhere. Leaves a screenshot of the page beside it.
import assert from 'node:assert/strict';
import { readFileSync, rmSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { launchChromium } from '../tools/browsers.mjs';
import {
  archive, desktopOutcome, exampleExport, exportXml, pageFolder, record, temporaryFolder,
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
  await page.goto('file://' + join(pageFolder(), 'ferolan.html'));
  await page.waitForSelector('#browse:not([disabled])');
});

after(async () => {
  await browser?.close();
  rmSync(folder, { recursive: true, force: true });
});

async function chooseExport(path) {
  const [chooser] = await Promise.all([page.waitForFileChooser(), page.click('#browse')]);
  await chooser.accept([path]);
}

// Drops the file on the page as a user's drag from the desktop would.
async function dropExport(path, on = page) {
  const bytes = [...readFileSync(path)];
  const name = path.split('/').pop();
  await on.evaluate((bytes, name) => {
    const transfer = new DataTransfer();
    transfer.items.add(new File([new Uint8Array(bytes)], name));
    document.getElementById('window').dispatchEvent(
      new DragEvent('drop', { dataTransfer: transfer, bubbles: true, cancelable: true }));
  }, bytes, name);
}

// The messages the conversion of `give`n export ends with.
async function conversionMessages(give) {
  await page.$eval('#status', (status) => status.replaceChildren());
  await give();
  await page.waitForFunction(() => /^(?!.*en cours)./s.test(document.getElementById('status').textContent));
  return page.$$eval('#status p', (lines) => lines.map((line) => line.textContent));
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
    const offered = await page.$$eval('#results a', (links) => links.map((link) => link.download));
    assert.deepEqual(offered, desktop.results.map((file) => file.name));
    await assertDownloads(desktop.results);
    if (kind === 'casimir') await page.screenshot({ path: join(pageFolder(), 'ferolan-page.png') });
  });
}

test('a file that is no archive ends with the error text', async () => {
  const path = join(folder, 'faux.jad');
  writeFileSync(path, 'pas une archive');
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
    await page.click('#stop');
  }),
    ['Le traitement a été arrêté : aucun fichier de résultats n\'a été écrit.']);
  await page.waitForSelector('#browse:not([disabled])');
  assert.deepEqual(await conversionMessages(() => chooseExport(exampleExport())),
    ['Traitement terminé.']);
});

test('the page fetched nothing but itself and its own data', () => {
  assert.deepEqual(requested.filter((url) => !/^(file|data|blob):/.test(url)), []);
});
