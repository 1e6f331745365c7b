// One conversion in the module: the export is placed alone in a folder of the module's file
// system, the program's request converts it there and leaves its result files beside it, and
// they are taken out, the folder left empty. The worker loads it as a plain script; node's
// tests load it as a module.
(function (global) {
  'use strict';

  const exportFolder = '/export';

  const namesInFolder = (FS) =>
    FS.readdir(exportFolder).filter((name) => name !== '.' && name !== '..');

  function emptyFolder(FS) {
    for (const name of namesInFolder(FS)) {
      const path = exportFolder + '/' + name;
      if (FS.isDir(FS.stat(path).mode)) FS.rmdir(path);
      else FS.unlink(path);
    }
  }

  // A result's bytes: a blob made of the file's pieces where the module keeps them as blobs
  // (in a worker), else a Uint8Array.
  const resultData = (ferolan, path) => (typeof FileReaderSync === 'function'
    ? ferolan.fileBlob(path) : ferolan.FS.readFile(path));

  // With `ferolan`, converts the export `fileName`, which `place(ferolan, path)` puts at
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
    place(ferolan, path);
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
  const placeBytes = (bytes) => (ferolan, path) => ferolan.FS.writeFile(path, bytes);

  // Places the file or blob `file` (a File, say) as the export without copying it: the
  // module's file system reads it a window at a time as the conversion reads it, and
  // `onProgress(phase, done, size)` learns every read, as the module's watchReads tells.
  // Reading a blob synchronously is for workers only.
  const placeBlob = (file, onProgress) => (ferolan, path) => {
    ferolan.watchReads(onProgress);
    ferolan.placeFile(path, file);
  };

  // Places an empty folder where the export would be: what a folder dropped on the page becomes.
  const placeFolder = (ferolan, path) => ferolan.FS.mkdir(path);

  const api = { convertExport, placeBytes, placeBlob, placeFolder };
  if (typeof module === 'object' && module.exports) module.exports = api;
  else global.ferolanConversion = api;
})(this);
