"""charts_csv_file() against `solvaris batch --format csv` over the same
names file: whole, and cut into byte ranges at and around line boundaries."""

import pytest

import solvaris
from conftest import golden_lines, random_lines, run, words

OPTIONS = [{}, {"house": "koch", "jobs": 1},
           {"house": "W", "zodiac": "sidereal", "ayanamsa": "raman"},
           {"ephemeris": "swiss", "points": "extra"}]


def batch(home, path, options):
    return run("batch", "--home", home, "--names", str(path), "--format", "csv",
               *words(options))


def body(csv_bytes):
    return csv_bytes.split(b"\n", 1)[1]


@pytest.fixture(scope="module")
def births(tmp_path_factory):
    """The golden births and seeded random ones, some refused, with blank
    lines, a line of eight fields and LF and CR LF line ends."""
    lines = golden_lines() + random_lines(300, seed=5)
    lines[40] += ",x"
    lines.insert(60, "")
    lines.insert(61, "  \t")
    text = "".join(line + ("\n" if i % 5 == 0 else "\r\n") for i, line in enumerate(lines))
    path = tmp_path_factory.mktemp("births") / "BIRTHS.FIL"
    path.write_bytes(text.encode())
    return path


@pytest.mark.parametrize("options", OPTIONS, ids=lambda o: ",".join(o) or "defaults")
def test_the_whole_file_is_the_batch_csv(home, births, options):
    status, out, err = batch(home, births, options)
    assert status == 1
    csv_bytes, skipped = solvaris.charts_csv_file(str(births), refused="skip", home=home,
                                                  **options)
    assert csv_bytes == out
    # Named as the batch names them: the file as given, the line in it.
    assert skipped == err.splitlines()
    assert solvaris.charts_csv_file(births, refused="skip", home=home, **options)[0] == out


def test_ranges_that_follow_one_another_make_the_batch_csv(home, births):
    _, out, err = batch(home, births, {})
    data = births.read_bytes()
    starts = [0] + [i + 1 for i, byte in enumerate(data) if byte == ord("\n")]
    # At a line's start, a byte either side, and inside the file's first and last lines.
    cuts = sorted({c for s in starts[::37] + starts[-2:] for c in (s - 1, s, s + 1)
                   if 0 <= c} | {3, len(data) - 2, len(data), len(data) + 5})
    for cut in cuts:
        first, first_skipped = solvaris.charts_csv_file(births, stop=cut, refused="skip",
                                                        home=home)
        second, second_skipped = solvaris.charts_csv_file(births, start=cut, refused="skip",
                                                          home=home)
        assert first.split(b"\n", 1)[0] == second.split(b"\n", 1)[0] == out.split(b"\n", 1)[0]
        assert first + body(second) == out, cut
        assert first_skipped + second_skipped == err.splitlines(), cut
    # Four parts as the Dask example cuts them.
    parts = [solvaris.charts_csv_file(births, start=len(data) * n // 4,
                                      stop=len(data) * (n + 1) // 4, refused="skip", home=home)
             for n in range(4)]
    assert parts[0][0] + b"".join(body(part) for part, _ in parts[1:]) == out
    assert sum((skipped for _, skipped in parts), []) == err.splitlines()


def test_a_range_inside_one_line_is_empty(home, births):
    header = batch(home, births, {})[1].split(b"\n", 1)[0] + b"\n"
    assert solvaris.charts_csv_file(births, start=2, stop=9, home=home) == (header, [])
    assert solvaris.charts_csv_file(births, start=10**9, home=home) == (header, [])


def test_encodings_as_the_batch_reads_them(home, tmp_path):
    lines = golden_lines()[:3]
    # A byte-order mark, and a file that is not UTF-8 in its last line only:
    # the bytes of "é" in UTF-8 earlier read as Windows-1252, as the batch reads them.
    first_line = lines[0].encode()
    rest = ("\r\n" + "\r\n".join(lines[1:])).encode()
    for name, data, row in (
            ("bom.fil", b"\xef\xbb\xbf" + first_line + rest, b"\nGolden New York,"),
            ("cp1252.fil", first_line.replace(b"Golden", b"Gold\xc3\xa9n") +
             rest.replace(b"Golden", b"G\xf6lden"), "\nGold\u00c3\u00a9n New York,".encode())):
        path = tmp_path / name
        path.write_bytes(data)
        _, out, _ = batch(home, path, {})
        assert row in out
        assert solvaris.charts_csv_file(path, home=home)[0] == out
        # The first line alone, valid UTF-8 in itself, reads as the whole file decides.
        cut = data.index(b"\n") + 1
        first = solvaris.charts_csv_file(path, stop=cut, home=home)[0]
        second = solvaris.charts_csv_file(path, start=cut, home=home)[0]
        assert first + body(second) == out


def test_refusals_and_bad_input(home, births, tmp_path):
    _, _, err = batch(home, births, {})
    with pytest.raises(ValueError) as refused:
        solvaris.charts_csv_file(births, home=home)
    assert str(refused.value) == err.splitlines()[0].replace(" (skipped)", "")
    for path in (tmp_path / "MISSING.FIL", tmp_path):
        status, _, err = run("batch", "--home", home, "--names", str(path))
        assert status != 0
        with pytest.raises(ValueError) as unread:
            solvaris.charts_csv_file(str(path), home=home)
        assert str(unread.value) == err.rstrip("\n")
    for start, stop in ((-1, None), (10, 9)):
        with pytest.raises(ValueError, match=r"^charts_csv_file\(\): start and stop are byte "
                                             r"offsets, 0 <= start <= stop"):
            solvaris.charts_csv_file(births, start=start, stop=stop, home=home)
    with pytest.raises(ValueError, match=r"^charts_csv_file\(\): refused is 'raise' or 'skip'"):
        solvaris.charts_csv_file(births, refused="maybe", home=home)
    with pytest.raises(ValueError, match="unknown argument"):
        solvaris.charts_csv_file(births, format="json", home=home)
