// In a worker, a file that grows past a piece of 4 MiB keeps its bytes as a list of pieces,
// filled one after the other, so that it grows without being copied. The pieces stay in memory
// while all the files hold less than 128 MiB there; past that, each piece filled becomes a blob,
// which the browser holds out of the worker's memory, so that a large export's extracted XML,
// its work file and its results are never all in memory. Blobs cost time to make and to read
// back, hence the files of a usual export stay in memory. Reading a blob back needs
// FileReaderSync, which only workers have. Only appends go to pieces: what writes before the
// end, truncates or maps such a file gathers it whole again.
if (typeof FileReaderSync === 'function') (function () {
  var pieceSize = 4 << 20;
  var memoryBudget = 128 << 20;
  var reader = new FileReaderSync();
  var original = Object.assign({}, MEMFS.stream_ops);
  var resize = MEMFS.resizeFileStorage;
  var dataOf = MEMFS.getFileDataAsTypedArray;

  function forget(node) {
    node.pieces = node.tail = node.readBytes = null;
    node.readPiece = -1;
  }

  // The bytes of piece `i`; each file keeps those of the blob it read last.
  function pieceBytes(node, i) {
    var piece = node.pieces[i];
    if (!(piece instanceof Blob)) return piece;
    if (node.readPiece !== i) {
      node.readBytes = new Uint8Array(reader.readAsArrayBuffer(piece));
      node.readPiece = i;
    }
    return node.readBytes;
  }

  function bytesInMemory(node) {
    if (FS.isFile(node.mode)) {
      if (!node.pieces) return node.contents ? node.contents.length : 0;
      return node.pieces.reduce(function (total, piece) {
        return total + (piece instanceof Blob ? 0 : pieceSize);
      }, pieceSize);
    }
    if (!FS.isDir(node.mode) || !node.contents) return 0;
    return Object.keys(node.contents).reduce(function (total, name) {
      return total + bytesInMemory(node.contents[name]);
    }, 0);
  }

  function gather(node) {
    if (!node.pieces) return;
    var contents = new Uint8Array(node.usedBytes);
    for (var i = 0; i < node.pieces.length; i++) contents.set(pieceBytes(node, i), i * pieceSize);
    contents.set(node.tail.subarray(0, node.usedBytes - node.tailStart), node.tailStart);
    forget(node);
    node.contents = contents;
  }

  // The tail is full: it joins the pieces, in memory while there is room, else as a blob,
  // which copies it, so that its room serves again.
  function keepTail(node) {
    if (bytesInMemory(FS.root) <= memoryBudget) {
      node.pieces.push(node.tail);
      node.tail = new Uint8Array(pieceSize);
    } else {
      node.pieces.push(new Blob([node.tail]));
    }
    node.tailStart += pieceSize;
  }

  function append(node, buffer, offset, length) {
    for (var done = 0; done < length;) {
      var used = node.usedBytes - node.tailStart;
      var part = Math.min(length - done, pieceSize - used);
      node.tail.set(buffer.subarray(offset + done, offset + done + part), used);
      node.usedBytes += part;
      done += part;
      if (used + part === pieceSize) keepTail(node);
    }
    node.timestamp = Date.now();
    return length;
  }

  // A file whole in memory becomes pieces, its bytes appended to an empty tail.
  function divide(node) {
    var contents = node.contents;
    var size = node.usedBytes;
    node.contents = null;
    node.pieces = [];
    node.tail = new Uint8Array(pieceSize);
    node.tailStart = node.usedBytes = 0;
    append(node, contents, 0, size);
  }

  var ops = {
    write: function (stream, buffer, offset, length, position, canOwn) {
      var node = stream.node;
      if (node.pieces && position === node.usedBytes && buffer.subarray) {
        return append(node, buffer, offset, length);
      }
      gather(node);
      var written = original.write(stream, buffer, offset, length, position, canOwn);
      if (node.usedBytes >= pieceSize && node.contents && node.contents.subarray) divide(node);
      return written;
    },
    read: function (stream, buffer, offset, length, position) {
      var node = stream.node;
      if (!node.pieces) return original.read(stream, buffer, offset, length, position);
      var size = Math.max(0, Math.min(node.usedBytes - position, length));
      for (var done = 0; done < size;) {
        var at = position + done;
        var part;
        if (at < node.tailStart) {
          var i = Math.floor(at / pieceSize);
          var start = at - i * pieceSize;
          part = pieceBytes(node, i).subarray(start, Math.min(pieceSize, start + size - done));
        } else {
          part = node.tail.subarray(at - node.tailStart, at - node.tailStart + size - done);
        }
        buffer.set(part, offset + done);
        done += part.length;
      }
      return size;
    },
    allocate: function (stream) {
      gather(stream.node);
      return original.allocate.apply(this, arguments);
    },
    mmap: function (stream) {
      gather(stream.node);
      return original.mmap.apply(this, arguments);
    },
  };

  // Regular files take their operations from MEMFS's table, built from stream_ops when the
  // root was mounted, so both are changed.
  [MEMFS.stream_ops, MEMFS.ops_table && MEMFS.ops_table.file.stream].forEach(function (table) {
    if (!table) return;
    Object.keys(ops).forEach(function (name) {
      if (original[name]) table[name] = ops[name];
    });
  });

  MEMFS.resizeFileStorage = function (node, newSize) {
    if (newSize === 0) forget(node);
    gather(node);
    resize(node, newSize);
  };

  MEMFS.getFileDataAsTypedArray = function (node) {
    gather(node);
    return dataOf(node);
  };

  // The file at `path` as a blob, its blob pieces not copied: for the page to offer as a
  // download.
  Module['fileBlob'] = function (path) {
    var node = FS.lookupPath(path).node;
    if (!node.pieces) return new Blob([MEMFS.getFileDataAsTypedArray(node)]);
    return new Blob(node.pieces.concat([node.tail.subarray(0, node.usedBytes - node.tailStart)]));
  };
})();
