#!/usr/bin/env python3
"""Writes the seed corpus of each fuzz target into fuzz/corpus/<target>/:
well-formed texts, lines, rows and whole files, plus the edge cases the
reading rules name. Run it again after changing a target's input layout."""

import pathlib
import struct

HERE = pathlib.Path(__file__).resolve().parent
CP932 = "cp932"


def write(target, name, data):
    folder = HERE / "corpus" / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data if isinstance(data, bytes) else data.encode(CP932))


def grid(code, rows, cells, cell=lambda r, c: str((r * 37 + c * 11) % 3000 - 50)):
    """A grid file: a header line, then `rows` rows of `cells` 5-character fields."""
    lines = [code + "  header"]
    for r in range(1, rows + 1):
        lines.append(code + "%03d" % r + "".join("%5s" % cell(r, c) for c in range(1, cells + 1)))
    return ("\r\n".join(lines) + "\r\n").encode(CP932)


def number_text():
    texts = ["26.056649", "  123", " -5", "5.", ".5", ".", "E5", "1e-2", "2.5E+1", "-0", "",
             "   ", "-", "26.5 ", "-12.5x", "-999 ", "12,5", "1.2.3", "1e", "1 2 3", "abc",
             "\t5", "1e38", "1e39", "-9999", "9e99", " 9e9", "12345678901234567890123",
             "0." + "0" * 38 + "1", "1.7014118346046923e38", "2.9387358770557188e-39",
             "１２", "7"]
    for i, t in enumerate(texts):
        write("number_text", "text-%02d" % i, t)


def line_reader():
    files = {
        "crlf": b"ab\r\ncd\r\n",
        "empty-line": b"ab\r\n\r\ncd",
        "cr-only": b"ab\rcd\r",
        "lf-only": b"392754,a\n392755,b\n",
        "lf-cr": b"ab\n\rcd",
        "ctrl-z": b"ab\r\ncd\x1aef\r\n",
        "index": "392754,首里\r\n392755,東\r\n".encode(CP932),
        "grid": grid("392754", 4, 12),
    }
    for name, data in files.items():
        write("line_reader", name + "-whole", b"\x00" + data)
        write("line_reader", name + "-chunks-1-3", b"\x02\x01\x03" + data)
    write("line_reader", "grid-failing-read-2", b"\x09\x05\x01" + files["grid"])


def sheet_index():
    cases = [("D:", "392754,首里"), ("D:", "533945"), ("D:", ""), ("D:", "5339"),
             ("D:\\", "392755,東"), ("E:\\表", "abぁ"), ("", "39,7"),
             ("D:", "-9-945"), ("D:", "E5E598"), ("D:", "3927\x0054")]
    for i, (root, line) in enumerate(cases):
        r = root.encode(CP932)
        write("sheet_index", "line-%02d" % i, bytes([len(r)]) + r + line.encode(CP932))


def sheet_grid():
    write("sheet_grid", "around-small", b"392754\x00" + bytes([40, 80, 40, 80]) + grid("392754", 8, 20))
    write("sheet_grid", "whole-sheet-short-rows",
          b"392754\x00" + bytes([25, 230, 25, 230]) + grid("392754", 200, 3))
    write("sheet_grid", "no-data-and-odd-cells",
          b"392754\x02" + bytes([0, 255, 0, 255]) +
          grid("392754", 5, 10, lambda r, c: ["-9999", " -999", "9e99" if r == 5 else "1", "",
                                              "  -15", "\x00\x00", "abc"][(r + c) % 7]))
    raw = struct.pack("<4d", 26.45, 26.5, 127.5, 127.55)
    write("sheet_grid", "raw-bounds", b"392754\x01" + raw + grid("392754", 30, 30))
    write("sheet_grid", "empty-file", b"392754\x00" + bytes([0, 255, 0, 255]))
    write("sheet_grid", "lf-only", b"392754\x00" + bytes([0, 255, 0, 255]) +
          grid("392754", 4, 4).replace(b"\r\n", b"\n"))


def run():
    sep = b"\x1d"
    two = "392754,a\r\n392755,b\r\n".encode(CP932)
    write("run", "two-sheets", bytes([200, 128, 230, 200]) + two + sep +
          grid("392754", 30, 30) + sep + grid("392755", 30, 30))
    write("run", "named-sheets", bytes([100, 255, 100, 255]) +
          "392754,首里\r\n392753,西\r\n392754,首里\r\n".encode(CP932) + sep +
          grid("392754", 201, 2) + sep + grid("392753", 2, 2))
    write("run", "missing-grid", bytes([128, 128, 128, 128]) + two + sep + grid("392754", 10, 10))
    write("run", "overflow", bytes([250, 40, 0, 200]) + b"392754\r\n" + sep +
          grid("392754", 3, 3, lambda r, c: "9e99" if c == 3 else "12"))
    write("run", "ctrl-z-and-lone-lf", bytes([128, 200, 128, 200]) +
          b"392754,a\n392755\r\n\x1a392755\r\n" + sep + grid("392754", 12, 12) + sep +
          grid("392755", 12, 12))
    write("run", "empty-index", bytes([0, 255, 0, 255]) + b"" + sep + b"")
    write("run", "out-of-range", bytes([0, 0, 0, 0]) + b"000000\r\n")


if __name__ == "__main__":
    for make in (number_text, line_reader, sheet_index, sheet_grid, run):
        make()
