// What the page's tests share: where the built page and the desktop's converter are, exports
// made for a test, and the desktop's outcome on an export, which the page must match.
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { deflateRawSync } from 'node:zlib';

function setting(name) {
  const value = process.env[name];
  if (!value) throw new Error(`${name} is not set; ctest sets it (see web/test/CMakeLists.txt)`);
  return value;
}
export const pageFolder = () => setting('FEROLAN_PAGE_FOLDER');
export const exampleExport = () => setting('FEROLAN_EXAMPLE_EXPORT');

// The built module, under node: it is handed its WebAssembly, as the page's worker hands it.
export const loadModule = () => createRequire(import.meta.url)(join(pageFolder(), 'ferolan.js'))(
  { wasmBinary: readFileSync(join(pageFolder(), 'ferolan.wasm')) });
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

const crcTable = Array.from({ length: 256 }, (_, n) => {
  let c = n;
  for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
  return c >>> 0;
});
const crc32 = (bytes) => {
  let c = 0xffffffff;
  for (const byte of bytes) c = crcTable[(c ^ byte) & 0xff] ^ (c >>> 8);
  return (c ^ 0xffffffff) >>> 0;
};

const dosDate = (1 << 5) | 1;  // 1 January 1980

// What a local header and a central record share, from "version needed" to the name's length,
// written from `at`.
function writeEntryFields(header, at, entry, nameLength) {
  header.writeUInt16LE(20, at);
  header.writeUInt16LE(entry.flags, at + 2);
  header.writeUInt16LE(entry.method, at + 4);
  header.writeUInt16LE(dosDate, at + 8);
  header.writeUInt32LE(entry.crc, at + 10);
  header.writeUInt32LE(entry.compressed, at + 14);
  header.writeUInt32LE(entry.size, at + 18);
  header.writeUInt16LE(nameLength, at + 22);
}

// A zip archive written field by field, so that a test can make it as damaged or as hostile as
// an attacker would. A member is { name, text (latin1) }, with what it lies about or changes:
// name given as bytes (a Buffer) and `utf8` (the flag; default: set for a non-ASCII string),
// `deflate`, `deflate64` (the text's Deflate64 stream, written as it is), `crc`, `size`
// (declared inflated size), `flags` (1: encrypted), `mode` (Unix mode, as for a link),
// `sharesDataOf` (the index of an earlier member whose data it lists).
export function zipArchive(members) {
  const locals = [];
  const central = [];
  const placed = [];
  let offset = 0;
  members.forEach((member) => {
    const name = Buffer.isBuffer(member.name) ? member.name : Buffer.from(member.name, 'utf8');
    const data = Buffer.from(member.text ?? '', 'latin1');
    const stored = member.deflate64 ?? (member.deflate ? deflateRawSync(data) : data);
    const utf8 = member.utf8 ?? (!Buffer.isBuffer(member.name) && /[^\0-\x7f]/.test(member.name));
    const fields = {
      flags: (member.flags ?? 0) | (utf8 ? 0x800 : 0),
      method: member.deflate64 ? 9 : member.deflate ? 8 : 0,
      crc: member.crc ?? crc32(data), compressed: stored.length, size: member.size ?? data.length,
      at: offset,
    };
    const entry = member.sharesDataOf === undefined ? fields : { ...placed[member.sharesDataOf] };
    placed.push(entry);
    if (member.sharesDataOf === undefined) {
      const local = Buffer.alloc(30);
      local.writeUInt32LE(0x04034b50, 0);
      writeEntryFields(local, 4, entry, name.length);
      locals.push(local, name, stored);
      offset += local.length + name.length + stored.length;
    }
    const record = Buffer.alloc(46);
    record.writeUInt32LE(0x02014b50, 0);
    record.writeUInt16LE(member.mode ? 0x031e : 20, 4);  // made on Unix when it has a mode
    writeEntryFields(record, 6, entry, name.length);
    record.writeUInt32LE(((member.mode ?? 0) << 16) >>> 0, 38);
    record.writeUInt32LE(entry.at, 42);
    central.push(record, name);
  });
  const directory = Buffer.concat(central);
  const end = Buffer.alloc(22);
  end.writeUInt32LE(0x06054b50, 0);
  end.writeUInt16LE(members.length, 8);
  end.writeUInt16LE(members.length, 10);
  end.writeUInt32LE(directory.length, 12);
  end.writeUInt32LE(offset, 16);
  return Buffer.concat([...locals, directory, end]);
}
// Codes worked out from the rule of their extra bits: lengths 257 to 284, then Deflate64's 285
// (3 plus 16 bits) for the longer ones; distances 0 to 31, 30 and 31 reaching 64 KiB back.
const codeRanges = (first, count, extraBits, base) => Array.from({ length: count }, (_, i) => {
  const range = { symbol: first + i, base, extra: extraBits(i) };
  base += 2 ** range.extra;
  return range;
});
const lengthRanges = [...codeRanges(257, 28, (i) => (i < 8 ? 0 : (i - 4) >> 2), 3),
  { symbol: 285, base: 3, extra: 16 }];
const distanceRanges = codeRanges(0, 32, (i) => (i < 4 ? 0 : (i >> 1) - 1), 1);
const rangeOf = (ranges, value) =>
  ranges.find((range) => value >= range.base && value - range.base < 2 ** range.extra);

