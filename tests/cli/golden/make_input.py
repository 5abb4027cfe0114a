#!/usr/bin/env python3
# SPDX-License-Identifier: AGPL-3.0-or-later
"""Writes the CSV inputs that kelvra-cli's output is checked over, the same
bytes on every run (a fixed seed, no clock, no locale).

  make_input.py golden           the golden set's mixed input (mixed.csv):
                                 couples analysed, refused rows of every
                                 kind, malformed and short rows, both line
                                 ends, quoted fields, a byte order mark,
                                 columns in another order with extra ones,
                                 time zone and offset columns, and names a
                                 spreadsheet would take as formulas
  make_input.py couples N        N couples in the plain column order, with a
                                 refused row now and then, for checks over
                                 many analysed rows (--explain)

The CSV goes to standard output.
"""
import copy
import random
import sys

PERSON_COLUMNS = ["name", "day", "month", "year", "hour", "minute", "second", "lat_deg", "lat_min",
                  "lat_dir", "long_deg", "long_min", "long_dir", "city", "state", "country"]

# Large places as the atlas spells them (country by name or code), whose
# zones' rules are settled for the years below: --true-ut finds the zone by
# the place, and a newer tz database gives the same times.
PLACES = [
    ("London", "England", "United Kingdom", 51, 30, "N", 0, 7, "W"),
    ("Paris", "Île-de-France Region", "France", 48, 51, "N", 2, 21, "E"),
    ("Berlin", "Berlin", "Germany", 52, 31, "N", 13, 24, "E"),
    ("Tokyo", "Tokyo", "Japan", 35, 41, "N", 139, 41, "E"),
    ("Sydney", "New South Wales", "Australia", 33, 52, "S", 151, 12, "E"),
    ("Mumbai", "Maharashtra", "India", 19, 4, "N", 72, 52, "E"),
    ("Chicago", "Illinois", "US", 41, 51, "N", 87, 39, "W"),
    ("Toronto", "Ontario", "Canada", 43, 42, "N", 79, 25, "W"),
    ("Johannesburg", "Gauteng", "ZA", 26, 12, "S", 28, 3, "E"),
    ("Lima", "Lima", "Peru", 12, 3, "S", 77, 2, "W"),
]


def quote(field):
    """A field as CSV writes it: quoted when it holds a comma, quote or line end."""
    if any(c in field for c in ',"\r\n'):
        return '"' + field.replace('"', '""') + '"'
    return field


class Person:
    def __init__(self, rng, year_from=1971, year_to=2015):
        place = rng.choice(PLACES)
        self.values = {
            "name": rng.choice(["Arthur", "Bea", "Chen", "Dagny", "Émile", "Farah", "Gus", "Hana", "Ivo", "Jo"]),
            "day": str(rng.randint(1, 28)),
            "month": str(rng.randint(1, 12)),
            "year": str(rng.randint(year_from, year_to)),
            "hour": str(rng.randint(0, 23)),
            "minute": str(rng.randint(0, 59)),
            "second": str(rng.randint(0, 59)),
            "lat_deg": str(place[3]), "lat_min": str(place[4]), "lat_dir": place[5],
            "long_deg": str(place[6]), "long_min": str(place[7]), "long_dir": place[8],
            "city": place[0], "state": place[1], "country": place[2],
            "tz": "", "utc_offset": "",
        }


def couple(rng, **kwargs):
    return {"male": Person(rng, **kwargs), "female": Person(rng, **kwargs)}


def row_bytes(columns, c, raw=None):
    """One row's fields in header order; `raw` gives fields written as they
    stand (unquoted, possibly malformed)."""
    raw = raw or {}
    fields = []
    for column in columns:
        if column in raw:
            fields.append(raw[column])
            continue
        partner, _, name = column.partition("_")
        if partner in ("male", "female") and name in c[partner].values:
            fields.append(quote(c[partner].values[name]))
        else:
            fields.append(quote({"id": "x", "notes": "extra, ignored", "rating": "5"}.get(column, "")))
    return ",".join(fields)


