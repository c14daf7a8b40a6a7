"""The pictures of the Ink Tanks page and of the ink-tank wizards.

They sit on the white page or wizard background, drawn on white and keyed outside their
silhouettes as the cartridge pictures are (cartridge_art.keyed).

- The check-tanks link: the round badge of the Ink Cartridge page's links with four small tanks
  in it, normal, hovered and disabled.
- The ink drops under the page's four tanks: black, cyan, magenta and yellow.
- How a tank is replaced: the printer with its cover open, the print head holding three tanks
  and the fourth lifted out above its empty place, with an arrow.
"""

import cartridge_art as carts
from make_bitmaps import (INK_COLOURS, WHITE, Canvas, capsule, mix, polygon, ring,
                          rounded_rect, union)

CYAN, MAGENTA, YELLOW, BLACK_INK = INK_COLOURS
INKS = {"black": BLACK_INK, "cyan": CYAN, "magenta": MAGENTA, "yellow": YELLOW}
BODY = (46, 96, 140)
BODY_DARK = (20, 54, 86)
HEAD = (92, 100, 112)
ARROW = (30, 112, 184)


def tanks_glyph(_kind, c):
    """Four small tanks side by side, the second one half full."""
    return union(*[rounded_rect(c - 11 + i * 6, c - 9, c - 7 + i * 6, c + 9, 1.2) for i in range(4)])


def draw_drop(colour):
    size = 22
    canvas = Canvas(size, size, WHITE)
    shape = carts.drop(size / 2, size / 2 + 4, 6.5)
    canvas.fill(shape, colour)
    canvas.fill(ring(shape, 1.0), mix(colour, (0, 0, 0), 0.25), alpha=0.6)
    return carts.keyed(canvas, shape)


def tank(left, top, colour):
    """One ink tank: its body, its label band in the ink's colour and the tab on top."""
    body = rounded_rect(left, top + 6, left + 22, top + 62, 3)
    tab = rounded_rect(left + 6, top, left + 16, top + 9, 2)
    return union(body, tab), rounded_rect(left + 3, top + 22, left + 19, top + 50, 2), colour


def draw_replace():
    width, height = 210, 180
    canvas = Canvas(width, height, WHITE)
    printer = rounded_rect(8, 96, 202, 168, 10)
    cover = polygon([(20, 96), (190, 96), (176, 62), (34, 62)])
    opening = rounded_rect(30, 100, 180, 128, 4)
    canvas.fill(cover, lambda _x, y: mix((214, 226, 238), (176, 196, 216), (y - 62) / 34))
    canvas.fill(ring(cover, 1.2), BODY_DARK, alpha=0.7)
    canvas.fill(printer, lambda _x, y: mix(BODY, BODY_DARK, (y - 96) / 72))
    canvas.fill(opening, (24, 40, 58))
    canvas.fill(rounded_rect(60, 150, 150, 158, 2), (14, 30, 48))
    # The print head with its four places; the yellow tank's place is empty.
    head = rounded_rect(54, 104, 158, 126, 3)
    canvas.fill(head, HEAD)
    parts = []
    for i, colour in enumerate([BLACK_INK, CYAN, MAGENTA]):
        outline, band, ink = tank(60 + i * 24, 70, colour)
        parts.append(outline)
        canvas.fill(outline, (236, 240, 244))
        canvas.fill(ring(outline, 1.0), (120, 130, 144))
        canvas.fill(band, ink)
    canvas.fill(rounded_rect(132, 110, 154, 124, 2), (40, 46, 54))
    # The lifted tank and the arrow that says where it goes.
    outline, band, ink = tank(132, 6, YELLOW)
    parts.append(outline)
    canvas.fill(outline, (236, 240, 244))
    canvas.fill(ring(outline, 1.0), (120, 130, 144))
    canvas.fill(band, ink)
    arrow = union(capsule(176, 20, 176, 92, 2.4), capsule(168, 82, 176, 92, 2.4),
                  capsule(184, 82, 176, 92, 2.4))
    canvas.fill(arrow, ARROW)
    return carts.keyed(canvas, union(printer, cover, *parts, arrow))


def draw_all():
    pictures = {}
    for state in ("normal", "hover", "disabled"):
        suffix = "" if state == "normal" else f"_{state}"
        pictures[f"tanks_link_check{suffix}"] = carts.draw_link_icon("tanks", state, tanks_glyph)
    for name, colour in INKS.items():
        pictures[f"tanks_drop_{name}"] = draw_drop(colour)
    pictures["tanks_replace"] = draw_replace()
    return pictures
