#!/usr/bin/env python3
"""Writes data/wordtables/en.major: the word class an English word is mostly used in,
for words WordNet knows in more than one class. The class comes from the sense-tagged
counts of WordNet's cntlist.rev (Debian's wordnet-base), nouns counted twice: words
made from one another without a change of form (jam, pepper, brush, saw) are met as
nouns first in everyday reading, and a verb or adjective leads only where the tagged
texts use it clearly more, at least five times (fly, open). Usage: python3 scripts/derive-major-class.py
[WORDNET_DIR] > data/wordtables/en.major"""
import collections
import sys

wordnet = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/wordnet"
LETTER = {"n": "n", "v": "v", "a": "a", "s": "a", "r": "d"}

classes = collections.defaultdict(set)
for name, tag in (("noun", "n"), ("verb", "v"), ("adj", "a"), ("adv", "d")):
    with open(f"{wordnet}/index.{name}", encoding="utf-8") as f:
        for line in f:
            if not line.startswith(" "):
                classes[line.split(" ", 1)[0]].add(tag)

counts = collections.defaultdict(collections.Counter)
SS_TYPE = {"1": "n", "2": "v", "3": "a", "4": "d", "5": "a"}
with open(f"{wordnet}/cntlist.rev", encoding="utf-8") as f:
    for line in f:
        key, _, count = line.split()
        lemma, rest = key.split("%", 1)
        counts[lemma][SS_TYPE[rest[0]]] += int(count)

print("# word TAB class (n, v, a, d) it is mostly used in; see scripts/derive-major-class.py")
for word in sorted(classes):
    if len(classes[word]) < 2 or "_" in word:
        continue
    c = counts.get(word, collections.Counter())
    weighted = {k: c[k] * (2 if k == "n" else 1) for k in classes[word]}
    best = max(sorted(weighted), key=lambda k: weighted[k])
    # A handful of tagged uses tells little: the noun leads then.
    if best != "n" and c[best] < 5 and "n" in classes[word]:
        best = "n"
    if weighted[best] == 0 and best != "n":
        continue
    print(f"{word}\t{best}")
