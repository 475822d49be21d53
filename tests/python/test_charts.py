"""charts() against `solvaris batch --format csv` over the same births."""

import numpy as np
import pandas as pd
import pytest

import solvaris
from conftest import FIELDS, golden_lines, random_lines, records_of, run, words

OPTIONS = [
    {},
    {"house": "koch"},
    {"house": "W", "zodiac": "sidereal", "ayanamsa": "raman"},
    {"ephemeris": "swiss", "points": "extra"},
    {"points": "extra", "jobs": 1},
]


def program_batch(home, path, options):
    return run("batch", "--home", home, "--names", str(path), "--format", "csv", *words(options))


def written(frame):
    return frame.to_csv(index=False, float_format="%.7f").encode()


@pytest.fixture(scope="module")
def births(tmp_path_factory):
    """The golden births and 400 seeded random ones, some refused, as a names file."""
    lines = golden_lines() + random_lines(400, seed=7)
    path = tmp_path_factory.mktemp("births") / "BIRTHS.FIL"
    path.write_text("".join(line + "\r\n" for line in lines))
    return path, lines


@pytest.mark.parametrize("options", OPTIONS, ids=lambda o: ",".join(o) or "defaults")
def test_the_csv_written_is_the_batch_csv(home, births, options):
    path, lines = births
    status, out, err = program_batch(home, path, options)
    assert status == 1  # the faulty births are skipped
    frame = solvaris.charts(pd.DataFrame(records_of(lines)), refused="skip", home=home,
                            **options)
    assert written(frame) == out
    # Each skipped record is named as the batch names it, the records for the file.
    assert frame.attrs["skipped"] == [line.replace(str(path), "records", 1)
                                      for line in err.splitlines()]


@pytest.mark.parametrize("options", OPTIONS, ids=lambda o: ",".join(o) or "defaults")
def test_the_csv_text_is_the_batch_csv(home, births, options):
    path, lines = births
    status, out, err = program_batch(home, path, options)
    text, skipped = solvaris.charts_csv(pd.DataFrame(records_of(lines)), refused="skip",
                                        home=home, **options)
    assert text == out
    assert skipped == [line.replace(str(path), "records", 1) for line in err.splitlines()]
    # Raised, the first refusal is the batch's first message without its "(skipped)".
    with pytest.raises(ValueError) as refused:
        solvaris.charts_csv(records_of(lines), home=home, **options)
    assert str(refused.value) == skipped[0].replace(" (skipped)", "")
    # No records: the header alone.
    header = out.split(b"\n", 1)[0] + b"\n"
    assert solvaris.charts_csv(records_of([]), home=home, **options)[0] == header


def test_columns_types_and_shape(home):
    lines = golden_lines()
    frame = solvaris.charts(records_of(lines), home=home)
    assert frame.shape == (len(lines), 7 + 15 + 12)
    assert list(frame.columns[:8]) == [*FIELDS, "sun"]
    assert list(frame.columns[-2:]) == ["cusp11", "cusp12"]
    assert all(frame[field].dtype == object for field in FIELDS)
    assert all(frame[column].dtype == np.float64 for column in frame.columns[7:])
    assert frame["name"][0] == "Golden New York"
    assert 0 <= frame["sun"].min() and frame["cusp12"].max() < 360
    empty = solvaris.charts(records_of([]), home=home)
    assert empty.shape == (0, 34)


def test_a_refused_record_raises_with_the_batch_message(home, tmp_path):
    lines = golden_lines()[:2] + ["Faulty,31 Feb 1990,7.45,P,5,074.00,40.43"]
    path = tmp_path / "FAULTY.FIL"
    path.write_text("\n".join(lines) + "\n")
    _, _, err = program_batch(home, path, {})
    with pytest.raises(ValueError) as refused:
        solvaris.charts(records_of(lines), home=home)
    assert str(refused.value) + " (skipped)\n" == err.replace(str(path), "records")


def test_a_field_with_a_comma_is_no_record(home):
    records = records_of(golden_lines()[:1])
    records["name"] = ["Doe, Jane"]
    frame = solvaris.charts(records, refused="skip", home=home)
    assert frame.shape[0] == 0
    assert frame.attrs["skipped"] == [
        "records:1: not a record of seven comma-separated fields (skipped)"]


@pytest.mark.parametrize("options", [{"house": "nowhere"}, {"jobs": "many"},
                                     {"ephemeris": "moon"}, {"names": "X.FIL"},
                                     {"format": "json"}])
def test_refused_options_say_what_the_program_says(home, options):
    status, _, err = run("batch", "--home", home, "--names", "X.FIL", *words(options))
    if "names" in options or "format" in options:
        # The records and the frame stand for these two.
        with pytest.raises(ValueError, match="unknown argument"):
            solvaris.charts(records_of([]), home=home, **options)
        return
    assert status == 2
    with pytest.raises(ValueError) as refused:
        solvaris.charts(records_of([]), home=home, **options)
    assert str(refused.value) == err.rstrip("\n")


def test_records_without_the_fields(home):
    with pytest.raises(ValueError, match="no column 'zone'"):
        solvaris.charts({field: ["A"] for field in FIELDS if field != "zone"}, home=home)
    records = records_of(golden_lines()[:2])
    records["zone"] = ["5"]
    with pytest.raises(ValueError, match="differ in length"):
        solvaris.charts(records, home=home)
    with pytest.raises(ValueError, match="'raise' or 'skip'"):
        solvaris.charts(records_of([]), refused="ignore", home=home)


def test_refused_is_raise_or_skip(home):
    for function in (solvaris.charts, solvaris.charts_csv):
        with pytest.raises(ValueError, match=rf"^{function.__name__}\(\): refused is 'raise' or "
                                             r"'skip', not 'maybe'$"):
            function(records_of(golden_lines()), refused="maybe", home=home)


class Shouting(str):
    """A str whose str() is another text: the records read each value's str()."""

    def __str__(self):
        return self.upper()


def test_every_kind_of_column_reads_as_its_values_str(home, tmp_path):
    lines = golden_lines()[:6]
    path = tmp_path / "SIX.FIL"
    path.write_text("".join(line + "\r\n" for line in lines))
    _, expected, _ = program_batch(home, path, {})
    texts = records_of(lines)
    zones = [int(zone) for zone in texts["zone"]]
    for name, records in [
            ("object frame", pd.DataFrame(texts)),
            ("lists", texts),
            ("object arrays", {f: np.array(v, dtype=object) for f, v in texts.items()}),
            ("unicode arrays", {f: np.array(v) for f, v in texts.items()}),
            ("tuples and ints", {**{f: tuple(v) for f, v in texts.items()}, "zone": zones}),
            ("string dtype", pd.DataFrame(texts, dtype="string")),
            ("mixed object column", pd.DataFrame({**texts, "zone": zones[:3] + texts["zone"][3:]},
                                                 dtype=object)),
            ("str subclass", {**texts, "meridiem": [Shouting(m.lower()) for m in texts["meridiem"]]}),
    ]:
        assert solvaris.charts_csv(records, home=home)[0] == expected, name
        assert written(solvaris.charts(records, home=home)) == expected, name


def test_a_value_without_a_text_raises_its_error(home):
    class Unreadable:
        def __str__(self):
            raise RuntimeError("no text")

    for value, error in ((Unreadable(), RuntimeError), ("\ud800", UnicodeEncodeError)):
        records = records_of(golden_lines()[:3])
        records["time"] = pd.Series(["7.45", value, "7.45"], dtype=object)
        for function in (solvaris.charts, solvaris.charts_csv):
            with pytest.raises(error):
                function(records, home=home)
