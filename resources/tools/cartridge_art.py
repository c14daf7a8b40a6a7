"""The cartridge pictures of the resource module and the pictures of the Ink Cartridge page.

Every picture sits on the white page: it is drawn on white and then everything outside its
silhouette becomes exactly the key colour, so its soft edges are already blended with the page.

- Cartridges (the picture table): a print cartridge seen from the front, its label showing its
  inks (black, three colours, photo inks, the vivid colours), a coloured band for the variants
  of a family and a taller body with a gold band for the high-capacity ones; the empty positions
  as dashed outlines, the invalid cartridge greyed with a red "!", the unidentified one greyed
  with a blue "?".
- The labels under the two carrier positions: which inks belong there.
- The alignment pages' carriage: the two positions side by side, one of them empty when only
  one cartridge is aligned.
- The Ink Cartridge page's links: a round badge with what the link does (install, test page,
  align, clean, clean rollers, help, order), normal, hovered and, for the maintenance links,
  disabled.
"""

import math

import make_bitmaps as art
from make_bitmaps import KEY, WHITE, Canvas, capsule, circle, mix, polygon, ring, rounded_rect, union

BLACK_INK = (35, 31, 32)
CYAN = (0, 174, 239)
MAGENTA = (236, 0, 140)
YELLOW = (255, 212, 0)
PHOTO_INKS = [(92, 92, 104), (122, 212, 242), (242, 136, 202)]
VIVID_INKS = [(242, 96, 40), (44, 168, 84), (98, 72, 204)]
VARIANT_BANDS = [None, (14, 150, 170), (232, 150, 20)]
GOLD = (214, 168, 54)
GREY_TEXT = (150, 158, 168)

CART_WIDTH, CART_HEIGHT = 80, 84
LINK_SIZE = 40


def keyed(canvas, silhouette):
    """Turns every pixel outside the silhouette into the key colour."""
    for y in range(canvas.height):
        for x in range(canvas.width):
            if art.coverage(silhouette(x + 0.5, y + 0.5)) <= 0.0:
                canvas.put(x, y, KEY)
    return canvas


def drop(cx, cy, r):
    """An ink drop whose round bottom is centred on (cx, cy)."""
    tip = polygon([(cx, cy - 2.3 * r), (cx + 0.92 * r, cy - 0.4 * r), (cx - 0.92 * r, cy - 0.4 * r)])
    return union(circle(cx, cy, r), tip)


# --- Cartridges ------------------------------------------------------------------------------------


def cartridge_parts(tall):
    top = 4 if tall else 10
    cap = rounded_rect(14, top, 66, top + 13, 4)
    body = rounded_rect(18, top + 8, 62, 74, 5)
    foot = rounded_rect(27, 71, 53, 80, 2)
    return cap, body, foot, union(cap, body, foot)


def draw_cartridge_body(canvas, tall, plastic=((74, 80, 92), (34, 37, 44)), greyed=False):
    cap, body, foot, _ = cartridge_parts(tall)
    top = 4 if tall else 10
    lo, hi = plastic
    canvas.fill(body, lambda x, _y: mix(lo, hi, abs(x - 40) / 24))
    canvas.fill(foot, (28, 30, 34) if not greyed else (150, 154, 160))
    for i in range(4):
        canvas.fill(rounded_rect(30 + i * 6, 75, 33 + i * 6, 79, 0.5), GOLD if not greyed else (200, 200, 200))
    canvas.fill(cap, lambda _x, y: mix((150, 158, 170), (96, 104, 118), (y - top) / 13) if not greyed
                else mix((214, 218, 224), (186, 190, 198), (y - top) / 13))
    for gx in (30, 40, 50):
        canvas.fill(capsule(gx, top + 4, gx, top + 9, 1.0), (70, 76, 88) if not greyed else (160, 164, 172))
    # A soft highlight down the left edge of the body.
    canvas.fill(rounded_rect(21, top + 14, 24, 68, 1.5), WHITE, alpha=0.18)


