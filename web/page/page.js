// The page's window: the option buttons, "Parcourir..." and dropping an export start a
// conversion; its messages go to the status area and its two result files become downloads.
(function () {
  'use strict';

  const byId = (id) => document.getElementById(id);
  const windowArea = byId('window');
  const browse = byId('browse');
  const help = byId('help');
  const chooser = byId('chooser');
  const status = byId('status');
  const downloads = byId('downloads');
  const results = byId('results');
  let ferolan = null;
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
    browse.disabled = value;
    document.querySelectorAll('input[name="kind"]').forEach((option) => { option.disabled = value; });
    windowArea.setAttribute('aria-busy', String(value));
    // A disabled button loses the focus; the keyboard finds its place again on the button.
    if (!value && document.activeElement === document.body) browse.focus();
  }

  // Lets the browser paint the status before the conversion holds the page; a hidden page
  // paints nothing and goes on at once.
  const nextPaint = () => new Promise((resolve) => {
    if (document.hidden) resolve();
    else requestAnimationFrame(() => setTimeout(resolve));
  });

  async function convert(file) {
    if (!ferolan || busy) return;
    setBusy(true);
    withdrawResults();
    showMessages(['Traitement en cours...']);
    try {
      const bytes = new Uint8Array(await file.arrayBuffer());
      await nextPaint();
      const casimir = byId('option1').checked;
      const outcome = ferolanRequest.convertExport(ferolan, fflate, file.name, bytes, casimir);
      showMessages(outcome.messages, outcome.results.length === 0);
      offerResults(outcome.results);
    } catch (error) {
      showMessages(['Error: ' + (error && error.message ? error.message : String(error))], true);
    } finally {
      setBusy(false);
    }
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

  createFerolanModule().then((module) => {
    ferolan = module;
    byId('version').textContent = ferolan.versionText();
    byId('credit').textContent = ferolan.authorCredit();
    byId('help-title').textContent = ferolan.authorCredit();
    byId('help-text').textContent = ferolan.exportHelp().replace(/\r/g, '\n');
    browse.disabled = false;
    help.disabled = false;
  }, (error) => showMessages(['Error: ' + error], true));
})();
