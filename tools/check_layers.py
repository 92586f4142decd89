#!/usr/bin/env python3
"""Checks the #include lines of a source tree against its layer table.

Usage: check_layers.py SRC_DIR LAYERS_FILE

Every file under SRC_DIR belongs to a layer: the folder platform/NAME or the
first folder below SRC_DIR. An #include "a/b.h" names the layer of a/ (or
platform/a/). The table (LAYERS_FILE, lines "folder: uses...") says which
layers each layer may include; uses are transitive. The check fails on:
  - an include of a layer the file's layer may not use (it runs back up or
    sideways);
  - a file in no layer of the table;
  - a loop of includes between files.
Each fault is one line "path:line: what"; the exit status is 1 when there is
any, 0 otherwise.
"""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
SOURCE_ENDINGS = (".h", ".hpp", ".cpp", ".cc")


def read_table(path):
    uses = {}
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            if ":" not in line:
                sys.exit(f"{path}:{number}: expected 'folder: uses...'")
            name, rest = line.split(":", 1)
            uses[name.strip()] = rest.split()
    for name, used in uses.items():
        for u in used:
            if u not in uses:
                sys.exit(f"{path}: {name} uses {u}, which is not in the table")
    return uses


def closure(uses):
    allowed = {}

    def visit(name, stack):
        if name in allowed:
            return allowed[name]
        if name in stack:
            sys.exit("layer table has a loop: " + " -> ".join(stack + [name]))
        reach = {name}
        for u in uses[name]:
            reach |= visit(u, stack + [name])
        allowed[name] = reach
        return reach

    for name in uses:
        visit(name, [])
    return allowed


def layer_of(relative, layers):
    parts = relative.split("/")
    if parts[0] == "platform" and len(parts) > 2:
        name = "platform/" + parts[1]
    else:
        name = parts[0]
    return name if name in layers else None


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    root, table = sys.argv[1], sys.argv[2]
    uses = read_table(table)
    allowed = closure(uses)
    faults = []
    edges = {}  # file -> [(line, included file)]

    for folder, _, names in os.walk(root):
        for name in sorted(names):
            if not name.endswith(SOURCE_ENDINGS):
                continue
            path = os.path.join(folder, name)
            rel = os.path.relpath(path, root).replace(os.sep, "/")
            if "/" not in rel:
                continue  # the build's own files at the root
            own = layer_of(rel, uses)
            if own is None:
                faults.append(f"{rel}:1: in no layer of {os.path.basename(table)}")
                continue
            with open(path, encoding="utf-8", errors="replace") as f:
                for number, line in enumerate(f, 1):
                    m = INCLUDE.match(line)
                    if not m:
                        continue
                    target = m.group(1)
                    if "/" in target:
                        resolved = target
                    else:
                        resolved = os.path.dirname(rel) + "/" + target
                    if os.path.exists(os.path.join(root, resolved)):
                        edges.setdefault(rel, []).append((number, resolved))
                    if "/" not in target:
                        continue
                    other = layer_of(target, uses)
                    if other is None or other in allowed[own]:
                        continue
                    faults.append(f"{rel}:{number}: {own} includes {target}, "
                                  f"but {own} may use only: "
                                  + " ".join(sorted(allowed[own] - {own})))

    # Loops between files, by a depth-first walk that remembers its path.
    state = {}
    for start in sorted(edges):
        if state.get(start):
            continue
        stack = [(start, iter(edges.get(start, [])))]
        path = [start]
        state[start] = 1
        while stack:
            node, it = stack[-1]
            step = next(it, None)
            if step is None:
                state[node] = 2
                stack.pop()
                path.pop()
                continue
            number, nxt = step
            if state.get(nxt) == 1:
                loop = path[path.index(nxt):] + [nxt]
                faults.append(f"{node}:{number}: include loop: " + " -> ".join(loop))
            elif not state.get(nxt):
                state[nxt] = 1
                path.append(nxt)
                stack.append((nxt, iter(edges.get(nxt, []))))

    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} layering fault(s)")
        return 1
    print(f"layering: {len(edges)} files with includes, no fault")
    return 0


if __name__ == "__main__":
    sys.exit(main())
