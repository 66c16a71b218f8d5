#!/usr/bin/env python3
"""Checks that every include points down the layer table of docs/architecture.md.

    floor 0  orbit (standard C++ only), settings (Qt Core only)
    floor 1  net, links
    floor 2  radio, rotator, map, catalogue (no sideways include)
    floor 3  tracking
    floor 4  app, servers, tools, bench, fuzz, tests, emulators

    radio/<family> (every folder of radio/ but ui/): one folder per radio family

A folder includes itself and the floors below it. A logic library (a folder's files outside
its ui/ folder) never includes QtWidgets nor a ui/ header. A radio family's folder includes
radio/ but no other family's folder; outside radio/ only the programs on floor 4 but app
(emulators, tests, bench, fuzz, servers, tools) include a family's folder: tracking and app
ask the family registry (radio/RadioFamilies.h). Prints one line per offending include and
exits 1 when there is any.

Usage: check-layers.py [ROOT]   (ROOT defaults to the project folder this script lives in)
"""
import os
import re
import sys

FLOORS = {
    "orbit": 0, "settings": 0,
    "net": 1, "links": 1,
    "radio": 2, "rotator": 2, "map": 2, "catalogue": 2,
    "tracking": 3,
    "app": 4, "servers": 4, "tools": 4, "bench": 4, "fuzz": 4, "tests": 4,
    "emulators": 4,
}
TOP_FLOOR = 4
# Headers outside the standard library that the orbit core may still use: compiler intrinsics.
ORBIT_EXTRA_HEADERS = {"immintrin.h"}
QT_MODULE_DIRS = ["QtCore", "QtGui", "QtWidgets", "QtNetwork", "QtSerialPort", "QtTextToSpeech"]
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc")


def qt_header_folder():
    for candidate in (os.environ.get("QT_HEADERS"), "/usr/include/x86_64-linux-gnu/qt6",
                      "/usr/include/aarch64-linux-gnu/qt6", "/usr/include/qt6"):
        if candidate and os.path.isdir(os.path.join(candidate, "QtCore")):
            return candidate
    return None


def qt_module(header, qt_folder):
    """The Qt module a header belongs to ("QtWidgets"), or None when it is not Qt's."""
    if "/" in header:
        first = header.split("/", 1)[0]
        return first if first.startswith("Qt") else None
    if not header.startswith("Q"):
        return None
    if qt_folder:
        for module in QT_MODULE_DIRS:
            if os.path.isfile(os.path.join(qt_folder, module, header)):
                return module
    return "Qt?"  # a Qt-looking header we cannot place: treated as beyond Qt Core


def radio_family(path):
    """The radio family folder a project path lies in ("icom"), or None."""
    parts = path.split("/")
    return parts[1] if len(parts) > 2 and parts[0] == "radio" and parts[1] != "ui" else None


def family_problem(relative, folder, header):
    """Why an include of a radio family's header is wrong here, or None."""
    target = radio_family(header)
    if target is None:
        return None
    own = radio_family(relative)
    if own is not None and own != target:
        return f'the radio family {own} includes the family {target} ("{header}"): sideways'
    if folder in ("tracking", "app"):
        return f'{folder} includes the family header "{header}": ask the family registry'
    return None


def problems_in(root, path, qt_folder):
    relative = os.path.relpath(path, root).replace(os.sep, "/")
    folder = relative.split("/", 1)[0]
    floor = FLOORS[folder]
    is_ui = "/ui/" in relative
    found = []
    with open(path, encoding="utf-8", errors="replace") as source:
        for number, line in enumerate(source, 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            quoted, header = match.group(1) == '"', match.group(2)
            where = f"{relative}:{number}: "
            if quoted:
                target = header.split("/", 1)[0]
                if target not in FLOORS:
                    found.append(where + f'"{header}" is not a project path (folder/File.h)')
                    continue
                target_floor = FLOORS[target]
                if target != folder and floor != TOP_FLOOR and target_floor >= floor:
                    kind = "sideways" if target_floor == floor else "upwards"
                    found.append(where + f'{folder} (floor {floor}) includes "{header}" '
                                 f"(floor {target_floor}): {kind}")
                family = family_problem(relative, folder, header)
                if family:
                    found.append(where + family)
                if not is_ui and folder != "tests" and floor != TOP_FLOOR and "/ui/" in header:
                    found.append(where + f'logic file includes the dialog header "{header}"')
                continue
            module = qt_module(header, qt_folder)
            if folder == "orbit":
                if module or (header.endswith(".h") and header not in ORBIT_EXTRA_HEADERS):
                    found.append(where + f"orbit includes <{header}>: standard C++ only")
            elif folder == "settings" and module and module != "QtCore":
                found.append(where + f"settings includes <{header}> ({module}): Qt Core only")
            elif not is_ui and floor != TOP_FLOOR and module in ("QtWidgets", "Qt?"):
                found.append(where + f"logic file includes <{header}> ({module}): no widgets "
                             "outside ui/")
    return found


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else
                           os.path.join(os.path.dirname(__file__), ".."))
    qt_folder = qt_header_folder()
    problems = []
    checked = 0
    for folder in sorted(FLOORS):
        for directory, _, names in os.walk(os.path.join(root, folder)):
            for name in sorted(names):
                if name.endswith(SOURCE_SUFFIXES):
                    checked += 1
                    problems += problems_in(root, os.path.join(directory, name), qt_folder)
    for problem in problems:
        print(problem)
    if problems:
        print(f"layer check: {len(problems)} include(s) against the layer table "
              "(docs/architecture.md)")
        return 1
    print(f"layer check: {checked} files, every include points down the layer table")
    return 0


if __name__ == "__main__":
    sys.exit(main())
