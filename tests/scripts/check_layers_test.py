#!/usr/bin/env python3
"""The layer check on small trees: each wrong include must fail it, and name the file."""
import os
import subprocess
import sys
import tempfile
import unittest

SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts",
                      "check-layers.py")


def run_check(files):
    """Writes {path: text} into a scratch tree and runs the check on it."""
    with tempfile.TemporaryDirectory() as root:
        for path, text in files.items():
            full = os.path.join(root, path)
            os.makedirs(os.path.dirname(full), exist_ok=True)
            with open(full, "w", encoding="utf-8") as out:
                out.write("// A file of the scratch tree.\n" + text + "\n")
        done = subprocess.run([sys.executable, SCRIPT, root], capture_output=True, text=True)
        return done.returncode, done.stdout


class LayerCheckTest(unittest.TestCase):
    def test_includes_that_point_down_pass(self):
        code, out = run_check({
            "orbit/Model.h": "#include <cmath>\n#include <immintrin.h>\n#include \"orbit/Set.h\"",
            "settings/SqfFile.h": "#include <QString>\n#include <QtCore/QFile>",
            "map/Map.cpp": "#include <QImage>\n#include \"settings/SqfFile.h\"\n"
                           "#include \"orbit/Model.h\"",
            "map/ui/Dialog.cpp": "#include <QDialog>\n#include \"map/Map.h\"",
            "tracking/Engine.cpp": "#include \"map/Map.h\"\n#include \"net/Http.h\"",
            "app/Main.cpp": "#include \"tracking/Engine.h\"\n#include \"map/ui/Dialog.h\"",
            "tests/map/MapTest.cpp": "#include \"tests/support/Scratch.h\"\n"
                                     "#include \"map/ui/Dialog.h\"",
            "radio/RadioFamilies.cpp": "#include \"radio/icom/IcomFamily.h\"",
            "radio/icom/IcomFamily.cpp": "#include \"radio/RadioFamilies.h\"\n"
                                         "#include \"radio/icom/IcomFiles.h\"",
            "emulators/IcomEmulator.cpp": "#include \"radio/icom/IcomFamily.h\"",
        })
        self.assertEqual(code, 0, out)

    def test_each_wrong_include_fails_and_names_its_file(self):
        cases = [
            ("map/Map.cpp", '#include "tracking/Engine.h"', "upwards"),
            ("radio/Cat.cpp", '#include "rotator/Rotor.h"', "sideways"),
            ("net/Http.cpp", '#include "links/Talk.h"', "sideways"),
            ("settings/Folders.cpp", '#include "orbit/Model.h"', "sideways"),
            ("orbit/Model.cpp", '#include "settings/SqfFile.h"', "sideways"),
            ("orbit/Model.cpp", "#include <QString>", "standard C++ only"),
            ("orbit/Model.cpp", "#include <gtest/gtest.h>", "standard C++ only"),
            ("settings/Folders.cpp", "#include <QImage>", "Qt Core only"),
            ("catalogue/Groups.cpp", "#include <QMessageBox>", "no widgets"),
            ("tracking/Engine.cpp", "#include <QtWidgets/QWidget>", "no widgets"),
            ("tracking/Engine.cpp", '#include "tracking/ui/Options.h"', "dialog header"),
            ("links/Talk.cpp", '#include "Talk.h"', "not a project path"),
            ("radio/yaesu/Set.cpp", '#include "radio/icom/IcomFrames.h"', "sideways"),
            ("tracking/Control.cpp", '#include "radio/icom/IcomFiles.h"', "family registry"),
            ("app/desktop/Dialogs.cpp", '#include "radio/kenwood/Files.h"', "family registry"),
        ]
        for path, include, reason in cases:
            with self.subTest(path=path, include=include):
                code, out = run_check({path: include})
                self.assertEqual(code, 1, out)
                self.assertIn(path + ":2:", out)
                self.assertIn(reason, out)

    def test_the_project_itself_passes(self):
        done = subprocess.run([sys.executable, SCRIPT], capture_output=True, text=True)
        self.assertEqual(done.returncode, 0, done.stdout)


if __name__ == "__main__":
    unittest.main()
