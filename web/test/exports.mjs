// The exports the page's tests convert, ordinary and hostile, and the check of the page's outcome
// against ferolan-convert's: every message, in order, and the very bytes and names it writes.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import {
  archive, bzip2Archive, deflate64Fixed, desktopOutcome, encryptedArchive, exampleExport,
  exportXml, kinds, record, shownMessages, zipArchive,
} from './reference.mjs';

const french = 'FRACE2-2005';
const maths = 'MATCE2-2005';
const martin = record('MARTIN--Paul (1)', french, '1190') + record('MARTIN--Paul (1)', maths, '901');
const classe = exportXml(martin);
const GiB = 2 ** 30;
// One member named `name` holding the class's export, with what it lies about.
const one = (name, lies = {}) => () => zipArchive([{ name, text: classe, deflate: true, ...lies }]);
const withCrc = (lies) => ({ ...lies, crc: 0x1234567 });
// The records three times, Deflate64 copying the spaces between them with length code 285 and
// the records themselves from 40 and 50 KB back, with distance codes 30 and 31.
const [head, tail] = exportXml('\0').split('\0');
const far = [head + martin + ' ', { length: 39999, distance: 1 },
  { length: martin.length, distance: martin.length + 40000 },
  { length: 10000, distance: martin.length + 40000 },
  { length: martin.length, distance: 2 * martin.length + 50000 }, tail];
const farText = head + martin + ' '.repeat(40000) + martin + ' '.repeat(10000) + martin + tail;
// The member encrypted under "sésame". The page is given `answers` as it asks for them;
// ferolan-convert, which asks nobody, converts what `desktop` says instead: the member
// unencrypted, as the right password gives it, or the member as it is, then a password that
// was given but not the right one.
const secret = (encryption, refused) => () =>
  encryptedArchive('classe.xml', classe, encryption, 'sésame', refused);
const unencrypted = { bytes: one('classe.xml') };
const wrongPassword = {
  says: (line) => line.replace('aucun mot de passe donné', 'mot de passe incorrect'),
};

