"""examples/dask_batch.py over 20,000 births on a local cluster of two
worker processes, each reading its own byte ranges of the names file: its
files, one after the other, are the batch's CSV."""

import os
import subprocess
import sys

from conftest import random_lines, run

SCRIPT = os.path.join(os.environ["SOLVARIS_SOURCE_DIR"], "examples", "dask_batch.py")
BIRTHS = 20000


def test_the_partitions_make_the_batch_csv(home, tmp_path):
    names = tmp_path / "BIRTHS.FIL"
    lines = random_lines(BIRTHS, seed=2026)
    # Lines of eight and of six fields: skipped and named as the batch does, not a stop.
    lines[5] += ",x"
    lines[12345] = lines[12345].rsplit(",", 1)[0]
    names.write_text("".join(line + "\r\n" for line in lines))
    status, expected, err = run("batch", "--home", home, "--names", str(names), "--house", "koch")
    assert status == 1
    out_dir = tmp_path / "charts"
    done = subprocess.run([sys.executable, SCRIPT, str(names), str(out_dir), "--partitions", "5",
                           "--house", "koch", "--home", home],
                          capture_output=True, text=True, check=False, timeout=600)
    parts = sorted(out_dir.iterdir())
    assert [part.name for part in parts] == [f"part-{n:05d}.csv" for n in range(5)]
    texts = [part.read_bytes() for part in parts]
    header = texts[0].split(b"\n", 1)[0] + b"\n"
    assert all(text.startswith(header) for text in texts)
    assert texts[0] + b"".join(text[len(header):] for text in texts[1:]) == expected
    # Every line the batch skips is named as the batch names it, by partition.
    skipped = [line.split(": ", 1)[1] for line in done.stderr.splitlines()
               if line.startswith("part-")]
    assert skipped == err.splitlines() and skipped
    assert done.returncode == 1
    assert done.stderr.splitlines()[-1] == (
        f"{BIRTHS - len(skipped)} charts in 5 files, {len(skipped)} records skipped")
