// The page's window: the option buttons, "Parcourir..." and dropping an export start a
// conversion in the worker; its messages go to the status area and its two result files become
// downloads. Every text shown comes from the module, through the worker.
(function () {
  'use strict';

  const byId = (id) => document.getElementById(id);
  const windowArea = byId('window');
  const browse = byId('browse');
  const help = byId('help');
  const chooser = byId('chooser');
  const status = byId('status');
  const progress = byId('progress');
  const downloads = byId('downloads');
  const results = byId('results');
  const progressDelay = 500;  // milliseconds: a shorter conversion shows no progress bar
  let worker = null;
  let texts = null;  // the module's texts, from the worker once it is ready
  let busy = false;
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

  // While a conversion runs, clicks that arrive meanwhile must not start another one.
  function setBusy(value) {
    busy = value;
    browse.disabled = value || !texts;
    document.querySelectorAll('input[name="kind"]').forEach((option) => { option.disabled = value; });
    windowArea.setAttribute('aria-busy', String(value));
    // A disabled button loses the focus; the keyboard finds its place again on the button.
    if (!value && document.activeElement === document.body) browse.focus();
  }

  // The conversion in progress: ends once, with the worker's answer or with its death.
  let finish = null;

  function startWorker() {
    const source = byId('worker-source').textContent;
    const url = URL.createObjectURL(new Blob([source], { type: 'text/javascript' }));
    worker = new Worker(url);
    URL.revokeObjectURL(url);
    worker.onmessage = ({ data }) => {
      if (data.type === 'ready') ready(data);
      else if (data.type === 'progress') progress.value = data.read / data.size;
      else if (data.type === 'done' && finish) finish(data.messages, data.results);
    };
    // A worker that dies (out of memory, say) is replaced; the conversion it ran has failed. One
    // that dies before it is ready would die again: its error is shown instead.
    worker.onerror = (event) => {
      event.preventDefault();
      worker.terminate();
      if (!texts) {
        showMessages([String(event.message)], true);
        return;
      }
      const failed = finish;
      startWorker();
      if (failed) failed([texts.stopped], []);
    };
  }

  function ready(received) {
    const firstTime = !texts;
    texts = received;
    if (!firstTime) return;
    byId('version').textContent = texts.version;
    byId('credit').textContent = texts.credit;
    byId('help-title').textContent = texts.credit;
    byId('help-text').textContent = texts.help.replace(/\r/g, '\n');
    help.disabled = false;
    setBusy(busy);
  }

  function convert(file) {
    if (!texts || busy) return;
    setBusy(true);
    withdrawResults();
    showMessages([texts.busy]);
    progress.value = 0;
    const showProgress = setTimeout(() => { progress.hidden = false; }, progressDelay);
    finish = (messages, files) => {
      finish = null;
      clearTimeout(showProgress);
      progress.hidden = true;
      showMessages(messages, files.length === 0);
      offerResults(files);
      setBusy(false);
    };
    worker.postMessage({ file, casimir: byId('option1').checked });
  }

  browse.addEventListener('click', () => chooser.click());
  chooser.addEventListener('change', () => {
    const file = chooser.files[0];
    chooser.value = '';  // choosing the same export again converts it again
    if (file) convert(file);
  });

  const carriesFiles = (event) => Array.from(event.dataTransfer.types).includes('Files');
  windowArea.addEventListener('dragover', (event) => {
    if (!carriesFiles(event)) return;
    event.preventDefault();
    event.dataTransfer.dropEffect = busy ? 'none' : 'copy';
    windowArea.classList.add('dropping');
  });
  windowArea.addEventListener('dragleave', (event) => {
    if (!windowArea.contains(event.relatedTarget)) windowArea.classList.remove('dropping');
  });
  windowArea.addEventListener('drop', (event) => {
    event.preventDefault();
    windowArea.classList.remove('dropping');
    const file = event.dataTransfer.files[0];
    if (file) convert(file);
  });
  // A file dropped beside the window must not replace the page.
  document.addEventListener('dragover', (event) => event.preventDefault());
  document.addEventListener('drop', (event) => event.preventDefault());

  help.addEventListener('click', () => byId('help-box').showModal());

  startWorker();
})();
