"""Reading Qt Linguist .ts files: each message with its context, source, disambiguation
and translation forms, the texts as the program holds them (escapes and <byte/> undone)."""

import xml.etree.ElementTree as ET
from dataclasses import dataclass, field


@dataclass
class Message:
    context: str
    source: str
    disambiguation: str
    numerus: bool
    kind: str  # the translation's type: "" when finished, "unfinished", "vanished"...
    forms: list = field(default_factory=list)  # one, or one per plural form


def text_of(element):
    """The element's text with <byte value="xd"/> children as their characters."""
    if element is None:
        return ""
    out = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            value = child.get("value", "")
            out.append(chr(int(value[1:], 16) if value.startswith("x") else int(value)))
        out.append(child.tail or "")
    return "".join(out)


def read(path):
    """The file's language and its messages in file order."""
    root = ET.parse(path).getroot()
    messages = []
    for context in root.iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            translation = message.find("translation")
            numerus = message.get("numerus") == "yes"
            if numerus:
                forms = [text_of(f) for f in translation.iter("numerusform")]
            else:
                forms = [text_of(translation)]
            messages.append(
                Message(name, text_of(message.find("source")), text_of(message.find("comment")),
                        numerus, translation.get("type", ""), forms))
    return root.get("language", ""), messages
