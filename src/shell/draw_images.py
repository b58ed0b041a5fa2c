#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Tinctora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Draws Tinctora's window icon, the two eyedropper icons and the two
eyedropper cursors, and writes them as XPM (icons) and XBM pairs (cursors:
picture and mask) next to this script. Run it again after changing a drawing;
the written files are committed and compiled into the program."""

import os

SIZE = 32
HERE = os.path.dirname(os.path.abspath(__file__))

# Cursor pixels: black, white, transparent and inverted (picture 1, mask 0).
BLACK, WHITE, CLEAR, INVERT = "#", ".", " ", "x"


def blank(fill):
    return [[fill] * SIZE for _ in range(SIZE)]


def put(grid, x, y, value):
    if 0 <= x < SIZE and 0 <= y < SIZE:
        grid[y][x] = value


def bar(grid, x0, y0, x1, y1, core, edge):
    """A one-pixel line from (x0, y0) to (x1, y1), axis-parallel, with an
    outline one pixel wide around it."""
    xs, ys = range(min(x0, x1), max(x0, x1) + 1), range(min(y0, y1), max(y0, y1) + 1)
    for y in range(ys.start - 1, ys.stop + 1):
        for x in range(xs.start - 1, xs.stop + 1):
            if grid[y][x] == CLEAR or grid[y][x] == edge:
                put(grid, x, y, edge)
    for y in ys:
        for x in xs:
            put(grid, x, y, core)


def square(grid, low, high, value):
    for i in range(low, high + 1):
        for x, y in ((i, low), (i, high), (low, i), (high, i)):
            put(grid, x, y, value)


def cross_hair(centre, gap, length, core, edge):
    grid = blank(CLEAR)
    c = centre
    bar(grid, c - gap - length, c, c - gap - 1, c, core, edge)
    bar(grid, c + gap + 1, c, c + gap + length, c, core, edge)
    bar(grid, c, c - gap - length, c, c - gap - 1, core, edge)
    bar(grid, c, c + gap + 1, c, c + gap + length, core, edge)
    return grid


def cursor_single():
    """Four bars around one marked pixel; hot spot (13, 13)."""
    grid = cross_hair(13, 3, 8, BLACK, WHITE)
    square(grid, 11, 15, INVERT)
    square(grid, 12, 14, WHITE)
    put(grid, 13, 13, BLACK)
    return grid, (13, 13)


def cursor_block():
    """Four bars around a hollow square the size of the 5 x 5 block; hot spot (12, 12)."""
    grid = cross_hair(12, 4, 7, BLACK, WHITE)
    square(grid, 8, 16, WHITE)
    square(grid, 9, 15, BLACK)
    square(grid, 10, 14, INVERT)
    return grid, (12, 12)


def write_xbm(path, name, bits, hot=None):
    lines = [f"#define {name}_width {SIZE}", f"#define {name}_height {SIZE}"]
    if hot:
        lines += [f"#define {name}_x_hot {hot[0]}", f"#define {name}_y_hot {hot[1]}"]
    data = []
    for row in bits:
        for start in range(0, SIZE, 8):
            byte = 0
            for bit, on in enumerate(row[start:start + 8]):
                if on:
                    byte |= 1 << bit
            data.append(f"0x{byte:02x}")
    body = ",\n   ".join(", ".join(data[i:i + 12]) for i in range(0, len(data), 12))
    lines.append(f"static unsigned char {name}_bits[] = {{\n   {body} }};")
    with open(path, "w") as out:
        out.write("\n".join(lines) + "\n")


def write_cursor(number, grid, hot):
    picture = [[p in (BLACK, INVERT) for p in row] for row in grid]
    mask = [[p in (BLACK, WHITE) for p in row] for row in grid]
    write_xbm(os.path.join(HERE, "cursors", f"{number}.xbm"), f"cursor_{number}", picture, hot)
    write_xbm(os.path.join(HERE, "cursors", f"{number}_mask.xbm"), f"cursor_{number}_mask", mask)


# The classic 16-colour palette the icons are drawn in.
PALETTE = {
    " ": "None", "k": "#000000", "r": "#800000", "g": "#008000", "y": "#808000",
    "b": "#000080", "m": "#800080", "c": "#008080", "s": "#C0C0C0", "d": "#808080",
    "R": "#FF0000", "G": "#00FF00", "Y": "#FFFF00", "B": "#0000FF", "M": "#FF00FF",
    "C": "#00FFFF", "w": "#FFFFFF",
}


def fill_rect(grid, x0, y0, x1, y1, value):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            put(grid, x, y, value)


def icon_from_cursor(grid, colours):
    """The idle picture of the eyedropper box: the cursor's drawing in black
    and white on clear ground, with the sampled pixels coloured in."""
    icon = [["k" if p == BLACK else "w" if p == WHITE else " " for p in row] for row in grid]
    for (x, y), value in colours.items():
        put(icon, x, y, value)
    return icon


def icon_single():
    grid, _ = cursor_single()
    return icon_from_cursor(grid, {(13, 13): "R"})


def icon_block():
    grid, _ = cursor_block()
    tiles = "RYGCBMrygcbmRYGCBMrygcbmR"
    return icon_from_cursor(grid, {(10 + i % 5, 10 + i // 5): tiles[i] for i in range(25)})


def icon_window():
    """Three overlapping colour tiles under a cross hair: choosing one colour exactly."""
    icon = blank(" ")
    for (x0, y0, colour) in ((2, 2, "R"), (11, 7, "G"), (6, 14, "B")):
        fill_rect(icon, x0, y0, x0 + 15, y0 + 15, "k")
        fill_rect(icon, x0 + 1, y0 + 1, x0 + 14, y0 + 14, colour)
    bar(icon, 24, 17, 24, 30, "k", "w")
    bar(icon, 17, 24, 30, 24, "k", "w")
    fill_rect(icon, 23, 23, 25, 25, "w")
    put(icon, 24, 24, "k")
    return icon


def write_xpm(path, name, icon):
    used = sorted({p for row in icon for p in row})
    lines = ["/* XPM */", f"static const char *{name}[] = {{", f'"{SIZE} {SIZE} {len(used)} 1",']
    lines += [f'"{key} c {PALETTE[key]}",' for key in used]
    lines += [f'"{"".join(row)}",' for row in icon]
    lines[-1] = lines[-1].rstrip(",")
    lines.append("};")
    with open(path, "w") as out:
        out.write("\n".join(lines) + "\n")


def main():
    for number, make in ((101, cursor_single), (102, cursor_block)):
        grid, hot = make()
        write_cursor(number, grid, hot)
    write_xpm(os.path.join(HERE, "icons", "1.xpm"), "icon_1", icon_window())
    write_xpm(os.path.join(HERE, "icons", "101.xpm"), "icon_101", icon_single())
    write_xpm(os.path.join(HERE, "icons", "102.xpm"), "icon_102", icon_block())


if __name__ == "__main__":
    main()
