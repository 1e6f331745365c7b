// What the bench watches inside the page's worker, with nothing asked of the page: how its
// loading went, the reads of the chosen export (slices of the File), the blobs made from bytes
// and read back, when the outcome is posted, and the size of the module's WebAssembly memory.
// The probe runs first in every worker the page starts: the page makes its worker from a
// text/javascript blob, which the probe's source is put in front of.

// Worker side: wraps what the worker looks up when it calls it (Blob, FileReaderSync,
// postMessage) and the module's instantiation.
function installProbe() {
  const fresh = () => ({ archive: { first: null, last: null, ms: 0, bytes: 0 },
    pieces: { ms: 0, bytes: 0 }, made: { ms: 0, bytes: 0 }, done: null });
  const probe = self.benchProbe = { counts: fresh(), reset() { probe.counts = fresh(); },
    loading: { origin: performance.timeOrigin } };
  const exportSlices = new WeakSet();
  const slice = Blob.prototype.slice;
  Blob.prototype.slice = function (...args) {
    const part = slice.apply(this, args);
    if (this instanceof File) exportSlices.add(part);
    return part;
  };
  const read = FileReaderSync.prototype.readAsArrayBuffer;
  FileReaderSync.prototype.readAsArrayBuffer = function (blob) {
    const start = performance.now();
    const bytes = read.call(this, blob);
    const end = performance.now();
    const { archive, pieces } = probe.counts;
    const count = exportSlices.has(blob) ? archive : pieces;
    if (count === archive) {
      archive.first = archive.first ?? start;
      archive.last = end;
    }
    count.ms += end - start;
    count.bytes += bytes.byteLength;
    return bytes;
  };
  // Only blobs made from bytes copy them; those made of other blobs (the results) do not.
  const OriginalBlob = Blob;
  self.Blob = class extends OriginalBlob {
    constructor(parts = [], ...rest) {
      const start = performance.now();
      super(parts, ...rest);
      const copied = parts.filter(ArrayBuffer.isView).reduce((sum, p) => sum + p.byteLength, 0);
      if (copied > 0) {
        probe.counts.made.ms += performance.now() - start;
        probe.counts.made.bytes += copied;
      }
    }

    static [Symbol.hasInstance](value) {
      return value instanceof OriginalBlob;
    }
  };
  // The module's memory, which nothing else reaches, is met when the module is instantiated.
  const instantiate = WebAssembly.instantiate;
  WebAssembly.instantiate = async function (...args) {
    probe.loading.instantiating ??= performance.now();
    const made = await instantiate.apply(this, args);
    probe.loading.instantiated ??= performance.now();
    const exported = Object.values((made.instance || made).exports);
    probe.memory = exported.find((value) => value instanceof WebAssembly.Memory);
    return made;
  };
  const post = self.postMessage;
  self.postMessage = function (message, ...rest) {
    if (message && message.type === 'done') probe.counts.done = performance.now();
    if (message && message.type === 'ready') probe.loading.posted = performance.now();
    return post.call(this, message, ...rest);
  };
}

// Page side, in `tab` before its page loads: the worker's source gets the probe in front.
export function probeWorkers(tab) {
  return tab.evaluateOnNewDocument((probeSource) => {
    const PageBlob = window.Blob;
    window.Blob = class extends PageBlob {
      constructor(parts, options) {
        const script = options && options.type === 'text/javascript';
        super(script ? [probeSource, ...parts] : parts, options);
      }

      static [Symbol.hasInstance](value) {
        return value instanceof PageBlob;
      }
    };
  }, `(${installProbe})();\n`);
}

// When the worker was started, called the module's instantiation, had it done and posted that
// it was ready, in milliseconds since `origin`, the page's time origin.
export async function loadingTimes(worker, origin) {
  const { origin: started, ...steps } = await worker.evaluate(() => self.benchProbe.loading);
  return Object.fromEntries([['started', 0], ...Object.entries(steps)]
    .map(([step, at]) => [step, started + at - origin]));
}

export const reset = (worker) => worker.evaluate(() => self.benchProbe.reset());

// The counts since `reset`, in seconds and MiB: the archive read and extracted (from the first
// read of the export to its last), the XML converted (from there to the outcome posted), the
// time inside the export's reads, and the pieces made into blobs and read back.
export async function counts(worker) {
  const { archive, pieces, made, done } = await worker.evaluate(() => self.benchProbe.counts);
  const mib = (bytes) => bytes / 1048576;
  return {
    archiveS: (archive.last - archive.first) / 1000,
    xmlS: (done - archive.last) / 1000,
    convertedS: (done - archive.first) / 1000,
    exportReadS: archive.ms / 1000,
    piecesReadS: pieces.ms / 1000,
    piecesReadMiB: mib(pieces.bytes),
    blobsMadeS: made.ms / 1000,
    blobsMadeMiB: mib(made.bytes),
  };
}

// The size of the worker's WebAssembly memory in bytes: it only grows, so this is its peak.
export const wasmMemoryBytes = (worker) => worker.evaluate(
  () => (self.benchProbe.memory ? self.benchProbe.memory.buffer.byteLength : null));
