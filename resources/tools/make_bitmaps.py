#!/usr/bin/env python3
"""Draws the skin of the printer assistant: the main window's background, the navigation button
pictures, the logo, the banner, the window icon and the 256-colour palette.

The geometry comes from resource.h (the MAIN_ defines), so the code, the .rc and the pictures
share one source. Shapes are signed distance functions: a pixel's coverage is how far its centre
lies inside the shape, which gives smooth edges without a drawing library. Pixels meant to be
transparent are exactly the key colour; edges next to them are blended with the background that
the picture sits on, since the transparent copy only keys out pure key-colour pixels.

Usage: make_bitmaps.py <resource.h> <output folder>
"""

import math
import re
import struct
import sys
from pathlib import Path

KEY = (0, 255, 0)

NAVY = (11, 42, 74)
TEAL = (14, 92, 107)
ACCENT = (47, 196, 216)
FRAME_TOP = (233, 239, 245)
FRAME_BOTTOM = (219, 229, 238)
HOLE_EDGE = (168, 187, 206)
WHITE = (255, 255, 255)
SOFT_TEXT = (191, 214, 230)
INK_COLOURS = [(0, 174, 239), (236, 0, 140), (255, 212, 0), (35, 31, 32)]


def read_geometry(header):
    values = {}
    for name, value in re.findall(r"^#define\s+(MAIN_\w+)\s+(0x[0-9A-Fa-f]+|\d+)", header, re.M):
        values[name] = int(value, 0)
    return values


# --- Canvas and colour helpers -------------------------------------------------------------------


class Canvas:
    def __init__(self, width, height, colour=KEY):
        self.width = width
        self.height = height
        self.rows = [[colour] * width for _ in range(height)]

    def get(self, x, y):
        return self.rows[y][x]

    def put(self, x, y, colour):
        self.rows[y][x] = colour

    def blend(self, x, y, colour, alpha):
        if alpha <= 0.0:
            return
        if alpha >= 1.0:
            self.rows[y][x] = colour
            return
        self.rows[y][x] = mix(self.rows[y][x], colour, alpha)

    def fill(self, shape, colour, box=None, alpha=1.0):
        """Paints a shape (a distance function) with a colour, or with a function of (x, y)."""
        x0, y0, x1, y1 = box if box else (0, 0, self.width, self.height)
        paint = colour if callable(colour) else (lambda _x, _y: colour)
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                cover = coverage(shape(x + 0.5, y + 0.5)) * alpha
                if cover > 0.0:
                    self.blend(x, y, paint(x, y), cover)

    def crop(self, left, top, width, height):
        part = Canvas(width, height)
        part.rows = [row[left : left + width] for row in self.rows[top : top + height]]
        return part

    def colours(self):
        for row in self.rows:
            yield from row


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def coverage(distance):
    return min(1.0, max(0.0, 0.5 - distance))


def lerp_stops(stops, t):
    """A colour along a gradient of (position, colour) stops."""
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, (t - p0) / (p1 - p0) if p1 > p0 else 0.0)
    return stops[-1][1]


# --- Distance functions ---------------------------------------------------------------------------


def rounded_rect(left, top, right, bottom, radius):
    cx, cy = (left + right) / 2, (top + bottom) / 2
    hx, hy = (right - left) / 2 - radius, (bottom - top) / 2 - radius

    def d(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius

    return d


def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def segment_distance(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length = dx * dx + dy * dy
    t = 0.0 if length == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length))
    return math.hypot(x - ax - t * dx, y - ay - t * dy)


def capsule(ax, ay, bx, by, r):
    return lambda x, y: segment_distance(x, y, ax, ay, bx, by) - r


def polygon(points):
    def d(x, y):
        best = min(
            segment_distance(x, y, *points[i], *points[(i + 1) % len(points)])
            for i in range(len(points))
        )
        inside = False
        for i in range(len(points)):
            (ax, ay), (bx, by) = points[i], points[(i + 1) % len(points)]
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                inside = not inside
        return -best if inside else best

    return d


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def subtract(shape, cut):
    return lambda x, y: max(shape(x, y), -cut(x, y))


def ring(shape, width):
    return lambda x, y: abs(shape(x, y) + width / 2) - width / 2


# --- A small proportional pixel font, drawn as round strokes through the pixel centres ------------

