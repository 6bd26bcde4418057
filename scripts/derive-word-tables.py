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

import collections
import gzip
import html
import math
import os
import re
import subprocess
import sys
import time
import unicodedata

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(REPO, "data", "wordtables")
TOP = 60000
THESAURUS_FIRST = 100000
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

# Latin letters only; text in other scripts is not counted.
LETTER = "A-Za-z\u00C0-\u00D6\u00D8-\u00F6\u00F8-\u024F\u1E00-\u1EFF"
WORD_RE = re.compile("[%s]+" % LETTER)
WORD_EN_RE = re.compile("[{0}]+(?:['\\-][{0}]+)*".format(LETTER))
SINGLE_WORD_RE = re.compile("^[{0}]+(?:['\\-][{0}]+)*$".format(LETTER))


def log(*args):
    print(*args, file=sys.stderr, flush=True)


def package_files(pkg):
    try:
        out = subprocess.run(["dpkg", "-L", pkg], capture_output=True, text=True, check=True)
    except (subprocess.CalledProcessError, FileNotFoundError):
        return []
    return [p for p in out.stdout.splitlines() if os.path.isfile(p) and not os.path.islink(p)]


def package_version(pkg):
    out = subprocess.run(["dpkg-query", "-W", "-f=${Version}", pkg], capture_output=True, text=True)
    return out.stdout.strip() if out.returncode == 0 else None


def read_text(path):
    opener = gzip.open if path.endswith(".gz") else open
    with opener(path, "rb") as fh:
        data = fh.read()
    try:
        text = data.decode("utf-8")
    except UnicodeDecodeError:
        text = data.decode("utf-8", errors="replace")
    return unicodedata.normalize("NFC", text)


# ---------------------------------------------------------------- text cleaning

ATTRIBUTION_RE = re.compile(r"^\s*(?:--|—|~~)\s")
PAGE_REF_RE = re.compile(r"\b(?:str|s|S|p|pp|S\.)\.\s*\d+")


def fortune_text(path):
    lines = []
    for line in read_text(path).splitlines():
        if line.strip() == "%" or ATTRIBUTION_RE.match(line):
            continue
        lines.append(PAGE_REF_RE.sub(" ", line))
    return "\n".join(lines)


ROFF_ESCAPES = [
    (re.compile(r'\\".*'), ""),                      # comment
    (re.compile(r"\\f(?:\[[^\]]*\]|\(..|.)"), ""),   # font changes
    (re.compile(r"\\s[-+]?\d+"), ""),                # size changes
    (re.compile(r"\\\*(?:\(..|\[[^\]]*\]|.)"), " "),  # strings
    (re.compile(r"\\\((..)"), " "),                  # special characters
    (re.compile(r"\\\[[^\]]*\]"), " "),
    (re.compile(r"\\[-]"), "-"),
    (re.compile(r"\\[&%|^~0 :c/,)]"), ""),
    (re.compile(r"\\[ne]"), " "),
    (re.compile(r"\\."), " "),
]
OPTION_RE = re.compile(r"(?<![\w-])--?[A-Za-z0-9][\w-]*")
TECH_TOKEN_RE = re.compile(r"\S*[/@_=<>{}$\\#]\S*")


def man_text(path):
    out = []
    nofill = False
    for line in read_text(path).splitlines():
        if line.startswith((".", "'")):
            req = line[1:].strip().split(" ", 1)[0]
            if req in ("nf", "EX"):
                nofill = True
            elif req in ("fi", "EE"):
                nofill = False
            continue
        if nofill:
            continue
        for rx, rep in ROFF_ESCAPES:
            line = rx.sub(rep, line)
        line = OPTION_RE.sub(" ", line)
        line = TECH_TOKEN_RE.sub(" ", line)
        out.append(line)
    return "\n".join(out)


HTML_DROP_RE = re.compile(
    r"<(script|style|pre|code|head|header|aside|footer)\b.*?</\1\s*>", re.S | re.I)
