#!/usr/bin/env python3
# Builds the bundled aircraft catalogue data/fly.dll from the aircraft main-gear table
# (aircraft-gear-data.csv, English units, one row per aircraft).
#
# The catalogue is delimited text with CR LF line ends: a header of nine column titles, then one
# record per aircraft, ordered from light to heavy by gross weight (rows of equal weight keep the
# table's order). Each record takes the table's values as written, with the annual departures
# inserted as the third field. A name is quoted only when it holds a comma.
#
# Usage: make_catalogue.py TABLE.csv [OUTPUT]   (OUTPUT defaults to data/fly.dll of this repository)

import csv
import math
import pathlib
import sys

TITLES = ["Aircraft", "Gross Weight", "Annual Departures", "Gear Load %", "Tire Pressure",
          "Wheels", "Dual Spacing", "Tandem Spacing", "Contact Width"]
COLUMNS = ["name", "grossWeight_lb", "gearLoadPercent", "tirePressure_psi", "wheelCount",
           "dualSpacing_in", "tandemSpacing_in", "tireContactWidth_in"]
DEFAULT_DEPARTURES = "1200"
MAX_RECORDS = 65


def field(text):
    if '"' in text or "\n" in text or "\r" in text:
        sys.exit(f"a value may not hold a quote or a line end: {text!r}")
    return f'"{text}"' if "," in text else text


def check_contact_width(row):
    # Contact width of the PCA tire print (area 0.5227 L^2, width 0.6 L), rounded to 0.01 in.
    load = float(row["grossWeight_lb"]) * float(row["gearLoadPercent"]) / 100 / int(row["wheelCount"])
    width = 0.6 * math.sqrt(load / float(row["tirePressure_psi"]) / 0.5227)
    if abs(width - float(row["tireContactWidth_in"])) > 0.006:
        sys.exit(f"{row['name']}: contact width {row['tireContactWidth_in']} in., "
                 f"the tire print gives {width:.2f} in.")


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit("usage: make_catalogue.py TABLE.csv [OUTPUT]")
    table = pathlib.Path(sys.argv[1])
    output = (pathlib.Path(sys.argv[2]) if len(sys.argv) == 3
              else pathlib.Path(__file__).resolve().parent.parent / "data" / "fly.dll")

    with table.open(newline="", encoding="utf-8") as f:
        rows = list(csv.DictReader(f))
    missing = [c for c in COLUMNS if rows and c not in rows[0]]
    if not rows or missing:
        sys.exit(f"{table}: no rows, or the columns {missing} are missing")
    if len(rows) > MAX_RECORDS:
        sys.exit(f"{table}: {len(rows)} aircraft, the catalogue holds at most {MAX_RECORDS}")
    for row in rows:
        check_contact_width(row)

    rows.sort(key=lambda r: float(r["grossWeight_lb"]))  # sort() is stable
    lines = [",".join(field(t) for t in TITLES)]
    for row in rows:
        values = [row[c].strip() for c in COLUMNS]
        values.insert(2, DEFAULT_DEPARTURES)
        lines.append(",".join(field(v) for v in values))
    data = "".join(line + "\r\n" for line in lines)
    output.write_bytes(data.encode("ascii"))
    print(f"{output}: {len(rows)} aircraft")


if __name__ == "__main__":
    main()
