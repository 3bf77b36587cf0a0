#!/usr/bin/env python3
"""Fails when a translatable text of the sources has no finished entry in a shipped language.

Brings copies of the .ts files up to date with the sources (as the velmora_lupdate target does),
then reads every entry: it must be marked finished, not be empty, and keep the source's
placeholders (%1, %2, ...). The menu entry's texts need a translation in every language too.

Usage: translations_check.py LUPDATE SOURCE_DIR LANGUAGE...
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path

PLACEHOLDER = re.compile(r"%\d")
DESKTOP_KEYS = ("GenericName", "Comment", "Keywords")


def ts_problems(ts_file):
    problems = []
    root = ElementTree.parse(ts_file).getroot()
    for context in root.iter("context"):
        context_name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            if kind in ("vanished", "obsolete"):
                continue
            where = f"{context_name}: {source!r}"
            forms = [form.text or "" for form in translation.iter("numerusform")] or [
                translation.text or ""]
            if kind == "unfinished" or kind == "missing":
                problems.append(f"unfinished {where}")
            elif any(not form.strip() for form in forms):
                problems.append(f"empty {where}")
            elif any(sorted(set(PLACEHOLDER.findall(form))) !=
                     sorted(set(PLACEHOLDER.findall(source))) for form in forms):
                if "%n" not in source:
                    problems.append(f"placeholders differ {where}")
    return problems


def desktop_problems(desktop_file, languages):
    keys = {}
    for line in desktop_file.read_text(encoding="utf-8").splitlines():
        if "=" in line:
            key, value = line.split("=", 1)
            keys[key] = value
    return [f"{desktop_file.name}: no {key}[{language}]" for key in DESKTOP_KEYS
            if key in keys for language in languages
            if not keys.get(f"{key}[{language}]", "").strip()]


def main():
    lupdate, source_dir, languages = sys.argv[1], Path(sys.argv[2]), sys.argv[3:]
    failures = []
    with tempfile.TemporaryDirectory() as work:
        copies = []
        for language in languages:
            ts = source_dir / "translations" / f"velmora_{language}.ts"
            if not ts.exists():
                failures.append(f"{ts.name} is missing")
                continue
            copy = Path(work) / ts.name
            shutil.copyfile(ts, copy)
            copies.append(copy)
        subprocess.run([lupdate, "-silent", "-locations", "none", "-no-obsolete",
                        str(source_dir / "src"), "-ts", *map(str, copies)], check=True)
        entries = 0
        for copy in copies:
            entries = len(list(ElementTree.parse(copy).getroot().iter("message")))
            failures += [f"{copy.name}: {problem}" for problem in ts_problems(copy)]
    if entries == 0:
        failures.append("the sources have no translatable text at all")
    failures += desktop_problems(source_dir / "packaging" / "org.velmora.Velmora.desktop",
                                 languages)
    for failure in failures:
        print(f"FAIL {failure}")
    print(f"{entries} texts in each of {len(languages)} languages, {len(failures)} problems")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