TAG_RE = re.compile(r"<[^>]*>")


def help_text(path):
    text = read_text(path)
    start = text.find('id="DisplayArea"')
    end = text.find('id="SearchFrame"')
    if start >= 0:
        text = text[start:end if end > start else len(text)]
    text = HTML_DROP_RE.sub(" ", text)
    text = re.sub(r'<span class="(?:bascode|keycode|input|literal|defaultinline)"[^>]*>.*?</span>',
                  " ", text, flags=re.S)
    text = TAG_RE.sub(" ", text)
    text = html.unescape(text)
    return TECH_TOKEN_RE.sub(" ", text)


def info_text(path):
    out = []
    for line in read_text(path).splitlines():
        if line.startswith(("File:", "* ", "\x1f", "Tag Table", "End Tag Table")):
            continue
        if line.startswith("     "):  # example blocks are indented by five or more
            continue
        out.append(OPTION_RE.sub(" ", TECH_TOKEN_RE.sub(" ", line)))
    return "\n".join(out)


def plain_text(path):
    return read_text(path)


# ---------------------------------------------------------------- counting

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


# ---------------------------------------------------------------- word classes

ORDER = ["n", "v", "adj", "adv", "other"]


def closed_list(text):
    d = {}
    for line in text.strip().splitlines():
        tag, _, words = line.partition(":")
        for w in words.split():
            if "=" in w:
                w, tags = w.split("=")
                d[w] = tags.split(",")
            else:
                d.setdefault(w, [])
                if tag.strip() not in d[w]:
                    d[w].append(tag.strip())
    return d


CS_CLOSED = closed_list("""
other: já mě mne mi mně mnou ty tebe tě tobě ti tebou on ona ono oni ony my nás nám námi vy vás vám vámi
other: jeho ho jemu mu jím něj něho němu něm ní ji jí je jich jim jimi nich nim nimi se sebe si sobě sebou
other: ten ta to ty toho tomu tom tím té tu tou těch těm těmi tento tato toto tyto tohoto tomto tenhle tahle tohle tamten onen
other: který která které kterého kterou kterým kteří jenž jež jehož jejíž jejichž co čeho čemu čem čím kdo koho komu kom kým
other: něco někdo nic nikdo nikoho nikomu ničeho cokoli kdokoli každý každá každé všechen všechna všechno všichni vše všech
other: sám sama samo svůj svá své svou svého svým můj má moje mého tvůj tvá tvoje náš naše našeho váš vaše vašeho její jejich
other: jaký jaká jaké čí nějaký nějaká nějaké žádný žádná žádné takový taková takové týž tentýž tatáž
other: v ve na s z ze k ke ku o do od ode po pro při za před přede pod pode nad nade mezi bez beze u přes proti kromě
other: podle během kolem okolo vedle kvůli díky skrz skrze dle vůči naproti mimo vně uvnitř
other: a i ale nebo anebo že když protože aby abych abys abychom abyste kdyby kdybych kdybys jestli jestliže pokud ani
other: než neboť však avšak zatímco přestože ač ačkoli ačkoliv čili či buď nýbrž až jakmile dokud takže zda zdali
other: ne ano jen jenom jenže prý přece vždyť copak ať kéž nechť
other: jeden jedna jedno dva dvě tři čtyři pět šest sedm osm devět deset jedenáct dvanáct dvacet třicet sto
adv: včera dnes zítra zde tady tam teď nyní hned brzy pozdě vždy vždycky nikdy často někdy kde kdy proč kam odkud
adv: tak takto velmi moc hodně málo trochu dost víc více méně opět znovu zase také taky též už již ještě snad asi
adv: právě vůbec jak tedy proto potom pak dále dál zpět tu kde všude nikde tehdy odtud sem zpátky spolu skoro téměř
adv: pouze hlavně dokonce zvlášť zvláště teprve stále pořád ihned dosud nazpět dozadu dopředu napřed nahoru dolů
misc: místo=n,other tisíc=n,other milion=n,other
""")

