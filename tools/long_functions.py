#!/usr/bin/env python3
"""Lists the functions of src/ longer than a limit (60 lines by default), longest first.

  tools/long_functions.py [LIMIT] [--all]

A function is counted from the line of its name to its closing brace. The scripted cut scenes
(src/cutscenes/*_scenes.cpp, time_machine.cpp), which are shot lists, are left out unless --all is given.
"""
import os
import re
import sys

SCENES = re.compile(r"cutscenes/(\w+_scenes|time_machine)\.cpp$")
# A definition starts at column 0 with a name followed by "(" and ends its head with "{".
HEAD = re.compile(r"^(?!\s)(?!namespace|struct|class|enum|union|#|//|extern|static_assert|using|typedef)[^;=]*?\b([A-Za-z_]\w*)\s*\(")


def functions(path):
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    i = 0
    while i < len(lines):
        m = HEAD.match(lines[i])
        if not m or m.group(1).isupper():  # a macro's use (a datafile's entries), not a function
            i += 1
            continue
        # Find the opening brace of the body (the head may run over several lines).
        j = i
        while j < len(lines) and "{" not in lines[j] and ";" not in lines[j]:
            j += 1
        if j >= len(lines) or ";" in lines[j].split("{")[0]:
            i = j + 1
            continue
        depth, k = 0, j
        while k < len(lines):
            code = re.sub(r'"(\\.|[^"\\])*"|\'(\\.|[^\'\\])*\'|//.*', "", lines[k])
            depth += code.count("{") - code.count("}")
            if depth <= 0 and "}" in code:
                break
            k += 1
        yield m.group(1), i + 1, k - i + 1
        i = k + 1


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    limit = int(args[0]) if args else 60
    src = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src")
    found = []
    for root, _, names in os.walk(src):
        for name in names:
            if not name.endswith((".cpp", ".h")):
                continue
            path = os.path.join(root, name)
            rel = os.path.relpath(path, src)
            if SCENES.search(rel) and "--all" not in sys.argv:
                continue
            for fn, line, length in functions(path):
                if length > limit:
                    found.append((length, f"{rel}:{line}", fn))
    for length, where, fn in sorted(found, reverse=True):
        print(f"{length:4} {where} {fn}")
    print(f"{len(found)} functions over {limit} lines")


if __name__ == "__main__":
    main()
