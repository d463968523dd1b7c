#!/usr/bin/env python3
"""Draws the pictures that the windows carry.

    court.bmp   500 x 442, 24-bit BMP: half a handball court seen from above
                (court dialog background, shown unscaled from its top-left
                corner; the location and goal-zone buttons stand on it)
    emblem.bmp  79 x 77, 24-bit BMP: small blue ball on white (splash window)
    icon.png    32 x 32 RGBA PNG: application icon

Only the standard library is used. Run from anywhere:

    python3 resources/make_pictures.py

The files are written next to this script. The output is deterministic, so
running the script again gives byte-identical files.
"""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)


class Canvas:
    """An RGB(A) pixel grid, row 0 at the top."""

    def __init__(self, width, height, colour):
        self.width = width
        self.height = height
        self.px = [[colour for _ in range(width)] for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = colour

    def get(self, x, y):
        return self.px[y][x]

    def hline(self, x0, x1, y, colour):
        for x in range(x0, x1 + 1):
            self.put(x, y, colour)

    def vline(self, x, y0, y1, colour):
        for y in range(y0, y1 + 1):
            self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        """Outline of the rectangle whose corners (inclusive) are given."""
        self.hline(x0, x1, y0, colour)
        self.hline(x0, x1, y1, colour)
        self.vline(x0, y0, y1, colour)
        self.vline(x1, y0, y1, colour)

    def fill(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            self.hline(x0, x1, y, colour)


# ---------------------------------------------------------------- writers

def bmp24_bytes(canvas):
    """Uncompressed 24-bit BMP: BITMAPFILEHEADER + BITMAPINFOHEADER,
    bottom-up rows in B, G, R order, each padded to a multiple of 4 bytes."""
    row_size = (canvas.width * 3 + 3) & ~3
    pad = b"\0" * (row_size - canvas.width * 3)
    rows = []
    for y in range(canvas.height - 1, -1, -1):
        line = bytearray()
        for x in range(canvas.width):
            r, g, b = canvas.get(x, y)[:3]
            line += bytes((b, g, r))
        rows.append(bytes(line) + pad)
    pixels = b"".join(rows)
    offset = 14 + 40
    info = struct.pack(
        "<IiiHHIIiiII",
        40,                 # header size
        canvas.width,
        canvas.height,      # positive: bottom-up
        1,                  # planes
        24,                 # bits per pixel
        0,                  # BI_RGB, no compression
        len(pixels),
        3780, 3780,         # 96 dots per inch
        0, 0)
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return head + info + pixels


def png_rgba_bytes(canvas):
    """8-bit RGBA PNG, filter type 0 on every row."""
    def chunk(kind, data):
        body = kind + data
        return (struct.pack(">I", len(data)) + body
                + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF))

    raw = bytearray()
    for y in range(canvas.height):
        raw.append(0)
        for x in range(canvas.width):
            c = canvas.get(x, y)
            raw += bytes(c if len(c) == 4 else (c[0], c[1], c[2], 255))
    ihdr = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def write(name, data):
    path = os.path.join(HERE, name)
    with open(path, "wb") as f:
        f.write(data)
    print("wrote %s (%d bytes)" % (path, len(data)))


# ---------------------------------------------------------------- court

COURT_BLUE = (0xC0, 0xE8, 0xFF)   # playing surface
AREA_BLUE = (0x00, 0xC8, 0xFF)    # goal area

COURT_L, COURT_T, COURT_R, COURT_B = 28, 90, 460, 402
CENTRE_LINE_Y = 318

# Goal area: x 89..411 along the goal line, down to y 185, its lower corners
# rounded by quarter ellipses centred on the goal line.
AREA_L, AREA_R = 89, 411
AREA_BOTTOM = 185
AREA_RX = 95
AREA_CX_L = AREA_L + AREA_RX      # 184
AREA_CX_R = AREA_R - AREA_RX      # 316
AREA_CY = COURT_T + 1             # 91, first row inside the court
AREA_RY = AREA_BOTTOM - AREA_CY   # 94

# Free-throw line: the same shape pushed outwards; its straight middle runs
# at y 234 (drawn 3 px thick, rows 233..235), its ends meet the side lines.
FREE_Y = 234
FREE_RX = 175
FREE_RY = FREE_Y - AREA_CY        # 143
DASH_ON, DASH_OFF = 8, 5

# Goal mouth above the goal line.
GOAL_L, GOAL_R, GOAL_T = 180, 331, 14
GOAL_ROWS = (42, 66)
GOAL_COLS = (232, 280)


def in_goal_area(x, y):
    if not (AREA_CY <= y <= AREA_BOTTOM and AREA_L <= x <= AREA_R):
        return False
    if AREA_CX_L <= x <= AREA_CX_R:
        return True
    cx = AREA_CX_L if x < AREA_CX_L else AREA_CX_R
    dx = (x - cx) / (AREA_RX + 0.5)
    dy = (y - AREA_CY) / (AREA_RY + 0.5)
    return dx * dx + dy * dy <= 1.0


def free_throw_path():
    """Points along the free-throw line from the left side line, round the
    goal area, to the right side line, about a quarter pixel apart."""
    pts = []
    # Left quarter ellipse: x = cx - rx cos t, y = cy + ry sin t.
    t0 = math.acos((AREA_CX_L - COURT_L) / FREE_RX)
    steps = 2000
    for i in range(steps + 1):
        t = t0 + (math.pi / 2 - t0) * i / steps
        pts.append((AREA_CX_L - FREE_RX * math.cos(t),
                    AREA_CY + FREE_RY * math.sin(t)))
    x = float(AREA_CX_L)
    while x < AREA_CX_R:
        pts.append((x, float(FREE_Y)))
        x += 0.25
    t0 = math.acos((COURT_R - AREA_CX_R) / FREE_RX)
    for i in range(steps + 1):
        t = math.pi / 2 - (math.pi / 2 - t0) * i / steps
        pts.append((AREA_CX_R + FREE_RX * math.cos(t),
                    AREA_CY + FREE_RY * math.sin(t)))
    return pts


def draw_court():
    c = Canvas(500, 442, WHITE)

    # Court: black outline, light blue inside.
    c.fill(COURT_L + 1, COURT_T + 1, COURT_R - 1, COURT_B - 1, COURT_BLUE)
    c.frame(COURT_L, COURT_T, COURT_R, COURT_B, BLACK)

    # Goal area with its black flat edge.
    for y in range(AREA_CY, AREA_BOTTOM + 1):
        for x in range(AREA_L, AREA_R + 1):
            if in_goal_area(x, y):
                c.put(x, y, AREA_BLUE)
    c.hline(AREA_CX_L, AREA_CX_R, AREA_BOTTOM + 1, BLACK)

    # Dashed free-throw line, 3 px pen, kept inside the side lines.
    travelled = 0.0
    prev = None
    for (px, py) in free_throw_path():
        if prev is not None:
            travelled += math.hypot(px - prev[0], py - prev[1])
        prev = (px, py)
        if travelled % (DASH_ON + DASH_OFF) >= DASH_ON:
            continue
        ix, iy = int(round(px)), int(round(py))
        for dy in (-1, 0, 1):
            for dx in (-1, 0, 1):
                x, y = ix + dx, iy + dy
                if COURT_L < x < COURT_R and COURT_T < y < CENTRE_LINE_Y:
                    c.put(x, y, BLACK)

    # Centre line; below it lies a strip of the opponents' half.
    c.hline(COURT_L, COURT_R, CENTRE_LINE_Y, BLACK)

    # Goal: doubled outer lines (one pixel apart), 3 x 3 cells inside.
    c.fill(GOAL_L, GOAL_T, GOAL_R, COURT_T - 1, WHITE)
    c.vline(GOAL_L, GOAL_T, COURT_T, BLACK)
    c.vline(GOAL_L + 2, GOAL_T + 2, COURT_T, BLACK)
    c.vline(GOAL_R, GOAL_T, COURT_T, BLACK)
    c.vline(GOAL_R - 2, GOAL_T + 2, COURT_T, BLACK)
    c.hline(GOAL_L, GOAL_R, GOAL_T, BLACK)
    c.hline(GOAL_L + 2, GOAL_R - 2, GOAL_T + 2, BLACK)
    for y in GOAL_ROWS:
        c.hline(GOAL_L + 2, GOAL_R - 2, y, BLACK)
    for x in GOAL_COLS:
        c.vline(x, GOAL_T + 2, COURT_T, BLACK)
    return c


# ---------------------------------------------------------------- ball

def ball_coverage(u, v):
    """Colour class of a point of the unit ball picture, u and v in -1..1
    from the ball's centre: None outside, 'seam' on a seam line, 'face'
    elsewhere on the ball."""
    r2 = u * u + v * v
    if r2 > 1.0:
        return None
    if r2 > 0.86 * 0.86:
        return "seam"           # rim
    w = 0.055
    # Equator, bent like a seam on a sphere seen slightly from above.
    if abs(v - 0.28 * (1 - u * u) + 0.12) < w:
        return "seam"
    # Two meridians curving to the left and right.
    for side in (-1, 1):
        m = side * 0.42 * math.sqrt(max(0.0, 1 - v * v))
        if abs(u - m) < w:
            return "seam"
    return "face"


def draw_ball(canvas, cx, cy, radius, face, seam, samples=4):
    """Anti-aliased ball drawn over whatever the canvas holds."""
    x0, x1 = int(cx - radius) - 1, int(cx + radius) + 1
    y0, y1 = int(cy - radius) - 1, int(cy + radius) + 1
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            if not (0 <= x < canvas.width and 0 <= y < canvas.height):
                continue
            acc = [0.0, 0.0, 0.0, 0.0]
            hits = 0
            for sy in range(samples):
                for sx in range(samples):
                    u = (x + (sx + 0.5) / samples - cx) / radius
                    v = (y + (sy + 0.5) / samples - cy) / radius
                    kind = ball_coverage(u, v)
                    if kind is None:
                        continue
                    col = seam if kind == "seam" else face
                    for i in range(4):
                        acc[i] += col[i] if i < len(col) else 255
                    hits += 1
            if hits == 0:
                continue
            n = samples * samples
            base = canvas.get(x, y)
            a = hits / n
            mixed = []
            for i in range(len(base)):
                top = acc[i] / hits
                mixed.append(int(round(top * a + base[i] * (1 - a))))
            canvas.put(x, y, tuple(mixed))


def draw_emblem():
    c = Canvas(79, 77, WHITE)
    # Only the top 73 rows are shown, so the artwork stays above them.
    draw_ball(c, 39.5, 34.5, 29.0, (40, 90, 220), (0, 0, 140))
    # Two short motion strokes below the ball.
    for x in range(14, 66):
        if (x // 6) % 2 == 0:
            c.put(x, 68, (0, 0, 140))
            c.put(x, 69, (0, 0, 140))
    return c


def draw_icon(size=32):
    """The application icon at size x size pixels; 32 is the window icon,
    the other sizes are the desktop's icon theme sizes."""
    c = Canvas(size, size, (0, 0, 0, 0))
    blue = (0, 70, 200, 255)
    radius = 6 * size / 32
    for y in range(size):
        for x in range(size):
            # Rounded square, anti-aliased at the corners.
            hits = 0
            for sy in range(4):
                for sx in range(4):
                    fx = x + (sx + 0.5) / 4
                    fy = y + (sy + 0.5) / 4
                    qx = min(max(fx, radius), size - radius)
                    qy = min(max(fy, radius), size - radius)
                    if (fx - qx) ** 2 + (fy - qy) ** 2 <= radius * radius:
                        hits += 1
            if hits:
                c.put(x, y, (blue[0], blue[1], blue[2],
                             int(round(255 * hits / 16))))
    draw_ball(c, size / 2, size / 2, 12 * size / 32,
              (255, 255, 255, 255), (0, 40, 150, 255))
    return c


def main():
    write("court.bmp", bmp24_bytes(draw_court()))
    write("emblem.bmp", bmp24_bytes(draw_emblem()))
    write("icon.png", png_rgba_bytes(draw_icon()))


if __name__ == "__main__":
    main()
