"""The pictures of the clean-and-test wizard and the clean-rollers dialog.

Every picture sits on the white page: it is drawn on white, and the tiles keep the key colour
outside their rounded outline.

- The start page: the printer with drops of cleaning fluid and a sparkle over its print head.
- The printed page, fresh from the printer: a sheet with a few rows of lines (start and result
  pages).
- The expected patterns on the result pages, one per carrier: a sheet with a row of lines and a
  ramp for each ink the cartridges print, black, the three colours or both; on the two-position
  carrier the position without a cartridge prints nothing and shows as a dashed empty band.
- The clean-rollers dialog's cloth wiping a roller, and a small sheet of paper (the paper that
  the cleaned rollers feed; the cancelled-job notice shows it too).
"""

import make_bitmaps as art
from make_bitmaps import KEY, WHITE, Canvas, capsule, circle, mix, ring, rounded_rect

from cartridge_art import BLACK_INK, CYAN, MAGENTA, YELLOW, drop

COLOUR_INKS = [CYAN, MAGENTA, YELLOW]
PAPER_EDGE = (176, 190, 204)
EMPTY = (196, 204, 214)


def tile(width, height, draw):
    """A soft rounded tile on the white page, with whatever draw(canvas) puts on it."""
    backdrop = Canvas(width, height, WHITE)

    def face(canvas, outline):
        canvas.fill(outline, lambda _x, y: mix((240, 248, 252), (214, 232, 242), y / height))
        canvas.fill(ring(outline, 1.0), (150, 190, 214), alpha=0.8)
        draw(canvas)

    return art.keyed_picture(backdrop, 0, 0, width, height, 12, face)


def sheet(canvas, left, top, right, bottom):
    canvas.fill(rounded_rect(left + 3, top + 3, right + 3, bottom + 3, 2), (60, 80, 100), alpha=0.18)
    canvas.fill(rounded_rect(left, top, right, bottom, 2), WHITE)
    canvas.fill(ring(rounded_rect(left, top, right, bottom, 2), 1.0), PAPER_EDGE)


def lines_row(canvas, left, right, top, colour, count=9):
    pitch = (right - left) / count
    for i in range(count):
        x = left + (i + 0.5) * pitch
        canvas.fill(capsule(x, top, x, top + 12, 1.3), colour)


def ramp(canvas, left, right, top, colour, height=7):
    width = right - left
    canvas.fill(rounded_rect(left, top, right, top + height, 1),
                lambda x, _y: mix(WHITE, colour, max(0.0, min(1.0, (x - left) / width))))


def empty_band(canvas, left, right, top, height):
    for i in range(int(left), int(right), 6):
        canvas.fill(capsule(i, top, min(i + 3, right), top, 0.6), EMPTY)
        canvas.fill(capsule(i, top + height, min(i + 3, right), top + height, 0.6), EMPTY)


def draw_clean_printer():
    width, height = 170, 100

    def draw(canvas):
        art.draw_printer(canvas, 70, 56, 2.5, (46, 96, 140), WHITE, (20, 54, 86))
        for cx, cy, r, colour in ((128, 34, 5.0, (70, 170, 225)), (146, 52, 3.8, (70, 170, 225)),
                                  (132, 66, 3.0, (120, 200, 236))):
            canvas.fill(drop(cx, cy, r), colour)
        for dx, dy in ((0, -7), (0, 7), (-7, 0), (7, 0)):
            canvas.fill(capsule(150, 22, 150 + dx, 22 + dy, 1.1), (240, 190, 40))

    return tile(width, height, draw)


def draw_printed_page():
    width, height = 100, 90

    def draw(canvas):
        art.draw_printer(canvas, 50, 62, 1.6, (46, 96, 140), WHITE, (20, 54, 86))
        sheet(canvas, 28, 8, 72, 50)
        for row, colour in enumerate([BLACK_INK] + COLOUR_INKS):
            canvas.fill(capsule(33, 15 + row * 8, 67, 15 + row * 8, 1.4), colour)

    return tile(width, height, draw)


def draw_pattern(black, colour, two_positions):
    """The expected pattern: for each ink printed, a row of lines and a ramp under it."""
    width, height = 210, 160
    inks = ([BLACK_INK] if black else []) + (COLOUR_INKS if colour else [])

    def draw(canvas):
        sheet(canvas, 16, 10, width - 16, height - 10)
        left, right = 30, width - 30
        rows = [(ink, True) for ink in inks]
        if two_positions and not black:
            rows.insert(0, (None, False))
        if two_positions and not colour:
            rows += [(None, False)]
        pitch = (height - 40) / max(len(rows), 1)
        for index, (ink, printed) in enumerate(rows):
            top = 22 + index * pitch
            if printed:
                lines_row(canvas, left, right, top, ink)
                ramp(canvas, left, right, top + 16, ink)
            else:
                empty_band(canvas, left, right, top, 22 if colour or black else pitch - 6)

    return tile(width, height, draw)


def draw_roller_cloth():
    width, height = 110, 80

    def draw(canvas):
        canvas.fill(capsule(18, 30, 92, 30, 11), (70, 76, 86))
        canvas.fill(capsule(18, 26, 92, 26, 3), (130, 138, 150), alpha=0.6)
        for i in range(6):
            x = 26 + i * 12
            canvas.fill(capsule(x, 20, x - 4, 40, 0.8), (40, 44, 52), alpha=0.5)
        canvas.fill(rounded_rect(40, 38, 84, 66, 5), (120, 196, 232))
        canvas.fill(ring(rounded_rect(40, 38, 84, 66, 5), 1.0), (40, 120, 170))
        for y in (46, 54):
            canvas.fill(capsule(46, y, 78, y, 0.7), WHITE, alpha=0.7)
        canvas.fill(drop(94, 58, 4), (70, 170, 225))

    return tile(width, height, draw)


def draw_paper_sheet():
    width, height = 60, 44
    canvas = Canvas(width, height, KEY)
    backdrop = Canvas(width, height, WHITE)
    sheet(backdrop, 16, 4, 44, 38)
    for row in range(4):
        backdrop.fill(capsule(21, 11 + row * 6, 39 - (row % 2) * 6, 11 + row * 6, 0.9), PAPER_EDGE)
    outline = rounded_rect(15, 3, 48, 42, 2)
    for y in range(height):
        for x in range(width):
            if art.coverage(outline(x + 0.5, y + 0.5)) > 0.0:
                canvas.put(x, y, backdrop.get(x, y))
    return canvas


def draw_all():
    return {
        "clean_printer": draw_clean_printer(),
        "clean_printed_page": draw_printed_page(),
        "clean_pattern_both": draw_pattern(True, True, True),
        "clean_pattern_black": draw_pattern(True, False, True),
        "clean_pattern_colour": draw_pattern(False, True, True),
        "clean_pattern_single_black": draw_pattern(True, False, False),
        "clean_pattern_single_colour": draw_pattern(False, True, False),
        "rollers_cloth": draw_roller_cloth(),
        "paper_sheet": draw_paper_sheet(),
    }
