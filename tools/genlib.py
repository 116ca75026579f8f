"""What the table generators (tools/gen_*.py) share: reading the data files,
writing amounts and comments as C++, and the command line.

A generator builds the C++ text of one or more generated blocks of a source
file (or of a whole generated source file) and hands it to `run`,
`run_blocks` or `run_file`:
  gen_<name>.py                 print the generated text
  gen_<name>.py --write FILE    replace the generated text in FILE
  gen_<name>.py --check FILE    exit 1 when the text in FILE differs
A data path that is not absolute is taken from the repository root, so a
generator runs from any directory. Standard library only.
"""

import csv
import os
import sys
import textwrap
from decimal import Decimal

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# Markers of a generated block of rows inside a table (a marker line starts
# with them; the begin line goes on to name the script and its data).
BEGIN = "    // BEGIN GENERATED ROWS"
END = "    // END GENERATED ROWS"


def data_lines(path):
    """The lines of a data file, without blank lines and '#' notes."""
    with open(os.path.join(ROOT, path), newline="") as f:
        return [line for line in f if line.strip() and not line.startswith("#")]


def read_rows(path):
    """The records of a CSV data file without a header line, as lists of fields."""
    return list(csv.reader(data_lines(path)))


def read_records(path):
    """The records of a CSV data file with a header line, as dicts."""
    return list(csv.DictReader(data_lines(path)))


def number(x):
    """An amount (Decimal, int or text) as a C++ double literal: the shortest
    decimal form, with '.0' on a whole number."""
    text = format(Decimal(x).normalize(), "f")
    return text if "." in text else text + ".0"


def comment(text, width=100, indent="    "):
    """A note as '// ' comment lines of at most `width` characters of text."""
    return [indent + "// " + part for part in textwrap.wrap(text, width)]


def cpp_date(year, month, day):
    """A date as a C++ {month, day, year} initializer."""
    return f"{{{month}, {day}, {year}}}"


def year_dates(year):
    """The first and last day of a calendar year as C++ date initializers."""
    return f"{cpp_date(year, 1, 1)}, {cpp_date(year, 12, 31)}"


def block(script, source, lines, begin=BEGIN, end=END):
    """A generated block: the begin marker naming the script and its data, the lines, the end marker."""
    return "\n".join([f"{begin} by {script} from {source}: do not edit by hand"] + lines + [end]) + "\n"


def replace_blocks(text, blocks):
    """`text` with its generated blocks replaced, in file order: each of
    `blocks` is (begin marker, end marker, new block) and replaces the text
    from its begin marker to the end of its end marker's line."""
    out, rest = [], text
    for begin, end, new in blocks:
        start = rest.find(begin)
        stop = rest.find(end, start) if start >= 0 else -1
        if stop < 0:
            raise SystemExit(f"no generated block {begin.strip()!r} in the file")
        stop = rest.index("\n", stop) + 1
        out.append(rest[:start] + new)
        rest = rest[stop:]
    return "".join(out) + rest


def run(script, text, begin=BEGIN, end=END):
    """The command line of a generator of one block between `begin` and `end`."""
    return run_blocks(script, [(begin, end, text)])


def run_blocks(script, blocks):
    """The command line of a generator of several blocks, (begin, end, text) in file order."""
    return _command(script, "".join(text for _, _, text in blocks), lambda old: replace_blocks(old, blocks))


def run_file(script, text):
    """The command line of a generator of a whole source file."""
    return _command(script, text, None)


def _command(script, generated, update):
    """Prints `generated`, or writes or checks FILE: `update(old text)` gives
    the new text of the file; without `update` the file is `generated` whole."""
    args = sys.argv[1:]
    if not args:
        sys.stdout.write(generated)
        return 0
    if len(args) != 2 or args[0] not in ("--write", "--check"):
        raise SystemExit(f"usage: {script} [--write FILE | --check FILE]")
    option, path = args
    old = None
    if update is not None or option == "--check":
        with open(path) as f:
            old = f.read()
    new = generated if update is None else update(old)
    if option == "--check":
        if new != old:
            sys.stderr.write(f"{path}: the generated text differs from {script}; rerun it with --write {path}\n")
            return 1
        return 0
    with open(path, "w") as f:
        f.write(new)
    return 0
