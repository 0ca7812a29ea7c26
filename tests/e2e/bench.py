"""The Wine test bench: a fresh prefix per test run, the tools copied into it with a
recording stub beside them, and a runner that starts a tool with an exact command line
and reports its message boxes, its exit code and the records of what it started.

Run as a script: `bench.py setup` makes the prefix, `bench.py cleanup` stops its
wineserver. The tests import it.
"""

import os
import shutil
import subprocess
import sys
import time
import uuid
from dataclasses import dataclass, field
from pathlib import Path

BUILD = Path(os.environ.get("BENCH_BUILD_DIR", Path(__file__).resolve().parents[2] / "build" / "win64"))
WINE_ROOT = BUILD / "wine"
PREFIX = WINE_ROOT / "prefix"
DRIVE_C = PREFIX / "drive_c"
WORK = WINE_ROOT / "work"
LOCALE_DIR = BUILD / "locale"
TOOLS_DIR = BUILD / "bin"
BENCH_DIR = BUILD / "bench"

WINE = os.environ.get("BENCH_WINE", "/usr/lib/wine/wine64")
WINESERVER = os.environ.get("BENCH_WINESERVER", "/usr/lib/wine/wineserver")

CODE_PAGE = "cp932"


def wine_env(**extra):
    """The environment of every Wine run: its own prefix, home and temporary folder, a
    Japanese locale (so that the ANSI code page is 932), and no desktop integration."""
    env = {key: value for key, value in os.environ.items() if not key.startswith("WINE")}
    env.update(
        WINEPREFIX=str(PREFIX),
        WINEARCH="win64",
        WINEDEBUG=os.environ.get("BENCH_WINEDEBUG", "-all"),
        WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d",
        HOME=str(WINE_ROOT / "home"),
        TMPDIR=str(WINE_ROOT / "tmp"),
        LOCPATH=str(LOCALE_DIR),
        LC_ALL="ja_JP.UTF-8",
        LANG="ja_JP.UTF-8",
    )
    env.update(extra)
    return env


def wine(*args, check=True, env=None, timeout=120, cwd=None):
    """Runs a Windows program. Its output goes to files, not pipes: processes that Wine
    starts on the side (services, the desktop) would hold a pipe open for ever."""
    out_path = WORK / f"wine-{uuid.uuid4().hex}.out"
    WORK.mkdir(parents=True, exist_ok=True)
    with open(out_path, "w+b") as out:
        result = subprocess.run([WINE, *map(str, args)], env=env or wine_env(),
                                stdin=subprocess.DEVNULL, stdout=out, stderr=subprocess.STDOUT,
                                timeout=timeout, cwd=cwd)
        out.seek(0)
        result.stdout = out.read()
    out_path.unlink()
    if check and result.returncode != 0:
        raise RuntimeError(f"{args[0]} failed ({result.returncode}): "
                           f"{result.stdout.decode(errors='replace')}")
    return result


