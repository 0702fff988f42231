#!/usr/bin/python3
"""Binary drawings for the tests of kdprops.

make DIR VERSION  writes the same drawing as DIR/text.dxf and DIR/binary.dxf
                  (ezdxf's own text and binary writers) and prints the
                  handles of its entities as JSON
read FILE         prints every model space entity's attributes as ezdxf reads
                  them, and whether the file is binary, as JSON
"""
import json
import sys

import ezdxf


def make(folder, version):
    doc = ezdxf.new(version)
    doc.layers.add("walls", color=3)
    doc.appids.new("KD_NOTE")
    msp = doc.modelspace()
    line = msp.add_line((1, 2, 0), (4, 6, 0), dxfattribs={"layer": "walls", "color": 5})
    line.set_xdata("KD_NOTE", [(1000, "a note"), (1040, 0.1), (1070, -7)])
    circle = msp.add_circle((10, 10), 2.5)
    arc = msp.add_arc((0, 0), 3, 30, 120)
    text = msp.add_text("Binary text", dxfattribs={"height": 0.35, "insert": (2, 3)})
    handles = {"line": line.dxf.handle, "circle": circle.dxf.handle, "arc": arc.dxf.handle, "text": text.dxf.handle}
    if version != "R12":
        poly = msp.add_lwpolyline([(0, 0), (3, 0, 0, 0, 0.5), (3, 3)], dxfattribs={"const_width": 0.1})
        handles["polyline"] = poly.dxf.handle
    doc.saveas(folder + "/text.dxf")
    doc.saveas(folder + "/binary.dxf", fmt="bin")
    print(json.dumps(handles))


def value(v):
    if hasattr(v, "x"):
        return [v.x, v.y, v.z]
    return v


def read(path):
    with open(path, "rb") as f:
        binary = f.read(22)[8:] == b"Binary DXF\r\n\x1a\x00"
    doc = ezdxf.readfile(path)
    out = {}
    for e in doc.modelspace():
        attrs = {k: value(v) for k, v in e.dxf.all_existing_dxf_attribs().items() if k not in ("owner",)}
        if e.dxftype() == "LWPOLYLINE":
            attrs["points"] = [list(p) for p in e.get_points()]
        if e.has_xdata("KD_NOTE"):
            attrs["xdata"] = [[t.code, value(t.value)] for t in e.get_xdata("KD_NOTE")]
        out[e.dxf.handle] = {"type": e.dxftype(), "attrs": attrs}
    print(json.dumps({"binary": binary, "version": doc.dxfversion, "entities": out}))


if __name__ == "__main__":
    if sys.argv[1] == "make":
        make(sys.argv[2], sys.argv[3])
    else:
        read(sys.argv[2])