export const cases = [
  { title: 'the example export', inBrowsers: true, fileName: 'CE2-A.jad', bytes: () => readFileSync(exampleExport()) },
  { title: 'French and maths records', fileName: 'classe.jad', bytes: one('classe.xml') },
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
    bytes: () => archive({ 'court.xml': classe.slice(0, -30) }) },
  { title: 'an export cut short in a value longer than the files\' buffers', fileName: 'court.jad',
    bytes: () => archive({ 'court.xml':
      exportXml(record('A--B (1)', french, '4'.repeat(300 * 1024))).slice(0, 200 * 1024) }) },
  { title: 'the base name is cut at the first of its last four characters', fileName: 'x.jad.jad',
    bytes: one('x.xml') },
  { title: 'an accented name in UTF-8, flagged', fileName: 'Élève.jad', bytes: one('Élève.xml') },
  { title: 'an accented name in UTF-8, unflagged', fileName: 'Élève.jad',
    bytes: one(Buffer.from('Élève.xml')) },
  { title: 'an accented name in cp850, unflagged', fileName: 'Élève.jad',
    bytes: one(Buffer.from('\x90l\x8ave.xml', 'latin1')) },
  { title: 'an accented name in cp1252, unflagged', fileName: 'Élève.jad',
    bytes: one(Buffer.from('\xc9l\xe8ve.xml', 'latin1')) },
  { title: 'a member named after the export but for letter case', fileName: 'Élève.jad',
    bytes: one('éLÈVE.XML') },
  { title: 'a member in a folder of the archive is not the export', fileName: 'classe.jad',
    bytes: one('classe/classe.xml') },
  { title: 'a member named from above the folder', fileName: 'classe.jad', bytes: one('../classe.xml') },
  { title: 'the last of two members for the export counts', fileName: 'classe.jad',
    bytes: () => zipArchive([{ name: './classe.xml', text: exportXml(record('A--B (1)', french, '7')) },
      { name: 'classe.xml', text: classe }]) },
  { title: 'an archive without the member named after the export', fileName: 'classe.jad',
    bytes: one('autre.xml') },
  { title: 'an empty member', fileName: 'vide.jad', bytes: () => archive({ 'vide.xml': '' }) },
  { title: 'a member compressed with Deflate64', fileName: 'classe.jad',
    bytes: () => zipArchive([{ name: 'classe.xml', text: farText, deflate64: deflate64Fixed(far) }]) },
  { title: 'a wrong CRC-32, stored', fileName: 'classe.jad', bytes: one('classe.xml', withCrc({ deflate: false })) },
  { title: 'a wrong CRC-32, deflated', fileName: 'classe.jad', bytes: one('classe.xml', withCrc({})) },
  { title: 'an encrypted member', fileName: 'classe.jad', bytes: one('classe.xml', { flags: 1 }),
    answers: [''] },
  { title: 'a member that is a link', fileName: 'classe.jad',
    bytes: () => zipArchive([{ name: 'classe.xml', text: '/etc/passwd', mode: 0o120777 }]) },
  { title: 'a member that declares 4 GiB - 2 bytes', fileName: 'classe.jad',
    bytes: one('classe.xml', { size: 4 * GiB - 2 }) },
  { title: 'a bomb that declares 3 GiB', fileName: 'classe.jad',
    bytes: () => zipArchive([{ name: 'classe.xml', text: '\0'.repeat(1 << 20), deflate: true,
      size: 3 * GiB }]) },
  { title: 'members sharing one piece of data, more than 2 GiB - 1 in all', fileName: 'classe.jad',
    bytes: () => zipArchive([{ name: 'classe.xml', text: classe },
      { name: 'copie0.xml', text: '\0'.repeat(1 << 20), deflate: true, size: 2 * GiB - 1 },
      ...Array.from({ length: 30 }, (_, i) => ({ name: `copie${i + 1}.xml`, sharesDataOf: 1 }))]) },
  { title: 'a size that lies', fileName: 'classe.jad', bytes: one('classe.xml', { size: 100 }) },
  { title: 'a hidden export', fileName: '.classe.jad', bytes: one('.classe.xml') },
  { title: 'an export named only by its extension', fileName: '..jad', bytes: one('..xml') },
  { title: 'an archive cut short', inBrowsers: true, fileName: 'classe.jad',
    bytes: () => { const whole = one('classe.xml')(); return whole.subarray(0, whole.length / 2); } },
  { title: 'a file that is no archive', fileName: 'faux.jad',
    bytes: () => Buffer.from('<JADE_EXPORTATION></JADE_EXPORTATION>') },
  { title: 'a member that declares 2 GiB - 1 bytes', fileName: 'classe.jad',
    bytes: one('classe.xml', { size: 2 * GiB - 1 }) },
  { title: 'a member 3000 folders deep', fileName: 'classe.jad',
    bytes: one('a/'.repeat(3000) + 'classe.xml') },
  { title: 'a member compressed with bzip2', inBrowsers: true, fileName: 'classe.jad',
    bytes: () => bzip2Archive('classe.xml', classe) },
  { title: 'an AES member, no password given', inBrowsers: true, fileName: 'classe.jad', bytes: secret('aes256'),
    answers: [''] },
  { title: 'an AES member, the right password', fileName: 'classe.jad', bytes: secret('aes256'),
    answers: ['sésame'], desktop: unencrypted },
  { title: 'a traditionally encrypted member, no password given', inBrowsers: true, fileName: 'classe.jad',
    bytes: secret('zipcrypt'), answers: [''] },
  { title: 'a traditionally encrypted member, the right password', inBrowsers: true, fileName: 'classe.jad',
    bytes: secret('zipcrypt'), answers: ['sésame'], desktop: unencrypted },
  { title: 'a traditionally encrypted member, a wrong password', inBrowsers: true, fileName: 'classe.jad',
    bytes: secret('zipcrypt', 'faux'), answers: ['faux'], desktop: wrongPassword },
];

// The rows the page is tried on in every browser: the example in both kinds, the others as
// casimir files.
export const browserRows = cases.filter((row) => row.inBrowsers).flatMap((row) =>
  kinds.filter(({ casimir }) => casimir || row.title === cases[0].title)
    .map(({ name, casimir }) => ({ ...row, title: `${row.title} (${name})`, casimir })));

// Checks the page's `outcome` ({ messages, results: [{ name, data }] }) of the export `bytes`
// of `row` against what ferolan-convert shows and writes.
export function outcomesAgree(outcome, { fileName, desktop: instead = {} }, casimir, bytes) {
  const desktop = desktopOutcome(fileName, instead.bytes?.() ?? bytes, casimir);
  const says = instead.says ?? ((line) => line);
  assert.deepEqual(shownMessages(outcome.messages.join('\n')), desktop.messages.map(says));
  assert.deepEqual(outcome.results.map((file) => file.name), desktop.results.map((file) => file.name));
  outcome.results.forEach((file, i) => assert.ok(
    Buffer.from(file.data).equals(desktop.results[i].data), `${file.name} differs`));
}
