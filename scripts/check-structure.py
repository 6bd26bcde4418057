#!/usr/bin/env python3
"""Checks the shape of the program's sources under src/ and fails on a breach:

- the include graph between the folders is a one-way stack:
  text <- dictionary <- morphology <- speech <- entry <- lookup <- translator <- app <- assistant
  (a folder includes only folders below it, never one above);
- only src/app/ includes app/tfrm_main.h;
- no source file (.h, .cpp) is longer than 400 lines, and tfrm_main.h and
  tfrm_main.cpp together stay under 400;
- no function is longer than 60 lines, counted from the first line of its
  declaration to its closing brace.

Usage: check-structure.py [SRC_DIR]   (default: src beside this script's folder)
       check-structure.py --self-test   (plants each breach in a scratch tree and
                                         fails unless every one is reported)
"""
import pathlib
import re
import sys

STACK = ["text", "dictionary", "morphology", "speech", "entry", "lookup", "translator", "app", "assistant"]
MAX_FILE_LINES = 400
MAX_FUNCTION_LINES = 60
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z_]+)/([^"]+)"')


def strip_code(text):
    """The text with comments, string and character literals blanked, lines kept."""
    out, i, n = [], 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            i = n if j < 0 else j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append("\n" * text.count("\n", i, j))
            i = j
        elif c in "\"'":
            j = i + 1
            while j < n and text[j] != c:
                j += 2 if text[j] == "\\" else 1
            out.append(c + c)
            i = j + 1
        else:
            out.append(c)
            i += 1
    return "".join(out)


def long_functions(text):
    """(name, first line, length) of every function body longer than the limit."""
    code = strip_code(text)
    code = "\n".join("" if l.lstrip().startswith("#") else l for l in code.split("\n"))
    found = []
    scopes = []  # (kind, start line, name)
    line, stmt, stmt_line = 1, "", None
    for c in code:
        if c == "\n":
            line += 1
        outer = all(kind in ("ns", "type") for kind, _, _ in scopes)
        if c == "{":
            head = stmt.strip()
            if not outer:
                kind = "block"
            elif re.match(r"^(inline\s+)?namespace\b", head) or head.startswith("extern"):
                kind = "ns"
            elif head and head[-1] in "(,=[":
                kind = "block"  # a braced initialiser inside a declaration
            elif re.search(r"\b(class|struct|union|enum)\b", head) and ")" not in head:
                kind = "type"
            elif ")" in head:
                kind = "func"
            else:
                kind = "block"
            name = re.sub(r"\s+", " ", head.split("(")[0].split()[-1]) if head else "?"
            scopes.append((kind, stmt_line or line, name))
            if kind in ("ns", "type", "func"):
                stmt, stmt_line = "", None
            else:
                stmt += c
        elif c == "}":
            kind, start, name = scopes.pop() if scopes else ("block", line, "?")
            if kind == "func" and line - start + 1 > MAX_FUNCTION_LINES:
                found.append((name, start, line - start + 1))
            if kind in ("ns", "type", "func"):
                stmt, stmt_line = "", None
            else:
                stmt += c
        elif c == ";" and all(k in ("ns", "type") for k, _, _ in scopes):
            stmt, stmt_line = "", None
        else:
            if outer and not c.isspace() and stmt_line is None:
                stmt_line = line
            stmt += c
    return found


def check(src):
    """The list of breaches found under src."""
    problems = []
    sources = sorted(p for p in src.rglob("*") if p.suffix in (".h", ".cpp"))
    for path in sources:
        rel = path.relative_to(src)
        folder = rel.parts[0]
        text = path.read_text(encoding="utf-8")
        lines = text.count("\n") + (0 if text.endswith("\n") else 1)
        if lines > MAX_FILE_LINES:
            problems.append(f"{rel}: {lines} lines (at most {MAX_FILE_LINES})")
        for number, l in enumerate(text.split("\n"), 1):
            m = INCLUDE.match(l)
            if not m or m.group(1) not in STACK:
                continue
            target = m.group(1)
            if f"{target}/{m.group(2)}" == "app/tfrm_main.h" and folder != "app":
                problems.append(f"{rel}:{number}: only app/ includes app/tfrm_main.h")
            if folder in STACK and STACK.index(target) > STACK.index(folder):
                problems.append(f"{rel}:{number}: {folder}/ includes {target}/, "
                                f"which is above it in {' <- '.join(STACK)}")
        for name, start, length in long_functions(text):
            problems.append(f"{rel}:{start}: {name} is {length} lines "
                            f"(at most {MAX_FUNCTION_LINES})")
    frame = sum((src / "app" / n).read_text(encoding="utf-8").count("\n")
                for n in ("tfrm_main.h", "tfrm_main.cpp") if (src / "app" / n).exists())
    if frame >= MAX_FILE_LINES:
        problems.append(f"app/tfrm_main.h and app/tfrm_main.cpp: {frame} lines together "
                        f"(under {MAX_FILE_LINES})")
    return problems, len(sources)


def self_test():
    import tempfile
    body = "\n".join(f"    x += {i};" for i in range(MAX_FUNCTION_LINES))
    planted = {
        "text/a.h": '#include "dictionary/b.h"\n',
        "dictionary/b.h": "// below its limit\n" * MAX_FILE_LINES,
        "dictionary/c.h": "// one line too many\n" * (MAX_FILE_LINES + 1),
        "lookup/d.cpp": '#include "app/tfrm_main.h"\n',
        "entry/e.cpp": "namespace n {\nint f(int x) {\n" + body + "\n    return x;\n}\n}\n",
        # exactly at the limit: signature, 58 lines, closing brace
        "entry/g.cpp": "int g(int x) {\n" + "\n".join(body.split("\n")[:58]) + "\n}\n",
        "app/tfrm_main.h": "\n" * 200,
        "app/tfrm_main.cpp": '#include "lookup/d.h"\n' + "\n" * 199,
    }
    expected = ["text/a.h:1: text/ includes dictionary/", "dictionary/c.h: 401 lines",
                "lookup/d.cpp:1: only app/", "lookup/d.cpp:1: lookup/ includes app/",
                "entry/e.cpp:2: f is 63 lines", "tfrm_main.cpp: 400 lines together"]
    with tempfile.TemporaryDirectory() as tmp:
        for name, text in planted.items():
            path = pathlib.Path(tmp, name)
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_text(text, encoding="utf-8")
        problems, _ = check(pathlib.Path(tmp))
    missing = [e for e in expected if not any(e in p for p in problems)]
    for m in missing:
        print("not reported:", m)
    if len(problems) != len(expected):
        print("reported:", *problems, sep="\n  ")
    return 1 if missing or len(problems) != len(expected) else 0


def main():
    if sys.argv[1:] == ["--self-test"]:
        return self_test()
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else
                       pathlib.Path(__file__).resolve().parent.parent / "src")
    problems, files = check(src)
    for p in problems:
        print(p)
    print(f"{files} files checked, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
