#!/usr/bin/env python3
"""Checks of the translation files.

complete: lupdate, run over src/ into copies of translations/*.ts, finds every marked
          text translated: no new (unfinished) or vanished entry, no empty form, and
          the same %1..%9 and %n placeholders as the English text.
mnemonics: in every language, a text has a mnemonic (&-letter) where its English one
           has, and the texts of one menu or dialog (one context, one disambiguation
           group, see src/platform/UiText.h) have different letters.
"""

import argparse
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # the source tree stays as it is
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import tsfile  # noqa: E402


def translation_files(directory):
    return sorted(p for p in glob.glob(os.path.join(directory, "varnoke_*.ts"))
                  if not p.endswith("_pseudo.ts"))


def placeholders(text):
    return sorted(set(re.findall(r"%[1-9n]", text)))


def label(message):
    where = message.context + (" [" + message.disambiguation + "]" if message.disambiguation else "")
    return f"{where}: {message.source!r}"


def check_complete(root, languages):
    problems = []
    with tempfile.TemporaryDirectory() as temp:
        for path in translation_files(os.path.join(root, "translations")):
            shutil.copy(path, temp)
        found = {os.path.basename(p)[len("varnoke_"):-len(".ts")]
                 for p in translation_files(temp)}
        for language in languages:
            if language not in found:
                problems.append(f"translations/varnoke_{language}.ts is missing")
        run = subprocess.run([os.path.join(root, "scripts", "update-translations.sh"),
                              "-ts-dir", temp], capture_output=True, text=True)
        if run.returncode != 0:
            problems.append("lupdate failed: " + run.stdout + run.stderr)
        for path in translation_files(temp):
            name = os.path.basename(path)
            _, messages = tsfile.read(path)
            if not messages:
                problems.append(f"{name}: no texts at all")
            for m in messages:
                if m.kind:
                    problems.append(f"{name}: {m.kind}: {label(m)}")
                    continue
                for form in m.forms:
                    if not form.strip():
                        problems.append(f"{name}: empty translation: {label(m)}")
                    elif placeholders(form) != placeholders(m.source):
                        problems.append(f"{name}: placeholders {placeholders(form)} instead of "
                                        f"{placeholders(m.source)} in {form!r}: {label(m)}")
    return problems


def mnemonic(text):
    """The letter after the single '&' of the text ('&&' is a plain '&'), and how many."""
    letters = re.findall(r"(?<!&)&([^&\s])", text.replace("&&", ""))
    return (letters[0].casefold() if letters else None), len(letters)


def check_mnemonics(root):
    problems = []
    for path in translation_files(os.path.join(root, "translations")):
        name = os.path.basename(path)
        _, messages = tsfile.read(path)
        groups = {}
        for m in messages:
            english, _ = mnemonic(m.source)
            for form in m.forms:
                letter, count = mnemonic(form)
                if english and count != 1:
                    problems.append(f"{name}: {count} mnemonics in {form!r}, one wanted: {label(m)}")
                elif not english and count:
                    problems.append(f"{name}: a mnemonic the English text lacks in {form!r}: "
                                    f"{label(m)}")
            letter, _ = mnemonic(m.forms[0])
            if english and letter:
                group, _, place = m.disambiguation.partition("|")
                groups.setdefault((m.context, group), []).append((letter, place, m.forms[0]))
        for (context, group), texts in sorted(groups.items()):
            for i, (letter, place, text) in enumerate(texts):
                for other_letter, other_place, other in texts[i + 1:]:
                    if letter == other_letter and not (place and place == other_place):
                        problems.append(f"{name}: {context} [{group or 'dialog'}]: "
                                        f"{text!r} and {other!r} share '{letter}'")
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("check", choices=["complete", "mnemonics"])
    parser.add_argument("--root", required=True, help="the source tree")
    parser.add_argument("--languages", nargs="*", default=[],
                        help="languages whose files must be there")
    args = parser.parse_args()
    if args.check == "complete":
        problems = check_complete(args.root, args.languages)
    else:
        problems = check_mnemonics(args.root)
    for problem in problems:
        print(problem)
    print(f"{args.check}: {len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
