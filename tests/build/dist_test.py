#!/usr/bin/env python3
"""dist_test.py PRODUCT VERSION: packs the release archive in a temporary directory and checks it; packs it again
elsewhere, from copies of the inputs with other times, and expects the same bytes; and has make dist's script pack
it in a scratch repository of its own files, committed, then changed, and expects the second name to say so."""
import codecs, os, re, shutil, subprocess, sys, tempfile, zipfile
from pathlib import Path

source = Path(__file__).resolve().parents[2]
product, version = Path(sys.argv[1]), sys.argv[2]
failures = []

def check(holds, failure):
    if not holds:
        failures.append(failure)

def pack(product, readme, directory):
    subprocess.run([sys.executable, source / "tools/pack.py", product, readme, directory / "soundcfg.zip", version,
                    "1700000000", "0" * 40], check=True)
    return (directory / "soundcfg.zip").read_bytes()

def message(name):
    literals = re.search(rf"{name}\[\] =((?:\s*\"[^\"]*\")+);", (source / "resources/messages.h").read_text())
    return codecs.escape_decode("".join(re.findall(r"\"([^\"]*)\"", literals.group(1))))[0]

with tempfile.TemporaryDirectory() as scratch:
    out, elsewhere = Path(scratch, "out"), Path(scratch, "second/two")
    first = pack(product, source / "docs/readme-zh_TW.txt", Path(scratch))
    with zipfile.ZipFile(Path(scratch, "soundcfg.zip")) as archive:
        check(archive.namelist() == ["soundcfg.exe", "readme.txt", "SHA256SUMS"], f"entries {archive.namelist()}")
        archive.extractall(out)
    check((out / "soundcfg.exe").read_bytes() == product.read_bytes(), "the product is not the build's")
    for checker in (["sha256sum", "--check", "--strict"], ["shasum", "--algorithm", "256", "--check"]):
        check(subprocess.run(checker + ["SHA256SUMS"], cwd=out, stdout=subprocess.DEVNULL).returncode == 0,
              f"{checker[0]} does not check SHA256SUMS")
    # The one format that every common checker reads: lower-case hex, two spaces, the name, LF.
    sums = (out / "SHA256SUMS").read_bytes()
    check(re.fullmatch(rb"[0-9a-f]{64}  soundcfg\.exe\n[0-9a-f]{64}  readme\.txt\n", sums), f"SHA256SUMS reads {sums}")
    readme = (out / "readme.txt").read_bytes()
    text = (source / "docs/readme-zh_TW.txt").read_text("utf-8").replace("@VERSION@", version).replace("\n", "\r\n")
    # Also no byte-order mark: the source has none.
    check(readme.decode("cp950", "replace") == text, "the readme is not its source, decoded as code page 950")
    check(re.search(rb"\r(?!\n)|(?<!\r)\n", readme) is None, "the readme has a line end other than CRLF")
    # In Big5 a character takes as many columns as bytes: two for a Chinese one.
    for number, line in enumerate(readme.split(b"\r\n"), 1):
        check(len(line) <= 76, f"readme line {number} is {len(line)} columns wide")
    failures += [f"the readme lacks {name}" for name in ("kRegistryMissingText", "kSaveFailedText")
                 if message(name) not in readme]

    elsewhere.mkdir(parents=True)
    for copy in (shutil.copy(product, elsewhere), shutil.copy(source / "docs/readme-zh_TW.txt", elsewhere)):
        os.utime(copy, (1000000000, 1000000000))
    check(pack(elsewhere / product.name, elsewhere / "readme-zh_TW.txt", elsewhere) == first,
          "packed again elsewhere, from the same inputs, the archive differs")

    # make dist's own script, in a repository of the files it reads: its archive's name tells a changed tree.
    tree = Path(scratch, "tree")
    for name in ("tools/dist.sh", "tools/pack.py", "docs/readme-zh_TW.txt"):
        (tree / name).parent.mkdir(parents=True, exist_ok=True)
        shutil.copy(source / name, tree / name)
    git = ["git", "-C", tree, "-c", "user.name=soundcfg", "-c", "user.email=soundcfg@localhost"]
    for command in (["init", "-q"], ["add", "."], ["commit", "-qm", "release"]):
        subprocess.run(git + command, check=True)
    for change in ("", "changed\n"):
        with open(tree / "docs/readme-zh_TW.txt", "a", encoding="utf-8") as file:
            file.write(change)
        subprocess.run(git + ["add", "."], check=True)  # staged is still uncommitted
        subprocess.run(["bash", tree / "tools/dist.sh", product], check=True, stdout=subprocess.DEVNULL)
    names = sorted(path.name for path in (tree / "dist").glob("*.zip"))
    check(names == [f"soundcfg-{version}-uncommitted.zip", f"soundcfg-{version}.zip"], f"make dist named {names}")

print("\n".join(f"FAIL: {failure}" for failure in failures) or "the release archive holds what it must, twice the same")
sys.exit(1 if failures else 0)
