#!/usr/bin/env python3
"""Checks the shipped translations against the window's texts.

  translations_check.py WINDOW_TEXTS.ts TRANSLATIONS_DIR PO_DIR

WINDOW_TEXTS.ts is what lupdate finds in the window's sources now. For every
translations/tarvell_*.ts and every ui/desktop/po/*.po it reports, and exits
with 1 on:
  - a text of the window the translation lacks, or a translation left
    unfinished, empty or fuzzy;
  - a placeholder (%1, %n, %L1) or a number of the English text missing from
    its translation, or one the translation adds (prices and strengths are
    the game's, in every language);
  - the English slips kept on purpose ("surrended", "Kamikazee") copied into
    another language;
  - space at either end of a translation whose English text has none (the
    layout places the texts; padding is not the translator's).
"""

import collections
import pathlib
import re
import sys
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%L?\d|%n")
NUMBER = re.compile(r"\d+")
SLIPS = ("surrended", "Kamikazee")


def tokens(text):
    placeholders = PLACEHOLDER.findall(text)
    rest = PLACEHOLDER.sub(" ", re.sub(r"<[^>]*>", " ", text))
    return collections.Counter(placeholders), collections.Counter(NUMBER.findall(rest))


def check_pair(where, source, translation, problems):
    if not translation.strip():
        problems.append(f"{where}: no translation of {source!r}")
        return
    source_placeholders, source_numbers = tokens(source)
    placeholders, numbers = tokens(translation)
    if placeholders != source_placeholders:
        problems.append(f"{where}: placeholders of {source!r} differ in {translation!r}")
    if numbers != source_numbers:
        problems.append(f"{where}: numbers of {source!r} differ in {translation!r}")
    for slip in SLIPS:
        if slip.lower() in translation.lower():
            problems.append(f"{where}: the English slip {slip!r} copied into {translation!r}")
    if translation != translation.strip() and source == source.strip():
        problems.append(f"{where}: space around {translation!r}")


def messages(path):
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message


def check_ts(path, wanted, problems):
    seen = set()
    for context, message in messages(path):
        source = message.findtext("source")
        seen.add((context, source))
        where = f"{path.name} [{context}]"
        translation = message.find("translation")
        kind = translation.get("type")
        if kind in ("vanished", "obsolete"):
            continue
        if kind == "unfinished":
            problems.append(f"{where}: unfinished {source!r}")
            continue
        forms = translation.findall("numerusform")
        for text in [f.text or "" for f in forms] if forms else [translation.text or ""]:
            check_pair(where, source, text, problems)
    for context, source in sorted(wanted - seen):
        problems.append(f"{path.name} [{context}]: lacks {source!r} (run the target update_translations)")


def po_entries(path):
    """The (msgid, msgstr, fuzzy) entries of a .po file, header left out."""
    entries, fields, fuzzy, key = [], {}, False, None

    def flush():
        nonlocal fields, fuzzy
        if fields.get("msgid"):
            entries.append((fields["msgid"], fields.get("msgstr", ""), fuzzy))
        fields, fuzzy = {}, False

    for line in path.read_text(encoding="utf-8").splitlines() + [""]:
        if not line.strip():
            flush()
        elif line.startswith("#,") and "fuzzy" in line:
            fuzzy = True
        elif line.startswith(("msgid ", "msgstr ")):
            key, _, value = line.partition(" ")
            fields[key] = eval(value)  # a C string literal, as Python reads it
        elif line.startswith('"') and key:
            fields[key] += eval(line)
    return entries


def check_po(path, problems):
    for source, translation, fuzzy in po_entries(path):
        if fuzzy:
            problems.append(f"{path.name}: fuzzy {source!r}")
        check_pair(path.name, source, translation, problems)


def main(window_texts, translations, po):
    wanted = {(context, message.findtext("source")) for context, message in messages(window_texts)}
    problems = []
    shipped = sorted(pathlib.Path(translations).glob("tarvell_*.ts"))
    catalogues = sorted(pathlib.Path(po).glob("*.po"))
    if not shipped or not catalogues:
        problems.append("no translations found")
    for path in shipped:
        check_ts(path, wanted, problems)
    for path in catalogues:
        check_po(path, problems)
    for problem in problems:
        print(problem)
    print(f"{len(shipped)} translations and {len(catalogues)} catalogues checked, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
