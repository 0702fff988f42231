"""Meshes written and read by ezdxf, as JSON.

    ezdxf_mesh_check.py make DRAWING   a polyface mesh, a 3 x 4 polygon mesh and a subdivision mesh; their handles
    ezdxf_mesh_check.py read DRAWING   every mesh's kind, counts, flags and vertices
"""
import json
import sys

import ezdxf


def make(path):
    doc = ezdxf.new("R2018")
    msp = doc.modelspace()
    faces = msp.add_polyface()
    faces.append_face([(0, 0, 0), (1, 0, 0), (1, 1, 0), (0, 1, 0)])
    faces.append_face([(1, 0, 0), (2, 0, 0), (2, 1, 1)])
    grid = msp.add_polymesh(size=(3, 4))
    for m in range(3):
        for n in range(4):
            grid.set_mesh_vertex((m, n), (m, n, m * n * 0.5))
    grid.dxf.flags |= 1  # closed in M
    grid.dxf.smooth_type = 6
    tent = msp.add_mesh()
    with tent.edit_data() as d:
        d.vertices = [(0, 0, 0), (2, 0, 0), (2, 2, 0), (0, 2, 0), (1, 1, 3)]
        d.faces = [(0, 1, 4), (1, 2, 4), (2, 3, 4), (3, 0, 4), (0, 3, 2, 1)]
    tent.dxf.subdivision_levels = 2
    doc.saveas(path)
    print(json.dumps({"faces": faces.dxf.handle, "grid": grid.dxf.handle, "tent": tent.dxf.handle}))


def read(path):
    doc = ezdxf.readfile(path)
    out = {}
    for e in doc.modelspace():
        if e.dxftype() == "POLYLINE":
            out[e.dxf.handle] = {"mode": e.get_mode(), "flags": e.dxf.flags,
                                 "m": e.dxf.get("m_count", 0), "n": e.dxf.get("n_count", 0),
                                 "smooth": e.dxf.get("smooth_type", 0),
                                 "vertices": [list(v.dxf.location) for v in e.vertices if not v.is_face_record],
                                 "faces": [[v.dxf.get(c, 0) for c in ("vtx0", "vtx1", "vtx2", "vtx3")]
                                           for v in e.vertices if v.is_face_record]}
        elif e.dxftype() == "MESH":
            out[e.dxf.handle] = {"vertices": [list(v) for v in e.vertices], "faces": [list(f) for f in e.faces],
                                 "edges": [list(x) for x in e.edges], "level": e.dxf.subdivision_levels}
    print(json.dumps(out))


if __name__ == "__main__":
    {"make": make, "read": read}[sys.argv[1]](sys.argv[2])
