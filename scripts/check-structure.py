#!/usr/bin/env python3
"""Checks the shape of the sources under src/, tools/ and scripts/ and fails on a
breach:

- the include graph between the folders of src/ is a one-way stack:
  text <- widgets <- dictionary <- morphology <- speech <- entry <- lookup <- translator <- app <- assistant
  (a folder includes only folders below it, never one above);
- only src/app/ includes app/tfrm_main.h (tools/ neither);
- a form's generated header (ui_<form>.h) belongs to the folder whose window the form
  lays out, so only that folder and those above it include it;
- no source file (.h, .cpp, and the scripts' .py) is longer than 400 lines, and
  tfrm_main.h and tfrm_main.cpp together stay under 400;
- no function is longer than 60 lines, counted from the first line of its
  declaration to its closing brace (in Python, to its last line).

Usage: check-structure.py [ROOT]   (default: the repository this script is in)
       check-structure.py --self-test   (plants each breach in a scratch tree and
                                         fails unless every one is reported)
"""
import ast
import pathlib
import re
import sys

STACK = ["text", "widgets", "dictionary", "morphology", "speech", "entry", "lookup", "translator", "app", "assistant"]
MAX_FILE_LINES = 400
MAX_FUNCTION_LINES = 60
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z_]+)/([^"]+)"')
FORM_INCLUDE = re.compile(r'^\s*#\s*include\s+"(ui_[a-z_]+\.h)"')
# The folder of the window each form of src/forms lays out.
FORM_OWNERS = {"ui_tfrm_main.h": "app", "ui_about_box.h": "app", "ui_tfrm_kontakt.h": "app",
               "ui_tfrm_preklad.h": "translator"}


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


def line_count(text):
    return text.count("\n") + (0 if text.endswith("\n") else 1)


def check_cpp(tree, name, stacked):
    """Breaches of the C++ sources under tree (shown as name/...); the include stack
    holds between the folders of a stacked tree."""
    problems = []
    sources = sorted(p for p in tree.rglob("*") if p.suffix in (".h", ".cpp"))
    for path in sources:
        rel = path.relative_to(tree)
        shown = f"{name}/{rel}"
        folder = rel.parts[0]
        text = path.read_text(encoding="utf-8")
        if line_count(text) > MAX_FILE_LINES:
            problems.append(f"{shown}: {line_count(text)} lines (at most {MAX_FILE_LINES})")
        for number, l in enumerate(text.split("\n"), 1):
            form = FORM_INCLUDE.match(l)
            if form:
                owner = FORM_OWNERS.get(form.group(1), "app")
                if not stacked or folder not in STACK or STACK.index(owner) > STACK.index(folder):
                    problems.append(f"{shown}:{number}: {form.group(1)} belongs to {owner}/, "
                                    f"which is above {folder}/")
                continue
            m = INCLUDE.match(l)
            if not m or m.group(1) not in STACK:
                continue
            target = m.group(1)
            if f"{target}/{m.group(2)}" == "app/tfrm_main.h" and not (stacked and folder == "app"):
                problems.append(f"{shown}:{number}: only app/ includes app/tfrm_main.h")
            if stacked and folder in STACK and STACK.index(target) > STACK.index(folder):
                problems.append(f"{shown}:{number}: {folder}/ includes {target}/, "
                                f"which is above it in {' <- '.join(STACK)}")
        for function, start, length in long_functions(text):
            problems.append(f"{shown}:{start}: {function} is {length} lines "
                            f"(at most {MAX_FUNCTION_LINES})")
    return problems, len(sources)


def check_python(tree, name):
    """Breaches of the Python scripts under tree."""
    problems = []
    sources = sorted(tree.rglob("*.py"))
    for path in sources:
        shown = f"{name}/{path.relative_to(tree)}"
        text = path.read_text(encoding="utf-8")
        if line_count(text) > MAX_FILE_LINES:
            problems.append(f"{shown}: {line_count(text)} lines (at most {MAX_FILE_LINES})")
        for node in ast.walk(ast.parse(text)):
            if isinstance(node, (ast.FunctionDef, ast.AsyncFunctionDef)):
                length = node.end_lineno - node.lineno + 1
                if length > MAX_FUNCTION_LINES:
                    problems.append(f"{shown}:{node.lineno}: {node.name} is {length} lines "
                                    f"(at most {MAX_FUNCTION_LINES})")
    return problems, len(sources)


def check(root):
    """The list of breaches found under root's src/, tools/ and scripts/."""
    src = root / "src"
    problems, files = check_cpp(src, "src", stacked=True)
    frame = sum((src / "app" / n).read_text(encoding="utf-8").count("\n")
                for n in ("tfrm_main.h", "tfrm_main.cpp") if (src / "app" / n).exists())
    if frame >= MAX_FILE_LINES:
        problems.append(f"src/app/tfrm_main.h and src/app/tfrm_main.cpp: {frame} lines together "
                        f"(under {MAX_FILE_LINES})")
    for found, count in (check_cpp(root / "tools", "tools", stacked=False),
                         check_python(root / "scripts", "scripts")):
        problems += found
        files += count
    return problems, files


def self_test():
    import tempfile
    body = "\n".join(f"    x += {i};" for i in range(MAX_FUNCTION_LINES))
    python_body = "\n".join(f"    x += {i}" for i in range(MAX_FUNCTION_LINES))
    planted = {
        "src/text/a.h": '#include "dictionary/b.h"\n',
        "src/dictionary/b.h": "// below its limit\n" * MAX_FILE_LINES,
        "src/dictionary/c.h": "// one line too many\n" * (MAX_FILE_LINES + 1),
        "src/lookup/d.cpp": '#include "app/tfrm_main.h"\n',
        "src/lookup/k.cpp": '#include "ui_tfrm_main.h"\n',
        "src/translator/l.cpp": '#include "ui_tfrm_preklad.h"\n',
        "src/app/m.cpp": '#include "ui_tfrm_main.h"\n#include "ui_tfrm_preklad.h"\n',
        "src/entry/e.cpp": "namespace n {\nint f(int x) {\n" + body + "\n    return x;\n}\n}\n",
        # exactly at the limit: signature, 58 lines, closing brace
        "src/entry/g.cpp": "int g(int x) {\n" + "\n".join(body.split("\n")[:58]) + "\n}\n",
        "src/app/tfrm_main.h": "\n" * 200,
        "src/app/tfrm_main.cpp": '#include "lookup/d.h"\n' + "\n" * 199,
        # tools/ may include any folder of src/ but the frame, under the same limits
        "tools/mkdict/h.cpp": '#include "app/tfrm_main.h"\n#include "lookup/d.h"\n'
                              "int h(int x) {\n" + body + "\n    return x;\n}\n",
        "tools/mkdict/n.cpp": '#include "ui_tfrm_main.h"\n',
        "scripts/i.py": "def i(x):\n" + python_body + "\n    return x\n",
        "scripts/j.py": "# one line too many\n" * (MAX_FILE_LINES + 1),
    }
    expected = ["src/text/a.h:1: text/ includes dictionary/", "src/dictionary/c.h: 401 lines",
                "src/lookup/d.cpp:1: only app/", "src/lookup/d.cpp:1: lookup/ includes app/",
                "src/lookup/k.cpp:1: ui_tfrm_main.h belongs to app/",
                "src/entry/e.cpp:2: f is 63 lines", "tfrm_main.cpp: 400 lines together",
                "tools/mkdict/h.cpp:1: only app/", "tools/mkdict/n.cpp:1: ui_tfrm_main.h belongs", "tools/mkdict/h.cpp:3: h is 63 lines",
                "scripts/i.py:1: i is 62 lines", "scripts/j.py: 401 lines"]
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
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else
                        pathlib.Path(__file__).resolve().parent.parent)
    problems, files = check(root)
    for p in problems:
        print(p)
    print(f"{files} files checked, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