def draw_label(canvas, inks, band, tall, greyed=False):
    label = rounded_rect(23, 30, 57, 64, 3)
    canvas.fill(label, (246, 248, 250) if not greyed else (226, 228, 232))
    if band:
        canvas.fill(rounded_rect(23, 30, 57, 35, 2), band)
    if tall:
        canvas.fill(rounded_rect(20, 66, 60, 70, 1.5), GOLD)
    if len(inks) == 1:
        canvas.fill(drop(40, 53, 7), inks[0])
        canvas.fill(capsule(37.5, 50, 36.5, 54, 1.0), WHITE, alpha=0.45)
    else:
        for i, colour in enumerate(inks):
            canvas.fill(drop(30 + i * 10, 54, 4.2), colour)


def draw_cartridge(inks, variant, tall):
    canvas = Canvas(CART_WIDTH, CART_HEIGHT, WHITE)
    draw_cartridge_body(canvas, tall)
    draw_label(canvas, inks, VARIANT_BANDS[variant], tall)
    return keyed(canvas, cartridge_parts(tall)[3])


def draw_badge_mark(canvas, cx, cy, colour, mark):
    canvas.fill(circle(cx, cy, 11), WHITE)
    canvas.fill(circle(cx, cy, 9.5), colour)
    if mark == "!":
        canvas.fill(capsule(cx, cy - 5, cx, cy + 1, 1.6), WHITE)
        canvas.fill(circle(cx, cy + 5, 1.7), WHITE)
    else:
        arc = [(cx + 3.6 * math.cos(a), cy - 2.6 - 3.4 * math.sin(a))
               for a in [math.pi * (1 - t / 10) for t in range(0, 15)]]
        for (ax, ay), (bx, by) in zip(arc, arc[1:]):
            canvas.fill(capsule(ax, ay, bx, by, 1.5), WHITE, (int(cx - 8), int(cy - 9), int(cx + 8), int(cy + 4)))
        end = arc[-1]
        canvas.fill(capsule(end[0], end[1], cx, cy + 1.5, 1.5), WHITE)
        canvas.fill(circle(cx, cy + 5.5, 1.7), WHITE)


def draw_marked_cartridge(colour, mark):
    """A greyed cartridge with a round badge: the invalid one ("!") or the unidentified one ("?")."""
    canvas = Canvas(CART_WIDTH, CART_HEIGHT, WHITE)
    draw_cartridge_body(canvas, False, ((196, 200, 206), (164, 168, 176)), greyed=True)
    draw_label(canvas, [], None, False, greyed=True)
    canvas.fill(capsule(31, 47, 49, 47, 1.2), GREY_TEXT)
    canvas.fill(capsule(31, 53, 44, 53, 1.2), GREY_TEXT)
    draw_badge_mark(canvas, 60, 66, colour, mark)
    silhouette = union(cartridge_parts(False)[3], circle(60, 66, 11))
    return keyed(canvas, silhouette)


