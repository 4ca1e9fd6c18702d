#!/usr/bin/env python3
"""`make mutants`: plants each fault of tools/mutants.txt alone, builds, runs the quick loop (the x86_64 Wine
tests, the i686 static checks) to its first failure and restores the source, whatever happens. With --check, it
only names the faults whose text is no longer in their file exactly once, as make test does."""
import os, re, shutil, signal, subprocess, sys
from pathlib import Path

root = Path(__file__).resolve().parent.parent
logs = root / "build" / "mutants"
child = None

def run(log, *command):
    global child
    with open(log, "a", encoding="utf-8") as out:
        child = subprocess.Popen(command, cwd=root, stdout=out, stderr=out,
                                 env=dict(os.environ, SOUNDCFG_X86_64_ONLY="1"))
        try:
            return child.wait()
        finally:
            child.wait()  # after a stop, until the tests have taken their Wine and displays down

def build(log):
    return not run(log, "cmake", "--build", "build/i686", "--target", "soundcfg") and \
        not run(log, "cmake", "--build", "build/x86_64")

def check(log):
    """"NOT BUILT", "passed", or the first test that failed."""
    if not build(log):
        return "NOT BUILT"
    if run(log, "bash", "tools/run-tests.sh", "--stop-on-failure", "-E", "^BuildIsReproducible") == 0:
        return "passed"
    failed = re.search(r"Test +#\d+: (\S+) \.+\**(?:Failed|Timeout|Exception|Not Run)", log.read_text("utf-8", "replace"))
    return failed.group(1) if failed else "a check outside ctest"

def stop(signum, _frame):
    if child is not None and signum != signal.SIGINT:  # Ctrl+C reaches the tests by itself
        child.send_signal(signal.SIGTERM)
    raise KeyboardInterrupt

def parse(fault):
    """(path, text, replacement, why it is equivalent or "") of a line of tools/mutants.txt."""
    change, _, equivalent = fault.partition("  # equivalent: ")
    path, change = change.split(": ", 1)
    find, replace = (part.replace("\\n", "\n") for part in change.split(" =>"))
    return path, find, replace[1:], equivalent

def main():
    faults = [line for line in (root / "tools" / "mutants.txt").read_text("utf-8").splitlines()
              if line.strip() and not line.startswith("#")]
    stale = [f"tools/mutants.txt, fault {number}: its text is not in {path} exactly once: {fault}"
             for number, fault in enumerate(faults, 1) for path, find, _, _ in [parse(fault)]
             if (root / path).read_text("utf-8").count(find) != 1]
    if stale or "--check" in sys.argv:
        print("\n".join(stale) or f"each of the {len(faults)} faults finds its text exactly once")
        return 1 if stale else 0
    shutil.rmtree(logs, ignore_errors=True)
    logs.mkdir(parents=True)
    if check(logs / "baseline.log") != "passed":
        return "the unchanged sources fail the quick loop: see build/mutants/baseline.log"
    score = dict.fromkeys(["killed", "equivalent", "SURVIVED", "NOT BUILT"], 0)
    for number, fault in enumerate(faults, 1):
        path, find, replace, equivalent = parse(fault)
        source = (root / path).read_bytes()
        try:
            (root / path).write_bytes(source.decode("utf-8").replace(find, replace).encode("utf-8"))
            seen = check(logs / f"{number:03}.log")
        finally:
            (root / path).write_bytes(source)
        verdict = {"passed": "equivalent" if equivalent else "SURVIVED", "NOT BUILT": "NOT BUILT"}.get(seen, "killed")
        score[verdict] += 1  # each run's log stays in build/mutants/
        print(f"{number:3} {verdict:10} {fault}" + (f"  by {seen}" if verdict == "killed" else ""), flush=True)
    build(logs / "restored.log")
    print(f"score: {score['killed']} of {len(faults) - score['NOT BUILT']} faults killed, {score['equivalent']} "
          f"equivalent, {score['SURVIVED']} survived; {score['NOT BUILT']} did not build")

if __name__ == "__main__":
    for signum in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
        signal.signal(signum, stop)
    try:
        sys.exit(main())
    except KeyboardInterrupt:
        sys.exit("stopped; every source is back as it was")
