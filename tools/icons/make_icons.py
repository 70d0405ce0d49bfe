#!/usr/bin/env python3
"""Draws the program's icons and writes them as .ico files.

The icons are simple geometric drawings, supersampled for smooth edges. Run it
after changing a drawing; the .ico files it writes are kept in the repository:
    python3 tools/icons/make_icons.py src/app/icons
"""
import math
import struct
import sys
from pathlib import Path

NAVY = (0x1D, 0x3B, 0x5C, 255)
SKY = (0x4F, 0x9B, 0xE0, 255)
WHITE = (255, 255, 255, 255)
CLEAR = (0, 0, 0, 0)


def shield(x, y):
    """The program's mark: a shield with a check."""
    if y < 0.08 or y > 0.95:
        return CLEAR
    half = 0.40 if y < 0.55 else 0.40 * math.cos((y - 0.55) / 0.40 * math.pi / 2)
    if abs(x - 0.5) > half:
        return CLEAR
    inner = 0.31 if y < 0.55 else 0.31 * math.cos((y - 0.55) / 0.34 * math.pi / 2)
    if y > 0.16 and y < 0.86 and abs(x - 0.5) < inner:
        # A check mark across the inner field.
        if near_segment(x, y, (0.32, 0.50), (0.45, 0.64), 0.055) or near_segment(
                x, y, (0.45, 0.64), (0.70, 0.34), 0.055):
            return WHITE
        return SKY
    return NAVY


def near_segment(x, y, a, b, width):
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    px, py = ax + t * dx, ay + t * dy
    return math.hypot(x - px, y - py) < width


def cookie(x, y):
    d = math.hypot(x - 0.5, y - 0.5)
    if d > 0.44:
        return CLEAR
    for cx, cy in ((0.35, 0.35), (0.62, 0.42), (0.45, 0.65), (0.66, 0.68)):
        if math.hypot(x - cx, y - cy) < 0.07:
            return (0x5A, 0x33, 0x16, 255)
    return (0xC8, 0x8A, 0x4A, 255)


def registry(x, y):
    for bx, by, colour in ((0.10, 0.10, (0x3A, 0x7B, 0xC8, 255)), (0.52, 0.10, (0x5E, 0x9C, 0xE0, 255)),
                           (0.10, 0.52, (0x5E, 0x9C, 0xE0, 255)), (0.52, 0.52, (0x1D, 0x3B, 0x5C, 255))):
        if bx <= x <= bx + 0.38 and by <= y <= by + 0.38:
            return colour
    return CLEAR


def document(x, y):
    """A page with its top right corner folded down."""
    if not (0.18 <= x <= 0.82 and 0.06 <= y <= 0.94):
        return CLEAR
    if x > 0.60 and y < 0.28:
        if y < 0.06 + (x - 0.60):
            return CLEAR
        return (0xB8, 0xC2, 0xCC, 255)
    edge = min(x - 0.18, 0.82 - x, y - 0.06, 0.94 - y)
    if edge < 0.05:
        return (0x6B, 0x7A, 0x8A, 255)
    for line in (0.42, 0.56, 0.70, 0.84):
        if abs(y - line) < 0.03 and 0.28 <= x <= 0.72:
            return (0x9A, 0xA6, 0xB3, 255)
    return WHITE


def folder(x, y):
    if 0.08 <= x <= 0.45 and 0.14 <= y <= 0.30:
        return (0xD9, 0xA4, 0x1E, 255)
    if 0.08 <= x <= 0.92 and 0.24 <= y <= 0.86:
        return (0xF2, 0xC2, 0x3C, 255) if y > 0.34 else (0xD9, 0xA4, 0x1E, 255)
    return CLEAR


def excluded(x, y):
    d = math.hypot(x - 0.5, y - 0.5)
    if d > 0.44:
        return CLEAR
    if near_segment(x, y, (0.28, 0.52), (0.44, 0.68), 0.07) or near_segment(
            x, y, (0.44, 0.68), (0.74, 0.34), 0.07):
        return WHITE
    return (0x2E, 0x8B, 0x57, 255)


def render(draw, size, samples=4):
    pixels = []
    for row in range(size):
        line = []
        for col in range(size):
            total = [0, 0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    r, g, b, a = draw((col + (sx + 0.5) / samples) / size,
                                      (row + (sy + 0.5) / samples) / size)
                    total[0] += r * a
                    total[1] += g * a
                    total[2] += b * a
                    total[3] += a
            n = samples * samples
            alpha = total[3] / n
            if alpha == 0:
                line.append((0, 0, 0, 0))
            else:
                line.append(tuple(int(round(c / total[3])) for c in total[:3]) + (int(round(alpha)),))
        pixels.append(line)
    return pixels


def ico(images):
    header = struct.pack('<HHH', 0, 1, len(images))
    entries = b''
    data = b''
    offset = 6 + 16 * len(images)
    for size, pixels in images:
        bmp = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
        for row in reversed(pixels):
            for r, g, b, a in row:
                bmp += bytes((b, g, r, a))
        mask_row = ((size + 31) // 32) * 4
        bmp += b'\0' * (mask_row * size)
        entries += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(bmp), offset)
        data += bmp
        offset += len(bmp)
    return header + entries + data


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else '.')
    out.mkdir(parents=True, exist_ok=True)
    drawings = {
        'program': (shield, (16, 32, 48)),
        'cookie': (cookie, (16, 32)),
        'registry': (registry, (16, 32)),
        'file': (document, (16, 32)),
        'folder': (folder, (16, 32)),
        'excluded': (excluded, (16, 32)),
    }
    for name, (draw, sizes) in drawings.items():
        (out / f'{name}.ico').write_bytes(ico([(s, render(draw, s)) for s in sizes]))


if __name__ == '__main__':
    main()
