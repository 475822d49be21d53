#!/usr/bin/env python3
"""Births a second through solvaris.charts(), `solvaris batch` and the Dask
example, over the same names file (one million births unless told).

    PYTHONPATH=build/python python3 bench/python_batch_bench.py build/solvaris [--births N]

Each rate is the births over the wall-clock seconds of the whole step; the
module's is given without and with reading the names file into a DataFrame
and writing its CSV, so that it compares with the batch's, which reads and
writes files too. Not a test: run it by hand on a quiet machine.
"""

import argparse
import csv
import os
import random
import shutil
import subprocess
import sys
import tempfile
import time

import pandas as pd

import solvaris

FIELDS = ["name", "date", "time", "meridiem", "zone", "longitude", "latitude"]
MONTHS = "Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec".split()
HERE = os.path.dirname(os.path.abspath(__file__))


def write_births(path, count):
    """Births over 1600-2099 in both hemispheres, as in the byte-identity test."""
    rng = random.Random(20261207)
    with open(path, "w", encoding="ascii", newline="") as file:
        for i in range(count):
            file.write(
                f"Person {i},{rng.randint(1, 28):02d} {rng.choice(MONTHS)} "
                f"{rng.randint(1600, 2099)},{rng.randint(1, 12)}.{rng.randint(0, 59):02d},"
                f"{rng.choice('AP')},{rng.randint(-12, 12)},"
                f"{rng.choice(['', '-'])}{rng.randint(0, 179):03d}.{rng.randint(0, 59):02d},"
                f"{rng.choice(['', '', '-'])}{rng.randint(0, 59)}.{rng.randint(0, 59):02d}\r\n")


def timed(step):
    start = time.perf_counter()
    result = step()
    return result, time.perf_counter() - start


def report(what, births, seconds):
    print(f"{what:<44} {seconds:8.1f} s {births / seconds:10,.0f} births/s", flush=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("solvaris", help="the built solvaris program")
    parser.add_argument("--births", type=int, default=1_000_000)
    parser.add_argument("--skip-dask", action="store_true")
    args = parser.parse_args()
    work = tempfile.mkdtemp(prefix="solvaris-bench-")
    try:
        home = os.path.join(work, "home")
        shutil.copytree(os.path.join(HERE, "..", "data"), home)
        names = os.path.join(work, "BIRTHS.FIL")
        write_births(names, args.births)
        print(f"{args.births:,} births, {os.cpu_count()} cores", flush=True)

        batch_csv = os.path.join(work, "batch.csv")
        with open(batch_csv, "wb") as out:
            _, seconds = timed(lambda: subprocess.run(
                [args.solvaris, "batch", "--home", home, "--names", names], stdout=out,
                stderr=subprocess.DEVNULL, check=False))
        report("solvaris batch (file to CSV file)", args.births, seconds)

        births, read_seconds = timed(lambda: pd.read_csv(
            names, header=None, names=FIELDS, dtype=str, keep_default_na=False,
            quoting=csv.QUOTE_NONE))
        charts, seconds = timed(lambda: solvaris.charts(births, refused="skip", home=home))
        report("solvaris.charts() (DataFrame to DataFrame)", args.births, seconds)
        module_csv = os.path.join(work, "module.csv")
        _, write_seconds = timed(lambda: charts.to_csv(module_csv, index=False,
                                                       float_format="%.7f"))
        report("read_csv + charts() + to_csv", args.births,
               read_seconds + seconds + write_seconds)
        with open(batch_csv, "rb") as a, open(module_csv, "rb") as b:
            print("the module's CSV is the batch's:", a.read() == b.read(), flush=True)
        del charts, births

        if not args.skip_dask:
            out_dir = os.path.join(work, "dask")
            _, seconds = timed(lambda: subprocess.run(
                [sys.executable, os.path.join(HERE, "..", "examples", "dask_batch.py"), names,
                 out_dir, "--partitions", "16", "--home", home], stderr=subprocess.DEVNULL,
                check=False))
            report("examples/dask_batch.py (2 worker processes)", args.births, seconds)
    finally:
        shutil.rmtree(work)


if __name__ == "__main__":
    main()
