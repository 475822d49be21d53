#!/usr/bin/env python3
"""The natal charts of a names file cast with Dask, a part of the file at a time.

The names file is cut into byte ranges, one a partition; each worker of a
Dask cluster reads its own range of the file, at line boundaries, with
solvaris.charts_csv_file() and writes it as one CSV file, part-00000.csv,
part-00001.csv ..., each with the header of `solvaris batch --format csv`:
the files one after the other, the headers after the first left out, are
the batch's CSV. No record goes through the scheduler. The lines the batch
skips are named on stderr as the batch names them, by partition.

    python3 examples/dask_batch.py NAMES.FIL OUT_DIR [--partitions N]
        [--house SYSTEM] [--home DIR] [--scheduler tcp://HOST:8786]

Without --scheduler a local cluster of two worker processes is started; with
it the work goes to that scheduler's workers, each of which needs the
solvaris module and reaches NAMES.FIL, OUT_DIR and the program folder under
the same paths (docs/python.md).
"""

import argparse
import os
import sys

from distributed import Client, LocalCluster

LOCAL_WORKERS = 2


def cast_part(number, names_file, partitions, out_dir, options):
    """One byte range of the names file into its CSV file, on a worker: the
    part's name, the charts it wrote and the messages of the lines skipped."""
    import solvaris  # on the worker

    # Sized where it is read, so that the client needs no access to the file.
    size = os.path.getsize(names_file)
    name = f"part-{number:05d}"
    csv_bytes, skipped = solvaris.charts_csv_file(
        names_file, start=size * number // partitions, stop=size * (number + 1) // partitions,
        refused="skip", **options)
    with open(os.path.join(out_dir, name + ".csv"), "wb") as file:
        file.write(csv_bytes)
    return name, csv_bytes.count(b"\n") - 1, skipped


def run(names_file, out_dir, partitions, options, client):
    """The parts cast on the client's cluster, in order: (name, charts,
    skipped) for each."""
    # The workers resolve paths in their own folders.
    names_file = os.path.abspath(names_file)
    out_dir = os.path.abspath(out_dir)
    os.makedirs(out_dir, exist_ok=True)
    parts = client.map(cast_part, range(partitions), names_file=names_file,
                       partitions=partitions, out_dir=out_dir, options=options, pure=False)
    return client.gather(parts)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("names_file")
    parser.add_argument("out_dir")
    parser.add_argument("--partitions", type=int, default=4)
    parser.add_argument("--house", help="the house system, as solvaris batch --house")
    parser.add_argument("--home", help="the program folder, as solvaris --home")
    parser.add_argument("--scheduler", help="a running Dask scheduler, tcp://HOST:8786")
    args = parser.parse_args()
    if args.partitions < 1:
        parser.error("--partitions is a whole number from 1")
    options = {key: value for key, value in (("house", args.house), ("home", args.home))
               if value is not None}
    if args.scheduler:
        with Client(args.scheduler) as client:
            summary = run(args.names_file, args.out_dir, args.partitions, options, client)
    else:
        # One worker process a core: each casts its part on one thread.
        options["jobs"] = 1
        with LocalCluster(n_workers=LOCAL_WORKERS, processes=True, threads_per_worker=1,
                          dashboard_address=None) as cluster, Client(cluster) as client:
            summary = run(args.names_file, args.out_dir, args.partitions, options, client)
    skipped = 0
    for name, _, messages in summary:
        for message in messages:
            print(f"{name}: {message}", file=sys.stderr)
            skipped += 1
    charts = sum(rows for _, rows, _ in summary)
    print(f"{charts} charts in {len(summary)} files, {skipped} records skipped", file=sys.stderr)
    return 1 if skipped else 0


if __name__ == "__main__":
    sys.exit(main())
