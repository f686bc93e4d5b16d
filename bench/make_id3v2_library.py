#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Make a directory tree of small MP3-named files that each start with an ID3v2.4
tag and end with an ID3v1 tag, for the ID3v2 tagging benchmark.

Usage: make_id3v2_library.py DEST [--songs N] [--artists A] [--depth D]
                                  [--picture-every K] [--seed S]

Each tag holds the title (TIT2) and artist (TPE1), in UTF-8 for one song and
UTF-16 with a byte-order mark for the next, many with accented letters; every
K-th tag also holds a 100 KiB picture (APIC) after the texts. A few KiB of filler
stand for the audio, and the ID3v1 tag at the end gives other texts. Files are
spread over DEST/<artist dir>/<disc dir>/..., D levels deep; the tree is
deterministic for a given seed.
"""
import argparse, codecs, os, random

PICTURE_BYTES = 100 * 1024


def synchsafe(n: int) -> bytes:
    return bytes((n >> shift) & 0x7F for shift in (21, 14, 7, 0))


def frame(frame_id: bytes, data: bytes) -> bytes:
    return frame_id + synchsafe(len(data)) + b"\0\0" + data


def text_frame(frame_id: bytes, text: str, utf16: bool) -> bytes:
    if utf16:
        return frame(frame_id, b"\x01" + codecs.BOM_UTF16_LE + text.encode("utf-16-le"))
    return frame(frame_id, b"\x03" + text.encode("utf-8"))


def picture_frame(picture: bytes) -> bytes:
    # Latin-1 description, MIME type, picture type 3 (front cover), empty description.
    return frame(b"APIC", b"\0image/jpeg\0\x03\0" + picture)


def id3v2(frames: bytes) -> bytes:
    return b"ID3\x04\0\0" + synchsafe(len(frames)) + frames


def id3v1(title: bytes, artist: bytes) -> bytes:
    def field(b):
        return b[:30].ljust(30, b"\0")
    return b"TAG" + field(title) + field(artist) + b"\0" * (128 - 63)


def main():
    p = argparse.ArgumentParser()
    p.add_argument("dest")
    p.add_argument("--songs", type=int, default=32767)
    p.add_argument("--artists", type=int, default=2500)
    p.add_argument("--depth", type=int, default=2)
    p.add_argument("--size", type=int, default=2048, help="filler bytes between the tags")
    p.add_argument("--picture-every", type=int, default=8)
    p.add_argument("--seed", type=int, default=1)
    a = p.parse_args()
    rnd = random.Random(a.seed)
    filler = bytes(rnd.getrandbits(8) for _ in range(a.size))
    picture = bytes(rnd.getrandbits(8) for _ in range(PICTURE_BYTES))
    words = ["Blue", "Night", "Río", "Écho", "Stone", "Lights", "Øresund", "Gold",
             "Fire", "Träume", "Road", "Heart", "Storm", "Glass", "Été", "Ghost"]
    for i in range(a.songs):
        ar = rnd.randrange(a.artists)
        artist = f"{rnd.choice(words)} {rnd.choice(words)} {ar}"
        title = f"{rnd.choice(words)} {rnd.choice(words)} {i}"
        parts = [f"artist{ar:05d}"] + [f"disc{rnd.randrange(4)}" for _ in range(a.depth - 1)]
        d = os.path.join(a.dest, *parts)
        os.makedirs(d, exist_ok=True)
        utf16 = i % 2 == 1
        frames = text_frame(b"TIT2", title, utf16) + text_frame(b"TPE1", artist, utf16)
        if i % a.picture_every == 0:
            frames += picture_frame(picture)
        body = id3v2(frames) + filler + id3v1(b"v1 " + str(i).encode(), b"v1 artist")
        with open(os.path.join(d, f"track{i:05d}.mp3"), "wb") as f:
            f.write(body)
    print(f"{a.songs} mp3 files under {a.dest}")


if __name__ == "__main__":
    main()
