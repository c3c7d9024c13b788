# Helpers that write stored layouts as the JSON form the fwstream tool reads:
# typed values, component records, bounds, and a small generated bitmap.
import json
import struct
def i(v):
    t = "int8" if -128 <= v <= 127 else ("int16" if -32768 <= v <= 32767 else "int32")
    return {"type": t, "value": v}
def s(v): return {"type": "string", "value": v}
def ident(v): return {"type": "ident", "value": v}
def b(v): return {"type": "true" if v else "false"}
def strings(*xs): return {"type": "list", "value": [s(x) for x in xs]}
def rec(cls, name, props, children=()):
    return {"class": cls, "name": name, "properties": [[k, v] for k, v in props], "children": list(children)}
def bounds(l, t, w, h): return [("Left", i(l)), ("Top", i(t)), ("Width", i(w)), ("Height", i(h))]

def bmp(w, h):
    # A 24-bit bitmap file image: a colour wheel-like gradient with a frame.
    row = (w * 3 + 3) & ~3
    pixels = bytearray()
    for y in range(h - 1, -1, -1):
        line = bytearray()
        for x in range(w):
            if x in (0, w - 1) or y in (0, h - 1):
                line += bytes((0, 0, 0))
            else:
                line += bytes(((x * 255) // w, (y * 255) // h, 255 - (x * 255) // w))
        line += bytes(row - len(line))
        pixels += line
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + bytes(pixels)
def picture(data):
    payload = bytes([7]) + b"TBitmap" + struct.pack("<I", len(data)) + data
    return {"type": "binary", "value": payload.hex().upper()}


def document(form):
    return json.dumps({"components": [form], "listEnds": 0}, indent=1)
def bitmap(data):
    # A bitmap property's "Data": the image's length, then the file image.
    return {"type": "binary", "value": (struct.pack("<I", len(data)) + data).hex().upper()}
def extended(v):
    # An 80-bit float: 64-bit mantissa with its leading one, then sign and
    # biased exponent.
    import math
    if v == 0:
        return {"type": "extended", "value": "00" * 10}
    m, e = math.frexp(abs(v))
    mant = int(m * 2 ** 64)
    head = (e - 1 + 16383) | (0x8000 if v < 0 else 0)
    return {"type": "extended", "value": (mant.to_bytes(8, "little") + head.to_bytes(2, "little")).hex().upper()}
def ident_set(*names): return {"type": "set", "value": list(names)}
def collection(*items):
    return {"type": "collection", "value": [{"properties": [[k, v] for k, v in props]} for props in items]}
