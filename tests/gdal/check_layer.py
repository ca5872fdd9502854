#!/usr/bin/env python3
"""Checks mif2cgps against GDAL, a MIF writer and reader of its own.

A layer holding every geometry kind is written as MIF, either by GDAL's
MapInfo writer (from WKT) or by hand (the Multipoint and Collection objects
GDAL reads but does not write). mif2cgps converts it, as a point layer (CM)
or as a polyline layer (KK, each feature's unique name mapped to a label by
KKconvert.txt), and GDAL reads the same MIF back. Each converted record must
carry its feature's label and points (numbers compared as numbers; the
blocks of one record as a set, since GDAL regroups rings), and the features
the layer draws nothing of must be skipped and counted.

    check_layer.py <mif2cgps> <scratch folder> gdal|hand KK|CM
"""
import csv
import os
import re
import shutil
import subprocess
import sys

FEATURES = [  # (WKT, name); the names are keys that hold no other key
    ("POINT (139.1 35.1)", "f01"),
    ("LINESTRING (139.1 35.1,139.2 35.2)", "f02"),
    ("MULTILINESTRING ((139.3 35.3,139.4 35.4),(139.5 35.5,139.6 35.6,139.65 35.65))", "f03"),
    ("POLYGON ((0 0,10 0,10 10,0 10,0 0),(2 2,3 2,3 3,2 2))", "f04"),
    ("MULTIPOLYGON (((0 0,1 0,1 1,0 0)),((5 5,6 5,6 6,5 5),(5.2 5.2,5.4 5.2,5.4 5.4,5.2 5.2)))", "f05"),
    ("MULTIPOINT (1 1,2 2,3 3)", "f06"),
    ("GEOMETRYCOLLECTION (POINT (1 2),LINESTRING (3 4,5 6),POLYGON ((0 0,1 0,1 1,0 0)))", "f07"),
    ("", "f08"),
    ("LINESTRING (140.000001 36.5,140.25 -36.75,-140.5 36)", "f09"),
]

HAND_WRITTEN = """Version 300
Charset "Neutral"
Delimiter ","
Columns 1
  name Char(10)
Data

MULTIPOINT 3
1 1
2 2
3 3
    Symbol (35,0,12)
COLLECTION 3
  REGION 1
    4
0 0
1 0
1 1
0 0
    Pen (1,2,0)
    Brush (1,0,16777215)
  PLINE 2
5 5
6 6
    Pen (1,2,0)
  MULTIPOINT 2
7 7
8 8
    Symbol (35,0,12)
Pline 3
1.5 2.5
3.5 4.5
5.5 6.5
    Pen (1,2,0)
Point 9 9
    Symbol (35,0,12)
"""
HAND_NAMES = ["f01", "f02", "f03", "f04"]


def parse_wkt(wkt):
    """A WKT text as (point lists a polyline layer draws, points a point layer draws)."""
    lines, points = [], []
    tokens = re.findall(r"[A-Z]+|\(|\)|,|[-+0-9.eE]+", wkt.upper())
    position = 0

    def coordinates():
        nonlocal position
        pairs = []
        while tokens[position] != ")":
            if tokens[position] == ",":
                position += 1
                continue
            if tokens[position] == "(":  # MULTIPOINT ((1 1),(2 2))
                position += 1
                pairs += coordinates()
                position += 1
                continue
            pairs.append((float(tokens[position]), float(tokens[position + 1])))
            position += 2
        return pairs

    def lists():  # "(" list "," list ... ")" of coordinate lists
        nonlocal position
        result = []
        position += 1
        while tokens[position] != ")":
            if tokens[position] == ",":
                position += 1
                continue
            position += 1
            result.append(coordinates())
            position += 1
        position += 1
        return result

    def geometry():
        nonlocal position
        kind = tokens[position]
        position += 1
        if tokens[position] == "EMPTY":
            position += 1
            return
        if kind == "POINT":
            position += 1
            points.extend(coordinates())
            position += 1
        elif kind == "MULTIPOINT":
            position += 1
            points.extend(coordinates())
            position += 1
        elif kind == "LINESTRING":
            position += 1
            lines.append(coordinates())
            position += 1
        elif kind in ("MULTILINESTRING", "POLYGON"):
            lines.extend(lists())
        elif kind == "MULTIPOLYGON":
            position += 1
            while tokens[position] != ")":
                if tokens[position] == ",":
                    position += 1
                    continue
                lines.extend(lists())
            position += 1
        elif kind == "GEOMETRYCOLLECTION":
            position += 1
            while tokens[position] != ")":
                if tokens[position] == ",":
                    position += 1
                    continue
                geometry()
            position += 1
        else:
            raise ValueError("unknown WKT kind " + kind)

    if tokens:
        geometry()
    return lines, points