def golden():
    rng = random.Random(20261208)
    required = [p + "_" + c for p in ("male", "female") for c in PERSON_COLUMNS]
    zone_columns = ["male_tz", "female_tz", "male_utc_offset", "female_utc_offset"]
    columns = required + zone_columns + ["id", "notes", "rating"]
    rng.shuffle(columns)
    rows = []  # (text, line end)

    def add(c, raw=None, end=None):
        rows.append((row_bytes(columns, c, raw), end or rng.choice(["\n", "\r\n"])))

    def analysed(c, i):
        """A couple analysed, its zone found in the atlas, named or given as an offset."""
        kind = i % 4
        if kind == 1:
            c["male"].values["tz"] = rng.choice(["Europe/Oslo", "America/New_York", "Asia/Kolkata"])
        elif kind == 2:
            c["female"].values["utc_offset"] = rng.choice(["+05:30", "-03:00", "+00:00", "-09:30", "+14:00"])
        elif kind == 3:
            c["male"].values["tz"] = "Asia/Tokyo"
            c["male"].values["utc_offset"] = "-11:00"  # the zone comes first
        add(c)

    # The first rows, which --explain is checked over: couples analysed, a
    # refused row, a malformed one and one cut short among them.
    for i in range(4):
        analysed(couple(rng), i)
    c = couple(rng)
    c["female"].values["lat_dir"] = "X"
    add(c)
    add(couple(rng), raw={"male_name": 'Bo"b'})
    analysed(couple(rng), 1)
    rows.append((",".join(row_bytes(columns, couple(rng)).split(",")[:20]), "\r\n"))
    for i in range(4):
        analysed(couple(rng), i + 2)

    # More couples, each with charts of its own.
    for i in range(8):
        analysed(couple(rng), i)

    # The rows below vary one couple, so their charts repeat and their
    # expected output compresses well.
    base = couple(rng)

    def varied(partner=None, **values):
        c = copy.deepcopy(base)
        if partner:
            c[partner].values.update(values)
        return c

    # Each column refused, for each person: empty, then each kind of bad value.
    bad_values = {
        "day": ["0", "32", "1a", " 5", "+5", "５"], "month": ["0", "13", "Mar"], "year": ["1899", "2051", "19 80"],
        "hour": ["25", "-1"], "minute": ["60", "1.5"], "second": ["60", "x"],
        "lat_deg": ["1234", "-1"], "lat_min": ["0x1", "9999"], "lat_dir": ["X", "Nord", " N"],
        "long_deg": ["1e2"], "long_min": ["1000"], "long_dir": ["Q", "Easting"],
    }
    for partner in ("male", "female"):
        for column in PERSON_COLUMNS:
            for value in [""] + bad_values.get(column, []):
                add(varied(partner, **{column: value}))
        # Not UTF-8 (bytes written as escaped surrogates): a lone continuation
        # byte, a sequence cut short, an overlong form, a byte never used.
        for column, value in [("name", "Ann\udc80"), ("city", "Z\udcc3"), ("state", "\udcc0\udcafX"),
                              ("country", "\udcff"), ("day", "\udce2\udc82")]:
            add(varied(partner, **{column: value}))

    # Values at the edge of what is accepted.
    for partner, values in [
        ("male", {"lat_dir": "north", "long_dir": "WEST"}), ("female", {"lat_dir": "s", "long_dir": "e"}),
        ("male", {"day": "007", "month": "002", "year": "01990", "hour": "00", "minute": "0", "second": "00"}),
        ("female", {"hour": "24", "minute": "59", "second": "59"}), ("male", {"day": "31", "month": "4"}),
        ("female", {"day": "1", "month": "1", "year": "1900"}), ("male", {"day": "31", "month": "12", "year": "2050"}),
        ("female", {"lat_deg": "999", "lat_min": "999", "long_deg": "999", "long_min": "999"}),
        ("male", {"lat_deg": "90", "lat_min": "0", "long_deg": "180", "long_min": "0"}),
        ("female", {"name": " ", "city": "\u00a0", "state": "\t", "country": "0"}),
    ]:
        add(varied(partner, **values))

    # Zones: an unknown zone, clocks that never showed the time or showed it
    # twice, bad offsets, a day the month lacks; places the atlas lacks,
    # finds in any spelling, or finds more than once.
    for partner in ("male", "female"):
        for tz, offset, date in [
            ("Mars/Olympus_Mons", "", None),
            ("europe/oslo", "", None),
            ("America/New_York", "", ("14", "3", "2021", "2", "30")),
            ("America/New_York", "", ("14", "3", "2021", "3", "0")),
            ("America/New_York", "", ("7", "11", "2021", "1", "30")),
            ("Europe/Berlin", "", ("31", "3", "2019", "2", "0")),
            ("Europe/Berlin", "", ("27", "10", "2019", "2", "59")),
            ("Australia/Sydney", "", ("5", "4", "2020", "2", "30")),
            ("Australia/Sydney", "", ("4", "10", "2020", "2", "30")),
            ("", "+5:30", None), ("", "+15:00", None), ("", "05:30", None), ("", "+05:60", None),
            ("", "-00:00", None), ("", "+14:00", ("31", "12", "2010", "24", "0")),
            ("Europe/Oslo", "", ("31", "4", "1990", "12", "0")),
            ("Europe/Oslo", "", ("29", "2", "1996", "24", "0")),
        ]:
            values = {"tz": tz, "utc_offset": offset}
            if date:
                values.update(zip(["day", "month", "year", "hour", "minute"], date))
            add(varied(partner, **values))
        for city, state, country in [("Atlantis", "Nowhere", "Ocean"), ("tromso", "Troms og Finnmark", "NO"),
                                     ("Tromsø", "troms og finnmark", "norway"), ("London", "Ontario", "CA"),
                                     ("Hayes", "England", "United Kingdom"), ("CHICAGO", "illinois", "us")]:
            add(varied(partner, city=city, state=state, country=country))

    # Quoted fields holding commas, quotes and line ends; texts a spreadsheet
    # would run as formulas.
    for i, (name, city, state) in enumerate([
        ("Smith, John", "St. John's", 'The "Rock"'),
        ('Ann "Nan" Lee', "Line\nbreak", "Two\r\nlines"),
        ("=1+1", "+Plus", "-Minus"),
        ("@SUM(A1:A2)", "\tTab", "\rReturn"),
        ("-", "=", "@"),
        ("  Padded  ", " Lead", "Trail "),
        ("Ünïcödé 名前", "Zürich", "Zürich"),
        ('"', ",", '""'),
    ]):
        c = varied("male", name=name, city=city)
        c["female"].values.update(name=name[::-1], state=state)
        if i > 0:  # the first stays with the atlas, which knows no such place
            c["male"].values["tz"] = "Europe/Zurich"
            c["female"].values["utc_offset"] = "+01:00"
        add(c)

    # Malformed CSV: a quote inside an unquoted field, text after a closing
    # quote, in either person's columns; the reading goes on after the line.
    for column, raw in [("male_name", 'Bo"b'), ("female_city", '"Oslo"x'), ("male_year", '19"80'),
                        ("female_name", '"Ann" "Lee"')]:
        add(varied(), raw={column: raw})

    # Rows cut short, an empty line, a row with more fields than the header.
    full = row_bytes(columns, varied())
    rows.append((",".join(full.split(",")[:10]), "\n"))
    rows.append((",".join(full.split(",")[:-1]), "\r\n"))
    rows.append(("", "\n"))
    rows.append((row_bytes(columns, varied()) + ",surplus,fields", "\n"))
    rows.append(("lonely", "\n"))
    add(varied(), end="\r\n")

    out = "\ufeff" + ",".join(columns) + "\r\n" + "".join(text + end for text, end in rows)
    sys.stdout.buffer.write(out.encode("utf-8", "surrogateescape"))


def couples(n):
    rng = random.Random(1208)
    columns = [p + "_" + c for p in ("male", "female") for c in PERSON_COLUMNS]
    lines = [",".join(columns)]
    for i in range(n):
        c = couple(rng, year_from=1900, year_to=2050)
        if i % 37 == 5:
            c[rng.choice(["male", "female"])].values[rng.choice(PERSON_COLUMNS)] = ""
        lines.append(row_bytes(columns, c))
    sys.stdout.buffer.write(("\n".join(lines) + "\n").encode("utf-8"))


if __name__ == "__main__":
    if sys.argv[1:2] == ["golden"]:
        golden()
    elif sys.argv[1:2] == ["couples"] and len(sys.argv) == 3:
        couples(int(sys.argv[2]))
    else:
        sys.exit(__doc__)
