#!/usr/bin/env python3
"""Keeps a judged whole-entry sample current: for the headwords of
data/evaluation/depth/<stem>.entries.tsv, lists the meanings the set now shows that
were never judged there, first or later ("headword TAB position TAB meaning"), for a judge
to add, and with --merge FILE writes the sample anew from the set's current entries,
taking each verdict from the old sample or from FILE (the judge's lines).

A headword the set no longer has keeps its old lines (the tally counts them stale).
--heads FILE names the sample's headwords, one a line, where the sample lacks some;
--sample FILE names another sample of the set (data/evaluation/depth/<stem>.entries2027.tsv).

  python3 scripts/rejudge.py STEM [--sample FILE] [--heads FILE] [--merge JUDGED] [BUILD_DIR]"""
import subprocess
import sys
from pathlib import Path

args = sys.argv[1:]
stem = args.pop(0)
merge = None
heads_file = None
sample_file = None
while args and args[0] in ("--merge", "--heads", "--sample"):
    if args[0] == "--merge":
        merge = args[1]
    elif args[0] == "--heads":
        heads_file = args[1]
    else:
        sample_file = args[1]
    args = args[2:]
build = args[0] if args else "build"
root = Path(__file__).resolve().parent.parent
sample = Path(sample_file) if sample_file else root / "data/evaluation/depth" / f"{stem}.entries.tsv"

header, verdicts, heads, old_lines = [], {}, [], {}
for line in sample.read_text(encoding="utf-8").splitlines():
    if line.startswith("#"):
        header.append(line)
        continue
    head, pos, meaning, verdict = line.split("\t")
    verdicts[(head, meaning, pos == "1")] = verdict
    old_lines.setdefault(head, []).append(line)
    if head not in heads:
        heads.append(head)
if heads_file:
    heads = [h for h in Path(heads_file).read_text(encoding="utf-8").split("\n") if h]
if merge:
    for line in Path(merge).read_text(encoding="utf-8").splitlines():
        if line and not line.startswith("#"):
            head, pos, meaning, verdict = line.split("\t")
            verdicts[(head, meaning, pos == "1")] = verdict

dump = subprocess.run([f"{build}/tools/mkdict/lexavo-mkdict", "--dump", "--out", f"{build}/src",
                       "--stem", stem], capture_output=True, text=True, check=True).stdout
entries = {}
for line in dump.splitlines():
    head, meanings = line.split("\t", 1)
    entries.setdefault(head, meanings.split(" | "))

out, todo = [], []
for head in heads:
    if head not in entries:
        out.extend(old_lines.get(head, []))
        continue
    for i, meaning in enumerate(entries[head], 1):
        verdict = verdicts.get((head, meaning, i == 1))
        if verdict is None:
            todo.append(f"{head}\t{i}\t{meaning}")
        else:
            out.append(f"{head}\t{i}\t{meaning}\t{verdict}")
if merge:
    if todo:
        sys.exit(f"{len(todo)} meanings still unjudged, e.g. {todo[0]}")
    sample.write_text("\n".join(header + out) + "\n", encoding="utf-8")
else:
    print("\n".join(todo))
