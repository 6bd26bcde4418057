"""The frequency tables: each corpus's words counted, the corpora blended with their
weights, the software corpora capped against the general fortunes, SCOWL's floors."""

import collections
import os
import re
import time

from .texts import (LETTER, OUT, SINGLE_WORD_RE, WORD_EN_RE, WORD_RE, fortune_text, help_text,
                    info_text, log, man_text, package_files, plain_text, read_text)

TOP = 60000
CAP_RATIO = 4.0
CAP_BASE = 2.0  # ppm
CAP_EXPONENT = 0.25
SCOWL_FLOORS = {10: 3.0, 20: 1.5, 35: 0.5}

FORTUNES = "/usr/share/games/fortunes"
# Fortune files that are about computing (their counts form a separate, capped corpus),
# and ones that are not prose of the language (ASCII art, Slovak, mixed English).
COMPUTING_FORTUNES = {
    "en": {"computers", "linux", "linuxcookie", "debian", "perl", "knghtbrd"},
    "cs": {"pocitace", "lkml"},
    "de": {"computer", "debian", "linuxtag", "ms", "infodrom", "channel-debian.fortunes"},
}
SKIPPED_FORTUNES = {
    "en": {"ascii-art", "translate-me"},
    "cs": {"klasik-sk"},
    "de": {"asciiart", "translations"},
}
EN_INFO_PACKAGES = ["coreutils", "findutils", "grep", "sed", "diffutils", "gzip"]

# Single letters that are words; other one-letter tokens are initials, variables or
# abbreviations ("s." for "siehe", "z.B.") and are not counted.
SINGLE_LETTERS = {"cs": set("aikosuvz"), "de": set("o"), "en": set("aio")}
# A word's count in one fortune file is limited to PER_FILE_RATIO times what the other
# files' rate predicts, or PER_FILE_ALLOWANCE per million of the file, whichever is more.
PER_FILE_RATIO = 4.0
PER_FILE_ALLOWANCE = 150.0


SENTENCE_START_RE = re.compile(
    "(?:^|[.!?:;\"\u201e\u201c\u201d\u00bb\u00ab(\\-\u2013\u2014*\u2022])\\s*([%s]+)" % LETTER, re.M)


class Corpus:
    def __init__(self, lang, name, weight, general, description):
        self.lang = lang
        self.name = name
        self.weight = weight
        self.general = general
        self.description = description
        self.counts = collections.Counter()
        self.per_file = []  # (tokens, Counter) for the general corpus
        self.seen = collections.Counter()      # German: all occurrences, before limiting
        self.capital = collections.Counter()   # German: capitalised inside a sentence
        self.tokens = 0
        self.files = 0

    def add(self, text, skip_caps):
        if self.lang == "en":
            text = text.replace("\u2019", "'")
            toks = WORD_EN_RE.findall(text)
        else:
            toks = WORD_RE.findall(text)
        if skip_caps:
            toks = [t for t in toks if len(t) < 2 or not t.isupper()]
        letters = SINGLE_LETTERS[self.lang]
        words = [w for w in map(str.lower, toks)
                 if (len(w) > 1 or w in letters) and "\u0307" not in w]  # "İ".lower()
        counts = collections.Counter(words)
        self.counts.update(counts)
        if self.lang == "de":
            self.seen.update(counts)
            caps = collections.Counter(t.lower() for t in toks
                                       if t[0].isupper() and (len(t) == 1 or not t.isupper()))
            caps.subtract(t.lower() for t in SENTENCE_START_RE.findall(text))
            self.capital.update({w: c for w, c in caps.items() if c > 0})
        if self.general:
            self.per_file.append((len(words), counts))
        self.tokens += len(words)
        self.files += 1

    def limit_topical_words(self):
        """Limits a word's count in a file to what its rate in the other files predicts,
        so that one file's topic (marketing, recipes) does not pass for general use."""
        if len(self.per_file) < 2:
            return
        limited = collections.Counter()
        for n, counts in self.per_file:
            rest = self.tokens - n
            for w, c in counts.items():
                expected = (self.counts[w] - c) / rest * n if rest > 0 else c
                limited[w] += min(c, max(PER_FILE_RATIO * expected,
                                         PER_FILE_ALLOWANCE * n / 1e6, 1.0))
        self.counts = limited

    def ppm(self):
        if not self.tokens:
            return {}
        k = 1e6 / self.tokens
        return {w: c * k for w, c in self.counts.items()}


