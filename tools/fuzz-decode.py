#!/usr/bin/env python3
"""Prints a fuzz input (a crash reproducer or a corpus file) slot by slot.

    tools/fuzz-decode.py FILE...

The 32-byte header (selector, flags, null mask, integer, amount, second
integer) comes first, then every 8-byte slot of the records that follow, as
a signed integer and as a double. Which records the slots belong to depends
on the entry point the selector picks (fuzz/targets.cpp); records follow one
another in the order the entry point takes them, with no gaps.
"""
import struct
import sys


def show(path):
    data = open(path, "rb").read()
    padded = data + bytes(max(0, 32 - len(data)))
    selector, flags, null_mask = padded[0], padded[1], padded[2]
    integer, amount, integer2 = struct.unpack_from("<qdq", padded, 8)
    print(f"{path}: {len(data)} bytes")
    print(f"  selector {selector}  flags {flags}  null mask {null_mask:#04x}")
    print(f"  integer {integer}  amount {amount!r}  integer2 {integer2}")
    body = data[32:]
    body += bytes((-len(body)) % 8)
    for i in range(0, len(body), 8):
        (as_int,) = struct.unpack_from("<q", body, i)
        (as_double,) = struct.unpack_from("<d", body, i)
        print(f"  slot {i // 8 + 1:3d} (byte {i:4d}): {as_int:>21d}  {as_double!r}")


for name in sys.argv[1:]:
    show(name)
