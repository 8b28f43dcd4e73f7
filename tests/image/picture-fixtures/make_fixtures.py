#!/usr/bin/env python3
# Makes the damaged and hostile picture files in this folder. Each is named after
# what once broke with it; the JPEG ones start from ImageMagick's built-in rose.
# Run from this folder: python3 make_fixtures.py
import struct
import subprocess
import zlib


def write(name, data):
    with open(name, 'wb') as f:
        f.write(data)


def bmp(width, height, bits, compression, table, pixels, offset=None):
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, compression, len(pixels), 0, 0, 0, 0)
    start = 14 + 40 + len(table)
    off = start if offset is None else offset
    return b'BM' + struct.pack('<IHHI', start + len(pixels), 0, 0, off) + header + table + pixels


def grey_table(n=256):
    return b''.join(bytes([i * 255 // (n - 1)] * 3 + [0]) for i in range(n))


def jpeg_segments(d):
    at, out = 2, []
    while d[at + 1] != 0xDA:
        length = struct.unpack('>H', d[at + 2:at + 4])[0]
        out.append((d[at + 1], at))
        at += 2 + length
    return out, at


rose = subprocess.run(['convert', 'rose:', '-quality', '92', 'jpeg:-'], check=True, capture_output=True).stdout
segments, sos = jpeg_segments(rose)
scan = sos + 2 + struct.unpack('>H', rose[sos + 2:sos + 4])[0]
end = len(rose) - 2
# Two thirds of the scan data cut out, the end-of-picture marker kept.
write('jpeg-scan-cut-end-kept.jpg', rose[:scan + (end - scan) // 3] + b'\xff\xd9')
# The frame header claims four times the rose's size in each direction.
frame = dict(segments)[0xC0]
h, w = struct.unpack('>HH', rose[frame + 5:frame + 9])
write('jpeg-frame-claims-more.jpg', rose[:frame + 5] + struct.pack('>HH', h * 4, w * 4) + rose[frame + 9:])

# RLE8, 16 x 16: each row a run and an end of line; the second half and the end mark missing.
rows = b''.join(bytes([16, y * 16, 0, 0]) for y in range(8))
write('rle8-without-end-of-bitmap.bmp', bmp(16, 16, 8, 1, grey_table(), rows))
# The largest run-length picture the budget allows to claim, 1,080 bytes: only the end mark.
write('rle8-5792x5792-end-only.bmp', bmp(5792, 5792, 8, 1, grey_table(), b'\x00\x01'))
# A sound 4 x 4 24-bit picture whose pixel offset points into its information header.
write('bmp-pixels-inside-header.bmp', bmp(4, 4, 24, 0, b'', bytes(range(48)), offset=30))


def gif(screen, frame):
    sw, sh = screen
    left, top, fw, fh = frame
    d = b'GIF89a' + struct.pack('<HHBBB', sw, sh, 0x80, 0, 0) + b'\x00\x00\x00\xff\xff\xff'
    d += b',' + struct.pack('<HHHHB', left, top, fw, fh, 0)
    # 2-bit codes: clear, then pixels; a code size of 2 keeps every code 3 bits wide
    # for a few pixels, which the packer below handles generically.
    codes, size = [4], 3
    for i in range(fw * fh):
        codes.append(i & 1)
        codes.append(4)  # a clear after every pixel keeps the code width at 3 bits
    codes.append(5)
    bits = 0
    n = 0
    out = bytearray()
    for c in codes:
        bits |= c << n
        n += size
        while n >= 8:
            out.append(bits & 255)
            bits >>= 8
            n -= 8
    if n:
        out.append(bits & 255)
    d += b'\x02'
    for i in range(0, len(out), 255):
        block = out[i:i + 255]
        d += bytes([len(block)]) + block
    return d + b'\x00;'


write('gif-frame-outside-screen.gif', gif((8, 8), (6, 6, 8, 8)))
write('gif-frame-larger-than-screen.gif', gif((8, 8), (0, 0, 16, 16)))
# 74 bytes of text that claim a picture of 5600 x 5600 with one byte of its rows.
xbm = b'#define a_width 5600\n#define a_height 5600\nstatic char a_bits[] = {0x00};\n'
write('xbm-74-bytes-claims-5600x5600.xbm', xbm)

# A PNG whose picture data is damaged (its checksum still right), so that only the
# library decoding it notices.
png = subprocess.run(['convert', 'rose:', 'png:-'], check=True, capture_output=True).stdout
idat = png.index(b'IDAT')
length = struct.unpack('>I', png[idat - 4:idat])[0]
data = bytearray(png[idat + 4:idat + 4 + length])
data[len(data) // 2:len(data) // 2 + 8] = b'\xff' * 8
crc = struct.pack('>I', zlib.crc32(b'IDAT' + bytes(data)) & 0xFFFFFFFF)
write('png-damaged-data.png', png[:idat + 4] + bytes(data) + crc + png[idat + 8 + length:])
