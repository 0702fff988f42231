#!/usr/bin/python3
"""Dimensions for the tests, written and read by ezdxf.

Usage: ezdxf_dimension_check.py make OUT.dxf
         writes a style and a rotated and an aligned dimension with settings
         of their own, and prints their handles with the values they should
         show: the measurement, and the text position in a turned UCS
         (origin 5,5,0, X along world Y)
       ezdxf_dimension_check.py read DRAWING.dxf HANDLE
         prints the dimension's own settings and its style's arrow size and
         text height
"""
import json
import math
import sys

import ezdxf
from ezdxf.math import UCS, Vec3

UCS_TURNED = UCS(origin=(5, 5, 0), ux=(0, 1, 0), uy=(-1, 0, 0))

if sys.argv[1] == "make":
    doc = ezdxf.new("R2018", setup=True)
    style = doc.dimstyles.new("EZ")
    style.dxf.dimasz = 0.3
    style.dxf.dimtxt = 0.25
    style.dxf.dimgap = 0.1
    style.dxf.dimdec = 3
    msp = doc.modelspace()
    p1, p2, angle = Vec3(1, 0), Vec3(7, 4), 30.0
    rotated = msp.add_linear_dim(base=(0, 6), p1=p1, p2=p2, angle=angle, dimstyle="EZ",
                                 override={"dimtxt": 0.4, "dimtol": 1, "dimtp": 0.05, "dimtm": 0.05, "dimse2": 1})
    rotated.render()
    a1, a2 = Vec3(2, 2), Vec3(8, 10)
    aligned = msp.add_aligned_dim(p1=a1, p2=a2, distance=2, dimstyle="EZ", override={"dimclrd": 1, "dimse1": 1})
    aligned.render()
    aligned.dimension.dxf.dimtype = 1 | 32  # the aligned kind, not a rotated one along the points
    doc.saveas(sys.argv[2])
    out = {}
    for name, dim, measured in (
            ("rotated", rotated.dimension, abs((p2 - p1).dot(Vec3.from_deg_angle(angle)))),
            ("aligned", aligned.dimension, (a2 - a1).magnitude)):
        text = UCS_TURNED.from_wcs(Vec3(dim.dxf.text_midpoint))
        out[name] = {"handle": dim.dxf.handle, "measurement": measured, "textX": text.x, "textY": text.y}
    print(json.dumps(out))
else:
    doc = ezdxf.readfile(sys.argv[2])
    dim = doc.entitydb[sys.argv[3]]
    own = {k: v for k, v in dim.override().dimstyle_attribs.items()}
    style = doc.dimstyles.get(dim.dxf.dimstyle)
    print(json.dumps({"own": own, "styleArrow": style.dxf.dimasz, "styleText": style.dxf.dimtxt}, sort_keys=True, default=str))
