#!/usr/bin/env python3
"""Builds the property icon collection.

Reads the list of icon paths (one ":/Dir/Dir_Name.png" per line), draws a
small pictogram for each and writes a C++ source holding the images as a
compiled Qt resource collection (format version 1), plus the header that
declares the functions registering and unregistering it.  The PNG files
themselves can also be written to a folder for inspection.

Only the standard library is used, so that any python3 can run it at build
time.  The output depends on nothing but the list: the same list gives the
same bytes.
"""

import argparse
import math
import os
import re
import struct
import sys
import zlib

# --------------------------------------------------------------------------
# Pixel font: 5 rows high, 3 columns for most glyphs; M, N and W need more.

FONT = {
    'A': [".X.", "X.X", "XXX", "X.X", "X.X"],
    'B': ["XX.", "X.X", "XX.", "X.X", "XX."],
    'C': [".XX", "X..", "X..", "X..", ".XX"],
    'D': ["XX.", "X.X", "X.X", "X.X", "XX."],
    'E': ["XXX", "X..", "XX.", "X..", "XXX"],
    'F': ["XXX", "X..", "XX.", "X..", "X.."],
    'G': [".XX", "X..", "X.X", "X.X", ".XX"],
    'H': ["X.X", "X.X", "XXX", "X.X", "X.X"],
    'I': ["XXX", ".X.", ".X.", ".X.", "XXX"],
    'J': ["..X", "..X", "..X", "X.X", ".X."],
    'K': ["X.X", "X.X", "XX.", "X.X", "X.X"],
    'L': ["X..", "X..", "X..", "X..", "XXX"],
    'M': ["X...X", "XX.XX", "X.X.X", "X...X", "X...X"],
    'N': ["X..X", "XX.X", "X.XX", "X..X", "X..X"],
    'O': [".X.", "X.X", "X.X", "X.X", ".X."],
    'P': ["XX.", "X.X", "XX.", "X..", "X.."],
    'Q': [".X.", "X.X", "X.X", "XX.", ".XX"],
    'R': ["XX.", "X.X", "XX.", "X.X", "X.X"],
    'S': [".XX", "X..", ".X.", "..X", "XX."],
    'T': ["XXX", ".X.", ".X.", ".X.", ".X."],
    'U': ["X.X", "X.X", "X.X", "X.X", "XXX"],
    'V': ["X.X", "X.X", "X.X", "X.X", ".X."],
    'W': ["X...X", "X...X", "X.X.X", "XX.XX", "X...X"],
    'X': ["X.X", "X.X", ".X.", "X.X", "X.X"],
    'Y': ["X.X", "X.X", ".X.", ".X.", ".X."],
    'Z': ["XXX", "..X", ".X.", "X..", "XXX"],
    '0': ["XXX", "X.X", "X.X", "X.X", "XXX"],
    '1': [".X.", "XX.", ".X.", ".X.", "XXX"],
    '2': ["XX.", "..X", ".X.", "X..", "XXX"],
    '3': ["XX.", "..X", ".X.", "..X", "XX."],
    '4': ["X.X", "X.X", "XXX", "..X", "..X"],
    '5': ["XXX", "X..", "XX.", "..X", "XX."],
    '6': [".XX", "X..", "XXX", "X.X", "XXX"],
    '7': ["XXX", "..X", ".X.", ".X.", ".X."],
    '8': ["XXX", "X.X", "XXX", "X.X", "XXX"],
    '9': ["XXX", "X.X", "XXX", "..X", "XX."],
    '+': ["...", ".X.", "XXX", ".X.", "..."],
    '-': ["...", "...", "XXX", "...", "..."],
    '#': ["X.X", "XXX", "X.X", "XXX", "X.X"],
    '/': ["..X", "..X", ".X.", "X..", "X.."],
    '.': [".", ".", ".", ".", "X"],
    "'": ["X", "X", ".", ".", "."],
    '"': ["X.X", "X.X", "...", "...", "..."],
}


def text_width(text):
    if not text:
        return 0
    return sum(len(FONT[c][0]) for c in text) + len(text) - 1


# --------------------------------------------------------------------------
# Colours.  Each directory has its own hue, so that icons of one palette
# category read as a family.

DIR_COLOURS = {
    'General': (72, 92, 120),
    'Geometry': (30, 112, 200),
    'Misc': (124, 78, 164),
    'Text': (206, 96, 28),
    'Lines_Arrows': (18, 142, 104),
    'Fit': (168, 128, 16),
    'Primary_units': (186, 40, 64),
    'Alternate_units': (200, 60, 150),
    'Tolerance': (112, 118, 28),
    'Pattern': (44, 140, 44),
    'Data_Points': (0, 136, 156),
    'Image_Adjust': (156, 100, 54),
    'Plot_style': (96, 96, 96),
    'Table': (64, 70, 170),
    'View': (24, 96, 140),
    'Mesh': (104, 146, 30),
    'Position': (40, 84, 186),
    'Attenuation': (176, 128, 0),
    'Render_Shadow_Details': (64, 64, 76),
}

TEXT_INK = (24, 24, 24, 255)
RED = (214, 40, 40, 255)
GREEN = (36, 164, 60, 255)
BLUE = (40, 84, 220, 255)
GREY = (150, 150, 150, 255)
WHITE = (255, 255, 255, 255)


