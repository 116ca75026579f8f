#!/usr/bin/env python3
"""The binary-interface checks: what a caller built against an earlier
library relies on, compared with committed baselines under abi/.

    abi-check.py symbols --library LIB [--update]
        The exported symbols (nm -D: type letter and name) against
        abi/symbols.txt. Any removed, changed or added symbol fails.
    abi-check.py layouts [--source-root DIR] [--compiler CLANG] [--update]
        The layout of every record of the public header and of every row
        type of an exported table (size, and each field's offset and type,
        as clang lays them out) against abi/layouts.txt. Any difference fails.
    abi-check.py abidiff --library LIB [--update]
        abidiff of the library against abi/txl5.abi (abidw's description of
        the library the baseline was taken from). Any reported change fails.
    abi-check.py selftest --library LIB [--compiler CLANG]
        Shows each check failing on a deliberate change: a symbol removed,
        added or retyped; two record fields swapped and a field retyped in a
        copy of the headers; a field offset and a function changed in a copy
        of the ABI description.

--update rewrites the baseline from what is built (tools/update-abi-baselines
does all three after a build). Exit status 0 when the interface matches.
"""
import argparse
import difflib
import os
import re
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BASELINE_DIR = os.path.join(ROOT, "abi")
SYMBOLS = os.path.join(BASELINE_DIR, "symbols.txt")
LAYOUTS = os.path.join(BASELINE_DIR, "layouts.txt")
ABI = os.path.join(BASELINE_DIR, "txl5.abi")
HEADER_DIRS = ("core", "federal", "levies", "states", "local")
REGENERATE = "if the change is intended, run tools/update-abi-baselines and commit abi/"


def run(cmd, **kw):
    return subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True, **kw)


def need(program, package):
    if shutil.which(program) is None:
        sys.exit(f"abi-check: {program} not found (Debian package {package})")


def report(kind, expected, actual, label):
    """Prints the differences; returns True when there are none."""
    if expected == actual:
        print(f"abi-check {kind}: matches {label}")
        return True
    print(f"abi-check {kind}: differs from {label} ({REGENERATE}):")
    for line in difflib.unified_diff(expected, actual, "baseline", "built", lineterm="", n=1):
        print("  " + line)
    return False


def read_lines(path):
    with open(path) as f:
        return [line.rstrip("\n") for line in f if line.strip() and not line.startswith("#")]


def write_lines(path, header, lines):
    with open(path, "w") as f:
        f.write(header)
        for line in lines:
            f.write(line + "\n")


# ---- Exported symbols ----------------------------------------------------------

def exported_symbols(library):
    need("nm", "binutils")
    out = run(["nm", "-D", "--defined-only", library])
    if out.returncode != 0:
        sys.exit(f"abi-check: nm failed on {library}: {out.stderr}")
    symbols = []
    for line in out.stdout.splitlines():
        parts = line.split()
        if len(parts) == 3:
            symbols.append(f"{parts[1]} {parts[2]}")
    return sorted(symbols, key=lambda s: (s.split()[1], s.split()[0]))


def check_symbols(library, baseline=SYMBOLS, update=False):
    actual = exported_symbols(library)
    if update:
        write_lines(baseline, "# Exported symbols of libtxl5 (nm -D --defined-only: type, name).\n"
                    "# Rewritten by tools/update-abi-baselines; checked by tools/abi-check.py.\n", actual)
        print(f"abi-check symbols: wrote {len(actual)} symbols to {baseline}")
        return True
    return report("symbols", read_lines(baseline), actual, os.path.relpath(baseline, ROOT))


# ---- Record layouts --------------------------------------------------------------

def public_headers(root):
    """Every header that declares something the library exports, the public one first."""
    headers = ["core/txl5.h"]
    for d in HEADER_DIRS:
        for name in sorted(os.listdir(os.path.join(root, d))):
            path = f"{d}/{name}"
            if name.endswith(".h") and path not in headers:
                with open(os.path.join(root, path)) as f:
                    if "TXL5_EXPORT" in f.read():
                        headers.append(path)
    return headers


