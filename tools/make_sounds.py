#!/usr/bin/env python3
"""Writes the five editing sounds to assets/sounds: short sine sweeps, 16-bit mono wave files."""
import math
import struct
import wave
from pathlib import Path

RATE = 22050
FADE = 0.01  # seconds of fade at each end, so a sound starts and stops without a click

# name: (seconds, start hertz, end hertz, loudness 0..1)
SOUNDS = {
    "drag.wav": (0.08, 900.0, 1300.0, 0.35),     # a bend point is added
    "redo.wav": (0.15, 600.0, 1200.0, 0.40),     # a connection starts or is completed
    "clear.wav": (0.25, 520.0, 260.0, 0.45),     # a refused connection: falling
    "bestfit.wav": (0.20, 880.0, 1320.0, 0.35),  # a connection selected; a run finished
    "wib.wav": (0.12, 300.0, 700.0, 0.40),       # a joint drag starts
}


def samples(seconds, start, end, loudness):
    count = int(seconds * RATE)
    phase = 0.0
    for n in range(count):
        t = n / RATE
        frequency = start + (end - start) * n / count  # linear sweep
        phase += 2.0 * math.pi * frequency / RATE
        envelope = min(1.0, t / FADE, (seconds - t) / FADE)
        yield int(32767 * loudness * envelope * math.sin(phase))


def main():
    folder = Path(__file__).resolve().parent.parent / "assets" / "sounds"
    folder.mkdir(parents=True, exist_ok=True)
    for name, shape in SOUNDS.items():
        with wave.open(str(folder / name), "wb") as out:
            out.setnchannels(1)
            out.setsampwidth(2)
            out.setframerate(RATE)
            out.writeframes(b"".join(struct.pack("<h", s) for s in samples(*shape)))


if __name__ == "__main__":
    main()