FONT = {
    "Q": [".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"],
    "S": [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    "P": ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "0": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "1": [".#.", "##.", ".#.", ".#.", ".#.", ".#.", "###"],
    "7": ["#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."],
    "a": ["....", "....", ".##.", "...#", ".###", "#..#", ".###"],
    "e": ["....", "....", ".##.", "#..#", "####", "#...", ".###"],
    "i": ["#", ".", "#", "#", "#", "#", "#"],
    "n": ["....", "....", "###.", "#..#", "#..#", "#..#", "#..#"],
    "r": ["....", "....", "#.##", "##..", "#...", "#...", "#..."],
    "s": ["....", "....", ".###", "#...", ".##.", "...#", "###."],
    "t": [".#.", ".#.", "###", ".#.", ".#.", ".#.", "..#"],
    " ": ["..", "..", "..", "..", "..", "..", ".."],
}


def glyph_segments(rows, ox, oy, cell):
    on = {(c, r) for r, line in enumerate(rows) for c, ch in enumerate(line) if ch == "#"}
    segments = []
    for c, r in on:
        centre = (ox + (c + 0.5) * cell, oy + (r + 0.5) * cell)
        segments.append(centre + centre)
        for dc, dr in ((1, 0), (0, 1), (1, 1), (-1, 1)):
            if (c + dc, r + dr) not in on:
                continue
            if dc and dr and ((c + dc, r) in on or (c, r + dr) in on):
                continue  # a diagonal beside an orthogonal step would thicken the corner
            segments.append(centre + (ox + (c + dc + 0.5) * cell, oy + (r + dr + 0.5) * cell))
    return segments


def text_width(text, cell):
    return sum((len(FONT[ch][0]) + 1) * cell for ch in text) - cell


def draw_text(canvas, text, left, top, cell, colour):
    """Draws text with its top-left corner at (left, top); returns the right edge."""
    radius = cell * 0.5
    x = left
    for ch in text:
        rows = FONT[ch]
        segments = glyph_segments(rows, x, top, cell)
        if segments:

            def shape(px, py, segments=segments):
                return min(segment_distance(px, py, *s) for s in segments) - radius

            box = (int(x - 1), int(top - 1), int(x + len(rows[0]) * cell + 2), int(top + 8 * cell))
            canvas.fill(shape, colour, box)
        x += (len(rows[0]) + 1) * cell
    return x - cell


# --- Glyphs of the navigation buttons, centred on (cx, cy), about 26 px tall ----------------------


def glyph_home(cx, cy):
    roof = polygon([(cx - 13, cy - 1), (cx, cy - 12), (cx + 13, cy - 1)])
    body = rounded_rect(cx - 9, cy - 3, cx + 9, cy + 11, 1.5)
    door = rounded_rect(cx - 3, cy + 3, cx + 3, cy + 12, 1)
    return subtract(union(roof, body), door)


def glyph_features(cx, cy):
    points = []
    for i in range(10):
        angle = -math.pi / 2 + i * math.pi / 5
        r = 13 if i % 2 == 0 else 5.5
        points.append((cx + r * math.cos(angle), cy + 1 + r * math.sin(angle)))
    return polygon(points)


def glyph_troubleshooting(cx, cy):
    head = circle(cx + 5, cy - 5, 7.5)
    jaw = polygon([(cx + 5, cy - 5), (cx + 16, cy - 16), (cx + 16, cy + 4)])
    handle = capsule(cx + 4, cy - 4, cx - 9, cy + 9, 3.2)
    return subtract(union(subtract(head, jaw), handle), circle(cx - 8, cy + 8, 1.2))


def glyph_ink(cx, cy):
    bowl = circle(cx, cy + 4, 8.5)
    tip = polygon([(cx, cy - 13), (cx + 7.7, cy + 0.5), (cx - 7.7, cy + 0.5)])
    shine = capsule(cx - 4, cy + 3, cx - 2.5, cy + 7, 1.3)
    return subtract(union(bowl, tip), shine)


def glyph_contact(cx, cy):
    bubble = rounded_rect(cx - 13, cy - 10, cx + 13, cy + 7, 5)
    tail = polygon([(cx - 7, cy + 5), (cx - 1, cy + 5), (cx - 9, cy + 13)])
    dots = union(*(circle(cx + dx, cy - 1.5, 2) for dx in (-6, 0, 6)))
    return subtract(union(bubble, tail), dots)


def glyph_advanced(cx, cy):
    def gear(x, y):
        angle = math.atan2(y - cy, x - cx)
        tooth = 3.5 * max(0.0, min(1.0, 0.5 + 2.0 * math.cos(8 * angle)))
        return (math.hypot(x - cx, y - cy) - (8.5 + tooth)) * 0.8

    return subtract(gear, circle(cx, cy, 3.5))


NAV_GLYPHS = [
    glyph_home,
    glyph_features,
    glyph_troubleshooting,
    glyph_ink,
    glyph_contact,
    glyph_advanced,
]


# --- The pictures ---------------------------------------------------------------------------------


def nav_gradient(height):
    return [
        lerp_stops([(0.0, NAVY), (0.55, (12, 66, 92)), (1.0, TEAL)], y / (height - 1))
        for y in range(height)
    ]


def draw_background(g):
    width, height = g["MAIN_BACKGROUND_WIDTH"], g["MAIN_BACKGROUND_HEIGHT"]
    column = g["MAIN_NAV_COLUMN_WIDTH"]
    canvas = Canvas(width, height)
    column_colours = nav_gradient(height)
    for y in range(height):
        frame = mix(FRAME_TOP, FRAME_BOTTOM, y / (height - 1))
        for x in range(width):
            if x < column:
                # A faint light from the top left keeps the column from looking flat.
                glow = max(0.0, 1.0 - math.hypot(x, y) / 260.0) * 0.10
                canvas.put(x, y, mix(column_colours[y], WHITE, glow))
            else:
                canvas.put(x, y, frame)
    for x in range(column - 2, column):
        for y in range(height):
            canvas.blend(x, y, (4, 20, 36), 0.45 if x == column - 1 else 0.2)

    left, top = g["MAIN_PAGE_HOLE_LEFT"], g["MAIN_PAGE_HOLE_TOP"]
    right, bottom = g["MAIN_PAGE_HOLE_RIGHT"], g["MAIN_PAGE_HOLE_BOTTOM"]
    radius = g["MAIN_PAGE_HOLE_RADIUS"]
    hole = rounded_rect(left, top, right, bottom, radius)
    # A soft shadow, then a fine edge, then the hole itself with no blending: a pixel is either
    # exactly the key colour or not at all, so the region built from it is the rounded rectangle.
    shadow_box = (left - 12, top - 12, right + 12, bottom + 14)
    for y in range(shadow_box[1], shadow_box[3]):
        for x in range(shadow_box[0], shadow_box[2]):
            d = hole(x + 0.5, y + 0.5 - 2)
            if d > 0:
                canvas.blend(x, y, (20, 45, 70), 0.22 * max(0.0, 1.0 - d / 9.0) ** 2)
    canvas.fill(ring(rounded_rect(left - 1, top - 1, right + 1, bottom + 1, radius + 1), 1.4),
                HOLE_EDGE, (left - 3, top - 3, right + 3, bottom + 3))
    for y in range(top, bottom):
        for x in range(left, right):
            if hole(x + 0.5, y + 0.5) < 0:
                canvas.put(x, y, KEY)

    # The wordmark beside the logo, and a fine rule above the buttons.
    logo_right = g["MAIN_LOGO_LEFT"] + g["MAIN_LOGO_WIDTH"]
    draw_text(canvas, "Q710", logo_right + 10, g["MAIN_LOGO_TOP"] + 3, 3.2, WHITE)
    draw_text(canvas, "Series", logo_right + 11, g["MAIN_LOGO_TOP"] + 30, 2.0, ACCENT)
    draw_text(canvas, "Printer Assistant", g["MAIN_LOGO_LEFT"] + 1, g["MAIN_LOGO_TOP"] + 58, 1.75,
              SOFT_TEXT)
    rule_y = g["MAIN_NAV_TOP"] - 12
    for px in range(g["MAIN_NAV_LEFT"] + 4, g["MAIN_NAV_LEFT"] + g["MAIN_NAV_WIDTH"] - 4):
        canvas.blend(px, rule_y, WHITE, 0.18)
        canvas.blend(px, rule_y + 1, (0, 0, 0), 0.18)
    return canvas


def keyed_picture(backdrop, left, top, width, height, radius, draw):
    """A picture with rounded, transparent corners whose edges are blended with the backdrop it
    sits on; draw(canvas) paints its face inside the rounded rectangle."""
    canvas = backdrop.crop(left, top, width, height)
    outline = rounded_rect(0, 0, width, height, radius)
    face = Canvas(width, height)
    face.rows = [list(row) for row in canvas.rows]
    draw(face, outline)
    for y in range(height):
        for x in range(width):
            cover = coverage(outline(x + 0.5, y + 0.5))
            if cover <= 0.0:
                canvas.put(x, y, KEY)
            else:
                canvas.put(x, y, mix(canvas.get(x, y), face.get(x, y), cover))
    return canvas


def draw_nav_button(backdrop, g, index, state):
    left = g["MAIN_NAV_LEFT"]
    top = g["MAIN_NAV_TOP"] + index * g["MAIN_NAV_PITCH"]
    width, height = g["MAIN_NAV_WIDTH"], g["MAIN_NAV_HEIGHT"]
    glyph = NAV_GLYPHS[index](24, height / 2)

    def draw(face, outline):
        if state == "down":
            # The current page: a light tab with an accent bar, facing the page.
            face.fill(outline, lambda _x, y: mix(WHITE, (226, 236, 244), y / height))
            face.fill(rounded_rect(0, 6, 4, height - 6, 2), ACCENT)
            face.fill(glyph, (14, 92, 140), (0, 0, 48, height))
            return
        wash, edge = (0.10, 0.22) if state == "up" else (0.24, 0.55)
        face.fill(outline, lambda _x, y: mix(WHITE, (180, 220, 235), y / height), alpha=wash)
        face.fill(ring(outline, 1.2), WHITE, alpha=edge)
        if state == "hover":
            face.fill(rounded_rect(0, 6, 4, height - 6, 2), ACCENT)
        face.fill(glyph, WHITE, (0, 0, 48, height))

    return keyed_picture(backdrop, left, top, width, height, 8, draw)


def draw_page_button(state):
    """The closing buttons of the pages (Close, Help, OK, Cancel): a blue pill on the white page;
    the code draws the text over it and stretches it to the button."""
    width, height = 82, 24
    backdrop = Canvas(width, height, WHITE)
    top, bottom = ((52, 132, 200), (22, 82, 146)) if state == "up" else ((18, 66, 120), (30, 96, 160))

    def draw(face, outline):
        face.fill(outline, lambda _x, y: mix(top, bottom, y / height))
        face.fill(ring(outline, 1.0), (12, 52, 98), alpha=0.7)
        if state == "up":
            face.fill(rounded_rect(3, 2, width - 3, height / 2, 5), WHITE, alpha=0.12)

    return keyed_picture(backdrop, 0, 0, width, height, 7, draw)


def draw_printer(canvas, cx, cy, scale, body, paper, slot):
    """A printer seen from the front: paper in, body, paper out; scale 1 is about 28 px wide."""
    s = scale
    canvas.fill(rounded_rect(cx - 8 * s, cy - 13 * s, cx + 8 * s, cy - 2 * s, 1 * s), paper)
    canvas.fill(rounded_rect(cx - 14 * s, cy - 5 * s, cx + 14 * s, cy + 8 * s, 3 * s), body)
    canvas.fill(rounded_rect(cx - 9 * s, cy + 2 * s, cx + 9 * s, cy + 4 * s, 1 * s), slot)
    canvas.fill(rounded_rect(cx - 8 * s, cy + 3 * s, cx + 8 * s, cy + 13 * s, 1 * s), paper)
    for i, colour in enumerate(INK_COLOURS[:3]):
        canvas.fill(circle(cx + (6 + i * 3.2) * s - 8 * s, cy + 8.5 * s, 1.2 * s), colour)
    canvas.fill(circle(cx + 10 * s, cy - 1.5 * s, 1.3 * s), ACCENT)


def draw_logo(backdrop, g):
    left, top = g["MAIN_LOGO_LEFT"], g["MAIN_LOGO_TOP"]
    width, height = g["MAIN_LOGO_WIDTH"], g["MAIN_LOGO_HEIGHT"]

    def draw(face, outline):
        face.fill(outline, lambda x, y: mix((56, 208, 226), (16, 120, 160), (x + y) / (width + height)))
        face.fill(ring(outline, 1.2), WHITE, alpha=0.35)
        draw_printer(face, width / 2, height / 2 + 1, 1.15, WHITE, (220, 240, 248), (16, 96, 130))

    return keyed_picture(backdrop, left, top, width, height, 10, draw)


def draw_banner(backdrop, g):
    left, top = g["MAIN_BANNER_LEFT"], g["MAIN_BANNER_TOP"]
    width, height = g["MAIN_BANNER_WIDTH"], g["MAIN_BANNER_HEIGHT"]

    def draw(face, outline):
        face.fill(outline, WHITE, alpha=0.08)
        face.fill(ring(outline, 1.0), WHITE, alpha=0.2)
        pitch = width / (len(INK_COLOURS) + 1)
        for i, colour in enumerate(INK_COLOURS):
            shape = glyph_ink(pitch * (i + 1), height / 2 + 1)
            face.fill(shape, mix(colour, WHITE, 0.15 if i == 3 else 0.0))
            if i == 3:
                face.fill(ring(shape, 1.0), WHITE, alpha=0.55)

    return keyed_picture(backdrop, left, top, width, height, 8, draw)


def draw_home_printer():
    """The printer beside the Home page's status: a soft tile with the printer drawn large."""
    width, height = 170, 92
    backdrop = Canvas(width, height, WHITE)

    def draw(face, outline):
        face.fill(outline, lambda _x, y: mix((236, 246, 251), (206, 228, 240), y / height))
        face.fill(ring(outline, 1.0), (150, 190, 214), alpha=0.8)
        draw_printer(face, width / 2, height / 2 + 2, 2.6, (46, 96, 140), WHITE, (20, 54, 86))

    return keyed_picture(backdrop, 0, 0, width, height, 12, draw)


def draw_web_globe():
    """The small globe beside the web link."""
    width, height = 60, 38
    canvas = Canvas(width, height, KEY)
    cx, cy, r = width / 2, height / 2, 15
    globe = circle(cx, cy, r)
    canvas.fill(globe, lambda x, y: mix((70, 170, 225), (20, 100, 170), (x + y) / (width + height)))
    for shape in (ring(circle(cx, cy, r * 0.55), 1.0), ring(globe, 1.2),
                  capsule(cx - r, cy, cx + r, cy, 0.6), capsule(cx, cy - r, cx, cy + r, 0.6),
                  capsule(cx - r * 0.85, cy - r * 0.5, cx + r * 0.85, cy - r * 0.5, 0.5),
                  capsule(cx - r * 0.85, cy + r * 0.5, cx + r * 0.85, cy + r * 0.5, 0.5)):
        canvas.fill(subtract(shape, lambda x, y: -globe(x, y)), WHITE, alpha=0.7)
    return canvas


def draw_link_arrow():
    """The arrow in front of a web link: a blue disc with a white arrow."""
    size = 16
    canvas = Canvas(size, size, KEY)
    canvas.fill(circle(size / 2, size / 2, 7.2), (30, 112, 184))
    canvas.fill(capsule(4.5, 8, 10.5, 8, 1.1), WHITE)
    canvas.fill(capsule(8, 5, 11, 8, 1.1), WHITE)
    canvas.fill(capsule(8, 11, 11, 8, 1.1), WHITE)
    return canvas


def draw_icon(size):
    """The window icon as straight RGBA rows: the printer on a teal tile."""
    scale = size / 32.0
    tile = rounded_rect(0.5, 0.5, size - 0.5, size - 0.5, 6 * scale)
    canvas = Canvas(size, size, (0, 0, 0))
    canvas.fill(tile, lambda x, y: mix((56, 208, 226), (12, 88, 130), (x + y) / (2 * size)))
    draw_printer(canvas, size / 2, size / 2 + scale, 0.92 * scale, WHITE, (220, 240, 248),
                 (12, 80, 120))
    alpha = [[round(255 * coverage(tile(x + 0.5, y + 0.5))) for x in range(size)] for y in range(size)]
    return canvas, alpha


# --- Files ----------------------------------------------------------------------------------------


def write_bmp(path, canvas):
    stride = (canvas.width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(canvas.rows):
        line = bytearray()
        for r, gr, b in row:
            line += bytes((b, gr, r))
        pixels += line + bytes(stride - len(line))
    header = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0, len(pixels),
                         2835, 2835, 0, 0)
    offset = 14 + len(header)
    Path(path).write_bytes(b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset) + header
                           + pixels)


