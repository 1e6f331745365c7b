// In a worker, a file that grows past two pieces of 4 MiB keeps its bytes as blobs, a piece at
// a time, and only its last bytes in memory: the browser may hold blobs out of the worker's
// memory, so that an export's extracted XML, its work file and its results are never whole in
// memory. Reading a blob back needs FileReaderSync, which only workers have.
if (typeof FileReaderSync === 'function') (function () {
  var pieceSize = 4 << 20;
  var write = MEMFS.stream_ops.write;
  var read = MEMFS.stream_ops.read;
  var resize = MEMFS.resizeFileStorage;
  var dataOf = MEMFS.getFileDataAsTypedArray;
  var reader = new FileReaderSync();
  var cached = { piece: null, bytes: null };  // the piece read last

  function pieceBytes(piece) {
    if (cached.piece !== piece) {
      cached = { piece: piece, bytes: new Uint8Array(reader.readAsArrayBuffer(piece)) };
    }
    return cached.bytes;
  }

  // Back to a file whole in memory, for what writes or maps its earlier bytes.
  function gather(node) {
    if (!node.pieces) return;
    var contents = new Uint8Array(node.usedBytes);
    node.pieces.forEach(function (piece, i) { contents.set(pieceBytes(piece), i * pieceSize); });
    contents.set(node.tail.contents.subarray(0, node.tail.usedBytes), node.tailStart);
    node.contents = contents;
    node.pieces = node.tail = null;
    cached = { piece: null, bytes: null };
  }

  // The first bytes of the tail become pieces while it holds two pieces or more.
  function spill(node) {
    if (!node.pieces) {
      node.pieces = [];
      node.tail = { contents: node.contents, usedBytes: node.usedBytes };
      node.tailStart = 0;
      node.contents = null;
    }
    var tail = node.tail;
    while (tail.usedBytes >= 2 * pieceSize) {
      node.pieces.push(new Blob([tail.contents.subarray(0, pieceSize)]));
      tail.contents.copyWithin(0, pieceSize, tail.usedBytes);
      tail.usedBytes -= pieceSize;
      node.tailStart += pieceSize;
    }
  }

  MEMFS.stream_ops.write = function (stream, buffer, offset, length, position, canOwn) {
    var node = stream.node;
    var written;
    if (node.pieces && position < node.tailStart) gather(node);
    if (!node.pieces) {
      written = write(stream, buffer, offset, length, position, canOwn);
      if (node.usedBytes >= 2 * pieceSize && node.contents.subarray) spill(node);
      return written;
    }
    node.timestamp = Date.now();
    written = write({ node: node.tail }, buffer, offset, length, position - node.tailStart, false);
    node.usedBytes = node.tailStart + node.tail.usedBytes;
    spill(node);
    return written;
  };

  MEMFS.stream_ops.read = function (stream, buffer, offset, length, position) {
    var node = stream.node;
    if (!node.pieces) return read(stream, buffer, offset, length, position);
    var size = Math.max(0, Math.min(node.usedBytes - position, length));
    for (var done = 0; done < size;) {
      var at = position + done;
      var part;
      if (at < node.tailStart) {
        var bytes = pieceBytes(node.pieces[Math.floor(at / pieceSize)]);
        part = bytes.subarray(at % pieceSize, Math.min(pieceSize, at % pieceSize + size - done));
      } else {
        part = node.tail.contents.subarray(at - node.tailStart, at - node.tailStart + size - done);
      }
      buffer.set(part, offset + done);
      done += part.length;
    }
    return size;
  };

  MEMFS.resizeFileStorage = function (node, newSize) {
    if (node.pieces && newSize === 0) node.pieces = node.tail = null;
    gather(node);
    resize(node, newSize);
  };

  MEMFS.getFileDataAsTypedArray = function (node) {
    gather(node);
    return dataOf(node);
  };

  // The file at `path` as a blob, its pieces not copied: for the page to offer as a download.
  Module['fileBlob'] = function (path) {
    var node = FS.lookupPath(path).node;
    if (!node.pieces) return new Blob([MEMFS.getFileDataAsTypedArray(node)]);
    return new Blob(node.pieces.concat([node.tail.contents.subarray(0, node.tail.usedBytes)]));
  };

  var allocate = MEMFS.stream_ops.allocate;
  var mmap = MEMFS.stream_ops.mmap;
  MEMFS.stream_ops.allocate = function (stream, offset, length) {
    gather(stream.node);
    return allocate(stream, offset, length);
  };
  MEMFS.stream_ops.mmap = function (stream, address, length, position, prot, flags) {
    gather(stream.node);
    return mmap(stream, address, length, position, prot, flags);
  };
})();
