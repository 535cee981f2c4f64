#!/usr/bin/env python3
"""Writes the demo folder: three short tunes as 16-bit stereo WAV files, synthesised here."""
import math
import os
import struct
import sys
import wave

RATE = 22050
# (name, tempo in beats per minute, melody as (MIDI note, beats); 0 is a rest)
TUNES = [
    ("デモ曲1 きらきら星.wav", 132,
     [(60, 1), (60, 1), (67, 1), (67, 1), (69, 1), (69, 1), (67, 2),
      (65, 1), (65, 1), (64, 1), (64, 1), (62, 1), (62, 1), (60, 2)]),
    ("デモ曲2 かえるの歌.wav", 150,
     [(60, 1), (62, 1), (64, 1), (65, 1), (64, 1), (62, 1), (60, 2),
      (64, 1), (65, 1), (67, 1), (69, 1), (67, 1), (65, 1), (64, 2)]),
    ("デモ曲3 さくら.wav", 96,
     [(69, 1), (69, 1), (71, 2), (69, 1), (69, 1), (71, 2),
      (69, 1), (71, 1), (72, 1), (71, 1), (69, 1), (71, 0.5), (69, 0.5), (65, 2)]),
]


def note_samples(note, seconds):
    n = int(RATE * seconds)
    if note == 0:
        return [0.0] * n
    f = 440.0 * 2 ** ((note - 69) / 12)
    out = []
    for i in range(n):
        t = i / RATE
        env = min(1.0, t / 0.01) * math.exp(-3.0 * t)  # a soft plucked tone
        s = math.sin(2 * math.pi * f * t) + 0.3 * math.sin(4 * math.pi * f * t) + 0.1 * math.sin(6 * math.pi * f * t)
        out.append(0.35 * env * s)
    return out


def write_tune(path, tempo, melody):
    beat = 60.0 / tempo
    samples = []
    for note, beats in melody:
        samples += note_samples(note, beats * beat)
    frames = bytearray()
    for i, s in enumerate(samples):
        pan = 0.5 + 0.3 * math.sin(i / RATE)  # a slow drift between the speakers
        left = int(max(-1, min(1, s * (1.2 - pan))) * 32767)
        right = int(max(-1, min(1, s * (0.2 + pan))) * 32767)
        frames += struct.pack("<hh", left, right)
    with wave.open(path, "wb") as w:
        w.setnchannels(2)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(bytes(frames))


def main(folder):
    os.makedirs(folder, exist_ok=True)
    for name, tempo, melody in TUNES:
        path = os.path.join(folder, name)
        if not os.path.exists(path):
            write_tune(path, tempo, melody)


if __name__ == "__main__":
    main(sys.argv[1])
