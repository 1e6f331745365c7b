"""What the Windows tests driven from Linux share: their options, the skip (exit status 77) when
there is nothing to test or no Wine, a fresh work folder, and Wine's environment in a prefix of
the test's own."""
import argparse
import os
import shutil
import subprocess
from pathlib import Path

SKIPPED = 77


def arguments(*names):
    parser = argparse.ArgumentParser()
    for name in names:
        parser.add_argument("--" + name, required=True)
    return parser.parse_args()


def missing(tested, what, wine):
    """Why the test cannot run, or None: `tested` is the file under test, `what` what it is."""
    if not Path(tested).is_file():
        return f"skipped: no {what} at {tested}"
    if not wine or not Path(wine).is_file():
        return "skipped: Wine is not installed"
    return None


def wine_for(architecture):
    """The Wine loader that runs programs of `architecture` (x64 or x86), and the settings of a
    prefix for them; None and why where this machine has none. Debian 12's 64-bit loader is
    wine64. An x86 build is packaged only where its tests ran, so under a 32-bit Wine."""
    folder = Path("/usr/lib/wine")
    if architecture == "x86":
        return folder / "wine", None, {"WINEARCH": "win32"}
    for name in ("wine64", "wine"):
        if (folder / name).is_file():
            return folder / name, None, {}
    return None, "skipped: Wine is not installed", {}


def fresh_folder(path):
    folder = Path(path)
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    return folder


def wine_environment(wine, prefix, **settings):
    """Wine's environment in `prefix`, made now: Wine says so when it makes one, once, before
    anything is compared. Wine reads the system's file names through the locale: a UTF-8 one,
    whatever the caller's."""
    env = dict(os.environ, WINEPREFIX=str(prefix), WINEDEBUG="-all", LANG="C.UTF-8", **settings)
    subprocess.run([wine, "cmd", "/c", "exit"], env=env, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=300)
    return env