def interface_records(root, headers):
    """The records of the public header and the row types of exported tables."""
    names = []
    with open(os.path.join(root, "core/txl5.h")) as f:
        names += re.findall(r"^typedef struct (\w+) \{", f.read(), re.M)
    for h in headers:
        with open(os.path.join(root, h)) as f:
            names += re.findall(r"TXL5_EXPORT\s+extern\s+const\s+(\w+)\s+\w+\s*\[\s*\]", f.read())
    # A row type may be another's alias (using StateBracketRow = BracketRow):
    # clang lays out the record it names.
    aliases = {}
    every_header = [f"{d}/{n}" for d in HEADER_DIRS for n in sorted(os.listdir(os.path.join(root, d)))
                    if n.endswith(".h")]
    for h in every_header:
        with open(os.path.join(root, h)) as f:
            text = f.read()
        aliases.update(re.findall(r"^\s*using\s+(\w+)\s*=\s*(\w+)\s*;", text, re.M))
        aliases.update((b, a) for a, b in re.findall(r"^typedef\s+(?:struct\s+)?(\w+)\s+(\w+)\s*;", text, re.M))
    seen = []
    for n in names:
        while n in aliases and aliases[n] != n:
            n = aliases[n]
        if n not in seen:
            seen.append(n)
    return seen


def record_layouts(root, compiler):
    need(compiler, "clang")
    headers = public_headers(root)
    records = interface_records(root, headers)
    with tempfile.TemporaryDirectory() as tmp:
        probe = os.path.join(tmp, "probe.cpp")
        with open(probe, "w") as f:
            for h in headers:
                f.write(f'#include "{h}"\n')
            for r in records:
                f.write(f"static_assert(sizeof({r}) > 0, \"{r}\");\n")
        out = run([compiler, "-std=c++17", "-fsyntax-only", "-I", root, "-Xclang", "-fdump-record-layouts", probe])
    if out.returncode != 0:
        sys.exit(f"abi-check: the headers under {root} do not compile:\n{out.stderr}")
    layouts = {}
    for block in out.stdout.split("*** Dumping AST Record Layout")[1:]:
        lines = [l.rstrip() for l in block.strip().splitlines()]
        m = re.match(r"\s*0 \| (?:struct|class|union) (\w+)$", lines[0])
        if not m or m.group(1) not in records or m.group(1) in layouts:
            continue
        body = []
        for l in lines[1:]:
            offset, _, text = l.partition("|")
            if text.strip().startswith("[sizeof="):
                size = re.search(r"sizeof=(\d+)", text).group(1)
                body.insert(0, f"record {m.group(1)} size {size}")
                break
            if text.strip().startswith("nvsize") or not offset.strip():
                continue
            body.append(f"  {offset.strip():>5} {text.rstrip()[2:]}")
        layouts[m.group(1)] = body
    missing = [r for r in records if r not in layouts]
    if missing:
        sys.exit(f"abi-check: clang laid out no record named {', '.join(missing)}")
    lines = []
    for name in sorted(layouts):
        lines += layouts[name]
    return lines


def check_layouts(root=ROOT, compiler="clang++", baseline=LAYOUTS, update=False):
    actual = record_layouts(root, compiler)
    if update:
        write_lines(baseline, "# Record layouts of the interface: the public header's records and the rows of\n"
                    "# exported tables (offset in bytes, type, field; nested records indented), as\n"
                    "# clang lays them out. Rewritten by tools/update-abi-baselines.\n", actual)
        print(f"abi-check layouts: wrote {sum(l.startswith('record') for l in actual)} records to {baseline}")
        return True
    return report("layouts", read_lines(baseline), actual, os.path.relpath(baseline, ROOT))


# ---- abidiff against the committed description -----------------------------------

ABIDW_OPTIONS = ["--no-corpus-path", "--no-comp-dir-path", "--no-show-locs"]


def check_abidiff(library, baseline=ABI, update=False):
    need("abidw", "abigail-tools")
    if update:
        out = run(["abidw"] + ABIDW_OPTIONS + ["--out-file", baseline, library])
        if out.returncode != 0:
            sys.exit(f"abi-check: abidw failed: {out.stderr}")
        print(f"abi-check abidiff: wrote {baseline}")
        return True
    out = run(["abidiff", baseline, library])
    if out.returncode == 0:
        print(f"abi-check abidiff: {os.path.basename(library)} matches {os.path.relpath(baseline, ROOT)}")
        return True
    if out.returncode & 3:
        sys.exit(f"abi-check: abidiff could not compare (status {out.returncode}): {out.stderr}{out.stdout}")
    print(f"abi-check abidiff: {os.path.basename(library)} differs from {os.path.relpath(baseline, ROOT)} "
          f"({REGENERATE}):")
    for line in out.stdout.splitlines():
        print("  " + line)
    return False


