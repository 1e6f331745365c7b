// The page's worker: holds the module, converts the exports the page sends it and answers with
// the messages and result files (as blobs), telling meanwhile how much of the export it has read.
(function () {
  'use strict';

  const progressInterval = 100;  // milliseconds between two reports of the bytes read
  const loaded = createFerolanModule();

  loaded.then((ferolan) => postMessage({
    type: 'ready',
    version: ferolan.versionText(),
    credit: ferolan.authorCredit(),
    help: ferolan.exportHelp(),
    busy: ferolan.busyText(),
    stopped: ferolan.stoppedText(),
  }));

  function convert(ferolan, file, casimir) {
    let reported = 0;
    const onRead = (read) => {
      const now = Date.now();
      if (now - reported < progressInterval) return;
      reported = now;
      postMessage({ type: 'progress', read, size: file.size });
    };
    const outcome = ferolanConversion.convertExport(
      ferolan, file.name, ferolanConversion.placeBlob(file, onRead), casimir);
    postMessage({ type: 'done', ...outcome });
  }

  // An export sent while the module still loads waits for it. What fails is thrown again
  // outside the promise, so that the page learns that the worker has failed.
  onmessage = ({ data: { file, casimir } }) => {
    loaded.then((ferolan) => convert(ferolan, file, casimir))
      .catch((error) => setTimeout(() => { throw error; }));
  };
})();
