// The page's module under node: every export, hostile ones first among them, converted through
// the page's request, shows every message ferolan-convert shows, in order, and yields the very
// bytes and names it writes.
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { before, test } from 'node:test';
import { cases, outcomesAgree } from './exports.mjs';
import { archive, exportXml, kinds, loadModule, record } from './reference.mjs';

const require = createRequire(import.meta.url);
const { convertExport, placeBytes } = require('../page/conversion.js');

let ferolan;
before(async () => {
  ferolan = await loadModule();
});

// The page's outcome once the teacher has given `answers` one at a time, each when asked: a run
// that asks writes nothing, and the next one runs with its answer.
function pageOutcome(fileName, exportBytes, casimir, answers) {
  for (let given = 0; ; given++) {
    const outcome = convertExport(ferolan, fileName, placeBytes(new Uint8Array(exportBytes)),
      casimir, answers.slice(0, given));
    if (!outcome.question) {
      assert.equal(given, answers.length, 'fewer questions than answers');
      return outcome;
    }
    assert.ok(given < answers.length, `an unexpected question: ${outcome.question.prompt}`);
    assert.ok(outcome.question.prompt && outcome.question.title);
    assert.deepEqual(outcome.results, []);
  }
}

for (const row of cases) {
  for (const { name, casimir } of kinds) {
    test(`${row.title} (${name})`, () => {
      const exportBytes = row.bytes();
      outcomesAgree(pageOutcome(row.fileName, exportBytes, casimir, row.answers ?? []), row,
        casimir, exportBytes);
    });
  }
}

test('the module keeps no file of a conversion', () => {
  convertExport(ferolan, 'classe.jad', placeBytes(archive({ 'classe.xml': exportXml(record('A--B (1)', 'FRACE2-2005', '1')) })), true);
  const cache = ferolan.FS.lookupPath('/home/web_user/.cache/ferolan').node;
  const left = ['/export', '/home/web_user/.cache/ferolan'].flatMap((folder) =>
    ferolan.FS.readdir(folder).filter((name) => name !== '.' && name !== '..' && !/lock/.test(name)));
  assert.ok(cache);
  assert.deepEqual(left, []);
});