def icon_image(size):
    canvas, alpha = draw_icon(size)
    xor = bytearray()
    for y in reversed(range(size)):
        for x in range(size):
            r, g, b = canvas.get(x, y)
            xor += bytes((b, g, r, alpha[y][x]))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for y in reversed(range(size)):
        bits = bytearray(mask_stride)
        for x in range(size):
            if alpha[y][x] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0,
                         0, 0)
    return header + xor + mask


def write_icon(path, sizes):
    images = [icon_image(size) for size in sizes]
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        data += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    Path(path).write_bytes(data + b"".join(images))


def make_palette(canvases, count=256):
    """The module palette: fixed entries the skin and the system need, then the most used colours
    of the pictures, each kept only if it is not too close to one already taken."""
    fixed = [(0, 0, 0), WHITE, KEY, (128, 128, 128), (192, 192, 192), (231, 24, 24), NAVY, TEAL,
             ACCENT, FRAME_TOP, FRAME_BOTTOM, HOLE_EDGE, SOFT_TEXT] + INK_COLOURS
    histogram = {}
    for canvas in canvases:
        for colour in canvas.colours():
            histogram[colour] = histogram.get(colour, 0) + 1
    ranked = sorted(histogram, key=lambda c: (-histogram[c], c))
    chosen = list(dict.fromkeys(fixed))
    for spacing in (24, 16, 10, 6, 3, 0):
        for colour in ranked:
            if len(chosen) >= count:
                break
            if all(sum(abs(colour[i] - c[i]) for i in range(3)) > spacing for c in chosen):
                chosen.append(colour)
    while len(chosen) < count:  # only for tiny pictures: pad with a grey ramp
        chosen.append((len(chosen) % 256,) * 3)
    return chosen[:count]


