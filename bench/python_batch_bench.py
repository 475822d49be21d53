#!/usr/bin/env python3
"""Births a second through `solvaris batch`, the module's functions and the
Dask example, over the same names file (600,000 births unless told).

    PYTHONPATH=build/python python3 bench/python_batch_bench.py build/solvaris \\
        [--births N] [--repeats R] [--partitions P] [--skip-dask]

The steps run in R rounds, each round every step once in a random order,
so that a load that comes and goes falls on every step alike; the best and
the median of each step are shown, with births a second, its share of the
batch's rate best against best, and the median over the rounds of its
share against the batch of the same round. Each step's seconds are the wall clock of the step
alone: the names file is read into a DataFrame once beforehand for
charts() and charts_csv(); the Dask example's run() is timed on a local
cluster of two worker processes started before the clock starts, and the
whole script (Python's start, the imports, the cluster's start and stop)
is timed as well. Every output is checked against the batch's CSV. Not a
test: run it by hand and say the load.
"""

import argparse
import csv
import importlib.util
import os
import random
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

import pandas as pd

import solvaris

FIELDS = ["name", "date", "time", "meridiem", "zone", "longitude", "latitude"]
MONTHS = "Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec".split()
HERE = os.path.dirname(os.path.abspath(__file__))
EXAMPLE = os.path.join(HERE, "..", "examples", "dask_batch.py")


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


def load_example():
    """The example as a module, its functions sent to the workers by value
    (the workers cannot import it)."""
    import cloudpickle

    found = importlib.util.spec_from_file_location("dask_batch", EXAMPLE)
    module = importlib.util.module_from_spec(found)
    sys.modules[found.name] = module
    found.loader.exec_module(module)
    cloudpickle.register_pickle_by_value(module)
    return module


def parts_csv(out_dir):
    """The part files one after the other, the headers after the first left out."""
    texts = [open(os.path.join(out_dir, name), "rb").read() for name in sorted(os.listdir(out_dir))]
    return texts[0] + b"".join(text.split(b"\n", 1)[1] for text in texts[1:])


