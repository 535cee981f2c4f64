#!/usr/bin/env python3
"""Draws the player's icon (a note on a disc) and writes it as a 32x32 and 16x16 .ico."""
import math
import struct
import sys


def pixel(x, y, size):
    s = 32.0 / size
    fx, fy = (x + 0.5) * s, (y + 0.5) * s
    r = math.hypot(fx - 16, fy - 16)
    # An eighth note: head, stem and flag, in white on the disc.
    head = ((fx - 12.5) / 4.2) ** 2 + ((fy - 21.5) / 3.2) ** 2 <= 1.0
    stem = 15.5 <= fx <= 17.2 and 7 <= fy <= 21.5
    flag = 17.2 <= fx <= 22 and 7 <= fy <= 11 and (fy - 7) <= (22 - fx) * 0.9
    if head or stem or flag:
        return (255, 255, 255, 255)
    if r <= 15.5:
        t = r / 15.5
        return (int(200 - 80 * t), int(90 - 40 * t), int(40 + 20 * t), 255)  # B, G, R: deep blue
    return (0, 0, 0, 0)


def image(size):
    rows = []
    for y in reversed(range(size)):  # bottom-up
        for x in range(size):
            rows.append(struct.pack("<4B", *pixel(x, y, size)))
    xor = b"".join(rows)
    mask_row = ((size + 31) // 32) * 4
    and_mask = b"\0" * (mask_row * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    return header + xor + and_mask


def main(out):
    sizes = [32, 16]
    images = [image(s) for s in sizes]
    data = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, img in zip(sizes, images):
        data += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    with open(out, "wb") as f:
        f.write(data + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1])
