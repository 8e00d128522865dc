#!/usr/bin/env python3
"""Draws Murkvale's icon (res/murkvale.ico: 32x32 and 16x16, 16 colours), the
desktop icons of the Linux window (res/icons/murkvale-48.png and -256.png,
smoothed RGBA) and the About picture (res/about.bmp: 200x110, 8 bits per
pixel, 256 colours). A padlock over a folded sheet of paper. Run from
anywhere; writes beside itself, the same bytes every time."""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# The standard 16-colour palette, as (r, g, b).
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, DARK_YELLOW, LIGHT_GREY, GREY, YELLOW, WHITE, NAVY = 0, 3, 7, 8, 11, 15, 4


def padlock(size, scaled_lines=False):
    """Returns rows (top first) of palette indices, None where transparent.
    Lines are one pixel wide unless scaled_lines, which widens them with the size."""
    s = size / 32.0
    img = [[None] * size for _ in range(size)]

    def put(x, y, c):
        if 0 <= x < size and 0 <= y < size:
            img[y][x] = c

    # Sheet of paper behind the lock, with a folded corner.
    for y in range(int(1 * s), int(24 * s)):
        for x in range(int(3 * s), int(22 * s)):
            fold = (x - 16 * s) > (y - 1 * s)
            if not fold:
                put(x, y, WHITE)
    t = max(1, int(s)) if scaled_lines else 1
    for y in range(int(1 * s), int(24 * s)):
        for k in range(t):
            put(int(3 * s) + k, y, GREY)
    for x in range(int(3 * s), int(22 * s)):
        for k in range(t):
            put(x, int(1 * s) + k, GREY)
    for i in range(int(6 * s)):
        for k in range(t):
            put(int(16 * s) + i + k, int(1 * s) + i, GREY)
    for y in range(int(4 * s), int(9 * s), max(1, int(2 * s))):
        for x in range(int(6 * s), int(15 * s)):
            for k in range(t):
                put(x, y + k, NAVY)

    # Shackle: a thick arch above the body.
    cx, cy = 20 * s, 17 * s
    r_out, r_in = 7.5 * s, 4.5 * s
    for y in range(size):
        for x in range(size):
            dx, dy = x + 0.5 - cx, y + 0.5 - cy
            d = (dx * dx + dy * dy) ** 0.5
            if r_in <= d <= r_out and dy <= 0:
                put(x, y, GREY if d > (r_in + r_out) / 2 else LIGHT_GREY)
            if r_in <= abs(dx) <= r_out and 0 < dy <= 2 * s:
                put(x, y, GREY if abs(dx) > (r_in + r_out) / 2 else LIGHT_GREY)

    # Body with an outline and a keyhole.
    x0, x1, y0, y1 = int(10 * s), int(30 * s), int(18 * s), int(31 * s)
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            edge = min(x - x0, x1 - x, y - y0, y1 - y) < t
            put(x, y, BLACK if edge else (YELLOW if y < (y0 + y1) / 2 else DARK_YELLOW))
    kx, ky = 20 * s, 23 * s
    for y in range(size):
        for x in range(size):
            dx, dy = x + 0.5 - kx, y + 0.5 - ky
            if dx * dx + dy * dy <= (1.8 * s) ** 2 or (abs(dx) <= 0.8 * s and 0 <= dy <= 5 * s):
                put(x, y, BLACK)
    return img


def icon_image(size):
    img = padlock(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in VGA)
    xor = bytearray()
    for row in reversed(img):  # bottom-up
        line = bytearray()
        for x in range(0, size, 2):
            hi, lo = row[x] or 0, row[x + 1] or 0
            line.append((hi << 4) | lo)
        line += b'\0' * (-len(line) % 4)
        xor += line
    mask = bytearray()
    for row in reversed(img):
        line = bytearray()
        for x in range(0, size, 8):
            byte = 0
            for bit in range(8):
                if row[x + bit] is None:
                    byte |= 0x80 >> bit
            line.append(byte)
        line += b'\0' * (-len(line) % 4)
        mask += line
    return header + palette + bytes(xor) + bytes(mask)


def write_icon(path):
    images = [(32, icon_image(32)), (16, icon_image(16))]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    out += b''.join(data for _, data in images)
    with open(path, 'wb') as f:
        f.write(out)


def write_picture(path):
    w, h = 200, 110
    # Entries 0..127: a blue-grey ramp for the background; 128..255: the icon's
    # 16 colours followed by a warm ramp for the lock's shading.
    palette = []
    for i in range(128):
        t = i / 127
        palette.append((int(40 + 60 * t), int(60 + 90 * t), int(110 + 120 * t)))
    palette += VGA
    for i in range(256 - len(palette)):
        t = i / 111
        palette.append((int(150 + 105 * t), int(110 + 110 * t), int(20 + 40 * t)))
    lock = padlock(96)
    pixels = [[0] * w for _ in range(h)]
    for y in range(h):
        for x in range(w):
            pixels[y][x] = int(127 * (1 - y / (h - 1)) * 0.7 + 127 * (x / (w - 1)) * 0.3)
    ox, oy = (w - 96) // 2, (h - 96) // 2
    for y in range(96):
        for x in range(96):
            c = lock[y][x]
            if c is None:
                continue
            if c in (YELLOW, DARK_YELLOW):  # shade the body from top to bottom
                pixels[oy + y][ox + x] = 255 - int(100 * y / 95)
            else:
                pixels[oy + y][ox + x] = 128 + c
    header = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 8, 0, w * h, 2835, 2835, 256, 0)
    table = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in palette)
    body = b''.join(bytes(row) for row in reversed(pixels))  # 200 is a multiple of 4
    offset = 14 + len(header) + len(table)
    file_header = struct.pack('<2sIHHI', b'BM', offset + len(body), 0, 0, offset)
    with open(path, 'wb') as f:
        f.write(file_header + header + table + body)


def smooth_rgba(size, over=4):
    """The padlock drawn `over` times larger and averaged down, so its curves
    and slopes are not stair-stepped at desktop sizes."""
    big = padlock(size * over, scaled_lines=True)
    rows = []
    for y in range(size):
        row = bytearray()
        for x in range(size):
            r = g = b = a = 0
            for yy in range(y * over, (y + 1) * over):
                for xx in range(x * over, (x + 1) * over):
                    c = big[yy][xx]
                    if c is None:
                        continue
                    cr, cg, cb = VGA[c]
                    r, g, b, a = r + cr, g + cg, b + cb, a + 1
            n = over * over
            row += bytes((r // a, g // a, b // a, 255 * a // n)) if a else bytes(4)
        rows.append(bytes(row))
    return rows


def write_png(path, size):
    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data +
                struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF))
    raw = b''.join(b'\0' + row for row in smooth_rgba(size))
    header = struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) +
                chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


if __name__ == '__main__':
    write_icon(os.path.join(HERE, 'murkvale.ico'))
    os.makedirs(os.path.join(HERE, 'icons'), exist_ok=True)
    for size in (48, 256):
        write_png(os.path.join(HERE, 'icons', 'murkvale-%d.png' % size), size)
    write_picture(os.path.join(HERE, 'about.bmp'))
