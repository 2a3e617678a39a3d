#!/usr/bin/env python3
"""Draws the two drag cursor pictures of the pick grid as 32x32 icons.

drag.ico: the pointer carrying a row card (a row being dragged).
drop.ico: the pointer over a tray with an arrow into it (the row may be
dropped here). The arrow's tip sits at the picture's centre, where the
drag cursor's hot spot is. Run from this folder: python3 make_cursors.py
"""
import struct

SIZE = 32
CLEAR = (0, 0, 0, 0)
BLACK = (0, 0, 0, 255)
WHITE = (255, 255, 255, 255)
CARD = (255, 192, 192, 255)      # light blue, as B, G, R, A
CARD_EDGE = (128, 64, 0, 255)    # dark blue
LINE = (160, 96, 32, 255)
TRAY = (64, 160, 64, 255)        # green
TRAY_EDGE = (0, 96, 0, 255)


def blank():
    return [[CLEAR] * SIZE for _ in range(SIZE)]


TIP = 15


def pointer(img):
    # A small arrow with its tip at the centre: black outline, white inside.
    rows = [
        "X", "XX", "X.X", "X..X", "X...X", "X....X", "X.....X", "X......X",
        "X.......X", "X....XXXX", "X..X..X", "X.X X..X", "XX   X..X",
        "X    X..X", "      XX",
    ]
    for y, row in enumerate(rows):
        for x, c in enumerate(row):
            if c == "X":
                img[TIP + y][TIP + x] = BLACK
            elif c == ".":
                img[TIP + y][TIP + x] = WHITE


def rect(img, x0, y0, x1, y1, fill, edge):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            border = x in (x0, x1) or y in (y0, y1)
            img[y][x] = edge if border else fill


def drag_picture():
    img = blank()
    rect(img, 2, 2, 26, 13, CARD, CARD_EDGE)
    for y in (5, 8, 11):
        for x in range(5, 24):
            img[y][x] = LINE
    pointer(img)
    return img


def drop_picture():
    img = blank()
    # The tray: an open box across the top.
    for y in range(6, 15):
        for x in range(1, 31):
            if y == 14 or x in (1, 30):
                img[y][x] = TRAY_EDGE
            elif y >= 10:
                img[y][x] = TRAY
    # The arrow pointing into the tray.
    for y in range(0, 6):
        for x in range(6, 11):
            img[y][x] = TRAY_EDGE if x in (6, 10) else TRAY
    for i in range(5):
        y = 5 + i
        for x in range(3 + i, 14 - i):
            img[y][x] = TRAY if 3 + i < x < 13 - i else TRAY_EDGE
    pointer(img)
    return img


def ico(img):
    # A 32-bit BMP payload, rows bottom-up, then the 1-bit AND mask.
    pixels = b"".join(bytes(img[y][x]) for y in reversed(range(SIZE)) for x in range(SIZE))
    mask_row = (SIZE + 31) // 32 * 4
    mask = bytearray()
    for y in reversed(range(SIZE)):
        row = bytearray(mask_row)
        for x in range(SIZE):
            if img[y][x][3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    payload = header + pixels + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(payload), 22)
    return directory + payload


for name, picture in (("drag.ico", drag_picture()), ("drop.ico", drop_picture())):
    with open(name, "wb") as f:
        f.write(ico(picture))
