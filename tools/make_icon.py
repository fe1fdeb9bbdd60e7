#!/usr/bin/env python3
"""Draws KORVANT's icon, a section through a rigid pavement under a wheel, as SVG.

    tools/make_icon.py packaging/korvant.svg

The build renders the PNGs of every hicolor size from that SVG (cmake/icons.cmake).
"""
import sys

SIZE = 256
# (kind, colour, geometry) in a 256 x 256 box.
SHAPES = [
    ("rect", (28, 48, 78), (0, 0, 256, 256, 40)),          # background
    ("rect", (128, 92, 60), (24, 178, 208, 54, 6)),         # subgrade
    ("rect", (214, 190, 132), (24, 150, 208, 28, 0)),       # bottom layer
    ("rect", (200, 203, 207), (24, 104, 208, 46, 0)),       # concrete slab
    ("rect", (120, 124, 130), (126, 104, 4, 46, 0)),        # joint between two slabs
    ("circle", (30, 30, 32), (92, 70, 34)),                 # tire
    ("circle", (150, 150, 156), (92, 70, 13)),              # hub
]


def svg():
    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" '
             'viewBox="0 0 256 256">']
    for kind, (r, g, b), geometry in SHAPES:
        fill = f"#{r:02x}{g:02x}{b:02x}"
        if kind == "rect":
            x, y, w, h, radius = geometry
            parts.append(f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{radius}" '
                         f'fill="{fill}"/>')
        else:
            cx, cy, radius = geometry
            parts.append(f'<circle cx="{cx}" cy="{cy}" r="{radius}" fill="{fill}"/>')
    parts.append("</svg>")
    return "\n".join(parts) + "\n"


if __name__ == "__main__":
    with open(sys.argv[1], "w", encoding="ascii") as out:
        out.write(svg())
