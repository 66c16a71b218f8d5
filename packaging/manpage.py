#!/usr/bin/env python3
"""Writes a manual page (man(7) macros) from one of our Markdown documents.

The documents use a small part of Markdown: headings, paragraphs, "- " lists (continued by
indented lines), code blocks (indented by four spaces after a blank line, or fenced with
```), `code`, **bold** and *emphasis*. Headings of level 2 become sections; with --commands
they become subsections of COMMANDS instead, and the usage lines in their first code block
(the lines starting with the program's name) make up the SYNOPSIS. The level-1 heading is
the document's title and is left out; the text before the first level-2 heading is the
DESCRIPTION. Further documents given with --append add their level-2 sections at the end
(FILES, SEE ALSO ...).
"""

import argparse
import re
import sys


def escape(text):
    """Escapes a line of text for roff: backslashes, dashes, other than ASCII, a leading dot."""
    text = escape_inner(text)
    if text.startswith((".", "'")):
        text = "\\&" + text
    return text


def inline(text):
    """Markdown inline marks to roff fonts; everything else escaped."""
    out = []
    pos = 0
    pattern = re.compile(r"`([^`]+)`|\*\*([^*]+)\*\*|\*([^*\s][^*]*)\*|\[([^\]]+)\]\(([^)]+)\)")
    for match in pattern.finditer(text):
        out.append(escape_inner(text[pos:match.start()]))
        code, bold, emph, link_text, link = match.groups()
        if code is not None:
            out.append("\\fB" + escape_inner(code) + "\\fR")
        elif bold is not None:
            out.append("\\fB" + escape_inner(bold) + "\\fR")
        elif emph is not None:
            out.append("\\fI" + escape_inner(emph) + "\\fR")
        else:
            out.append(escape_inner(link_text) + " (" + escape_inner(link) + ")")
        pos = match.end()
    out.append(escape_inner(text[pos:]))
    line = "".join(out)
    if line.startswith((".", "'")):
        line = "\\&" + line
    return line


def escape_inner(text):
    text = text.replace("\\", "\\e").replace("-", "\\-")
    return "".join(c if ord(c) < 128 else "\\[u%04X]" % ord(c) for c in text)


def code_line(text):
    line = escape_inner(text)
    if line.startswith((".", "'")):
        line = "\\&" + line
    return line


class Block:
    def __init__(self, kind, lines, depth=0):
        self.kind = kind  # "heading1", "heading2", "heading3", "para", "item", "code"
        self.lines = lines
        self.depth = depth  # list items: 0, or 1 for an item inside an item


def parse(text):
    """Splits a document into blocks."""
    blocks = []
    lines = text.splitlines()
    i = 0
    previous_blank = True
    while i < len(lines):
        line = lines[i]
        if line.strip() == "":
            previous_blank = True
            i += 1
            continue
        if line.startswith("```"):
            i += 1
            code = []
            while i < len(lines) and not lines[i].startswith("```"):
                code.append(lines[i])
                i += 1
            i += 1
            blocks.append(Block("code", code))
        elif line.startswith("    ") and previous_blank:
            code = []
            while i < len(lines) and (lines[i].startswith("    ") or lines[i].strip() == ""):
                code.append(lines[i][4:])
                i += 1
            while code and code[-1].strip() == "":
                code.pop()
            blocks.append(Block("code", code))
        elif re.match(r"#{1,3} ", line):
            level = len(line) - len(line.lstrip("#"))
            blocks.append(Block("heading%d" % level, [line[level + 1:].strip()]))
            i += 1
        elif re.match(r"\s*[-*] ", line):
            depth = 1 if line.startswith("  ") else 0
            item = [re.sub(r"^\s*[-*] ", "", line)]
            i += 1
            while i < len(lines) and lines[i].strip() and not re.match(r"\s*[-*] ", lines[i]) \
                    and not lines[i].startswith(("#", "```")):
                item.append(lines[i].strip())
                i += 1
            blocks.append(Block("item", item, depth))
        else:
            para = [line]
            i += 1
            while i < len(lines) and lines[i].strip() and not lines[i].startswith(("#", "```")) \
                    and not re.match(r"\s*[-*] ", lines[i]):
                para.append(lines[i].strip())
                i += 1
            blocks.append(Block("para", para))
        previous_blank = False
    return blocks


