"""chart() and timeline() against the JSON of `solvaris chart` and
`solvaris timeline --format json` for the same options."""

import json
import random

import pytest

import solvaris
from conftest import DIURNAL, GOLDEN_CHARTS, GOLDEN_TIMELINES, run, words

def program_chart(home, options):
    status, out, err = run("chart", "--home", home, *words(options))
    assert status == 0, err
    return json.loads(out)


def transit_fixed(options):
    return options if "second_person" in options else {**options, **DIURNAL}


@pytest.mark.parametrize("birth", GOLDEN_CHARTS, ids=lambda b: " ".join(f"{v}" for v in b.values()))
def test_the_chart_json_of_the_same_options(home, birth):
    options = transit_fixed(birth)
    assert solvaris.chart(home=home, **options) == program_chart(home, options)


def test_seeded_random_births(home):
    rng = random.Random(42)
    for _ in range(12):
        # The zone and the side of Greenwich agree, as the entry checks ask.
        zone = rng.randint(-11, 11)
        lon_deg = min(179, max(0, abs(zone) * 15 + rng.randint(-7, 7)))
        birth = {
            "date": f"{rng.randint(1700, 2090)}-{rng.randint(1, 12):02d}-{rng.randint(1, 28):02d}",
            "time": f"{rng.randint(0, 23)}:{rng.randint(0, 59):02d}",
            "zone": str(zone),
            "lon": f"{lon_deg}{'e' if zone < 0 else 'w'}{rng.randint(0, 59):02d}",
            "lat": f"{rng.randint(0, 65)}{rng.choice('ns')}{rng.randint(0, 59):02d}",
            "house": rng.choice(["placidus", "koch", "equal-asc", "campanus", "R"]),
            **DIURNAL,
        }
        assert solvaris.chart(home=home, **birth) == program_chart(home, birth), birth


def test_the_chart_dict_holds_the_sets(home):
    chart = solvaris.chart(home=home, **GOLDEN_CHARTS[0], **DIURNAL)
    assert {"natal", "progressed", "transit", "solar_arc", "house_system"} <= chart.keys()
    assert len(chart["natal"]["longitude"]) == 15
    assert [p["name"] for p in chart["natal"]["points"]][:3] == ["Sun", "Mercury", "Venus"]
    assert isinstance(chart["natal"]["longitude"][0], float)


REFUSED = [
    {"date": "1950-02-31", "time": "7:45pm", "zone": "5", "lon": "74w00", "lat": "40n43"},
    {"date": "1950-12-05", "time": "25:00", "zone": "5", "lon": "74w00", "lat": "40n43"},
    {"date": "1950-12-05", "time": "7:45pm", "zone": "5", "lon": "74w00", "lat": "40n43",
     "house": "nowhere"},
    {"date": "1950-12-05", "time": "7:45pm", "tz": "Mars/Olympus", "lon": "74w00",
     "lat": "40n43"},
    {"person": "Nobody At All"},
    {"date": "1950-12-05", "colour": "red"},
    {"composite": True, "date": "1950-12-05", "time": "7:45pm", "zone": "5", "lon": "74w00",
     "lat": "40n43"},
]


@pytest.mark.parametrize("options", REFUSED, ids=lambda o: " ".join(map(str, o.values())))
def test_refusals_say_what_the_program_says(home, options):
    status, _, err = run("chart", "--home", home, *words(options))
    assert status != 0
    with pytest.raises(ValueError) as refused:
        solvaris.chart(home=home, **options)
    assert str(refused.value) == err.rstrip("\n")


def test_format_is_not_an_option_of_the_dict():
    with pytest.raises(TypeError, match="format"):
        solvaris.chart(format="json")
    with pytest.raises(TypeError, match="format"):
        solvaris.timeline(format="csv")
    # The command's help is no answer: refused, not parsed as JSON.
    with pytest.raises(TypeError, match="help"):
        solvaris.chart(help=True)
    with pytest.raises(TypeError, match="help"):
        solvaris.timeline(help=True)


@pytest.mark.parametrize("options", GOLDEN_TIMELINES, ids=lambda o: o.get("person", o.get("date")))
def test_the_timeline_json_of_the_same_options(home, options):
    status, out, err = run("timeline", "--home", home, *words(options), "--format", "json")
    assert status == 0, err
    events = solvaris.timeline(home=home, **options)
    assert isinstance(events, list) and events and isinstance(events[0], dict)
    assert events == json.loads(out)


@pytest.mark.parametrize("options", [
    {"person": "Sample Natal", "from_": "2026-03-31", "to": "2026-01-01"},
    {"person": "Sample Natal", "from_": "2026-13-01", "to": "2027-01-01"},
    {"person": "Sample Natal", "to": "2027-01-01"},
])
def test_timeline_refusals_say_what_the_program_says(home, options):
    status, _, err = run("timeline", "--home", home, *words(options), "--format", "json")
    assert status != 0
    with pytest.raises(ValueError) as refused:
        solvaris.timeline(home=home, **options)
    assert str(refused.value) == err.rstrip("\n")
