#!/usr/bin/env python3
"""Draws the program's icon: a chip in a dual in-line package seen in
perspective, grey-blue body and gold pins on a transparent background.

Run without arguments, it writes every image of the icon beside this script:
ritmolis.png and ritmolis.ico, the window's own icon, 50 x 50 pixels in at most
256 colours; hicolor/NxN/apps/ritmolis.png, the icon of the desktop's theme
at each size of HICOLOR_SIZES; and web/, the icons of the page installed as an
app (WEB_ICONS): the chip alone, and on a tile, whose corners a phone may cut. Run it again after changing the drawing, and
commit the images. `draw_icon.py --size N FILE.png` draws one picture of N x N
pixels.

The drawing is made on a 50-unit square and scaled to the picture. Small
pictures are simplified rather than shrunk: each pixel takes the one colour that
covers most of it, each pin is a whole number of pixels wide and goes straight
down, and the smallest show three pins a side, no pins behind the body and no
notch, so that a 16-pixel icon stays sharp instead of blurring into grey."""
import argparse
import os
import struct
import zlib
from dataclasses import dataclass

SIZE = 50  # the drawing's square, and the size of the window's own icon
SAMPLES = 4  # per pixel side, for smooth edges between shapes
HICOLOR_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
# The page's icons: file, size, and whether the chip stands on a tile (the
# maskable icon, which a phone cuts to its own shape, and iOS's home screen,
# which fills what is transparent with black).
WEB_ICONS = (("icon-192.png", 192, False), ("icon-512.png", 512, False),
             ("icon-maskable-512.png", 512, True), ("apple-touch-icon.png", 180, True))
TILE = (239, 239, 239)  # the page's background, #efefef
TILE_CHIP = 0.72  # of the tile's side: the chip stays within the circle of 80 % that any mask leaves


def quad(*points):
    return points


def lerp(a, b, t):
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t)


def add(a, b, scale=1.0):
    return (a[0] + b[0] * scale, a[1] + b[1] * scale)


# The body: a top face A-B-C-D, a front face below D-C and an end face below A-D.
A, B, C, D = (5, 19), (33, 9), (45, 21), (17, 32)
DEPTH = (0, 6)
A2, C2, D2 = add(A, DEPTH), add(C, DEPTH), add(D, DEPTH)
OUT_BACK = (-0.2 * (D[0] - A[0]), -0.2 * (D[1] - A[1]))  # away from the body, behind it

BLUE_TOP, BLUE_FRONT, BLUE_END = (104, 122, 150), (66, 80, 104), (82, 98, 124)
GOLD, GOLD_DARK = (228, 186, 64), (168, 128, 30)
NOTCH = (50, 60, 78)


@dataclass(frozen=True)
class Detail:
    """What the drawing shows at one size."""
    pins: tuple = (0.16, 0.39, 0.62, 0.85)  # where the pins sit along the body's edge
    half_width: float = 0.05  # of a pin, as a part of the edge
    back_pins: bool = True  # the row of pins behind the body
    bent: bool = True  # the front pins leave the body sideways, then bend down
    notch: float = 2.6  # the radius of the notch, in units of the drawing
    crisp: bool = False  # each pixel in one colour: the one that covers most of it


def detail_for(size):
    if size <= 16:
        return Detail(pins=(0.2, 0.5, 0.8), half_width=0.08, back_pins=False, bent=False, notch=0, crisp=True)
    if size <= 24:
        return Detail(pins=(0.2, 0.5, 0.8), half_width=0.07, back_pins=False, bent=False, notch=0, crisp=True)
    if size <= 32:
        return Detail(half_width=0.06, bent=False, notch=3.2, crisp=True)
    return Detail()


def at_x(edge_from, edge_to, x):
    return lerp(edge_from, edge_to, (x - edge_from[0]) / (edge_to[0] - edge_from[0]))


