#!/usr/bin/env python3
"""Writes data/CITYZONE.DAT: the tz database zone of every city of the shipped
cities file, so that a click on a city can fill the offset that held at the
birth instead of today's standard zone.

Every zone chosen keeps today's standard time of the city's field 5. In
order: a city of OVERRIDES; a zone named after the city (Hong Kong,
Detroit, Cordoba); the zone of its US state or Canadian province (by field
5 where a state has two); else the zone of its country nearest to the city
by great-circle distance from the zone's principal city, among the zones
of zone.tab and those of zone1970.tab whose region note names the country
(north Vietnam keeps Bangkok's clocks). Every city is then checked against
the zone1970.tab zone of its country nearest to it: the two must keep the
same clocks since 1970. The
nearest zone is not always the city's (Alice Springs keeps Darwin's rules,
not Broken Hill's); OVERRIDES holds those, found by reading every city of a
country with more than one zone.

Run from the source tree: python3 tools/city_zones.py
"""
import datetime
import math
import zoneinfo

ZONEINFO = "/usr/share/zoneinfo"

US_STATES = """Alabama Alaska Arizona Arkansas California Colorado Connecticut Delaware
District_of_Columbia Florida Georgia Hawaii Idaho Illinois Indiana Iowa Kansas Kentucky
Louisiana Maine Maryland Massachusetts Michigan Minnesota Mississippi Missouri Montana Nebraska
Nevada New_Hampshire New_Jersey New_Mexico New_York North_Carolina North_Dakota Ohio Oklahoma
Oregon Pennsylvania Rhode_Island South_Carolina South_Dakota Tennessee Texas Utah Vermont
Virginia Washington West_Virginia Wisconsin Wyoming""".split()
CANADA = """Alberta British_Columbia Manitoba New_Brunswick Newfoundland Northwest_Territories
Nova_Scotia Nunavut Ontario Prince_Edward_Island Quebec Saskatchewan Yukon""".split()
ALIASES = {
    "England": "GB", "Scotland": "GB", "Wales": "GB", "Northern Ireland": "GB",
    "DR Congo": "CD", "Ivory Coast": "CI", "Russia": "RU", "South Korea": "KR",
    "North Korea": "KP", "Vietnam": "VN", "Iran": "IR", "Taiwan": "TW",
    "Czech Republic": "CZ", "Bolivia": "BO", "Tanzania": "TZ", "Venezuela": "VE",
    "Syria": "SY", "Moldova": "MD", "Laos": "LA", "Turkey": "TR", "Myanmar": "MM",
    "Trinidad and Tobago": "TT",
}
# The city's own zone where the nearest zone of its offset keeps other rules.
OVERRIDES = {
    ("Alice Springs", "Australia"): "Australia/Darwin",
    ("Cairns", "Australia"): "Australia/Brisbane",
    ("Guadalajara", "Mexico"): "America/Mexico_City",
    ("Seville", "Spain"): "Europe/Madrid",
}
# The zones of US states and Canadian provinces, by the standard hours west
# of field 5 where a state spans two.
REGION_ZONES = {
    "America/New_York": """Connecticut Delaware District_of_Columbia Florida:5 Georgia:5
        Kentucky:5 Maine Maryland Massachusetts New_Hampshire New_Jersey New_York
        North_Carolina Ohio Pennsylvania Rhode_Island South_Carolina Tennessee:5 Vermont
        Virginia West_Virginia""",
    "America/Chicago": """Alabama Arkansas Florida:6 Illinois Indiana:6 Iowa Kansas:6 Kentucky:6
        Louisiana Minnesota Mississippi Missouri Nebraska:6 North_Dakota:6 Oklahoma
        South_Dakota:6 Tennessee:6 Texas:6 Wisconsin""",
    "America/Indiana/Indianapolis": "Indiana:5",
    "America/Detroit": "Michigan:5",
    "America/Denver": """Colorado Idaho:7 Kansas:7 Montana Nebraska:7 New_Mexico
        North_Dakota:7 South_Dakota:7 Texas:7 Utah Wyoming""",
    "America/Phoenix": "Arizona",
    # Busingen, nearest to Frankfurt and Munich, keeps Swiss time.
    "Europe/Berlin": "Germany",
    "America/Los_Angeles": "California Nevada Oregon:8 Washington Idaho:8",
    "America/Anchorage": "Alaska",
    "Pacific/Honolulu": "Hawaii",
    "America/Toronto": "Ontario Quebec",
    "America/Moncton": "New_Brunswick",
    "America/Halifax": "Nova_Scotia Prince_Edward_Island",
    "America/St_Johns": "Newfoundland",
    "America/Winnipeg": "Manitoba",
    "America/Regina": "Saskatchewan",
    "America/Edmonton": "Alberta Northwest_Territories",
    "America/Vancouver": "British_Columbia",
    "America/Whitehorse": "Yukon",
    "America/Iqaluit": "Nunavut",
}