def dir_colour(directory):
    if directory in DIR_COLOURS:
        return DIR_COLOURS[directory]
    # An unknown directory still gets a stable colour of its own.
    h = zlib.crc32(directory.encode('utf-8'))
    return (40 + h % 160, 40 + (h >> 8) % 160, 40 + (h >> 16) % 160)


def mix(c, other, t):
    return tuple(int(round(a * (1 - t) + b * t)) for a, b in zip(c, other))


# --------------------------------------------------------------------------
# Canvas with the few drawing operations the pictograms need.

class Canvas:
    def __init__(self, w, h, background):
        self.w = w
        self.h = h
        self.px = [[background] * w for _ in range(h)]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def get(self, x, y):
        return self.px[y][x]

    def fill(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, c)

    def rect(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.set(x, y0, c)
            self.set(x, y1, c)
        for y in range(y0, y1 + 1):
            self.set(x0, y, c)
            self.set(x1, y, c)

    def line(self, x0, y0, x1, y1, c):
        dx = abs(x1 - x0)
        dy = -abs(y1 - y0)
        sx = 1 if x0 < x1 else -1
        sy = 1 if y0 < y1 else -1
        err = dx + dy
        while True:
            self.set(x0, y0, c)
            if x0 == x1 and y0 == y1:
                break
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def circle(self, cx, cy, r, c):
        x, y, d = r, 0, 1 - r
        while x >= y:
            for px, py in ((x, y), (y, x), (-y, x), (-x, y),
                           (-x, -y), (-y, -x), (y, -x), (x, -y)):
                self.set(cx + px, cy + py, c)
            y += 1
            if d < 0:
                d += 2 * y + 1
            else:
                x -= 1
                d += 2 * (y - x) + 1

    def disc(self, cx, cy, r, c):
        for y in range(-r, r + 1):
            for x in range(-r, r + 1):
                if x * x + y * y <= r * r + r:
                    self.set(cx + x, cy + y, c)

    def arc(self, cx, cy, r, a0, a1, c):
        # Angles in degrees, counter-clockwise, y axis pointing up.
        steps = max(8, int(abs(a1 - a0) * r / 20) + 1)
        for i in range(steps + 1):
            a = math.radians(a0 + (a1 - a0) * i / steps)
            self.set(cx + int(round(r * math.cos(a))),
                     cy - int(round(r * math.sin(a))), c)

    def text(self, x, y, s, c):
        for ch in s:
            g = FONT[ch]
            for gy, row in enumerate(g):
                for gx, bit in enumerate(row):
                    if bit == 'X':
                        self.set(x + gx, y + gy, c)
            x += len(g[0]) + 1


# --------------------------------------------------------------------------
# Arrowheads and the shapes of the common property families.  Each shape is
# drawn into a box (x0, y0, x1, y1), inclusive.

def head_right(cv, x, y, c):
    cv.set(x, y, c)
    for i in (1, 2):
        cv.set(x - i, y - i, c)
        cv.set(x - i, y + i, c)
        cv.line(x - i, y - i + 1, x - i, y + i - 1, c)


def head_left(cv, x, y, c):
    cv.set(x, y, c)
    for i in (1, 2):
        cv.line(x + i, y - i, x + i, y + i, c)


def head_up(cv, x, y, c):
    cv.set(x, y, c)
    for i in (1, 2):
        cv.line(x - i, y + i, x + i, y + i, c)


def head_down(cv, x, y, c):
    cv.set(x, y, c)
    for i in (1, 2):
        cv.line(x - i, y - i, x + i, y - i, c)


def shape_swatch(cv, b, ink, accent):
    x0, y0, x1, y1 = b
    w = x1 - x0 + 1
    sw = min(w, 12)
    sx = x0 + (w - sw) // 2
    third = sw // 3
    cv.fill(sx, y0, sx + third - 1, y1, RED)
    cv.fill(sx + third, y0, sx + 2 * third - 1, y1, GREEN)
    cv.fill(sx + 2 * third, y0, sx + sw - 1, y1, BLUE)
    cv.rect(sx - 1, y0 - 1, sx + sw, y1 + 1, ink)


def shape_checker(cv, b, ink, accent):
    x0, y0, x1, y1 = b
    for y in range(y0, y1 + 1):
        for x in range(x0 + 1, x1):
            on = ((x - x0) // 2 + (y - y0) // 2) % 2
            cv.set(x, y, GREY if on else WHITE)
    cv.rect(x0, y0 - 1, x1, y1 + 1, ink)


def circle_geometry(b):
    x0, y0, x1, y1 = b
    cx = (x0 + x1) // 2
    cy = (y0 + y1) // 2
    r = max(2, min(x1 - x0, y1 - y0) // 2)
    return cx, cy, r


def shape_radius(cv, b, ink, accent):
    cx, cy, r = circle_geometry(b)
    cv.circle(cx, cy, r, ink)
    cv.line(cx, cy, cx + r, cy, accent)
    cv.set(cx, cy, TEXT_INK)


def shape_diameter(cv, b, ink, accent):
    cx, cy, r = circle_geometry(b)
    cv.circle(cx, cy, r, ink)
    cv.line(cx - r, cy, cx + r, cy, accent)


def shape_circumference(cv, b, ink, accent):
    cx, cy, r = circle_geometry(b)
    cv.circle(cx, cy, r, accent)
    cv.circle(cx, cy, r - 1, ink)


def shape_crosshair(cv, b, ink, accent):
    cx, cy, r = circle_geometry(b)
    cv.circle(cx, cy, max(2, r - 1), ink)
    cv.line(cx - r, cy, cx + r, cy, accent)
    cv.line(cx, cy - r, cx, cy + r, accent)


def shape_arrow(cv, b, ink, accent):
    x0, y0, x1, y1 = b
    cy = (y0 + y1) // 2
    cv.line(x0 + 1, cy, x1 - 1, cy, ink)
    head_right(cv, x1 - 1, cy, accent)


def shape_vector(cv, b, ink, accent):
    x0, y0, x1, y1 = b
    cv.set(x0 + 1, y1, TEXT_INK)
    cv.line(x0 + 1, y1, x1 - 1, y0 + 1, ink)
    tx, ty = x1 - 1, y0 + 1
    cv.line(tx - 3, ty, tx, ty, accent)
    cv.line(tx, ty, tx, ty + 3, accent)


def shape_angle(cv, b, ink, accent):
    x0, y0, x1, y1 = b
    vx, vy = x0 + 1, y1
    cv.line(vx, vy, x1, vy, ink)
    h = y1 - y0
    cv.line(vx, vy, vx + h + 2, y0, ink)
    r = min(x1 - x0, h) - 2
    cv.arc(vx, vy, r, 3, 63, accent)


def shape_rotation(cv, b, ink, accent):
    cx, cy, r = circle_geometry(b)
    cv.arc(cx, cy, r, 60, 360, ink)
    # Arrowhead at the open end of the arc, pointing counter-clockwise.
    ex = cx + int(round(r * math.cos(math.radians(60))))
    ey = cy - int(round(r * math.sin(math.radians(60))))
    cv.line(ex - 2, ey, ex + 1, ey, accent)
    cv.line(ex, ey - 1, ex, ey + 2, accent)


def shape_arc(cv, b, ink, accent):
    x0, y0, x1, y1 = b
    cx = (x0 + x1) // 2
    r = min((x1 - x0) // 2, y1 - y0)
    cv.arc(cx, y1, r, 0, 180, accent)
    cv.set(cx - r, y1, ink)
    cv.set(cx + r, y1, ink)


def shape_length(cv, b, ink, accent):
    x0, y0, x1, y1 = b
    cy = (y0 + y1) // 2
    cv.line(x0, cy, x1, cy, accent)
    cv.line(x0, cy - 2, x0, cy + 2, ink)
    cv.line(x1, cy - 2, x1, cy + 2, ink)


def shape_dimline(cv, b, ink, accent):
    x0, y0, x1, y1 = b
    cy = (y0 + y1) // 2
    cv.line(x0, y0, x0, y1, GREY)
    cv.line(x1, y0, x1, y1, GREY)
    cv.line(x0 + 1, cy, x1 - 1, cy, accent)
    head_left(cv, x0 + 1, cy, ink)
    head_right(cv, x1 - 1, cy, ink)


def shape_extline(cv, b, ink, accent):
    x0, y0, x1, y1 = b
    cv.line(x0 + 1, y0, x0 + 1, y1, accent)
    cv.line(x1 - 1, y0, x1 - 1, y1, accent)
    cv.line(x0 + 2, y0 + 2, x1 - 2, y0 + 2, GREY)
    cv.line(x0, y1, x1, y1, ink)


def shape_dashed(cv, b, ink, accent):
    x0, y0, x1, y1 = b
    cy = (y0 + y1) // 2
    for x in range(x0, x1 + 1):
        if (x - x0) % 5 < 3:
            cv.set(x, cy, accent)
            cv.set(x, cy + 1, accent)
    cv.line(x0, cy - 3, x1, cy - 3, ink)


def shape_weight(cv, b, ink, accent):
    x0, y0, x1, y1 = b
    y = y0
    for t in (1, 2, 3):
        cv.fill(x0, y, x1, y + t - 1, ink if t < 3 else accent)
        y += t + 1


def shape_layers(cv, b, ink, accent):
    x0, y0, x1, y1 = b
    h = y1 - y0
    for i, c in enumerate((GREY, ink, accent)):
        yy = y0 + i * (h // 3 + 1)
        cv.line(x0 + 3 - i, yy, x1 - i, yy, c)
        cv.line(x0 + 2 - i, yy + 1, x1 - 1 - i, yy + 1, c)


def shape_area(cv, b, ink, accent):
    x0, y0, x1, y1 = b
    w = min(x1 - x0, 2 * (y1 - y0))
    sx = x0 + (x1 - x0 - w) // 2
    for y in range(y0 + 1, y1):
        for x in range(sx + 1, sx + w):
            if (x + y) % 3 == 0:
                cv.set(x, y, accent)
    cv.rect(sx, y0, sx + w, y1, ink)


def shape_height(cv, b, ink, accent):
    x0, y0, x1, y1 = b
    cx = (x0 + x1) // 2
    cv.line(cx - 4, y0, cx + 4, y0, GREY)
    cv.line(cx - 4, y1, cx + 4, y1, GREY)
    cv.line(cx, y0 + 1, cx, y1 - 1, accent)
    head_up(cv, cx, y0 + 1, ink)
    head_down(cv, cx, y1 - 1, ink)


def shape_width(cv, b, ink, accent):
    x0, y0, x1, y1 = b
    cy = (y0 + y1) // 2
    cv.line(x0, cy - 3, x0, cy + 3, GREY)
    cv.line(x1, cy - 3, x1, cy + 3, GREY)
    cv.line(x0 + 1, cy, x1 - 1, cy, accent)
    head_left(cv, x0 + 1, cy, ink)
    head_right(cv, x1 - 1, cy, ink)


def shape_scale(cv, b, ink, accent):
    x0, y0, x1, y1 = b
    h = y1 - y0
    sx = x0 + (x1 - x0 - h) // 2
    cv.rect(sx, y0, sx + h, y1, ink)
    cv.rect(sx, y1 - h // 2, sx + h // 2, y1, accent)
    cv.line(sx + h // 2 + 1, y1 - h // 2 - 1, sx + h - 1, y0 + 1, accent)


def shape_point(cv, b, ink, accent):
    cx, cy, r = circle_geometry(b)
    cv.rect(cx - 2, cy - 2, cx + 2, cy + 2, ink)
    cv.fill(cx - 1, cy - 1, cx + 1, cy + 1, accent)


def shape_vertex(cv, b, ink, accent):
    x0, y0, x1, y1 = b
    mx = (x0 + x1) // 2
    cv.line(x0, y1, mx, y0 + 1, ink)
    cv.line(mx, y0 + 1, x1, y1 - 1, ink)
    cv.fill(mx - 1, y0, mx + 1, y0 + 2, accent)


def shape_closed(cv, b, ink, accent):
    x0, y0, x1, y1 = b
    mx = (x0 + x1) // 2
    cv.line(x0 + 1, y1, mx, y0, accent)
    cv.line(mx, y0, x1 - 1, y1, accent)
    cv.line(x0 + 1, y1, x1 - 1, y1, ink)


def shape_elevation(cv, b, ink, accent):
    x0, y0, x1, y1 = b
    cx = (x0 + x1) // 2
    cv.line(x0, y1, x1, y1, ink)
    cv.line(cx, y1 - 1, cx, y0 + 1, accent)
    head_up(cv, cx, y0, accent)


def shape_normal(cv, b, ink, accent):
    x0, y0, x1, y1 = b
    cx = (x0 + x1) // 2
    cv.line(x0, y1, x1, y1 - 2, ink)
    cv.line(cx, y1 - 2, cx, y0 + 1, accent)
    head_up(cv, cx, y0, accent)


def shape_link(cv, b, ink, accent):
    x0, y0, x1, y1 = b
    cy = (y0 + y1) // 2
    w = (x1 - x0) // 2 + 1
    cv.rect(x0 + 1, cy - 2, x0 + w, cy + 2, ink)
    cv.rect(x1 - w, cy - 2, x1 - 1, cy + 2, accent)


def shape_thickness(cv, b, ink, accent):
    x0, y0, x1, y1 = b
    d = 2
    cv.rect(x0 + 1, y0 + d, x1 - d - 1, y1, ink)
    cv.line(x0 + 1, y0 + d, x0 + 1 + d, y0, accent)
    cv.line(x0 + 1 + d, y0, x1 - 1, y0, accent)
    cv.line(x1 - 1, y0, x1 - 1, y1 - d, accent)
    cv.line(x1 - d - 1, y0 + d, x1 - 1, y0, accent)
    cv.line(x1 - d - 1, y1, x1 - 1, y1 - d, accent)


def shape_shadow(cv, b, ink, accent):
    x0, y0, x1, y1 = b
    cx = (x0 + x1) // 2
    r = max(2, (y1 - y0) // 3)
    for x in range(cx - r - 1, x1 + 1):
        cv.set(x, y1, GREY)
        cv.set(x, y1 - 1, GREY)
    cv.disc(cx - 1, y0 + r, r, accent)
    cv.set(cx - 2, y0 + r - 1, WHITE)


def shape_helix(cv, b, ink, accent):
    x0, y0, x1, y1 = b
    h = y1 - y0
    turn = max(3, h // 3)
    y = y0
    while y + turn <= y1 + 1:
        cv.line(x0 + 1, y, x1 - 1, y + turn // 2, accent)
        cv.line(x1 - 1, y + turn // 2, x0 + 1, y + turn, ink)
        y += turn
    cv.line((x0 + x1) // 2, y0, (x0 + x1) // 2, y1, GREY)


def shape_textlines(cv, b, ink, accent):
    x0, y0, x1, y1 = b
    y = y0
    i = 0
    while y <= y1:
        cv.line(x0, y, x1 - (3 if i % 2 else 0), y, accent if i == 1 else ink)
        y += 3
        i += 1


def shape_grid(cv, b, ink, accent):
    x0, y0, x1, y1 = b
    cv.rect(x0, y0, x1, y1, ink)
    for x in range(x0 + 3, x1, 3):
        cv.line(x, y0 + 1, x, y1 - 1, accent)


def shape_table(cv, b, ink, accent):
    x0, y0, x1, y1 = b
    cv.rect(x0, y0, x1, y1, ink)
    cv.line(x0 + 1, (y0 + y1) // 2, x1 - 1, (y0 + y1) // 2, accent)
    for x in range(x0 + 4, x1, 4):
        cv.line(x, y0 + 1, x, y1 - 1, accent)


# Family of a property, chosen from the words of its name; the first rule
# that matches wins, so more specific words come first.
SHAPE_RULES = [
    (('Color',), shape_swatch),
    (('Transparency',), shape_checker),
    (('Radius',), shape_radius),
    (('Diameter',), shape_diameter),
    (('Circumference',), shape_circumference),
    (('Arrow',), shape_arrow),
    (('Vector', 'Direction'), shape_vector),
    (('Rotation',), shape_rotation),
    (('Angle',), shape_angle),
    (('Arc',), shape_arc),
    (('Linetype', 'Style1', 'Style2'), shape_dashed),
    (('Lineweight', 'Weight'), shape_weight),
    (('Layer',), shape_layers),
    (('Hyperlink',), shape_link),
    (('Thickness',), shape_thickness),
    (('Shadows', 'RenShadows'), shape_shadow),
    (('Turns', 'Turn'), shape_helix),
    (('Space', 'Spacing'), shape_textlines),
    (('Iso',), shape_grid),
    (('Columns', 'Rows', 'Row'), shape_table),
    (('Dim',), shape_dimline),
    (('Ext',), shape_extline),
    (('Length', 'Perimeter'), shape_length),
    (('Area',), shape_area),
    (('Height',), shape_height),
    (('Width',), shape_width),
    (('Scale',), shape_scale),
    (('Center', 'Mark'), shape_crosshair),
    (('Vertex',), shape_vertex),
    (('Point',), shape_point),
    (('Closed',), shape_closed),
    (('Elevation',), shape_elevation),
    (('Normal', 'Normals'), shape_normal),
]


# --------------------------------------------------------------------------
# Labels.

WORD_RE = re.compile(r'[A-Z]+(?=[A-Z][a-z])|[A-Z]?[a-z]+|[A-Z]+|\d+')

# Words a label can do without inside their own directory.
REDUNDANT = {
    'Tolerance': {'Tol', 'Tolerance'},
    'Alternate_units': {'Alt'},
    'Text': {'Text'},
    'Pattern': {'Pattern'},
    'Table': {'Table'},
}

# Short forms of words inside a label of several words.
WORD_TOKENS = {
    'Zero': '0', 'Zeroes': '0', 'Feet': "'", 'Inches': '"', 'and': '+',
    'Number': '#', 'Num': '#', 'Count': '#', 'Of': '', 'Precision': '.0',
}

# Labels of names that are one word.
SINGLE_WORDS = {
    'Length': 'LEN', 'Radius': 'R', 'Diameter': 'DIA', 'Circumference': 'CIR',
    'Layer': 'LAY', 'Hyperlink': 'URL', 'Thickness': 'TH', 'Elevation': 'ELV',
    'Height': 'H', 'Width': 'W', 'Area': 'A', 'Angle': 'ANG', 'Rotation': 'ROT',
    'Precision': '.0', 'Perimeter': 'PER', 'Vertex': 'V', 'Turns': 'T',
    'Shadows': 'SH', 'Transparency': '', 'Color': '', 'Linetype': 'LT',
    'Lineweight': 'LW', 'Closed': 'CL', 'Columns': 'COL', 'Rows': 'ROW',
    'Row': 'ROW', 'Direction': 'DIR', 'Measurement': 'VAL', 'Roundoff': 'RND',
    'Degree': 'DEG', 'Twist': 'TW', 'Bank': 'BNK', 'Planar': 'PL',
    'Obliquing': 'OBL', 'Contents': 'TXT', 'Justify': 'JUS', 'Offset': 'OFS',
}

# Names whose general rule would give a label that is unclear or taken.
LABELS = {
    'General_LinetypeScale': 'LTS',
    'General_PlotStyle': 'PS',
    'General_PlotGlyph': 'PG',
    'General_OnOffStatus': 'ON',
    'General_IntensityFactor': 'INT',
    'General_FilterColor': 'F',
    'Misc_LTGeneration': 'LTG',
    'Misc_MLineJustification': 'JUS',
    'Misc_MLineScale': 'ML',
    'Misc_MLineStyle': 'MLS',
    'Misc_UcsIconAtOrigin': 'UCO',
    'Misc_UcsIconOn': 'UCI',
    'Misc_UcsName': 'UCS',
    'Misc_UcsPerViewport': 'UCV',
    'Misc_StartTangentVectorX': 'SX',
    'Misc_StartTangentVectorY': 'SY',
    'Misc_StartTangentVectorZ': 'SZ',
    'Misc_EndTangentVectorX': 'EX',
    'Misc_EndTangentVectorY': 'EY',
    'Misc_EndTangentVectorZ': 'EZ',
    'Misc_ShowClipped': 'SCL',
    'Misc_Clipped': 'CLP',
    'Misc_ColumnSpacing': 'CS',
    'Misc_RowSpacing': 'RS',
    'Misc_ShadePlot': 'SHP',
    'Misc_PlotQuality': 'PQ',
    'Misc_DisplayLocked': 'LCK',
    'Misc_LockPosition': 'LKP',
    'Misc_LinkedToSheetView': 'SV',
    'Misc_SourceApplication': 'APP',
    'Misc_UpsideDown': 'UPD',
    'Misc_Backward': 'BKW',
    'Misc_Invisible': 'INV',
    'Misc_Constant': 'CON',
    'Misc_Verify': 'VER',
    'Misc_Preset': 'PRE',
    'Misc_FitSmooth': 'FIT',
    'Misc_FitTolerance': 'FT',
    'Misc_LeaderType': 'LDR',
    'Geometry_TotalAngle': 'TOT',
    'Geometry_TaperAngle': 'TAP',
    'Geometry_TotalLength': 'TOT',
    'Geometry_Targeted': 'TGT',
    'Geometry_Constrain': 'CON',
    'Geometry_LockAspect': 'ASP',
    'Geometry_RadiusRatio': 'R:R'.replace(':', '/'),
    'Geometry_ScaleMask': 'SM',
    'Geometry_NumCrossSections': '#XS',
    'Geometry_NumGuideCurves': '#GC',
    'Geometry_SurfaceType': 'TYP',
    'Geometry_StartSegmentWidth': 'S',
    'Geometry_EndSegmentWidth': 'E',
    'Geometry_GlobalWidth': 'G',
    'Plot_style_PlotStyle': 'PS',
    'Plot_style_PlotStyleTable': 'PST',
    'Plot_style_PlotStyleType': 'TYP',
    'Text_ContentsSimple': 'TX1',
    'Text_BackgroundMask': 'BGM',
    'Text_CharSpacing': 'CS',
    'Text_LineSpaceDistance': 'D',
    'Text_LineSpaceFactor': 'F',
    'Text_LineSpaceStyle': 'S',
    'Text_Style': 'STY',
    'Text_TextStyle': 'STY',
    'Text_WidthFactor': 'WF',
    'Text_Direction': 'DIR',
    'Text_Prompt': 'PRM',
    'Text_Override': 'OVR',
    'Text_Measurement': 'VAL',
    'Text_Tag': 'TAG',
    'Text_Value': 'VAL',
    'Text_Justify': 'JUS',
    'Table_TableStyle': 'STY',
    'Table_Direction': 'DIR',
    'Mesh_MVertexCount': 'MV#',
    'Mesh_NVertexCount': 'NV#',
    'Mesh_MDensity': 'MD',
    'Mesh_NDensity': 'ND',
    'Mesh_MClosed': 'MCL',
    'Mesh_NClosed': 'NCL',
    'Mesh_NumberOfFaces': '#F',
    'Mesh_NumberOfVertices': '#V',
    'Attenuation_AttType': 'TYP',
    'Attenuation_UseLimits': 'LIM',
    'Attenuation_StartLimitOffset': 'SLO',
    'Attenuation_EndLimitOffset': 'ELO',
    'Render_Shadow_Details_MapSize': 'MAP',
    'Render_Shadow_Details_RenShadows': 'SH',
    'Render_Shadow_Details_Softness': 'SFT',
    'Image_Adjust_Brightness': 'BRI',
    'Image_Adjust_Contrast': 'CON',
    'Image_Adjust_Fade': 'FAD',
    'Image_Adjust_Monochrome': 'MON',
    'Fit_Fit': 'FIT',
    'Fit_TextInside': 'TIN',
    'Fit_TextMovement': 'MOV',
    'Fit_DimScaleOverall': 'DSO',
    'Primary_units_AltFormat': 'FMT',
    'Primary_units_AngleFormat': 'AFM',
    'Primary_units_AnglePrecision': 'A.0',
    'Primary_units_DecimalSeparator': '.,',
    'Primary_units_DimPrefix': 'PRE',
    'Primary_units_DimSuffix': 'SUF',
    'Primary_units_DimScaleLinear': 'DSL',
    'Alternate_units_AltEnabled': 'ALT',
    'Alternate_units_AltFormat': 'FMT',
    'Alternate_units_AltPrefix': 'PRE',
    'Alternate_units_AltSuffix': 'SUF',
    'Alternate_units_AltRound': 'RND',
    'Alternate_units_AltScale': 'SCL',
    'Tolerance_ToleranceDisplay': 'DSP',
    'Tolerance_ToleranceLimitLower': 'LOW',
    'Tolerance_ToleranceLimitUpper': 'UP',
    'Tolerance_TolerancePosVert': 'POS',
    'Tolerance_ToleranceTextHeight': 'TH',
    'Lines_Arrows_ArrowSize': 'SZ',
    'Lines_Arrows_CenterMark': 'CM',
    'Lines_Arrows_CenterMarkSize': 'SZ',
    'Lines_Arrows_CenterLocationX': 'CX',
    'Lines_Arrows_CenterLocationY': 'CY',
    'Lines_Arrows_ExtLineFixed': 'FIX',
    'Lines_Arrows_ExtLineFixedLength': 'FXL',
    'Lines_Arrows_ExtLineExt': 'EXT',
    'Lines_Arrows_ExtLineOffset': 'OFS',
    'Lines_Arrows_JogAngle': 'JOG',
    'Lines_Arrows_JogLocationX': 'JX',
    'Lines_Arrows_JogLocationY': 'JY',
    'Lines_Arrows_DimLineStyle': 'DL',
    'Lines_Arrows_ExtLineStyle1': 'E1',
    'Lines_Arrows_ExtLineStyle2': 'E2',
    'Lines_Arrows_DimLineWeight': 'DL',
    'Lines_Arrows_ExtLineWeight': 'EL',
    'Text_OutsideAlign': 'OUT',
    'Text_InsideAlign': 'IN',
    'Text_PosHor': 'HOR',
    'Text_PosVert': 'VER',
    'Text_FractionalType': '1/2',
    'General_Type': 'TYP',
    'General_Name': 'NAM',
    'General_Associative': 'ASC',
    'Misc_Type': 'TYP',
    'Misc_Name': 'NAM',
    'Misc_On': 'ON',
    'Misc_Size': 'SZ',
    'Misc_Rotation': 'ROT',
    'Misc_BlockUnit': 'BU',
    'Misc_UnitFactor': 'UF',
    'Misc_WidthFactor': 'WF',
    'Misc_ArcOffset': 'AO',
    'Misc_LeftOffset': 'LO',
    'Misc_RightOffset': 'RO',
    'Misc_CustomScale': 'CS',
    'Misc_StandardScale': 'SS',
    'Misc_DimStyle': 'DS',
    'Misc_ShowImage': 'IMG',
    'Pattern_PatternName': 'NAM',
    'Pattern_Type': 'TYP',
    'Pattern_IslandDetection': 'ISL',
    'Pattern_Centered': 'CTR',
    'Pattern_Color1and2': '1+2',
    'Pattern_GradientAngle': 'G',
    'Pattern_OriginX': 'OX',
    'Pattern_OriginY': 'OY',
    'Pattern_Scale': 'S',
    'Pattern_Spacing': 'SP',
}


def split_words(name):
    return WORD_RE.findall(name)


def make_label(directory, name, max_width):
    key = directory + '_' + name
    if key in LABELS:
        label = LABELS[key]
    else:
        words = split_words(name)
        kept = [w for w in words if w not in REDUNDANT.get(directory, ())]
        if not kept:
            kept = words
        if len(kept) == 1:
            w = kept[0]
            if w in SINGLE_WORDS:
                label = SINGLE_WORDS[w]
            elif len(w) <= 3:
                label = w.upper()
            else:
                label = w[:3].upper()
        else:
            label = ''.join(WORD_TOKENS.get(w, w if w.isdigit() else w[0].upper())
                            for w in kept)
    # Glyphs the pixel font lacks are dropped rather than guessed.
    label = ''.join(c for c in label.upper() if c in FONT)
    while text_width(label) > max_width:
        label = label[:-1]
    return label


def pick_shape(name):
    words = set(split_words(name))
    for keys, shape in SHAPE_RULES:
        if words.intersection(keys):
            return shape
    return None


# --------------------------------------------------------------------------
# Icon composition.

# Sizes and colour types that differ from the usual 20 x 20 RGBA.
SPECIAL_SIZES = {
    'Geometry_Rotation': (14, 14, False),
    'Geometry_Turns': (16, 18, True),
    'General_Thickness': (18, 18, True),
    'General_Shadows': (16, 16, True),
}


def draw_icon(directory, name):
    """Returns (width, height, has_alpha, rows of RGBA tuples)."""
    w, h, alpha = SPECIAL_SIZES.get(directory + '_' + name, (20, 20, True))
    base = dir_colour(directory)
    frame = base + (255,)
    paper = mix(base, (255, 255, 255), 0.88) + (255,)
    ink = mix(base, (0, 0, 0), 0.45) + (255,)
    accent = frame
    clear = (0, 0, 0, 0) if alpha else WHITE

    cv = Canvas(w, h, clear)
    # Rounded frame: the corner pixels stay clear.
    cv.fill(1, 1, w - 2, h - 2, paper)
    cv.rect(0, 0, w - 1, h - 1, frame)
    rad = 2 if min(w, h) >= 18 else 1
    for cx, cy, sx, sy in ((0, 0, 1, 1), (w - 1, 0, -1, 1),
                           (0, h - 1, 1, -1), (w - 1, h - 1, -1, -1)):
        cv.set(cx, cy, clear)
        if rad == 2:
            cv.set(cx + sx, cy, clear)
            cv.set(cx, cy + sy, clear)
            cv.set(cx + sx, cy + sy, frame)

    inner_w = w - 4
    shape = pick_shape(name)
    small = w < 18
    label = make_label(directory, name, inner_w)
    if shape is not None and small:
        # Too little room for both: the pictogram alone says it.
        shape(cv, (3, 3, w - 4, h - 4), ink, accent)
    elif shape is not None:
        label_y = h - 8
        shape(cv, (3, 3, w - 4, label_y - 2), ink, accent)
        if label:
            cv.text((w - text_width(label)) // 2, label_y, label, TEXT_INK)
    else:
        cv.text((w - text_width(label)) // 2, (h - 5) // 2, label, TEXT_INK)
    return w, h, alpha, cv.px


# --------------------------------------------------------------------------
# PNG encoding.

def png_chunk(kind, data):
    body = kind + data
    return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body) & 0xffffffff)


def encode_png(w, h, alpha, rows):
    raw = bytearray()
    for row in rows:
        raw.append(0)  # filter type None
        for r, g, b, a in row:
            if alpha:
                raw += bytes((r, g, b, a))
            else:
                raw += bytes((r, g, b))
    colour_type = 6 if alpha else 2
    ihdr = struct.pack('>IIBBBBB', w, h, 8, colour_type, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + png_chunk(b'IHDR', ihdr) +
            png_chunk(b'IDAT', zlib.compress(bytes(raw), 9)) +
            png_chunk(b'IEND', b''))


# --------------------------------------------------------------------------
# Resource collection, format version 1.

def resource_hash(name):
    h = 0
    for c in name.encode('utf-16-be'), :
        pass
    units = struct.unpack('>%dH' % (len(c) // 2), c)
    for u in units:
        h = (h << 4) + u
        h ^= (h & 0xf0000000) >> 23
        h &= 0x0fffffff
    return h


class Node:
    def __init__(self, name, data=None):
        self.name = name
        self.data = data
        self.children = {}
        self.index = 0
        self.first_child = 0

    def is_dir(self):
        return self.data is None


def build_collection(files):
    """files: list of (path components, bytes).  Returns (tree, names, payloads)."""
    root = Node('')
    for parts, data in files:
        node = root
        for part in parts[:-1]:
            child = node.children.get(part)
            if child is None:
                child = node.children[part] = Node(part)
            if not child.is_dir():
                raise ValueError('%s is both a file and a directory' % part)
            node = child
        if parts[-1] in node.children:
            raise ValueError('duplicate path %s' % '/'.join(parts))
        node.children[parts[-1]] = Node(parts[-1], data)

    def sorted_children(node):
        kids = sorted(node.children.values(), key=lambda n: (resource_hash(n.name), n.name))
        hashes = [resource_hash(n.name) for n in kids]
        if len(set(hashes)) != len(hashes):
            # The toolkit finds a child by binary search on the hash; keep
            # the lookup unambiguous rather than rely on tie handling.
            raise ValueError('name hash collision under %r' % node.name)
        return kids

    # Breadth first: each directory's children take consecutive nodes.
    order = [root]
    queue = [root]
    while queue:
        d = queue.pop(0)
        kids = sorted_children(d)
        d.first_child = len(order)
        for k in kids:
            k.index = len(order)
            order.append(k)
            if k.is_dir():
                queue.append(k)

    names = bytearray()
    name_offsets = {}

    def name_offset(name):
        if name not in name_offsets:
            units = name.encode('utf-16-be')
            name_offsets[name] = len(names)
            names.extend(struct.pack('>HI', len(units) // 2, resource_hash(name)))
            names.extend(units)
        return name_offsets[name]

    payloads = bytearray()
    tree = bytearray()
    for node in order:
        off = 0 if node is root else name_offset(node.name)
        if node.is_dir():
            tree += struct.pack('>IHII', off, 0x02, len(node.children), node.first_child)
        else:
            data_off = len(payloads)
            payloads += struct.pack('>I', len(node.data)) + node.data
            # Uncompressed, any country (0), language C (1).
            tree += struct.pack('>IHHHI', off, 0x00, 0, 1, data_off)
    return bytes(tree), bytes(names), bytes(payloads)


def c_array(name, data):
    out = ['static const unsigned char %s[] = {' % name]
    for i in range(0, len(data), 20):
        out.append('  ' + ','.join(str(b) for b in data[i:i + 20]) + ',')
    out.append('};')
    return '\n'.join(out)


HEADER = """\
// Generated by make_icons.py; do not edit.
#ifndef KD_ICONS_H
#define KD_ICONS_H

// Makes the compiled-in property icons reachable under ":/"; false when the
// toolkit refuses the collection.
bool kdRegisterIcons();

// Withdraws them again; false when they were not registered.
bool kdUnregisterIcons();

#endif
"""

SOURCE = """\
// Generated by make_icons.py from the icon list; do not edit.
// {count} icons in {dirs} directories.
#include "{header}"

// Declared here as the toolkit's own generated resource code does, so that
// this file needs no toolkit header.
bool qRegisterResourceData(int, const unsigned char *, const unsigned char *, const unsigned char *);
bool qUnregisterResourceData(int, const unsigned char *, const unsigned char *, const unsigned char *);

{tree}

{names}

{payloads}

bool kdRegisterIcons()
{{
    return qRegisterResourceData(1, kd_icon_tree, kd_icon_names, kd_icon_payloads);
}}

bool kdUnregisterIcons()
{{
    return qUnregisterResourceData(1, kd_icon_tree, kd_icon_names, kd_icon_payloads);
}}
"""


# --------------------------------------------------------------------------

PATH_RE = re.compile(r'^:/([A-Za-z0-9_]+)/(([A-Za-z0-9_]+)\.png)$')


def read_list(path):
    entries = []
    with open(path, encoding='utf-8') as f:
        for lineno, line in enumerate(f, 1):
            line = line.strip()
            if not line or line.startswith('#'):
                continue
            m = PATH_RE.match(line)
            if not m or not m.group(3).startswith(m.group(1) + '_'):
                raise ValueError('%s:%d: not an icon path of the form '
                                 ':/Dir/Dir_Name.png: %r' % (path, lineno, line))
            entries.append((m.group(1), m.group(3)[len(m.group(1)) + 1:], m.group(2)))
    return entries


def write_if_changed(path, data):
    if os.path.exists(path):
        with open(path, 'rb') as f:
            if f.read() == data:
                return
    tmp = path + '.tmp'
    with open(tmp, 'wb') as f:
        f.write(data)
    os.replace(tmp, path)


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument('--list', required=True, help='icon list, one path a line')
    ap.add_argument('--cpp', help='C++ source to write')
    ap.add_argument('--header', help='header to write')
    ap.add_argument('--png-dir', help='folder to write the PNG files into')
    args = ap.parse_args(argv)

    entries = read_list(args.list)
    files = []
    for directory, name, filename in entries:
        png = encode_png(*draw_icon(directory, name))
        files.append(((directory, filename), png))
        if args.png_dir:
            folder = os.path.join(args.png_dir, directory)
            os.makedirs(folder, exist_ok=True)
            write_if_changed(os.path.join(folder, filename), png)

    tree, names, payloads = build_collection(files)
    if args.header:
        write_if_changed(args.header, HEADER.encode('utf-8'))
    if args.cpp:
        header = os.path.basename(args.header) if args.header else 'kd_icons.h'
        src = SOURCE.format(count=len(files),
                            dirs=len(set(d for d, _, _ in entries)),
                            header=header,
                            tree=c_array('kd_icon_tree', tree),
                            names=c_array('kd_icon_names', names),
                            payloads=c_array('kd_icon_payloads', payloads))
        write_if_changed(args.cpp, src.encode('utf-8'))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
