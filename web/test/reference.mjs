// What the page's tests share: where the built page and the desktop's converter are, exports
// made for a test, and the desktop's outcome on an export, which the page must match.
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const require = createRequire(import.meta.url);
export const fflate = require('fflate');

function setting(name) {
  const value = process.env[name];
  if (!value) throw new Error(`${name} is not set; ctest sets it (see web/test/CMakeLists.txt)`);
  return value;
}
export const pageFolder = () => setting('FEROLAN_PAGE_FOLDER');
export const exampleExport = () => setting('FEROLAN_EXAMPLE_EXPORT');
export const kinds = [{ name: 'casimir', casimir: true }, { name: 'txt', casimir: false }];

export function temporaryFolder() {
  return mkdtempSync(join(tmpdir(), 'ferolan-page-'));
}

// One pupil record and a whole export, as the exporting program writes them; bytes are latin1.
export const record = (pupil, protocol, codes) =>
  `  <MELEVE>\r\n    <MELEVE_MID>${pupil}</MELEVE_MID>\r\n    <MPROTOCOLE_MNOM>${protocol}` +
  `</MPROTOCOLE_MNOM>\r\n    <MCODES>${codes}</MCODES>\r\n  </MELEVE>\r\n`;
export const exportXml = (body) =>
  '<?xml version="1.0" encoding="ISO-8859-1"?>\r\n<JADE_EXPORTATION>\r\n' + body +
  '</JADE_EXPORTATION>\r\n';
export const archive = (members) => fflate.zipSync(Object.fromEntries(
  Object.entries(members).map(([name, text]) => [name, Buffer.from(text, 'latin1')])));

// What ferolan-convert shows and writes for the export `fileName` holding `bytes`: the messages,
// without the folder it ran in nor the archive library's own report, which the page words in
// its own reader's terms; and the files it wrote beside the export, by name.
export function desktopOutcome(fileName, bytes, casimir) {
  const folder = temporaryFolder();
  try {
    writeFileSync(join(folder, fileName), bytes);
    let stdout;
    try {
      stdout = execFileSync(setting('FEROLAN_CONVERT'),
        [casimir ? '--casimir' : '--txt', join(folder, fileName)], { encoding: 'utf8' });
    } catch (failure) {
      stdout = failure.stdout;
    }
    const results = readdirSync(folder).filter((name) => name !== fileName).sort()
      .map((name) => ({ name, data: readFileSync(join(folder, name)) }));
    return { messages: shownMessages(stdout.split(folder + '/').join('').split('\n')), results };
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

// Messages break lines with a CR, which the console prints as line breaks.
export const shownMessages = (lines) => lines.flatMap((line) => line.split('\r'))
  .filter((line) => line !== '' && !line.startsWith('erreur : '));
