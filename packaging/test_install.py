#!/usr/bin/env python3
"""Installs the build into a scratch prefix and checks the layout the programs rely on:
the programs in bin/, no executable under share/, every server program of the build tree
in lib/orbivox32/ and every shipped interface-list entry that points there finding its
program from the installed program folder, the program folder found by the installed
command-line tool, the bundled element file dated as in the build tree (by its newest epoch), the desktop
files, manual pages and the element timer (not enabled) in place, every document the manual
pages and the README send users to installed, and the tool's --help pointing there."""

import gzip
import os
import re
import subprocess
import sys
import tempfile
import unittest

BUILD = sys.argv.pop(1) if len(sys.argv) > 1 else "build"


def is_elf(path):
    with open(path, "rb") as f:
        return f.read(4) == b"\x7fELF"


class InstallTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.TemporaryDirectory()
        cls.prefix = os.path.join(cls.scratch.name, "prefix")
        subprocess.run(["cmake", "--install", BUILD, "--prefix", cls.prefix], check=True,
                       stdout=subprocess.DEVNULL)

    @classmethod
    def tearDownClass(cls):
        cls.scratch.cleanup()

    def installed(self, *pieces):
        return os.path.join(self.prefix, *pieces)

    def test_programs_in_bin_and_no_executable_in_share(self):
        for program in ["Orbivox32", "orbivox"]:
            self.assertTrue(os.access(self.installed("bin", program), os.X_OK), program)
        for folder, _, files in os.walk(self.installed("share")):
            for name in files:
                self.assertFalse(is_elf(os.path.join(folder, name)), os.path.join(folder, name))

    def test_server_programs_found_from_the_program_folder(self):
        built = os.path.join(BUILD, "lib", "orbivox32")
        servers = [n for n in os.listdir(built) if is_elf(os.path.join(built, n))]
        self.assertGreater(len(servers), 0)
        for name in servers:
            self.assertTrue(os.access(self.installed("lib", "orbivox32", name), os.X_OK), name)
        program_folder = self.installed("share", "Orbivox32")
        with open(os.path.join(program_folder, "data", "AlleServer.SQF"), encoding="cp1252") as f:
            entries = [line.strip().split(",", 1) for line in f if "," in line]
        shipped = [path for _, path in entries if "lib\\orbivox32\\" in path]
        self.assertGreater(len(shipped), 0)
        for path in shipped:
            resolved = os.path.normpath(os.path.join(program_folder, path.replace("\\", "/")))
            self.assertTrue(os.access(resolved, os.X_OK), path)

    def test_installed_tool_finds_its_program_folder(self):
        with tempfile.TemporaryDirectory() as home:
            environment = dict(os.environ, HOME=home)
            environment.pop("XDG_CONFIG_HOME", None)
            environment.pop("XDG_DATA_HOME", None)
            output = subprocess.run([self.installed("bin", "orbivox"), "folders"], check=True,
                                    capture_output=True, text=True, env=environment).stdout
        self.assertIn("program folder: " + self.installed("share", "Orbivox32") + "/", output)

    def test_desktop_files_and_manual_pages(self):
        for path in [("share", "applications", "org.orbivox.Orbivox32.desktop"),
                     ("share", "metainfo", "org.orbivox.Orbivox32.metainfo.xml"),
                     ("share", "icons", "hicolor", "scalable", "apps", "org.orbivox.Orbivox32.svg"),
                     ("share", "man", "man1", "orbivox.1.gz"),
                     ("share", "man", "man1", "Orbivox32.1.gz"),
                     ("share", "doc", "orbivox32", "copyright"),
                     ("share", "doc", "orbivox32", "guide.md")]:
            self.assertTrue(os.path.isfile(self.installed(*path)), "/".join(path))

    def test_element_timer_installed_and_not_enabled(self):
        units = self.installed("lib", "systemd", "user")
        with open(os.path.join(units, "orbivox-keps.service"), encoding="utf-8") as f:
            self.assertIn("ExecStart=orbivox download --if-older 2\n", f.read())
        with open(os.path.join(units, "orbivox-keps.timer"), encoding="utf-8") as f:
            self.assertRegex(f.read(), r"OnCalendar=\*-\*-\* \d\d,\d\d:00:00")
        # Enabled is a link in a .wants folder; the package leaves that to the user.
        self.assertEqual([d for d in os.listdir(units) if d.endswith(".wants")], [])

    def test_bundled_element_file_keeps_the_date_of_its_newest_epoch(self):
        element_file = os.path.join("share", "Orbivox32", "data", "Kepler", "amateur.txt")
        built = os.stat(os.path.join(BUILD, element_file)).st_mtime
        self.assertAlmostEqual(os.stat(self.installed(element_file)).st_mtime, built, delta=1)

    def test_documents_the_manual_pages_and_readme_name_are_installed(self):
        documents = self.installed("share", "doc", "orbivox32")
        named = set()
        for page in ["orbivox.1.gz", "Orbivox32.1.gz"]:
            with gzip.open(self.installed("share", "man", "man1", page), "rt") as f:
                # The text users read: no comment lines (the page's source), no font marks.
                text = "\n".join(line for line in f.read().splitlines()
                                  if not line.startswith('.\\"'))
                text = re.sub(r"\\f[BIRP]", "", text).replace("\\-", "-")
            named.update(re.findall(r"([\w-]+)\.md\b", text))
        self.assertIn("radio", named)
        # The README's pointers for users; the developers' documents stay in the source tree.
        named.update(["guide", "rotor", "robustness", "conversations", "data-files"])
        for name in sorted(named):
            self.assertTrue(os.path.isfile(os.path.join(documents, name + ".md")), name + ".md")

    def test_installed_tool_help_names_the_manual_page_and_the_documents(self):
        output = subprocess.run([self.installed("bin", "orbivox"), "--help"], check=True,
                                capture_output=True, text=True).stdout
        self.assertIn("man orbivox", output)
        self.assertIn(self.installed("share", "doc", "orbivox32") + "/", output)
        command = subprocess.run([self.installed("bin", "orbivox"), "passes", "--help"],
                                 check=True, capture_output=True, text=True).stdout
        self.assertIn("man orbivox", command)


if __name__ == "__main__":
    unittest.main()
