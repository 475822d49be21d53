#!/usr/bin/env python3
"""The natal charts of a names file cast with Dask, a partition at a time.

Each partition of the births goes through solvaris.charts_csv() on a worker of a
Dask cluster and is written as one CSV file, part-00000.csv, part-00001.csv
..., each with the header of `solvaris batch --format csv`: the files one
after the other, the headers after the first left out, are the batch's CSV.
The records the batch skips are named on stderr, by partition and line.

    python3 examples/dask_batch.py NAMES.FIL OUT_DIR [--partitions N]
        [--house SYSTEM] [--home DIR] [--scheduler tcp://HOST:8786]

Without --scheduler a local cluster of two worker processes is started; with
it the work goes to that scheduler's workers, each of which needs the
solvaris module and reaches NAMES.FIL, OUT_DIR and the program folder under
the same paths (docs/python.md).
"""

import argparse
import csv
import os
import sys

import dask.dataframe as dd
import pandas as pd
from distributed import Client, LocalCluster

FIELDS = ["name", "date", "time", "meridiem", "zone", "longitude", "latitude"]
LOCAL_WORKERS = 2


# No names file line holds this character: each line is read whole and
# split into its fields by the partition (the C reader takes one character).
WHOLE_LINE = "\x1f"


def read_births(path, partitions):
    """The names file's lines as texts, as the batch reads them (no quoting,
    no header)."""
    lines = dd.read_csv(path, header=None, names=["line"], sep=WHOLE_LINE, dtype=str,
                        keep_default_na=False, quoting=csv.QUOTE_NONE, skip_blank_lines=True)
    return lines.repartition(npartitions=partitions)


def records_of(lines):
    """Each line's seven fields as the records' columns. A line of another
    number of fields is passed on whole as the name, with the comma that
    makes charts_csv() refuse it as the batch does ("not a record of seven
    comma-separated fields"), so that it is skipped and named, not lost."""
    rows = []
    for line in lines["line"]:
        fields = line.split(",")
        rows.append(fields if len(fields) == len(FIELDS) else [line + ","] + [""] * 6)
    return pd.DataFrame(rows, columns=FIELDS, dtype=object)


def cast_partition(births, out_dir, options, partition_info=None):
    """One partition's charts into its CSV file: what it wrote, and the
    messages of the records it skipped."""
    import solvaris  # on the worker

    number = partition_info["number"] if partition_info else 0
    name = f"part-{number:05d}"
    # The batch's own text, written as it is: pandas' to_csv would take
    # longer than the casting.
    csv_bytes, skipped = solvaris.charts_csv(records_of(births), refused="skip", **options)
    with open(os.path.join(out_dir, name + ".csv"), "wb") as file:
        file.write(csv_bytes)
    return pd.DataFrame({"part": [name], "rows": [csv_bytes.count(b"\n") - 1],
                         "skipped": ["\n".join(skipped)]})


def run(names_file, out_dir, partitions, options, client):
    os.makedirs(out_dir, exist_ok=True)
    births = read_births(names_file, partitions)
    meta = pd.DataFrame({"part": pd.Series(dtype=object), "rows": pd.Series(dtype="int64"),
                         "skipped": pd.Series(dtype=object)})
    done = births.map_partitions(cast_partition, out_dir, options, meta=meta)
    return client.compute(done).result()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("names_file")
    parser.add_argument("out_dir")
    parser.add_argument("--partitions", type=int, default=4)
    parser.add_argument("--house", help="the house system, as solvaris batch --house")
    parser.add_argument("--home", help="the program folder, as solvaris --home")
    parser.add_argument("--scheduler", help="a running Dask scheduler, tcp://HOST:8786")
    args = parser.parse_args()
    options = {key: value for key, value in (("house", args.house), ("home", args.home))
               if value is not None}
    if args.scheduler:
        with Client(args.scheduler) as client:
            summary = run(args.names_file, args.out_dir, args.partitions, options, client)
    else:
        # One worker process a core: each casts its partition on one thread.
        options["jobs"] = 1
        with LocalCluster(n_workers=LOCAL_WORKERS, processes=True, threads_per_worker=1,
                          dashboard_address=None) as cluster, Client(cluster) as client:
            summary = run(args.names_file, args.out_dir, args.partitions, options, client)
    skipped = 0
    for row in summary.itertuples():
        for message in filter(None, row.skipped.split("\n")):
            print(f"{row.part}: {message}", file=sys.stderr)
            skipped += 1
    print(f"{summary['rows'].sum()} charts in {len(summary)} files, {skipped} records skipped",
          file=sys.stderr)
    return 1 if skipped else 0


if __name__ == "__main__":
    sys.exit(main())
