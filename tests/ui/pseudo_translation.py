#!/usr/bin/env python3
"""Makes the pseudo-language translation: every source text of a .ts file
(as lupdate writes it) translated as itself wrapped in "⟦" and "⟧", so that a
window test can tell a text that went through tr() from one that did not.

    pseudo_translation.py SOURCE.ts PSEUDO.ts
"""
import sys
import xml.etree.ElementTree as ElementTree


def main(source, pseudo):
    tree = ElementTree.parse(source)
    for message in tree.iter("message"):
        text = message.findtext("source")
        translation = message.find("translation")
        if translation is None:
            translation = ElementTree.SubElement(message, "translation")
        translation.attrib.pop("type", None)
        translation.text = "\u27e6" + text + "\u27e7"
    tree.getroot().set("language", "en_ZZ")
    tree.write(pseudo, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(*sys.argv[1:])
