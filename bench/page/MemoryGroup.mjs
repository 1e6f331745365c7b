// A memory cgroup (v1, /sys/fs/cgroup/memory) of the bench's own, for a browser limited to a
// given memory: what its processes use past the limit is reclaimed or, failing that, killed.
import { mkdirSync, readFileSync, rmdirSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';

const root = '/sys/fs/cgroup/memory';

export class MemoryGroup {
  constructor(limitBytes) {
    this.path = join(root, `ferolan-bench-page-${process.pid}`);
    mkdirSync(this.path);
    writeFileSync(join(this.path, 'memory.limit_in_bytes'), String(limitBytes));
  }

  read(name) {
    return readFileSync(join(this.path, name), 'utf8');
  }

  // The group's peak use in bytes, the page cache of the files it read included.
  peakBytes() {
    return Number(this.read('memory.max_usage_in_bytes'));
  }

  // How many of its processes the kernel killed for memory (0 where the kernel does not say).
  killed() {
    return Number((/^oom_kill (\d+)/m.exec(this.read('memory.oom_control')) || [0, 0])[1]);
  }

  // Removed once its processes have ended, which may take a moment after the browser closed.
  async remove() {
    for (let attempt = 0; ; attempt++) {
      try {
        rmdirSync(this.path);
        return;
      } catch (error) {
        if (error.code !== 'EBUSY' || attempt === 50) throw error;
        await new Promise((resolve) => setTimeout(resolve, 100));
      }
    }
  }
}
