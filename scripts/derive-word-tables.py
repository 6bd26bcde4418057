#!/usr/bin/env python3
"""Derives the word tables of data/wordtables/ from text and word lists in Debian's packages.

Run from anywhere:  python3 scripts/derive-word-tables.py
after installing the packages (apt-get install -y --no-install-recommends ...):
    fortunes-min fortunes fortunes-cs fortunes-de manpages manpages-dev manpages-cs
    manpages-de scowl wordnet-base mythes-cs mythes-de mythes-en-us hunspell-cs
    hunspell-de-de libreoffice-help-cs libreoffice-help-de
Python 3 standard library only; under a minute on one core. It writes, for cs, de, en:
  <lang>.freq  word TAB occurrences per million, most common first, 60,000 lines;
  <lang>.pos   word TAB word classes (a subset of n,v,adj,adv,other, best evidenced first);
  README.md    sources, package versions and licences, method, the top 30 of each table.
Every word is lower-cased with str.lower(); a table has no header or comment lines.

FREQUENCIES. Words are counted, as they appear (no lemmatisation), over real text:
  cs: fortunes-cs, manpages-cs, libreoffice-help-cs
  de: fortunes-de, manpages-de, libreoffice-help-de
  en: fortunes + fortunes-min, manpages + manpages-dev, the GNU info manuals of
      coreutils/findutils/grep/sed/diffutils/gzip, /usr/share/common-licenses
A word is a run of Latin letters (for English also with internal ' or -); one-letter
tokens count only where they are words (cs a i k o s u v z, en a i o, de o).
Man pages lose roff requests (lines starting with '.' or "'"), escapes, no-fill
(example) blocks, option names, paths and ALL-CAPS placeholders; help pages lose their
markup, page furniture, scripts and code; fortunes lose their "-- Author" lines and
page references ("str. 47").

The fortunes are the general corpus, but each fortune file has a topic (cs "market" is
a third of the Czech fortunes and all marketing, de has recipe files), so a word's count
in one fortune file is limited to PER_FILE_RATIO (4) times what its rate in the other
fortune files predicts, or PER_FILE_ALLOWANCE (150 per million of the file) if more.

Each corpus gives its own per-million frequencies; they are blended with weights:
  fortunes (the only general, non-computing prose)  0.45
  fortune files about computing (computers, linux)  0.05
  manual pages                                      0.20
  help pages (cs, de)                               0.30
  GNU info manuals (en) 0.25, licence texts (en)    0.05
The software corpora are large and about computing, so they would put "file", "option",
"klikněte" or "Datei" near the top. Each software corpus's frequency of a word is
therefore capped against the word's frequency in the general fortunes: the cap is
CAP_RATIO (10) times max(fortunes frequency, CAP_BASE ppm); above the cap the excess
is compressed, f' = cap * (f / cap) ** 0.25, so that software words keep their order
among themselves (a word the fortunes lack still gets a modest frequency, useful for
the long tail the small fortunes corpus misses) but cannot outrank everyday words.
The blend is scaled to sum to one million again. English words of SCOWL's size levels
10, 20 and 35 (english/american/british-words) get a floor of 3.0, 1.5 and 0.5 per
million, so that everyday words are never 0. Values are rounded to one decimal (whole
numbers from 100 up); the 60,000 most frequent words are kept.

WORD CLASSES. The words of the thesauri (mythes-*) and, for English, WordNet's index
files, lower-cased, single words only, kept when they are in the frequency table or
among the thesaurus's first 100,000 entries:
  en: the thesaurus's own labels (noun)/(verb)/(adj)/(adv), plus WordNet's index.noun,
      index.verb, index.adj, index.adv (synset counts as the evidence weights); a small
      built-in list adds "other" to function words (the, of, and, ...).
  cs: the Czech thesaurus labels only a tenth of its lines, and its labels come from the
      English WordNet senses it was translated from ("čas (příd. jm.) napjatý" is the
      adjective "tense"), so the classes come from hunspell-cs's affix flags (nouns:
      declension flags; verbs: conjugation flags on an infinitive; adjectives: flag Y;
      adverbs: the -e/-ě/-y forms flag R derives from adjectives), and, for words
      hunspell has no flags for, from a vote of the labels and of the classes of the
      synonyms on each thesaurus line, kept only when the form allows the class (a verb
      must end like an infinitive, an adjective in -ý/-í/-ův, ...). Hunspell words
      that are in the frequency table are tagged too; a capitalised hunspell entry
      (a name: Mít, Brát) is ignored where the same word is also a common word.
  de: the German thesaurus has no class labels; the classes come from hunspell-de-de
      (a capitalised word is a noun; a lower-case infinitive with conjugation flags a
      verb; a word with adjective declension flags an adjective, and also an adverb
      when it has comparison flags, as German uses such adjectives adverbially
      unchanged; other lower-case words an adverb), and, for words hunspell lacks, the
      same synonym vote, with the capitalisation the thesaurus writes the word in.
      Hunspell lists nominalised infinitives (Nehmen, Wissen) and other capitalised
      homographs (Gut, Zeit beside the preposition zeit) as nouns; such a word keeps
      "n" beside its other classes only when the German texts write it capitalised
      inside a sentence in at least NOUN_SHARE (30%) of its occurrences.
  cs, de: a built-in list of function words (pronouns, prepositions, conjunctions,
      particles, numerals and a few irregular adverbs) decides their classes.
"""

import os
import sys
import time

# The package word_tables/ lies beside this script; its folder is on the path when the
# script is run as a file, but not under "python3 -P" or PYTHONSAFEPATH.
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from word_tables.frequencies import frequency_table
from word_tables.readme import SOURCES, write_readme
from word_tables.texts import OUT, log, package_version
from word_tables.word_classes import pos_table


def main():
    t0 = time.time()
    os.makedirs(OUT, exist_ok=True)
    missing = [p for lang in SOURCES for p, _ in SOURCES[lang] if not package_version(p)]
    if missing:
        log("warning: not installed: " + " ".join(sorted(set(missing))))
    stats = {}
    for lang in ("cs", "de", "en"):
        ranked, corpora = frequency_table(lang)
        freq_words = {w for w, _ in ranked}
        pos_table(lang, freq_words, corpora)
        stats[lang] = {"ranked": ranked, "corpora": corpora}
    write_readme(stats)
    log("done in %.1fs" % (time.time() - t0))


if __name__ == "__main__":
    main()
