#!/usr/bin/env python3
"""Writes prelude-in-c.mid: J. S. Bach's Prelude in C major (BWV 846, public
domain), written out note by note from its chords. Every half bar the lowest
note is held, the second is held from the next sixteenth, and the upper three
are broken twice in sixteenths; the last bars close on a held chord. The
pedal is changed with every bar, as pianists play it. Standard MIDI File,
format 0, 480 ticks per quarter, 72 quarters per minute.

    python3 tests/midi/prelude_in_c.py   # rewrites the file beside this script
"""
import os
import struct

NAMES = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def key(name):
    """'C4' = 60, 'F#2', 'Bb3'."""
    pitch = NAMES[name[0]]
    rest = name[1:]
    while rest[0] in "#b":
        pitch += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    return 12 * (int(rest) + 1) + pitch


# One chord per bar: the held bass, the held second note, the broken three.
BARS = [
    "C4 E4 G4 C5 E5", "C4 D4 A4 D5 F5", "B3 D4 G4 D5 F5", "C4 E4 G4 C5 E5",
    "C4 E4 A4 E5 A5", "C4 D4 F#4 A4 D5", "B3 D4 G4 D5 G5", "B3 C4 E4 G4 C5",
    "A3 C4 E4 G4 C5", "D3 A3 D4 F#4 C5", "G3 B3 D4 G4 B4", "G3 Bb3 E4 G4 C#5",
    "F3 A3 D4 A4 D5", "F3 Ab3 D4 F4 B4", "E3 G3 C4 G4 C5", "E3 F3 A3 C4 F4",
    "D3 F3 A3 C4 F4", "G2 D3 G3 B3 F4", "C3 E3 G3 C4 E4", "C3 G3 Bb3 C4 E4",
    "F2 F3 A3 C4 E4", "F#2 C3 A3 C4 Eb4", "Ab2 F3 B3 C4 D4", "G2 F3 G3 B3 D4",
    "G2 E3 G3 C4 E4", "G2 D3 G3 C4 F4", "G2 D3 G3 B3 F4", "G2 Eb3 A3 C4 F#4",
    "G2 E3 G3 C4 G4", "G2 D3 G3 C4 F4", "G2 D3 G3 B3 F4", "C2 C3 G3 Bb3 E4",
    "C2 C3 F3 A3 C4", "C2 B2 G3 B3 D4",
]
FINAL = "C2 C3 E3 G3 C4 E4"

TICKS = 480
SIXTEENTH = TICKS // 4
BAR = 16 * SIXTEENTH


def events():
    """(tick, order, bytes): order puts releases before strikes at one tick."""
    out = []

    def note(at, length, k, velocity):
        out.append((at, 1, bytes([0x90, k, velocity])))
        out.append((at + length, 0, bytes([0x80, k, 0])))

    for bar, chord in enumerate(BARS):
        notes = [key(n) for n in chord.split()]
        start = bar * BAR
        out.append((start + 10, 2, bytes([0xB0, 64, 127])))
        out.append((start + BAR - 10, 0, bytes([0xB0, 64, 0])))
        for half in range(2):
            at = start + half * 8 * SIXTEENTH
            accent = 8 if half == 0 else 0
            note(at, 8 * SIXTEENTH - 4, notes[0], 64 + accent)
            note(at + SIXTEENTH, 7 * SIXTEENTH - 4, notes[1], 58 + accent)
            for i, k in enumerate(notes[2:] * 2):
                note(at + (2 + i) * SIXTEENTH, SIXTEENTH - 6, k, 54 + (i % 3) * 5 + accent)
    start = len(BARS) * BAR
    out.append((start + 10, 2, bytes([0xB0, 64, 127])))
    for i, n in enumerate(FINAL.split()):
        note(start + i * 12, 2 * BAR - i * 12, key(n), 70 - i * 2)
    out.append((start + 2 * BAR + 20, 0, bytes([0xB0, 64, 0])))
    out.sort(key=lambda e: (e[0], e[1]))
    return out


def varlen(n):
    data = [n & 0x7F]
    n >>= 7
    while n:
        data.insert(0, (n & 0x7F) | 0x80)
        n >>= 7
    return bytes(data)


def track():
    body = bytearray()
    title = b"Prelude in C, BWV 846"
    body += varlen(0) + b"\xff\x03" + varlen(len(title)) + title
    body += varlen(0) + b"\xff\x51\x03" + (60_000_000 // 72).to_bytes(3, "big")
    body += varlen(0) + b"\xff\x58\x04\x04\x02\x18\x08"
    last = 0
    for tick, _, data in events():
        body += varlen(tick - last) + data
        last = tick
    body += varlen(0) + b"\xff\x2f\x00"
    return b"MTrk" + struct.pack(">I", len(body)) + bytes(body)


def main():
    header = b"MThd" + struct.pack(">IHHH", 6, 0, 1, TICKS)
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "prelude-in-c.mid")
    with open(path, "wb") as f:
        f.write(header + track())


if __name__ == "__main__":
    main()
