#!/usr/bin/env python3
"""Checks that the package build (scripts/package.sh) builds only what the package installs:
configured as that script configures it, the build has the programs, the server programs and
the packaging steps, and no test program, fuzz replay or benchmark."""

import os
import re
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.normpath(os.path.join(HERE, ".."))
PACKAGE_SCRIPT = os.path.join(SOURCE, "scripts", "package.sh")
LEFT_OUT = ["-DORBIVOX_TESTS=OFF", "-DORBIVOX_BENCH=OFF"]


class PackageBuildTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with open(PACKAGE_SCRIPT, encoding="utf-8") as f:
            cls.script = f.read()
        cls.scratch = tempfile.TemporaryDirectory()
        subprocess.run(["cmake", "-G", "Ninja", "-S", SOURCE, "-B", cls.scratch.name, *LEFT_OUT],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        listing = subprocess.run(["ninja", "-C", cls.scratch.name, "-t", "targets", "all"],
                                 check=True, capture_output=True, text=True).stdout
        cls.outputs = {line.split(":")[0] for line in listing.splitlines()}

    @classmethod
    def tearDownClass(cls):
        cls.scratch.cleanup()

    def test_the_script_configures_without_tests_and_benchmarks(self):
        for option in LEFT_OUT:
            self.assertIn(option, self.script)

    def test_the_build_holds_what_is_installed_and_nothing_to_test(self):
        for program in ["bin/orbivox", "bin/Orbivox32", "packaging/orbivox.1.gz"]:
            self.assertIn(program, self.outputs)
        for_tests = re.compile(r"(^|/)(test_\w+|fuzz_replay|orbivox_bench|settings_store_child)$")
        unwanted = [output for output in self.outputs if for_tests.search(output)]
        self.assertEqual(unwanted, [])


if __name__ == "__main__":
    unittest.main()
