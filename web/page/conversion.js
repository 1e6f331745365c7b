// One conversion in the module: the export is placed alone in a folder of the module's file
// system, the program's request converts it there and leaves its result files beside it, and
// they are taken out, the folder left empty. The worker loads it as a plain script; node's
// tests load it as a module.
(function (global) {
  'use strict';

  const exportFolder = '/export';
  const readAhead = 1 << 20;

  const namesInFolder = (FS) =>
    FS.readdir(exportFolder).filter((name) => name !== '.' && name !== '..');

  function emptyFolder(FS) {
    if (!FS.analyzePath(exportFolder).exists) FS.mkdir(exportFolder);
    for (const name of namesInFolder(FS)) FS.unlink(exportFolder + '/' + name);
  }

  // A result's bytes: a blob where the module keeps its files as blobs (in a worker), else a
  // Uint8Array.
  const resultData = (ferolan, path) =>
    ferolan.fileBlob ? ferolan.fileBlob(path) : ferolan.FS.readFile(path);

  // With the module `ferolan`, converts the export `fileName`, which `place(FS, path)` puts at
  // `path`, into casimir files or ";"-separated text files, `answers` answering the conversion's
  // questions (passwords) in order.
  // Returns { messages, results: [{ name, data }], question }, data as resultData gives it.
  // The conversion cannot wait for an answer: when `answers` run out, it takes the question as
  // cancelled, goes on, and `question` ({ prompt, title }, undefined when none) is the first one
  // left unanswered, the run's results dropped. The caller then shows none of its messages, asks
  // the question and converts again with [...answers, answer] ('' for a cancel).
  function convertExport(ferolan, fileName, place, casimir, answers = []) {
    const FS = ferolan.FS;
    emptyFolder(FS);
    const path = exportFolder + '/' + fileName;
    place(FS, path);
    try {
      const { messages, question } = ferolan.convertExport(path, casimir, answers);
      const results = question ? [] : namesInFolder(FS)
        .filter((name) => name !== fileName)
        .sort()
        .map((name) => ({ name, data: resultData(ferolan, exportFolder + '/' + name) }));
      return { messages, results, question };
    } finally {
      emptyFolder(FS);
    }
  }

  // Places the bytes `bytes` (a Uint8Array) as the export.
  const placeBytes = (bytes) => (FS, path) => FS.writeFile(path, bytes);

  // Places the file or blob `file` as the export without copying it: its bytes are read when
  // the conversion reads them, a window at a time, and `onRead(end)` learns how far.
  // Reading a blob synchronously is for workers only.
  const placeBlob = (file, onRead) => (FS, path) => {
    FS.writeFile(path, new Uint8Array(0));
    FS.chmod(path, 0o444);
    const node = FS.lookupPath(path).node;
    node.usedBytes = file.size;  // the size the file system reports
    const reader = new FileReaderSync();
    let window = { start: 0, bytes: new Uint8Array(0) };
    node.stream_ops = Object.assign({}, node.stream_ops, {
      read(stream, buffer, offset, length, position) {
        const end = Math.min(position + length, file.size);
        if (end <= position) return 0;
        if (position < window.start || end > window.start + window.bytes.length) {
          const windowEnd = Math.min(file.size, Math.max(end, position + readAhead));
          window = { start: position,
            bytes: new Uint8Array(reader.readAsArrayBuffer(file.slice(position, windowEnd))) };
          onRead(windowEnd);
        }
        buffer.set(window.bytes.subarray(position - window.start, end - window.start), offset);
        return end - position;
      },
    });
  };

  const api = { convertExport, placeBytes, placeBlob };
  if (typeof module === 'object' && module.exports) module.exports = api;
  else global.ferolanConversion = api;
})(this);
