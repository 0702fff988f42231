"""A leader and a tolerance frame written and read by ezdxf, as JSON.

    ezdxf_leader_check.py make DRAWING   a spline leader with an arrow size of its own, a frame; their handles
    ezdxf_leader_check.py read DRAWING   their fields and the dimension settings they hold
"""
import json
import sys

import ezdxf


def make(path):
    doc = ezdxf.new("R2010")
    doc.dimstyles.new("Notes", dxfattribs={"dimasz": 0.25, "dimgap": 0.1})
    msp = doc.modelspace()
    leader = msp.add_leader([(0, 0), (2, 1), (4, 1), (5, 3)], dimstyle="Notes",
                            override={"dimasz": 0.5, "dimclrd": 3})
    leader.dxf.path_type = 1
    frame = msp.new_entity("TOLERANCE", {"dimstyle": "Notes", "insert": (6, 2, 0),
                                         "content": "{\\Fgdt;p}0.2^J{\\Fgdt;u}0.1"})
    doc.saveas(path)
    print(json.dumps({"leader": leader.dxf.handle, "frame": frame.dxf.handle}))


def overrides(entity):
    """The DSTYLE list of the entity's ACAD extended data: group code -> value."""
    if not entity.has_xdata("ACAD"):
        return {}
    tags = list(entity.get_xdata("ACAD"))
    out = {}
    for i, t in enumerate(tags):
        if t.code == 1000 and t.value == "DSTYLE":
            rest = tags[i + 2:]
            for code, value in zip(rest[0::2], rest[1::2]):
                if code.code == 1002:
                    break
                out[str(code.value)] = value.value
    return out


def read(path):
    doc = ezdxf.readfile(path)
    out = {}
    for e in doc.modelspace().query("LEADER TOLERANCE"):
        d = {"type": e.dxftype(), "dimstyle": e.dxf.dimstyle}
        if e.dxftype() == "LEADER":
            d["vertices"] = [list(v) for v in e.vertices]
            d["path_type"] = e.dxf.get("path_type", 0)
            d["has_arrowhead"] = e.dxf.get("has_arrowhead", 1)
        else:
            d["insert"] = list(e.dxf.insert)
            d["content"] = e.dxf.content
        d["overrides"] = overrides(e)
        out[e.dxf.handle] = d
    print(json.dumps(out, default=str))


if __name__ == "__main__":
    {"make": make, "read": read}[sys.argv[1]](sys.argv[2])
