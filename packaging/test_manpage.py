#!/usr/bin/env python3
"""Checks the manual page generator: every command of the command-line tool's document and
its usage lines reach orbivox(1), groff reads the page without a warning, and the marks
that mean something to roff (a leading dot, backslashes, dashes, other than ASCII) arrive
as text."""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
CLI_DOCUMENT = sys.argv.pop(1) if len(sys.argv) > 1 else os.path.join(HERE, "..", "docs", "cli.md")


def generate(document, *options):
    with tempfile.TemporaryDirectory() as folder:
        page = os.path.join(folder, "page.1")
        subprocess.run([sys.executable, os.path.join(HERE, "manpage.py"), document,
                        "--summary", "test", "--source", "Orbivox32 test", "--date", "2026-01-01",
                        "-o", page, *options], check=True)
        with open(page, encoding="utf-8") as f:
            return f.read()


def render(page):
    """The page as man shows it (plain text), and groff's warnings."""
    result = subprocess.run(["groff", "-man", "-Tutf8", "-ww", "-P", "-cbou"], input=page,
                            capture_output=True, text=True, check=True)
    return result.stdout, result.stderr


@unittest.skipUnless(shutil.which("groff"), "groff is not installed")
class ManualPageTest(unittest.TestCase):
    def test_every_command_of_the_cli_document(self):
        with open(CLI_DOCUMENT, encoding="utf-8") as f:
            document = f.read()
        commands = re.findall(r"^## (\S+)\s*$", document, re.M)
        self.assertGreater(len(commands), 0)
        page = generate(CLI_DOCUMENT, "--name", "orbivox", "--commands")
        text, warnings = render(page)
        self.assertEqual(warnings, "")
        subsections = re.findall(r"^\.SS (.+)$", page, re.M)
        self.assertEqual(subsections, [c.replace("-", "\\-") for c in commands])
        synopsis = re.sub(r"\s+", " ", text.split("SYNOPSIS")[1].split("DESCRIPTION")[0])
        for command in commands:
            self.assertIn("orbivox " + command, synopsis)

    def test_roff_marks_arrive_as_text(self):
        with tempfile.NamedTemporaryFile("w", suffix=".md", delete=False, encoding="utf-8") as f:
            f.write("# Title\n\nIntro with a back\\slash and --dash, longitude \u2212180.\n\n"
                    "## run\n\n    tool run [--fast]\n        [--slow]\n\n"
                    ".starts with a dot\n'and a quote\n\n"
                    "- outer item\n  goes on\n  - inner `item`\n"
                    "\n```\n.code line\n```\n")
        try:
            page = generate(f.name, "--name", "tool", "--commands")
        finally:
            os.unlink(f.name)
        text, warnings = render(page)
        self.assertEqual(warnings, "")
        flat = re.sub(r"\s+", " ", text)
        for expected in ["back\\slash and --dash, longitude \u2212180.", "tool run [--fast] [--slow]",
                         ".starts with a dot 'and a quote", "outer item goes on", "inner item",
                         ".code line"]:
            self.assertIn(expected, flat)


if __name__ == "__main__":
    unittest.main()
