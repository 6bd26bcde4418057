#!/usr/bin/env python3
"""Derives data/base-forms/de.tsv and en.tsv, the tables of irregular German and
English forms with their base forms, from the forms Ding's German-English list
(Debian's trans-de-en, /usr/share/trans/de-en) gives with its entries.

Ding writes a verb's forms as further columns of its line, German and English
aligned: "gehen {vi} | gehend | gegangen | er/sie geht | ich/er/sie ging | ... ::
to go {went; gone} | going | gone | he/she goes | I/he/she went | ...", and a
noun's plural as the next column: "Mann {m} | Männer {pl} :: man | men".

Taken are the forms Hunspell's rules cannot reach from the base form:
  German verbs: every form after a personal pronoun ("ich bin", "wir waren",
      "ich/er/sie ging") and the past participle, where the form does not begin
      with the verb's stem (its infinitive less -en/-n), nor the participle with
      ge- and the stem: "ging", "bin", "konnte", "gegangen" but not "machte";
  German nouns: plurals that do not begin with the singular (umlauts: "Männer",
      "Äpfel");
  English verbs: the past forms in braces ("to go {went; gone}") and the forms
      after a pronoun, where they do not begin with the base form (less a final e);
  English nouns: plurals other than -s, -es and -ies that keep the singular's
      first letters ("men", "children", "wolves").
Only base forms among the commonest words of data/wordtables/<lang>.freq are kept
(rank below --top), and only forms that occur there.

The German and English tables start with the lines of data/base-forms/de.head.tsv
and en.head.tsv when those exist.

Usage: derive-irregular-forms.py [--ding FILE] [--top N]
Python 3 standard library only.
"""
import argparse
import gzip
import pathlib
import re

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUT = ROOT / "data" / "base-forms"
WORDS = ROOT / "data" / "wordtables"

DE_PRONOUN = re.compile(r"^(?:ich|du|er/sie|er/sie/es|ich/er/sie|ich/er/sie/es|wir|ihr|sie|wir/sie)"
                        r" (\w+)$")
EN_PRONOUN = re.compile(r"^(?:I|you|he/she|he/she/it|I/he/she|I/he/she/it|we|they|we/they|"
                        r"we/you/they) (\w+)$")
NOTE = re.compile(r"\{[^}]*\}|\[[^\]]*\]|\([^)]*\)")


def freq_ranks(lang):
    ranks = {}
    with open(WORDS / f"{lang}.freq", encoding="utf-8") as f:
        for i, line in enumerate(f):
            ranks.setdefault(line.split("\t", 1)[0], i)
    return ranks


def pieces(column):
    """The alternatives of a column: split at ';' and ' / ', notes removed."""
    return [part.strip() for part in re.split(r";|\s/\s", NOTE.sub("", column))]


def de_stem(infinitive):
    """gehen -> geh, wandern -> wander, tun -> tu."""
    if infinitive.endswith("en"):
        return infinitive[:-2]
    return infinitive[:-1] if infinitive.endswith("n") else infinitive


def first(column):
    """The first alternative of a column, notes removed."""
    return pieces(column)[0] if column.strip() else ""


def verb_form(piece, pronoun, plain):
    """The form of a piece of a verb's column: after a pronoun, or (where plain) the
    piece itself when it is one word."""
    m = pronoun.match(piece)
    if m:
        return m.group(1)
    return piece if plain and piece.isalpha() else None


def de_verb_forms(columns, infinitive):
    stem = de_stem(infinitive)
    # Where the line has synonyms, a form that does not share the verb's first two
    # letters may be a synonym's.
    alone = len(pieces(columns[0])) == 1
    for i, column in enumerate(columns[2:], start=2):
        for j, piece in enumerate(pieces(column)):
            # Plain forms stand in the first columns only; later ones are phrases.
            form = verb_form(piece, DE_PRONOUN, j == 0 and i <= 4)
            if not form or form == infinitive or (not alone and form[:2] != infinitive[:2]):
                continue
            if form.startswith(stem) or (form.startswith("ge") and form[2:].startswith(stem)):
                continue
            yield form


