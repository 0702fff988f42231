"""What ezdxf reads of a block reference's dynamic block data, as JSON:
the block it shows, that block's representation mark, the reference's
parameter records (raw tags) and the visibility and geometry of the
entities of the block it shows.

    ezdxf_dynblock_check.py read DRAWING HANDLE
"""
import json
import sys

import ezdxf


def records(insert):
    out = {}
    if not insert.has_extension_dict:
        return out
    rep = insert.get_extension_dict().get("AcDbBlockRepresentation")
    cache = rep.get("AppDataCache") if rep is not None else None
    data = cache.get("ACAD_ENHANCEDBLOCKDATA") if cache is not None else None
    if data is None:
        return out
    for key, record in data.items():
        out[key] = [[t.code, list(t.value) if isinstance(t.value, tuple) else t.value] for t in record.tags]
    return out


def entity(e):
    d = {"type": e.dxftype(), "visible": not e.dxf.get("invisible", 0)}
    if e.dxftype() == "LINE":
        d["points"] = [list(e.dxf.start), list(e.dxf.end)]
    elif e.dxftype() == "LWPOLYLINE":
        d["points"] = [[p[0], p[1]] for p in e.get_points("xy")]
    return d


def read(path, handle):
    doc = ezdxf.readfile(path)
    insert = doc.entitydb[handle]
    block = doc.blocks.get(insert.dxf.name)
    mark = block.block_record.get_xdata("AcDbBlockRepBTag") if block.block_record.has_xdata("AcDbBlockRepBTag") else []
    shown = None
    for t in mark:
        if t.code == 1005:
            shown = doc.entitydb[t.value].dxf.name
    print(json.dumps({
        "block": insert.dxf.name,
        "dynamic": shown,
        "records": records(insert),
        "entities": [entity(e) for e in block],
    }))


if __name__ == "__main__":
    if sys.argv[1] == "read":
        read(sys.argv[2], sys.argv[3])
