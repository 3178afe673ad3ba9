#!/usr/bin/env python3
"""Synthesises the game's sounds from code: nothing recorded, nothing downloaded.

Writes 16-bit mono WAV files at 22050 Hz into resources/sounds (or the folder given). Every sound is
made from sine waves and a seeded noise generator, so the same script always writes the same bytes;
tools/check_art.sh compares them with the checked-in files.
"""
import math
import struct
import sys
import wave
from pathlib import Path

RATE = 22050


class Noise:
    """A small linear congruential generator: the same hiss on every run."""

    def __init__(self, seed):
        self.state = seed

    def __call__(self):
        self.state = (self.state * 1103515245 + 12345) & 0x7FFFFFFF
        return self.state / 0x3FFFFFFF - 1.0


def silence(seconds):
    return [0.0] * int(RATE * seconds)


def envelope(samples, attack, decay_rate):
    """A quick rise, then an exponential fall (decay_rate per second)."""
    out = []
    a = max(1, int(RATE * attack))
    for i, s in enumerate(samples):
        rise = min(1.0, i / a)
        out.append(s * rise * math.exp(-decay_rate * i / RATE))
    return out


def tone(freq, seconds, harmonics=((1, 1.0), (2, 0.25), (3, 0.08)), bend=0.0):
    """A soft bell-like tone; bend glides the pitch by that many octaves over its length."""
    n = int(RATE * seconds)
    out, phase = [], 0.0
    for i in range(n):
        f = freq * 2 ** (bend * i / n)
        phase += 2 * math.pi * f / RATE
        out.append(sum(amp * math.sin(k * phase) for k, amp in harmonics))
    peak = sum(amp for _, amp in harmonics)
    return [s / peak for s in out]


def filtered_noise(seconds, seed, low, high):
    """Noise between two one-pole filters: a band from low to high Hz."""
    noise = Noise(seed)
    a_hi = math.exp(-2 * math.pi * high / RATE)
    a_lo = math.exp(-2 * math.pi * low / RATE)
    lp = hp_in = hp_out = 0.0
    out = []
    for _ in range(int(RATE * seconds)):
        x = noise()
        lp = (1 - a_hi) * x + a_hi * lp
        hp_out = a_lo * (hp_out + lp - hp_in)
        hp_in = lp
        out.append(hp_out * 3)
    return out


def swept_noise(seconds, seed, start_hz, end_hz, q=0.35):
    """Noise through a resonant band-pass whose centre glides from start_hz to end_hz."""
    noise = Noise(seed)
    n = int(RATE * seconds)
    low = band = 0.0
    out = []
    for i in range(n):
        centre = start_hz * (end_hz / start_hz) ** (i / n)
        f = 2 * math.sin(math.pi * centre / RATE)
        high = noise() - low - q * band
        band += f * high
        low += f * band
        out.append(band)
    return out


def faded(samples, seconds=0.01):
    """Fades the last moment out, so that a sound never ends in a click."""
    n = min(len(samples), int(RATE * seconds))
    return samples[:len(samples) - n] + [s * (n - i) / n for i, s in enumerate(samples[len(samples) - n:])]


def mix(*tracks):
    length = max(len(t) for t in tracks)
    return [sum(t[i] for t in tracks if i < len(t)) for i in range(length)]


def then(*parts):
    out = []
    for p in parts:
        out += p
    return out


def gain(samples, g):
    return [s * g for s in samples]


def card_dealt():
    # a short snap: a bright tick over a soft thump
    return mix(envelope(filtered_noise(0.045, 11, 3000, 9000), 0.001, 110),
               gain(envelope(tone(150, 0.045, ((1, 1.0),)), 0.001, 70), 0.6))


def card_down():
    # a swish that falls, as a card laid face down
    return envelope(swept_noise(0.1, 23, 4000, 700), 0.012, 25)


def card_up():
    # a swish that rises, and a light tick as the face shows
    return mix(envelope(swept_noise(0.09, 31, 700, 4500), 0.012, 25),
               silence(0.07) + gain(envelope(tone(1760, 0.02, ((1, 1.0),)), 0.001, 150), 0.5))


def bills():
    # three quick rustles of paper
    def rustle(seed):
        return faded(envelope(filtered_noise(0.05, seed, 2000, 7000), 0.004, 50), 0.008)
    return then(rustle(41), silence(0.03), rustle(43), silence(0.025), rustle(47))


def dealer_draws():
    # a longer, lower slide across the felt
    return envelope(swept_noise(0.17, 53, 500, 1500, q=0.5), 0.03, 14)


def note(freq, seconds, decay):
    return faded(envelope(tone(freq, seconds), 0.008, decay), 0.02)


def win():
    # a rising arpeggio, the one sound allowed to take its time
    notes = [(523.25, 0.0), (659.25, 0.09), (783.99, 0.18), (1046.5, 0.27)]
    return mix(*[silence(start) + note(f, 0.45, 7) for f, start in notes])


def loss():
    # a falling third, soft
    return then(note(392.0, 0.16, 12), note(329.6, 0.2, 10))


def push():
    # the same note twice: neither up nor down
    return then(note(440.0, 0.11, 16), silence(0.02), note(440.0, 0.11, 16))


def broke():
    # a long slide down an octave
    return faded(envelope(tone(330.0, 0.38, bend=-1.0), 0.01, 5), 0.05)


SOUNDS = {
    "deal": card_dealt,
    "card_down": card_down,
    "card_up": card_up,
    "bills": bills,
    "dealer_draws": dealer_draws,
    "win": win,
    "loss": loss,
    "push": push,
    "broke": broke,
}


# Every sound peaks at the same soft level, about 7 dB below full scale.
PEAK = 0.45


def write(path, samples):
    top = max(abs(s) for s in samples)
    samples = [s * PEAK / top for s in samples]
    frames = b"".join(struct.pack("<h", max(-32767, min(32767, int(round(s * 32767))))) for s in samples)
    with wave.open(str(path), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


def main():
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "resources" / "sounds"
    folder.mkdir(parents=True, exist_ok=True)
    for name, make in SOUNDS.items():
        write(folder / f"{name}.wav", make())


if __name__ == "__main__":
    main()
