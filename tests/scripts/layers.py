#!/usr/bin/env python3
"""The layers point one way: no file includes one of a layer above its own, the in-place road
reaches no window header, and no files or folders include each other in a circle.

Usage: layers.py [SOURCE_ROOT]. Prints every offender and exits 1 if there is any."""
import os
import re
import sys

# Lowest first. A folder not listed takes the layer of its longest listed prefix.
LAYERS = [
    ("shared/", 0),
    ("engine/", 1),
    ("common/", 2),
    ("bridge/", 3),
    ("channels/", 4),
    ("ui/form/", 5),
    ("ui/window/", 6),
    ("ui/app/", 7),
    ("tools/", 8),
    ("tests/", 8),
]

# Roads that must not reach a folder through any chain of includes.
ROADS = [
    ("ui/app/InPlaceRun.", "ui/window/", "the windowless road includes a window header"),
]

# Includes (file, included file) that the checks pass over, each with why; none at present.
ALLOWED: set = set()

SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc", ".rc", ".rc.in")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
SKIPPED = {"build", "dist", ".git"}


def layer_of(path):
    best = None
    for prefix, layer in LAYERS:
        if path.startswith(prefix) and (best is None or len(prefix) > len(best[0])):
            best = (prefix, layer)
    return best[1] if best else None


def source_files(root):
    for folder, dirs, files in os.walk(root):
        rel = os.path.relpath(folder, root)
        dirs[:] = [d for d in dirs if not (rel == "." and d in SKIPPED) and not d.startswith(".")]
        for name in files:
            if name.endswith(SOURCE_SUFFIXES):
                yield os.path.normpath(os.path.join(rel, name)).replace(os.sep, "/")


def includes_of(root, path, known):
    """The project files that path includes, resolved beside it first, then from the root."""
    with open(os.path.join(root, path), encoding="utf-8", errors="replace") as f:
        text = f.read()
    found = []
    for name in INCLUDE.findall(text):
        beside = os.path.normpath(os.path.join(os.path.dirname(path), name)).replace(os.sep, "/")
        for candidate in (beside, os.path.normpath(name).replace(os.sep, "/")):
            if candidate in known:
                found.append(candidate)
                break
    return found


def upward(graph):
    offenders = []
    for path, targets in sorted(graph.items()):
        for target in targets:
            low, high = layer_of(path), layer_of(target)
            if low is None or high is None or high <= low or (path, target) in ALLOWED:
                continue
            offenders.append(f"upward include: {path} -> {target}")
    return offenders


def road_offenders(graph):
    offenders = []
    for start, forbidden, why in ROADS:
        for path in sorted(p for p in graph if p.startswith(start)):
            chain = reach(graph, path, forbidden)
            if chain:
                offenders.append(f"{why}: {' -> '.join(chain)}")
    return offenders


def reach(graph, path, forbidden):
    """A chain of includes from path to a file under forbidden, skipping allowed includes."""
    seen = {path}
    stack = [[path]]
    while stack:
        chain = stack.pop()
        for target in graph.get(chain[-1], []):
            if (chain[-1], target) in ALLOWED or target in seen:
                continue
            if target.startswith(forbidden):
                return chain + [target]
            seen.add(target)
            stack.append(chain + [target])
    return None


def cycles(graph, name):
    """One offender line per circle found (each circle reported from its first node)."""
    offenders = []
    state = {}
    for start in sorted(graph):
        if state.get(start):
            continue
        stack = [(start, iter(sorted(graph.get(start, []))))]
        path = [start]
        state[start] = 1  # on the current path
        while stack:
            node, targets = stack[-1]
            target = next(targets, None)
            if target is None:
                stack.pop()
                path.pop()
                state[node] = 2  # done
            elif state.get(target) == 1:
                circle = path[path.index(target):] + [target]
                offenders.append(f"{name} circle: {' -> '.join(circle)}")
            elif not state.get(target):
                state[target] = 1
                path.append(target)
                stack.append((target, iter(sorted(graph.get(target, [])))))
    return offenders


def folder_graph(graph):
    folders = {}
    for path, targets in graph.items():
        here = os.path.dirname(path)
        for target in targets:
            there = os.path.dirname(target)
            if there != here and (path, target) not in ALLOWED:
                folders.setdefault(here, set()).add(there)
    return {k: sorted(v) for k, v in folders.items()}


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..")
    root = os.path.abspath(root)
    known = set(source_files(root))
    graph = {path: includes_of(root, path, known) for path in known}
    offenders = upward(graph) + road_offenders(graph) + cycles(graph, "file") + cycles(folder_graph(graph), "folder")
    for line in offenders:
        print(line)
    print(f"{len(known)} files, {len(offenders)} offenders")
    return 1 if offenders else 0


if __name__ == "__main__":
    sys.exit(main())
