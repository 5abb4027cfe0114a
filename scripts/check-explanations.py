#!/usr/bin/env python3
# SPDX-License-Identifier: AGPL-3.0-or-later
"""Checks that every explained row of `kelvra-cli --explain` output adds up.

Reads JSON Lines on standard input. For each analysed row: the strengths
summed in order give powerTotal, the harmony deltas summed in order plus the
bias give harmonyTotal, each delta is its effects summed in order from 0,
all bit for bit (Python floats are the same doubles, and the output's
shortest round-trip digits read back exactly); the bias is 100 x endGain and
biasSource names the last contact that recorded. Prints a summary; exits 1
on the first row that does not add up.
"""
import json
import sys


def check(row):
    e = row["explanation"]
    contacts = e["contacts"]
    if len(contacts) != len(row["contacts"]):
        return "one explanation per contact"
    power = 0.0
    deltas = 0.0
    last = None
    for i, (c, plain) in enumerate(zip(contacts, row["contacts"])):
        if c["strength"] != plain["strength"]:
            return f"contact {i}: strength differs from contacts"
        total = 0.0
        for effect in c["effects"]:
            total += effect["amount"]
        if total != c["harmonyDelta"]:
            return f"contact {i}: effects add up to {total!r}, not {c['harmonyDelta']!r}"
        recorded = [x["records"] for x in c["effects"] if x["records"] is not None]
        if (recorded[-1] if recorded else None) != c["recorded"]:
            return f"contact {i}: recorded is not its last recording"
        if recorded:
            last = i
        power += c["strength"]
        deltas += c["harmonyDelta"]
    if power != row["powerTotal"]:
        return f"strengths add up to {power!r}, not {row['powerTotal']!r}"
    if e["bias"] != 100 * e["endGain"]:
        return "bias is not 100 x endGain"
    if deltas + e["bias"] != row["harmonyTotal"]:
        return f"deltas and bias add up to {deltas + e['bias']!r}, not {row['harmonyTotal']!r}"
    if e["biasSource"] != last:
        return f"biasSource {e['biasSource']} is not the last recording contact {last}"
    if last is None and e["endGain"] != e["startGain"]:
        return "no contact recorded, yet the gain changed"
    return None


def main():
    analysed = refused = 0
    previous_end = 0.0
    for number, line in enumerate(sys.stdin, 1):
        row = json.loads(line)
        if "error" in row:
            refused += 1
            continue
        problem = check(row)
        if problem is None and row["explanation"]["startGain"] != previous_end:
            problem = "startGain is not the previous row's endGain"
        if problem:
            print(f"line {number} (row {row['row']}): {problem}")
            return 1
        previous_end = row["explanation"]["endGain"]
        analysed += 1
    print(f"{analysed} analysed rows add up exactly; {refused} refused rows")
    return 0


if __name__ == "__main__":
    sys.exit(main())