DE_CLOSED = closed_list("""
other: der die das des dem den ein eine einer eines einem einen kein keine keiner keines keinem keinen
other: ich du er sie es wir ihr mich dich sich uns euch mir dir ihm ihn ihnen mein meine dein deine ihre unser unsere euer eure
other: dieser diese dieses diesem diesen jener jene jenes welcher welche welches welchem welchen wer was wen wem wessen
other: man jemand niemand etwas nichts alle alles jeder jede jedes jedem jeden manche mancher einige beide selbst selber
other: in an auf aus bei mit nach von zu vor hinter über unter neben zwischen durch für gegen ohne um bis seit während
other: wegen trotz statt anstatt außer gegenüber entlang innerhalb außerhalb laut dank zeit mittels per pro samt ab
other: im am ans ins vom zum zur beim aufs fürs ums unterm überm
other: und oder aber denn sondern dass daß ob weil wenn als wie obwohl obgleich damit sodass falls bevor nachdem
other: sobald solange indem entweder weder sowohl sowie
other: nicht ja nein nur auch schon noch doch mal eben halt etwa gar
other: eins zwei drei vier fünf sechs sieben acht neun zehn elf zwölf zwanzig hundert tausend
adv: nicht auch schon noch doch mal eben halt etwa gar jedoch dort hier da heute gestern morgen immer nie niemals oft
adv: sehr so wo wann warum wohin woher dann danach jetzt nun bald viel wenig mehr weniger sonst fast gern gerne
adv: ab zu wie vielleicht wieder dabei darum deshalb trotzdem also einmal bereits
misc: sein=v,other einem=other viel=adj,adv,other viele=adj,other wenige=adj,other
""")

EN_CLOSED = closed_list("""
other: the a an this that these those i me my mine you your yours he him his she her hers it its we us our ours
other: they them their theirs myself yourself himself herself itself ourselves yourselves themselves
other: who whom whose which what whatever whoever whichever someone somebody something anyone anybody anything
other: everyone everybody everything nobody nothing none each every either neither some any all both few many
other: much several other another such
other: of in on at by for with from to into onto upon about above below over under between among through during
other: before after since until till against without within along across behind beside besides beyond toward
other: towards near off out up down around via per than like unlike despite except amid
other: and or but nor so yet because although though if unless whether while whereas as once
other: yes no oh
other: one two three four five six seven eight nine ten hundred thousand million
v: be am is are was were been being have has had do does did will would shall should can could may might must
adv: not there here
""")

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


def read_aff_rules(path, flag):
    rules = []
    for line in open(path, encoding="utf-8", errors="replace"):
        f = line.split()
        if len(f) >= 5 and f[0] == "SFX" and f[1] == flag:
            strip = "" if f[2] == "0" else f[2]
            add = f[3].split("/")[0]
            add = "" if add == "0" else add
            rules.append((strip, add, re.compile("(?:%s)$" % f[4])))
    return rules


def read_dic(path):
    with open(path, encoding="utf-8", errors="replace") as fh:
        fh.readline()
        for line in fh:
            line = line.strip()
            if not line or " " in line or "\t" in line:
                continue
            w, _, flags = line.partition("/")
            yield w, set(flags)


CS_NOUN_FLAGS = set("PVUDHLQZM")
CS_VERB_ONLY = set("AJTB")
CS_INFINITIVE = re.compile(r"(?:[aeěiíouyáůé]t|ct|ci|[íáůé]st|ézt)$")


