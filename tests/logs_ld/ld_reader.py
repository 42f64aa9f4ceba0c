#!/usr/bin/env python3
"""Reads an ".ld" data log on its own, from the file layout alone, and checks it.

    ld_reader.py FILE [--json]

Prints one line per channel (or a JSON document) and exits 1 when the file is inconsistent:
the header's channel count and data offset, the doubly linked channel headers, data blocks
that follow one another without gaps up to the end of the file, and every channel covering the
same duration (its sample count over its rate, within one sample of the slowest channel).
"""

import json
import struct
import sys

HEADER_AREA_SIZE = 0x3448
CHANNEL_HEADER_SIZE = 124


def text(raw):
    return raw.split(b"\0", 1)[0].decode("utf-8")


def read_ld(data):
    u32 = lambda at: struct.unpack_from("<I", data, at)[0]
    first = u32(0x08)
    header = {
        "marker": u32(0x00),
        "firstChannel": first,
        "dataOffset": u32(0x0C),
        "eventOffset": u32(0x24),
        "channelCount": u32(0x56),
        "format": text(data[0x4A:0x52]),
        "date": text(data[0x5E:0x6E]),
        "time": text(data[0x7E:0x8E]),
        "device": text(data[0xDE:0x11E]),
        "session": text(data[0x722:0x762]),
    }
    channels = []
    at = first
    seen = set()
    while at != 0:
        if at in seen or at + CHANNEL_HEADER_SIZE > len(data):
            raise ValueError("channel header at %#x is out of the file or repeats" % at)
        seen.add(at)
        (prev, nxt, offset, count, cid, tclass, size, rate, shift, mult, scale, decimals) = struct.unpack_from(
            "<IIIIHHHHHHHH", data, at)
        name = text(data[at + 0x20:at + 0x40])
        short = text(data[at + 0x40:at + 0x48])
        units = text(data[at + 0x48:at + 0x54])
        fmt = {2: "<h", 4: "<i"}.get(size)
        if fmt is None:
            raise ValueError("channel %r has sample size %d" % (name, size))
        if offset + size * count > len(data):
            raise ValueError("channel %r data runs past the end of the file" % name)
        samples = [struct.unpack_from(fmt, data, offset + i * size)[0] for i in range(count)]
        channels.append({
            "at": at, "previous": prev, "next": nxt, "dataOffset": offset, "sampleCount": count,
            "id": cid, "typeClass": tclass, "sampleSize": size, "rate": rate, "shift": shift,
            "multiplier": mult, "scale": scale, "decimals": decimals,
            "name": name, "shortName": short, "units": units, "samples": samples,
        })
        at = nxt
    return header, channels


def problems(data, header, channels):
    out = []
    n = len(channels)
    if header["channelCount"] != n:
        out.append("header says %d channels, the list has %d" % (header["channelCount"], n))
    if n and header["firstChannel"] != HEADER_AREA_SIZE:
        out.append("first channel header at %#x" % header["firstChannel"])
    if header["dataOffset"] != HEADER_AREA_SIZE + CHANNEL_HEADER_SIZE * n:
        out.append("data offset %#x for %d channels" % (header["dataOffset"], n))
    expect = header["dataOffset"]
    for k, c in enumerate(channels):
        want_prev = 0 if k == 0 else channels[k - 1]["at"]
        if c["previous"] != want_prev:
            out.append("%s: previous header %#x, expected %#x" % (c["name"], c["previous"], want_prev))
        if c["dataOffset"] != expect:
            out.append("%s: data at %#x, expected %#x" % (c["name"], c["dataOffset"], expect))
        expect = c["dataOffset"] + c["sampleSize"] * c["sampleCount"]
        if c["rate"] == 0:
            out.append("%s: rate 0" % c["name"])
    if n and expect != len(data):
        out.append("blocks end at %#x, the file at %#x" % (expect, len(data)))
    timed = [c for c in channels if c["rate"]]
    if timed:
        # Channels at different rates end within one sample of the slowest of them.
        duration = max(c["sampleCount"] / c["rate"] for c in timed)
        slack = 1.0 / min(c["rate"] for c in timed) + 1e-9
        for c in timed:
            if duration - c["sampleCount"] / c["rate"] > slack:
                out.append("%s: %d samples at %d Hz do not cover %.3f s" % (c["name"], c["sampleCount"], c["rate"], duration))
    return out


def main(argv):
    if len(argv) < 2:
        sys.stderr.write(__doc__)
        return 2
    with open(argv[1], "rb") as f:
        data = f.read()
    try:
        header, channels = read_ld(data)
    except (ValueError, struct.error) as e:
        sys.stderr.write("ld_reader: %s\n" % e)
        return 1
    found = problems(data, header, channels)
    if "--json" in argv[2:]:
        json.dump({"header": header, "channels": channels, "problems": found}, sys.stdout)
    else:
        for c in channels:
            print("%-32s id %5d  %6d samples at %3d Hz  size %d  dp %d  %s" % (
                c["name"], c["id"], c["sampleCount"], c["rate"], c["sampleSize"], c["decimals"], c["units"]))
    for p in found:
        sys.stderr.write("ld_reader: %s\n" % p)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
