"""Reads the chief header core/txl5.h: its records (name, slot, type and the
field's comment) and its exported functions (name, signature, C or C++
linkage). Used by tools/gen_docs.py."""
import re

RECORD = re.compile(r"typedef struct (\w+) \{(.*?)\} (\w+);", re.S)
FIELD = re.compile(r"^\s*(int64_t|double)\s+(\w+);\s*(?://\s*(.*))?$")
EXPORT = re.compile(r"TXL5_EXPORT\s+(?!extern)([\w\s\*]+?)\s*\b(\w+)\(([^;]*?)\);", re.S)
DATA = re.compile(r"TXL5_EXPORT extern const ([^;]+?)\s*(\w+)(\[\d*\])?;")


def records(text):
    """[(record name, [(slot, type, field, comment)])] in header order."""
    out = []
    for m in RECORD.finditer(text):
        fields = []
        for line in m.group(2).splitlines():
            f = FIELD.match(line)
            if not f:
                continue
            comment = (f.group(3) or "").strip()
            # The comment starts with the slot number; the rest describes the field.
            c = re.match(r"(\d+)\s*(.*)", comment)
            slot = int(c.group(1)) if c else len(fields) + 1
            rest = c.group(2).strip() if c else comment
            fields.append((len(fields) + 1, f.group(1), f.group(2), rest))
            if c and slot != len(fields):
                raise SystemExit("%s.%s: comment says slot %d, position is %d" % (m.group(1), f.group(2), slot, len(fields)))
        out.append((m.group(3), fields))
    return out


def functions(text):
    """[(name, return type, arguments, 'C' or 'C++')] in header order."""
    out = []
    # Linkage: inside TXL5_BEGIN_C ... TXL5_END_C blocks the names are plain.
    spans = [(m.start(), m.end()) for m in re.finditer(r"TXL5_BEGIN_C\n.*?TXL5_END_C", text, re.S)]
    for m in EXPORT.finditer(text):
        ret = " ".join(m.group(1).split())
        args = " ".join(m.group(3).split())
        linkage = "C" if any(a <= m.start() < b for a, b in spans) else "C++"
        out.append((m.group(2), ret, args, linkage))
    return out


def data_objects(text):
    return [(m.group(2), " ".join(m.group(1).split())) for m in DATA.finditer(text)]
