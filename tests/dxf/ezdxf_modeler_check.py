"""Solids, regions and surfaces written and read by ezdxf, as JSON.

    ezdxf_modeler_check.py make DRAWING VERSION   a box solid, an L-shaped region, a body and one surface of each
                                                  kind (modeller data by ezdxf: text form before R2013, binary
                                                  after); their handles and the values expected of them
    ezdxf_modeler_check.py read DRAWING           every such entity's stored parameters
"""
import json
import math
import sys

import ezdxf
from ezdxf.acis import api as acis
from ezdxf.render import MeshBuilder, forms


def flat(points):
    mesh = MeshBuilder()
    mesh.add_face(points)
    return mesh


def store(entity, mesh):
    acis.export_dxf(entity, [acis.body_from_mesh(mesh)])


def shoelace(points):
    return abs(sum(a[0] * b[1] - b[0] * a[1] for a, b in zip(points, points[1:] + points[:1]))) / 2


def make(path, version):
    doc = ezdxf.new(version)
    msp = doc.modelspace()
    out = {}
    # A box 3 x 2 x 1.5 with its lower corner at (10, 20, 5).
    box = forms.cube().scale(3, 2, 1.5).translate(10 + 1.5, 20 + 1, 5 + 0.75)
    solid = msp.add_3dsolid()
    store(solid, box)
    vertices = list(box.vertices)
    lo = [min(v[i] for v in vertices) for i in range(3)]
    hi = [max(v[i] for v in vertices) for i in range(3)]
    out["solid"] = {"handle": solid.dxf.handle, "centre": [(a + b) / 2 for a, b in zip(lo, hi)]}
    # An L: area and perimeter by hand from its corners.
    corners = [(0, 0, 0), (4, 0, 0), (4, 1, 0), (1, 1, 0), (1, 3, 0), (0, 3, 0)]
    region = msp.add_region()
    store(region, flat(corners))
    out["region"] = {
        "handle": region.dxf.handle,
        "area": shoelace(corners),
        "perimeter": sum(math.dist(a, b) for a, b in zip(corners, corners[1:] + corners[:1])),
        "min": [0, 0, 0],
        "max": [4, 3, 0],
    }
    body = msp.add_body()
    store(body, forms.cube())
    out["body"] = {"handle": body.dxf.handle}
    quad = flat([(20, 0, 0), (23, 0, 0), (23, 2, 0), (20, 2, 0)])
    extruded = msp.add_extruded_surface()
    store(extruded, quad)
    extruded.dxf.sweep_vector = (0, 0, 4)
    extruded.dxf.draft_angle = 0.25
    lofted = msp.add_lofted_surface()
    store(lofted, quad)
    lofted.dxf.plane_normal_lofting_type = 3
    revolved = msp.add_revolved_surface()
    store(revolved, quad)
    revolved.dxf.axis_point = (20, 0, 0)
    revolved.dxf.axis_vector = (0, 1, 0)
    revolved.dxf.revolve_angle = math.pi / 3
    swept = msp.add_swept_surface()
    store(swept, quad)
    swept.dxf.twist_angle = 0.5
    swept.dxf.scale_factor = 2.0
    swept.dxf.bank = 1
    for name, e in (("extruded", extruded), ("lofted", lofted), ("revolved", revolved), ("swept", swept)):
        e.dxf.u_count = 5
        e.dxf.v_count = 7
        out[name] = {"handle": e.dxf.handle}
    doc.saveas(path)
    print(json.dumps(out))


def read(path):
    doc = ezdxf.readfile(path)
    out = {}
    for e in doc.modelspace():
        t = e.dxftype()
        if t not in ("3DSOLID", "REGION", "BODY") and not t.endswith("SURFACE"):
            continue
        d = e.dxf
        o = {"type": t, "acis": len(e.sab) if e.has_binary_data else len(e.sat)}
        if t.endswith("SURFACE"):
            o.update(u=d.u_count, v=d.v_count)
        if t == "EXTRUDEDSURFACE":
            o.update(sweep=list(d.sweep_vector), draft=d.draft_angle)
        if t == "LOFTEDSURFACE":
            o.update(normal=d.plane_normal_lofting_type, ruled=d.ruled_surface, closed=d.closed_surfaces)
        if t == "REVOLVEDSURFACE":
            o.update(angle=d.revolve_angle, point=list(d.axis_point), axis=list(d.axis_vector))
        if t == "SWEPTSURFACE":
            o.update(twist=d.twist_angle, scale=d.scale_factor, align=d.align_angle, bank=d.bank)
        out[d.handle] = o
    print(json.dumps(out))


if __name__ == "__main__":
    if sys.argv[1] == "make":
        make(sys.argv[2], sys.argv[3])
    else:
        read(sys.argv[2])