def region_zone(region, hours_west):
    for zone, regions in REGION_ZONES.items():
        for entry in regions.split():
            name, _, hours = entry.partition(":")
            if name.replace("_", " ") == region and (not hours or float(hours) == hours_west):
                return zone
    return None


def zone_named_after(city, hours_west):
    """A zone, or the zone an alias stands for (Montreal is Toronto's): the
    canonical name, which every tzdata package keeps."""
    wanted = city.replace(" ", "_")
    for line in open(f"{ZONEINFO}/tzdata.zi", encoding="utf-8"):
        parts = line.split()
        if parts[:1] == ["Z"]:
            name, canonical = parts[1], parts[1]
        elif parts[:1] == ["L"]:
            name, canonical = parts[2], parts[1]
        else:
            continue
        if name.split("/")[-1] == wanted and standard_hours_west(canonical) == hours_west:
            return canonical
    return None


def country_codes():
    codes = {}
    for line in open(f"{ZONEINFO}/iso3166.tab", encoding="utf-8"):
        if line.startswith("#"):
            continue
        code, name = line.rstrip("\n").split("\t")
        codes[name] = code
    for state in US_STATES:
        codes[state.replace("_", " ")] = "US"
    for province in CANADA:
        codes[province.replace("_", " ")] = "CA"
    codes.update(ALIASES)
    return codes


def degrees(text, width):
    sign = -1 if text[0] == "-" else 1
    body = text[1:]
    whole = int(body[:width])
    minutes = int(body[width:width + 2])
    seconds = int(body[width + 2:] or 0)
    return sign * (whole + minutes / 60 + seconds / 3600)


def table_lines(table):
    """(country codes, latitude, longitude, zone, region note) of a zone table."""
    for line in open(f"{ZONEINFO}/{table}", encoding="utf-8"):
        if line.startswith("#"):
            continue
        fields = line.rstrip("\n").split("\t")
        codes, place, name = fields[:3]
        split = max(place.rfind("+"), place.rfind("-"))
        yield (codes.split(","), degrees(place[:split], 2), degrees(place[split:], 3), name,
               fields[3] if len(fields) > 3 else "")


def zones_by_country(names):
    """The zones of each country in zone.tab, and those of zone1970.tab whose
    region note names the country ("north Vietnam" is Asia/Bangkok's)."""
    zones = {}
    for codes, latitude, longitude, name, _ in table_lines("zone.tab"):
        zones.setdefault(codes[0], []).append((name, latitude, longitude))
    for codes, latitude, longitude, name, note in table_lines("zone1970.tab"):
        for code in codes:
            entry = (name, latitude, longitude)
            if names.get(code, "\0") in note and entry not in zones.setdefault(code, []):
                zones[code].append(entry)
    return zones


def zones_1970(code, hours_west):
    """The zones zone1970.tab gives a country for the standard time."""
    return [(name, latitude, longitude)
            for codes, latitude, longitude, name, _ in table_lines("zone1970.tab")
            if code in codes and standard_hours_west(name) == hours_west]


def same_clocks_since_1970(first, second):
    """Both zones' offsets agree at noon UT of the 1st and 15th of every
    month 1970-2037 (the years zone1970.tab vouches for)."""
    a, b = zoneinfo.ZoneInfo(first), zoneinfo.ZoneInfo(second)
    for year in range(1970, 2038):
        for month in range(1, 13):
            for day in (1, 15):
                moment = datetime.datetime(year, month, day, 12, tzinfo=datetime.timezone.utc)
                if moment.astimezone(a).utcoffset() != moment.astimezone(b).utcoffset():
                    return False
    return True


