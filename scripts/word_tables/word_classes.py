"""The word-class tables: the evidence of the thesaurus, the morphology (hunspell or
WordNet), the built-in function words and, for German, how the texts capitalise a word."""

import collections
import os
import re
import time

from .lexicons import (CS_CLOSED, CS_INFINITIVE, DE_CLOSED, EN_CLOSED, cs_morphology,
                       de_morphology, en_morphology)
from .texts import OUT, SINGLE_WORD_RE, log

THESAURUS_FIRST = 100000
ORDER = ["n", "v", "adj", "adv", "other"]

CS_LABELS = {"podst. jm.": "n", "slov.": "v", "příd. jm.": "adj", "přísl.": "adv"}
EN_LABELS = {"noun": "n", "verb": "v", "adj": "adj", "adv": "adv"}
PAREN_RE = re.compile(r"\([^)]*\)")


def read_mythes(path):
    """[(headword, [(label or None, [terms])])] in file order."""
    entries = []
    with open(path, encoding="utf-8", errors="replace") as fh:
        fh.readline()  # encoding line
        lines = fh.read().split("\n")
    i = 0
    n = len(lines)
    while i < n:
        line = lines[i]
        i += 1
        head, sep, cnt = line.rpartition("|")
        if not sep or not cnt.strip().isdigit():
            continue
        meanings = []
        for _ in range(int(cnt)):
            if i >= n:
                break
            parts = lines[i].split("|")
            i += 1
            label = parts[0].strip()
            if label.startswith("(") and label.endswith(")"):
                label = label[1:-1].strip()
            elif label in ("", "-"):
                label = None
            meanings.append((label or None, parts[1:]))
        entries.append((head, meanings))
    return entries


def clean_term(t):
    t = PAREN_RE.sub(" ", t).strip()
    return t if SINGLE_WORD_RE.match(t) else None


def form_allows(lang, word, tag, case_forms):
    if lang == "cs":
        if tag == "v":
            return bool(CS_INFINITIVE.search(word))
        if tag == "adj":
            return word.endswith(("ý", "í", "ův"))
        if tag in ("n", "adv"):
            return not word.endswith("ý")
        return False
    if lang == "de":
        forms = case_forms.get(word)
        if tag == "n":
            return forms is None or True in forms
        if tag == "v":
            return word.endswith("n") and (forms is None or False in forms)
        if tag in ("adj", "adv"):
            return forms is None or False in forms
        return False
    return True


NOUN_SHARE = 0.3  # German: share of capitalised mid-sentence uses that makes a homograph a noun


