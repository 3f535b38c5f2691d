#!/usr/bin/env python3
"""Writes the program's own sounds into resources/Resource (run again after changing one).

PopFilter.wav: the short falling two-note blip played when a popup window is refused.
8-bit mono at 11025 Hz keeps it under 2 KB."""
import math
import os
import wave

RATE = 11025
HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "resources", "Resource")


def tone(freq, seconds, volume=0.45):
    count = int(RATE * seconds)
    samples = []
    for i in range(count):
        # A quick attack and an exponential fade keep the ends free of clicks.
        envelope = min(1.0, i / (RATE * 0.004)) * math.exp(-5.0 * i / count)
        value = volume * envelope * math.sin(2 * math.pi * freq * i / RATE)
        samples.append(int(128 + 127 * value))
    return bytes(samples)


def write(name, data):
    with wave.open(os.path.join(OUT, name), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(1)
        out.setframerate(RATE)
        out.writeframes(data)


if __name__ == "__main__":
    write("PopFilter.wav", tone(1318.5, 0.06) + tone(987.8, 0.09))
