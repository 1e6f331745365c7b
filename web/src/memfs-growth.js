// Files written in the in-memory file system grow by doubling. Its own rule grows a file past
// 1 MiB by an eighth at a time, copying it whole each time: for the work and result files of a
// large export, about eight copies of every byte written and as many arrays for the collector.
MEMFS.expandFileStorage = function (node, newCapacity) {
  var capacity = node.contents ? node.contents.length : 0;
  if (capacity >= newCapacity) return;
  var contents = new Uint8Array(Math.max(newCapacity, capacity * 2, 256));
  if (node.usedBytes > 0) contents.set(node.contents.subarray(0, node.usedBytes));
  node.contents = contents;
};