def pins(detail, edge_from, edge_to, outward, down, colour, grid):
    """A row of pins along an edge of the body: each leaves the body by
    `outward` (straight down when it is None), then goes down by `down`. In a
    crisp picture each pin is a whole number of pixels (`grid` units) wide and
    ends level."""
    shapes = []
    for t in detail.pins:
        p, q = lerp(edge_from, edge_to, t - detail.half_width), lerp(edge_from, edge_to, t + detail.half_width)
        if detail.crisp:
            left = round(p[0] / grid) * grid
            width = max(1, round((q[0] - p[0]) / grid)) * grid
            p, q = at_x(edge_from, edge_to, left), at_x(edge_from, edge_to, left + width)
        if outward:
            shapes.append((quad(p, q, add(q, outward), add(p, outward)), colour))
            p, q = add(p, outward), add(q, outward)
        if detail.crisp:
            foot = max(p[1], q[1]) + down[1]
            shapes.append((quad(p, q, (q[0], foot), (p[0], foot)), colour))
        else:
            shapes.append((quad(p, q, add(q, down), add(p, down)), colour))
    return shapes


def shapes(detail, grid=1.0):
    out = []
    if detail.back_pins:
        out += pins(detail, A, B, OUT_BACK, (0, 5), GOLD_DARK, grid)  # behind the body
    out.append((quad(A, D, D2, A2), BLUE_END))
    out.append((quad(D, C, C2, D2), BLUE_FRONT))
    out.append((quad(A, B, C, D), BLUE_TOP))
    out += pins(detail, D2, C2, (0.9, 1.0) if detail.bent else None, (0, 7), GOLD, grid)  # in front
    if detail.notch:
        centre_end = lerp(lerp(A, D, 0.5), lerp(B, C, 0.5), 0.1)
        out.append((("circle", centre_end, detail.notch), NOTCH))  # the notch of pin 1's end
    return out


def inside(shape, x, y):
    if shape[0] == "circle":
        (cx, cy), r = shape[1], shape[2]
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    sign = 0
    for i, (x1, y1) in enumerate(shape):
        x2, y2 = shape[(i + 1) % len(shape)]
        cross = (x2 - x1) * (y - y1) - (y2 - y1) * (x - x1)
        if cross != 0:
            if sign and (cross > 0) != (sign > 0):
                return False
            sign = cross
    return True


def bounds(shape):
    if shape[0] == "circle":
        (cx, cy), r = shape[1], shape[2]
        return cx - r, cy - r, cx + r, cy + r
    xs, ys = [p[0] for p in shape], [p[1] for p in shape]
    return min(xs), min(ys), max(xs), max(ys)


def render(size=SIZE, smooth_alpha=False):
    """The picture as rows of pixels: None (transparent), (r, g, b), or with
    smooth_alpha (r, g, b, a) where a is the part of the pixel covered."""
    detail = detail_for(size)
    scale = SIZE / size  # units of the drawing per pixel
    drawn = [(shape, fill, bounds(shape)) for shape, fill in shapes(detail, scale)]
    depth = {fill: z for z, (_, fill, _) in enumerate(drawn)}  # how far in front each colour is drawn
    samples = SAMPLES + 1 if detail.crisp else SAMPLES  # an odd count: fewer ties between two colours
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            # Only the shapes that reach into this pixel can colour it.
            x0, y0, x1, y1 = px * scale, py * scale, (px + 1) * scale, (py + 1) * scale
            here = [(s, f) for s, f, (l, t, r, b) in drawn if l <= x1 and r >= x0 and t <= y1 and b >= y0]
            seen = []
            for sy in range(samples):
                for sx in range(samples):
                    x, y = (px + (sx + 0.5) / samples) * scale, (py + (sy + 0.5) / samples) * scale
                    colour = None
                    for shape, fill in here:
                        if inside(shape, x, y):
                            colour = fill
                    seen.append(colour)
            row.append(pixel_of(seen, depth if detail.crisp else None, smooth_alpha))
        pixels.append(row)
    return pixels


