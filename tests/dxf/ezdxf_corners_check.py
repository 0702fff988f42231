#!/usr/bin/python3
"""Traces, solids, 3D faces and shapes written by ezdxf, some in mirrored
and tilted planes.

Usage: ezdxf_corners_check.py make OUT.dxf
         prints, for each entity, its handle and its corners (or position)
         in world coordinates by ezdxf's OCS
       ezdxf_corners_check.py read DRAWING.dxf HANDLE
         prints the entity's corners in world coordinates and its other fields
"""
import json
import sys

import ezdxf
from ezdxf.math import OCS, Vec3

MIRRORED, TILTED = (0, 0, -1), (0.6, 0, 0.8)


def world(entity):
    if entity.dxftype() == "3DFACE":
        return [list(entity.dxf.get(f"vtx{i}")) for i in range(4)]
    ocs = OCS(entity.dxf.extrusion)
    if entity.dxftype() == "SHAPE":
        return [list(ocs.to_wcs(Vec3(entity.dxf.insert)))]
    return [list(ocs.to_wcs(Vec3(entity.dxf.get(f"vtx{i}")))) for i in range(4)]


if sys.argv[1] == "make":
    doc = ezdxf.new("R2010")
    doc.styles.new("SYMBOLS", dxfattribs={"font": "symbols.shx", "flags": 1})
    msp = doc.modelspace()
    corners = [(1, 1, 2), (5, 1, 2), (1, 3, 2), (5, 4, 2)]
    made = {
        "trace": msp.add_trace(corners, dxfattribs={"extrusion": MIRRORED, "thickness": 0.5}),
        "solid": msp.add_solid(corners, dxfattribs={"extrusion": TILTED}),
        "face": msp.add_3dface([(0, 0, 0), (3, 0, 1), (3, 2, 2), (0, 2, 1)], dxfattribs={"invisible": 1 | 4}),
        "shape": msp.add_shape("NORTH", insert=(7, -2, 1), size=2.5,
                               dxfattribs={"extrusion": MIRRORED, "xscale": 0.8, "oblique": 10, "rotation": -30}),
    }
    doc.saveas(sys.argv[2])
    print(json.dumps({k: {"handle": e.dxf.handle, "world": world(e)} for k, e in made.items()}))
else:
    e = ezdxf.readfile(sys.argv[2]).entitydb[sys.argv[3]]
    fields = {k: v for k, v in e.dxf.all_existing_dxf_attribs().items() if k not in ("handle", "owner")}
    print(json.dumps({"world": world(e), "fields": fields}, sort_keys=True, default=lambda v: list(v)))
