#!/usr/bin/env python3
"""The include graph between the folders under src/, read from the #include lines.

Fails (exit 1) when a folder other than app/ includes app/, or when two folders include each
other, directly or round a longer cycle. With --dot, prints the folder graph instead.
"""
import re
import sys
from pathlib import Path

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def room(parts):
    """The folder a file or include belongs to; a system's own layer (win32/) is a room apart."""
    if len(parts) > 2 and parts[1] == 'win32':
        return parts[0] + '/win32'
    return parts[0]


def folder_graph(src: Path):
    folders = {room(p.relative_to(src).parts) for p in src.rglob('*') if p.suffix in ('.h', '.cpp')}
    edges = {f: {} for f in folders}  # folder -> {included folder: first file that includes it}
    for path in sorted(src.rglob('*')):
        if path.suffix not in ('.h', '.cpp'):
            continue
        here = room(path.relative_to(src).parts)
        for included in INCLUDE.findall(path.read_text(encoding='utf-8', errors='replace')):
            target = room(tuple(included.split('/')))
            if target in folders and target != here:
                edges[here].setdefault(target, str(path.relative_to(src)))
    return edges


def cycles(edges):
    """Each cycle once, as a list of folders, found by a depth-first walk."""
    found, state, stack = [], {}, []

    def walk(f):
        state[f] = 'open'
        stack.append(f)
        for g in sorted(edges[f]):
            if state.get(g) == 'open':
                found.append(stack[stack.index(g):] + [g])
            elif g not in state:
                walk(g)
        stack.pop()
        state[f] = 'done'

    for f in sorted(edges):
        if f not in state:
            walk(f)
    return found


def main():
    src = Path(sys.argv[1] if len(sys.argv) > 1 and not sys.argv[1].startswith('-') else 'src')
    edges = folder_graph(src)
    if '--dot' in sys.argv:
        print('digraph src {')
        for f in sorted(edges):
            for g in sorted(edges[f]):
                print(f'  "{f}" -> "{g}";')
        print('}')
        return 0
    problems = [f'{via} includes app/: only the main window may' for f, targets in sorted(edges.items())
                if f.split('/')[0] != 'app' for g, via in targets.items() if g == 'app']
    for cycle in cycles(edges):
        steps = ', '.join(f'{a} -> {b} ({edges[a][b]})' for a, b in zip(cycle, cycle[1:]))
        problems.append('include cycle: ' + steps)
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
