# Encodes the JSON form of component records (what demo/layoutgen.py builds
# and the fwstream tool reads) as component stream bytes, so the build can
# write a design file without running a Windows program.
import struct


def _short(text):
    data = text.encode("cp1252")[:255]
    return bytes([len(data)]) + data


def _integer(v):
    if -128 <= v <= 127:
        return bytes([2]) + struct.pack("<b", v)
    if -32768 <= v <= 32767:
        return bytes([3]) + struct.pack("<h", v)
    return bytes([4]) + struct.pack("<i", v)


def _value(v):
    t = v["type"]
    if t in ("int8", "int16", "int32"):
        return _integer(v["value"])
    if t == "string":
        data = v["value"].encode("cp1252")
        if len(data) <= 255:
            return bytes([6, len(data)]) + data
        return bytes([12]) + struct.pack("<I", len(data)) + data
    if t == "ident":
        return bytes([7]) + _short(v["value"])
    if t == "false":
        return bytes([8])
    if t == "true":
        return bytes([9])
    if t == "list":
        return bytes([1]) + b"".join(_value(x) for x in v["value"]) + bytes([0])
    if t == "binary":
        data = bytes.fromhex(v["value"])
        return bytes([10]) + struct.pack("<I", len(data)) + data
    if t == "set":
        return bytes([11]) + b"".join(_short(x) for x in v["value"]) + bytes([0])
    if t == "extended":
        return bytes([5]) + bytes.fromhex(v["value"])
    if t == "collection":
        out = bytes([14])
        for item in v["value"]:
            out += bytes([1]) + b"".join(_short(k) + _value(x) for k, x in item["properties"]) + bytes([0])
        return out + bytes([0])
    raise ValueError("no encoding for a value of type " + t)


def record(component):
    """One component record: class, name, properties, children."""
    out = _short(component["class"]) + _short(component["name"])
    for name, value in component["properties"]:
        out += _short(name) + _value(value)
    out += bytes([0])
    for child in component.get("children", []):
        out += record(child)
    return out + bytes([0])


def design_file(components):
    """A design file: each control's signature and record, then one list end per control."""
    body = b"".join(b"TPF0" + record(c) for c in components)
    return body + bytes(len(components))