# ---- The checks of the checks ------------------------------------------------------

def expect_failure(what, check):
    print(f"--- selftest: {what}")
    if check():
        print(f"abi-check selftest: FAILED: the check passed on a deliberate change ({what})")
        return False
    return True


def selftest(library, compiler):
    ok = True
    with tempfile.TemporaryDirectory() as tmp:
        # Symbols: a baseline that lacks one exported name, has one more, or
        # types one differently.
        symbols = read_lines(SYMBOLS)
        target = next(s for s in symbols if s.endswith(" TXL5_Calc"))
        variants = {
            "a symbol missing from the baseline (an addition)": [s for s in symbols if s != target],
            "a symbol the library no longer exports (a removal)": symbols + ["T TXL5_Withdrawn_Entry"],
            "a symbol whose kind changed": [("D TXL5_Calc" if s == target else s) for s in symbols],
        }
        for what, lines in variants.items():
            path = os.path.join(tmp, "symbols.txt")
            write_lines(path, "", lines)
            ok &= expect_failure(what, lambda: check_symbols(library, baseline=path))

        # Layouts: copies of the headers with two fields of the federal record
        # swapped, and with one field's type changed (each header's own
        # static checks removed, as a careless edit might).
        def mutated_tree(edit):
            tree = os.path.join(tmp, "tree")
            shutil.rmtree(tree, ignore_errors=True)
            for d in HEADER_DIRS:
                os.makedirs(os.path.join(tree, d))
                for name in os.listdir(os.path.join(ROOT, d)):
                    if name.endswith(".h"):
                        shutil.copy(os.path.join(ROOT, d, name), os.path.join(tree, d, name))
            header = os.path.join(tree, "core/txl5.h")
            with open(header) as f:
                text = f.read()
            text = "\n".join(l for l in text.split("\n")
                             if not l.startswith("TXL5_SLOT(") and not l.startswith("TXL5_STATIC_ASSERT(sizeof("))
            new = edit(text)
            assert new != text, "the deliberate change did not apply"
            with open(header, "w") as f:
                f.write(new)
            return tree

        def swap_fields(text):
            a = "    int64_t aux_result;             // 2"
            b = "    int64_t fed_status;             // 3"
            return text.replace(a, "@@").replace(b, a).replace("@@", b)

        def retype_field(text):
            return text.replace("    double fed_marginal_rate;", "    int64_t fed_marginal_rate;")

        tree = mutated_tree(swap_fields)
        ok &= expect_failure("two fields of the federal record swapped",
                             lambda: check_layouts(root=tree, compiler=compiler))
        tree = mutated_tree(retype_field)
        ok &= expect_failure("a field of the federal record retyped",
                             lambda: check_layouts(root=tree, compiler=compiler))

        # abidiff: descriptions with a federal record field at another offset,
        # and without one exported function.
        with open(ABI) as f:
            abi = f.read()
        start = abi.index("<class-decl name='FEDERAL_WITHHOLDING_STRUC'")
        at = abi.index("layout-offset-in-bits='64'", start)
        moved = abi[:at] + "layout-offset-in-bits='72'" + abi[at + len("layout-offset-in-bits='64'"):]
        dropped = re.sub(r"\s*<elf-symbol name='TXL5_Version'[^>]*/>", "", abi, count=1)
        assert dropped != abi
        for what, text in (("a field offset changed in the description", moved),
                           ("a function the description lacks", dropped)):
            path = os.path.join(tmp, "txl5.abi")
            with open(path, "w") as f:
                f.write(text)
            ok &= expect_failure(what, lambda: check_abidiff(library, baseline=path))
    print("abi-check selftest: " + ("every check failed on its deliberate change" if ok else "FAILED"))
    return ok


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("check", choices=["symbols", "layouts", "abidiff", "selftest"])
    parser.add_argument("--library")
    parser.add_argument("--source-root", default=ROOT)
    parser.add_argument("--compiler", default="clang++")
    parser.add_argument("--update", action="store_true")
    args = parser.parse_args()
    if args.check in ("symbols", "abidiff", "selftest") and not args.library:
        parser.error("--library is required")
    if args.check == "symbols":
        ok = check_symbols(args.library, update=args.update)
    elif args.check == "layouts":
        ok = check_layouts(root=args.source_root, compiler=args.compiler, update=args.update)
    elif args.check == "abidiff":
        ok = check_abidiff(args.library, update=args.update)
    else:
        ok = selftest(args.library, args.compiler)
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()
