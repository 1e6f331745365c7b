// Starts the page's workers from the text of #worker-source. The first one starts as soon as
// that text is parsed, in the page's head, so that the module loads while the rest of the page
// is parsed and laid out; what it says before the page's script listens is kept, and handed to
// the handlers the page gives it. ferolanWorkers.start() gives the first worker, then new ones.
const ferolanWorkers = (function () {
  'use strict';

  function newWorker() {
    const source = document.getElementById('worker-source').textContent;
    const url = URL.createObjectURL(new Blob([source], { type: 'text/javascript' }));
    const worker = new Worker(url);
    URL.revokeObjectURL(url);
    return worker;
  }

  let first = newWorker();
  const heard = [];
  first.onmessage = (event) => heard.push(event);
  first.onerror = (event) => {
    event.preventDefault();
    heard.push(event);
  };

  function start() {
    if (!first) return newWorker();
    const worker = first;
    first = null;
    // What it said is handed over once the caller has set its handlers, in the same task.
    queueMicrotask(() => heard.forEach((event) =>
      (event.type === 'message' ? worker.onmessage : worker.onerror)(event)));
    return worker;
  }

  return { start };
})();
