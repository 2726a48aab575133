#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Synthesises the two interface sounds into data/Files: a light tick played when
a button is hovered (Click1.wav) and a firmer click when one is pressed
(Click2.wav). Mono, 16 bit, 22050 Hz; a few kilobytes each."""
import math
import os
import struct
import wave

RATE = 22050


def write(path, freq, duration, decay, volume):
    frames = bytearray()
    for i in range(int(RATE * duration)):
        t = i / RATE
        envelope = math.exp(-t * decay) * min(1.0, t * 2000)
        sample = volume * envelope * (0.7 * math.sin(2 * math.pi * freq * t) +
                                      0.3 * math.sin(2 * math.pi * freq * 2.01 * t))
        frames += struct.pack('<h', int(max(-1, min(1, sample)) * 32767))
    with wave.open(path, 'wb') as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(bytes(frames))


if __name__ == '__main__':
    files = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'data', 'Files')
    write(os.path.join(files, 'Click1.wav'), 1850, 0.045, 90, 0.25)
    write(os.path.join(files, 'Click2.wav'), 980, 0.085, 55, 0.45)
