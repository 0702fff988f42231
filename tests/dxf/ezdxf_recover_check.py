#!/usr/bin/python3
"""Damaged drawings for the tests of kdprops' recovery.

count FILE   the entities the file's ENTITIES sections hold, counted from its
             tags (no reader involved), as JSON: model space's by type, and
             how many are in paper space
read FILE    model space as ezdxf reads it: entities by type, the number of
             problems its audit finds, and whether ezdxf needed its own
             recovery to read the file at all (files older than R12), as JSON
"""
import collections
import json
import sys

import ezdxf


def count(path):
    with open(path, "rb") as f:
        lines = f.read().decode("latin-1").splitlines()
    section = None
    counts = collections.Counter()
    paper = 0
    current = None  # the entity being read, and whether it is in paper space

    def done():
        nonlocal paper
        if current:
            if current[1]:
                paper += 1
            else:
                counts[current[0]] += 1

    for i in range(0, len(lines) - 1, 2):
        code, value = lines[i].strip(), lines[i + 1].strip()
        if code != "0":
            if code == "2" and section == "?":
                section = value
            if code == "67" and current and value == "1":
                current = (current[0], True)
            continue
        done()
        current = None
        if value == "SECTION":
            section = "?"
        elif value == "ENDSEC":
            section = None
        elif value == "EOF":
            break
        elif section == "ENTITIES" and value not in ("VERTEX", "SEQEND", "ATTRIB"):
            current = (value, False)
    done()
    print(json.dumps({"model": counts, "paper": paper}))


def read(path):
    recovered = False
    try:
        doc = ezdxf.readfile(path)
    except ezdxf.DXFStructureError:
        from ezdxf import recover
        doc, _ = recover.readfile(path)
        recovered = True
    counts = collections.Counter(e.dxftype() for e in doc.modelspace())  # before the audit removes any
    auditor = doc.audit()
    print(json.dumps({"entities": counts, "errors": len(auditor.errors), "recovered": recovered}))


if __name__ == "__main__":
    {"count": count, "read": read}[sys.argv[1]](sys.argv[2])
