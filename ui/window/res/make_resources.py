#!/usr/bin/env python3
"""Draws the program's icon and writes it and the button pictures as .ico and .bmp files.

    make_resources.py [FOLDER]   writes into FOLDER (default: next to itself)

The button pictures are text grids in pictures/ (one character per pixel), so that a reader can
see them and edit them by hand. The outputs are committed, so the build does not need Python; a
test makes them anew and compares them byte for byte.
"""
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

# The 16-colour palette of the classic Windows button pictures.
VGA16 = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
# Grid characters -> palette index. '.' is the light grey (C0C0C0) background.
BUTTON_KEYS = {'.': 7, '#': 0, 'w': 15, 'g': 8, 'y': 3, 'Y': 11, 'b': 4}

def grid(name):
    with open(os.path.join(HERE, 'pictures', name + '.txt'), encoding='ascii') as f:
        rows = f.read().strip('\n').split('\n')
    assert all(len(r) == len(rows[0]) for r in rows), 'ragged picture ' + name
    return rows


def bmp_4bpp(rows):
    """A bottom-up 16-colour BMP file."""
    h, w = len(rows), len(rows[0])
    stride = ((w * 4 + 31) // 32) * 4
    pixels = b''
    for row in reversed(rows):
        line = bytearray(stride)
        for x, ch in enumerate(row):
            idx = BUTTON_KEYS[ch]
            line[x // 2] |= idx << 4 if x % 2 == 0 else idx
        pixels += bytes(line)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in VGA16)
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 4, 0, len(pixels), 2835, 2835, 16, 16)
    offset = 14 + len(info) + len(palette)
    header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    return header + info + palette + pixels


# Icon: blue-green shades, index 0 is transparent (masked).
ICON_PALETTE = [
    (0x00, 0x00, 0x00),  # 0 transparent (masked)
    (0x0B, 0x3D, 0x4A),  # 1 outline, dark teal
    (0x12, 0x6E, 0x82),  # 2 body, teal
    (0x1F, 0x9E, 0xA8),  # 3 key, blue-green
    (0x7F, 0xD8, 0xD0),  # 4 key highlight, light aqua
    (0x0E, 0x52, 0x66),  # 5 key shadow
]


def icon_pixels(size):
    """A diamond-shaped keypad: a rotated square body with a 3 x 3 grid of keys."""
    px = [[0] * size for _ in range(size)]
    c = (size - 1) / 2.0
    r = size / 2.0 - 0.5
    for y in range(size):
        for x in range(size):
            d = abs(x - c) + abs(y - c)
            if d <= r - 1.0:
                px[y][x] = 2
            elif d <= r:
                px[y][x] = 1
    # Keys sit on a grid rotated by 45 degrees, inside the diamond.
    step = size / 4.0
    key = max(1, int(size / 10))
    for i in (-1, 0, 1):
        for j in (-1, 0, 1):
            kx = c + (i - j) * step / 2.0 * 1.0
            ky = c + (i + j) * step / 2.0 * 1.0
            for y in range(size):
                for x in range(size):
                    dd = abs(x - kx) + abs(y - ky)
                    if dd <= key:
                        px[y][x] = 4 if (y < ky and dd > key - 1) else 3
                    elif dd <= key + 1 and y > ky and px[y][x] == 2:
                        px[y][x] = 5
    return px


def ico_image(size):
    px = icon_pixels(size)
    stride = size  # 8 bpp; sizes are multiples of 4
    xor = b''.join(bytes(px[y]) for y in reversed(range(size)))
    mask_stride = ((size + 31) // 32) * 4
    mask = b''
    for y in reversed(range(size)):
        line = bytearray(mask_stride)
        for x in range(size):
            if px[y][x] == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(line)
    palette = [ICON_PALETTE[i] if i < len(ICON_PALETTE) else (0, 0, 0) for i in range(256)]
    pal = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in palette)
    info = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 8, 0, len(xor) + len(mask), 0, 0, 256, 0)
    assert stride * size == len(xor)
    return info + pal + xor + mask


def ico(sizes):
    images = [ico_image(s) for s in sizes]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, img in zip(sizes, images):
        out += struct.pack('<BBBBHHII', s, s, 0, 0, 1, 8, len(img), offset)
        offset += len(img)
    return out + b''.join(images)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else HERE
    outputs = {
        'quorva.ico': ico([32, 16]),
    }
    for name in ('sum', 'copy', 'terapad', 'clear'):
        outputs[name + '.bmp'] = bmp_4bpp(grid(name))
        # The same pictures drawn for 120, 144 and 192 dpi, with strokes of the width that suits
        # each size, so that no size is another one stretched.
        for size in (20, 24, 32):
            rows = grid('%s%d' % (name, size))
            assert len(rows) == size and len(rows[0]) == size, (name, size)
            outputs['%s%d.bmp' % (name, size)] = bmp_4bpp(rows)
    for name, data in outputs.items():
        with open(os.path.join(out, name), 'wb') as f:
            f.write(data)


if __name__ == '__main__':
    main()
