#!/usr/bin/python3
"""A helix written by ezdxf (radius 2, pitch 0.5, four turns, clockwise).

Usage: ezdxf_helix_check.py make OUT.dxf
         prints its handle and its length in closed form
       ezdxf_helix_check.py read DRAWING.dxf HANDLE
         prints its helix fields and its spline's first and last control point
"""
import json
import math
import sys

import ezdxf

if sys.argv[1] == "make":
    doc = ezdxf.new("R2010")
    helix = doc.modelspace().add_helix(radius=2, pitch=0.5, turns=4, ccw=False)
    doc.saveas(sys.argv[2])
    length = 4 * math.sqrt((2 * math.pi * 2) ** 2 + 0.5 ** 2)
    print(json.dumps({"handle": helix.dxf.handle, "length": length}))
else:
    h = ezdxf.readfile(sys.argv[2]).entitydb[sys.argv[3]]
    cps = list(h.control_points)
    print(json.dumps({"turns": h.dxf.turns, "turn_height": h.dxf.turn_height, "radius": h.dxf.radius,
                      "handedness": h.dxf.handedness, "constrain": h.dxf.constrain,
                      "first": list(cps[0]), "last": list(cps[-1])}))
