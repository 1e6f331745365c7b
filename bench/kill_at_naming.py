#!/usr/bin/env python3
"""Kills ferolan-convert with SIGKILL the moment its second result gets its staged name, just
before the renames (seen through inotify), and counts the runs that left a new result beside an
old one.   bench/kill_at_naming.py CONVERT EXPORT.jad TRIES"""
import ctypes
import os
import select
import signal
import struct
import subprocess
import sys

IN_CREATE = 0x100
libc = ctypes.CDLL("libc.so.6", use_errno=True)


def main():
    convert, jad, tries = sys.argv[1], sys.argv[2], int(sys.argv[3])
    folder = os.path.dirname(os.path.abspath(jad))
    base = os.path.basename(jad)[:-4]
    french, maths = (os.path.join(folder, base + end) for end in ("1.c01", "2.c01"))
    second = ("." + base + "2.c01.~ferolan-new-").encode()
    counts = {"old": 0, "new": 0, "mixed": 0, "missed": 0}
    for _ in range(tries):
        for path, text in ((french, b"old french\r\n"), (maths, b"old maths\r\n")):
            with open(path, "wb") as out:
                out.write(text)
        watch = libc.inotify_init1(os.O_NONBLOCK)
        libc.inotify_add_watch(watch, folder.encode(), IN_CREATE)
        run = subprocess.Popen([convert, "--casimir", jad], stdout=subprocess.DEVNULL)
        killed = False
        while run.poll() is None and not killed:
            if not select.select([watch], [], [], 0.5)[0]:
                continue
            events = os.read(watch, 65536)
            offset = 0
            while offset < len(events):
                _, _, _, length = struct.unpack_from("iIII", events, offset)
                name = events[offset + 16:offset + 16 + length].rstrip(b"\0")
                offset += 16 + length
                if name.startswith(second):
                    run.send_signal(signal.SIGKILL)
                    killed = True
                    break
        run.wait()
        os.close(watch)
        with open(french, "rb") as one, open(maths, "rb") as other:
            state = (one.read(3) == b"old", other.read(3) == b"old")
        if not killed:
            counts["missed"] += 1
        elif state == (True, True):
            counts["old"] += 1
        elif state == (False, False):
            counts["new"] += 1
        else:
            counts["mixed"] += 1
    print("SIGKILL at the second temporary's naming, %d tries: %d left both old, %d both new, "
          "%d mixed, %d ended before the kill" % (tries, counts["old"], counts["new"],
                                                  counts["mixed"], counts["missed"]))
    return 1 if counts["mixed"] else 0


if __name__ == "__main__":
    sys.exit(main())