def render_body(blocks, out):
    for block in blocks:
        if block.kind == "para":
            out.append(".PP")
            out.extend(inline(line.strip()) for line in block.lines)
        elif block.kind == "item":
            if block.depth:
                out.append(".RS 2")
            out.append(".IP \\(bu 2" if not block.depth else ".IP \\(en 2")
            out.extend(inline(line.strip()) for line in block.lines)
            if block.depth:
                out.append(".RE")
        elif block.kind == "code":
            out.append(".PP")
            out.append(".RS 4")
            out.append(".nf")
            out.extend(code_line(line) for line in block.lines)
            out.append(".fi")
            out.append(".RE")
        elif block.kind == "heading3":
            out.append(".PP")
            out.append("\\fB" + escape_inner(strip_marks(block.lines[0])) + "\\fR")


def strip_marks(text):
    return text.replace("`", "").replace("*", "")


def split_sections(blocks):
    """The blocks before the first level-2 heading, then (title, blocks) per level-2 heading."""
    intro = []
    sections = []
    for block in blocks:
        if block.kind == "heading1":
            continue
        if block.kind == "heading2":
            sections.append((strip_marks(block.lines[0]), []))
        elif sections:
            sections[-1][1].append(block)
        else:
            intro.append(block)
    return intro, sections


def usage_lines(program, section_blocks):
    for block in section_blocks:
        if block.kind == "code":
            # A usage line may go on in the lines indented below it.
            lines = []
            for line in block.lines:
                if line.startswith(program + " ") or line == program:
                    lines.append(line.strip())
                elif lines and line.startswith(" ") and line.strip():
                    lines[-1] += " " + line.strip()
            return lines
    return []


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("document")
    parser.add_argument("--name", required=True, help="the program's name")
    parser.add_argument("--section", default="1")
    parser.add_argument("--summary", required=True, help="the NAME line's text after the dash")
    parser.add_argument("--source", required=True, help="footer text, e.g. 'Orbivox32 0.1.0'")
    parser.add_argument("--date", required=True)
    parser.add_argument("--synopsis", action="append", default=[],
                        help="a SYNOPSIS line (else the usage lines of the commands)")
    parser.add_argument("--commands", action="store_true",
                        help="level-2 headings are the program's commands")
    parser.add_argument("--append", action="append", default=[], help="a further document")
    parser.add_argument("--output", "-o", required=True)
    args = parser.parse_args(argv)

    with open(args.document, encoding="utf-8") as f:
        intro, sections = split_sections(parse(f.read()))
    appended = []
    for extra in args.append:
        with open(extra, encoding="utf-8") as f:
            appended.extend(split_sections(parse(f.read()))[1])

    out = ['.\\" Generated from %s; edit that file, not this one.' % args.document.split("/")[-1],
           '.TH "%s" "%s" "%s" "%s" "User Commands"' % (args.name.upper(), args.section, args.date,
                                                      args.source),
           ".SH NAME", escape(args.name) + " \\- " + escape_inner(args.summary), ".SH SYNOPSIS"]
    synopsis = list(args.synopsis)
    if not synopsis and args.commands:
        for _, blocks in sections:
            synopsis.extend(usage_lines(args.name, blocks))
    if not synopsis:
        synopsis = [args.name]
    out.append(".nh")
    out.append(".ad l")
    for number, line in enumerate(synopsis):
        if number:
            out.append(".br")
        words = line.split(" ", 1)
        out.append("\\fB" + escape_inner(words[0]) + "\\fR" +
                   (" " + escape_inner(words[1]) if len(words) > 1 else ""))
    out.append(".ad b")
    out.append(".hy")
    out.append(".SH DESCRIPTION")
    render_body(intro, out)
    if args.commands:
        out.append(".SH COMMANDS")
        for title, blocks in sections:
            out.append(".SS " + escape_inner(title))
            render_body(blocks, out)
    else:
        appended = sections + appended
    for title, blocks in appended:
        out.append('.SH "%s"' % escape_inner(title.upper()))
        render_body(blocks, out)

    with open(args.output, "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
