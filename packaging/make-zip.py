#!/usr/bin/env python3
"""Writes a ZIP of FOLDER with FOLDER's name as its one top folder:
make-zip.py FOLDER OUTPUT.zip

The same files give the same bytes whatever the clock, time zone, umask or
file times: entries sorted, one fixed date, fixed attributes. Windows names
ignore letter case, so two names that differ only in case are refused.
"""
import os
import sys
import zipfile

FIXED_DATE = (1980, 1, 1, 0, 0, 0)


def entries(folder):
    top = os.path.basename(os.path.normpath(folder))
    names = []
    for root, dirs, files in os.walk(folder):
        dirs.sort()
        for name in files:
            path = os.path.join(root, name)
            names.append((top + "/" + os.path.relpath(path, folder).replace(os.sep, "/"), path))
    return sorted(names)


def case_clashes(names):
    seen = {}
    clashes = []
    for name in names:
        other = seen.setdefault(name.lower(), name)
        if other != name:
            clashes.append((other, name))
    return clashes


def main(folder, output):
    files = entries(folder)
    clashes = case_clashes([name for name, _ in files])
    if clashes:
        for a, b in clashes:
            print(f"make-zip: {a} and {b} differ only in letter case; Windows keeps one",
                  file=sys.stderr)
        return 1
    with zipfile.ZipFile(output, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for name, path in files:
            info = zipfile.ZipInfo(name, FIXED_DATE)
            info.create_system = 0  # MS-DOS: no Unix mode bits to vary with the umask
            info.external_attr = 0x20  # FILE_ATTRIBUTE_ARCHIVE, as Windows' own tools write
            info.compress_type = zipfile.ZIP_DEFLATED
            with open(path, "rb") as source:
                archive.writestr(info, source.read(), compresslevel=9)
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        print("usage: make-zip.py FOLDER OUTPUT.zip", file=sys.stderr)
        sys.exit(2)
    sys.exit(main(sys.argv[1], sys.argv[2]))
