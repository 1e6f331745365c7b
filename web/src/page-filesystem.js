// The page's own file system, mounted at /export and over the user's cache, where the request
// keeps its work folders, so that every rename the request makes stays within one mount.
// - The export is a read-only file over the File or Blob the user chose, read a window at a
//   time when the request reads it, never copied whole.
// - Other files only grow at their end (the request writes nothing else): their bytes are kept
//   as a list of pieces of 4 MiB, filled one after the other, so that a file grows without
//   being copied. While all the files hold less than 128 MiB in memory, filled pieces stay
//   there; past that, each piece filled becomes a blob, which the browser holds outside the
//   worker, read back when read. The XML of a usual export stays in memory; one of 50 MB, its
//   work file and its results keep about 128 MiB in the worker, beside the module's own memory.
// - Reading a blob back needs FileReaderSync, which only workers have: elsewhere (node, the
//   page's main thread) every piece stays in memory.
// - What else a file system may be asked (a write before the end, a truncation beyond the end,
//   a memory map, links) fails with an errno, as Emscripten's own checks answer where an
//   operation is missing; so do a chosen file the browser no longer reads (removed or changed
//   on disk since) and more files open at once than a system with a low limit allows.
// - Every read is reported, for the page's progress bar: see Module.watchReads.
var pageFiles = (function () {
  var pieceSize = 4 << 20;
  var windowSize = 1 << 20;
  var firstTail = 4096;
  // Emscripten's errno numbers.
  var ENOENT = 44;
  var EINVAL = 28;
  var ENOTEMPTY = 55;
  var EOPNOTSUPP = 138;
  var EACCES = 2;
  var EIO = 29;
  var EMFILE = 33;

  // At most as many streams open at once as a system with a low limit lets a program open. An
  // entry n folders deep holds one open at each level as it is extracted, and Emscripten finds
  // a path a name at a time, normalising the whole path walked so far at each name: a call
  // costs n², the entry n³ (250 folders: a second; 1000: minutes). Past the limit, an open fails
  // as on a disk, "too many open files", and the extraction says so.
  var streamLimit = 256;
  var streamsOpen = 0;

  var memoryBudget = 128 << 20;
  var bytesInMemory = 0;
  var onRead = function () {};
  // The files read since the export was placed, by their phase: the first is the extracted XML,
  // those after it the conversion's own work files, read as the results are written.
  var phases = new Map();
  var reader = null;

  // A blob's bytes. The browser refuses to read a chosen file that was removed or changed
  // since: that fails with `errno`, as the system answers for a file gone or unreadable.
  function readBlob(blob, errno) {
    if (!reader) reader = new FileReaderSync();
    try {
      return new Uint8Array(reader.readAsArrayBuffer(blob));
    } catch (error) {
      if (error.name === 'NotFoundError' || error.name === 'NotReadableError') fail(errno);
      throw error;
    }
  }

  var canUseBlobs = typeof FileReaderSync === 'function';

  function fail(errno) {
    throw new FS.ErrnoError(errno);
  }

  function touch(node) {
    node.timestamp = Date.now();
  }

  function getattr(node) {
    var time = new Date(node.timestamp);
    return {
      dev: 1, ino: node.id, mode: node.mode, nlink: 1, uid: 0, gid: 0, rdev: 0, size: node.size,
      atime: time, mtime: time, ctime: time, blksize: 4096, blocks: Math.ceil(node.size / 4096),
    };
  }

  // Emscripten 3.1.6 gives one `timestamp`, later versions `atime` and `mtime`.
  function setattr(node, attr) {
    if (attr.mode !== undefined) node.mode = attr.mode;
    if (attr.timestamp !== undefined) node.timestamp = attr.timestamp;
    if (attr.mtime !== undefined) node.timestamp = +attr.mtime;
    if (attr.size !== undefined && attr.size !== node.size) {
      if (attr.size > node.size || node.blob) fail(EINVAL);
      if (attr.size === 0) release(node);
      else shorten(node, attr.size);
      touch(node);
    }
  }

  function createNode(parent, name, mode) {
    if (!FS.isDir(mode) && !FS.isFile(mode)) fail(EINVAL);  // no devices, fifos or links
    var node = FS.createNode(parent, name, mode, 0);
    node.timestamp = Date.now();
    if (FS.isDir(mode)) {
      node.node_ops = directoryOps;
      node.stream_ops = directoryStreamOps;
      node.entries = new Map();
      node.size = 4096;
    } else {
      node.node_ops = fileOps;
      node.stream_ops = fileStreamOps;
      node.pieces = [];
      node.tail = new Uint8Array(0);
      node.size = 0;
    }
    if (parent) {
      parent.entries.set(name, node);
      touch(parent);
    }
    return node;
  }

  // The bytes of a file go; those it held in memory return to the budget.
  function release(node) {
    if (!FS.isFile(node.mode)) return;
    node.pieces.forEach(function (piece) {
      if (!(piece instanceof Uint8Array)) return;
      bytesInMemory -= piece.length;
    });
    bytesInMemory -= node.tail.length;
    node.pieces = [];
    node.tail = new Uint8Array(0);
    node.size = 0;
    node.readPiece = node.readBytes = null;
  }

  // A file cut back to `size` (the scan takes back a value it could not finish): the pieces
  // past it go, and the piece it ends in becomes the tail again.
  function shorten(node, size) {
    var whole = Math.floor(size / pieceSize);
    if (whole < node.pieces.length) {
      var tail = pieceBytes(node, whole).slice(0, size % pieceSize);
      node.pieces.splice(whole).forEach(function (piece) {
        if (piece instanceof Uint8Array) bytesInMemory -= piece.length;
      });
      bytesInMemory += tail.length - node.tail.length;
      node.tail = tail;
      node.readPiece = node.readBytes = null;
    }
    node.size = size;
  }

  function removeEntry(parent, name) {
    var node = parent.entries.get(name);
    if (FS.isDir(node.mode) && node.entries.size > 0) fail(ENOTEMPTY);
    parent.entries.delete(name);
    touch(parent);
    release(node);
    return node;
  }

  var directoryOps = {
    getattr: getattr,
    setattr: setattr,
    lookup: function () {
      fail(ENOENT);  // every name of the type is in Emscripten's table of names
    },
    mknod: createNode,
    rename: function (node, newParent, newName) {
      // The name replaced goes as an unlink or rmdir of it would take it, table of names included.
      var replaced = newParent.entries.get(newName);
      if (replaced) {
        (FS.isDir(replaced.mode) ? FS.rmdir : FS.unlink)(FS.getPath(newParent) + '/' + newName);
      }
      node.parent.entries.delete(node.name);
      touch(node.parent);
      node.name = newName;
      node.parent = newParent;
      newParent.entries.set(newName, node);
      touch(newParent);
    },
    unlink: removeEntry,
    rmdir: removeEntry,
    readdir: function (node) {
      return ['.', '..'].concat(Array.from(node.entries.keys()));
    },
  };

  var fileOps = { getattr: getattr, setattr: setattr };

  // The tail is full: it joins the pieces, in memory while the budget allows, else as a blob,
  // which copies it, so that its room serves again.
  function keepTail(node) {
    if (bytesInMemory <= memoryBudget || !canUseBlobs) {
      node.pieces.push(node.tail);
      node.tail = new Uint8Array(0);
    } else {
      node.pieces.push(new Blob([node.tail]));
    }
  }

  // Room for `length` more bytes in the tail: a whole piece for a file that has filled one, else
  // doubling, so that small files stay small.
  function growTail(node, length) {
    var used = node.size % pieceSize;
    if (node.tail.length >= used + length) return;
    var grown = new Uint8Array(node.pieces.length > 0 ? pieceSize
      : Math.min(pieceSize, Math.max(firstTail, used + length, node.tail.length * 2)));
    grown.set(node.tail.subarray(0, used));
    bytesInMemory += grown.length - node.tail.length;
    node.tail = grown;
  }

  function append(node, buffer, offset, length) {
    for (var done = 0; done < length;) {
      var used = node.size % pieceSize;
      var part = Math.min(length - done, pieceSize - used);
      growTail(node, part);
      node.tail.set(buffer.subarray(offset + done, offset + done + part), used);
      node.size += part;
      done += part;
      if (used + part === pieceSize) keepTail(node);
    }
  }

  // The bytes of piece `i`; each file keeps those of the blob it read last.
  function pieceBytes(node, i) {
    if (i === node.pieces.length) return node.tail;
    var piece = node.pieces[i];
    if (piece instanceof Uint8Array) return piece;
    if (node.readPiece !== i) {
      node.readBytes = readBlob(piece, EIO);
      node.readPiece = i;
    }
    return node.readBytes;
  }

  function readPieces(node, buffer, offset, length, position) {
    for (var done = 0; done < length;) {
      var at = position + done;
      var start = at % pieceSize;
      var part = pieceBytes(node, Math.floor(at / pieceSize))
        .subarray(start, start + Math.min(length - done, pieceSize - start));
      buffer.set(part, offset + done);
      done += part.length;
    }
    if (!phases.has(node)) phases.set(node, phases.size === 0 ? 'xml' : 'results');
    onRead(phases.get(node), position + length, node.size);
  }

  // The export's bytes, through a window over its blob.
  function readExport(node, buffer, offset, length, position) {
    var end = position + length;
    var window = node.window;
    if (position < window.start || end > window.start + window.bytes.length) {
      var windowEnd = Math.min(node.size, Math.max(end, position + windowSize));
      window = node.window =
        { start: position, bytes: readBlob(node.blob.slice(position, windowEnd), EIO) };
      // The directory at the end is read first: progress counts the bytes read, not where.
      node.bytesRead = Math.min(node.size, node.bytesRead + windowEnd - position);
      onRead('archive', node.bytesRead, node.size);
    }
    buffer.set(window.bytes.subarray(position - window.start, end - window.start), offset);
  }

  function llseek(stream, offset, whence) {
    var base = [0, stream.position, stream.node.size][whence];
    if (base === undefined || base + offset < 0) fail(EINVAL);
    return base + offset;
  }

  // A stream of the type is counted while open, an open past the limit failing. A byte of the
  // export is read when it is opened, so that a file the user removed since choosing it is not
  // found, as on a disk. A stream refused is made already: it is closed again.
  function open(stream) {
    streamsOpen++;
    try {
      if (streamsOpen > streamLimit) fail(EMFILE);
      if (stream.node.blob) readBlob(stream.node.blob.slice(0, 1), ENOENT);
    } catch (error) {
      FS.close(stream);
      throw error;
    }
  }

  function close() {
    streamsOpen--;
  }

  var directoryStreamOps = { open: open, close: close, llseek: llseek };

  var fileStreamOps = {
    open: open,
    close: close,
    llseek: llseek,
    read: function (stream, buffer, offset, length, position) {
      var node = stream.node;
      var size = Math.max(0, Math.min(node.size - position, length));
      if (size > 0) (node.blob ? readExport : readPieces)(node, buffer, offset, size, position);
      return size;
    },
    write: function (stream, buffer, offset, length, position) {
      var node = stream.node;
      if (node.blob) fail(EACCES);
      if (position !== node.size) fail(EOPNOTSUPP);
      append(node, buffer, offset, length);
      touch(node);
      return length;
    },
  };

  return {
    mount: function () {
      return createNode(null, '/', 16877);  // 040755
    },
    // Places `blob` (a File or Blob) at `path`, read-only, its reads reported as phase
    // 'archive'.
    place: function (path, blob) {
      var node = FS.mknod(path, 33060, 0);  // 0100444
      node.blob = blob;
      node.size = blob.size;
      node.window = { start: 0, bytes: new Uint8Array(0) };
      node.bytesRead = 0;
      phases.clear();
    },
    // A file's bytes as a blob, its blob pieces not copied.
    blob: function (path) {
      var node = FS.lookupPath(path, { follow: true }).node;
      if (node.blob) return node.blob;
      return new Blob(node.pieces.concat([node.tail.subarray(0, node.size % pieceSize)]));
    },
    watchReads: function (callback) {
      onRead = callback;
    },
    bytesInMemory: function () {
      return bytesInMemory;
    },
  };
})();

FS.mkdir('/export');
FS.mount(pageFiles, {}, '/export');
FS.mkdir('/home/web_user/.cache');
FS.mount(pageFiles, {}, '/home/web_user/.cache');

Module['placeFile'] = pageFiles.place;
Module['fileBlob'] = pageFiles.blob;
// `callback(phase, done, size)` learns every read of a file, `done` of its `size` bytes read:
// phase 'archive', the export; 'xml', the first other file read since the export was placed
// (the extracted XML, as the conversion scans it); 'results', those read after it (the
// conversion's work file, as it writes the results).
Module['watchReads'] = pageFiles.watchReads;
Module['bytesInMemory'] = pageFiles.bytesInMemory;
