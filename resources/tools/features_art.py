"""The pictures of the Printer Features page.

- The "show" buttons beside the how-to lists: a small green disc with a white play mark, in the
  normal, hover and pressed states.
- The printable manual's link: an open book on the blue disc of the Ink Cartridge page's links.
"""

import cartridge_art as carts
from make_bitmaps import KEY, WHITE, Canvas, circle, mix, polygon, ring

SHOW_SIZE = 16


def draw_show(state):
    size = SHOW_SIZE
    c = size / 2
    canvas = Canvas(size, size, KEY)
    top, bottom = {
        "normal": ((74, 186, 96), (30, 130, 56)),
        "hover": ((96, 214, 118), (40, 156, 70)),
        "pressed": ((30, 120, 50), (60, 160, 80)),
    }[state]
    disc = circle(c, c, c - 0.8)
    canvas.fill(disc, lambda x, y: mix(top, bottom, y / size))
    if state == "hover":
        canvas.fill(ring(disc, 1.0), (20, 96, 40), alpha=0.7)
    canvas.fill(polygon([(c - 2.5, c - 4.5), (c + 4.5, c), (c - 2.5, c + 4.5)]), WHITE)
    return canvas


def draw_all():
    pictures = {f"features_show{'' if state == 'normal' else '_' + state}": draw_show(state)
                for state in ("normal", "hover", "pressed")}
    pictures["features_manual"] = carts.draw_link_icon("manual", "normal")
    pictures["features_manual_hover"] = carts.draw_link_icon("manual", "hover")
    return pictures