def standard_hours_west(name):
    """Today's standard time: the earlier of the winter and summer clocks
    (Dublin's winter time counts as its standard here, as users know it)."""
    zone = zoneinfo.ZoneInfo(name)
    east = min(datetime.datetime(2025, month, 15, 12, tzinfo=zone).utcoffset()
               for month in (1, 7))
    return -east.total_seconds() / 3600


def place(text):
    """Cities-file degrees "74W00" as signed degrees, east and north positive."""
    for letter, sign in (("W", -1), ("E", 1), ("N", 1), ("S", -1)):
        if letter in text.upper():
            whole, minutes = text.upper().split(letter)
            return sign * (int(whole) + int(minutes) / 60)
    raise ValueError(text)


def distance(lat1, lon1, lat2, lon2):
    p1, p2 = math.radians(lat1), math.radians(lat2)
    dl = math.radians(lon2 - lon1)
    return math.acos(max(-1, min(1, math.sin(p1) * math.sin(p2) +
                                  math.cos(p1) * math.cos(p2) * math.cos(dl))))


def check_against_zone1970(lines, codes, by_distance):
    """Every city keeps, since 1970, the clocks of a zone1970.tab zone of its
    country and standard time; a city placed by distance those of the
    nearest such zone, so that a city in the wrong region of its country
    (Hanoi in Saigon's zone) stops the run. A city placed by name, state or
    override keeps its own region's zone, which the nearest principal city
    need not share (Buffalo's is not Detroit's)."""
    places = {}
    for line in open("data/GA_MA.LL", encoding="utf-8"):
        fields = [f.strip() for f in line.rstrip("\r\n").split(",")]
        if len(fields) == 5:
            places[(fields[0], fields[1])] = fields
    listed_1970 = {name for _, _, _, name, _ in table_lines("zone1970.tab")}
    wrong = []
    for line in lines:
        city, region, zone = line.split(",")
        _, _, lon, lat, hours = places[(city, region)]
        code = codes.get(region)
        if region == "Georgia" and float(hours) != 5:
            code = "GE"
        candidates = zones_1970(code, float(hours)) if code else []
        if not candidates:
            continue
        nearest = min(candidates, key=lambda z: distance(place(lat), place(lon), z[1], z[2]))
        if (city, region) in by_distance:
            if not same_clocks_since_1970(zone, nearest[0]):
                wrong.append(f"{city}, {region}: {zone}, but zone1970.tab gives {nearest[0]}")
        elif zone not in listed_1970 and not any(same_clocks_since_1970(zone, z[0])
                                                 for z in candidates):
            wrong.append(f"{city}, {region}: {zone} keeps no clocks of zone1970.tab")
    if wrong:
        raise SystemExit("\n".join(wrong))


def main():
    codes = country_codes()
    country_names = {}
    for line in open(f"{ZONEINFO}/iso3166.tab", encoding="utf-8"):
        if not line.startswith("#"):
            code, name = line.rstrip("\n").split("\t")
            country_names[code] = name
    zones = zones_by_country(country_names)
    lines = []
    by_distance = set()
    for line in open("data/GA_MA.LL", encoding="utf-8"):
        fields = [f.strip() for f in line.rstrip("\r\n").split(",")]
        if len(fields) != 5:
            continue
        city, region, lon, lat, hours = fields
        hours_west = float(hours)
        if (city, region) in OVERRIDES:
            lines.append(f"{city},{region},{OVERRIDES[(city, region)]}")
            continue
        named = zone_named_after(city, hours_west) or region_zone(region, hours_west)
        if named:
            lines.append(f"{city},{region},{named}")
            continue
        code = codes.get(region)
        if region == "Georgia" and hours_west != 5:
            code = "GE"
        if code is None:
            raise SystemExit(f"no country for {city}, {region}")
        candidates = [z for z in zones.get(code, [])
                      if standard_hours_west(z[0]) == hours_west]
        if not candidates:
            raise SystemExit(f"no zone of {hours_west} hours west for {city}, {region} ({code})")
        lat_deg, lon_deg = place(lat), place(lon)
        best = min(candidates, key=lambda z: distance(lat_deg, lon_deg, z[1], z[2]))
        lines.append(f"{city},{region},{best[0]}")
        by_distance.add((city, region))
    check_against_zone1970(lines, codes, by_distance)
    with open("data/CITYZONE.DAT", "w", encoding="utf-8", newline="") as out:
        out.write("".join(l + "\r\n" for l in lines))


main()
