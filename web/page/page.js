// The page's window: the option buttons, "Parcourir..." and dropping start the conversion of an
// export, or of several one after the other, in the worker; its messages go to the status area
// and its two result files become downloads. Every text shown comes from the module, through the
// worker, but for those that are the page's own: what it says of the module (its templates) and
// which subject each result holds.
(function () {
  'use strict';

  const byId = (id) => document.getElementById(id);
  const windowArea = byId('window');
  const browse = byId('browse');
  const help = byId('help');
  const chooser = byId('chooser');
  const status = byId('status');
  const news = byId('news');
  const alarm = byId('alarm');
  const dropHint = byId('drop-hint');
  const working = byId('working');
  const progress = byId('progress');
  const stop = byId('stop');
  const downloads = byId('downloads');
  const results = byId('results');
  const passwordBox = byId('password-box');
  const password = byId('password');
  const workingDelay = 500;  // milliseconds: a shorter conversion shows no progress bar
  const readyLimit = 10000;  // milliseconds a worker has to get ready before the page gives up
  const idleLimit = 120000;  // milliseconds: a worker idle that long is ended, its memory freed
  let worker = null;  // none while idle, nor once the module could not start
  let workerReady = false;
  let cannotRun = false;  // the module could not start: nothing can be converted
  let readyTimer = null;
  let idleTimer = null;
  let texts = null;  // the module's texts, from the first worker that was ready
  let waiting = null;  // [{ file, folder, casimir }]: chosen together before the worker was ready
  let queue = [];  // the exports chosen together that wait for the one under way
  let together = false;  // several exports chosen at once: each one's lines begin with its name
  let current = null;  // the conversion under way: { id, file, folder, casimir, answers }
  let shown = news.firstElementChild;  // the lines of the conversion under way
  let lastId = 0;
  let showWorking = null;
  let offeredUrls = [];

  // Texts break lines with a single CR; the status area shows each as a line break. They replace
  // those shown last for this conversion; failures are alerts, the rest is said politely.
  function showMessages(messages, failed = false) {
    shown?.remove();
    shown = document.createElement('div');
    const named = together && current ? [`${current.file.name} :`] : [];
    shown.append(...named.concat(messages).map((text) => {
      const line = document.createElement('p');
      line.textContent = text.replace(/\r/g, '\n');
      return line;
    }));
    (failed ? alarm : news).append(shown);
  }

  // What the exports chosen last said and made goes when others are chosen.
  function withdrawResults() {
    offeredUrls.forEach((url) => URL.revokeObjectURL(url));
    offeredUrls = [];
    results.replaceChildren();
    downloads.hidden = true;
    news.replaceChildren();
    alarm.replaceChildren();
  }

  // The program names a result by what it holds: …1.c01 and …FR.txt French, the other one
  // mathematics.
  const subject = (name) => (/(1\.c01|FR\.txt)$/.test(name)
    ? 'résultats de français' : 'résultats de mathématiques');

  function offerResults(files) {
    results.append(...files.map(({ name, data }) => {
      const url = URL.createObjectURL(new Blob([data], { type: 'application/octet-stream' }));
      offeredUrls.push(url);
      const link = document.createElement('a');
      link.href = url;
      link.download = name;
      link.textContent = `${name} (${subject(name)})`;
      const item = document.createElement('li');
      item.append(link);
      return item;
    }));
    downloads.hidden = results.childElementCount === 0;
  }

  const isBusy = () => current !== null || waiting !== null || queue.length > 0;

  // While a conversion runs, clicks that arrive meanwhile must not start another one; while the
  // module loads, an export may be chosen, and the window shows that it waits.
  function showState() {
    const busy = isBusy();
    browse.disabled = dropHint.disabled = busy || cannotRun;
    document.querySelectorAll('input[name="kind"]').forEach((option) => { option.disabled = busy; });
    windowArea.classList.toggle('loading', !workerReady && worker !== null);
    // The results of exports chosen together come one after the other.
    downloads.setAttribute('aria-busy', String(busy));
    // A disabled button loses the focus; the keyboard finds its place again on the button.
    if (!busy && document.activeElement === document.body) browse.focus();
  }

  function send() {
    worker.postMessage({ id: current.id, file: current.file, folder: current.folder,
      casimir: current.casimir, answers: current.answers });
  }

  function begin(exports) {
    withdrawResults();
    queue = exports;
    together = exports.length > 1;
    startNext();
  }

  // "Arrêter" takes the focus once shown, for the keyboard to find it without searching.
  function startNext() {
    clearTimeout(idleTimer);
    current = { id: ++lastId, ...queue.shift(), answers: [] };
    shown = null;
    showMessages([texts.busy]);
    progress.value = 0;
    showWorking ??= setTimeout(() => {
      working.hidden = false;
      stop.focus();
    }, workingDelay);
    showState();
    send();
  }

  // The next export waits for a worker that is ready, a new one after a failure. After the last
  // one, the focus goes to the results, or to the messages when there are none.
  function finish(messages, files = []) {
    showMessages(messages, files.length === 0);
    offerResults(files);
    current = null;
    if (queue.length > 0) {
      if (workerReady) startNext();
      return;
    }
    clearTimeout(showWorking);
    showWorking = null;
    working.hidden = true;
    idleTimer = setTimeout(endIdleWorker, idleLimit);
    showState();
    (results.querySelector('a') ?? status).focus();
  }

  // The archive is read first, then its XML converted, which ends with writing the results: one
  // bar, shared as their times on a large export share it.
  const phaseSpans = { archive: [0, 0.45], xml: [0.45, 0.85], results: [0.85, 1] };
  function showProgress({ phase, done, size }) {
    const [from, to] = phaseSpans[phase];
    progress.value = from + (to - from) * Math.min(1, done / size);
  }

  // The export is protected by a password: the teacher types it, or cancels, and the conversion
  // runs again with the answer.
  function askPassword({ prompt, title }) {
    byId('password-title').textContent = title;
    byId('password-prompt').textContent = prompt;
    password.value = '';
    passwordBox.returnValue = '';
    passwordBox.showModal();
  }
  passwordBox.addEventListener('close', () => {
    if (!current) return;
    current.answers.push(passwordBox.returnValue === 'ok' ? password.value : '');
    password.value = '';
    send();
  });

  function answered(data) {
    if (!current || data.id !== current.id) return;
    if (data.type === 'progress') showProgress(data);
    else if (data.type === 'question') askPassword(data);
    else if (data.type === 'done') finish(data.messages, data.results);
    else if (data.type === 'failed') stopWorker(data.cause);
  }

  function ready(received) {
    clearTimeout(readyTimer);
    workerReady = true;
    if (!texts) {
      texts = received;
      byId('version').textContent = texts.version;
      byId('credit').textContent = texts.credit;
      byId('help-title').textContent = texts.credit;
      byId('help-text').textContent = texts.help.replace(/\r/g, '\n');
      help.disabled = false;
      showMessages([byId('ready-text').content.textContent]);
      shown.className = 'hidden-text';  // said to a screen reader; the eye sees the window enabled
    }
    const chosen = waiting;
    waiting = null;
    if (chosen) begin(chosen);
    else if (queue.length > 0) startNext();
    else showState();
  }

  // The browser cannot run the module, or the module did not get ready in time: nothing the
  // page offers can work, which the template `textId` says.
  function cannotStart(textId) {
    clearTimeout(readyTimer);
    clearTimeout(idleTimer);
    worker.terminate();
    worker = null;
    cannotRun = true;
    waiting = null;
    queue = [];
    showMessages([byId(textId).content.textContent], true);
    showState();
  }

  // A worker idle for idleLimit is ended, and its memory, grown by the conversions, with it; the
  // next export starts another.
  function endIdleWorker() {
    worker.terminate();
    worker = null;
    workerReady = false;
  }

  function startWorker() {
    worker = ferolanWorkers.start();
    workerReady = false;
    readyTimer = setTimeout(() => cannotStart('not-started-text'), readyLimit);
    worker.onmessage = ({ data }) => {
      if (data.type === 'ready') ready(data.texts);
      else if (data.type === 'unavailable') cannotStart('unavailable-text');
      else answered(data);
    };
    // An error that escaped the worker: one that never got ready cannot run the module.
    worker.onerror = (event) => {
      event.preventDefault();
      if (!workerReady) cannotStart('unavailable-text');
      else stopWorker(/memory/i.test(event.message) ? 'memory' : 'other');
    };
    showState();
  }

  // Ends the worker and the conversion it ran, saying why, and starts another worker.
  function stopWorker(cause) {
    worker.terminate();
    if (passwordBox.open) passwordBox.close();
    const stopped = current !== null;
    startWorker();
    if (stopped) finish([texts.stopped[cause]]);
  }

  // Exports chosen together are converted one after the other, in the kind chosen for all.
  function choose(exports) {
    if (isBusy() || cannotRun || exports.length === 0) return;
    const casimir = byId('option1').checked;
    const chosen = exports.map((chosenExport) => ({ ...chosenExport, casimir }));
    if (workerReady) begin(chosen);
    else {
      waiting = chosen;
      if (!worker) startWorker();  // ended while idle
      showState();
    }
  }

  browse.addEventListener('click', () => chooser.click());
  dropHint.addEventListener('click', () => chooser.click());
  chooser.addEventListener('change', () => {
    const files = Array.from(chooser.files, (file) => ({ file }));
    chooser.value = '';  // choosing the same export again converts it again
    choose(files);
  });
  // Stopping stops the exports chosen with this one too.
  stop.addEventListener('click', () => {
    queue = [];
    stopWorker('user');
  });

  const carriesFiles = (event) => Array.from(event.dataTransfer.types).includes('Files');
  windowArea.addEventListener('dragover', (event) => {
    if (!carriesFiles(event)) return;
    event.preventDefault();
    event.dataTransfer.dropEffect = isBusy() || cannotRun ? 'none' : 'copy';
    windowArea.classList.add('dropping');
  });
  windowArea.addEventListener('dragleave', (event) => {
    if (!windowArea.contains(event.relatedTarget)) windowArea.classList.remove('dropping');
  });
  windowArea.addEventListener('drop', (event) => {
    event.preventDefault();
    windowArea.classList.remove('dropping');
    // A folder comes as a file too, which only its entry tells apart; the items are read now,
    // as they are emptied once the drop is over.
    choose(Array.from(event.dataTransfer.items).filter((item) => item.kind === 'file')
      .map((item) => ({ file: item.getAsFile(), folder: item.webkitGetAsEntry()?.isDirectory })));
  });
  // A file dropped beside the window must not replace the page.
  document.addEventListener('dragover', (event) => event.preventDefault());
  document.addEventListener('drop', (event) => event.preventDefault());

  help.addEventListener('click', () => byId('help-box').showModal());

  startWorker();
})();
