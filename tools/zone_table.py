#!/usr/bin/env python3
"""Writes tests/data/zone_table.txt: what Python's zoneinfo says of every zone
of data/CITYZONE.DAT, for the zone lookup's table test to compare with.

For each zone: the local clock at noon of 15 January and 15 July of every
fifth year 1850-2095, and around every change of offset or abbreviation
from 1850 to 2099 the rule a minute before and after the change and the
local clock a minute before and after it on the clock of each side.

Format, one record per line:
  V <tzdata version>
  Z <zone name>
  R <east seconds> <abbreviation>   the zone's rules, numbered 0, 1, ... in order
  N <100 cells>                     noon lookups in order of year, then month
  C <cells>                         changes, in order
A local lookup's cell is the rules of fold=0 and fold=1 (base-36 digits):
one rule held once; of two, the first rule is the earlier. A change is
<seconds since the previous change, base 36 (the first: since 1970)>:
<before><after><local before: fold 0, fold 1><local after: fold 0, fold 1>.

Changes are found at the transitions listed in each zone file and, after the
last one, by a daily scan of zoneinfo (its footer's rule), each pinned to
the second by bisection. Run from the source tree: python3 tools/zone_table.py
"""
import datetime
import struct
import zoneinfo

ZONEINFO = "/usr/share/zoneinfo"
FIRST_YEAR, END_YEAR = 1850, 2100
DIGITS = "0123456789abcdefghijklmnopqrstuvwxyz"
EPOCH = datetime.datetime(1970, 1, 1)


def base36(n):
    sign = "-" if n < 0 else ""
    n = abs(n)
    out = ""
    while True:
        out = DIGITS[n % 36] + out
        n //= 36
        if n == 0:
            return sign + out


def listed_transitions(name):
    """The 64-bit transition times of the zone file (version 2 or later)."""
    data = open(f"{ZONEINFO}/{name}", "rb").read()
    def counts(at):
        return struct.unpack(">6l", data[at + 20:at + 44])
    isutc, isstd, leap, timecnt, typecnt, charcnt = counts(0)
    second = 44 + timecnt * 5 + typecnt * 6 + charcnt + leap * 8 + isstd + isutc
    isutc, isstd, leap, timecnt, typecnt, charcnt = counts(second)
    start = second + 44
    return list(struct.unpack(f">{timecnt}q", data[start:start + timecnt * 8]))


def timestamp(year):
    return int((datetime.datetime(year, 1, 1) - EPOCH).total_seconds())


class Zone:
    def __init__(self, name):
        self.zone = zoneinfo.ZoneInfo(name)
        self.rules = []

    def key(self, t):
        local = datetime.datetime.fromtimestamp(t, tz=self.zone)
        return int(local.utcoffset().total_seconds()), local.tzname()

    def rule(self, key):
        if key not in self.rules:
            self.rules.append(key)
        index = self.rules.index(key)
        assert index < 36, "more rules than one base-36 digit holds"
        return DIGITS[index]

    def local(self, civil):
        keys = []
        for fold in (0, 1):
            moment = civil.replace(tzinfo=self.zone, fold=fold)
            keys.append((int(moment.utcoffset().total_seconds()), moment.tzname()))
        return self.rule(keys[0]) + self.rule(keys[1])

    def change_at(self, t):
        return self.key(t - 1) != self.key(t)

    def pinned(self, low, high):
        """The first second of (low, high] on the rule of high."""
        while high - low > 1:
            middle = (low + high) // 2
            if self.key(middle) == self.key(high):
                high = middle
            else:
                low = middle
        return high


def changes(name, zone):
    first, end = timestamp(FIRST_YEAR), timestamp(END_YEAR)
    listed = listed_transitions(name)
    found = {t for t in listed if first <= t < end and zone.change_at(t)}
    day = 86400
    t = max([first] + [t for t in listed if t < end])
    while t < end:
        if zone.key(t) != zone.key(t + day):
            found.add(zone.pinned(t, t + day))
        t += day
    return sorted(found)


def civil(t):
    return EPOCH + datetime.timedelta(seconds=t)


def main():
    names = sorted({line.rstrip("\r\n").split(",")[2]
                    for line in open("data/CITYZONE.DAT", encoding="utf-8") if line.strip()})
    version = open(f"{ZONEINFO}/tzdata.zi", encoding="utf-8").readline().split()[-1]
    out = [f"V {version}"]
    for name in names:
        zone = Zone(name)
        noon = [zone.local(datetime.datetime(year, month, 15, 12))
                for year in range(FIRST_YEAR, END_YEAR, 5) for month in (1, 7)]
        cells, previous = [], 0
        for t in changes(name, zone):
            before, after = zone.key(t - 60), zone.key(t + 60)
            cell = (zone.rule(before) + zone.rule(after) +
                    zone.local(civil(t - 60 + before[0])) + zone.local(civil(t + 60 + after[0])))
            cells.append(f"{base36(t - previous)}:{cell}")
            previous = t
        out.append(f"Z {name}")
        out += [f"R {east} {abbreviation}" for east, abbreviation in zone.rules]
        out.append("N " + " ".join(noon))
        out += ["C " + " ".join(cells[i:i + 12]) for i in range(0, len(cells), 12)]
    with open("tests/data/zone_table.txt", "w", encoding="utf-8") as table:
        table.write("\n".join(out) + "\n")


main()