def cs_morphology():
    """lower-cased word -> Counter of classes, from hunspell-cs."""
    dic = "/usr/share/hunspell/cs_CZ.dic"
    r_rules = read_aff_rules("/usr/share/hunspell/cs_CZ.aff", "R")
    morph = collections.defaultdict(collections.Counter)
    entries = [(w, fl) for w, fl in read_dic(dic) if "q" not in fl and SINGLE_WORD_RE.match(w)]
    common = {w for w, _ in entries if not w[0].isupper()}
    for w, fl in entries:
        lw = w.lower()
        if w[0].isupper() and lw in common:
            continue  # a name (Mít, Brát) beside a common word (mít, brát)
        tags = []
        if "Y" in fl:
            tags.append("adj")
            if "R" in fl and lw.endswith(("ý", "í")):
                for strip, add, cond in r_rules:
                    if cond.search(lw) and lw.endswith(strip):
                        morph[lw[:len(lw) - len(strip)] + add]["adv"] += 1
        elif fl & CS_VERB_ONLY or (CS_INFINITIVE.search(lw) and fl & set("ICOX")
                                   and not fl & CS_NOUN_FLAGS):
            tags.append("v")
        elif fl & CS_NOUN_FLAGS or fl & set("SKC"):
            tags.append("n")
        elif "I" in fl and "P" in fl:
            tags.append("n")
        elif "E" in fl:
            tags.append("adv")
        for t in tags:
            morph[lw][t] += 1
    return morph


DE_VERB_FLAGS = set("XYZWDB")


def de_morphology():
    morph = collections.defaultdict(collections.Counter)
    nouns = set()
    bare = set()
    for w, fl in read_dic("/usr/share/hunspell/de_DE.dic"):
        if fl & set("ohd") or not SINGLE_WORD_RE.match(w):
            continue
        lw = w.lower()
        if w[0].isupper():
            if len(w) > 1 and w.isupper():
                continue
            morph[lw]["n"] += 1
            nouns.add(lw)
        elif "I" in fl and w.endswith("n"):
            morph[lw]["v"] += 1
        elif "A" in fl:
            morph[lw]["adj"] += 1
            if "C" in fl:
                morph[lw]["adv"] += 1
        elif fl & DE_VERB_FLAGS:
            morph[lw]["v"] += 1
        elif not fl - set("Uekjicmxyz"):
            bare.add(lw)
    for lw in bare:
        if lw in morph:
            continue
        morph[lw]["other" if lw in nouns else "adv"] += 1
    return morph


def en_morphology():
    morph = collections.defaultdict(collections.Counter)
    for fname, tag in (("noun", "n"), ("verb", "v"), ("adj", "adj"), ("adv", "adv")):
        path = "/usr/share/wordnet/index." + fname
        with open(path, encoding="utf-8", errors="replace") as fh:
            for line in fh:
                if line.startswith(" "):
                    continue
                f = line.split()
                if len(f) < 3 or "_" in f[0] or not SINGLE_WORD_RE.match(f[0]):
                    continue
                morph[f[0].lower()][tag] += int(f[2])
    return morph


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


