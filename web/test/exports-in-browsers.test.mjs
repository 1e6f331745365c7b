// The page in headless Chromium and in Firefox, opened from disk: each export of the table,
// chosen with "Parcourir..." and its password typed in the page's box when it asks, ends with
// the messages ferolan-convert shows and offers the very files it writes.
import assert from 'node:assert/strict';
import { rmSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, describe, test } from 'node:test';
import { launchChromium, launchFirefox } from '../tools/browsers.mjs';
import { browserRows, outcomesAgree } from './exports.mjs';
import { pageFolder, temporaryFolder } from './reference.mjs';

const folder = temporaryFolder();
after(() => rmSync(folder, { recursive: true, force: true }));

// Every blob the page offers, by its address, so that the test reads the downloads' bytes.
function keepOfferedBlobs() {
  const create = URL.createObjectURL;
  window.offeredBlobs = new Map();
  URL.createObjectURL = (blob) => {
    const url = create(blob);
    window.offeredBlobs.set(url, blob);
    return url;
  };
}

// Converts the export at `path` in `page`, typing `answers` one at a time as the page asks.
async function convertInPage(page, path, casimir, answers) {
  await page.click(casimir ? '#option1' : '#option2');
  await page.$$eval('#status > *', (areas) => areas.forEach((area) => area.replaceChildren()));
  await (await page.$('#chooser')).uploadFile(path);
  for (const answer of answers) {
    await page.waitForSelector('#password-box[open]');
    await page.$eval('#password', (input, answer) => { input.value = answer; }, answer);
    await page.click(answer ? '#password-box button[value="ok"]' : '#password-box button[value="cancel"]');
  }
  await page.waitForFunction(() => /^(?!.*en cours)./s.test(document.getElementById('status').textContent));
  const messages = await page.$$eval('#status p', (lines) => lines.map((line) => line.textContent));
  const results = await page.$$eval('#results a', (links) => Promise.all(links.map(async (link) => ({
    name: link.download,
    data: [...new Uint8Array(await window.offeredBlobs.get(link.href).arrayBuffer())],
  }))));
  return { messages, results: results.map(({ name, data }) => ({ name, data: Buffer.from(data) })) };
}

const firefox = process.env.FEROLAN_FIREFOX;
for (const [name, launch, skip] of [['Chromium', launchChromium, false],
  ['Firefox', launchFirefox, !firefox || firefox.endsWith('-NOTFOUND') ? 'no Firefox here' : false]]) {
  describe(name, { skip }, () => {
    let browser;
    let page;
    before(async () => {
      browser = await launch(join(folder, `profile-${name}`));
      page = await browser.newPage();
      await page.evaluateOnNewDocument(keepOfferedBlobs);
      await page.goto('file://' + join(pageFolder(), 'ferolan.html'));
      await page.waitForSelector('#help:not([disabled])');
    });
    after(() => browser?.close());

    for (const row of browserRows) {
      test(row.title, async () => {
        const path = join(folder, row.fileName);
        const bytes = row.bytes();
        writeFileSync(path, bytes);
        outcomesAgree(await convertInPage(page, path, row.casimir, row.answers ?? []), row,
          row.casimir, bytes);
      });
    }
  });
}
