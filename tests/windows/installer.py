#!/usr/bin/env python3
"""One Windows installer under Wine, in a fresh prefix of its own: a silent install puts the
files, the Start menu shortcut and the uninstall key in place; the installed converter converts
the example export as this build's converter does; a silent uninstall takes away all it
installed but leaves a file of the user's in the folder. The 32-bit one runs in a 32-bit
prefix, as on 32-bit Windows. Exits with 77, saying why, where there is no installer or no Wine
for it."""
import os
import shutil
import subprocess
import sys
from pathlib import Path

import wine_run

KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Ferolan"
USER_FILE = "mes notes.txt"


def check(condition, message):
    if not condition:
        sys.exit(f"FAILED: {message}")
    print(f"ok: {message}")


def installed_names(file_list):
    """The names of the packages' files (packaging/windows/files), and the uninstaller's."""
    lines = Path(file_list).read_text(encoding="utf-8").splitlines()
    return {Path(line.split()[0]).name for line in lines
            if line.strip() and not line.startswith("#")} | {"uninst.exe"}


def main():
    args = wine_run.arguments("setup", "files", "architecture", "linux", "example", "work")
    wine, why, settings = wine_run.wine_for(args.architecture)
    why = why or wine_run.missing(args.setup, "installer", wine)
    if why:
        print(why)
        return wine_run.SKIPPED

    work = wine_run.fresh_folder(args.work)
    prefix = work / "wine-prefix"
    # No Mono or Gecko to offer, and no menu entry made on this machine for the shortcut.
    env = dict(os.environ, WINEPREFIX=str(prefix), WINEDEBUG="-all", LANG="C.UTF-8",
               WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d", **settings)
    wineserver = wine.with_name("wineserver")

    def run(*command, cwd=None, on=env):
        return subprocess.run(command, env=on, cwd=cwd, capture_output=True, timeout=300)

    def uninstall_key():
        done = run(wine, "reg", "query", KEY)  # Wine's console code page: 437
        return done.stdout.decode("cp437") if done.returncode == 0 else ""

    try:
        run(wine, args.setup, "/S")
        folders = list(prefix.glob("drive_c/users/*/AppData/Local/Programs/Ferolan"))
        check(len(folders) == 1, "installed into %LOCALAPPDATA%\\Programs\\Ferolan")
        folder = folders[0]
        installed = installed_names(args.files)
        check({path.name for path in folder.iterdir()} == installed,
              f"installed files: {', '.join(sorted(installed))}")
        shortcut = folder.parents[2] / "Roaming/Microsoft/Windows/Start Menu/Programs/Ferolan.lnk"
        check(shortcut.is_file() and b"ferolan.exe" in shortcut.read_bytes(),
              "the Start menu shortcut opens ferolan.exe")
        key = uninstall_key()
        check("L'équipe Ferolan" in key and 'uninst.exe" /S' in key,
              "the uninstall key names the publisher and the silent uninstall")

        results = []
        for side, command, on in (
                ("windows", (wine, str(folder / "ferolan-convert.exe")), env),
                ("linux", (args.linux,), dict(os.environ, XDG_CACHE_HOME=str(work / "cache")))):
            # A class folder with an accented name, as teachers name them.
            classe = work / side / "Élèves de CE2"
            classe.mkdir(parents=True)
            shutil.copy(args.example, classe / "CE2-A.jad")
            run(*command, "CE2-A.jad", cwd=classe, on=on)
            results.append({path.name: path.read_bytes() for path in classe.glob("*.c01")})
        check(sorted(results[0]) == ["CE2-A1.c01", "CE2-A2.c01"] and results[0] == results[1],
              "the installed converter writes the two result files, as on Linux")

        (folder / USER_FILE).write_text("à garder")
        # The uninstaller runs a copy of itself from the temporary folder and returns at once:
        # the copy is done when the prefix has no process left.
        run(wine, str(folder / "uninst.exe"), "/S")
        run(wineserver, "-w")
        check([path.name for path in folder.glob("*")] == [USER_FILE],
              "uninstalled every installed file, and only those")
        check(not shortcut.exists() and not uninstall_key(), "removed the shortcut and the key")
    finally:
        run(wineserver, "-k")
    return 0


if __name__ == "__main__":
    sys.exit(main())
