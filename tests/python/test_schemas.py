"""docs/schema/*.v1.json hold the JSON the program writes: every golden chart,
batch and timeline validates, and a changed field does not."""

import copy
import json
import os

import jsonschema
import pytest

from conftest import DIURNAL, GOLDEN_CHARTS, GOLDEN_NAMES, GOLDEN_TIMELINES, run, words

SCHEMA_DIR = os.path.join(os.environ["SOLVARIS_SOURCE_DIR"], "docs", "schema")


def validator(name):
    with open(os.path.join(SCHEMA_DIR, f"{name}.v1.json"), encoding="utf-8") as file:
        schema = json.load(file)
    jsonschema.Draft202012Validator.check_schema(schema)
    return jsonschema.Draft202012Validator(schema)


def program_json(*args):
    status, out, err = run(*args)
    assert status == 0, err
    return json.loads(out)


@pytest.fixture(scope="module")
def charts(home):
    return [program_json("chart", "--home", home, *words({**DIURNAL, **birth}
                                                         if "second_person" not in birth
                                                         else birth))
            for birth in GOLDEN_CHARTS]


def test_every_golden_chart_validates(charts):
    chart_schema = validator("chart")
    for chart in charts:
        chart_schema.validate(chart)
    # The variants reach the optional members.
    members = set().union(*(chart.keys() for chart in charts))
    assert {"harmonic", "zodiac", "extra_points", "ephemeris", "zone_rules", "places",
            "composite", "davison"} <= members


@pytest.mark.parametrize("options", [{}, {"house": "koch", "points": "extra"},
                                     {"ephemeris": "swiss", "zodiac": "sidereal"}])
def test_every_golden_batch_validates(home, options):
    persons = program_json("batch", "--home", home, "--names", GOLDEN_NAMES, "--format", "json",
                           *words(options))
    assert len(persons) == 2
    validator("batch").validate(persons)


def test_every_golden_timeline_validates(home):
    timeline_schema = validator("timeline")
    kinds = set()
    for options in GOLDEN_TIMELINES:
        events = program_json("timeline", "--home", home, *words(options), "--format", "json")
        timeline_schema.validate(events)
        kinds |= {event["kind"] for event in events}
    assert {"transit", "station", "ingress", "progressed", "directed"} <= kinds


def renamed(member, new_name):
    def change(document):
        document[new_name] = document.pop(member)
    return change


def setting(path, value):
    def change(document):
        *parents, last = path
        for key in parents:
            document = document[key]
        document[last] = value
    return change


def removing(path):
    def change(document):
        *parents, last = path
        for key in parents:
            document = document[key]
        del document[last]
    return change


CHART_CHANGES = [
    ("natal renamed", renamed("natal", "radix")),
    ("a member added", setting(["natal", "colour"], "red")),
    ("a point's key renamed", lambda c: c["natal"]["points"][0].update(
        zodiac_sign=c["natal"]["points"][0].pop("sign"))),
    ("a sign misspelt", setting(["natal", "points", 0, "sign"], "Sagitarius")),
    ("a cusp dropped", lambda c: c["natal"]["cusps"].pop()),
    ("a longitude as text", setting(["natal", "longitude", 0], "123.4")),
    ("the house system gone", removing(["house_system"])),
    ("a degree of 30", setting(["transit", "points", 2, "degree"], 30)),
    ("retrograde as a word", setting(["progressed", "points", 1, "retrograde"], "R")),
    ("a solar-arc member added", setting(["solar_arc", "direction"], "converse")),
]


@pytest.mark.parametrize("what,change", CHART_CHANGES, ids=[c[0] for c in CHART_CHANGES])
def test_a_changed_chart_field_fails(charts, what, change):
    chart = copy.deepcopy(charts[0])
    change(chart)
    assert list(validator("chart").iter_errors(chart)), what


@pytest.mark.parametrize("what,change", [
    ("the name renamed", lambda p: p[0].update(person=p[0].pop("name"))),
    ("a member added", setting([0, "aspects"], [])),
    ("a longitude short", lambda p: p[1]["longitude"].pop()),
    ("a field as a number", setting([0, "zone"], 5)),
])
def test_a_changed_batch_field_fails(home, what, change):
    persons = program_json("batch", "--home", home, "--names", GOLDEN_NAMES, "--format", "json")
    change(persons)
    assert list(validator("batch").iter_errors(persons)), what


@pytest.mark.parametrize("what,change", [
    ("the kind renamed", lambda e: e[0].update(type=e[0].pop("kind"))),
    ("an unknown kind", setting([0, "kind"], "eclipse")),
    ("the moment without its zone", setting([0, "ut"], "2026-01-05T10:00:00")),
    ("a member added", setting([0, "house"], 7)),
])
def test_a_changed_timeline_field_fails(home, what, change):
    events = program_json("timeline", "--home", home, *words(GOLDEN_TIMELINES[0]), "--format", "json")
    change(events)
    assert list(validator("timeline").iter_errors(events)), what
