#!/usr/bin/env python3
"""Writes the palette files that ship with the program into data/palette/.

Each palette is a closed loop of key colours blended with a cosine ease, so that
rotating it shows no seam where the last colour meets the first.
Run from anywhere: python3 tools/make_palettes.py
"""

import colorsys
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
OUTPUT = os.path.join(HERE, "..", "data", "palette")


def loop_of_keys(keys, count):
    """count colours around the closed loop of keys, evenly spaced."""
    colours = []
    for i in range(count):
        position = i * len(keys) / count
        index = int(position)
        fraction = position - index
        ease = (1 - math.cos(fraction * math.pi)) / 2
        start, end = keys[index], keys[(index + 1) % len(keys)]
        colours.append(tuple(round(a + (b - a) * ease) for a, b in zip(start, end)))
    return colours


def hue_circle(count):
    colours = []
    for i in range(count):
        red, green, blue = colorsys.hsv_to_rgb(i / count, 1.0, 1.0)
        colours.append((round(red * 255), round(green * 255), round(blue * 255)))
    return colours


PALETTES = {
    "FIRE.PAL": loop_of_keys(
        [(16, 0, 0), (96, 0, 0), (192, 24, 0), (255, 96, 0), (255, 176, 16),
         (255, 240, 128), (255, 176, 16), (255, 96, 0), (192, 24, 0), (96, 0, 0)], 200),
    "ICE.PAL": loop_of_keys(
        [(0, 16, 64), (0, 64, 160), (32, 144, 224), (128, 208, 255), (224, 248, 255),
         (128, 208, 255), (32, 144, 224), (0, 64, 160)], 192),
    "RAINBOW.PAL": hue_circle(236),
    "SUNSET.PAL": loop_of_keys(
        [(40, 0, 72), (128, 16, 112), (224, 48, 72), (255, 112, 32), (255, 184, 48),
         (255, 112, 32), (232, 72, 96), (128, 16, 112)], 216),
}


def main():
    os.makedirs(OUTPUT, exist_ok=True)
    for name, colours in PALETTES.items():
        lines = [str(len(colours))] + ["%d %d %d" % colour for colour in colours]
        with open(os.path.join(OUTPUT, name), "wb") as output:
            output.write(("\r\n".join(lines) + "\r\n").encode("ascii"))


if __name__ == "__main__":
    main()