class Steps:
    """Each step: untimed preparation, the timed part, then the check of its output."""

    def __init__(self, args, work, home, names):
        self.args, self.work, self.home, self.names = args, work, home, names
        self.batch_csv = os.path.join(work, "batch.csv")
        self.births = None
        self.frame_checked = False

    def batch(self):
        start = time.perf_counter()
        with open(self.batch_csv, "wb") as out:
            subprocess.run([self.args.solvaris, "batch", "--home", self.home, "--names",
                            self.names], stdout=out, stderr=subprocess.DEVNULL, check=False)
        return time.perf_counter() - start

    def expected(self):
        with open(self.batch_csv, "rb") as file:
            return file.read()

    def records(self):
        if self.births is None:
            self.births = pd.read_csv(self.names, header=None, names=FIELDS, dtype=str,
                                      keep_default_na=False, quoting=csv.QUOTE_NONE)
        return self.births

    def charts(self):
        births = self.records()
        start = time.perf_counter()
        frame = solvaris.charts(births, refused="skip", home=self.home)
        seconds = time.perf_counter() - start
        if not self.frame_checked:  # to_csv takes longer than the casting: once
            assert frame.to_csv(index=False, float_format="%.7f").encode() == self.expected()
            self.frame_checked = True
        return seconds

    def charts_csv(self):
        births = self.records()
        out = os.path.join(self.work, "module.csv")
        start = time.perf_counter()
        csv_bytes, _ = solvaris.charts_csv(births, refused="skip", home=self.home)
        with open(out, "wb") as file:
            file.write(csv_bytes)
        seconds = time.perf_counter() - start
        assert csv_bytes == self.expected()
        return seconds

    def charts_csv_file(self):
        out = os.path.join(self.work, "file.csv")
        start = time.perf_counter()
        csv_bytes, _ = solvaris.charts_csv_file(self.names, refused="skip", home=self.home)
        with open(out, "wb") as file:
            file.write(csv_bytes)
        seconds = time.perf_counter() - start
        assert csv_bytes == self.expected()
        return seconds

    def dask_run(self):
        from distributed import Client, LocalCluster

        example = load_example()
        out_dir = os.path.join(self.work, "dask-run")
        shutil.rmtree(out_dir, ignore_errors=True)
        # As the script starts it, outside the clock.
        with LocalCluster(n_workers=example.LOCAL_WORKERS, processes=True, threads_per_worker=1,
                          dashboard_address=None) as cluster, Client(cluster) as client:
            client.wait_for_workers(example.LOCAL_WORKERS)
            start = time.perf_counter()
            example.run(self.names, out_dir, self.args.partitions,
                        {"home": self.home, "jobs": 1}, client)
            seconds = time.perf_counter() - start
        assert parts_csv(out_dir) == self.expected()
        return seconds

    def dask_script(self):
        out_dir = os.path.join(self.work, "dask-script")
        shutil.rmtree(out_dir, ignore_errors=True)
        start = time.perf_counter()
        subprocess.run([sys.executable, EXAMPLE, self.names, out_dir, "--partitions",
                        str(self.args.partitions), "--home", self.home],
                       stderr=subprocess.DEVNULL, check=False)
        seconds = time.perf_counter() - start
        assert parts_csv(out_dir) == self.expected()
        return seconds


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("solvaris", help="the built solvaris program")
    parser.add_argument("--births", type=int, default=600_000)
    parser.add_argument("--repeats", type=int, default=3)
    parser.add_argument("--partitions", type=int, default=8)
    parser.add_argument("--skip-dask", action="store_true")
    parser.add_argument("--seed", type=int, default=None, help="of the order of the runs")
    args = parser.parse_args()
    work = tempfile.mkdtemp(prefix="solvaris-bench-")
    try:
        home = os.path.join(work, "home")
        shutil.copytree(os.path.join(HERE, "..", "data"), home)
        names = os.path.join(work, "BIRTHS.FIL")
        write_births(names, args.births)
        steps = Steps(args, work, home, names)
        labels = {
            "batch": "solvaris batch, names file to CSV file",
            "charts": "solvaris.charts(), DataFrame to DataFrame",
            "charts_csv": "solvaris.charts_csv(), DataFrame to CSV file",
            "charts_csv_file": "solvaris.charts_csv_file(), names file to CSV file",
            "dask_run": f"dask_batch.py run(), cluster started, {args.partitions} partitions",
            "dask_script": "dask_batch.py, the whole script",
        }
        if args.skip_dask:
            del labels["dask_run"], labels["dask_script"]
        steps.batch()  # the CSV the others are checked against
        rng = random.Random(args.seed)
        print(f"{args.births:,} births, {os.cpu_count()} cores, load average "
              f"{os.getloadavg()[0]:.2f}", flush=True)
        seconds = {name: [] for name in labels}
        for round_number in range(args.repeats):
            order = list(labels)
            rng.shuffle(order)
            for name in order:
                seconds[name].append(getattr(steps, name)())
                print(f"  round {round_number + 1}, {name}: {seconds[name][-1]:.2f} s, load "
                      f"average {os.getloadavg()[0]:.2f}", flush=True)
        batch = seconds["batch"]
        print(f"{'step':<58} {'best s':>7} {'median s':>8} {'births/s':>9} {'of batch':>8} "
              f"{'rounds':>8}")
        for name, label in labels.items():
            best = min(seconds[name])
            shares = [b / s for b, s in zip(batch, seconds[name])]
            print(f"{label:<58} {best:7.2f} {statistics.median(seconds[name]):8.2f} "
                  f"{args.births / best:9,.0f} {min(batch) / best:8.0%} "
                  f"{statistics.median(shares):8.0%}")
    finally:
        shutil.rmtree(work)


if __name__ == "__main__":
    main()
