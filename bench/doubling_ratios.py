#!/usr/bin/env python3
"""Time per doubling of work, per family, from the JSON output of quillex-bench.

    quillex-bench --benchmark_repetitions=5 --benchmark_out=bench.json
    python3 bench/doubling_ratios.py bench.json [--limit 2.3] [--cpu]

For each benchmark kind and family, lists the sizes with their work (input plus report bytes) and
median time, and between neighbouring sizes the factor by which the time grows when the work
doubles: (t2 / t1) ** (1 / log2(w2 / w1)). A linear stage gives about 2, a quadratic one 4.
Real (wall-clock) time by default; --cpu uses the process's CPU time, which other programs on a
busy machine disturb less; --fastest takes the fastest run of each benchmark instead of the
median, since on a shared machine every disturbance only ever adds time. Exits 1 when some
factor exceeds the limit.
"""
import argparse
import json
import math
import re
import statistics
import sys
from collections import defaultdict

NAME = re.compile(r"^(?P<kind>[^/]+)/(?P<family>[^/]+)/(?P<size>\d+[KM]?)(/|$)")


def size_bytes(size):
    scale = {"K": 1 << 10, "M": 1 << 20}.get(size[-1], 1)
    return int(size.rstrip("KM")) * scale


def collect(runs, clock, pick):
    """(kind, family) -> {size: (work bytes, time in ms picked from the runs)}"""
    times = defaultdict(list)
    work = {}
    for run in runs:
        if run.get("run_type") == "aggregate" or run.get("error_occurred"):
            continue
        if "work_bytes" not in run:  # the stages of the whole check, timed on their own
            continue
        match = NAME.match(run["name"])
        if not match:
            continue
        key = (match["kind"], match["family"], match["size"])
        scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[run.get("time_unit", "ns")]
        times[key].append(run[clock] * scale)
        work[key] = run["work_bytes"]
    table = defaultdict(dict)
    for (kind, family, size), values in times.items():
        table[(kind, family)][size] = (work[(kind, family, size)], pick(values))
    return table


def per_doubling(smaller, larger):
    """The factor by which the time grows per doubling of work between two (work, time) pairs."""
    (w1, t1), (w2, t2) = smaller, larger
    if w2 <= w1 or t1 <= 0:
        return 0.0
    return (t2 / t1) ** (1 / math.log2(w2 / w1))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("json")
    parser.add_argument("--limit", type=float, default=2.3)
    parser.add_argument("--cpu", action="store_true", help="use CPU time instead of real time")
    parser.add_argument("--fastest", action="store_true", help="the fastest run, not the median")
    args = parser.parse_args()
    label = "fastest" if args.fastest else "median"
    with open(args.json, encoding="utf-8") as f:
        table = collect(json.load(f)["benchmarks"], "cpu_time" if args.cpu else "real_time",
                        min if args.fastest else statistics.median)
    worst = 0.0
    for (kind, family), sizes in sorted(table.items()):
        print(f"{kind} {family}")
        previous = None
        ordered = sorted(sizes, key=size_bytes)
        for size in ordered:
            work, time = sizes[size]
            line = f"  {size:>5}  work {work / 1e6:9.2f} MB  {label} {time:10.2f} ms"
            if previous:
                factor = per_doubling(previous, (work, time))
                worst = max(worst, factor)
                line += f"  x{factor:.2f} per doubling"
            print(line)
            previous = (work, time)
        if len(ordered) > 2:
            whole = per_doubling(sizes[ordered[0]], sizes[ordered[-1]])
            print(f"  {ordered[0]} to {ordered[-1]}: x{whole:.2f} per doubling")
    print(f"worst factor per doubling: {worst:.2f} (limit {args.limit})")
    return 1 if worst > args.limit else 0


if __name__ == "__main__":
    sys.exit(main())
