#!/usr/bin/env python3
"""Checks that the source folders include one another only downwards.

The folders stand in the order color -> shapes -> model -> imaging -> view -> app: a file may
include headers of its own folder and of lower folders only. imaging (picture files in and
out) sits beside view but below it: the view stores backgrounds through it, never the
reverse. Code outside a ui/ folder never includes ui/ code.
A header and its source count as one module, and the modules' includes form no cycle.

Usage: check_includes.py SRC_DIR. Prints every offence and exits 1 when there is any.
"""
import os
import re
import sys

RANK = {"color": 0, "shapes": 1, "model": 2, "imaging": 3, "view": 4, "app": 5}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def folder_of(path):
    top = path.split("/", 1)[0]
    return top if top in RANK else None


def is_ui(path):
    return "/ui/" in path


def module_of(path):
    return os.path.splitext(path)[0]


def read_includes(src, rel):
    with open(os.path.join(src, rel), encoding="utf-8") as f:
        return [name for name in INCLUDE.findall(f.read()) if os.path.exists(os.path.join(src, name))]


def layer_offences(rel, included):
    offences = []
    own = folder_of(rel)
    for name in included:
        other = folder_of(name)
        if own is None or other is None:
            continue
        if other != own and RANK[other] >= RANK[own]:
            offences.append(f"{rel}: includes {name}, which is not below {own}/")
        if is_ui(name) and not is_ui(rel):
            offences.append(f"{rel}: core code includes the widget header {name}")
    return offences


def cycles(graph):
    """The strongly connected groups of more than one module (Tarjan)."""
    index, low, stack, on_stack, groups = {}, {}, [], set(), []
    counter = [0]

    def visit(v):
        index[v] = low[v] = counter[0]
        counter[0] += 1
        stack.append(v)
        on_stack.add(v)
        for w in sorted(graph.get(v, ())):
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on_stack:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            group = []
            while True:
                w = stack.pop()
                on_stack.discard(w)
                group.append(w)
                if w == v:
                    break
            if len(group) > 1:
                groups.append(sorted(group))

    sys.setrecursionlimit(10000)
    for v in sorted(graph):
        if v not in index:
            visit(v)
    return groups


def main():
    src = sys.argv[1]
    offences = []
    graph = {}
    for root, _, files in os.walk(src):
        for name in files:
            if not name.endswith((".h", ".cpp")):
                continue
            rel = os.path.relpath(os.path.join(root, name), src).replace(os.sep, "/")
            included = read_includes(src, rel)
            offences += layer_offences(rel, included)
            edges = graph.setdefault(module_of(rel), set())
            edges.update(module_of(n) for n in included if module_of(n) != module_of(rel))
    for group in cycles(graph):
        offences.append("include cycle: " + " <-> ".join(group))
    for line in sorted(offences):
        print(line)
    return 1 if offences else 0


if __name__ == "__main__":
    sys.exit(main())
