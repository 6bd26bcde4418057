#!/usr/bin/env bash
# Joins the reviewed parts data/reviewed/parts/<stem>.N.tsv into data/reviewed/<stem>.tsv
# under the file's explanation.
set -euo pipefail
cd "$(dirname "$0")/.."
for stem in "$@"; do
  {
    cat <<HEADER
# Reviewed order of the meanings of the commonest headwords of ${stem} (lexavo-mkdict --reviewed).
# Reviewed as the compiler ranked them, by frequency in data/wordtables: parts 1 and 2
# name the chosen order of every one of the 1,500 commonest headwords, then add missing
# base forms that are frequent in real text; parts 3 and 4 change only those of the
# commonest 1,501 to 5,000 whose first meaning was wrong; part 5, where present, adds
# basic words found missing by the tests. A plain meaning is one the compiler gave from
# the sources, "-meaning" drops one the sources give wrongly, and "+meaning" is a
# translation the sources lack, ADDED BY THE REVIEWER (nothing else is added).
# A German noun carries its gender as {m}/{f}/{n} or its article (der/die/das).
HEADER
    cat data/reviewed/parts/"$stem".*.tsv
  } > data/reviewed/"$stem".tsv
done
