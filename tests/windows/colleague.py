#!/usr/bin/env python3
"""What a colleague can put in a class folder shared with a teacher, under the names the
converter writes (its lock, its record, a temporary, a result): the Windows converter under Wine,
which follows Unix links behind the program's back, and this build's converter, each must leave
the teacher's own file and what the colleague put there as they were, and refuse with a message
naming it rather than wait. Exits with 77, saying why, where there is no Windows build or Wine."""
import os
import shutil
import subprocess
import sys
from pathlib import Path

import wine_run

NOTES = b"les notes de l'enseignante\n"
COLLEAGUE = 65534  # a user other than the teacher, who owns what is planted
CLASS_GROUP = 100  # the group of a class folder that every teacher of the class may write


def plant_link(place, notes):
    place.symlink_to(notes)
    os.lchown(place, COLLEAGUE, COLLEAGUE)


def plant_folder(place, notes):
    place.mkdir()
    os.lchown(place, COLLEAGUE, COLLEAGUE)


# What is planted, under which name, and whether the conversion must refuse (naming it) or go
# on without touching it.
CASES = [
    ("a link under the lock's name", ".ce2-a1.c01.~ferolan-lock", plant_link, True),
    ("a folder under the lock's name", ".ce2-a1.c01.~ferolan-lock", plant_folder, True),
    ("a link under the record's name", ".ce2-a1.c01.~ferolan-record", plant_link, True),
    ("a link under a temporary's name", ".CE2-A1.c01.~ferolan-tmp-abcdefgh", plant_link, False),
    ("a link under a result's name", "CE2-A1.c01", plant_link, True),
]


def main():
    args = wine_run.arguments("linux", "windows", "wine", "example", "work")
    why = wine_run.missing(args.windows, "Windows converter", args.wine)
    if why is None and os.geteuid() != 0:
        why = "skipped: planting a colleague's files needs root"
    if why:
        print(why)
        return wine_run.SKIPPED
    work = wine_run.fresh_folder(args.work)
    linux_env = dict(os.environ, XDG_CACHE_HOME=str(work / "cache"))
    wine_env = wine_run.wine_environment(args.wine, work / "wine-prefix")
    failures = 0
    for number, (what, name, plant, refused) in enumerate(CASES):
        for side, command, env in (("linux", [args.linux], linux_env),
                                   ("windows", [args.wine, args.windows], wine_env)):
            case = work / side / str(number)
            folder = case / "classe"
            folder.mkdir(parents=True)
            os.chown(folder, 0, CLASS_GROUP)
            folder.chmod(0o2775)
            notes = case / "notes.txt"
            notes.write_bytes(NOTES)
            shutil.copy(args.example, folder / "CE2-A.jad")
            plant(folder / name, notes)
            done = subprocess.run(command + ["CE2-A.jad"], cwd=folder, env=env,
                                  stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=120)
            output = done.stdout.decode("utf-8", "replace")
            problems = []
            if notes.read_bytes() != NOTES:
                problems.append("the teacher's notes were changed or removed")
            if not (folder / name).is_symlink() and not (folder / name).is_dir():
                problems.append("what the colleague put there is gone")
            if refused and (done.returncode != 1 or name not in output):
                problems.append(f"not refused naming {name}: {done.returncode}, {output!r}")
            if not refused and (done.returncode != 0 or "Traitement terminé." not in output):
                problems.append(f"not converted: {done.returncode}, {output!r}")
            if "une autre conversion" in output:
                problems.append("taken for another conversion, and waited for")
            if problems:
                failures += 1
                print(f"FAIL {side}, {what}: " + "; ".join(problems))
            else:
                print(f"ok   {side}, {what}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
