#!/usr/bin/env bash
# Joins the reviewed parts data/reviewed/parts/<stem>.N.tsv into data/reviewed/<stem>.tsv
# under the file's explanation.
set -euo pipefail
cd "$(dirname "$0")/.."
for stem in "$@"; do
  {
    cat <<HEADER
# Reviewed order of the meanings of the commonest headwords of ${stem} (lexavo-mkdict --reviewed).
# The 1,500 commonest headwords (by data/wordtables frequency) were reviewed as the compiler
# ranked them, each line naming the chosen order: a plain meaning is one the sources give,
# "-meaning" drops one the sources give wrongly, "+meaning" is a translation the sources
# lack, ADDED BY THE REVIEWER (nothing else is added). Lines after the 1,500 add missing
# base forms that are frequent in real text; every one of their meanings is a '+'.
# A German noun carries its gender as {m}/{f}/{n} or its article (der/die/das).
HEADER
    cat data/reviewed/parts/"$stem".*.tsv
  } > data/reviewed/"$stem".tsv
done
