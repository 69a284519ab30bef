#!/usr/bin/env python3
"""Reads the MIDI export template with an independent MIDI reader (mido) and
checks its layout: division 600, a tempo of 300,000 us a quarter and a 4/2
metre at the start, then 16 patterns x 16 steps x 12 channel-10 note-ons, a
step's notes together and each step 300 ticks after the one before, no
note-offs."""
import sys

import mido


def main(path):
    midi = mido.MidiFile(path)
    failures = []

    def check(ok, what):
        if not ok:
            failures.append(what)

    check(midi.ticks_per_beat == 600, "division %d, not 600" % midi.ticks_per_beat)
    events = [m for track in midi.tracks for m in track]
    tempos = [m for m in events if m.type == "set_tempo"]
    check(len(tempos) == 1 and tempos[0].tempo == 300000 and tempos[0].time == 0, "one tempo of 300,000 us at 0")
    metres = [m for m in events if m.type == "time_signature"]
    check(len(metres) == 1 and (metres[0].numerator, metres[0].denominator) == (4, 2), "one 4/2 metre")

    notes, tick = [], 0
    for m in mido.merge_tracks(midi.tracks):
        tick += m.time
        if m.type == "note_off" or (m.type == "note_on" and m.velocity == 0):
            failures.append("a note-off at tick %d" % tick)
        elif m.type == "note_on":
            notes.append((tick, m))
    check(len(notes) == 3072, "%d note-ons, not 3,072" % len(notes))
    defaults = [36, 38, 46, 44, 45, 48, 50, 51, 54, 54, 54, 54]
    for n, (tick, m) in enumerate(notes):
        pattern, step, slot = n // 192, n // 12 % 16, n % 12
        where = "pattern %d step %d slot %d" % (pattern + 1, step + 1, slot + 1)
        check(m.channel == 9, where + ": channel %d" % (m.channel + 1))
        check(tick == (pattern * 16 + step) * 300, where + ": at tick %d" % tick)
        check(m.note == defaults[slot], where + ": note %d" % m.note)
        check(m.velocity > 0, where + ": no velocity")
    for f in failures[:20]:
        print("FAIL:", f)
    print("%d passed, %d failed" % (0 if failures else 1, 1 if failures else 0))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