def fortune_files(lang):
    base = FORTUNES if lang == "en" else os.path.join(FORTUNES, lang)
    pkgs = ["fortunes", "fortunes-min"] if lang == "en" else ["fortunes-" + lang]
    files = []
    for pkg in pkgs:
        for p in package_files(pkg):
            if os.path.dirname(p) != base or p.endswith((".dat", ".u8")):
                continue
            files.append(p)
    return sorted(set(files))


def build_corpora(lang):
    english = lang == "en"
    general = Corpus(lang, "fortunes", 0.45, True, "fortune files (general prose, quotations, jokes)")
    computing = Corpus(lang, "fortunes-computing", 0.05, False, "fortune files about computing")
    corpora = [general, computing]
    for p in fortune_files(lang):
        name = os.path.basename(p)
        if name in SKIPPED_FORTUNES[lang]:
            continue
        target = computing if name in COMPUTING_FORTUNES[lang] else general
        target.add(fortune_text(p), False)

    man = Corpus(lang, "man", 0.20, False, "manual pages")
    corpora.append(man)
    man_pkgs = ["manpages", "manpages-dev"] if english else ["manpages-" + lang]
    for pkg in man_pkgs:
        for p in package_files(pkg):
            if "/man/" in p and p.endswith(".gz"):
                man.add(man_text(p), True)

    if english:
        info = Corpus(lang, "info", 0.25, False, "GNU info manuals")
        corpora.append(info)
        for pkg in EN_INFO_PACKAGES:
            for p in package_files(pkg):
                if p.startswith("/usr/share/info/") and ".info" in p:
                    info.add(info_text(p), True)
        lic = Corpus(lang, "licences", 0.05, False, "/usr/share/common-licenses")
        corpora.append(lic)
        seen = set()
        d = "/usr/share/common-licenses"
        for name in sorted(os.listdir(d)):
            real = os.path.realpath(os.path.join(d, name))
            if real in seen or not os.path.isfile(real):
                continue
            seen.add(real)
            lic.add(plain_text(real), False)
    else:
        helpc = Corpus(lang, "help", 0.30, False, "LibreOffice help pages")
        corpora.append(helpc)
        for p in package_files("libreoffice-help-" + lang):
            if p.endswith((".html", ".xhp")):
                helpc.add(help_text(p), False)
    general.limit_topical_words()
    return corpora


def blend(corpora):
    ref = next(c for c in corpora if c.general).ppm()
    total = collections.Counter()
    for c in corpora:
        f = c.ppm()
        for w, v in f.items():
            if not c.general:
                cap = CAP_RATIO * max(ref.get(w, 0.0), CAP_BASE)
                if v > cap:
                    v = cap * (v / cap) ** CAP_EXPONENT
            total[w] += c.weight * v
    s = sum(total.values())
    return {w: v * 1e6 / s for w, v in total.items()}


def scowl_words():
    """word -> smallest SCOWL size level (10, 20, 35) it appears in."""
    level = {}
    d = "/usr/share/dict/scowl"
    for lv in sorted(SCOWL_FLOORS):
        for kind in ("english", "american", "british"):
            path = os.path.join(d, "%s-words.%d" % (kind, lv))
            if not os.path.exists(path):
                continue
            for w in read_text(path).split():
                if w.endswith("'s") or not SINGLE_WORD_RE.match(w):
                    continue
                level.setdefault(w.lower(), lv)
    return level


def fmt(v):
    if v >= 100:
        return str(int(round(v)))
    return "%.1f" % max(v, 0.1)


def frequency_table(lang):
    t0 = time.time()
    corpora = build_corpora(lang)
    freq = blend(corpora)
    if lang == "en":
        for w, lv in scowl_words().items():
            if freq.get(w, 0.0) < SCOWL_FLOORS[lv]:
                freq[w] = SCOWL_FLOORS[lv]
    ranked = sorted(freq.items(), key=lambda kv: (-kv[1], kv[0]))[:TOP]
    with open(os.path.join(OUT, lang + ".freq"), "w", encoding="utf-8", newline="\n") as fh:
        for w, v in ranked:
            fh.write("%s\t%s\n" % (w, fmt(v)))
    log("%s.freq: %d words in %.1fs; %s" % (
        lang, len(ranked), time.time() - t0,
        ", ".join("%s %d tokens in %d files" % (c.name, c.tokens, c.files) for c in corpora)))
    return ranked, corpora
