#!/usr/bin/python3
"""Writes a drawing with ezdxf, as another program would: the kinds of
entity the module describes, others it does not model, layers, line types,
extended data and an extension dictionary.

Usage: ezdxf_make_drawing.py OUT.dxf [VERSION]
"""
import sys

import ezdxf

out = sys.argv[1]
version = sys.argv[2] if len(sys.argv) > 2 else "R2018"
doc = ezdxf.new(version, setup=True)
doc.layers.add("Walls", color=1, linetype="DASHED")
doc.appids.add("KD_TEST")
msp = doc.modelspace()
line = msp.add_line((0.1, 0.2, 0.3), (1e10, -1 / 3, 2.0 / 7), dxfattribs={"layer": "Walls", "color": 3, "thickness": 0.25})
line.set_xdata("KD_TEST", [(1000, "text \u00e9\u4e2d"), (1040, 3.14159), (1070, 7), (1010, (1, 2, 3))])
xdict = line.new_extension_dict()
xdict.add_xrecord("KD_DATA").reset([(1, "payload"), (40, 2.5)])
msp.add_point((5, 5, 0), dxfattribs={"thickness": 1.5, "true_color": 0x123456})
msp.add_ray((0, 0, 0), (0.6, 0.8, 0))
msp.add_xline((1, 1, 0), (0, 1, 0), dxfattribs={"transparency": 0x02000080})
msp.add_circle((2, 2), 1.5)
msp.add_arc((3, -1, 0), 2.0, 30, 210)
msp.add_ellipse((0, 0, 0), major_axis=(3, 4, 0), ratio=0.4)
msp.add_ellipse((10, 0, 0), major_axis=(0, 2, 0), ratio=0.5, start_param=0.3, end_param=2.5)
msp.add_lwpolyline([(0, 0), (1, 0, 0.5), (1, 1)], close=True)
msp.add_text("Hello", dxfattribs={"height": 0.5})
hatch = msp.add_hatch(color=2)
hatch.paths.add_polyline_path([(0, 0), (3, 0), (3, 3)], is_closed=True)
block = doc.blocks.new("KD_BLOCK")
block.add_line((0, 0), (1, 1))
block.add_attdef("TAG", (0, 0))
ref = msp.add_blockref("KD_BLOCK", (4, 4))
ref.add_attrib("TAG", "value", (4, 4))
msp.add_polyline3d([(0, 0, 0), (1, 2, 3), (4, 5, 6)])
# Polylines with arc segments, measured by the tests against hand values: a
# half circle out of one side, a quarter circle into another; a closed 2D
# polyline whose first segment bulges by 0.5.
msp.add_lwpolyline([(0, 0, 0), (4, 0, 1), (4, 2, 0), (0, 2, -0.41421356237309503)], format="xyb", close=True,
                   dxfattribs={"layer": "Walls", "elevation": 1.5})
msp.add_polyline2d([(10, 0, 0, 0, 0.5), (14, 0, 0, 0, 0), (14, 3, 0, 0, 0)], format="xyseb", close=True)
doc.saveas(out)
