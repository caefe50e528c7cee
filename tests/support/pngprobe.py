"""Reads the pixels of a PNG screenshot with nothing but zlib: 8-bit greyscale, RGB, RGBA and
grey+alpha images, non-interlaced, every filter type. Enough for the screenshots cairo writes."""

import struct
import zlib

_CHANNELS = {0: 1, 2: 3, 4: 2, 6: 4}


class Image:
    def __init__(self, path):
        with open(path, "rb") as f:
            data = f.read()
        if data[:8] != b"\x89PNG\r\n\x1a\n":
            raise ValueError(f"{path}: not a PNG file")
        pos, idat = 8, []
        while pos < len(data):
            length, kind = struct.unpack(">I4s", data[pos:pos + 8])
            body = data[pos + 8:pos + 8 + length]
            if kind == b"IHDR":
                self.width, self.height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
                if depth != 8 or colour not in _CHANNELS or interlace:
                    raise ValueError(f"{path}: unsupported PNG (depth {depth}, colour {colour})")
                self.channels = _CHANNELS[colour]
            elif kind == b"IDAT":
                idat.append(body)
            elif kind == b"IEND":
                break
            pos += 12 + length
        self.rows = self._unfilter(zlib.decompress(b"".join(idat)))

    def _unfilter(self, raw):
        bpp, stride = self.channels, self.width * self.channels
        rows, previous, pos = [], bytearray(stride), 0
        for _ in range(self.height):
            kind = raw[pos]
            line = bytearray(raw[pos + 1:pos + 1 + stride])
            pos += 1 + stride
            if kind == 1:
                for i in range(bpp, stride):
                    line[i] = (line[i] + line[i - bpp]) & 0xFF
            elif kind == 2:
                line = bytearray((a + b) & 0xFF for a, b in zip(line, previous))
            elif kind == 3:
                for i in range(stride):
                    left = line[i - bpp] if i >= bpp else 0
                    line[i] = (line[i] + ((left + previous[i]) >> 1)) & 0xFF
            elif kind == 4:
                for i in range(stride):
                    if i >= bpp:
                        a, c = line[i - bpp], previous[i - bpp]
                    else:
                        a = c = 0
                    b = previous[i]
                    p = a + b - c
                    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                    line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 0xFF
            rows.append(line)
            previous = line
        return rows

    def pixel(self, x, y):
        """(r, g, b) at (x, y)."""
        if not (0 <= x < self.width and 0 <= y < self.height):
            raise IndexError(f"({x}, {y}) outside {self.width} x {self.height}")
        i = x * self.channels
        p = self.rows[y][i:i + self.channels]
        if self.channels <= 2:
            return (p[0], p[0], p[0])
        return (p[0], p[1], p[2])

    def count(self, x0, y0, x1, y1, predicate):
        """How many pixels of the rectangle [x0, x1) x [y0, y1) satisfy predicate((r, g, b))."""
        return sum(1 for y in range(y0, y1) for x in range(x0, x1) if predicate(self.pixel(x, y)))
