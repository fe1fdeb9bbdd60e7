#!/usr/bin/env python3
"""Draws KORVANT's icon, a section through a rigid pavement under a wheel, as SVG and PNG.

The two files come from the same list of shapes so that they always agree:
    tools/make_icon.py packaging/korvant.svg packaging/korvant.png
"""
import struct
import sys
import zlib

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


def inside(kind, geometry, x, y):
    if kind == "circle":
        cx, cy, radius = geometry
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2
    left, top, w, h, radius = geometry
    if not (left <= x <= left + w and top <= y <= top + h):
        return False
    # Rounded corners: outside the quarter circle of a corner square.
    cx = min(max(x, left + radius), left + w - radius)
    cy = min(max(y, top + radius), top + h - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def png():
    samples = 4
    rows = []
    for py in range(SIZE):
        row = bytearray([0])
        for px in range(SIZE):
            total = [0, 0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    x = px + (sx + 0.5) / samples
                    y = py + (sy + 0.5) / samples
                    colour = None
                    for kind, rgb, geometry in SHAPES:
                        if inside(kind, geometry, x, y):
                            colour = rgb
                    if colour:
                        total[0] += colour[0]
                        total[1] += colour[1]
                        total[2] += colour[2]
                        total[3] += 255
            n = samples * samples
            alpha = total[3] // n
            if alpha:
                row += bytes([total[0] * 255 // total[3], total[1] * 255 // total[3],
                              total[2] * 255 // total[3], alpha])
            else:
                row += bytes(4)
        rows.append(bytes(row))

    def chunk(tag, data):
        body = tag + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    svg_path, png_path = sys.argv[1:3]
    with open(svg_path, "w", encoding="ascii") as out:
        out.write(svg())
    with open(png_path, "wb") as out:
        out.write(png())
