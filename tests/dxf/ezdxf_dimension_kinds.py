#!/usr/bin/python3
"""One dimension of every other kind, written by ezdxf, with the values each
should show computed here from the points given.

Usage: ezdxf_dimension_kinds.py make OUT.dxf
         prints, for each kind, its handle and its measurement
       ezdxf_dimension_kinds.py read DRAWING.dxf HANDLE
         prints the dimension's type, own settings and radial extension data
"""
import json
import math
import sys

import ezdxf
from ezdxf.math import Vec3

if sys.argv[1] == "make":
    doc = ezdxf.new("R2018", setup=True)
    msp = doc.modelspace()
    out = {}
    # Two lines at pi/4, crossing at (10, 10).
    d = msp.add_angular_dim_2l(base=(14, 12), line1=((10, 10), (20, 10)), line2=((10, 10), (17, 17)))
    d.render()
    # An angular precision "as the linear one", which ezdxf cannot render, set afterwards.
    own = d.dimension.override()
    own["dimadec"] = -1
    own["dimdec"] = 3
    own.commit()
    out["2line"] = {"handle": d.dimension.dxf.handle, "measurement": math.pi / 4}
    # A right angle at (30, 0) between (35, 0) and (30, 5).
    d = msp.add_angular_dim_3p(base=(33, 3), center=(30, 0), p1=(35, 0), p2=(30, 5))
    d.render()
    out["3point"] = {"handle": d.dimension.dxf.handle, "measurement": math.pi / 2}
    # A radius 5 and a diameter 10 of a circle at (50, 0); the radius at 30 degrees.
    d = msp.add_radius_dim(center=(50, 0), radius=5, angle=30)
    d.render()
    out["radius"] = {"handle": d.dimension.dxf.handle, "measurement": 5.0}
    d = msp.add_diameter_dim(center=(50, 0), radius=5, angle=120)
    d.render()
    out["diameter"] = {"handle": d.dimension.dxf.handle, "measurement": 10.0}
    # The arc of radius 4 at (70, 0) from 0 to 90 degrees: 2 pi.
    d = msp.add_arc_dim_3p(base=(73.5, 3.5), center=(70, 0), p1=(74, 0), p2=(70, 4))
    d.render()
    out["arc"] = {"handle": d.dimension.dxf.handle, "measurement": 4 * math.pi / 2}
    # An X ordinate of (97, 13) from a UCS origin moved to (90, 10).
    d = msp.add_ordinate_dim(feature_location=(97, 13), offset=(0, 4), dtype=1, origin=(90, 10))
    d.render()
    out["ordinate"] = {"handle": d.dimension.dxf.handle, "measurement": 7.0}
    # A large radius 40 about (0, -60), drawn from (0, -25) with its jog at (0, -24).
    large = msp.new_entity("LARGE_RADIAL_DIMENSION", dxfattribs={
        "dimstyle": "Standard", "defpoint": (0, -60, 0), "chord_point": (0, -20, 0),
        "override_center": (0, -25, 0), "jog_point": (0, -24, 0), "text_midpoint": (0.5, -22, 0), "dimtype": 9 | 32})
    out["large"] = {"handle": large.dxf.handle, "measurement": 40.0}
    doc.saveas(sys.argv[2])
    print(json.dumps(out))
else:
    doc = ezdxf.readfile(sys.argv[2])
    dim = doc.entitydb[sys.argv[3]]
    radial = dim.get_xdata("ACAD_DSTYLE_DIMRADIAL_EXTENSION") if dim.has_xdata("ACAD_DSTYLE_DIMRADIAL_EXTENSION") else []
    print(json.dumps({"type": dim.dxftype(), "dimtype": dim.dxf.get("dimtype", 0),
                      "own": dict(dim.override().dimstyle_attribs) if hasattr(dim, "override") else {},
                      "radial": [[t.code, t.value] for t in radial]}, sort_keys=True, default=str))
