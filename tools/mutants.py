#!/usr/bin/env python3
"""`make mutants`: plants each fault of tools/mutants.txt in the product's
sources alone, builds, runs the quick loop (the x86_64 build's Wine tests and
the static checks of the i686 product) up to its first failure, and puts the
source back, whatever happens. One line a fault, then the score; each run's
log goes to build/mutants/."""
import os
import re
import signal
import subprocess
import sys
from pathlib import Path

root = Path(__file__).resolve().parent.parent
logs = root / "build" / "mutants"
failed_test = re.compile(r"Test +#\d+: (\S+) \.+\**(?:Failed|Timeout|Exception|Not Run)")
quick_loop = ["bash", "tools/run-tests.sh", "--stop-on-failure", "-E", "^BuildIsReproducible$"]
child = None


def faults():
    for line in (root / "tools" / "mutants.txt").read_text(encoding="utf-8").splitlines():
        if line.strip() and not line.startswith("#"):
            path, change = line.split(": ", 1)
            find, replace = change.split(" =>")
            find, replace = (part.replace("\\n", "\n") for part in (find, replace[1:]))
            yield line, root / path, find, replace


def run(command, log):
    """Runs a command into the log; a stop of this runner waits for its end."""
    global child
    with open(log, "a", encoding="utf-8") as out:
        child = subprocess.Popen(command, cwd=root, stdout=out, stderr=subprocess.STDOUT,
                                 env={**os.environ, "SOUNDCFG_X86_64_ONLY": "1"})
        try:
            return child.wait()
        finally:
            child.wait()
            child = None


def first_failure(log):
    found = failed_test.search(log.read_text(encoding="utf-8", errors="replace"))
    return found.group(1) if found else "a check outside ctest"


def build(log):
    return (run(["cmake", "--build", "build/i686", "--target", "soundcfg"], log) == 0 and
            run(["cmake", "--build", "build/x86_64"], log) == 0)


def stop(signum, _frame):
    # Ctrl+C reaches the tests too; a TERM or HUP is passed on, so that they
    # take their Wine and displays down before the source is put back.
    if child is not None and signum != signal.SIGINT:
        child.send_signal(signal.SIGTERM)
    raise KeyboardInterrupt


def main():
    for signum in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
        signal.signal(signum, stop)
    logs.mkdir(parents=True, exist_ok=True)
    for old in logs.glob("*.log"):
        old.unlink()
    baseline = logs / "baseline.log"
    if not build(baseline) or run(quick_loop, baseline) != 0:
        print(f"the unchanged tree fails the quick loop ({first_failure(baseline)}); see {baseline}")
        return 1
    killed = survived = unbuilt = 0
    for number, (line, path, find, replace) in enumerate(faults(), 1):
        source = path.read_bytes()
        text = source.decode("utf-8")
        if text.count(find) != 1:
            print(f"{number:3} LIST ERROR  {line}  (found {text.count(find)} times)")
            return 1
        log = logs / f"{number:03}.log"
        try:
            path.write_bytes(text.replace(find, replace).encode("utf-8"))
            if not build(log):
                unbuilt += 1
                print(f"{number:3} NOT BUILT   {line}", flush=True)
            elif run(quick_loop, log) != 0:
                killed += 1
                print(f"{number:3} killed      {line}  by {first_failure(log)}", flush=True)
            else:
                survived += 1
                print(f"{number:3} SURVIVED    {line}", flush=True)
        finally:
            path.write_bytes(source)
    build(logs / "restored.log")
    print(f"score: {killed} of {killed + survived} faults killed; {unbuilt} did not build")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except KeyboardInterrupt:
        print("stopped; every source is back as it was")
        sys.exit(130)
