#!/usr/bin/env python3
"""Prints the tags of an MP3 or MPEG-4 file as mutagen reads them, as one JSON object.

An independent reader for the tests of the tags written into song copies.
Usage: mutagen_tags.py FILE
"""
import hashlib
import json
import sys

import mutagen
from mutagen.id3 import ID3
from mutagen.mp4 import MP4


def first_text(frame):
    return str(frame.text[0]) if frame is not None and frame.text else ""


def id3_tags(path):
    tag = ID3(path)
    comments = tag.getall("COMM")
    pictures = tag.getall("APIC")
    return {
        "version": "2.%d" % tag.version[1],
        "title": first_text(tag.get("TIT2")),
        "artist": first_text(tag.get("TPE1")),
        "album": first_text(tag.get("TALB")),
        "genre": first_text(tag.get("TCON")),
        "composer": first_text(tag.get("TCOM")),
        "comment": str(comments[0].text[0]) if comments and comments[0].text else "",
        "year": first_text(tag.get("TDRC")),
        "track": first_text(tag.get("TRCK")),
        "disc": first_text(tag.get("TPOS")),
        "encodings": sorted({int(f.encoding) for f in tag.values()
                             if f.FrameID.startswith("T") or f.FrameID == "COMM"}),
        "pictures": [hashlib.sha1(p.data).hexdigest() for p in pictures],
        "picture_mimes": [p.mime for p in pictures],
    }


def mp4_tags(path):
    tag = MP4(path).tags or {}

    def text(key):
        values = tag.get(key)
        return str(values[0]) if values else ""

    def pair(key):
        values = tag.get(key)
        if not values:
            return ""
        number, count = values[0]
        return "%d/%d" % (number, count) if count else str(number)

    covers = tag.get("covr", [])
    return {
        "version": "mp4",
        "title": text("\xa9nam"),
        "artist": text("\xa9ART"),
        "album": text("\xa9alb"),
        "genre": text("\xa9gen"),
        "composer": text("\xa9wrt"),
        "comment": text("\xa9cmt"),
        "year": text("\xa9day"),
        "track": pair("trkn"),
        "disc": pair("disk"),
        "encodings": [],
        "pictures": [hashlib.sha1(bytes(c)).hexdigest() for c in covers],
        "picture_mimes": ["image/jpeg" if c.imageformat == c.FORMAT_JPEG else "image/png" for c in covers],
    }


def main():
    path = sys.argv[1]
    kind = mutagen.File(path)
    if kind is None:
        print(json.dumps({"error": "not read"}))
        return 1
    tags = mp4_tags(path) if isinstance(kind, MP4) else id3_tags(path)
    print(json.dumps(tags, ensure_ascii=False))
    return 0


if __name__ == "__main__":
    sys.exit(main())
