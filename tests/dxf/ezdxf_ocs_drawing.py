#!/usr/bin/python3
"""Writes circles, arcs and texts in object coordinate systems (mirrored,
tilted, with a non-unit extrusion) and prints, as JSON by handle, where
ezdxf's own OCS conversion puts them in world coordinates.

Usage: ezdxf_ocs_drawing.py OUT.dxf
"""
import json
import sys

import ezdxf
from ezdxf.math import OCS

doc = ezdxf.new("R2018")
msp = doc.modelspace()
expected = {}
extrusions = [(0, 0, -1), (1, 1, 1), (0.01, -0.005, 3), (0, 2.5, 0)]
for n, ext in enumerate(extrusions):
    ocs = OCS(ext)
    c = msp.add_circle((1 + n, 2, 3), 1.5, dxfattribs={"extrusion": ext})
    expected[c.dxf.handle] = {"center": list(ocs.to_wcs(c.dxf.center))}
    a = msp.add_arc((3, 4 + n, 5), 2, 30, 120, dxfattribs={"extrusion": ext})
    expected[a.dxf.handle] = {"center": list(ocs.to_wcs(a.dxf.center)),
                              "start": list(a.start_point), "end": list(a.end_point)}
    t = msp.add_text("OCS %d" % n, dxfattribs={"insert": (5, 6 + n, 7), "extrusion": ext, "rotation": 20})
    expected[t.dxf.handle] = {"position": list(ocs.to_wcs(t.dxf.insert))}
doc.saveas(sys.argv[1])
print(json.dumps(expected))
