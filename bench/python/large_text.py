"""1 MB through GetCommands from Python against the same call from C++, in one run.

Runs the C++ benchmark program for the native times, times the same queries on the same text
from Python, and prints both and their ratio. Goal: Python within 1.2 times the C++ time.

Both sides are timed in processor time, the fastest of several rounds: on a shared machine the
wall clock mostly measures the other processes.

    large_text.py CHEM_BENCH   (with the built module on PYTHONPATH)
"""

import json
import subprocess
import sys
import time

import glyphwright

GOAL = 1.2
ROUNDS = 3  # C++ and Python take turns, so a busy spell of the machine hits both
PYTHON_CALLS = 10

# The text of the C++ benchmark: the piece repeated while it fits into 512 Ki code units (1 MiB of
# UTF-16), then blanks to the full length.
UNITS = 512 * 1024
FORMULA_PIECE = "H2SO4 [Fe(CN)6]3- p-CH3C6H4C#N Ca(OH)2 CuSO4*5H2O NH4+ t-BuOH C6H12O6 "
NAME_PIECE = ("(2S,3R)-N-tert-butyl-D-threonine 1H-indole N,N'-dimethylformamide cis-but-2-ene "
              "L-alanine (E)-stilbene ")

# (query class, C++ benchmark, piece)
CASES = [
    ("ChemFormulaQuery", "BM_ChemFormula_1MB", FORMULA_PIECE),
    ("IonFormulaQuery", "BM_IonFormula_1MB", FORMULA_PIECE),
    ("ChemNameQuery", "BM_ChemName_1MB", NAME_PIECE),
]


def repeat(piece, units):
    text = piece * (units // len(piece))
    return text + " " * (units - len(text))


def native_time(program, bench):
    """The fastest processor time of one call of a 1 MB benchmark, in seconds."""
    report = subprocess.run(
        [program, "--benchmark_format=json", f"--benchmark_filter=^{bench}$",
         "--benchmark_repetitions=3", "--benchmark_min_time=0.1"],
        check=True, capture_output=True, text=True).stdout
    times = [run["cpu_time"] / 1e3 for run in json.loads(report)["benchmarks"]
             if run.get("run_type") == "iteration"]
    assert times, f"{program} has no benchmark {bench}"
    return min(times)


def python_time(query_class, piece):
    """The fastest processor time of one GetCommands call from Python, in seconds, measured in a
    process of its own as the C++ benchmark is: the allocator's history of one query's megabytes
    then does not weigh on the next one's."""
    report = subprocess.run([sys.executable, __file__, "--python", query_class, piece],
                            check=True, capture_output=True, text=True).stdout
    return float(report)


def time_python_calls(query_class, piece):
    query = getattr(glyphwright, query_class)()
    text = repeat(piece, UNITS)
    assert len(text.encode("utf-16-le")) == 2 * UNITS
    query.GetCommands(text)  # the first call fetches the shared scanners
    best = None
    for _ in range(PYTHON_CALLS):
        started = time.thread_time()
        query.GetCommands(text)
        elapsed = time.thread_time() - started
        best = elapsed if best is None else min(best, elapsed)
    return best


def main():
    if len(sys.argv) == 4 and sys.argv[1] == "--python":
        print(time_python_calls(sys.argv[2], sys.argv[3]))
        return
    if len(sys.argv) != 2:
        sys.exit("usage: large_text.py CHEM_BENCH")
    native, python = {}, {}
    for _ in range(ROUNDS):
        for query_class, bench, piece in CASES:
            seconds = native_time(sys.argv[1], bench)
            native[bench] = min(seconds, native.get(bench, seconds))
            seconds = python_time(query_class, piece)
            python[bench] = min(seconds, python.get(bench, seconds))
    print(f"{'1 MB through GetCommands':28} {'C++ ms':>8} {'Python ms':>10} {'ratio':>7}")
    worst = 0.0
    for query_class, bench, _ in CASES:
        ratio = python[bench] / native[bench]
        worst = max(worst, ratio)
        print(f"{query_class:28} {native[bench] * 1e3:8.2f} {python[bench] * 1e3:10.2f} "
              f"{ratio:7.2f}")
    print(f"goal: Python within {GOAL}x of C++: {'met' if worst <= GOAL else 'NOT met'} "
          f"(worst {worst:.2f}x)")


if __name__ == "__main__":
    main()
