#!/usr/bin/env python3
"""Splits an evaluation list (data/evaluation/<stem>.tsv) into two halves by
alternating its word lines: <stem>.tune.tsv (odd lines, used while tuning the ranking)
and <stem>.heldout.tsv (even lines, only ever measured). The comment lines go to both."""
import sys
from pathlib import Path

for name in sys.argv[1:]:
    path = Path(name)
    lines = path.read_text(encoding="utf-8").splitlines()
    comments = [l for l in lines if l.startswith("#")]
    words = [l for l in lines if l and not l.startswith("#")]
    stem = path.name[: -len(".tsv")]
    for suffix, half, what in (("tune", words[0::2], "tuning half"),
                               ("heldout", words[1::2], "held-out half: only measured")):
        out = path.with_name(f"{stem}.{suffix}.tsv")
        header = comments + [f"# {what} of {path.name} (every other word line)"]
        out.write_text("\n".join(header + half) + "\n", encoding="utf-8")
        print(out, len(half))
