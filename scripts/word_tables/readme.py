"""data/wordtables/README.md: the files, how to re-create them, the sources with their
versions and licences, the method, and the top of each frequency table."""

import os

from .frequencies import (CAP_BASE, CAP_EXPONENT, CAP_RATIO, EN_INFO_PACKAGES, PER_FILE_ALLOWANCE,
                          PER_FILE_RATIO, SCOWL_FLOORS, TOP, fmt)
from .texts import OUT, package_version
from .word_classes import NOUN_SHARE, THESAURUS_FIRST

SOURCES = {
    "cs": [("fortunes-cs", "/usr/share/games/fortunes/cs/* (not klasik-sk)"),
           ("manpages-cs", "/usr/share/man/cs/man*/*.gz"),
           ("libreoffice-help-cs", "/usr/share/libreoffice/help/cs/**/*.html"),
           ("mythes-cs", "/usr/share/mythes/th_cs_CZ_v2.dat"),
           ("hunspell-cs", "/usr/share/hunspell/cs_CZ.dic, cs_CZ.aff")],
    "de": [("fortunes-de", "/usr/share/games/fortunes/de/* (not asciiart, translations)"),
           ("manpages-de", "/usr/share/man/de/man*/*.gz"),
           ("libreoffice-help-de", "/usr/share/libreoffice/help/de/**/*.html"),
           ("mythes-de", "/usr/share/mythes/th_de_DE_v2.dat"),
           ("hunspell-de-de", "/usr/share/hunspell/de_DE.dic, de_DE.aff")],
    "en": [("fortunes", "/usr/share/games/fortunes/* (not ascii-art, translate-me)"),
           ("fortunes-min", "/usr/share/games/fortunes/{fortunes,literature,riddles}"),
           ("manpages", "/usr/share/man/man*/*.gz"),
           ("manpages-dev", "/usr/share/man/man*/*.gz"),
           ] + [(p, "/usr/share/info/*.info*.gz") for p in EN_INFO_PACKAGES] + [
           ("base-files", "/usr/share/common-licenses/*"),
           ("scowl", "/usr/share/dict/scowl/{english,american,british}-words.{10,20,35}"),
           ("mythes-en-us", "/usr/share/mythes/th_en_US_v2.dat"),
           ("wordnet-base", "/usr/share/wordnet/index.{noun,verb,adj,adv}")],
}

LICENCES = {
    "fortunes-cs": "GPL (version 3 or later, per the notice in its copyright file)",
    "fortunes-de": "GPL-2+",
    "fortunes": "BSD (the fortune-mod package, Regents of the University of California); "
                "the cookie files are collected quotations distributed with it",
    "fortunes-min": "as fortunes (same source package)",
    "manpages-cs": "GPL-3+ (translations; the translated pages keep their original licences)",
    "manpages-de": "GPL-3+ (translations; the translated pages keep their original licences)",
    "manpages": "various free licences per page (GPL-2+, BSD, Expat, Linux-man-pages-copyleft)",
    "manpages-dev": "various free licences per page (GPL-2+, BSD, Expat, Linux-man-pages-copyleft)",
    "libreoffice-help-cs": "MPL-2.0",
    "libreoffice-help-de": "MPL-2.0",
    "mythes-cs": "GFDL-1.1+ (dictionaries/cs_CZ/thesaurus/*)",
    "mythes-de": "LGPL (OpenThesaurus, Daniel Naber and its users)",
    "mythes-en-us": "permissive (Kevin Atkinson's notice for dictionaries/en/*; "
                    "the thesaurus is built from WordNet)",
    "hunspell-cs": "GPL-2 (dictionaries/cs_CZ/*)",
    "hunspell-de-de": "GPL-2+ (igerman98, Björn Jacke: \"GPL version 2 or 3\")",
    "scowl": "permissive (Kevin Atkinson's notice; parts under the WordNet licence "
             "and public domain)",
    "wordnet-base": "WordNet 3.0 licence (permissive, Princeton University)",
    "base-files": "the licence texts themselves (verbatim copying allowed)",
    "coreutils": "GFDL-NIV-1.3 (manual)", "findutils": "GFDL-NIV-1.3+ (manual)",
    "grep": "GPL-3+ (the only licence its copyright file names)",
    "sed": "GFDL-NIV-1.3+ (manual)", "diffutils": "GFDL-NIV-1.3 (manual)",
    "gzip": "GFDL-1.3+, no invariant sections (manual)",
}


