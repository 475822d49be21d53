"""Calls from several Python threads at once: each gives what it gives alone."""

from concurrent.futures import ThreadPoolExecutor

import numpy as np

import solvaris
from conftest import DIURNAL, golden_lines, random_lines, records_of


def test_calls_from_threads_equal_the_calls_alone(home):
    records = records_of(golden_lines() + random_lines(300, seed=11))
    births = [{"date": f"{1900 + 7 * k}-0{1 + k % 9}-1{k % 10}", "time": f"{k % 24}:15",
               "zone": str(k % 6), "lon": f"{15 * (k % 6)}w30", "lat": f"{5 * k % 60}n10",
               **DIURNAL} for k in range(8)]
    instants = 2440000.5 + np.arange(500) * 1.7
    calls = ([lambda: solvaris.charts(records, refused="skip", home=home, jobs=1)] * 4 +
             [lambda b=b: solvaris.chart(home=home, **b) for b in births] +
             [lambda: solvaris.positions(instants, jobs=1)] * 4)
    alone = [call() for call in calls]
    with ThreadPoolExecutor(max_workers=6) as pool:
        together = list(pool.map(lambda call: call(), calls))
    for a, t in zip(alone, together):
        if isinstance(a, np.ndarray):
            assert np.array_equal(a, t)
        elif isinstance(a, dict):
            assert a == t
        else:
            assert a.equals(t) and a.attrs == t.attrs
