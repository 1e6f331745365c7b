// The page's window: the option buttons, "Parcourir..." and dropping an export start a
// conversion in the worker; its messages go to the status area and its two result files become
// downloads. Every text shown comes from the module, through the worker, but for those the page
// needs before the module runs, which its template holds.
(function () {
  'use strict';

  const byId = (id) => document.getElementById(id);
  const windowArea = byId('window');
  const browse = byId('browse');
  const help = byId('help');
  const chooser = byId('chooser');
  const status = byId('status');
  const working = byId('working');
  const progress = byId('progress');
  const downloads = byId('downloads');
  const results = byId('results');
  const passwordBox = byId('password-box');
  const password = byId('password');
  const workingDelay = 500;  // milliseconds: a shorter conversion shows no progress bar
  let worker = null;
  let workerReady = false;
  let texts = null;  // the module's texts, from the first worker that was ready
  let waiting = null;  // { file, casimir }: chosen before the worker was ready
  let current = null;  // the conversion under way: { id, file, casimir, answers }
  let lastId = 0;
  let showWorking = null;
  let offeredUrls = [];

  // Texts break lines with a single CR; the status area shows each as a line break.
  function showMessages(messages, failed = false) {
    status.classList.toggle('failed', failed);
    status.replaceChildren(...messages.map((text) => {
      const line = document.createElement('p');
      line.textContent = text.replace(/\r/g, '\n');
      return line;
    }));
  }

  function withdrawResults() {
    offeredUrls.forEach((url) => URL.revokeObjectURL(url));
    offeredUrls = [];
    results.replaceChildren();
    downloads.hidden = true;
  }

  function offerResults(files) {
    results.replaceChildren(...files.map(({ name, data }) => {
      const url = URL.createObjectURL(new Blob([data], { type: 'application/octet-stream' }));
      offeredUrls.push(url);
      const link = document.createElement('a');
      link.href = url;
      link.download = name;
      link.textContent = name;
      const item = document.createElement('li');
      item.append(link);
      return item;
    }));
    downloads.hidden = files.length === 0;
  }

  // While a conversion runs, clicks that arrive meanwhile must not start another one; while the
  // module loads, an export may be chosen, and the window shows that it waits.
  function showState() {
    const busy = current !== null || waiting !== null;
    browse.disabled = busy || worker === null;
    document.querySelectorAll('input[name="kind"]').forEach((option) => { option.disabled = busy; });
    windowArea.classList.toggle('loading', !workerReady && worker !== null);
    windowArea.setAttribute('aria-busy', String(busy || !workerReady));
    // A disabled button loses the focus; the keyboard finds its place again on the button.
    if (!busy && document.activeElement === document.body) browse.focus();
  }

  function send() {
    worker.postMessage({ id: current.id, file: current.file, casimir: current.casimir,
      answers: current.answers });
  }

  function start({ file, casimir }) {
    current = { id: ++lastId, file, casimir, answers: [] };
    withdrawResults();
    showMessages([texts.busy]);
    progress.value = 0;
    showWorking = setTimeout(() => { working.hidden = false; }, workingDelay);
    showState();
    send();
  }

  function finish(messages, files = []) {
    current = null;
    clearTimeout(showWorking);
    working.hidden = true;
    showMessages(messages, files.length === 0);
    offerResults(files);
    showState();
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
    workerReady = true;
    if (!texts) {
      texts = received;
      byId('version').textContent = texts.version;
      byId('credit').textContent = texts.credit;
      byId('help-title').textContent = texts.credit;
      byId('help-text').textContent = texts.help.replace(/\r/g, '\n');
      help.disabled = false;
      showMessages([]);
    }
    const chosen = waiting;
    waiting = null;
    if (chosen) start(chosen);
    else showState();
  }

  // The browser cannot run the module: nothing the page offers can work.
  function unavailable() {
    worker.terminate();
    worker = null;
    waiting = null;
    showMessages([byId('unavailable-text').content.textContent], true);
    showState();
  }

  function startWorker() {
    const source = byId('worker-source').textContent;
    const url = URL.createObjectURL(new Blob([source], { type: 'text/javascript' }));
    worker = new Worker(url);
    workerReady = false;
    URL.revokeObjectURL(url);
    worker.onmessage = ({ data }) => {
      if (data.type === 'ready') ready(data.texts);
      else if (data.type === 'unavailable') unavailable();
      else answered(data);
    };
    // An error that escaped the worker: one that never got ready cannot run the module.
    worker.onerror = (event) => {
      event.preventDefault();
      if (!workerReady) unavailable();
      else stopWorker(/memory/i.test(event.message) ? 'memory' : 'other');
    };
    showState();
  }

  // Ends the worker and the conversion it ran, saying why, and starts another worker.
  function stopWorker(cause) {
    worker.terminate();
    if (passwordBox.open) passwordBox.close();
    const stopped = current !== null;
    current = null;
    startWorker();
    if (stopped) finish([texts.stopped[cause]]);
  }

  function choose(file) {
    if (current || waiting || !worker) return;
    const chosen = { file, casimir: byId('option1').checked };
    if (workerReady) start(chosen);
    else {
      waiting = chosen;
      showState();
    }
  }

  browse.addEventListener('click', () => chooser.click());
  chooser.addEventListener('change', () => {
    const file = chooser.files[0];
    chooser.value = '';  // choosing the same export again converts it again
    if (file) choose(file);
  });
  byId('stop').addEventListener('click', () => stopWorker('user'));

  const carriesFiles = (event) => Array.from(event.dataTransfer.types).includes('Files');
  windowArea.addEventListener('dragover', (event) => {
    if (!carriesFiles(event)) return;
    event.preventDefault();
    event.dataTransfer.dropEffect = current || waiting || !worker ? 'none' : 'copy';
    windowArea.classList.add('dropping');
  });
  windowArea.addEventListener('dragleave', (event) => {
    if (!windowArea.contains(event.relatedTarget)) windowArea.classList.remove('dropping');
  });
  windowArea.addEventListener('drop', (event) => {
    event.preventDefault();
    windowArea.classList.remove('dropping');
    const file = event.dataTransfer.files[0];
    if (file) choose(file);
  });
  // A file dropped beside the window must not replace the page.
  document.addEventListener('dragover', (event) => event.preventDefault());
  document.addEventListener('drop', (event) => event.preventDefault());

  help.addEventListener('click', () => byId('help-box').showModal());

  startWorker();
})();