class Evidence:
    """What a language's sources say of the classes of its words: the thesaurus, the
    morphology (hunspell or WordNet), the built-in function words and, for German, how
    the texts capitalise a word."""

    def __init__(self, lang, entries, corpora):
        self.lang = lang
        self.morph = {"cs": cs_morphology, "de": de_morphology, "en": en_morphology}[lang]()
        self.closed = {"cs": CS_CLOSED, "de": DE_CLOSED, "en": EN_CLOSED}[lang]

        # How the thesaurus writes each term (German capitalises nouns).
        self.case_forms = collections.defaultdict(set)
        self.heads = {}  # lower-cased headword -> index of its first entry
        self.lines_of = collections.defaultdict(list)
        for idx, (head, meanings) in enumerate(entries):
            h = head.strip()
            if SINGLE_WORD_RE.match(h):
                self.heads.setdefault(h.lower(), idx)
                self.lines_of[h.lower()].extend(meanings)
            for _, terms in meanings:
                for t in terms:
                    c = clean_term(t)
                    if c:
                        self.case_forms[c.lower()].add(c[0].isupper())

        self.seen = collections.Counter()
        self.capital = collections.Counter()
        for c in corpora:
            self.seen.update(c.seen)
            self.capital.update(c.capital)

    def primary(self, word):
        m = self.morph.get(word)
        if m:
            return m.most_common(1)[0][0]
        ct = self.closed.get(word)
        return ct[0] if ct else None

    def vote(self, word):
        """Classes of a word hunspell knows nothing of, from its thesaurus lines."""
        lang = self.lang
        per_tag = collections.Counter()
        for label, terms in self.lines_of.get(word, []):
            votes = collections.Counter()
            if lang == "cs" and label in CS_LABELS:
                votes[CS_LABELS[label]] += 1.5
            for t in terms:
                c = clean_term(t)
                if c and c.lower() != word:
                    p = self.primary(c.lower())
                    if p and p != "other":
                        votes[p] += 1
            if votes:
                per_tag[votes.most_common(1)[0][0]] += 1
        kept = [(t, n) for t, n in per_tag.items()
                if form_allows(lang, word, t, self.case_forms)]
        if not kept:
            return collections.Counter()
        if lang == "cs" and "v" in dict(kept) and CS_INFINITIVE.search(word):
            # Hunspell knows nearly every noun; an unknown infinitive-like word is a verb.
            kept = [(t, n) for t, n in kept if t == "v"]
        top = max(n for _, n in kept)
        return collections.Counter({t: n for t, n in kept if n >= 0.3 * top})

    def noun_share(self, word):
        n = self.seen.get(word, 0)
        return self.capital.get(word, 0) / n if n >= 3 else None

    def candidates(self, freq_words):
        """The thesaurus's headwords, the function words and the morphology's words
        (for cs and de only those in the frequency table)."""
        candidates = set(self.heads) | set(self.closed)
        if self.lang != "en":
            candidates |= set(self.morph) & freq_words
        else:
            candidates |= set(self.morph)
        return candidates

    def of(self, w):
        """Counter of a word's classes, each with the weight of its evidence."""
        morph, closed = self.morph, self.closed
        if self.lang == "en":
            ev = collections.Counter(morph.get(w, {}))
            for label, _ in self.lines_of.get(w, []):
                if label in EN_LABELS:
                    ev[EN_LABELS[label]] += 1
            for t in closed.get(w, []):
                ev[t] += 0.5
        elif w in closed:
            ev = collections.Counter({t: len(closed[w]) - i for i, t in enumerate(closed[w])})
        elif w in morph:
            ev = morph[w]
        else:
            ev = self.vote(w)
        if self.lang == "de" and "n" in morph.get(w, {}) and (len(ev) > 1 or w in closed):
            ev = self.german_noun(w, ev)
        return ev

    def german_noun(self, w, ev):
        """Capitalised "Nehmen", "Gut", "Zeit" beside a verb, adjective or function
        word: a noun only when the texts write it capitalised often enough."""
        ev = collections.Counter(ev)
        share = self.noun_share(w)
        if share is None:
            keep = "v" not in ev and w not in self.closed
        else:
            keep = share >= NOUN_SHARE
        if not keep:
            del ev["n"]
        elif w in self.closed or share is not None:
            ev["n"] = max(ev.values()) + 1 if (share or 0) >= 0.5 else 0.5
        return ev


def pos_table(lang, freq_words, corpora):
    t0 = time.time()
    th_path = {"cs": "/usr/share/mythes/th_cs_CZ_v2.dat",
               "de": "/usr/share/mythes/th_de_DE_v2.dat",
               "en": "/usr/share/mythes/th_en_US_v2.dat"}[lang]
    entries = read_mythes(th_path)
    evidence = Evidence(lang, entries, corpora)
    result = {}
    for w in evidence.candidates(freq_words):
        if w not in freq_words and evidence.heads.get(w, THESAURUS_FIRST) >= THESAURUS_FIRST \
                and w not in evidence.closed:
            continue
        ev = evidence.of(w)
        if not ev:
            continue
        tags = sorted(ev, key=lambda t: (-ev[t], ORDER.index(t)))
        result[w] = tags
    with open(os.path.join(OUT, lang + ".pos"), "w", encoding="utf-8", newline="\n") as fh:
        for w in sorted(result):
            if not SINGLE_WORD_RE.match(w):
                continue
            fh.write("%s\t%s\n" % (w, ",".join(result[w])))
    log("%s.pos: %d words in %.1fs (thesaurus %d entries)" % (
        lang, len(result), time.time() - t0, len(entries)))
    return result, len(entries)
