#!/usr/bin/env python3
"""Start-up of the whole program on large dictionaries.

For each size, makes (once) a working folder with a generated dictionary of that many meanings,
starts the real `vocamir` binary there offscreen with VOCAMIR_STARTUP_PROBE set, and measures
from process start until the main window has painted its first rows, the first and second
keystroke into the Russian search box (handled in-process), the time until the program was
ready after those keys, and the peak resident memory. Interleaved with those runs, the `sqlite3`
shell reads every row of every table of the same database, as a floor for what showing the
dictionary can cost. Then the import of the whole dictionary (exported once) into an empty one
through `vocamir-data import`. Prints the median of the runs. Size 0 is an empty dictionary.

Usage:
  startup_bench.py --build BUILD_DIR [--work DIR] [--sizes 10000,100000,300000] [--runs 5] [--xvfb]
                   [--no-import]
With --xvfb the program runs on a virtual X display (display :77, no window manager) as a user's
desktop would run it, instead of offscreen.
BUILD_DIR must hold src/app/vocamir, src/datatool/vocamir-data and bench/vocamir_gen_dictionary
(configure it with
-DCMAKE_BUILD_TYPE=Release -DVOCAMIR_BENCH=ON).
"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import time
from pathlib import Path

SOURCE = Path(__file__).resolve().parents[2]


def prepare(work: Path, generator: Path, meanings: int) -> Path:
    folder = work / f"dict-{meanings}"
    if not (folder / "data" / "vocamir.db").exists():
        if folder.exists():
            shutil.rmtree(folder)
        folder.mkdir(parents=True)
        print(f"generating {meanings} meanings in {folder} ...", file=sys.stderr)
        subprocess.run([str(generator), str(folder), str(meanings)], check=True)
    shutil.copy(SOURCE / "share" / "icons" / "mine.ico", folder / "mine.ico")
    return folder


def run_once(program: Path, folder: Path, display: str) -> dict:
    env = dict(os.environ, VOCAMIR_STARTUP_PROBE="1")
    if display:
        env.update(QT_QPA_PLATFORM="xcb", DISPLAY=display)
    else:
        env["QT_QPA_PLATFORM"] = "offscreen"
    start = time.time()
    process = subprocess.Popen([str(program)], cwd=folder, env=env, stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL, text=True)
    output = process.stdout.read()
    _, status, usage = os.wait4(process.pid, 0)
    values = dict(line.split("=", 1) for line in output.split() if "=" in line)
    if status != 0 or "shown_us" not in values:
        raise RuntimeError(f"the program failed (status {status}): {output!r}")
    return {
        "shown_s": int(values["shown_us"]) / 1e6 - start,
        "first_key_ms": int(values["first_key_us"]) / 1e3,
        "second_key_ms": int(values["second_key_us"]) / 1e3,
        "ready_s": int(values["ready_us"]) / 1e6 - start,
        "rss_mib": usage.ru_maxrss / 1024,
    }


def time_sqlite_read(folder: Path) -> float:
    """Seconds the `sqlite3` shell takes to read every row of every table of `folder`'s database."""
    database = folder / "data" / "vocamir.db"
    tables = subprocess.run(["sqlite3", str(database),
                             "SELECT name FROM sqlite_schema WHERE type = 'table'"],
                            check=True, capture_output=True, text=True).stdout.split()
    query = "".join(f'SELECT * FROM "{table}";' for table in tables)
    start = time.time()
    subprocess.run(["sqlite3", str(database), query], check=True, stdout=subprocess.DEVNULL)
    return time.time() - start


def time_import(tool: Path, folder: Path) -> float:
    """Seconds `vocamir-data import` takes for the whole dictionary of `folder`, into a new one."""
    document = folder / "all.xml"
    if not document.exists():
        subprocess.run([str(tool), "export", str(document)], cwd=folder, check=True,
                       stdout=subprocess.DEVNULL)
    target = folder / "import-target"
    if target.exists():
        shutil.rmtree(target)
    target.mkdir()
    subprocess.run([str(tool), "create", str(target)], check=True, stdout=subprocess.DEVNULL)
    start = time.time()
    subprocess.run([str(tool), "import", str(document)], cwd=target, check=True,
                   stdout=subprocess.DEVNULL)
    elapsed = time.time() - start
    shutil.rmtree(target)
    return elapsed


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", required=True, type=Path)
    parser.add_argument("--work", type=Path, default=Path("/tmp/vocamir-startup-bench"))
    parser.add_argument("--sizes", default="10000,100000,300000")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--xvfb", action="store_true",
                        help="start the program on a virtual X display (Xvfb) instead of offscreen")
    parser.add_argument("--no-import", action="store_true", help="leave out the import column")
    args = parser.parse_args()
    display = ""
    server = None
    if args.xvfb:
        display = ":77"
        server = subprocess.Popen(["Xvfb", display, "-screen", "0", "1280x800x24", "-nolisten",
                                   "tcp"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(1)
    try:
        return measure(args, display)
    finally:
        if server:
            server.terminate()
            server.wait()


def measure(args, display: str) -> int:
    program = (args.build / "src" / "app" / "vocamir").resolve()
    generator = (args.build / "bench" / "vocamir_gen_dictionary").resolve()
    tool = (args.build / "src" / "datatool" / "vocamir-data").resolve()
    header = ("meanings", "shown s", "sqlite3 read s", "shown / read", "first key ms",
              "second key ms", "ready s", "peak RSS MiB", "import s")
    print("| " + " | ".join(header) + " |")
    print("|" + "---|" * len(header))
    for meanings in (int(size) for size in args.sizes.split(",")):
        folder = prepare(args.work, generator, meanings)
        runs = []
        for _ in range(args.runs):
            run = run_once(program, folder, display)
            run["read_s"] = time_sqlite_read(folder)
            runs.append(run)
        median = {key: statistics.median(run[key] for run in runs) for key in runs[0]}
        imported = (float("nan") if args.no_import else
                    statistics.median(time_import(tool, folder) for _ in range(args.runs)))
        print(f"| {meanings} | {median['shown_s']:.3f} | {median['read_s']:.3f} | "
              f"{median['shown_s'] / median['read_s']:.2f} | {median['first_key_ms']:.1f} | "
              f"{median['second_key_ms']:.2f} | {median['ready_s']:.3f} | "
              f"{median['rss_mib']:.0f} | {imported:.2f} |", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
