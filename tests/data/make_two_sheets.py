#!/usr/bin/env python3
"""Writes the two-sheet test disc and, independently of the C++ code, the
outputs a run over it must give.

The expected files are worked out here from the disc's rules with Python's
decimal module: cell centres by the same double operations, fields by exact
decimal rounding (half-even at the 17th decimal or 18th significant digit,
then half-up at the field's last decimal). Run it again only to change the
disc; the C++ tests compare against what it wrote.
"""
from decimal import Decimal, ROUND_HALF_EVEN, ROUND_HALF_UP, Context
from pathlib import Path

HERE = Path(__file__).parent
DISC = HERE / "two-sheets"
EXPECTED = HERE / "two-sheets-expected"
BOX = dict(south="26.45", north="26.452", west="127.6225", east="127.6275")
INDEX = [
    "Mesh,Name".encode(),
    "392753,".encode() + "読谷".encode("cp932"),  # not selected: no grid file
    "392754,".encode() + "首里ｼｭﾘ".encode("cp932"),
    "392755,".encode() + "表ソ".encode("cp932"),
]


def cell_text(code, row, col):
    if (row + col) % 11 == 0:
        return "-9999"
    if col % 13 == 0:
        return " -999"
    if (row * col) % 17 == 0:
        return "  -15"
    v = (row * 131 + col * 71 + int(code[-1]) * 997) % 40000 - 300
    return "%5d" % v


def grid_bytes(code):
    lines = [code + "  25000" + " " * 996]
    for row in range(1, 201):
        lines.append(code + "%03d" % row + "".join(cell_text(code, row, c) for c in range(1, 201)))
    return ("\r\n".join(lines) + "\r\n").encode()


def fixed(v, w, d):
    m = Decimal(abs(v))  # exact
    if m < 10:
        r = m.quantize(Decimal(1).scaleb(-17), rounding=ROUND_HALF_EVEN)
    else:
        r = Context(prec=18, rounding=ROUND_HALF_EVEN).plus(m)
    r = r.quantize(Decimal(1).scaleb(-d), rounding=ROUND_HALF_UP)
    text = ("-" if v < 0 else "") + format(r, "f")
    return text.rjust(w)


def extent(line):
    code = line[:6].decode()
    lat0 = (float(code[0:2]) * 2) / 3
    lon0 = float(code[2:4]) + 100
    row, col = int(code[4]), int(code[5])
    return lat0 + (row + 1) * (1.0 / 12), lon0 + col / 8.0, code


def kept_cells():
    s, n, w, e = (float(BOX[k]) for k in ("south", "north", "west", "east"))
    dlon, dlat = 0.000625, 1.0 / 2400
    for line in INDEX[2:]:
        north, west, code = extent(line)
        for i in range(1, 201):
            y = (north - dlat * (i - 1)) - dlat / 2
            if y < s or y > n:
                continue
            for j in range(1, 201):
                t = cell_text(code, i, j)
                if t == "-9999":
                    continue
                h = float(t) / 10
                x = (west + dlon * (j - 1)) + dlon / 2
                if w <= x < e:
                    yield x, y, h


def main():
    (DISC / "data" / "3927").mkdir(parents=True, exist_ok=True)
    EXPECTED.mkdir(exist_ok=True)
    (DISC / "zumei.csv").write_bytes(b"".join(l + b"\r\n" for l in INDEX))
    for code in ("392754", "392755"):
        (DISC / "data" / "3927" / (code + ".mem")).write_bytes(grid_bytes(code))

    cells = list(kept_cells())
    xyz = "".join(f"{fixed(x, 12, 7)},{fixed(y, 12, 7)},{fixed(h, 6, 1)}\r\n" for x, y, h in cells)
    mid = "".join(fixed(h, 6, 1) + "\r\n" for _, _, h in cells)
    header = ("Version 300\r\nCharset \r\n\"WindowsJapanese\"\r\nCoordSys Earth Projection 1, 0\r\n"
              "Columns 1\r\n  h Decimal(10, 1)\r\nData\r\n\r\n")
    point = header + "".join(
        f"Point \r\n{fixed(x, 12, 7)}{fixed(y, 12, 7)}\r\n    Symbol (34,0,9) \r\n" for x, y, _ in cells)
    hx, hy = 0.000625 / 2, (1.0 / 2400) / 2

    def corners(x, y):
        pts = [(x - hx, y - hy), (x + hx, y - hy), (x + hx, y + hy), (x - hx, y + hy), (x - hx, y - hy)]
        return "".join(f"{fixed(a, 12, 7)}{fixed(b, 12, 7)}\r\n" for a, b in pts)

    region = header + "".join(
        "Region  1\r\n  5\r\n" + corners(x, y) + "    Pen (1,2,0) \r\n    Brush (1,0,16777215)\r\n"
        for x, y, _ in cells)
    for name, text in (("out.txt", xyz), ("point.mif", point), ("point.mid", mid),
                       ("region.mif", region), ("region.mid", mid)):
        (EXPECTED / name).write_bytes(text.encode())
    print(len(cells), "cells")


if __name__ == "__main__":
    main()
