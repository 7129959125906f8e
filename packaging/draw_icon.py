#!/usr/bin/env python3
"""Draws the program's icon: a chip in a dual in-line package seen in
perspective, grey-blue body and gold pins on a transparent background, 50 x 50
pixels in at most 256 colours. Writes ritmolis.png and ritmolis.ico beside this
script; run it again after changing the drawing, and commit both images."""
import os
import struct
import zlib

SIZE = 50
SAMPLES = 4  # per pixel side, for smooth edges between shapes


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


def pins(edge_from, edge_to, outward, down, colour):
    shapes = []
    for t in (0.16, 0.39, 0.62, 0.85):
        p, q = lerp(edge_from, edge_to, t - 0.05), lerp(edge_from, edge_to, t + 0.05)
        shapes.append((quad(p, q, add(q, outward), add(p, outward)), colour))
        p2, q2 = add(p, outward), add(q, outward)
        shapes.append((quad(p2, q2, add(q2, down), add(p2, down)), colour))
    return shapes


def shapes():
    out = []
    out += pins(A, B, OUT_BACK, (0, 5), GOLD_DARK)            # behind the body
    out.append((quad(A, D, D2, A2), BLUE_END))
    out.append((quad(D, C, C2, D2), BLUE_FRONT))
    out.append((quad(A, B, C, D), BLUE_TOP))
    out += pins(D2, C2, (0.9, 1.0), (0, 7), GOLD)            # in front, bent down
    centre_end = lerp(lerp(A, D, 0.5), lerp(B, C, 0.5), 0.1)
    out.append((("circle", centre_end, 2.6), NOTCH))           # the notch of pin 1's end
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


def render():
    drawn = shapes()
    pixels = []
    for py in range(SIZE):
        row = []
        for px in range(SIZE):
            hits = []
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x, y = px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES
                    colour = None
                    for shape, fill in drawn:
                        if inside(shape, x, y):
                            colour = fill
                    if colour:
                        hits.append(colour)
            if len(hits) * 2 < SAMPLES * SAMPLES:
                row.append(None)  # transparent
            else:
                row.append(tuple(sum(c[i] for c in hits) // len(hits) for i in range(3)))
        pixels.append(row)
    return pixels


def palette_of(pixels):
    colours = sorted({p for row in pixels for p in row if p})
    assert len(colours) <= 255, len(colours)
    return [(0, 0, 0)] + colours  # index 0 is transparent


def write_png(path, pixels, palette):
    index = {c: i for i, c in enumerate(palette)}
    raw = b"".join(b"\0" + bytes(index[p] if p else 0 for p in row) for row in pixels)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 3, 0, 0, 0)))
        f.write(chunk(b"PLTE", b"".join(bytes(c) for c in palette)))
        f.write(chunk(b"tRNS", b"\0"))
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


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    picture = render()
    colours = palette_of(picture)
    write_png(os.path.join(here, "ritmolis.png"), picture, colours)
    write_ico(os.path.join(here, "ritmolis.ico"), picture, colours)
    print(f"{len(colours)} colours")
