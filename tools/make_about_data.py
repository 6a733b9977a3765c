#!/usr/bin/env python3
"""Writes the about box's data file, data/Quor_Rings_32_Binary.bin.

Three images of 384 rows by 24 columns, one byte a cell (1 marks a point, 0
none), one after the other: 27,648 bytes. The box wraps each image around a
band of a sphere: a row is a step along the band, a column a step across it.
Seen from the front of the turning band, rows run from left to right and
columns from top to bottom, so a letter is laid down with its left edge at the
lower row and its top at column 0. Each image may mark at most 2048 cells.

Run from anywhere: python3 tools/make_about_data.py
"""

import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
OUTPUT = os.path.join(HERE, "..", "data", "Quor_Rings_32_Binary.bin")

ROWS = 384
COLUMNS = 24
MOST_POINTS = 2048

# A 5 x 7 capital font, top row first.
FONT = {
    " ": ["     "] * 7,
    "0": [" ### ", "#   #", "#  ##", "# # #", "##  #", "#   #", " ### "],
    "2": [" ### ", "#   #", "    #", "  ## ", " #   ", "#    ", "#####"],
    "4": ["   # ", "  ## ", " # # ", "#  # ", "#####", "   # ", "   # "],
    "8": [" ### ", "#   #", "#   #", " ### ", "#   #", "#   #", " ### "],
    "G": [" ### ", "#   #", "#    ", "# ###", "#   #", "#   #", " ####"],
    "I": [" ### ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "],
    "N": ["#   #", "#   #", "##  #", "# # #", "#  ##", "#   #", "#   #"],
    "O": [" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "],
    "P": ["#### ", "#   #", "#   #", "#### ", "#    ", "#    ", "#    "],
    "Q": [" ### ", "#   #", "#   #", "#   #", "# # #", "#  # ", " ## #"],
    "R": ["#### ", "#   #", "#   #", "#### ", "# #  ", "#  # ", "#   #"],
    "S": [" ####", "#    ", "#    ", " ### ", "    #", "    #", "#### "],
    "T": ["#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  "],
    "U": ["#   #", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "],
}

GLYPH_WIDTH = 5
GLYPH_HEIGHT = 7
SCALE_ALONG = 2   # rows per font pixel
SCALE_ACROSS = 3  # columns per font pixel
LETTER_GAP = 3    # rows between letters


def blank():
    return [[0] * COLUMNS for _ in range(ROWS)]


def lettering(text, copies):
    """The text `copies` times, evenly round the band, so that one copy is always
    near the front; one font pixel is a block of 2 rows by 3 columns."""
    image = blank()
    advance = GLYPH_WIDTH * SCALE_ALONG + LETTER_GAP
    length = len(text) * advance - LETTER_GAP
    top = (COLUMNS - GLYPH_HEIGHT * SCALE_ACROSS) // 2
    for copy in range(copies):
        first_row = round((copy + 0.5) * ROWS / copies - length / 2)
        for index, character in enumerate(text):
            for glyph_row, line in enumerate(FONT[character]):
                for glyph_column, cell in enumerate(line):
                    if cell != "#":
                        continue
                    for along in range(SCALE_ALONG):
                        for across in range(SCALE_ACROSS):
                            row = first_row + index * advance + glyph_column * SCALE_ALONG + along
                            column = top + glyph_row * SCALE_ACROSS + across
                            image[row][column] = 1
    return image


def ring_chain(count, radius):
    """Rings linked in a chain all the way round the band."""
    image = blank()
    spacing = ROWS / count
    centre_column = (COLUMNS - 1) / 2
    for ring in range(count):
        centre_row = spacing * (ring + 0.5)
        steps = int(2 * math.pi * radius * 2)
        for step in range(steps):
            angle = 2 * math.pi * step / steps
            row = round(centre_row + radius * math.cos(angle))
            column = round(centre_column + radius * math.sin(angle))
            if 0 <= row < ROWS and 0 <= column < COLUMNS:
                image[row][column] = 1
    return image


def block_bytes(image):
    marked = sum(map(sum, image))
    assert marked <= MOST_POINTS, f"{marked} points, more than {MOST_POINTS}"
    return bytes(cell for row in image for cell in row)


def main():
    images = [lettering("QUORRINGS", 2), lettering("2048 POINTS", 2), ring_chain(24, 10.5)]
    data = b"".join(block_bytes(image) for image in images)
    assert len(data) == ROWS * COLUMNS * 3
    with open(OUTPUT, "wb") as file:
        file.write(data)
    for number, image in enumerate(images):
        print(f"image {number}: {sum(map(sum, image))} points")


if __name__ == "__main__":
    main()