def write_palette(path, colours):
    data = struct.pack("<HH", 0x300, len(colours))
    for r, g, b in colours:
        data += struct.pack("<BBBB", r, g, b, 0)
    Path(path).write_bytes(data)


NAV_NAMES = ["home", "features", "troubleshooting", "ink", "contact", "advanced"]
NAV_STATES = ["up", "down", "hover"]


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    geometry = read_geometry(Path(argv[1]).read_text())
    out = Path(argv[2])
    out.mkdir(parents=True, exist_ok=True)

    background = draw_background(geometry)
    pictures = {"background": background}
    for index, name in enumerate(NAV_NAMES):
        for state in NAV_STATES:
            pictures[f"nav_{name}_{state}"] = draw_nav_button(background, geometry, index, state)
    pictures["logo"] = draw_logo(background, geometry)
    pictures["banner"] = draw_banner(background, geometry)
    # The palette serves the skin first: the window's frame is what a 256-colour display shows
    # everywhere.
    skin = list(pictures.values())
    for state in ("up", "down"):
        pictures[f"page_button_{state}"] = draw_page_button(state)
    pictures["home_printer"] = draw_home_printer()
    pictures["web_globe"] = draw_web_globe()
    pictures["link_arrow"] = draw_link_arrow()
    import cartridge_art  # the cartridges and the Ink Cartridge page, drawn with these helpers

    pictures.update(cartridge_art.draw_all())
    import cleaning_art  # the clean-and-test wizard and the clean-rollers dialog

    pictures.update(cleaning_art.draw_all())

    import test_page_art  # the test page's picture

    pictures.update(test_page_art.draw_all())

    import lowink_art  # the low-ink warning's and the service tag's pictures

    pictures.update(lowink_art.draw_all())

    import install_art  # the post-install wizard's step band and pictures

    pictures.update(install_art.draw_all())

    import tanks_art  # the Ink Tanks page's and the ink-tank wizards' pictures

    pictures.update(tanks_art.draw_all())

    import features_art  # the Printer Features page's "show" buttons and manual link

    pictures.update(features_art.draw_all())
    for name, canvas in pictures.items():
        write_bmp(out / f"{name}.bmp", canvas)
    write_icon(out / "printer.ico", [16, 32])
    write_palette(out / "palette.bin", make_palette(skin))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