def files_section():
    """The title, what the tables are, and their files' sizes."""
    o = []
    o.append("# Word tables\n")
    o.append("Evidence about the words of Czech (`cs`), German (`de`) and English (`en`) "
             "for `tools/mkdict`'s ranking, derived from Debian's packages by "
             "`scripts/derive-word-tables.py` (its header comment explains the method in "
             "full). The files have no header lines; every word is lower-cased "
             "(Python `str.lower()`), UTF-8, LF line ends.\n")
    o.append("| file | lines | bytes | what |\n|---|---|---|---|")
    for lang in ("cs", "de", "en"):
        for ext, what in (("freq", "`word<TAB>occurrences per million`, most frequent first"),
                          ("pos", "`word<TAB>classes`: a subset of n,v,adj,adv,other, "
                                  "best evidenced first; sorted by word")):
            p = os.path.join(OUT, "%s.%s" % (lang, ext))
            with open(p, encoding="utf-8") as fh:
                nl = sum(1 for _ in fh)
            o.append("| `%s.%s` | %d | %d | %s |" % (lang, ext, nl, os.path.getsize(p), what))
    o.append("")
    return o


def recreating_section():
    """The packages to install and the command."""
    pkgs = []
    for lang in ("cs", "de", "en"):
        for pkg, _ in SOURCES[lang]:
            if pkg not in pkgs:
                pkgs.append(pkg)
    o = []
    o.append("## Re-creating them\n")
    o.append("    apt-get install -y --no-install-recommends " + " ".join(
        p for p in pkgs if p not in ("base-files",) + tuple(EN_INFO_PACKAGES)))
    o.append("    python3 scripts/derive-word-tables.py\n")
    o.append("(base-files and the GNU tools whose info manuals are read are part of every "
             "Debian system.) Python 3 standard library only; well under a minute.\n")
    return o


def sources_section():
    """Each table's packages, versions, files and licences."""
    o = []
    o.append("## Sources\n")
    o.append("| table | package | version | files | licence |\n|---|---|---|---|---|")
    for lang in ("cs", "de", "en"):
        for pkg, files in SOURCES[lang]:
            o.append("| %s | %s | %s | `%s` | %s |" % (
                lang, pkg, package_version(pkg) or "not installed", files,
                LICENCES.get(pkg, "see /usr/share/doc/%s/copyright" % pkg)))
    o.append("")
    o.append("Licences are as read from `/usr/share/doc/<package>/copyright`. The tables "
             "are statistics of these texts and word lists (counts, word classes); no text "
             "of them is copied beyond single words.\n")
    return o


