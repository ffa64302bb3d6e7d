#!/usr/bin/env python3
"""Writes the reminder sound, ship/di.wav: a soft two-tone chime of 0.42 s
(E6, then C6 a little later, each a sine with a faint octave that rings out),
22050 Hz, 16-bit mono PCM, at half of full scale. The output is the same on
every run."""

import math
import struct
import wave
from pathlib import Path

RATE = 22050
LENGTH = 0.42  # seconds
PEAK = 0.5  # of full scale
ATTACK = 0.004  # seconds: no click at a tone's start
FADE = 0.03  # seconds: the end falls to silence

# (frequency in Hz, start in s, decay time constant in s, loudness)
TONES = [(1318.5, 0.0, 0.08, 1.0), (1046.5, 0.12, 0.10, 0.9)]


def tone(t, frequency, start, decay, loudness):
    if t < start:
        return 0.0
    age = t - start
    envelope = min(age / ATTACK, 1.0) * math.exp(-age / decay) * loudness
    phase = 2 * math.pi * frequency * age
    return envelope * (math.sin(phase) + 0.15 * math.sin(2 * phase))


def samples():
    count = int(RATE * LENGTH)
    raw = []
    for index in range(count):
        t = index / RATE
        fade = min((LENGTH - t) / FADE, 1.0)
        raw.append(fade * sum(tone(t, *each) for each in TONES))
    scale = PEAK / max(abs(value) for value in raw)
    return [round(value * scale * 32767) for value in raw]


def main():
    out = Path(__file__).resolve().parent / "ship" / "di.wav"
    with wave.open(str(out), "wb") as sound:
        sound.setnchannels(1)
        sound.setsampwidth(2)
        sound.setframerate(RATE)
        sound.writeframes(b"".join(struct.pack("<h", value) for value in samples()))
    print(out)


if __name__ == "__main__":
    main()
