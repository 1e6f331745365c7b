// The page's module under node: every export, converted through the page's request, shows the
// desktop's messages and yields the very bytes and names ferolan-convert writes.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { before, test } from 'node:test';
import {
  archive, desktopOutcome, exampleExport, exportXml, fflate, kinds, pageFolder, record,
  shownMessages,
} from './reference.mjs';

const require = createRequire(import.meta.url);
const { convertExport } = require('../page/request.js');
const french = 'FRACE2-2005';
const maths = 'MATCE2-2005';
const martin = record('MARTIN--Paul (1)', french, '1190') + record('MARTIN--Paul (1)', maths, '901');

// The archive with its names marked as in no declared encoding, as older programs write them.
function withoutUtf8Flag(zip) {
  const bytes = Uint8Array.from(zip);
  const view = new DataView(bytes.buffer);
  for (let at = 0; at + 10 <= bytes.length; at++) {
    const flags = { 0x04034b50: at + 6, 0x02014b50: at + 8 }[view.getUint32(at, true)];
    if (flags) view.setUint16(flags, view.getUint16(flags, true) & ~0x800, true);
  }
  return bytes;
}

const cases = [
  { title: 'the example export', fileName: 'CE2-A.jad', bytes: () => readFileSync(exampleExport()) },
  { title: 'French and maths records', fileName: 'classe.jad',
    bytes: () => archive({ 'classe.xml': exportXml(martin) }) },
  { title: 'names in UTF-8 and in Windows-1252 pass as bytes', fileName: 'accents.jad',
    bytes: () => archive({ 'accents.xml': exportXml(record('L\xc3\x89VY--Zo\xc3\xa9 (1)', french, '1') +
      record('L\xc9VY--Zo\xe9 (2)', maths, '2')) }) },
  { title: 'more than 99 records', fileName: 'grand.jad',
    bytes: () => archive({ 'grand.xml': exportXml(Array.from({ length: 130 },
      (_, i) => record(`ELEVE${i}--P (1)`, i % 3 ? french : maths, '12')).join('')) }) },
  { title: 'values astride the read buffer', fileName: 'long.jad',
    bytes: () => archive({ 'long.xml': exportXml(' '.repeat(256 * 1024 - 70) +
      record('A--B (1)', french, '4'.repeat(256 * 1024)) + record('C--D (2)', maths, '5')) }) },
  { title: 'a line break inside the codes', fileName: 'coupure.jad',
    bytes: () => archive({ 'coupure.xml': exportXml(record('A--B (1)', french, '1\r\n2')) }) },
  { title: 'an export cut short', fileName: 'court.jad',
    bytes: () => archive({ 'court.xml': exportXml(martin).slice(0, -30) }) },
  { title: 'the base name is cut at the first of its last four characters', fileName: 'x.jad.jad',
    bytes: () => archive({ 'x.xml': exportXml(martin) }) },
  { title: 'an accented name, marked as UTF-8', fileName: 'Évaluation.jad',
    bytes: () => archive({ 'Évaluation.xml': exportXml(martin) }) },
  { title: 'an accented name in UTF-8, unmarked', fileName: 'Évaluation.jad',
    bytes: () => withoutUtf8Flag(archive({ 'Évaluation.xml': exportXml(martin) })) },
  { title: 'a member in a folder of the archive is not the export', fileName: 'classe.jad',
    bytes: () => archive({ 'classe/classe.xml': exportXml(martin) }) },
  { title: 'an archive without the member named after the export', fileName: 'classe.jad',
    bytes: () => archive({ 'autre.xml': exportXml(martin) }) },
  { title: 'an empty member', fileName: 'vide.jad', bytes: () => archive({ 'vide.xml': '' }) },
  { title: 'a file that is no archive', fileName: 'faux.jad',
    bytes: () => Buffer.from('<JADE_EXPORTATION></JADE_EXPORTATION>') },
];

let ferolan;
before(async () => {
  ferolan = await require(join(pageFolder(), 'ferolan.js'))();
});

for (const { title, fileName, bytes } of cases) {
  for (const { name, casimir } of kinds) {
    test(`${title} (${name})`, () => {
      const exportBytes = bytes();
      const desktop = desktopOutcome(fileName, exportBytes, casimir);
      const page = convertExport(ferolan, fflate, fileName, new Uint8Array(exportBytes), casimir);
      assert.deepEqual(shownMessages(page.messages), desktop.messages);
      assert.deepEqual(page.results.map((file) => file.name), desktop.results.map((file) => file.name));
      page.results.forEach((file, i) => assert.ok(
        Buffer.from(file.data).equals(desktop.results[i].data), `${file.name} differs`));
    });
  }
}

test('the module keeps no file of a conversion', () => {
  convertExport(ferolan, fflate, 'classe.jad', archive({ 'classe.xml': exportXml(martin) }), true);
  const left = ['/work', '/results'].flatMap((folder) =>
    ferolan.FS.readdir(folder).filter((name) => name !== '.' && name !== '..'));
  assert.deepEqual(left, []);
});
