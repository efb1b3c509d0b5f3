"""Per-call overhead of the Python module: the same call from Python and from C++.

Runs the C++ benchmark program for the native time, times the Python call with timeit, and
prints both and their difference. Goal: under 1 microsecond of overhead a call.

    call_overhead.py NATIVE_BENCH   (with the built module on PYTHONPATH)
"""

import json
import subprocess
import sys
import timeit

import glyphwright

SELECTION = "J. Org. Chem. 1999, "  # 20 characters, the same as the C++ benchmark's
assert len(SELECTION) == 20

# (label, C++ benchmark, Python statement): the Python call and its C++ twin.
CASES = [
    ("JournalQuery.GetCommands", "BM_GetCommandsDirect", "query.GetCommands(SELECTION)"),
    ("  by dispatch id in C++", "BM_GetCommandsByDispatchId", "query.GetCommands(SELECTION)"),
]


def native_times(program):
    report = subprocess.run(
        [program, "--benchmark_format=json", "--benchmark_min_time=0.2"],
        check=True, capture_output=True, text=True).stdout
    return {bench["name"]: bench["real_time"] for bench in json.loads(report)["benchmarks"]
            if bench["time_unit"] == "ns"}


def python_time(statement, namespace):
    timer = timeit.Timer(statement, globals=namespace)
    count, _ = timer.autorange()
    count *= 5
    return min(timer.repeat(repeat=5, number=count)) / count * 1e9


def main():
    native = native_times(sys.argv[1])
    namespace = {"query": glyphwright.JournalQuery(), "SELECTION": SELECTION}
    print(f"{'call':32} {'C++ ns':>10} {'Python ns':>10} {'overhead ns':>12}")
    worst = None
    for label, bench, statement in CASES:
        py = python_time(statement, namespace)
        overhead = py - native[bench]
        if worst is None:  # the goal is measured against the direct C++ call
            worst = overhead
        print(f"{label:32} {native[bench]:10.1f} {py:10.1f} {overhead:12.1f}")
    print(f"goal: under 1000 ns of overhead: {'met' if worst < 1000 else 'NOT met'}")


if __name__ == "__main__":
    main()
