#!/usr/bin/python3
"""Writes multiline texts as ezdxf writes them: paragraphs and formatting
codes, a rotation in degrees, a long text in continuation parts with a
background fill and a direction vector; prints their handles and what
ezdxf makes of them as JSON.

Usage: ezdxf_mtext_drawing.py OUT.dxf
"""
import json
import sys

import ezdxf

doc = ezdxf.new("R2018")
msp = doc.modelspace()
short = msp.add_mtext("{\\fArial|b1;Plan}\\PGround floor\\P{\\H0.7x;scale 1:50}",
                      dxfattribs={"char_height": 2.5, "width": 40, "insert": (5, 5, 0), "rotation": 30,
                                  "attachment_point": 1, "line_spacing_factor": 1.5})
long_text = " ".join("Zeile %d: été 中文 {braces} \\\\ backslash" % i for i in range(40))
long = msp.add_mtext(long_text, dxfattribs={"char_height": 1.0, "insert": (0, -20, 0), "text_direction": (1, 1, 0)})
long.set_bg_color(2, scale=1.3)
doc.saveas(sys.argv[1])
print(json.dumps({"short": short.dxf.handle, "long": long.dxf.handle, "short_text": short.text, "long_text": long.text,
                  "long_parts": sum(1 for _ in long.tags) if hasattr(long, "tags") else 0}))
