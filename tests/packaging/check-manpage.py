#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""check-manpage.py PROGRAM PAGE: the manual page describes the options PROGRAM --help names,
command by command, and its examples use only commands and options the program has."""
import re
import subprocess
import sys

OPTION = re.compile(r"--[a-z][a-z0-9-]*")
program, page = sys.argv[1:]
help_text = subprocess.run([program, "--help"], check=True, capture_output=True, text=True).stdout
lines = help_text.splitlines()
if "commands:" in lines:
    entries = [l.strip().split(" ", 1) + [""] for l in lines[lines.index("commands:") + 1:]
               if l.startswith("  ") and not l.startswith("   ")]
    in_help = {e[0]: set(OPTION.findall(e[1])) for e in entries}
else:
    in_help = {"": set(OPTION.findall(help_text))}

roff = open(page, encoding="utf-8").read().replace("\\-", "-").splitlines()
in_page, section, command = {}, "", ""
for i, line in enumerate(roff):
    if line.startswith(".SH"):
        section = line[4:].strip('"')
    elif line.startswith(".SS"):
        command = line[4:].strip()
    elif line == ".TP" and section in ("COMMANDS", "OPTIONS", "SYNOPSIS") and OPTION.search(roff[i + 1]):
        in_page.setdefault(command if section != "OPTIONS" or "commands:" not in lines else "*", set()).add(
            OPTION.search(roff[i + 1]).group())
in_page.pop("*", None)  # --help and --version, which no command lists

failures = []
for command in sorted(set(in_help) | set(in_page)):
    if in_help.get(command, set()) != in_page.get(command, set()):
        failures.append("%s: --help names %s, the page %s" % (
            command or "options", sorted(in_help.get(command, [])), sorted(in_page.get(command, []))))

name = program.rsplit("/", 1)[-1]
examples = roff[roff.index(".SH EXAMPLES"):]
for line in (l for l in examples if l.startswith(name + " ")):
    words = line.split()
    command = words[1] if "commands:" in lines else ""
    known = in_help.get(command, set()) | {"--help", "--version"}
    if command not in in_help or not set(OPTION.findall(line)) <= known:
        failures.append("example uses what %s does not have: %s" % (name, line))

print("\n".join(failures) or "%s: page and --help agree" % name)
sys.exit(1 if failures else 0)