def make_locale():
    """A glibc ja_JP.UTF-8 locale in the build folder: without it Wine cannot map
    double-byte file names, and no system change is needed for it."""
    if (LOCALE_DIR / "ja_JP.UTF-8" / "LC_CTYPE").exists():
        return
    LOCALE_DIR.mkdir(parents=True, exist_ok=True)
    subprocess.run(["localedef", "-i", "ja_JP", "-f", "UTF-8", str(LOCALE_DIR / "ja_JP.UTF-8")],
                   check=False, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    if not (LOCALE_DIR / "ja_JP.UTF-8" / "LC_CTYPE").exists():
        sys.exit("localedef could not build ja_JP.UTF-8 (is the locales package installed?)")


def setup():
    if not os.environ.get("DISPLAY"):
        sys.exit("no DISPLAY: run the tests under xvfb-run")
    make_locale()
    subprocess.run([WINESERVER, "-k"], env=wine_env(), check=False,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    shutil.rmtree(WINE_ROOT, ignore_errors=True)
    for folder in (PREFIX, WINE_ROOT / "home", WINE_ROOT / "tmp", WORK):
        folder.mkdir(parents=True, exist_ok=True)
    # Keep one wineserver for the whole run: every test then starts in a fraction of a second.
    subprocess.Popen([WINESERVER, "-p"], env=wine_env(), stdin=subprocess.DEVNULL,
                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wine("wineboot", "-i", timeout=300)
    # Without a window manager a managed window makes each process wait at exit.
    wine("reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed", "/d", "N", "/f")
    if not DRIVE_C.is_dir():
        sys.exit("wineboot made no drive_c")
    print("prefix ready:", PREFIX)


def cleanup():
    subprocess.run([WINESERVER, "-k"], env=wine_env(), check=False,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


# ---------------------------------------------------------------------------------------
# Paths inside the prefix

def c_path(windows_path):
    """The Unix path of a path on drive C:, given as text such as r'C:\\Data\\a.txt'."""
    assert windows_path[:3].upper() == "C:\\", windows_path
    return DRIVE_C.joinpath(*[part for part in windows_path[3:].split("\\") if part])


def fresh_folder(name):
    """An empty folder C:\\<name>-<unique>, returned as (windows path, unix path)."""
    unique = f"{name}-{uuid.uuid4().hex[:8]}"
    (DRIVE_C / unique).mkdir(parents=True)
    return "C:\\" + unique, DRIVE_C / unique


def install_tools(*tools, stub_as=("explorer.exe",)):
    """Copies the tools into a fresh folder of drive C:, with the recording stub beside
    them under each name in stub_as; returns the folder's Windows path."""
    windows, unix = fresh_folder("tools")
    for tool in tools:
        shutil.copy2(TOOLS_DIR / f"{tool}.exe", unix / f"{tool}.exe")
    for name in stub_as:
        shutil.copy2(BENCH_DIR / "bench-record.exe", unix / name)
    return windows


def make_link(link_windows, target):
    """A shell link at link_windows (on C:) to target, made by the shell link object."""
    result = wine(BENCH_DIR / "bench-link.exe", link_windows, target, check=False)
    if result.returncode != 0:
        raise RuntimeError(f"bench-link failed: {result.stdout.decode(errors='replace')}")
    return link_windows


def make_advertised_link(link_windows, product_code, feature, component_code):
    """An advertised shortcut at link_windows for the component of the product's feature,
    made by the shell link object from the Installer's descriptor; returns the descriptor.
    bench-link fails unless the Installer splits the descriptor back into the same three."""
    result = wine(BENCH_DIR / "bench-link.exe", link_windows, "--advertised", product_code,
                  feature, component_code, check=False)
    if result.returncode != 0:
        raise RuntimeError(f"bench-link failed: {result.stdout.decode(errors='replace')}")
    return result.stdout.decode(CODE_PAGE).strip().splitlines()[-1]


def msiexec(*arguments):
    """Runs Wine's msiexec without a user interface; fails the caller on any error."""
    return wine("msiexec", *arguments, "/qn", timeout=300)


# ---------------------------------------------------------------------------------------
# Running a tool

@dataclass
class Box:
    caption: bytes
    text: bytes
    icon: str
    buttons: str


@dataclass
class Record:
    program: bytes
    cmdline: bytes
    cwd: bytes
    path: bytes  # None when the variable was not set
    title: bytes  # None when no title was given
    flags: int
    show: int


@dataclass
class Run:
    exit_code: int
    elapsed_ms: int
    exit_tick: int = None  # GetTickCount when the exit was seen
    boxes: list = field(default_factory=list)
    records: list = field(default_factory=list)
    children_running: int = 0
    trace: bytes = b""  # what Wine wrote to its output, with WINEDEBUG's channels


def _unhex(value):
    return None if value == "-" else bytes.fromhex(value)


def _parse_records(text):
    records, current = [], None
    for line in text.splitlines():
        if line == "record":
            current = {}
        elif line == "end" and current is not None:
            records.append(Record(
                program=_unhex(current["program"]), cmdline=_unhex(current["cmdline"]),
                cwd=_unhex(current["cwd"]), path=_unhex(current["path"]),
                title=_unhex(current["title"]), flags=int(current["flags"]),
                show=int(current["show"])))
            current = None
        elif current is not None and "=" in line:
            key, value = line.split("=", 1)
            current[key] = value
    return records


def quote(windows_path):
    return b'"' + encode(windows_path) + b'"'


def encode(text):
    return text if isinstance(text, bytes) else text.encode(CODE_PAGE)


def start_program(program, *args, env=None):
    """Starts a Windows program of the bench in the background and returns its Popen;
    its output is dropped."""
    return subprocess.Popen([WINE, str(program), *map(str, args)], env=env or wine_env(),
                            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)


def run_tool(folder, tool, *arguments, raw_arguments=None, timeout_ms=30000, env=None,
             cwd=None, file_name=None):
    """Starts <folder>\\<tool>.exe (or <folder>\\<file_name>) through the bench runner.
    Each argument is quoted; raw_arguments (bytes) replaces them all, exactly as written.
    cwd, a Unix folder under drive_c, becomes the current directory that the tool starts
    in (on drive C:)."""
    command = quote(f"{folder}\\{file_name or tool + '.exe'}")
    if raw_arguments is not None:
        command += b" " + raw_arguments
    else:
        for argument in arguments:
            command += b" " + quote(argument)
    token = uuid.uuid4().hex
    command_file = WORK / f"{token}.cmd"
    report_file = WORK / f"{token}.report"
    record_file = WORK / f"{token}.records"
    command_file.write_bytes(command)
    environment = wine_env(BENCH_RECORD=f"Z:{record_file}".replace("/", "\\"), **(env or {}))
    output = wine(BENCH_DIR / "bench-run.exe", f"Z:{command_file}".replace("/", "\\"),
                  f"Z:{report_file}".replace("/", "\\"), timeout_ms, env=environment,
                  timeout=timeout_ms / 1000 + 60, cwd=cwd).stdout
    report = report_file.read_text()
    run = Run(exit_code=None, elapsed_ms=None, trace=output)
    for line in report.splitlines():
        words = line.split()
        if words[0] == "box":
            values = dict(word.split("=", 1) for word in words[1:])
            run.boxes.append(Box(bytes.fromhex(values["caption"]), bytes.fromhex(values["text"]),
                                 values["icon"], values["buttons"]))
        elif words[0] == "exit":
            run.exit_code = int(words[1])
        elif words[0] == "elapsed":
            run.elapsed_ms = int(words[1])
        elif words[0] == "exit-tick":
            run.exit_tick = int(words[1])
        elif words[0] == "children-running":
            run.children_running = int(words[1])
        elif words[0] in ("timeout", "error"):
            raise AssertionError(f"bench-run: {line}")
    if record_file.exists():
        run.records = _parse_records(record_file.read_text())
    return run


if __name__ == "__main__":
    {"setup": setup, "cleanup": cleanup}[sys.argv[1]]()
