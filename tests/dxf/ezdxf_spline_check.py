#!/usr/bin/python3
"""Splines written by ezdxf and what they should show, computed by ezdxf.

Usage: ezdxf_spline_check.py make OUT.dxf
         writes a spline given by fit points and end tangents only, and a
         rational circle of radius 3; prints their handles, the control
         points ezdxf computes for the first as a CAD program does, and the
         circle's length and area
       ezdxf_spline_check.py read DRAWING.dxf HANDLE
         prints the spline's fit points, and the control points computed
         from them and its tangents
"""
import json
import math
import sys

import ezdxf
from ezdxf.math import fit_points_to_cad_cv, rational_bspline_from_arc

FIT = [(0, 0, 0), (3, 2, 0), (6, 1, 0), (8, 4, 0), (11, 3, 0)]
TANGENTS = [(1, 1, 0), (1, -0.5, 0)]

if sys.argv[1] == "make":
    doc = ezdxf.new("R2010")
    msp = doc.modelspace()
    fitted = msp.add_spline(FIT)
    fitted.dxf.start_tangent = TANGENTS[0]
    fitted.dxf.end_tangent = TANGENTS[1]
    circle = msp.add_spline()
    curve = rational_bspline_from_arc(center=(20, 5), radius=3, start_angle=0, end_angle=360)
    circle.apply_construction_tool(curve)
    doc.saveas(sys.argv[2])
    cad = fit_points_to_cad_cv(FIT, tangents=TANGENTS)
    print(json.dumps({"fitted": fitted.dxf.handle, "circle": circle.dxf.handle,
                      "control": [list(p) for p in cad.control_points],
                      "length": 2 * math.pi * 3, "area": math.pi * 9}))
else:
    s = ezdxf.readfile(sys.argv[2]).entitydb[sys.argv[3]]
    fit = [list(p) for p in s.fit_points]
    tangents = [s.dxf.start_tangent, s.dxf.end_tangent]
    cad = fit_points_to_cad_cv(fit, tangents=tangents)
    print(json.dumps({"fit": fit, "control": [list(p) for p in s.control_points],
                      "expected": [list(p) for p in cad.control_points]}))
