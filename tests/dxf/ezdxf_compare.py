#!/usr/bin/python3
"""Compares two drawings as ezdxf reads them: the same entities and objects
with the same handles, types, attributes and extended data.

Usage: ezdxf_compare.py A.dxf B.dxf [--ignore HANDLE:ATTR ...]
Prints the differences; exit status 1 when there are any.
"""
import math
import sys

import ezdxf
from ezdxf import recover


def load(path):
    try:
        return ezdxf.readfile(path)
    except ezdxf.DXFStructureError:
        doc, _ = recover.readfile(path)
        return doc


def same(a, b):
    if isinstance(a, float) or isinstance(b, float):
        try:
            return float(a) == float(b) or (math.isnan(float(a)) and math.isnan(float(b)))
        except (TypeError, ValueError):
            return False
    if isinstance(a, (tuple, list)) and isinstance(b, (tuple, list)):
        return len(a) == len(b) and all(same(x, y) for x, y in zip(a, b))
    try:
        from ezdxf.math import Vec3
        if isinstance(a, Vec3) or isinstance(b, Vec3):
            return same(tuple(Vec3(a)), tuple(Vec3(b)))
    except Exception:
        pass
    return a == b


def describe(doc):
    out = {}
    for e in doc.entitydb.values():
        h = e.dxf.handle
        attribs = {}
        for k, v in e.dxf.all_existing_dxf_attribs().items():
            attribs[k] = v
        xdata = {}
        if e.xdata:
            for app in e.xdata.data:
                xdata[app] = [(t.code, t.value) for t in e.xdata.get(app)]
        # Reactors (the objects that follow this one's changes) belong to it too.
        reactors = getattr(e, "reactors", None)
        if reactors is not None and len(reactors):
            attribs["reactors"] = sorted(reactors.get())
        out[h] = (e.dxftype(), attribs, xdata)
    return out


def main():
    a_path, b_path = sys.argv[1], sys.argv[2]
    ignore = set(sys.argv[4:]) if len(sys.argv) > 3 and sys.argv[3] == "--ignore" else set()
    a, b = describe(load(a_path)), describe(load(b_path))
    problems = []
    for h in sorted(set(a) | set(b)):
        if h not in a or h not in b:
            problems.append(f"{h}: only in {'first' if h in a else 'second'} ({(a.get(h) or b.get(h))[0]})")
            continue
        (ta, aa, xa), (tb, ab, xb) = a[h], b[h]
        if ta != tb:
            problems.append(f"{h}: type {ta} != {tb}")
        for k in sorted(set(aa) | set(ab)):
            if f"{h}:{k}" in ignore:
                continue
            if k not in aa or k not in ab or not same(aa[k], ab[k]):
                problems.append(f"{h} {ta}.{k}: {aa.get(k)!r} != {ab.get(k)!r}")
        if xa != xb:
            problems.append(f"{h}: extended data differs")
    for p in problems[:50]:
        print(p)
    print(f"{len(a)} objects compared, {len(problems)} differences")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
