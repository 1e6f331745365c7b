// The page's file system under node, with stand-ins for the worker's Blob and FileReaderSync:
// the export read through windows, files kept as pieces and past the budget as blobs, what it
// refuses with which errno, renames within it, its files given back as blobs, and what the
// request says of an export removed since it was chosen or of a folder not there.
import assert from 'node:assert/strict';
import { before, test } from 'node:test';
import { loadModule } from './reference.mjs';

const MiB = 1 << 20;
const work = '/home/web_user/.cache';
const errno = {
  EXDEV: 75, EINVAL: 28, ENODEV: 43, ENOTEMPTY: 55, EOPNOTSUPP: 138, EMFILE: 33, ENOENT: 44, EIO: 29,
};

// A browser's blob kept as bytes, read back whole by the reader; counts the blobs of a piece.
// Once `lost` is set to the name of what the browser throws for a file removed or changed on
// disk, its reads and those of its slices throw that.
let piecesMade = 0;
class StandInBlob {
  constructor(parts, whole = this) {
    this.parts = parts;
    this.bytes = Buffer.concat(parts.map((part) => part.bytes ?? part));
    this.size = this.bytes.length;
    this.whole = whole;
    if (this.size === 4 * MiB) piecesMade++;
  }

  slice(start, end) {
    return new StandInBlob([this.bytes.subarray(start, end)], this.whole);
  }
}
globalThis.Blob = StandInBlob;
globalThis.FileReaderSync = class {
  readAsArrayBuffer(blob) {
    if (blob.whole.lost) throw Object.assign(new Error('lost'), { name: blob.whole.lost });
    return blob.bytes.buffer.slice(blob.bytes.byteOffset, blob.bytes.byteOffset + blob.size);
  }
};

let ferolan;
let FS;
before(async () => {
  ferolan = await loadModule();
  FS = ferolan.FS;
});

// Bytes that differ from one offset to the next, so that a misplaced read shows.
function pattern(length, seed = 0) {
  const bytes = Buffer.alloc(length);
  for (let i = 0; i < length; i++) bytes[i] = (i * 7 + seed) % 251;
  return bytes;
}

function readAt(path, position, length) {
  const stream = FS.open(path, 'r');
  const bytes = new Uint8Array(length);
  try {
    return bytes.subarray(0, FS.read(stream, bytes, 0, length, position));
  } finally {
    FS.close(stream);
  }
}

// Writes `bytes` to the new file `path` in `chunk`s, appending.
function appendFile(path, bytes, chunk) {
  const stream = FS.open(path, 'w');
  for (let at = 0; at < bytes.length; at += chunk) {
    FS.write(stream, bytes, at, Math.min(chunk, bytes.length - at));
  }
  FS.close(stream);
}

const errnoOf = (action) => {
  try {
    action();
  } catch (error) {
    return error.errno;
  }
  return 0;
};

test('a placed export has its true size and reads back at any offset, its reads reported', () => {
  const bytes = pattern(3 * MiB + 5);
  const reported = [];
  ferolan.watchReads((phase, done, size) => reported.push({ phase, done, size }));
  ferolan.placeFile('/export/e.jad', new StandInBlob([bytes]));
  assert.equal(FS.stat('/export/e.jad').size, bytes.length);
  const reads = [[0, 10], [MiB - 3, 9], [2 * MiB + 17, MiB], [bytes.length - 4, 100]];
  for (const [position, length] of reads) {
    assert.ok(Buffer.from(readAt('/export/e.jad', position, length))
      .equals(bytes.subarray(position, position + length)), `at ${position}`);
  }
  // Progress counts the bytes read, wherever they lie: it never goes back, nor past the size.
  assert.ok(reported.every(({ phase, done, size }, i) => phase === 'archive' && size === bytes.length &&
    done <= size && (i === 0 || done > reported[i - 1].done)), JSON.stringify(reported));
  assert.notEqual(errnoOf(() => FS.writeFile('/export/e.jad', 'x')), 0, 'the export is read-only');
  FS.unlink('/export/e.jad');
});

