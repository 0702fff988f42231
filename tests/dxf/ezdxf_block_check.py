#!/usr/bin/python3
"""Block references written by ezdxf, and what ezdxf reads back.

Usage: ezdxf_block_check.py make OUT.dxf
         a millimetre drawing with a metre block "BOLT" (base point 1,0; two
         attribute definitions) inserted at (100, 50), scale 1000, turned 30
         degrees, its attributes placed by ezdxf; a revision cloud around the
         rectangle (10,10)-(14,12); a 3 x 2 grid of the bolt; prints the handles
       ezdxf_block_check.py read DRAWING.dxf HANDLE
         prints the reference's fields, its attributes, where ezdxf itself
         places the block's attribute definitions for the reference as it now
         is, and the reference's arcs in world coordinates
"""
import json
import math
import sys

import ezdxf

if sys.argv[1] == "make":
    doc = ezdxf.new("R2018")
    doc.header["$INSUNITS"] = 4
    bolt = doc.blocks.new("BOLT", base_point=(1, 0))
    bolt.block_record.dxf.units = 6
    bolt.add_line((1, 0), (1.002, 0))
    bolt.add_attdef("NUMBER", insert=(1.001, 0.001), dxfattribs={"height": 0.0005, "prompt": "Bolt number"})
    bolt.add_attdef("NOTE", insert=(1.001, -0.001), dxfattribs={"height": 0.0004})
    msp = doc.modelspace()
    ref = msp.add_blockref("BOLT", (100, 50), dxfattribs={"xscale": 1000, "yscale": 1000, "zscale": 1000, "rotation": 30})
    ref.add_auto_attribs({"NUMBER": "B-7", "NOTE": "torque 40"})

    grid = msp.add_blockref("BOLT", (0, 0), dxfattribs={"column_count": 3, "row_count": 2, "column_spacing": 5,
                                                          "row_spacing": 7})

    doc.appids.new("PE_CLOUD")
    cloud_block = doc.blocks.new_anonymous_block()
    cloud_block.add_arc((12, 11), 0.5, 0, 90)
    cloud = msp.add_blockref(cloud_block.name, (0, 0))
    outline = [(10, 10, 0), (14, 10, 0), (14, 12, 0), (10, 12, 0)]
    cloud.set_xdata("PE_CLOUD", [(1011, p) for p in outline] + [(1041, 0.5), (1000, "Rectangular")])
    doc.saveas(sys.argv[2])
    print(json.dumps({"bolt": ref.dxf.handle, "cloud": cloud.dxf.handle, "grid": grid.dxf.handle,
                      "attribs": [list(a.dxf.insert) for a in ref.attribs]}))
else:
    doc = ezdxf.readfile(sys.argv[2])
    ref = doc.entitydb[sys.argv[3]]
    block = doc.blocks[ref.dxf.name]
    m = ref.matrix44()
    placed = {d.dxf.tag: list(m.transform(d.dxf.insert)) for d in block.query("ATTDEF")}
    arcs = []
    for e in ref.virtual_entities():
        if e.dxftype() == "ARC":
            middle = math.radians(list(e.construction_tool().angles(3))[1])
            center, r = e.dxf.center, e.dxf.radius
            arcs.append({"center": list(center), "radius": r, "start": list(e.start_point), "end": list(e.end_point),
                         "mid": [center.x + r * math.cos(middle), center.y + r * math.sin(middle), center.z]})
    out = {"name": ref.dxf.name, "insert": list(ref.dxf.insert), "scale": [ref.dxf.xscale, ref.dxf.yscale, ref.dxf.zscale],
           "rotation": ref.dxf.rotation, "grid": [ref.dxf.column_count, ref.dxf.row_count, ref.dxf.column_spacing,
                                                  ref.dxf.row_spacing],
           "attribs": [{"tag": a.dxf.tag, "text": a.dxf.text, "insert": list(a.dxf.insert),
                        "rotation": a.dxf.rotation, "height": a.dxf.height} for a in ref.attribs],
           "placed": placed, "arcs": arcs,
           "xdata": [[code, list(v) if isinstance(v, tuple) or hasattr(v, "x") else v]
                     for code, v in (ref.get_xdata("PE_CLOUD") if ref.has_xdata("PE_CLOUD") else [])]}
    print(json.dumps(out))