def pixel_of(samples, depth, smooth_alpha):
    """One pixel from the colours of its samples (None where nothing is
    drawn). With `depth`, the colour of most samples, transparency counted as
    one; a tie goes to the colour drawn further in front."""
    hits = [c for c in samples if c]
    if depth:
        return max(set(samples), key=lambda c: (samples.count(c), depth.get(c, -1)))
    if smooth_alpha:
        if not hits:
            return None
        average = tuple(sum(c[i] for c in hits) // len(hits) for i in range(3))
        return average + (round(255 * len(hits) / len(samples)),)
    if len(hits) * 2 < len(samples):
        return None  # transparent
    return tuple(sum(c[i] for c in hits) // len(hits) for i in range(3))


def palette_of(pixels):
    colours = sorted({p for row in pixels for p in row if p})
    assert len(colours) <= 255, len(colours)
    return [(0, 0, 0)] + colours  # index 0 is transparent


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def write_png(path, pixels, palette):
    size = len(pixels)
    index = {c: i for i, c in enumerate(palette)}
    raw = b"".join(b"\0" + bytes(index[p] if p else 0 for p in row) for row in pixels)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 3, 0, 0, 0)))
        f.write(chunk(b"PLTE", b"".join(bytes(c) for c in palette)))
        f.write(chunk(b"tRNS", b"\0"))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))


def write_png_rgba(path, pixels):
    size = len(pixels)
    raw = b"".join(b"\0" + b"".join(bytes(p if p else (0, 0, 0, 0)) for p in row) for row in pixels)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))


def write_ico(path, pixels, palette):
    index = {c: i for i, c in enumerate(palette)}
    row_bytes, mask_bytes = (SIZE + 3) // 4 * 4, (SIZE + 31) // 32 * 4
    colours = b"".join(bytes((c[2], c[1], c[0], 0)) for c in palette + [(0, 0, 0)] * (256 - len(palette)))
    xor, mask = b"", b""
    for row in reversed(pixels):  # bottom-up
        xor += bytes(index[p] if p else 0 for p in row).ljust(row_bytes, b"\0")
        bits = 0
        for p in row:
            bits = bits << 1 | (p is None)
        mask += (bits << (mask_bytes * 8 - SIZE)).to_bytes(mask_bytes, "big")
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 8, 0, len(xor) + len(mask), 0, 0, 256, 0)
    image = header + colours + xor + mask
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, 1))
        f.write(struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 6 + 16))
        f.write(image)


def draw(size, path):
    """One picture of the icon at `size` pixels: sharp-edged in at most 256
    colours when small, with smooth edges (an alpha channel) when large."""
    if detail_for(size).crisp:
        picture = render(size)
        write_png(path, picture, palette_of(picture))
    else:
        write_png_rgba(path, render(size, smooth_alpha=True))


def draw_on_tile(size, path):
    """The chip, smooth-edged, in the middle of an opaque square tile."""
    inner = round(size * TILE_CHIP)
    chip, at = render(inner, smooth_alpha=True), (size - inner) // 2
    pixels = [[TILE + (255,)] * size for _ in range(size)]
    for y, row in enumerate(chip):
        for x, p in enumerate(row):
            if p:
                a = p[3] / 255
                pixels[at + y][at + x] = tuple(round(p[i] * a + TILE[i] * (1 - a)) for i in range(3)) + (255,)
    write_png_rgba(path, pixels)


if __name__ == "__main__":
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--size", type=int, help="draw one picture of SIZE x SIZE pixels into FILE")
    parser.add_argument("file", nargs="?", help="the PNG file to write with --size")
    args = parser.parse_args()
    if args.size is not None:
        if not args.file or args.size < 1:
            parser.error("--size needs a positive size and a FILE")
        draw(args.size, args.file)
    else:
        here = os.path.dirname(os.path.abspath(__file__))
        picture = render()
        colours = palette_of(picture)
        write_png(os.path.join(here, "ritmolis.png"), picture, colours)
        write_ico(os.path.join(here, "ritmolis.ico"), picture, colours)
        print(f"{len(colours)} colours")
        for size in HICOLOR_SIZES:
            folder = os.path.join(here, "hicolor", f"{size}x{size}", "apps")
            os.makedirs(folder, exist_ok=True)
            draw(size, os.path.join(folder, "ritmolis.png"))
        os.makedirs(os.path.join(here, "web"), exist_ok=True)
        for name, size, tile in WEB_ICONS:
            (draw_on_tile if tile else draw)(size, os.path.join(here, "web", name))