def pos_table(lang, freq_words, corpora):
    t0 = time.time()
    th_path = {"cs": "/usr/share/mythes/th_cs_CZ_v2.dat",
               "de": "/usr/share/mythes/th_de_DE_v2.dat",
               "en": "/usr/share/mythes/th_en_US_v2.dat"}[lang]
    entries = read_mythes(th_path)
    morph = {"cs": cs_morphology, "de": de_morphology, "en": en_morphology}[lang]()
    closed = {"cs": CS_CLOSED, "de": DE_CLOSED, "en": EN_CLOSED}[lang]

    # How the thesaurus writes each term (German capitalises nouns).
    case_forms = collections.defaultdict(set)
    heads = {}  # lower-cased headword -> index of its first entry
    lines_of = collections.defaultdict(list)
    for idx, (head, meanings) in enumerate(entries):
        h = head.strip()
        if SINGLE_WORD_RE.match(h):
            heads.setdefault(h.lower(), idx)
            lines_of[h.lower()].extend(meanings)
        for _, terms in meanings:
            for t in terms:
                c = clean_term(t)
                if c:
                    case_forms[c.lower()].add(c[0].isupper())

    def primary(word):
        m = morph.get(word)
        if m:
            return m.most_common(1)[0][0]
        ct = closed.get(word)
        return ct[0] if ct else None

    def vote(word):
        """Classes of a word hunspell knows nothing of, from its thesaurus lines."""
        per_tag = collections.Counter()
        for label, terms in lines_of.get(word, []):
            votes = collections.Counter()
            if lang == "cs" and label in CS_LABELS:
                votes[CS_LABELS[label]] += 1.5
            for t in terms:
                c = clean_term(t)
                if c and c.lower() != word:
                    p = primary(c.lower())
                    if p and p != "other":
                        votes[p] += 1
            if votes:
                per_tag[votes.most_common(1)[0][0]] += 1
        kept = [(t, n) for t, n in per_tag.items() if form_allows(lang, word, t, case_forms)]
        if not kept:
            return collections.Counter()
        if lang == "cs" and "v" in dict(kept) and CS_INFINITIVE.search(word):
            # Hunspell knows nearly every noun; an unknown infinitive-like word is a verb.
            kept = [(t, n) for t, n in kept if t == "v"]
        top = max(n for _, n in kept)
        return collections.Counter({t: n for t, n in kept if n >= 0.3 * top})

    seen = collections.Counter()
    capital = collections.Counter()
    for c in corpora:
        seen.update(c.seen)
        capital.update(c.capital)

    def noun_share(word):
        n = seen.get(word, 0)
        return capital.get(word, 0) / n if n >= 3 else None

    candidates = set(heads) | set(closed)
    if lang != "en":
        candidates |= set(morph) & freq_words
    else:
        candidates |= set(morph)
    result = {}
    for w in candidates:
        if w not in freq_words and heads.get(w, THESAURUS_FIRST) >= THESAURUS_FIRST \
                and w not in closed:
            continue
        if lang == "en":
            ev = collections.Counter(morph.get(w, {}))
            for label, _ in lines_of.get(w, []):
                if label in EN_LABELS:
                    ev[EN_LABELS[label]] += 1
            for t in closed.get(w, []):
                ev[t] += 0.5
        elif w in closed:
            ev = collections.Counter({t: len(closed[w]) - i for i, t in enumerate(closed[w])})
        elif w in morph:
            ev = morph[w]
        else:
            ev = vote(w)
        if lang == "de" and "n" in morph.get(w, {}) and (len(ev) > 1 or w in closed):
            # Capitalised "Nehmen", "Gut", "Zeit" beside a verb, adjective or function
            # word: a noun only when the texts write it capitalised often enough.
            ev = collections.Counter(ev)
            share = noun_share(w)
            if share is None:
                keep = "v" not in ev and w not in closed
            else:
                keep = share >= NOUN_SHARE
            if not keep:
                del ev["n"]
            elif w in closed or share is not None:
                ev["n"] = max(ev.values()) + 1 if (share or 0) >= 0.5 else 0.5
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


# ---------------------------------------------------------------- README

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


def write_readme(stats):
    pkgs = []
    for lang in ("cs", "de", "en"):
        for pkg, _ in SOURCES[lang]:
            if pkg not in pkgs:
                pkgs.append(pkg)
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
    o.append("## Re-creating them\n")
    o.append("    apt-get install -y --no-install-recommends " + " ".join(
        p for p in pkgs if p not in ("base-files",) + tuple(EN_INFO_PACKAGES)))
    o.append("    python3 scripts/derive-word-tables.py\n")
    o.append("(base-files and the GNU tools whose info manuals are read are part of every "
             "Debian system.) Python 3 standard library only; well under a minute.\n")
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
    o.append("## Top 30 of each frequency table\n")
    for lang in ("cs", "de", "en"):
        o.append("**%s**: %s\n" % (lang, ", ".join(
            "%s (%s)" % (w, fmt(v)) for w, v in stats[lang]["ranked"][:30])))
    with open(os.path.join(OUT, "README.md"), "w", encoding="utf-8", newline="\n") as fh:
        fh.write("\n".join(o))


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
