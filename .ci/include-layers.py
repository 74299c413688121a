#!/usr/bin/python3
"""Fails when a lower layer of kestrun includes a higher one.

kestrun builds in layers, each on those below it only:
  kestrun/shell/core    no Qt
  kestrun/shell/forms   the form layer over Qt
  kestrun/hypercube, kestrun/cube3d, kestrun/circulant   the topology windows
  kestrun/shell         the first window, chart windows, window set, main block
Every quoted include is resolved the way the compiler finds it (the including
file's folder, then the include roots kestrun/shell and the topology folders).
The core and the form layer may include only their own layer and those below;
a topology folder's code (its tests aside, which follow a window into its
chart) may include only its own folder, the core and the form layer. An
include of the core or the form layer names its layer ("core/...",
"forms/..."), and the core includes no Qt header.

Usage: include-layers.py [REPOSITORY_ROOT]
"""
import pathlib
import re
import sys

TOPOLOGY = ("hypercube", "cube3d", "circulant")
LOWER = ("core", "forms")
RANK = {"core": 0, "forms": 1, "topology": 2, "shell": 3}
NAMES = {"core": "the Qt-free core", "forms": "the form layer",
         "topology": "a topology folder", "shell": "the wizard in kestrun/shell"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def layer_of(path, kestrun):
    """(layer, folder) of a file below kestrun/, or None outside it."""
    parts = path.relative_to(kestrun).parts
    if parts[0] in TOPOLOGY:
        return "topology", kestrun / parts[0]
    if parts[0] == "shell" and len(parts) > 2 and parts[1] in LOWER:
        return parts[1], kestrun / "shell" / parts[1]
    if parts[0] == "shell":
        return "shell", kestrun / "shell"
    return None


def resolve(name, including, kestrun):
    roots = [including.parent, kestrun / "shell"] + [kestrun / t for t in TOPOLOGY]
    for root in roots:
        candidate = (root / name).resolve()
        if candidate.is_file():
            return candidate
    return None  # generated (moc) or from outside kestrun


def problems_of(path, kestrun):
    own, own_folder = layer_of(path, kestrun)
    in_tests = "tests" in path.relative_to(own_folder).parts
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        match = INCLUDE.match(line)
        if not match:
            continue
        quote, name = match.groups()
        if quote == "<":
            if own == "core" and re.match(r"Q[A-Za-z]", name):
                yield number, line, "brings Qt into the Qt-free core"
            continue
        target = resolve(name, path, kestrun)
        if target is None or not target.is_relative_to(kestrun):
            continue
        if layer_of(target, kestrun) is None:
            continue
        reached, folder = layer_of(target, kestrun)
        shown = target.relative_to(kestrun.parent)
        if reached in LOWER and not name.startswith(reached + "/"):
            yield number, line, f'names no layer; write "{reached}/{target.relative_to(folder)}"'
        elif reached == "topology" and own == "topology" and folder != own_folder:
            yield number, line, f"reaches into another topology folder ({shown})"
        elif RANK[reached] > RANK[own] and not (own == "topology" and in_tests):
            yield number, line, f"reaches up from {NAMES[own]} into {NAMES[reached]} ({shown})"


def main():
    default = pathlib.Path(__file__).resolve().parent.parent
    repository = pathlib.Path(sys.argv[1]).resolve() if len(sys.argv) > 1 else default
    kestrun = repository / "kestrun"
    files = sorted(p.resolve() for p in kestrun.rglob("*") if p.suffix in (".h", ".cpp"))
    files = [p for p in files if layer_of(p, kestrun) is not None]
    for layer in LOWER:
        if not any(layer_of(p, kestrun)[0] == layer for p in files):
            print(f"include-layers: no sources in kestrun/shell/{layer}; "
                  "update .ci/include-layers.py to the new layout")
            return 1
    failures = 0
    for path in files:
        for number, line, why in problems_of(path, kestrun):
            print(f"{path.relative_to(repository)}:{number}: {line.strip()} {why}")
            failures += 1
    if failures:
        print(f"include-layers: {failures} include(s) break kestrun's layering (see DESIGN.md)")
        return 1
    print(f"include-layers: {len(files)} kestrun sources, every include points down")
    return 0


if __name__ == "__main__":
    sys.exit(main())
