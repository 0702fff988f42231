#!/usr/bin/python3
"""Multilines for the tests, written and checked by ezdxf.

Usage: ezdxf_mline_check.py make OUT.dxf
         writes a three-element style and two multilines (open, closed) and
         prints their handles as JSON
       ezdxf_mline_check.py compare ORIGINAL.dxf EDITED.dxf HANDLE SCALE JUSTIFICATION
         regenerates the original's band with ezdxf at that scale and
         justification and prints the largest difference from the edited
         file's vertices, segment and miter directions and element parameters
"""
import json
import sys

import ezdxf

if sys.argv[1] == "make":
    doc = ezdxf.new("R2018")
    style = doc.mline_styles.new("TRIPLE")
    style.elements.append(0.5, 1)
    style.elements.append(0.1, 2)
    style.elements.append(-0.3, 3)
    msp = doc.modelspace()
    open_line = msp.add_mline([(0, 0), (10, 0), (12, 6), (20, 7)], dxfattribs={"style_name": "TRIPLE"})
    closed = msp.add_mline([(0, 20), (8, 20), (4, 27)], close=True, dxfattribs={"style_name": "TRIPLE", "scale_factor": 2})
    doc.saveas(sys.argv[2])
    print(json.dumps({"open": open_line.dxf.handle, "closed": closed.dxf.handle}))
else:
    original, edited, handle, scale, justification = sys.argv[2:7]
    expected = ezdxf.readfile(original).entitydb[handle]
    expected.dxf.scale_factor = float(scale)
    expected.dxf.justification = int(justification)
    expected.update_geometry()
    got = ezdxf.readfile(edited).entitydb[handle]
    assert len(got.vertices) == len(expected.vertices), "vertex count"
    worst = 0.0
    for a, b in zip(got.vertices, expected.vertices):
        for u, v in ((a.location, b.location), (a.line_direction, b.line_direction), (a.miter_direction, b.miter_direction)):
            worst = max(worst, (u - v).magnitude)
        for p, q in zip(a.line_params, b.line_params):
            assert len(p) == len(q), "parameter count"
            worst = max([worst] + [abs(x - y) for x, y in zip(p, q)])
    print(repr(worst), got.dxf.scale_factor, got.dxf.justification)
