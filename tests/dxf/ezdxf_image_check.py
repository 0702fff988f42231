"""Images, wipeouts, PDF underlays and sheet viewports written and read by
ezdxf, with the values the palette should show computed here, as JSON.

    ezdxf_image_check.py make DRAWING   the drawing (and its PDF beside it); handles and expected values
    ezdxf_image_check.py read DRAWING   every such entity's fields after edits
    ezdxf_image_check.py scales DRAWING the drawing's named scales: name -> handle, paper and drawing units
"""
import json
import math
import os
import sys

import ezdxf


def pdf(width_pt, height_pt):
    return ("%PDF-1.4\n1 0 obj << /Type /Catalog /Pages 2 0 R >>\nendobj\n"
            "2 0 obj << /Type /Pages /Kids [3 0 R] /Count 1 >>\nendobj\n"
            "3 0 obj << /Type /Page /Parent 2 0 R /MediaBox [0 0 {:g} {:g}] >>\nendobj\n"
            "trailer << /Root 1 0 R >>\n%%EOF\n".format(width_pt, height_pt))


def make(path):
    doc = ezdxf.new("R2018")
    doc.header["$INSUNITS"] = 4  # millimetres
    msp = doc.modelspace()
    picture = doc.add_image_def(filename="photos/site.png", size_in_pixel=(800, 600))
    picture.dxf.pixel_size = (0.01, 0.01)
    picture.dxf.resolution_units = 5  # inch
    image = msp.add_image(picture, insert=(2, 3), size_in_units=(16, 12), rotation=30)
    image.dxf.brightness = 65
    wipeout = msp.add_wipeout([(0, 0), (4, 0), (4, 2), (0, 2)])
    sheet = doc.add_underlay_def(filename="plans/sheet.pdf", fmt="pdf", name="1")
    underlay = msp.add_underlay(sheet, insert=(1, 1, 0), scale=(2, 2, 2), rotation=15)
    with open(os.path.join(os.path.dirname(os.path.abspath(path)), "sheet.pdf"), "w") as f:
        f.write(pdf(612, 792))

    layout = doc.layouts.get("Layout1")
    wide = layout.add_viewport(center=(100, 100), size=(200, 100), view_center_point=(50, 50), view_height=400)
    small = layout.add_viewport(center=(300, 100), size=(100, 100), view_center_point=(0, 0), view_height=50)
    doc.saveas(path)

    u = image.dxf.u_pixel * image.dxf.image_size.x
    v = image.dxf.v_pixel * image.dxf.image_size.y
    angle = math.degrees(math.atan2(u.y, u.x)) % 360
    print(json.dumps({
        "image": image.dxf.handle, "wipeout": wipeout.dxf.handle, "underlay": underlay.dxf.handle,
        "wide": wide.dxf.handle, "small": small.dxf.handle,
        # The picture is 800 pixels at 0.254 mm: 203.2 mm wide at scale 1.
        "image_width": u.magnitude, "image_height": v.magnitude, "image_rotation": angle,
        "image_scale": u.magnitude / (800 * 0.254),
        "wipeout_width": (wipeout.dxf.u_pixel * wipeout.dxf.image_size.x).magnitude,
        # The page is 612 x 792 points, 8.5 x 11 inches, scaled by 2.
        "underlay_width": 612 / 72 * 2, "underlay_height": 792 / 72 * 2,
        "wide_scale": wide.dxf.height / wide.dxf.view_height,
        "small_scale": small.dxf.height / small.dxf.view_height,
    }))


def read(path):
    doc = ezdxf.readfile(path)
    out = {}
    for e in doc.entitydb.values():
        if e.dxftype() == "IMAGE":
            u = e.dxf.u_pixel * e.dxf.image_size.x
            v = e.dxf.v_pixel * e.dxf.image_size.y
            out[e.dxf.handle] = {"width": u.magnitude, "height": v.magnitude, "brightness": e.dxf.brightness,
                                 "insert": list(e.dxf.insert), "def": e.dxf.image_def_handle,
                                 "flags": e.dxf.flags}
        elif e.dxftype() == "PDFUNDERLAY":
            out[e.dxf.handle] = {"scale": [e.dxf.scale_x, e.dxf.scale_y, e.dxf.scale_z],
                                 "rotation": e.dxf.rotation, "flags": e.dxf.flags, "def": e.dxf.underlay_def_handle}
        elif e.dxftype() == "VIEWPORT":
            out[e.dxf.handle] = {"height": e.dxf.height, "view_height": e.dxf.view_height,
                                 "custom_scale": e.dxf.height / e.dxf.view_height, "flags": e.dxf.flags,
                                 "view_center": list(e.dxf.view_center_point)}
    print(json.dumps(out))


def scales(path):
    # ezdxf keeps SCALE objects as tags of a class it does not model.
    doc = ezdxf.readfile(path)
    out = {}
    for e in doc.objects:
        if e.dxftype() == "SCALE":
            tags = e.xtags.get_subclass("AcDbScale")
            out[tags.get_first_value(300)] = [e.dxf.handle, tags.get_first_value(140), tags.get_first_value(141)]
    print(json.dumps(out))


if __name__ == "__main__":
    {"make": make, "read": read, "scales": scales}[sys.argv[1]](sys.argv[2])