test('appends astride pieces read back, in memory and past the budget as blobs', () => {
  for (const { size, chunk, blobs } of [
    { size: 9 * MiB + 3, chunk: 3 * MiB + 1, blobs: false },
    { size: 150 * MiB, chunk: 5 * MiB, blobs: true },
  ]) {
    const before = ferolan.bytesInMemory();
    piecesMade = 0;
    const bytes = pattern(size, size % 13);
    appendFile(`${work}/grand`, bytes, chunk);
    assert.equal(piecesMade > 0, blobs, `${piecesMade} pieces as blobs`);
    assert.ok(ferolan.bytesInMemory() <= 136 * MiB, `${ferolan.bytesInMemory()} bytes in memory`);
    assert.ok(Buffer.from(FS.readFile(`${work}/grand`)).equals(bytes));
    const astride = readAt(`${work}/grand`, 4 * MiB - 2, 5);
    assert.ok(Buffer.from(astride).equals(bytes.subarray(4 * MiB - 2, 4 * MiB + 3)));
    assert.ok(ferolan.fileBlob(`${work}/grand`).bytes.equals(bytes));
    // Cut back inside a piece, then appended to again: the bytes before the cut stay.
    const cut = size - 5 * MiB - 7;
    FS.truncate(`${work}/grand`, cut);
    const more = pattern(MiB, 3);
    const stream = FS.open(`${work}/grand`, 'a');
    FS.write(stream, more, 0, more.length);
    FS.close(stream);
    assert.ok(Buffer.from(FS.readFile(`${work}/grand`)).equals(Buffer.concat([bytes.subarray(0, cut), more])));
    FS.unlink(`${work}/grand`);
    assert.equal(ferolan.bytesInMemory(), before, 'the unlinked bytes return to the budget');
  }
});

// Opens `path` `count` times, and closes what it opened.
function openMany(path, count) {
  const streams = [];
  try {
    for (let i = 0; i < count; i++) streams.push(FS.open(path, 'r'));
  } finally {
    streams.forEach((stream) => FS.close(stream));
  }
}

test('what the file system does not do fails with its errno', () => {
  FS.writeFile(`${work}/f`, 'abc');
  FS.mkdir(`${work}/d`);
  FS.writeFile(`${work}/d/f`, '');
  const reading = FS.open(`${work}/f`, 'r');
  const writing = FS.open(`${work}/f`, 'r+');
  const chosen = new StandInBlob([pattern(10)]);
  ferolan.placeFile('/export/e.jad', chosen);
  const export_ = FS.open('/export/e.jad', 'r');
  chosen.lost = 'NotReadableError';
  for (const [what, action, expected] of [
    ['a write before the end', () => FS.write(writing, new Uint8Array(1), 0, 1, 1), 'EOPNOTSUPP'],
    ['a truncation beyond the end', () => FS.truncate(`${work}/f`, 4), 'EINVAL'],
    ['a memory map', () => FS.mmap(reading, 0, 3, 0, 1, 1), 'ENODEV'],
    ['a rename out of the mount', () => FS.rename(`${work}/f`, '/export/f'), 'EXDEV'],
    ['removing a folder that holds a file', () => FS.rmdir(`${work}/d`), 'ENOTEMPTY'],
    ['more files open than a system with a low limit allows', () => openMany(`${work}/f`, 300), 'EMFILE'],
    ['opening an export that the browser no longer reads', () => FS.open('/export/e.jad', 'r'), 'ENOENT'],
    ['reading it once opened', () => FS.read(export_, new Uint8Array(1), 0, 1, 0), 'EIO'],
  ]) {
    assert.equal(errnoOf(action), errno[expected], what);
  }
  openMany(`${work}/f`, 200);  // closed, streams no longer count
  FS.close(reading);
  FS.close(writing);
  FS.close(export_);
  FS.unlink('/export/e.jad');
  FS.truncate(`${work}/f`, 0);
  assert.equal(FS.stat(`${work}/f`).size, 0);
  FS.unlink(`${work}/f`);
  FS.unlink(`${work}/d/f`);
  FS.rmdir(`${work}/d`);
});

test('renames replace a file and move folders within the mount', () => {
  FS.mkdir(`${work}/a`);
  FS.writeFile(`${work}/a/new`, 'new');
  FS.writeFile(`${work}/a/old`, 'old bytes');
  const before = ferolan.bytesInMemory();
  FS.rename(`${work}/a/new`, `${work}/a/old`);
  assert.ok(ferolan.bytesInMemory() < before, 'the replaced bytes return to the budget');
  FS.rename(`${work}/a`, `${work}/b`);
  assert.deepEqual(FS.readdir(`${work}/b`), ['.', '..', 'old']);
  assert.equal(FS.readFile(`${work}/b/old`, { encoding: 'utf8' }), 'new');
  assert.equal(FS.analyzePath(`${work}/a`).exists, false);
  FS.unlink(`${work}/b/old`);
  assert.equal(FS.analyzePath(`${work}/b/old`).exists, false, 'the replaced file is gone too');
  FS.rmdir(`${work}/b`);
});

test('an export removed since it was chosen, or a folder not there, ends with the program\'s message', () => {
  const removed = new StandInBlob([pattern(100)]);
  removed.lost = 'NotFoundError';
  ferolan.placeFile('/export/classe.jad', removed);
  for (const [path, message] of [
    ['/export/classe.jad', "Error: impossible d'ouvrir le fichier classe.jad"],
    ['/ailleurs/classe.jad', "Error: Chemin d'accès introuvable : /ailleurs/"],
  ]) {
    assert.deepEqual(ferolan.convertExport(path, true, []).messages, [message], path);
  }
  FS.unlink('/export/classe.jad');
});
