#!/usr/bin/python3
"""Hatches written by ezdxf, and what ezdxf reads back.

Usage: ezdxf_hatch_check.py make OUT.dxf
         an ANSI31 hatch of a 10 x 10 square with a square hole, a round
         hole of radius 1.5 and a square island inside the round hole; a
         two-colour gradient over a square with a half-circle side; a
         user-defined hatch of an ellipse; prints the handles and the areas
         worked out by hand
       ezdxf_hatch_check.py read DRAWING.dxf HANDLE
         prints the hatch's pattern, gradient and boundary paths
"""
import json
import math
import sys

import ezdxf

if sys.argv[1] == "make":
    doc = ezdxf.new("R2018")
    msp = doc.modelspace()
    h = msp.add_hatch(color=2)
    h.set_pattern_fill("ANSI31", scale=0.5, angle=0)
    h.paths.add_polyline_path([(0, 0), (10, 0), (10, 10), (0, 10)], is_closed=True, flags=1)
    h.paths.add_polyline_path([(2, 2), (4, 2), (4, 4), (2, 4)], is_closed=True, flags=16)
    ring = h.paths.add_edge_path(flags=16)
    ring.add_arc((7, 7), 1.5, 0, 360)
    island = h.paths.add_edge_path()
    island.add_line((6.5, 6.5), (7.5, 6.5))
    island.add_line((7.5, 6.5), (7.5, 7.5))
    island.add_line((7.5, 7.5), (6.5, 7.5))
    island.add_line((6.5, 7.5), (6.5, 6.5))
    g = msp.add_hatch()
    g.set_gradient((255, 0, 0), (0, 0, 255), rotation=30)
    g.paths.add_polyline_path([(20, 0), (30, 0), (30, 5, 1), (20, 5)], is_closed=True)
    u = msp.add_hatch()
    u.set_pattern_fill("_USER", style=0, pattern_type=0, definition=[[45, (0, 0), (-0.7071, 0.7071), []]])
    e = u.paths.add_edge_path()
    e.add_ellipse((50, 0), (4, 0), 0.5, 0, 360)
    doc.saveas(sys.argv[2])
    print(json.dumps({"pattern": h.dxf.handle, "gradient": g.dxf.handle, "user": u.dxf.handle,
                      "patternArea": 100 - 4 - math.pi * 1.5 ** 2 + 1,
                      "gradientArea": 50 + math.pi * 5 ** 2 / 2,
                      "userArea": math.pi * 4 * 2}))
else:
    h = ezdxf.readfile(sys.argv[2]).entitydb[sys.argv[3]]
    paths = []
    for p in h.paths:
        if p.type.name == "POLYLINE_PATH" or hasattr(p, "vertices"):
            paths.append({"flags": p.path_type_flags, "vertices": [list(v) for v in p.vertices]})
        else:
            paths.append({"flags": p.path_type_flags,
                          "edges": [[e.type.name] + [list(getattr(e, a)) if hasattr(getattr(e, a), "__iter__") else getattr(e, a)
                                                     for a in ("start", "end", "center", "radius", "start_angle", "end_angle")
                                                     if hasattr(e, a)] for e in p.edges]})
    out = {"name": h.dxf.pattern_name, "type": h.dxf.pattern_type, "scale": h.dxf.pattern_scale,
           "angle": h.dxf.pattern_angle, "solid": h.dxf.solid_fill, "style": h.dxf.hatch_style,
           "lines": [[l.angle, list(l.base_point), list(l.offset), list(l.dash_length_items)] for l in h.pattern.lines]
           if h.pattern else [],
           "paths": paths}
    if h.gradient:
        out["gradient"] = {"color1": list(h.gradient.color1), "color2": list(h.gradient.color2),
                           "rotation": h.gradient.rotation, "centered": h.gradient.centered}
    print(json.dumps(out))
