#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Converts Natural Earth 1:110m land (TopoJSON, as the npm package world-atlas ships
it in land-110m.json) into data/map/land-110m.bin, the outline the map window draws.

Run once when the data changes; the build only embeds the result:
    cd "$(mktemp -d)" && npm pack world-atlas && tar xzf world-atlas-*.tgz
    python3 scripts/make-land-map.py package/land-110m.json data/map/land-110m.bin

Output, little-endian: the magic b"GLMLAND1", uint32 ring count, then per ring a
uint32 point count and that many int16 pairs (longitude, latitude) in hundredths of
a degree. Every ring is closed (its last point repeats the first).
"""
import json
import struct
import sys


def decode_arcs(topology):
    scale = topology["transform"]["scale"]
    translate = topology["transform"]["translate"]
    arcs = []
    for arc in topology["arcs"]:
        x = y = 0
        points = []
        for dx, dy in arc:
            x += dx
            y += dy
            points.append((x * scale[0] + translate[0], y * scale[1] + translate[1]))
        arcs.append(points)
    return arcs


def ring_points(ring, arcs):
    points = []
    for index in ring:
        arc = arcs[index] if index >= 0 else list(reversed(arcs[~index]))
        # Consecutive arcs share their joining point.
        points.extend(arc if not points else arc[1:])
    if points and points[0] != points[-1]:
        points.append(points[0])
    return points


def rings_of(geometry):
    if geometry["type"] == "Polygon":
        return geometry["arcs"]
    if geometry["type"] == "MultiPolygon":
        return [ring for polygon in geometry["arcs"] for ring in polygon]
    if geometry["type"] == "GeometryCollection":
        return [ring for g in geometry["geometries"] for ring in rings_of(g)]
    return []


def main(source, target):
    with open(source, encoding="utf-8") as f:
        topology = json.load(f)
    arcs = decode_arcs(topology)
    rings = [ring_points(r, arcs) for r in rings_of(topology["objects"]["land"])]
    rings = [r for r in rings if len(r) >= 4]
    out = bytearray(b"GLMLAND1")
    out += struct.pack("<I", len(rings))
    for ring in rings:
        out += struct.pack("<I", len(ring))
        for lon, lat in ring:
            out += struct.pack("<hh", round(lon * 100), round(lat * 100))
    with open(target, "wb") as f:
        f.write(out)
    print(f"{len(rings)} rings, {sum(len(r) for r in rings)} points, {len(out)} bytes")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
