#!/usr/bin/env python3
"""Draws the program's icons and banner bitmap with the standard library only.

Writes, into the folder above this script:
  application.ico  the power symbol on a round dial (icon 128)
  password.ico     a padlock (icon 202)
  banner.bmp       the strip beside the parameters dialog's buttons (bitmap 128)

Icons hold 16x16, 32x32 and 48x48 images, 32-bit BGRA with an AND mask, so
that both alpha-aware and old mask-only drawing look right. Shapes are
described in a unit square and sampled 4x4 per pixel for smooth edges.
"""

import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.dirname(HERE)
SUPERSAMPLE = 4


def blend(dst, src):
    """Source-over compositing of straight-alpha RGBA tuples (0..1 floats)."""
    sr, sg, sb, sa = src
    dr, dg, db, da = dst
    oa = sa + da * (1.0 - sa)
    if oa <= 0.0:
        return (0.0, 0.0, 0.0, 0.0)
    mix = lambda s, d: (s * sa + d * da * (1.0 - sa)) / oa
    return (mix(sr, dr), mix(sg, dg), mix(sb, db), oa)


def render(size, layers):
    """layers: list of (coverage(x, y) -> bool, colour(x, y) -> RGBA) in unit
    coordinates, drawn in order. Returns rows top-down of RGBA 0..255 tuples."""
    rows = []
    n = SUPERSAMPLE
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(n):
                for sx in range(n):
                    x = (px + (sx + 0.5) / n) / size
                    y = (py + (sy + 0.5) / n) / size
                    colour = (0.0, 0.0, 0.0, 0.0)
                    for inside, paint in layers:
                        if inside(x, y):
                            colour = blend(colour, paint(x, y))
                    # Premultiply while averaging so edges do not darken.
                    acc[0] += colour[0] * colour[3]
                    acc[1] += colour[1] * colour[3]
                    acc[2] += colour[2] * colour[3]
                    acc[3] += colour[3]
            a = acc[3] / (n * n)
            if a > 0:
                r, g, b = (acc[i] / acc[3] for i in range(3))
            else:
                r = g = b = 0.0
            row.append(tuple(int(round(max(0.0, min(1.0, v)) * 255)) for v in (r, g, b, a)))
        rows.append(row)
    return rows


def solid(r, g, b, a=255):
    colour = (r / 255.0, g / 255.0, b / 255.0, a / 255.0)
    return lambda x, y: colour


def vertical_gradient(top, bottom, y0=0.0, y1=1.0):
    def paint(x, y):
        t = max(0.0, min(1.0, (y - y0) / (y1 - y0)))
        return tuple((top[i] + (bottom[i] - top[i]) * t) / 255.0 for i in range(3)) + (1.0,)
    return paint


def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r_outer, r_inner, gap_half_angle=0.0):
    def inside(x, y):
        d2 = (x - cx) ** 2 + (y - cy) ** 2
        if not (r_inner * r_inner <= d2 <= r_outer * r_outer):
            return False
        if gap_half_angle > 0.0:
            # Angle measured from straight up, clockwise.
            angle = math.atan2(x - cx, cy - y)
            return abs(angle) > gap_half_angle
        return True
    return inside