// A Deflate64 stream of one final block in the fixed codes, of literal strings (latin1) and
// copies { length, distance }.
export function deflate64Fixed(tokens) {
  const bytes = [];
  let pending = 0;
  let pendingBits = 0;
  const bits = (value, count) => {
    for (let i = 0; i < count; i++) {
      pending |= ((value >>> i) & 1) << pendingBits;
      if (++pendingBits === 8) {
        bytes.push(pending);
        pending = pendingBits = 0;
      }
    }
  };
  // A Huffman code goes in from its highest bit.
  const code = (value, length) => {
    for (let i = length - 1; i >= 0; i--) bits((value >>> i) & 1, 1);
  };
  const literalOrLength = (symbol) => {
    if (symbol < 144) code(0x30 + symbol, 8);
    else if (symbol < 256) code(0x190 + symbol - 144, 9);
    else if (symbol < 280) code(symbol - 256, 7);
    else code(0xc0 + symbol - 280, 8);
  };
  bits(1, 1);
  bits(1, 2);
  for (const token of tokens) {
    if (typeof token === 'string') {
      for (const byte of Buffer.from(token, 'latin1')) literalOrLength(byte);
      continue;
    }
    const length = rangeOf(lengthRanges, token.length);
    literalOrLength(length.symbol);
    bits(token.length - length.base, length.extra);
    const distance = rangeOf(distanceRanges, token.distance);
    code(distance.symbol, 5);
    bits(token.distance - distance.base, distance.extra);
  }
  literalOrLength(256);
  if (pendingBits > 0) bytes.push(pending);
  return Buffer.from(bytes);
}

// The bytes of the file `made(folder)` writes in a temporary folder and names.
function madeInFolder(made) {
  const folder = temporaryFolder();
  try {
    return readFileSync(join(folder, made(folder)));
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

// An archive of one member `name` holding `text` (latin1), compressed with bzip2 by python3's
// zipfile.
export const bzip2Archive = (name, text) => madeInFolder((folder) => {
  execFileSync('python3', ['-c', 'import sys, zipfile\n' +
    'with zipfile.ZipFile(sys.argv[1], "w", zipfile.ZIP_BZIP2) as z:\n' +
    '  z.writestr(sys.argv[2], sys.stdin.buffer.read())', join(folder, 'a.zip'), name],
  { input: Buffer.from(text, 'latin1') });
  return 'a.zip';
});

// An archive of one member `name` holding `text` (latin1), encrypted by bsdtar with
// `encryption` ('zipcrypt', the traditional encryption, or 'aes256') under `password`. A wrong
// password passes the traditional encryption's one-byte check once in 256 archives: with
// `refused`, the archive is made again until python3's zipfile turns that password away there.
export function encryptedArchive(name, text, encryption, password, refused) {
  for (;;) {
    const bytes = madeInFolder((folder) => {
      writeFileSync(join(folder, name), Buffer.from(text, 'latin1'));
      execFileSync('bsdtar', ['--format', 'zip', '--options', `zip:encryption=${encryption}`,
        '--passphrase', password, '-cf', 'a.zip', name], { cwd: folder });
      return 'a.zip';
    });
    if (refused === undefined || turnsAway(bytes, refused)) return bytes;
  }
}

// Whether python3's zipfile turns `password` away at the first check of the archive `bytes`.
function turnsAway(bytes, password) {
  const script = 'import io, sys, zipfile\n' +
    'z = zipfile.ZipFile(io.BytesIO(sys.stdin.buffer.read()))\n' +
    'try:\n  z.open(z.namelist()[0], pwd=sys.argv[1].encode())\n' +
    'except RuntimeError:\n  print("refused")';
  const said = execFileSync('python3', ['-c', script, password],
    { input: bytes, encoding: 'utf8' });
  return said.trim() === 'refused';
}

export const archive = (members) =>
  zipArchive(Object.entries(members).map(([name, text]) => ({ name, text, deflate: true })));

// How many files the page's file system keeps open at once (web/src/page-filesystem.js).
const kPageOpenFiles = 256;

// What ferolan-convert shows and writes for the export `fileName` holding `bytes`: the messages,
// without the folder it ran in, and the files it wrote beside the export, by name.
export function desktopOutcome(fileName, bytes, casimir) {
  const folder = temporaryFolder();
  try {
    writeFileSync(join(folder, fileName), bytes);
    let stdout;
    try {
      // With the page's bound on open files, so that an export deeper than it fails alike.
      stdout = execFileSync('sh', ['-c', `ulimit -n ${kPageOpenFiles} && exec "$0" "$@"`,
        setting('FEROLAN_CONVERT'), casimir ? '--casimir' : '--txt', join(folder, fileName)],
        { encoding: 'utf8' });
    } catch (failure) {
      stdout = failure.stdout;
    }
    const results = readdirSync(folder).filter((name) => name !== fileName).sort()
      .map((name) => ({ name, data: readFileSync(join(folder, name)) }));
    return { messages: shownMessages(stdout.split(folder + '/').join('')), results };
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

// The messages as the console prints them, one per line and a CR within one breaking it too.
export const shownMessages = (text) => text.split(/[\r\n]/).filter((line) => line !== '');
