#!/usr/bin/env python3
"""The include graph of src/: folders are rooms, floors are layers, an include is an arrow.

A module is a header with its source file (x.h and x.cpp are one node).

  tools/include_graph.py            the summary: folders, arrows between folders, upward arrows, the largest circle
  tools/include_graph.py --up       also every upward include, file by file
  tools/include_graph.py --dot      the folder graph for Graphviz
  tools/include_graph.py DIR        the same for another tree's src/ (an older checkout, say)

The floors are FLOORS below, lowest first: a folder may include its own floor and the floors beneath it.
An include from a lower floor to a higher one is an upward arrow; DESIGN.md lists the ones the modal loops need.
"""
import os
import re
import sys

# Lowest first. Folders on one floor may include each other.
FLOORS = [
    ["platform"],       # the seam: display, input, clock, sound
    ["core"],           # the world state and what every subsystem stands on
    ["hero"],
    ["frame"],          # the pointer, the bag and verb panel, the composed frame, the play keys
    ["rooms"],
    ["dialogue"],
    ["story"],          # the story's steps and the hints, said through the hero's speech
    ["persistence"],
    ["cutscenes"],
    ["menus"],
    ["interaction"],    # the verbs and the story's rules, which start scenes and open the bag and panel
    ["rooms/scripts"],  # each room's own rules, on top of every subsystem they use
    ["game"],           # main, start-up, the main loop, the close at a quiet point
]

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def folder_of(path):
    return os.path.dirname(path)


def read_graph(src):
    files = {}
    for root, _, names in os.walk(src):
        for name in names:
            if name.endswith((".h", ".cpp")):
                full = os.path.join(root, name)
                rel = os.path.relpath(full, src)
                with open(full, encoding="utf-8") as f:
                    files[rel] = [inc for inc in INCLUDE.findall(f.read())]
    # Resolve includes relative to src/ (the include root) or to the file's own folder.
    graph = {}
    for rel, incs in files.items():
        mod = os.path.splitext(rel)[0]
        out = []
        for inc in incs:
            if inc not in files:
                inc = os.path.normpath(os.path.join(folder_of(rel), inc))
            if inc in files and os.path.splitext(inc)[0] != mod:
                out.append(os.path.splitext(inc)[0])
        graph.setdefault(mod, []).extend(out)
    return graph


def floor_index():
    index = {}
    for n, floor in enumerate(FLOORS):
        for folder in floor:
            index[folder] = n
    return index


def largest_circle(graph):
    # Tarjan's strongly connected components, iteratively.
    index, low, on, stack, comps, counter = {}, {}, set(), [], [], [0]
    for start in graph:
        if start in index:
            continue
        work = [(start, iter(graph[start]))]
        index[start] = low[start] = counter[0]; counter[0] += 1
        stack.append(start); on.add(start)
        while work:
            node, it = work[-1]
            advanced = False
            for nxt in it:
                if nxt not in index:
                    index[nxt] = low[nxt] = counter[0]; counter[0] += 1
                    stack.append(nxt); on.add(nxt)
                    work.append((nxt, iter(graph[nxt])))
                    advanced = True
                    break
                if nxt in on:
                    low[node] = min(low[node], index[nxt])
            if advanced:
                continue
            work.pop()
            if work:
                low[work[-1][0]] = min(low[work[-1][0]], low[node])
            if low[node] == index[node]:
                comp = []
                while True:
                    w = stack.pop(); on.discard(w); comp.append(w)
                    if w == node:
                        break
                comps.append(comp)
    return max(comps, key=len) if comps else []


def main():
    trees = [a for a in sys.argv[1:] if not a.startswith("--")]
    src = os.path.join(trees[0], "src") if trees else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src")
    graph = read_graph(src)
    floors = floor_index()
    folders = sorted({folder_of(f) for f in graph})
    unknown = [f for f in folders if f not in floors]
    arrows, up = set(), []
    for rel, incs in sorted(graph.items()):
        a = folder_of(rel)
        for inc in incs:
            b = folder_of(inc)
            if a == b:
                continue
            arrows.add((a, b))
            if a in floors and b in floors and floors[b] > floors[a]:
                up.append((rel, inc))
    up_arrows = sorted({(folder_of(a), folder_of(b)) for a, b in up})
    circle = largest_circle(graph)
    if "--dot" in sys.argv:
        print("digraph includes {")
        for a, b in sorted(arrows):
            style = ' [color=red]' if (a, b) in up_arrows else ''
            print(f'  "{a}" -> "{b}"{style};')
        print("}")
        return
    print(f"folders: {len(folders)} on {len(FLOORS)} floors; modules: {len(graph)}")
    if unknown:
        print("folders on no floor: " + ", ".join(unknown))
    print(f"arrows between folders: {len(arrows)}, upward: {len(up_arrows)} ({len(up)} includes)")
    for a, b in up_arrows:
        n = sum(1 for x, y in up if folder_of(x) == a and folder_of(y) == b)
        print(f"  up {a} -> {b} ({n})")
    print(f"largest circle of modules: {len(circle)} modules in "
          f"{len({folder_of(f) for f in circle})} folders")
    if "--up" in sys.argv:
        for a, b in up:
            print(f"  {a} -> {b}")


if __name__ == "__main__":
    main()
