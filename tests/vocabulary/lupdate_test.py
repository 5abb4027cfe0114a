#!/usr/bin/env python3
# SPDX-License-Identifier: AGPL-3.0-or-later
"""Runs lupdate over the sources into a scratch .ts file and checks that it
finds every template with its context, and that texts alike but for blanks
or hyphens are the intended ones. Usage: lupdate_test.py LUPDATE SOURCE_DIR"""
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

lupdate, root = sys.argv[1], Path(sys.argv[2])
folders = [root / d for d in ("src", "cli", "app")]
sources = [p for f in folders for p in f.rglob("*") if p.suffix in (".h", ".cpp")]

# KELVRA_TR("context", "text") and KELVRA_TR_N("context", "text", "one"),
# their literals possibly split over lines or into adjacent pieces.
literal = r'((?:"(?:[^"\\]|\\.)*"\s*)+)'
pattern = re.compile(r'KELVRA_TR(_N)?\(\s*' + literal + r',\s*' + literal + r'(?:,\s*' + literal + r')?\)')


# C's escapes, over UTF-8 source text: \x and octal escapes are bytes of the
# UTF-8 text, \u and \U are characters.
_simple = {"n": "\n", "t": "\t", "r": "\r", "a": "\a", "b": "\b", "f": "\f", "v": "\v"}


def unquote(pieces):
    # Each piece by itself: "\xc2\xb1" "15" is not "\xc2\xb115".
    out = bytearray()
    for piece in re.findall(r'"((?:[^"\\]|\\.)*)"', pieces):
        out += unescape(piece)
    return out.decode("utf-8")


def unescape(text):
    out, i = bytearray(), 0
    while i < len(text):
        c = text[i]
        i += 1
        if c != "\\":
            out += c.encode("utf-8")
            continue
        e = text[i]
        i += 1
        if e == "x":
            digits = re.match(r"[0-9a-fA-F]+", text[i:]).group()
            out.append(int(digits, 16) & 0xFF)
            i += len(digits)
        elif e in "uU":
            size = 4 if e == "u" else 8
            out += chr(int(text[i:i + size], 16)).encode("utf-8")
            i += size
        elif e in "01234567":
            digits = re.match(r"[0-7]{1,3}", text[i - 1:]).group()
            out.append(int(digits, 8) & 0xFF)
            i += len(digits) - 1
        else:
            out += _simple.get(e, e).encode("utf-8")
    return out


wanted = set()
for path in sources:
    text = path.read_text(encoding="utf-8")
    if "#define KELVRA_TR" in text:
        text = text.split("#define KELVRA_TR_N")[-1].split("\n", 1)[-1]
    for m in pattern.finditer(text):
        wanted.add((unquote(m.group(2)), unquote(m.group(3))))
if not wanted:
    sys.exit("no templates found in the sources")

with tempfile.TemporaryDirectory() as scratch:
    ts = Path(scratch) / "scratch.ts"
    run = subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none",
                          "-tr-function-alias", "QT_TRANSLATE_NOOP+=KELVRA_TR,QT_TRANSLATE_N_NOOP3+=KELVRA_TR_N",
                          *map(str, sources), "-ts", str(ts)], capture_output=True, text=True)
    if run.returncode != 0:
        sys.exit("lupdate failed:\n" + run.stdout + run.stderr)
    found = set()
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            found.add((name, message.findtext("source")))

missing = sorted(wanted - found)
for context, text in missing:
    print(f"lupdate does not find [{context}] {text!r}")
print(f"{len(wanted)} templates in the sources, {len(found)} messages found by lupdate")

# Texts that differ on purpose by a character or two: each one must exist as
# written, and no other two texts may differ only in blanks and hyphens (that
# is how "semisextile" and "semi-sextile" once stood side by side).
INTENDED = [
    {"N. Node", "N.Node"},
    {"S. Node", "S.Node"},
    {"Please Enter Minute in Longitude", "Please Enter Minutes in Longitude"},
    {"Click Here for more info on Co-branding.", "Click Here for more info on Co-branding"},
    {"P*H", "P * H"},  # the result box's first text and the report's caption
]
texts = {text for _, text in wanted}
problems = []
for group in INTENDED:
    problems += [f"the intended text {text!r} is no template" for text in sorted(group - texts)]
if not any("Logitude" in text for text in texts):
    problems.append("the tool tip that spells \"Logitude\" is no template")
alike = {}
for text in texts:
    alike.setdefault(re.sub(r"[ \t\n-]", "", text), set()).add(text)
for group in alike.values():
    if len(group) > 1 and group not in INTENDED:
        problems.append("texts that differ only in blanks or hyphens: " + " | ".join(sorted(map(repr, group))))
for problem in problems:
    print(problem)
sys.exit(1 if missing or problems else 0)