def en_verb_forms(columns, base):
    m = re.match(r"^to (\w+) \{([^}]*)\}", columns[0].strip())
    forms = []
    if m and m.group(1) == base:
        # Grammar tags ("{vt}") stand in the same braces as the past forms.
        forms += [f.strip() for f in re.split(r"[,;]", m.group(2))
                  if f.strip() not in ("v", "vi", "vt", "vr")]
    for column in columns[2:]:
        for piece in pieces(column):
            form = verb_form(piece, EN_PRONOUN, False)
            if form:
                forms.append(form)
    root = base[:-1] if base.endswith("e") else base
    # As in German: with synonyms on the line, a form after a pronoun that does not
    # share the first letters may be a synonym's.
    alone = len(pieces(columns[0])) == 1
    braced = len(forms) if m and m.group(1) == base else 0
    for i, form in enumerate(forms):
        if not form.isalpha() or form == base or form.startswith(root):
            continue
        if i >= braced and not alone and form[:2] != base[:2]:
            continue
        yield form


def irregular_en_plural(single, plural):
    """Whether plural is an irregular plural of single: not -s, -es or -ies, and
    either the singular with -ren or -en ("children", "oxen") or a change inside
    that keeps the first letters ("men", "feet", "wolves")."""
    if plural in (single + "ren", single + "en"):
        return True
    if plural.startswith(single) or (single.endswith("y") and plural == single[:-1] + "ies"):
        return False
    return plural[:2] == single[:2] and len(plural) <= len(single) + 2


def read_ding(path):
    opener = gzip.open if str(path).endswith(".gz") else open
    with opener(path, "rt", encoding="utf-8", errors="replace") as f:
        for line in f:
            if line.startswith("#") or " :: " not in line:
                continue
            de, en = line.rstrip("\n").split(" :: ", 1)
            yield de.split(" | "), en.split(" | ")


def derive(ding, top):
    de_rank, en_rank = freq_ranks("de"), freq_ranks("en")
    de_pairs, en_pairs = [], []
    for de, en in read_ding(ding):
        if len(de) < 2 or len(en) < 2:
            continue
        head = first(de[0])
        if "{v" in de[0] and head.isalpha() and first(de[1]).endswith("end"):
            if de_rank.get(head, top) < top:
                de_pairs += [(f, head) for f in de_verb_forms(de, head) if f.lower() in de_rank]
            m = re.match(r"^to (\w+)$", first(en[0]))
            if m and first(en[1]).endswith("ing") and en_rank.get(m.group(1), top) < top:
                en_pairs += [(f, m.group(1)) for f in en_verb_forms(en, m.group(1))
                             if f.lower() in en_rank]
            continue
        if re.search(r"\{[mfn]\}", de[0]) and "{pl}" in de[1]:
            single, plural = head, first(de[1])
            if (single.isalpha() and plural.isalpha() and de_rank.get(single.lower(), top) < top
                    and not plural.startswith(single) and plural.lower() in de_rank):
                de_pairs.append((plural, single))
            en_single, en_plural = first(en[0]), first(en[1])
            if (en_single.isalpha() and en_plural.isalpha()
                    and en_rank.get(en_single, top) < top and en_plural in en_rank
                    and irregular_en_plural(en_single, en_plural)):
                en_pairs.append((en_plural, en_single))
    return de_pairs, en_pairs


def write(lang, pairs, ding):
    head = OUT / f"{lang}.head.tsv"
    lines = [f"# Irregular forms and their base forms, derived by "
             f"scripts/derive-irregular-forms.py from {ding}",
             "# (Debian's trans-de-en); do not edit: change the script or the .head.tsv."]
    if head.exists():
        lines += head.read_text(encoding="utf-8").rstrip("\n").split("\n")
    seen = set()
    for form, base in pairs:
        if (form, base) not in seen:
            seen.add((form, base))
            lines.append(f"{form}\t{base}")
    (OUT / f"{lang}.tsv").write_text("\n".join(lines) + "\n", encoding="utf-8")
    return len(seen)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--ding", default="/usr/share/trans/de-en")
    parser.add_argument("--top", type=int, default=5000)
    args = parser.parse_args()
    de_pairs, en_pairs = derive(args.ding, args.top)
    print("de", write("de", de_pairs, args.ding), "en", write("en", en_pairs, args.ding))


if __name__ == "__main__":
    main()
