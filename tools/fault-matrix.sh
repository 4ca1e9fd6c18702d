#!/usr/bin/env bash
# fault-matrix.sh ROWS BUILD: turns the rows the fault cases of BUILD recorded
# (case, where its files lie, expected, seen, verdict; tab separated) into the
# Markdown table that `make docs` keeps in docs/fault-matrix.md.
set -euo pipefail
cat <<'HEAD'
# Faults and bad input

Each case runs the real `soundcfg.exe` under Wine, drives it with real input,
leaves the dialog with Enter (which presses OK), and compares what it expected with what it saw: the bytes of both setup files
afterwards (`<hex>` for a byte that does not print), whether the dialog and a
message box appeared (`<dir>` is the directory holding `pyma` and `pym2`),
anything the case checked along the way, and the exit code. "Files in" is
that directory, from the case's own directory, where the program also starts.
The Unprivileged cases run as a user without privileges: Wine run by root
writes read-only files all the same.
HEAD
echo "\`make docs\` writes this file; these rows are from $2."
cat <<'HEAD'

| Case | Files in | Expected | Seen | |
|---|---|---|---|---|
HEAD
# A | in a cell would end it early.
sed -e 's/|/\\|/g' -e 's/\t/ | /g' -e 's/^/| /' -e 's/$/ |/' "$1"
