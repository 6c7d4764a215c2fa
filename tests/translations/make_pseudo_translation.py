#!/usr/bin/env python3
"""Writes the pseudo language: every text of a translation file's sources lengthened by
40 % and bracketed, with accented letters, so that a window shown in it reveals every
caption that is cut, every text left untranslated and every letter that cannot show.
Line breaks, mnemonics (&x) and placeholders (%1, %n) stay as they are.

    make_pseudo_translation.py SOURCE.ts PSEUDO.ts
"""

import math
import sys
import xml.etree.ElementTree as ET

sys.dont_write_bytecode = True  # the source tree stays as it is
sys.path.insert(0, __file__.rsplit("/", 1)[0])
import tsfile  # noqa: E402

ACCENTED = str.maketrans("aeiouncyAEIOUNCY", "áéíóúñçýÁÉÍÓÚÑÇÝ")


def lengthen_line(line):
    out, visible, i = [], [], 0
    while i < len(line):
        c = line[i]
        if c in "&%" and i + 1 < len(line):
            out.append(line[i:i + 2])  # a mnemonic or a placeholder stays whole
            if c == "&":
                visible.append(line[i + 1])
            i += 2
            continue
        accented = c.translate(ACCENTED)
        out.append(accented)
        if not c.isspace():
            visible.append(accented)
        i += 1
    if visible and line.strip():
        padding = math.ceil(0.4 * len(line.replace("&", "")))
        out.append("".join(visible[k % len(visible)] for k in range(padding)))
    return "".join(out)


def pseudo(text):
    if not text:
        return text
    lines = text.split("\n")
    return "[" + "\n".join(
        lengthen_line(l[:-1]) + "\r" if l.endswith("\r") else lengthen_line(l) for l in lines) + "]"


def main():
    source, target = sys.argv[1], sys.argv[2]
    language, messages = tsfile.read(source)
    root = ET.Element("TS", version="2.1", language=language)
    contexts = {}
    for m in messages:
        context = contexts.get(m.context)
        if context is None:
            context = contexts[m.context] = ET.SubElement(root, "context")
            ET.SubElement(context, "name").text = m.context
        message = ET.SubElement(context, "message")
        if m.numerus:
            message.set("numerus", "yes")
        ET.SubElement(message, "source").text = m.source
        if m.disambiguation:
            ET.SubElement(message, "comment").text = m.disambiguation
        translation = ET.SubElement(message, "translation")
        if m.numerus:
            for _ in m.forms:
                ET.SubElement(translation, "numerusform").text = pseudo(m.source)
        else:
            translation.text = pseudo(m.source)
    text = ET.tostring(root, encoding="unicode")
    # A carriage return is part of some texts: as a reference it survives the XML reader.
    with open(target, "w", encoding="utf-8") as out:
        out.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        out.write(text.replace("\r", "&#13;"))


if __name__ == "__main__":
    main()