def rounded_rect(x0, y0, x1, y1, radius):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx = min(max(x, x0 + radius), x1 - radius)
        cy = min(max(y, y0 + radius), y1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius
    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def application_layers():
    blue_top, blue_bottom = (70, 140, 220), (20, 60, 140)
    return [
        (disc(0.5, 0.5, 0.47), solid(15, 35, 80)),
        (disc(0.5, 0.5, 0.43), vertical_gradient(blue_top, blue_bottom, 0.07, 0.93)),
        # Hour ticks of the dial at 12, 3, 6 and 9 o'clock.
        (union(rounded_rect(0.47, 0.09, 0.53, 0.15, 0.02),
               rounded_rect(0.85, 0.47, 0.91, 0.53, 0.02),
               rounded_rect(0.47, 0.85, 0.53, 0.91, 0.02),
               rounded_rect(0.09, 0.47, 0.15, 0.53, 0.02)), solid(200, 225, 255)),
        # The power symbol: an open ring and a bar through its gap.
        (ring(0.5, 0.53, 0.27, 0.18, math.radians(38)), solid(255, 255, 255)),
        (rounded_rect(0.455, 0.2, 0.545, 0.55, 0.045), solid(255, 255, 255)),
    ]


def password_layers():
    return [
        # Shackle.
        (ring(0.5, 0.36, 0.25, 0.15), solid(120, 125, 135)),
        (union(rounded_rect(0.25, 0.36, 0.35, 0.55, 0.0),
               rounded_rect(0.65, 0.36, 0.75, 0.55, 0.0)), solid(120, 125, 135)),
        # Body, darker rim, then the keyhole.
        (rounded_rect(0.12, 0.45, 0.88, 0.96, 0.08), solid(140, 90, 10)),
        (rounded_rect(0.16, 0.49, 0.84, 0.92, 0.06),
         vertical_gradient((250, 205, 80), (215, 150, 20), 0.49, 0.92)),
        (union(disc(0.5, 0.64, 0.075),
               rounded_rect(0.465, 0.64, 0.535, 0.82, 0.02)), solid(60, 40, 10)),
    ]


def and_mask_rows(rows):
    """1 bit a pixel, rows padded to 32 bits: set where the pixel is transparent."""
    size = len(rows)
    stride = ((size + 31) // 32) * 4
    out = []
    for row in rows:
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        out.append(bytes(bits))
    return out


def icon_image(rows):
    """One image of an .ico: BITMAPINFOHEADER (double height), XOR then AND."""
    size = len(rows)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b''.join(bytes(v for (r, g, b, a) in row for v in (b, g, r, a)) for row in reversed(rows))
    mask = b''.join(reversed(and_mask_rows(rows)))
    return header + xor + mask


def write_icon(path, layers, sizes=(16, 32, 48)):
    images = [(s, icon_image(render(s, layers))) for s in sizes]
    offset = 6 + 16 * len(images)
    directory = b''
    data = b''
    for size, image in images:
        directory += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(image), offset + len(data))
        data += image
    with open(path, 'wb') as f:
        f.write(struct.pack('<HHH', 0, 1, len(images)) + directory + data)


def write_bitmap(path, rows):
    """24-bit bottom-up BMP; rows padded to 4 bytes."""
    height = len(rows)
    width = len(rows[0])
    stride = (width * 3 + 3) & ~3
    pixels = b''
    for row in reversed(rows):
        line = bytes(v for (r, g, b, _) in row for v in (b, g, r))
        pixels += line + bytes(stride - len(line))
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    file_header = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    with open(path, 'wb') as f:
        f.write(file_header + info + pixels)


def banner_rows(width=96, height=36):
    """A dark blue strip with the power symbol at the left and three bars that
    grow like a progress meter; drawn on an opaque background."""
    icon = render(height - 6, application_layers())
    rows = []
    for y in range(height):
        t = y / (height - 1)
        base = tuple(int(a + (b - a) * t) for a, b in zip((40, 90, 170), (10, 30, 80)))
        rows.append([base + (255,) for _ in range(width)])
    # Paste the icon with its alpha onto the strip.
    for y, row in enumerate(icon):
        for x, (r, g, b, a) in enumerate(row):
            dst = rows[y + 3][x + 4]
            k = a / 255.0
            rows[y + 3][x + 4] = tuple(int(round(s * k + d * (1 - k))) for s, d in zip((r, g, b), dst[:3])) + (255,)
    # Bars of rising height, as a sign of the passing time.
    for i, bar_height in enumerate((8, 14, 20, 26)):
        x0 = 44 + i * 12
        for y in range(height - 5 - bar_height, height - 5):
            for x in range(x0, x0 + 8):
                shade = 255 - i * 25
                rows[y][x] = (shade, min(255, shade // 2 + 110), 40, 255)
    return rows


def main():
    write_icon(os.path.join(OUT, 'application.ico'), application_layers())
    write_icon(os.path.join(OUT, 'password.ico'), password_layers())
    write_bitmap(os.path.join(OUT, 'banner.bmp'), banner_rows())


if __name__ == '__main__':
    main()
