"""The test page's picture (bitmap 6162): what a printed page shows of the printer's health.

A white portrait page: a heading with the printer and the words "TEST PAGE", the four inks as
solid bars, each ink fading to white, a grey ramp, fine lines that show missing nozzles, and a
frame round the whole, so that a page cut at any edge is seen at once.
"""

import make_bitmaps as art
from make_bitmaps import WHITE, Canvas, circle, glyph_segments, segment_distance

WIDTH, HEIGHT = 480, 640
MARGIN = 16
NAVY = art.NAVY
CYAN, MAGENTA, YELLOW, BLACK = art.INK_COLOURS

# The heading's letters, in the 5 x 7 cells of the skin's own font.
LETTERS = {
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "S": art.FONT["S"],
    "P": art.FONT["P"],
    "A": art.FONT["A"],
    "G": [".####", "#....", "#....", "#.###", "#...#", "#...#", ".###."],
    " ": ["...", "...", "...", "...", "...", "...", "..."],
}


def fill_rect(canvas, left, top, right, bottom, colour):
    """A sharp rectangle, pixel for pixel: bars and lines need no soft edges."""
    for y in range(max(0, top), min(canvas.height, bottom)):
        row = canvas.rows[y]
        for x in range(max(0, left), min(canvas.width, right)):
            row[x] = colour(x, y) if callable(colour) else colour


def draw_heading(canvas, text, top, cell):
    width = sum((len(LETTERS[ch][0]) + 1) * cell for ch in text) - cell
    x = (canvas.width - width) / 2
    for ch in text:
        rows = LETTERS[ch]
        segments = glyph_segments(rows, x, top, cell)
        if segments:

            def shape(px, py, segments=segments):
                return min(segment_distance(px, py, *s) for s in segments) - cell * 0.5

            box = (int(x - 1), int(top - 1), int(x + len(rows[0]) * cell + 2), int(top + 8 * cell))
            canvas.fill(shape, NAVY, box)
        x += (len(rows[0]) + 1) * cell


def draw_test_page():
    page = Canvas(WIDTH, HEIGHT, WHITE)
    # The frame: each edge of the picture is on the paper when all four lines are.
    for inset, colour in ((0, BLACK), (4, NAVY)):
        fill_rect(page, inset, inset, WIDTH - inset, inset + 2, colour)
        fill_rect(page, inset, HEIGHT - inset - 2, WIDTH - inset, HEIGHT - inset, colour)
        fill_rect(page, inset, inset, inset + 2, HEIGHT - inset, colour)
        fill_rect(page, WIDTH - inset - 2, inset, WIDTH - inset, HEIGHT - inset, colour)

    art.draw_printer(page, WIDTH / 2, 72, 3.4, (214, 226, 236), WHITE, NAVY)
    draw_heading(page, "TEST PAGE", 136, 5)

    left, right = MARGIN * 3, WIDTH - MARGIN * 3
    span = right - left
    top = 196
    for ink in (CYAN, MAGENTA, YELLOW, BLACK):
        # Solid, then fading to white: banding or a weak ink shows in the fade.
        fill_rect(page, left, top, left + span // 3, top + 40, ink)
        fill_rect(page, left + span // 3, top, right, top + 40,
                  lambda x, _y, ink=ink: art.mix(ink, WHITE, (x - left - span // 3) / (span * 2 / 3)))
        top += 52

    # A grey ramp in eleven steps, composed of all three colour inks on a real printer.
    steps = 11
    for step in range(steps):
        level = round(255 * step / (steps - 1))
        x0 = left + span * step // steps
        x1 = left + span * (step + 1) // steps
        fill_rect(page, x0, top, x1, top + 36, (level, level, level))
    top += 52

    # Fine lines, one pixel apart in each ink: a missing nozzle leaves a gap in its block.
    block = span // 4
    for index, ink in enumerate((CYAN, MAGENTA, YELLOW, BLACK)):
        x0 = left + index * block
        for y in range(top, top + 60, 3):
            fill_rect(page, x0 + 4, y, x0 + block - 4, y + 1, ink)
    top += 76

    # Circles in the four inks: the page is round where the printer's axes agree.
    for index, ink in enumerate((CYAN, MAGENTA, YELLOW, BLACK)):
        cx = left + block * index + block / 2
        ring = art.ring(circle(cx, top + 30, 26), 3)
        page.fill(ring, ink, (int(cx - 32), top - 4, int(cx + 32), top + 64))
    return page


def draw_all():
    return {"test_page": draw_test_page()}
