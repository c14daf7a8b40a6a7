"""The pictures of the ink reorder dialog and of the service-tag dialog.

Both sit on the dialogs' white background, drawn on white and keyed outside their silhouettes as
the cartridge pictures are (cartridge_art.keyed).

- The reorder dialog: a black cartridge whose window shows its ink nearly gone, with a red "!"
  badge.
- The service-tag dialog: a printer's label tag on its string, with a bar code and a line of
  text.
"""

import cartridge_art as carts
from make_bitmaps import WHITE, Canvas, capsule, circle, rounded_rect, ring, subtract, union

RED = (214, 48, 49)
TAG_FACE = (250, 236, 190)
TAG_EDGE = (196, 160, 74)
INK_DARK = (35, 31, 32)


def draw_low_cartridge():
    canvas = Canvas(carts.CART_WIDTH, carts.CART_HEIGHT, WHITE)
    carts.draw_cartridge_body(canvas, False)
    # The label's window: empty above, a thin layer of ink at the bottom.
    window = rounded_rect(25, 30, 55, 64, 3)
    canvas.fill(window, (246, 248, 250))
    canvas.fill(ring(window, 1.2), (170, 176, 186))
    canvas.fill(rounded_rect(27, 58, 53, 62, 1.5), INK_DARK)
    for y in (38, 46, 54):
        canvas.fill(capsule(27, y, 31, y, 0.6), (170, 176, 186))
    carts.draw_badge_mark(canvas, 60, 66, RED, "!")
    silhouette = union(carts.cartridge_parts(False)[3], circle(60, 66, 11))
    return carts.keyed(canvas, silhouette)


def draw_service_tag():
    width, height = 72, 58
    canvas = Canvas(width, height, WHITE)
    tag = subtract(rounded_rect(16, 8, 68, 50, 5), circle(24, 29, 3.2))
    string = capsule(3, 12, 22, 28, 1.1)
    canvas.fill(string, (120, 120, 128))
    canvas.fill(tag, TAG_FACE)
    canvas.fill(ring(tag, 1.3), TAG_EDGE)
    canvas.fill(ring(circle(24, 29, 3.2), 1.0), TAG_EDGE)
    # A bar code and a line of text.
    bars = [1.2, 0.6, 0.6, 1.2, 0.6, 1.2, 1.2, 0.6, 0.6, 1.2, 0.6, 1.2]
    x = 33.0
    for bar in bars:
        canvas.fill(rounded_rect(x, 16, x + bar * 1.4, 34, 0.1), INK_DARK)
        x += bar * 1.4 + 1.2
    canvas.fill(capsule(34, 41, 58, 41, 1.0), (120, 100, 60))
    silhouette = union(tag, string)
    return carts.keyed(canvas, silhouette)


def draw_all():
    return {"lowink_cartridge": draw_low_cartridge(), "service_tag": draw_service_tag()}
