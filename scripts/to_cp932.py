#!/usr/bin/env python3
"""Writes a UTF-8 text as the player's own text files are kept: CP932 with CR LF."""
import sys

src, dst = sys.argv[1], sys.argv[2]
with open(src, encoding="utf-8") as f:
    lines = f.read().splitlines()
with open(dst, "wb") as f:
    f.write(("\r\n".join(lines) + "\r\n").encode("cp932"))
