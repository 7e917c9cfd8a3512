#!/usr/bin/env python3
"""Writes data/Velmor.MCD, the model data file, from the iPod model table (CSV).

Usage: scripts/make-model-data.py [ipod-models.csv] [Velmor.MCD]
Each record: code, model name, kind name, generation, capacity, each followed by a comma.
"""
import csv
import os
import sys

KIND_NAMES = {
    "regular": "iPod",
    "mini": "iPod mini",
    "photo": "iPod photo",
    "shuffle": "iPod shuffle",
    "nano": "iPod nano",
    "video": "iPod video",
    "classic": "iPod classic",
    "touch": "iPod touch",
}


def generation(text):
    number = text.rstrip("stndrdth")
    return "第%s世代" % number


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    source = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "shared", "data", "ipod-models.csv")
    target = sys.argv[2] if len(sys.argv) > 2 else os.path.join(here, "..", "data", "Velmor.MCD")
    lines = ["[iPod]"]
    with open(source, newline="", encoding="utf-8") as f:
        for row in csv.DictReader(f):
            kind = KIND_NAMES.get(row["model_family"], "iPod")
            name = "%s %s" % (kind, row["capacity"])
            record = [row["code"], name, kind, generation(row["generation"]), row["capacity"]]
            lines.append("%s=%s" % (row["model_key"], "".join(field + "," for field in record)))
    with open(target, "wb") as f:
        f.write(("\r\n".join(lines) + "\r\n").encode("cp932"))


if __name__ == "__main__":
    main()
