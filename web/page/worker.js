// The page's worker: holds the module and converts the exports the page sends it. Every request
// carries an id, and every answer to it too: progress, a question for the teacher, the outcome,
// or the failure that ended it. That the module cannot load is an answer as well: a worker that
// could not start must not leave the page waiting.
(function () {
  'use strict';

  const progressInterval = 100;  // milliseconds between two reports of progress

  // What ended a conversion, as the page words it: out of memory, the export no longer
  // readable (changed or removed on disk since it was chosen), or anything else.
  function causeOf(error) {
    if (error instanceof RangeError || /memory|OOM/i.test(String(error && error.message))) {
      return 'memory';
    }
    if (error && /^(NotReadableError|NotFoundError)$/.test(error.name)) return 'unreadable';
    return 'other';
  }

  function convert(ferolan, { id, file, folder, casimir, answers }) {
    let reported = 0;
    const onProgress = (phase, done, size) => {
      const now = Date.now();
      if (now - reported < progressInterval) return;
      reported = now;
      postMessage({ id, type: 'progress', phase, done, size });
    };
    // A folder is placed as one, for the program to say what it says of any path it cannot open.
    const place = folder ? ferolanConversion.placeFolder
      : ferolanConversion.placeBlob(file, onProgress);
    try {
      const outcome = ferolanConversion.convertExport(ferolan, file.name, place, casimir, answers);
      if (outcome.question) postMessage({ id, type: 'question', ...outcome.question });
      else postMessage({ id, type: 'done', messages: outcome.messages, results: outcome.results });
    } catch (error) {
      // The module may be left in any state: the page replaces this worker.
      postMessage({ id, type: 'failed', cause: causeOf(error) });
    }
  }


  const texts = (module) => ({
    version: module.versionText(),
    credit: module.authorCredit(),
    help: module.exportHelp(),
    busy: module.busyText(),
    stopped: Object.fromEntries(['memory', 'unreadable', 'other', 'user'].map(
      (cause) => [cause, module.stoppedText(cause)])),
  });

  // The module's script and its WebAssembly, which the worker's source holds gzipped, in base64
  // (ferolanPacked): the page is lighter so, and the browser's own stream unpacks them.
  function unpacked(base64) {
    const text = atob(base64);
    const bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; i++) bytes[i] = text.charCodeAt(i);
    return new Response(new Response(bytes).body.pipeThrough(new DecompressionStream('gzip')));
  }

  function loadModule([script, wasm]) {
    // At the top level, the script declares createFerolanModule.
    (0, eval)(script + '\n//# sourceURL=ferolan.js');
    return createFerolanModule({ wasmBinary: new Uint8Array(wasm) });
  }

  // A browser without WebAssembly, its exceptions or DecompressionStream fails here.
  // The page sends requests once it has heard 'ready'.
  new Promise((resolve) => resolve(Promise.all([unpacked(ferolanPacked.module).text(),
    unpacked(ferolanPacked.wasm).arrayBuffer()]))).then(loadModule).then((ferolan) => {
    onmessage = ({ data }) => convert(ferolan, data);
    postMessage({ type: 'ready', texts: texts(ferolan) });
  }, (error) => postMessage({ type: 'unavailable', detail: String(error) }));
})();
