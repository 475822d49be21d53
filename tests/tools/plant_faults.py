#!/usr/bin/env python3
"""Plant known faults in the source, one at a time, and see whether the suite notices.

Each fault is a small textual change of the kind a tired developer makes (an orb
edge off by one, a wrong step, a swapped rule in a window). For each one the
script applies it, builds the given tree, runs its whole ctest set (stopping at
the first failure), restores the file and records what caught it. It measures
the suite; CI does not run it.

    tests/tools/plant_faults.py BUILD_DIR [FAULT_NUMBER ...]
"""
import pathlib
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]

# (name, file, text in the sound code, the same text with the fault planted)
FAULTS = [
    ("orb edge: a separation equal to the conjunction orb missed",
     "src/aspects/aspect_finder.cpp",
     "return static_cast<float>(value) <= static_cast<float>(orb);",
     "return static_cast<float>(value) < static_cast<float>(orb);"),
    ("solar return: the next return skips a year",
     "src/chart/returns.cpp",
     "search.solarYear += step == ReturnStep::Next ? 1 : -1;",
     "search.solarYear += step == ReturnStep::Next ? 2 : -1;"),
    ("calendar: 2000 not a leap year",
     "src/engine/calendar.cpp",
     "year % 400 == 0);",
     "year % 400 == 1);"),
    ("Placidus: semi-arc iteration stops far too early",
     "src/chart/quadrant_houses.cpp",
     "kPlacidusConvergedDeg = 1e-9;",
     "kPlacidusConvergedDeg = 1e-2;"),
    ("printed longitude: minutes truncated instead of rounded",
     "src/reports/position_format.cpp",
     "int minutes = static_cast<int>(std::floor(x + 0.5));",
     "int minutes = static_cast<int>(std::floor(x));"),
    ("entry: minute 60 accepted",
     "src/people/entry_rules.cpp",
     "FieldValue(f.minute) > 59,",
     "FieldValue(f.minute) > 60,"),
    ("crash-safe save: a failed rename reported as success",
     "src/base/file_replace.cpp",
     "[&] { return ::rename(work.c_str(), target.c_str()) == 0; }",
     "[&] { ::rename(work.c_str(), target.c_str()); return true; }"),
    ("names command: an unreadable record answered with status 0",
     "src/cli/names_command.cpp",
     "        return kExitFileProblem;\n    }\n    return kExitRefusedData;",
     "        return kExitFileProblem;\n    }\n    return 0;"),
    ("names window: a double click computes nothing",
     "src/gui/people/names_form.cpp",
     "if (NamesOnFile_Click()) {\n        workstation_.ComputeChart();",
     "if (!NamesOnFile_Click()) {\n        workstation_.ComputeChart();"),
    ("names window: the locked list remembers the next row",
     "src/gui/people/names_form.cpp",
     "rememberedIndex = namesOnFile_->currentRow();",
     "rememberedIndex = namesOnFile_->currentRow() + 1;"),
    ("planetary hours: night rulers one hour late",
     "src/chart/planetary_hours.cpp",
     "kRulers[(24 * weekday + 12 + hour) % 7]",
     "kRulers[(24 * weekday + 11 + hour) % 7]"),
    ("progressions: a year of 365 days",
     "src/chart/progressions.cpp",
     "/ 365.25;",
     "/ 365;"),
    ("Moon: the evection term 10 arc seconds small",
     "src/engine/moon.cpp",
     "{22639.55, 1, 0, 0, 0}",
     "{22629.55, 1, 0, 0, 0}"),
    ("wheel label: a part steps by the larger clearance",
     "src/wheel/point_label.cpp",
     "std::min(across, down);",
     "std::max(across, down);"),
    ("keywords: the lesson abbreviation drops its first letter",
     "src/keywords/keyword_lessons.cpp",
     "name.substr(0, kAbbreviationLetters)",
     "name.substr(1, kAbbreviationLetters)"),
    ("aspect grid: 59.7 minutes printed as 60",
     "src/reports/aspect_grids.cpp",
     "return minutes == 60 ?",
     "return minutes == 61 ?"),
    ("crash-safe save: the work file left behind after a failed save",
     "src/base/file_replace.cpp",
     "        std::filesystem::remove(work, ec);\n        return failure;",
     "        return failure;"),
]


# What the suite needs built: the programs and every test executable.
TARGETS = ["solvaris", "solvaris_tests", "solvaris_gui_tests", "solvaris_qt_tests",
           "solvaris_oracle_tests"]


def build(tree):
    return run(["cmake", "--build", tree, "-j2", "--target", *TARGETS])


def run(args, cwd=None):
    return subprocess.run(args, cwd=cwd, capture_output=True, text=True)


def failed_tests(ctest_output):
    names, listing = [], False
    for line in ctest_output.splitlines():
        if "The following tests FAILED" in line:
            listing = True
        elif listing and " - " in line:
            names.append(line.split(" - ")[1].split(" (")[0].strip())
    return names


def try_fault(tree, number):
    name, rel, sound, faulty = FAULTS[number - 1]
    path = ROOT / rel
    original = path.read_text()
    if original.count(sound) != 1:
        return name, "not applicable (the sound text is not in the file once)"
    try:
        path.write_text(original.replace(sound, faulty))
        built = build(tree)
        if built.returncode != 0:
            return name, "build failed"
        tested = run(["ctest", "--test-dir", tree, "-j2", "--stop-on-failure", "--timeout", "600"])
        if tested.returncode == 0:
            return name, "MISSED"
        return name, "caught by " + ", ".join(failed_tests(tested.stdout)[:3])
    finally:
        path.write_text(original)


def main():
    tree = sys.argv[1]
    numbers = [int(n) for n in sys.argv[2:]] or range(1, len(FAULTS) + 1)
    for number in numbers:
        name, verdict = try_fault(tree, number)
        print(f"{number:2d}. {name}: {verdict}", flush=True)
    build(tree)


if __name__ == "__main__":
    main()
