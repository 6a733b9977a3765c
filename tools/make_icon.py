#!/usr/bin/env python3
"""Writes the program's icon for the desktop into packaging/icons/: a scalable
SVG and a 256 x 256 PNG of the same drawing.

The drawing is the settings form's icon (icon_picture() in src/ui/form_pictures.cpp):
on a black 32 x 32 square, six rings of 3 to 8 sides shrink toward the centre,
each turned a little further. Change both together; tests/ui/icon_file_test.cpp
compares the PNG with the form's icon.
Run from anywhere: python3 tools/make_icon.py
"""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
OUTPUT = os.path.join(HERE, "..", "packaging", "icons")
APP_ID = "io.github.quorrings.Quorrings"

DESIGN_SIZE = 32
CENTRE = 16.0
PEN_WIDTH = 1.2
COLOURS = [(255, 40, 40), (255, 160, 0), (255, 240, 60), (60, 220, 80), (60, 160, 255), (170, 90, 255)]
SIDES = [3, 4, 5, 6, 7, 8]
PNG_SIZE = 256


def ring_points(ring):
    """The ring's corners, the first repeated at the end, as the form draws its polyline."""
    radius = 15.0 * 0.72 ** ring
    turn = 0.06 * ring - 0.25
    sides = SIDES[ring]
    points = []
    for corner in range(sides + 1):
        angle = 2 * math.pi * (turn + corner / sides)
        points.append((CENTRE + radius * math.cos(angle), CENTRE + radius * math.sin(angle)))
    return points


def svg_text():
    lines = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{PNG_SIZE}" height="{PNG_SIZE}"'
        f' viewBox="0 0 {DESIGN_SIZE} {DESIGN_SIZE}">',
        f'  <rect width="{DESIGN_SIZE}" height="{DESIGN_SIZE}" fill="#000000"/>',
        f'  <g fill="none" stroke-width="{PEN_WIDTH}" stroke-linejoin="bevel" stroke-linecap="square">',
    ]
    for ring, colour in enumerate(COLOURS):
        points = " ".join(f"{x:.4f},{y:.4f}" for x, y in ring_points(ring))
        lines.append(f'    <polyline stroke="#{colour[0]:02x}{colour[1]:02x}{colour[2]:02x}" points="{points}"/>')
    lines += ["  </g>", "</svg>", ""]
    return "\n".join(lines)


def half_planes(corners):
    """A convex polygon (corners counter-clockwise on screen) as unit half-planes a*x + b*y + c <= 0."""
    planes = []
    for (x0, y0), (x1, y1) in zip(corners, corners[1:] + corners[:1]):
        a, b = y1 - y0, x0 - x1
        length = math.hypot(a, b)
        if length == 0:
            continue
        a, b = a / length, b / length
        planes.append((a, b, -(a * x0 + b * y0)))
    # Wound the other way, every plane points inward: flip them all.
    cx = sum(x for x, _ in corners) / len(corners)
    cy = sum(y for _, y in corners) / len(corners)
    if planes and planes[0][0] * cx + planes[0][1] * cy + planes[0][2] > 0:
        planes = [(-a, -b, -c) for a, b, c in planes]
    return planes


def stroke_shapes(points, half_width):
    """The pen's outline as convex pieces: a box per segment (square caps at the two
    ends) and a bevel triangle at each inner corner."""
    shapes = []
    segments = list(zip(points, points[1:]))
    for index, ((x0, y0), (x1, y1)) in enumerate(segments):
        length = math.hypot(x1 - x0, y1 - y0)
        ux, uy = (x1 - x0) / length, (y1 - y0) / length
        nx, ny = -uy, ux
        start = half_width if index == 0 else 0.0
        end = half_width if index == len(segments) - 1 else 0.0
        ax, ay = x0 - ux * start, y0 - uy * start
        bx, by = x1 + ux * end, y1 + uy * end
        shapes.append(half_planes([(ax + nx * half_width, ay + ny * half_width),
                                   (bx + nx * half_width, by + ny * half_width),
                                   (bx - nx * half_width, by - ny * half_width),
                                   (ax - nx * half_width, ay - ny * half_width)]))
    for ((x0, y0), (x1, y1)), ((_, _), (x2, y2)) in zip(segments, segments[1:]):
        def normal(xa, ya, xb, yb):
            length = math.hypot(xb - xa, yb - ya)
            return -(yb - ya) / length * half_width, (xb - xa) / length * half_width
        n1, n2 = normal(x0, y0, x1, y1), normal(x1, y1, x2, y2)
        # The outer side of the turn is where the two offsets spread apart.
        cross = (x1 - x0) * (y2 - y1) - (y1 - y0) * (x2 - x1)
        sign = -1 if cross > 0 else 1
        shapes.append(half_planes([(x1, y1), (x1 + sign * n1[0], y1 + sign * n1[1]),
                                   (x1 + sign * n2[0], y1 + sign * n2[1])]))
    return [shape for shape in shapes if len(shape) >= 3]


def png_pixels():
    """Rows of RGB bytes: each ring painted over the last with its antialiased coverage."""
    scale = PNG_SIZE / DESIGN_SIZE
    image = [[0.0, 0.0, 0.0] for _ in range(PNG_SIZE * PNG_SIZE)]
    for ring, colour in enumerate(COLOURS):
        points = [(x * scale, y * scale) for x, y in ring_points(ring)]
        shapes = stroke_shapes(points, PEN_WIDTH * scale / 2)
        reach = PEN_WIDTH * scale + 2
        left = max(0, int(min(x for x, _ in points) - reach))
        right = min(PNG_SIZE, int(max(x for x, _ in points) + reach) + 1)
        top = max(0, int(min(y for _, y in points) - reach))
        bottom = min(PNG_SIZE, int(max(y for _, y in points) + reach) + 1)
        for row in range(top, bottom):
            py = row + 0.5
            for column in range(left, right):
                px = column + 0.5
                # Signed distance to the union of the pieces, turned into a pixel's coverage.
                distance = min(max(a * px + b * py + c for a, b, c in shape) for shape in shapes)
                coverage = min(1.0, max(0.0, 0.5 - distance))
                if coverage > 0:
                    pixel = image[row * PNG_SIZE + column]
                    for channel in range(3):
                        pixel[channel] += (colour[channel] - pixel[channel]) * coverage
    rows = []
    for row in range(PNG_SIZE):
        line = bytearray([0])  # filter: none
        for column in range(PNG_SIZE):
            line += bytes(round(value) for value in image[row * PNG_SIZE + column])
        rows.append(bytes(line))
    return b"".join(rows)


def png_bytes(raw_rows):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    header = struct.pack(">IIBBBBB", PNG_SIZE, PNG_SIZE, 8, 2, 0, 0, 0)  # 8-bit RGB
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw_rows, 9))
            + chunk(b"IEND", b""))


def main():
    os.makedirs(OUTPUT, exist_ok=True)
    with open(os.path.join(OUTPUT, APP_ID + ".svg"), "w", encoding="utf-8", newline="\n") as svg:
        svg.write(svg_text())
    with open(os.path.join(OUTPUT, APP_ID + ".png"), "wb") as png:
        png.write(png_bytes(png_pixels()))


if __name__ == "__main__":
    main()