def converted_blocks(text):
    """The (label, points) of every block of a map file, points as (x, y)."""
    blocks = []
    label = None
    for line in text.split("\r\n"):
        if line.startswith("Label="):
            label = line[len("Label="):]
        elif line.startswith("Data0=("):
            pairs = re.findall(r"\(([^,()]+),([^,()]+)\)", line[len("Data0="):])
            blocks.append((label, [(float(x), float(y)) for y, x in pairs]))
    return blocks


def rounded(point_list):
    return tuple((round(x, 9), round(y, 9)) for x, y in point_list)


def main():
    converter, scratch, source, code = sys.argv[1:5]
    converter = os.path.abspath(converter)
    ogr2ogr = shutil.which("ogr2ogr")
    if not ogr2ogr:
        print("ogr2ogr is not installed: skipped")
        return 0
    shutil.rmtree(scratch, ignore_errors=True)
    os.makedirs(scratch)
    base = "layer" + code
    mif = os.path.join(scratch, base + ".mif")

    if source == "gdal":
        with open(os.path.join(scratch, "features.csv"), "w", newline="") as out:
            writer = csv.writer(out)
            writer.writerow(["WKT", "name"])
            writer.writerows(FEATURES)
        subprocess.run([ogr2ogr, "-f", "MapInfo File", "-dsco", "FORMAT=MIF", "-oo", "KEEP_GEOM_COLUMNS=NO",
                        mif, os.path.join(scratch, "features.csv")], check=True)
        names = [name for _, name in FEATURES]
    else:
        with open(mif, "w") as out:
            out.write(HAND_WRITTEN)
        with open(os.path.join(scratch, base + ".mid"), "w") as out:
            out.writelines('"%s"\n' % name for name in HAND_NAMES)
        names = HAND_NAMES
    labels = {name: name.upper().replace("F", "LABEL-") for name in names}
    with open(os.path.join(scratch, "KKconvert.txt"), "w") as table:
        table.writelines("%s,%s\n" % (name, label) for name, label in labels.items())

    # GDAL's own reading: one row per MIF object, in order.
    back = os.path.join(scratch, "back.csv")
    subprocess.run([ogr2ogr, "-f", "CSV", "-lco", "GEOMETRY=AS_WKT", back, mif], check=True)
    with open(back, newline="") as rows:
        features = [(row["WKT"], row["name"]) for row in csv.DictReader(rows)]

    run = subprocess.run([converter, base], cwd=scratch, capture_output=True,
                         env=dict(os.environ, LC_ALL="C.UTF-8"))
    console = run.stdout.decode("utf-8")
    with open(os.path.join(scratch, base + ".cGPS.txt"), "rb") as out:
        blocks = converted_blocks(out.read().decode("latin-1"))

    failures = []
    if run.returncode != 0:
        failures.append("exit code %d: %s" % (run.returncode, console))
    records = skipped = 0
    at = 0
    for wkt, name in features:
        lines, points = parse_wkt(wkt)
        if code == "CM":
            expected_blocks, label = [[point] for point in points], ""
        else:
            expected_blocks, label = lines, labels[name]
        if not expected_blocks:
            skipped += 1
            continue
        records += 1
        got = blocks[at:at + len(expected_blocks)]
        at += len(expected_blocks)
        if code != "CM" and any(got_label != label for got_label, _ in got):
            failures.append("%s: labels %s, expected %s" % (name, [l for l, _ in got], label))
        if sorted(rounded(b) for _, b in got) != sorted(rounded(b) for b in expected_blocks):
            failures.append("%s: blocks %s, expected %s" % (name, [b for _, b in got], expected_blocks))
    if at != len(blocks):
        failures.append("%d blocks written, %d expected" % (len(blocks), at))
    if "Total lines : %d\n" % records not in console:
        failures.append("expected Total lines : %d in: %s" % (records, console))
    skipped_line = "変換しなかった図形 : %d\n" % skipped
    if (skipped_line in console) != (skipped > 0):
        failures.append("expected %d skipped in: %s" % (skipped, console))

    for failure in failures:
        print(failure)
    print("%s %s: %d records, %d skipped, %d blocks" % (source, code, records, skipped, len(blocks)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
