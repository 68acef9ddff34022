#!/usr/bin/env python3
"""Checks that the folders of src/ depend one way.

The order is CMakeLists.txt's TW_FOLDERS, from the bottom up: a folder may
include and call only the folders before it. Includes are read from the sources; calls from
the static libraries of a build folder (nm), so a call hidden behind a
forward declaration is found too. Prints every breach; exits 1 on any.

  tools/layers.py [build-dir]        both checks (the libraries must exist)
  tools/layers.py --includes         the include check alone
"""
import os
import re
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def folders():
    with open(os.path.join(ROOT, "CMakeLists.txt"), encoding="utf-8") as f:
        m = re.search(r"set\(TW_FOLDERS([^)]*)\)", f.read())
    return m.group(1).split()


ORDER = folders()
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z]+)/[^"]+"', re.M)


def below(folder):
    return set(ORDER[:ORDER.index(folder) + 1])


def include_breaches():
    out = []
    for folder in ORDER:
        base = os.path.join(ROOT, "src", folder)
        for dirpath, _, files in os.walk(base):
            for name in sorted(files):
                path = os.path.join(dirpath, name)
                with open(path, encoding="utf-8", errors="replace") as f:
                    text = f.read()
                for m in INCLUDE.finditer(text):
                    if m.group(1) in ORDER and m.group(1) not in below(folder):
                        line = text.count("\n", 0, m.start()) + 1
                        out.append(f"{os.path.relpath(path, ROOT)}:{line}: includes {m.group(1)}/")
    return out


def symbols(lib, defined):
    args = ["nm", "--format=posix", "--defined-only" if defined else "--undefined-only", lib]
    text = subprocess.run(args, capture_output=True, text=True, check=True).stdout
    syms = set()
    for line in text.splitlines():
        parts = line.split()
        if len(parts) < 2 or line.endswith(":"):
            continue
        if defined and parts[1] in ("W", "V", "w", "v", "u"):
            continue  # weak (inline, templates): any library may carry its copy
        syms.add(parts[0])
    return syms


def call_breaches(build):
    libs = {f: os.path.join(build, f"libtw_{f}.a") for f in ORDER}
    missing = [p for p in libs.values() if not os.path.exists(p)]
    if missing:
        return [f"no library {p}" for p in missing]
    owner = {}
    for folder in ORDER:
        for s in symbols(libs[folder], True):
            owner.setdefault(s, folder)
    out = []
    for folder in ORDER:
        allowed = below(folder)
        for s in sorted(symbols(libs[folder], False)):
            o = owner.get(s)
            if o and o not in allowed:
                name = subprocess.run(["c++filt", s], capture_output=True, text=True).stdout.strip()
                out.append(f"libtw_{folder}.a calls {o}: {name}")
    return out


def main(argv):
    breaches = include_breaches()
    if "--includes" not in argv:
        build = next((a for a in argv if not a.startswith("-")), os.path.join(ROOT, "build"))
        breaches += call_breaches(build)
    for b in breaches:
        print(b)
    return 1 if breaches else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
