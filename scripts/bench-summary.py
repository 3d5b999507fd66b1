#!/usr/bin/env python3
"""Summarises kolvira-bench's JSON output: ns per pixel of each benchmark and
its ratio to the memcpy of the same buffer measured in the same run.

    build/bin/kolvira-bench --benchmark_format=json > bench.json
    scripts/bench-summary.py bench.json
"""
import json
import sys


def main(path):
    with open(path) as f:
        report = json.load(f)
    # With repetitions, keep the fastest run of each benchmark: the others
    # were slowed by something else.
    best = {}
    for b in report["benchmarks"]:
        if b.get("run_type") == "aggregate" or "ns_per_px" not in b:
            continue
        name = b.get("run_name", b["name"]).removesuffix("/real_time")
        best[name] = min(best.get(name, float("inf")), b["ns_per_px"])
    memcpy = best.get("BM_Memcpy")
    if not memcpy:
        sys.exit("no BM_Memcpy in " + path)
    print("| benchmark | ns/px | × memcpy |")
    print("|---|---:|---:|")
    for name, ns in best.items():
        print(f"| {name} | {ns:.2f} | {ns / memcpy:.1f} |")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "/dev/stdin")
