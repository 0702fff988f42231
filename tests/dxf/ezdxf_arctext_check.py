#!/usr/bin/python3
"""Text along arcs for the tests. ezdxf has no class of its own for them, so
the drawing is written by ezdxf and the two texts are added as the tags a
file holds; ezdxf then reads them back as tag storage.

Usage: ezdxf_arctext_check.py make OUT.dxf
         prints, for each text (mirrored, tilted), its handle, the world
         centre by ezdxf's OCS and the start and end angles in radians
       ezdxf_arctext_check.py read DRAWING.dxf HANDLE
         prints the text's tags by group code and its world centre
"""
import json
import math
import sys

import ezdxf
from ezdxf.math import OCS, Vec3

TEXTS = {
    # name: (centre in OCS, extrusion, radius, start, end, more tags)
    "mirrored": ((3.0, -4.0, 1.5), (0.0, 0.0, -1.0), 6.0, 50.0, 140.0),
    "tilted": ((2.0, 5.0, -1.0), (0.6, 0.0, 0.8), 4.0, 300.0, 30.0),
}


def record(handle, owner, centre, extrusion, radius, start, end):
    tags = [(0, "ARCALIGNEDTEXT"), (5, handle), (330, owner), (100, "AcDbEntity"), (8, "0"),
            (100, "AcDbArcAlignedText"), (1, "Along the rim"), (2, "arial.ttf"), (3, ""), (7, "Standard"),
            (10, centre[0]), (20, centre[1]), (30, centre[2]), (40, radius), (41, 1.25), (42, 0.5),
            (43, 0.125), (44, 0.25), (45, 0.5), (46, 0.75), (50, start), (51, end), (70, 0), (71, 2),
            (72, 4), (73, 2), (74, 1), (75, 0), (76, 1), (77, 0), (78, 34), (79, 0), (90, 256),
            (210, extrusion[0]), (220, extrusion[1]), (230, extrusion[2]), (280, 1)]
    return "".join("%3d\n%s\n" % (code, value) for code, value in tags)


if sys.argv[1] == "make":
    doc = ezdxf.new("R2010")
    msp = doc.modelspace()
    msp.add_line((0, 0), (1, 0))
    path = sys.argv[2]
    doc.saveas(path)
    text = open(path, encoding="utf-8").read()
    owner = msp.block_record_handle
    out, records = {}, ""
    for i, (name, (centre, extrusion, radius, start, end)) in enumerate(TEXTS.items()):
        handle = "%X" % (0xA000 + i)
        records += record(handle, owner, centre, extrusion, radius, start, end)
        world = OCS(extrusion).to_wcs(Vec3(centre))
        out[name] = {"handle": handle, "world": list(world), "start": math.radians(start), "end": math.radians(end)}
    at = text.index("ENTITIES")
    end = text.index("  0\nENDSEC", at)
    text = text[:end] + records + text[end:]
    declared = "  0\nCLASS\n  1\nARCALIGNEDTEXT\n  2\nAcDbArcAlignedText\n  3\nTest\n 90\n0\n 91\n2\n280\n0\n281\n1\n"
    classes = text.index("CLASSES")
    end = text.index("  0\nENDSEC", classes)
    text = text[:end] + declared + text[end:]
    open(path, "w", encoding="utf-8").write(text)
    check = ezdxf.readfile(path)
    assert [e.dxftype() for e in check.modelspace()].count("ARCALIGNEDTEXT") == 2, "ezdxf reads the texts"
    print(json.dumps(out))
else:
    entity = ezdxf.readfile(sys.argv[2]).entitydb[sys.argv[3]]
    tags = {}
    for tag in entity.xtags.get_subclass("AcDbArcAlignedText")[1:]:
        value = tag.value
        if isinstance(value, tuple) or hasattr(value, "x"):
            value = list(value)
        tags[str(tag.code)] = value
    centre = Vec3(tags["10"])
    extrusion = Vec3(tags.get("210", (0, 0, 1)))
    print(json.dumps({"tags": tags, "world": list(OCS(extrusion).to_wcs(centre))}))
