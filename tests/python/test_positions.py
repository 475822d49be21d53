"""positions() against `solvaris positions` for the same instants."""

import math

import numpy as np
import pytest

import solvaris
from conftest import run, words

# J2000, a birth of the golden charts, the first instant of the span (100
# January 1) and the last hour of 2099, the 17th century and an hour past
# midnight.
INSTANTS = [2451545.0, 2433621.5309028, 1757582.5, 2488069.4583333, 2305447.5, 2460311.5416667]

OPTIONS = [
    {},
    {"ephemeris": "swiss"},
    {"zodiac": "sidereal", "ayanamsa": "lahiri"},
    {"ayanamsa": "user", "ayanamsa_value": "23.5", "ayanamsa_epoch": "2000"},
    {"points": "extra"},
    {"points": "extra", "ephemeris": "swiss", "zodiac": "sidereal", "ayanamsa": "fagan-bradley"},
    {"jobs": 1},
]

NUMBERS = ("longitude", "latitude", "declination", "right_ascension", "next_day_longitude")


def program_rows(instants, options):
    args = ["positions", *words(options)]
    for jd in instants:
        args += ["--jd", repr(jd)]
    status, out, err = run(*args)
    assert status == 0, err
    lines = out.decode().splitlines()
    assert lines[0].startswith("jd_ut,point,longitude,latitude,declination,right_ascension,")
    return [line.split(",") for line in lines[1:]]


@pytest.mark.parametrize("options", OPTIONS, ids=lambda o: ",".join(o) or "defaults")
def test_rows_equal_the_printed_digits(options):
    rows = solvaris.positions(np.array(INSTANTS), **options)
    printed = program_rows(INSTANTS, options)
    assert rows.shape == (len(printed),)
    for row, line in zip(rows, printed):
        assert f"{row['jd']:.7f}" == line[0]
        assert row["body"] == line[1]
        for field, text in zip(NUMBERS, line[2:7]):
            assert f"{row[field]:.7f}" == text, (field, line)
        motion = (row["next_day_longitude"] - row["longitude"] + 180) % 360 - 180
        assert math.isclose(row["speed"], motion, abs_tol=1e-9)


def test_fields_and_types():
    rows = solvaris.positions(2451545.0)
    assert rows.dtype.names == ("jd", "body", "longitude", "latitude", "declination",
                                "right_ascension", "next_day_longitude", "speed")
    assert all(rows.dtype[name] == np.float64 for name in rows.dtype.names if name != "body")
    assert rows.dtype["body"].kind == "U"
    assert list(rows["body"]) == ["SUN", "MERCURY", "VENUS", "MARS", "JUPITER", "SATURN",
                                  "URANUS", "NEPTUNE", "PLUTO", "MOON", "N. NODE"]
    # A list, a scalar and whole numbers read as the same instants.
    assert np.array_equal(solvaris.positions([2451545]), rows)
    assert solvaris.positions(np.array([], dtype=float)).shape == (0,)
    # The Sun moves about a degree a day, the mean node backward.
    assert 0.95 < rows["speed"][0] < 1.05 and rows["speed"][10] < 0


def test_every_core_gives_the_rows_of_one():
    instants = 2451545.0 + np.arange(3000) * 0.37
    many = solvaris.positions(instants)
    one = solvaris.positions(instants, jobs=1)
    assert np.array_equal(many, one)
    assert np.array_equal(many["jd"][::11], instants)


@pytest.mark.parametrize("jd,options", [
    (2500000000.5, {}),
    (1757582.4, {}),
    (2488069.5, {}),
    (float("nan"), {}),
    (float("inf"), {}),
    (2451545.0, {"ephemeris": "moon"}),
    (2451545.0, {"jobs": 0}),
    (2451545.0, {"zodiac": "sideways"}),
    (2451545.0, {"colour": "red"}),
])
def test_refusals_say_what_the_program_says(jd, options):
    status, _, err = run("positions", "--jd", repr(jd), *words(options))
    assert status == 2
    with pytest.raises(ValueError) as refused:
        solvaris.positions([2451545.0, jd], **options)
    assert str(refused.value) == err.rstrip("\n")


def test_arguments_that_are_no_instants():
    with pytest.raises(ValueError, match="one-dimensional"):
        solvaris.positions(np.zeros((2, 2)))
    with pytest.raises(ValueError, match="one-dimensional"):
        solvaris.positions(["noon"])
    with pytest.raises(TypeError, match="first argument"):
        solvaris.positions(2451545.0, days=3)


# Pluto beyond its series with the built-in theories, Swiss Ephemeris named.
@pytest.mark.parametrize("options,note", [({}, "Pluto"), ({"ephemeris": "swiss"}, "Swiss")],
                         ids=["builtin", "swiss"])
def test_the_notes_under_the_rows_come_as_warnings(options, note):
    status, _, err = run("positions", *words(options),
                         *[arg for jd in INSTANTS for arg in ("--jd", repr(jd))])
    assert status == 0 and note in err
    with pytest.warns(UserWarning) as notes:
        solvaris.positions(INSTANTS, **options)
    assert [str(note.message) for note in notes] == err.splitlines()
