#!/usr/bin/env python3
"""The Windows converter under Wine against this build's converter: the same exit status, the
same messages and byte-identical result files, on the example export (in both kinds, also in a
folder with an accented name) and on each hostile export. Exits with 77, saying why, where there
is no Windows build or no Wine."""
import os
import shutil
import subprocess
import sys
from pathlib import Path

import wine_run


def run(command, folder, env, shown_folder):
    """The exit status and the messages, with the export's folder as Wine or Linux names it
    written as "DOSSIER" and the line ends of each system made alike."""
    done = subprocess.run(command, cwd=folder, env=env, stdout=subprocess.PIPE,
                          stderr=subprocess.STDOUT, timeout=600)
    output = done.stdout.decode("utf-8", "replace").replace("\r\n", "\n")
    output = output.replace(shown_folder + "\\", "DOSSIER/").replace(shown_folder, "DOSSIER")
    return done.returncode, output


def contents(folder):
    return {path.relative_to(folder).as_posix(): path.read_bytes()
            for path in sorted(folder.rglob("*")) if path.is_file()}


def main():
    args = wine_run.arguments("linux", "windows", "wine", "hostile", "example", "work")
    why = wine_run.missing(args.windows, "Windows converter", args.wine)
    if why:
        print(why)
        return wine_run.SKIPPED

    work = wine_run.fresh_folder(args.work)
    exports = work / "exports"
    exports.mkdir(parents=True)
    subprocess.run([args.hostile, str(exports)], check=True)
    cases = [(path.stem, path, "", []) for path in sorted(exports.glob("*.jad"))]
    example = Path(args.example)
    cases += [("example", example, "", []), ("example-txt", example, "", ["--txt"]),
              ("example-accented", example, "classe élèves", [])]

    linux_env = dict(os.environ, XDG_CACHE_HOME=str(work / "cache"))
    wine_env = wine_run.wine_environment(args.wine, work / "wine-prefix")
    failures = 0
    for name, source, subfolder, options in cases:
        outcomes = []
        for side, command in (("linux", [args.linux]), ("windows", [args.wine, args.windows])):
            folder = work / side / name / subfolder
            folder.mkdir(parents=True)
            shutil.copy(source, folder / source.name)
            if side == "linux":
                status, output = run(command + options + [source.name], folder, linux_env,
                                     str(folder))
            else:
                status, output = run(command + options + [source.name], folder, wine_env,
                                     "Z:" + str(folder).replace("/", "\\"))
            outcomes.append((status, output, contents(folder)))
        (linux_status, linux_output, linux_files), (win_status, win_output, win_files) = outcomes
        problems = []
        if linux_status != win_status:
            problems.append(f"exit status {linux_status} on Linux, {win_status} on Windows")
        if linux_output != win_output:
            problems.append(f"messages differ:\n--- Linux\n{linux_output}--- Windows\n{win_output}")
        if linux_files.keys() != win_files.keys():
            problems.append(f"files differ: {sorted(linux_files)} vs {sorted(win_files)}")
        else:
            problems += [f"{file} differs" for file in linux_files
                         if linux_files[file] != win_files[file]]
        print(f"{name}: {'same' if not problems else 'DIFFERENT'} (status {linux_status})")
        for problem in problems:
            print("  " + problem)
        failures += bool(problems)
    print(f"{len(cases) - failures} of {len(cases)} exports converted alike")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
