"""The pictures of the post-install wizard.

- The header band across the top of every page: the four steps of the wizard as numbered
  markers on a line, the first at the left; the mirrored band for right-to-left languages
  numbers them from the right. The step names are the page's own labels under the markers.
- The welcome picture: the printer with its two cartridges beside it.
- The applications picture: a setup disc, and with applications on it, the disc with two
  program windows rising from it.
- The closing picture: the printer with a tick.
- The alignment patterns: one group of the printed alignment page, five numbered patterns of
  two line sets, where the third meets best and is ringed, as the user is asked to find it.
"""

from make_bitmaps import (ACCENT, INK_COLOURS, KEY, NAVY, TEAL, WHITE, Canvas, capsule, circle,
                          draw_printer, mix, ring, rounded_rect, subtract, union)

HEADER_WIDTH, HEADER_HEIGHT = 520, 46
STEP_COUNT = 4

# The step numbers, five cells by seven.
DIGITS = {
    "1": ["..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "2": [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
    "3": ["####.", "....#", "....#", ".###.", "....#", "....#", "####."],
    "4": ["...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."],
    "5": ["#####", "#....", "####.", "....#", "....#", "#...#", ".###."],
}


def draw_digit(canvas, digit, cx, cy, cell, colour):
    rows = DIGITS[digit]
    left, top = cx - 2.5 * cell, cy - 3.5 * cell
    for row, line in enumerate(rows):
        for column, mark in enumerate(line):
            if mark == "#":
                x, y = left + column * cell, top + row * cell
                canvas.fill(rounded_rect(x, y, x + cell, y + cell, cell * 0.3), colour)


def step_centres():
    """The markers' centres: each in the middle of its quarter, where the page's label sits."""
    quarter = HEADER_WIDTH / STEP_COUNT
    return [quarter * (i + 0.5) for i in range(STEP_COUNT)]


def draw_header(right_to_left):
    canvas = Canvas(HEADER_WIDTH, HEADER_HEIGHT, NAVY)
    canvas.fill(rounded_rect(-2, -2, HEADER_WIDTH + 2, HEADER_HEIGHT + 2, 0),
                lambda x, _y: mix(NAVY, TEAL, x / HEADER_WIDTH))
    centres = step_centres()
    mid = HEADER_HEIGHT / 2
    canvas.fill(capsule(centres[0], mid, centres[-1], mid, 1.6), mix(ACCENT, WHITE, 0.3))
    for index, cx in enumerate(centres):
        number = STEP_COUNT - index if right_to_left else index + 1
        canvas.fill(circle(cx, mid, 13), ACCENT)
        canvas.fill(ring(circle(cx, mid, 13), 1.6), WHITE, alpha=0.9)
        draw_digit(canvas, str(number), cx, mid, 2.4, WHITE)
    return canvas


TILE_WIDTH, TILE_HEIGHT = 166, 124


def tile_canvas(top, bottom, edge):
    """A rounded tile shaded from top to bottom, keyed outside."""
    canvas = Canvas(TILE_WIDTH, TILE_HEIGHT, KEY)
    tile = rounded_rect(0, 0, TILE_WIDTH, TILE_HEIGHT, 12)
    canvas.fill(tile, lambda _x, y: mix(top, bottom, y / TILE_HEIGHT))
    canvas.fill(ring(tile, 1.0), edge)
    return canvas


def draw_welcome():
    width = TILE_WIDTH
    canvas = tile_canvas((236, 246, 251), (206, 228, 240), (150, 190, 214))
    draw_printer(canvas, width / 2, 46, 2.6, (46, 96, 140), WHITE, (20, 54, 86))
    # The two cartridges that go into it: colour on the left, black on the right.
    for cx, colours in ((width / 2 - 22, INK_COLOURS[:3]), (width / 2 + 22, INK_COLOURS[3:])):
        body = rounded_rect(cx - 14, 84, cx + 14, 114, 4)
        canvas.fill(body, (70, 74, 82))
        canvas.fill(rounded_rect(cx - 9, 90, cx + 9, 100, 2), WHITE)
        pitch = 18 / (len(colours) + 1)
        for i, colour in enumerate(colours):
            canvas.fill(circle(cx - 9 + pitch * (i + 1), 95, 2.4), colour)
    return canvas


def disc(canvas, cx, cy, r):
    face = subtract(circle(cx, cy, r), circle(cx, cy, r * 0.18))
    canvas.fill(face, lambda x, y: mix((214, 224, 236), (250, 252, 255), ((x - cx) + (y - cy)) / (4 * r) + 0.5))
    canvas.fill(ring(face, 1.0), (120, 140, 165))
    canvas.fill(ring(circle(cx, cy, r * 0.45), 0.8), (170, 186, 204))


def window(canvas, left, top, colour):
    frame = rounded_rect(left, top, left + 34, top + 24, 3)
    canvas.fill(frame, WHITE)
    canvas.fill(rounded_rect(left, top, left + 34, top + 7, 3), colour)
    canvas.fill(ring(frame, 1.0), mix(colour, NAVY, 0.4))
    for y in (top + 12, top + 17):
        canvas.fill(capsule(left + 5, y, left + 26, y, 0.8), (176, 186, 198))


def draw_applications(present):
    width, height = 90, 64
    canvas = Canvas(width, height, KEY)
    disc(canvas, 30 if present else width / 2, 38, 24)
    if present:
        window(canvas, 46, 6, INK_COLOURS[0])
        window(canvas, 52, 30, INK_COLOURS[1])
    return canvas


def draw_done():
    width = TILE_WIDTH
    canvas = tile_canvas((238, 248, 240), (206, 236, 214), (150, 200, 164))
    draw_printer(canvas, width / 2 - 14, 62, 2.6, (46, 96, 140), WHITE, (20, 54, 86))
    badge = circle(width - 40, 40, 20)
    canvas.fill(badge, (40, 160, 90))
    canvas.fill(ring(badge, 1.5), WHITE)
    tick = union(capsule(width - 50, 40, width - 43, 48, 2.6), capsule(width - 43, 48, width - 29, 31, 2.6))
    canvas.fill(tick, WHITE)
    return canvas


def draw_patterns():
    width, height = 135, 114
    canvas = Canvas(width, height, KEY)
    sheet = rounded_rect(0, 0, width, height, 8)
    canvas.fill(sheet, WHITE)
    canvas.fill(ring(sheet, 1.0), (160, 176, 194))
    pitch = (width - 16) / 5
    for index in range(5):
        cx = 8 + pitch * (index + 0.5)
        # The lower line set is shifted by how far the pattern is from the best one.
        shift = (index - 2) * 1.6
        for line in range(4):
            x = cx - 7.5 + line * 5
            canvas.fill(capsule(x, 18, x, 48, 0.9), INK_COLOURS[3])
            canvas.fill(capsule(x + shift, 50, x + shift, 80, 0.9), INK_COLOURS[0])
        draw_digit(canvas, str(index + 1), cx, 97, 1.8, NAVY)
    best = 8 + pitch * 2.5
    canvas.fill(ring(rounded_rect(best - 12, 10, best + 12, 108, 6), 1.6), (40, 160, 90))
    return canvas


def draw_all():
    return {
        "install_header": draw_header(False),
        "install_header_rtl": draw_header(True),
        "install_welcome": draw_welcome(),
        "install_apps": draw_applications(False),
        "install_apps_present": draw_applications(True),
        "install_done": draw_done(),
        "install_align_patterns": draw_patterns(),
    }
