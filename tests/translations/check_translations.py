#!/usr/bin/env python3
"""Fails when a translation would show the user something broken or English.

Each translations/*.ts is first brought up to date with the sources (lupdate
on a copy), so a text added or changed in the code without a translation
shows as unfinished, and one taken out of the code as vanished. Then every
message must be translated, keep the source's placeholders (%1, %n), its
shortcut after a tab and its trailing ellipsis, have a mnemonic ("&") exactly
when the source has one, and no two mnemonics of one context (one menu or
dialog) may use the same letter.
"""
import argparse
import collections
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:\d+|n)")
MNEMONIC = re.compile(r"&([^&\s])")


def mnemonic(text):
    found = MNEMONIC.findall(text.replace("&&", ""))
    return found[0].lower() if found else None


def translations(message):
    element = message.find("translation")
    if element is None:
        return element, []
    forms = element.findall("numerusform")
    return element, [form.text or "" for form in forms] if forms else [element.text or ""]


def problems(ts_text, name):
    root = ET.fromstring(ts_text)
    for context in root.iter("context"):
        where = f"{name}: {context.findtext('name')}"
        letters = collections.defaultdict(list)
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            element, texts = translations(message)
            kind = element.get("type") if element is not None else "missing"
            if kind in ("unfinished", "vanished", "obsolete", "missing") or not all(texts):
                yield f"{where}: {source!r} is {kind or 'empty'}"
                continue
            for text in texts:
                if sorted(PLACEHOLDER.findall(text)) != sorted(PLACEHOLDER.findall(source)):
                    yield f"{where}: {text!r} does not keep the placeholders of {source!r}"
                if source.partition("\t")[2] != text.partition("\t")[2]:
                    yield f"{where}: {text!r} changes the shortcut of {source!r}"
                if source.split("\t")[0].endswith("...") != text.split("\t")[0].endswith("..."):
                    yield f"{where}: {text!r} does not keep the ellipsis of {source!r}"
                if (mnemonic(source) is None) != (mnemonic(text) is None):
                    yield f"{where}: {text!r} and {source!r} differ in having a mnemonic"
                if mnemonic(text) is not None:
                    letters[mnemonic(text)].append(text)
        for letter, texts in letters.items():
            if len(texts) > 1:
                yield f"{where}: mnemonic '{letter}' used by {texts}"


def updated(ts_files, lupdate, sources, include):
    """Copies of the .ts files with the sources' current texts merged in."""
    folder = pathlib.Path(tempfile.mkdtemp())
    copies = []
    for ts in ts_files:
        copy = folder / ts.name
        shutil.copy(ts, copy)
        copies.append(copy)
    run = subprocess.run([lupdate, "-silent", "-locations", "none", f"-I{include}",
                          *map(str, sources), "-ts", *map(str, copies)],
                         capture_output=True, text=True)
    if run.returncode != 0:
        sys.exit(f"lupdate failed:\n{run.stderr}")
    return folder, copies


def self_test():
    """The check must catch each kind of fault, or a green run means nothing."""
    def ts(source, translation, attributes=""):
        return (f'<TS><context><name>Menu</name><message><source>{source}</source>'
                f'<translation{attributes}>{translation}</translation></message>'
                f'<message><source>&amp;Open</source><translation>Ö&amp;ffnen</translation>'
                f'</message></context></TS>')
    cases = [
        (ts("Save", "Speichern"), None),
        (ts("Save", "", ' type="unfinished"'), "unfinished"),
        (ts("Old", "Alt", ' type="vanished"'), "vanished"),
        (ts("Cannot open %1: %2", "Fehler: %1"), "placeholders"),
        (ts("Next\tAlt+Right", "Weiter\tAlt+Rechts"), "shortcut"),
        (ts("Save &amp;As...", "Speichern &amp;unter"), "ellipsis"),
        (ts("&amp;Close", "Schließen"), "mnemonic"),
        (ts("&amp;Close", "&amp;Fenster schließen"), "mnemonic 'f'"),
        (ts("Fish &amp;&amp; Chips", "Fisch &amp;&amp; Pommes"), None),
    ]
    failures = 0
    for text, expected in cases:
        found = list(problems(text, "case"))
        if (expected is None and found) or (expected and not any(expected in p for p in found)):
            print(f"self-test: expected {expected!r}, found {found}", file=sys.stderr)
            failures += 1
    return failures


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--source", action="append", type=pathlib.Path, default=[],
                        help="a folder whose texts the programs show")
    parser.add_argument("--include", type=pathlib.Path, required=True,
                        help="the folder the sources' includes start from")
    parser.add_argument("ts", nargs="+", type=pathlib.Path)
    arguments = parser.parse_args()
    failures = self_test()
    folder, copies = updated(arguments.ts, arguments.lupdate, arguments.source,
                              arguments.include)
    try:
        for copy in copies:
            for problem in problems(copy.read_text(encoding="utf-8"), copy.name):
                print(problem, file=sys.stderr)
                failures += 1
    finally:
        shutil.rmtree(folder)
    print(f"{len(copies)} translations checked, {failures} problems")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
