"""What the tests of the Python module share: the built `solvaris` program
they hold the module against, a copy of the shipped program folder, the
golden births and seeded random ones."""

import os
import random
import shutil
import subprocess

import pytest

BINARY = os.environ["SOLVARIS_BINARY"]
DATA_DIR = os.environ["SOLVARIS_DATA_DIR"]
TEST_DATA_DIR = os.environ["SOLVARIS_TEST_DATA_DIR"]
GOLDEN_NAMES = os.path.join(TEST_DATA_DIR, "reports", "GOLDEN.FIL")

FIELDS = ("name", "date", "time", "meridiem", "zone", "longitude", "latitude")

# The transit moment of every chart compared: the present one would differ
# between the program's run and the module's.
DIURNAL = {"diurnal_date": "2000-01-01", "diurnal_time": "12:00pm",
           "diurnal_zone": "8", "diurnal_lon": "118W15", "diurnal_lat": "34N03"}

# The charts compared and validated: the options each optional member of the
# chart JSON needs.
GOLDEN_CHARTS = [
    {"date": "1950-12-05", "time": "7:45pm", "zone": "5", "lon": "74w00", "lat": "40n43"},
    {"date": "1950-12-05", "time": "7:45pm", "zone": "5", "lon": "74w00", "lat": "40n43",
     "house": "koch"},
    {"date": "1950-07-01", "time": "7:45pm", "tz": "America/New_York", "lon": "74w00",
     "lat": "40n43"},
    {"date": "1880-06-01", "time": "12:00", "place": "Buffalo, New York"},
    {"date": "1975-06-21", "time": "10:15am", "zone": "-10", "lon": "151e12", "lat": "33s52",
     "zodiac": "sidereal", "ayanamsa": "lahiri", "house": "whole-sign"},
    {"date": "1985-08-15", "time": "6:05am", "zone": "-5:30", "lon": "88e22", "lat": "22n34",
     "ephemeris": "swiss", "points": "extra", "harmonic": 5},
    {"person": "Golden New York", "names": GOLDEN_NAMES},
    {"person": "Golden New York", "second_person": "Golden Sydney", "names": GOLDEN_NAMES,
     "composite": True},
    {"person": "Sample Natal", "second_person": "Sample Person London", "davison": True},
]

GOLDEN_TIMELINES = [
    {"person": "Sample Natal", "from_": "2026-01-01", "to": "2026-03-31"},
    {"person": "Golden Sydney", "names": GOLDEN_NAMES, "from_": "2010-01-01", "to": "2011-12-31",
     "progressions": True, "directions": True, "minor": True},
    {"date": "1990-11-10", "time": "11:05pm", "zone": "8", "lon": "118w15", "lat": "34n03",
     "from_": "2024-06-01", "to": "2024-06-30", "transits": True, "moon": True},
]


def words(options):
    """Keywords as the command line's options, the way the module reads them."""
    out = []
    for key, value in options.items():
        option = "--" + key.rstrip("_").replace("_", "-")
        if value is None or value is False:
            continue
        out.append(option)
        if value is not True:
            out.append(str(value))
    return out


def run(*args):
    """The program's status, stdout (bytes) and stderr (text)."""
    done = subprocess.run([BINARY, *args], capture_output=True, check=False)
    return done.returncode, done.stdout, done.stderr.decode()


@pytest.fixture(scope="session")
def home(tmp_path_factory):
    """A copy of the shipped program folder, never the shipped one itself."""
    folder = tmp_path_factory.mktemp("solvaris") / "home"
    shutil.copytree(DATA_DIR, folder)
    return str(folder)


def names_lines(path):
    with open(path, encoding="utf-8") as file:
        return [line.rstrip("\r\n") for line in file if line.strip()]


def golden_lines():
    return names_lines(GOLDEN_NAMES) + names_lines(os.path.join(DATA_DIR, "NAMES.FIL"))


MONTHS = "Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec".split()


def random_lines(count, seed):
    """Births over 1600-2099 in both hemispheres, some the entry checks refuse
    (zone 13, a 31st of February)."""
    rng = random.Random(seed)
    lines = []
    for i in range(count):
        if i % 97 == 96:
            lines.append(f"Faulty {i},31 Feb 1990,7.45,P,5,074.00,40.43")
            continue
        zone = rng.randint(-12, 13) + (0.5 if rng.random() < 0.1 else 0)
        lines.append(
            f"Person {i},{rng.randint(1, 28):02d} {rng.choice(MONTHS)} {rng.randint(1600, 2099)},"
            f"{rng.randint(1, 12)}.{rng.randint(0, 59):02d},{rng.choice('AP')},{zone:g},"
            f"{rng.choice(['', '-'])}{rng.randint(0, 179):03d}.{rng.randint(0, 59):02d},"
            f"{rng.choice(['', '', '-'])}{rng.randint(0, 59)}.{rng.randint(0, 59):02d}")
    return lines


def records_of(lines):
    """The seven fields of each line, as columns."""
    rows = [line.split(",") for line in lines]
    return {field: [row[f] for row in rows] for f, field in enumerate(FIELDS)}