def draw_missing(hint_inks):
    """An empty position: the dashed outline of a cartridge and faint drops of the inks that go there."""
    canvas = Canvas(CART_WIDTH, CART_HEIGHT, WHITE)
    _, _, _, outline = cartridge_parts(False)
    edge = ring(outline, 1.8)
    canvas.fill(lambda x, y: edge(x, y) if (int(x + y) // 5) % 2 == 0 else 1.0, (150, 160, 172))
    if len(hint_inks) == 1:
        canvas.fill(drop(40, 52, 7), hint_inks[0], alpha=0.28)
    else:
        for i, colour in enumerate(hint_inks):
            canvas.fill(drop(30 + i * 10, 52, 4.2), colour, alpha=0.3)
    return keyed(canvas, outline)


# --- Labels of the two carrier positions ---------------------------------------------------------


def draw_position_label(inks):
    width, height = 84, 15
    canvas = Canvas(width, height, WHITE)
    pill = rounded_rect(2, 1, width - 2, height - 1, 6.5)
    canvas.fill(pill, (236, 242, 248))
    canvas.fill(ring(pill, 1.0), (176, 192, 210))
    pitch = 12
    start = width / 2 - pitch * (len(inks) - 1) / 2
    for i, colour in enumerate(inks):
        canvas.fill(circle(start + i * pitch, height / 2, 4), colour)
    return keyed(canvas, pill)


# --- Links of the Ink Cartridge page -------------------------------------------------------------


def link_glyph(kind, c):
    """The white mark of a link, centred on (c, c), about 22 px tall."""
    if kind == "install":
        body = rounded_rect(c - 6, c - 1, c + 6, c + 11, 2)
        arrow = union(capsule(c, c - 12, c, c - 4, 1.7), capsule(c - 4, c - 8, c, c - 4, 1.7),
                      capsule(c + 4, c - 8, c, c - 4, 1.7))
        return union(body, arrow)
    if kind == "test_page":
        return rounded_rect(c - 8, c - 11, c + 8, c + 11, 1.5)
    if kind == "align":
        return union(ring(circle(c, c, 7.5), 2.2), capsule(c - 12, c, c - 4, c, 1.2),
                     capsule(c + 4, c, c + 12, c, 1.2), capsule(c, c - 12, c, c - 4, 1.2),
                     capsule(c, c + 4, c, c + 12, 1.2))
    if kind == "clean":
        def star(cx, cy, r):
            points = []
            for i in range(8):
                a = -math.pi / 2 + i * math.pi / 4
                rr = r if i % 2 == 0 else r * 0.3
                points.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
            return polygon(points)

        return union(star(c - 2, c + 1, 10), star(c + 7, c - 7, 4.5))
    if kind == "clean_rollers":
        return union(ring(circle(c - 5, c + 4, 5), 2.2), ring(circle(c + 6, c + 4, 5), 2.2),
                     capsule(c - 11, c - 4, c + 11, c - 4, 1.3), capsule(c - 8, c - 8, c + 8, c - 8, 1.0))
    if kind == "help":
        arc = [(c + 5 * math.cos(a), c - 4 - 5 * math.sin(a))
               for a in [math.pi * (1 - t / 10) for t in range(0, 15)]]
        segments = [capsule(ax, ay, bx, by, 2.0) for (ax, ay), (bx, by) in zip(arc, arc[1:])]
        segments.append(capsule(arc[-1][0], arc[-1][1], c, c + 3, 2.0))
        return union(*segments, circle(c, c + 9, 2.3))
    if kind == "order":
        basket = polygon([(c - 9, c - 6), (c + 11, c - 6), (c + 8, c + 4), (c - 6, c + 4)])
        return union(basket, capsule(c - 13, c - 10, c - 9, c - 6, 1.4), capsule(c - 6, c + 4, c - 7, c + 7, 1.2),
                     capsule(c - 7, c + 7, c + 8, c + 7, 1.2), circle(c - 5, c + 11, 2.2),
                     circle(c + 6, c + 11, 2.2))
    if kind == "manual":
        # An open book: two pages with lines of text.
        left = polygon([(c - 12, c - 8), (c - 1, c - 6), (c - 1, c + 10), (c - 12, c + 8)])
        right = polygon([(c + 1, c - 6), (c + 12, c - 8), (c + 12, c + 8), (c + 1, c + 10)])
        return union(left, right)
    raise ValueError(kind)


def draw_link_icon(kind, state, glyph=link_glyph):
    size = LINK_SIZE
    c = size / 2
    canvas = Canvas(size, size, WHITE)
    disc = circle(c, c, size / 2 - 1.5)
    if state == "disabled":
        canvas.fill(disc, (200, 204, 210))
        mark = (244, 245, 247)
    else:
        top, bottom = ((52, 140, 206), (18, 84, 150)) if state == "normal" else ((64, 206, 226), (16, 124, 170))
        canvas.fill(disc, lambda x, y: mix(top, bottom, (x + y) / (2 * size)))
        canvas.fill(circle(c - 4, c - 6, size / 2 - 8), WHITE, alpha=0.10)
        mark = WHITE
    canvas.fill(glyph(kind, c), mark)
    if kind == "test_page" and state != "disabled":
        for i, colour in enumerate([CYAN, MAGENTA, YELLOW, BLACK_INK]):
            canvas.fill(rounded_rect(c - 6 + i * 3.2, c + 3, c - 3.6 + i * 3.2, c + 8, 0.6), colour)
        for row in range(3):
            canvas.fill(capsule(c - 5, c - 7 + row * 3.5, c + 5 - (row == 2) * 4, c - 7 + row * 3.5, 0.7),
                        (120, 150, 180))
    if state == "hover":
        canvas.fill(ring(disc, 1.4), (14, 92, 107), alpha=0.6)
    return keyed(canvas, disc)


LINKS = {
    # name: (kind, has a disabled picture)
    "install": True,
    "test_page": False,
    "align": True,
    "clean": True,
    "clean_rollers": True,
    "help": False,
    "order": False,
}

CARTRIDGES = {
    # file name: (inks, variant band, high capacity)
    "cart_black": ([BLACK_INK], 0, False),
    "cart_black_53": ([BLACK_INK], 1, False),
    "cart_black_63": ([BLACK_INK], 2, False),
    "cart_black_64": ([BLACK_INK], 0, True),
    "cart_color": ([CYAN, MAGENTA, YELLOW], 0, False),
    "cart_color_85": ([CYAN, MAGENTA, YELLOW], 1, False),
    "cart_color_95": ([CYAN, MAGENTA, YELLOW], 2, False),
    "cart_color_96": ([CYAN, MAGENTA, YELLOW], 0, True),
    "cart_photo": (PHOTO_INKS, 0, False),
    "cart_photo_127": (PHOTO_INKS, 1, False),
    "cart_family128": (VIVID_INKS, 0, False),
    "cart_family143": (VIVID_INKS, 1, False),
}


def draw_carrier(left, right):
    """Two positions of the carriage side by side: the alignment pages' picture."""
    canvas = Canvas(2 * CART_WIDTH, CART_HEIGHT, KEY)
    for offset, picture in ((0, left), (CART_WIDTH, right)):
        for y in range(CART_HEIGHT):
            for x in range(CART_WIDTH):
                canvas.put(offset + x, y, picture.get(x, y))
    return canvas


def draw_all():
    pictures = {}
    for name, (inks, variant, tall) in CARTRIDGES.items():
        pictures[name] = draw_cartridge(inks, variant, tall)
    pictures["cart_missing_left"] = draw_missing([CYAN, MAGENTA, YELLOW])
    pictures["cart_missing_right"] = draw_missing([BLACK_INK])
    pictures["cart_invalid"] = draw_marked_cartridge((214, 48, 49), "!")
    pictures["cart_unidentified"] = draw_marked_cartridge((30, 112, 184), "?")
    pictures["cart_label_left"] = draw_position_label([CYAN, MAGENTA, YELLOW])
    pictures["cart_label_right"] = draw_position_label([BLACK_INK, PHOTO_INKS[0]])
    colour, black = pictures["cart_color"], pictures["cart_black"]
    pictures["align_carrier_both"] = draw_carrier(colour, black)
    pictures["align_carrier_colour"] = draw_carrier(colour, pictures["cart_missing_right"])
    pictures["align_carrier_black"] = draw_carrier(pictures["cart_missing_left"], black)
    pictures["align_carrier_photo"] = draw_carrier(colour, pictures["cart_photo"])
    for kind, disabled in LINKS.items():
        pictures[f"ink_link_{kind}"] = draw_link_icon(kind, "normal")
        pictures[f"ink_link_{kind}_hover"] = draw_link_icon(kind, "hover")
        if disabled:
            pictures[f"ink_link_{kind}_disabled"] = draw_link_icon(kind, "disabled")
    return pictures