def frequencies_section(stats):
    """The method of the frequencies and the sizes of the corpora."""
    o = []
    o.append("## How the frequencies are made\n")
    o.append("Words (runs of Latin letters; English also with an internal `'` or `-`) are "
             "counted as they appear, without lemmatisation, in each corpus separately. "
             "One-letter tokens count only where they are words (cs a i k o s u v z; en a i o; "
             "de o). Man pages lose roff requests, escapes, example blocks, option names, "
             "paths and ALL-CAPS placeholders; help pages their markup, page furniture and "
             "code; fortunes their `-- Author` lines and page references. In the general "
             "fortunes a word's count in one file is limited to %g × what its rate in the "
             "other fortune files predicts (or %g per million of the file), so that one "
             "file's topic (Czech marketing advice, German recipes) does not pass for "
             "general use. Each corpus's per-million frequencies are "
             "blended with the weights below. The software corpora (manual pages, help, "
             "info, licences, computing fortunes) are capped against the general fortunes: "
             "a word's frequency there above %g × max(its fortunes frequency, %g per "
             "million) is compressed to cap × (f / cap)^%g, so computing words (file, "
             "option, Datei, soubor, klikněte) keep their order among themselves but do not "
             "outrank everyday words. The blend is scaled back to one million. English words "
             "of SCOWL size levels 10/20/35 get a floor of %s per million. The %d most "
             "frequent words are kept; values have one decimal below 100.\n" % (
                 PER_FILE_RATIO, PER_FILE_ALLOWANCE, CAP_RATIO, CAP_BASE, CAP_EXPONENT,
                 "/".join("%g" % SCOWL_FLOORS[k] for k in sorted(SCOWL_FLOORS)), TOP))
    o.append("| table | corpus | weight | tokens | files |\n|---|---|---|---|---|")
    for lang in ("cs", "de", "en"):
        for c in stats[lang]["corpora"]:
            o.append("| %s | %s | %.2f | %d | %d |" % (lang, c.description, c.weight,
                                                       c.tokens, c.files))
    o.append("")
    return o


def classes_section():
    """The method of the word classes, and German spelling."""
    o = []
    o.append("## How the word classes are made\n")
    o.append("- **en**: the thesaurus's labels `(noun)`, `(verb)`, `(adj)`, `(adv)` and "
             "WordNet's index files (synset counts weigh the evidence); a short built-in "
             "list adds `other` to function words.\n"
             "- **cs**: the thesaurus (`(podst. jm.)` n, `(slov.)` v, `(příd. jm.)` adj, "
             "`(přísl.)` adv) labels a tenth of its lines, and those labels follow the "
             "English WordNet senses it was translated from, so hunspell-cs's affix flags "
             "decide (declension flags: noun; conjugation flags on an infinitive: verb; "
             "flag Y: adjective; the forms flag R derives from adjectives: adverb; a "
             "capitalised entry, a name, only where no common word is spelt the same). "
             "Words without flags take the classes voted by the labels and the synonyms on "
             "their thesaurus lines, where the word's form allows them.\n"
             "- **de**: the thesaurus has no labels; hunspell-de-de decides (capitalised: "
             "noun; infinitive with conjugation flags: verb; adjective declension: adj, plus "
             "adv when it also compares; other lower-case words: adv), else the same "
             "synonym vote with the capitalisation the thesaurus writes the word in. A "
             "capitalised homograph (Nehmen, Gut, Zeit) stays a noun beside its other "
             "classes only when the German texts write it capitalised inside a sentence "
             "in at least %d%% of its uses.\n"
             "- **cs, de**: a built-in list of function words decides their classes "
             "(pronouns, prepositions, conjunctions, particles, numerals: `other`).\n\n"
             "Words are kept when they are in the frequency table or among the thesaurus's "
             "first %d entries; only single words.\n" % (
                 round(NOUN_SHARE * 100), THESAURUS_FIRST))
    o.append("German text in these packages mixes the spellings before and after the "
             "1996 reform (daß/dass, Fluß/Fluss); both are kept as written. The compiler "
             "folds case with ICU, which maps ß to ss, so it finds \"fluß\" under "
             "\"fluss\" and keeps the first, more frequent, line of a word written both "
             "ways.\n")
    return o


def top_section(stats):
    """The 30 most frequent words of each table."""
    o = []
    o.append("## Top 30 of each frequency table\n")
    for lang in ("cs", "de", "en"):
        o.append("**%s**: %s\n" % (lang, ", ".join(
            "%s (%s)" % (w, fmt(v)) for w, v in stats[lang]["ranked"][:30])))
    return o


def write_readme(stats):
    o = (files_section() + recreating_section() + sources_section()
         + frequencies_section(stats) + classes_section() + top_section(stats))
    with open(os.path.join(OUT, "README.md"), "w", encoding="utf-8", newline="\n") as fh:
        fh.write("\n".join(o))
