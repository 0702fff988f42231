"""Lights written and read by ezdxf, as JSON.

    ezdxf_light_check.py make DRAWING   point, spot and targeted spot lights; their handles
    ezdxf_light_check.py read DRAWING   every light's fields and photometric record
"""
import json
import sys

import ezdxf


def make(path):
    doc = ezdxf.new("R2010")
    msp = doc.modelspace()
    point = msp.new_entity("LIGHT", {"name": "Desk", "type": 2, "intensity": 0.75, "location": (2, 3, 2.5),
                                     "status": 1, "plot_glyph": 1, "attenuation_type": 1,
                                     "use_attenuation_limits": 1, "attenuation_start_limits": 0.5,
                                     "attenuation_end_limits": 12.0})
    spot = msp.new_entity("LIGHT", {"name": "Shelf", "type": 3, "location": (5, 5, 3), "target": (5, 5, 0),
                                    "hotspot_angle": 30, "falloff_angle": 45, "status": 0,
                                    "cast_shadows": 1, "shadow_type": 1, "shadow_map_size": 512,
                                    "shadow_map_softness": 3})
    aimed = msp.new_entity("LIGHT", {"name": "Stage", "type": 3, "location": (0, 0, 4), "target": (1, 1, 0)})
    xdict = aimed.new_extension_dict()
    record = xdict.add_xrecord("ADSK_XREC_PHOTOMETRICLIGHTINFO")
    record.reset([(76, 1), (1, "")])
    doc.saveas(path)
    print(json.dumps({"point": point.dxf.handle, "spot": spot.dxf.handle, "aimed": aimed.dxf.handle}))


def read(path):
    doc = ezdxf.readfile(path)
    out = {}
    for light in doc.modelspace().query("LIGHT"):
        d = light.dxfattribs()
        for key, value in list(d.items()):
            if hasattr(value, "x"):
                d[key] = [value.x, value.y, value.z]
        out[light.dxf.handle] = d
    print(json.dumps(out))


if __name__ == "__main__":
    {"make": make, "read": read}[sys.argv[1]](sys.argv[2])
