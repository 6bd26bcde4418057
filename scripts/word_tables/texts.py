"""Reading the packages' files: which files a package installed, its version, a file's
text, and that text cleaned of what is not prose (roff, markup, code, attributions)."""

import gzip
import html
import os
import re
import subprocess
import sys
import unicodedata

# The repository is two folders above this package (scripts/word_tables/).
REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
OUT = os.path.join(REPO, "data", "wordtables")

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
