"""Summarizes a Google Benchmark JSON file of txl5_bench by group.

For each group: how many benchmarks, the median time per paycheck (call) over
them, the slowest, the median paychecks per second on one core, and the ratio
of the median time to the reference kernel's. Standard library only.
"""
import json
import statistics
import sys

GROUPS = [
    ("federal part alone (call type 0)", lambda n: n.startswith("federal/")),
    ("federal + state, weekly", lambda n: n.startswith("state/") and "/weekly/regular" in n),
    ("federal + state, weekly + supplemental", lambda n: n.startswith("state/") and "/weekly/supplemental" in n),
    ("federal + state, annual", lambda n: n.startswith("state/") and "/annual/regular" in n),
    ("federal + state, annual + supplemental", lambda n: n.startswith("state/") and "/annual/supplemental" in n),
    ("federal + state, all", lambda n: n.startswith("state/")),
    ("federal + state + local (Local, County)", lambda n: n.startswith(("local/Local/", "local/County/"))),
    ("  TXL5_Calc_Local", lambda n: n.startswith("local/Local/")),
    ("  TXL5_Calc_County", lambda n: n.startswith("local/County/")),
    ("  Pennsylvania", lambda n: n in ("local/Local/PA", "local/County/PA")),
    ("  Ohio", lambda n: n in ("local/Local/OH", "local/County/OH")),
    ("TXL5_Calc_City (no calculation)", lambda n: n.startswith("local/City/")),
    ("gross-up, regular (call type 11)", lambda n: n.startswith("grossup/regular/")),
    ("gross-up, bonus (call type 12)", lambda n: n.startswith("grossup/bonus/")),
    ("approximate local gross-up (Local_TEST)", lambda n: n.startswith("local/Local_TEST/")),
    ("levies", lambda n: n.startswith("levy/")),
    ("directory walk, per entry", lambda n: n.startswith("directory/")),
    ("reference kernel", lambda n: n.startswith("kernel/")),
]


def ns_per_call(b):
    unit = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}[b.get("time_unit", "ns")]
    return b["cpu_time"] * unit


def main(path, show_all):
    with open(path) as f:
        data = json.load(f)
    times = {b["name"]: ns_per_call(b) for b in data["benchmarks"] if b.get("run_type", "iteration") == "iteration"}
    kernel = [t for n, t in times.items() if n.startswith("kernel/")]
    kernel_ns = statistics.median(kernel) if kernel else None
    print(f"{'group':42} {'n':>3} {'median ns':>11} {'slowest ns':>11} {'paychecks/s':>13} {'x kernel':>9}")
    for label, member in GROUPS:
        members = {n: t for n, t in times.items() if member(n)}
        if not members:
            continue
        median = statistics.median(members.values())
        slowest = max(members, key=members.get)
        ratio = f"{median / kernel_ns:9.1f}" if kernel_ns else f"{'-':>9}"
        print(f"{label:42} {len(members):3d} {median:11.1f} {members[slowest]:11.1f} {1e9 / median:13,.0f} {ratio}"
              f"  (slowest {slowest})")
    if show_all:
        print()
        for n, t in times.items():
            ratio = f"{t / kernel_ns:9.1f}" if kernel_ns else ""
            print(f"{n:50} {t:11.1f} ns {1e9 / t:14,.0f}/s {ratio}")


if __name__ == "__main__":
    main(sys.argv[1], "--all" in sys.argv[2:])
