#!/usr/bin/env python3
"""Fails when the folders of a layer (src/core, src/gui) include each other in a cycle.

Each layer's top-level folders (files/, links/, frame/, ...) form a graph: folder A
depends on folder B when a file under A includes a header that resolves under B.
Headers of other layers or of the system are ignored. Exit status 1 and the cycles
on standard output when any folder depends on itself through others.
"""
import os
import re
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)
# Where a quoted include is looked for, after the including file's own folder.
LAYERS = {"src/core": [""], "src/gui": ["", "platform"]}


def folder_of(layer_dir, path):
    relative = os.path.relpath(path, layer_dir)
    return relative.split(os.sep)[0] if os.sep in relative else "."


def layer_graph(layer, search):
    layer_dir = os.path.normpath(os.path.join(ROOT, layer))
    edges = {}  # (from, to) -> one example "file includes header"
    for base, _, names in os.walk(layer_dir):
        for name in sorted(names):
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.join(base, name)
            with open(path, encoding="utf-8", errors="replace") as source:
                includes = INCLUDE.findall(source.read())
            for header in includes:
                for folder in [base] + [os.path.join(layer_dir, s) for s in search]:
                    candidate = os.path.normpath(os.path.join(folder, header))
                    if os.path.isfile(candidate):
                        break
                else:
                    continue  # another layer's or a system header
                source_folder = folder_of(layer_dir, path)
                target_folder = folder_of(layer_dir, candidate)
                if source_folder != target_folder:
                    example = f"{os.path.relpath(path, layer_dir)} includes {header}"
                    edges.setdefault((source_folder, target_folder), example)
    return edges


def cycles(edges):
    """Each group of folders that reach each other (Tarjan), with one cycle through it."""
    graph = {}
    for a, b in sorted(edges):
        graph.setdefault(a, []).append(b)
        graph.setdefault(b, [])
    index, low, stack, on_stack, groups = {}, {}, [], set(), []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for nxt in graph[node]:
            if nxt not in index:
                visit(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on_stack:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            group = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                group.append(member)
                if member == node:
                    break
            if len(group) > 1:
                groups.append(set(group))

    for node in sorted(graph):
        if node not in index:
            visit(node)

    found = []
    for group in groups:
        # Shortest way from the group's first folder back to itself, breadth-first.
        start = min(group)
        previous, queue = {start: None}, [start]
        while queue:
            node = queue.pop(0)
            if start in graph[node]:
                break
            for nxt in graph[node]:
                if nxt in group and nxt not in previous:
                    previous[nxt] = node
                    queue.append(nxt)
        path = [node]
        while previous[path[-1]] is not None:
            path.append(previous[path[-1]])
        found.append((group, list(reversed(path)) + [start]))
    return found


def main():
    failed = False
    for layer, search in LAYERS.items():
        edges = layer_graph(layer, search)
        for group, cycle in cycles(edges):
            failed = True
            print(f"{layer}: include cycle {' -> '.join(cycle)}")
            print(f"  every include between the folders {', '.join(sorted(group))}:")
            for (a, b), example in sorted(edges.items()):
                if a in group and b in group:
                    print(f"    {a} -> {b}: {example}")
    if not failed:
        print("No include cycles between folders of src/core and src/gui.")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
