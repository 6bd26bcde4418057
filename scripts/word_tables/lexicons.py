"""What word lists say of a word's classes: the built-in lists of function words,
hunspell's affix flags (cs, de) and WordNet's index files (en)."""

import collections
import re

from .texts import SINGLE_WORD_RE


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
