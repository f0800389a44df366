#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes a manual page from a program's own --help and a page source.

    make-manpage.py PROGRAM PAGE.in OPTIONS VERSION DATE OUTPUT

The commands and their synopses come from running PROGRAM --help, so the page shows what the
program accepts today. PAGE.in holds the prose (description, exit status, examples, files);
its @COMMANDS@ line becomes one subsection per command of the help (for a program without
commands, the list of its options), @SYNOPSIS@ the usage line of a program without commands,
and @VERSION@ and @DATE@ are filled in. OPTIONS describes each option, grouped under "[command]" headers ("[]" for a
program without commands):

    [compress]
    --output DIR
        Write the results into DIR.

An option the help names but OPTIONS does not describe is reported on stderr and left out, so
the page test, which compares the page's options with the help's, fails until it is written.
"""
import re
import subprocess
import sys

OPTION = re.compile(r"--[a-z][a-z0-9-]*")


def roff(text):
    text = text.replace("\\", "\\e").replace("-", "\\-")
    return "\\&" + text if text[:1] in (".", "'") else text


def parse_help(text):
    """[(command, usage, summary, options)] in the help's order. A program without commands is
    one entry named "", whose options are all those its help names."""
    lines = text.splitlines()
    if "commands:" not in lines:
        usage = next(l for l in lines if l.startswith("usage:")).split(None, 2)[2]
        return [("", usage, "", set(OPTION.findall(text)))]
    commands = []
    for line in lines[lines.index("commands:") + 1:]:
        if line.startswith("      ") and commands:
            name, usage, summary, options = commands[-1]
            commands[-1] = (name, usage, (summary + " " + line.strip()).strip(), options)
        elif line.startswith("  "):
            name, _, usage = line.strip().partition(" ")
            commands.append((name, usage.strip(), "", set(OPTION.findall(usage))))
    return commands


def parse_options(path):
    described = {}
    current = None
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            if line.startswith("["):
                current = described.setdefault(line.strip("[]"), [])
            elif line.startswith("-"):
                current.append([line.strip(), ""])
            else:
                current[-1][1] = (current[-1][1] + " " + line.strip()).strip()
    return described


def option_line(spec):
    name, _, argument = spec.partition(" ")
    if not argument:
        return ".B " + roff(name)
    return '.BI %s " %s"' % (roff(name), roff(argument).replace('"', '\\(dq'))


def sentence(text):
    return text[:1].upper() + text[1:] + ("" if text.endswith(".") else ".")


def synopsis(command, usage):
    return "\\fB%s\\fR %s" % (roff(command), roff(usage))


def render_commands(program, commands, described):
    out = []
    for name, usage, summary, help_options in commands:
        if name:
            out += [".SS " + roff(name), ".PP", synopsis(program + " " + name, usage)]
        if summary:
            out += [".PP", roff(sentence(summary))]
        for spec, text in described.get(name, []):
            out += [".TP", option_line(spec), roff(text)]
        missing = help_options - {OPTION.search(spec).group() for spec, _ in described.get(name, [])}
        for option in sorted(missing):
            print("make-manpage: %s %s: %s is not described" % (program, name, option), file=sys.stderr)
    return out


def main():
    program, page, options, version, date, output = sys.argv[1:]
    help_text = subprocess.run([program, "--help"], check=True, capture_output=True, text=True).stdout
    name = program.rsplit("/", 1)[-1]
    commands = render_commands(name, parse_help(help_text), parse_options(options))
    with open(page, encoding="utf-8") as f:
        source = f.read()
    source = source.replace("@VERSION@", version).replace("@DATE@", date)
    source = source.replace("@COMMANDS@\n", "\n".join(commands) + "\n")
    source = source.replace("@SYNOPSIS@", synopsis(name, parse_help(help_text)[0][1]))
    with open(output, "w", encoding="utf-8") as f:
        f.write(source)


if __name__ == "__main__":
    main()
