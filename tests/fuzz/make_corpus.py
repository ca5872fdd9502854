#!/usr/bin/env python3
"""Writes the fuzz seed corpus from the end-to-end fixtures of the dialogue:
one seed per fixture, its layer code kept. Seeds over 64 KiB are left out: the fuzzer
sizes its inputs by the largest seed."""
import pathlib

CODES = ["", "GK", "DK", "KK", "SK", "TK", "CM", "DKTK", "KKTK", "DKCM", "GKDK"]
MARKER = b"\n%%\n"
here = pathlib.Path(__file__).resolve().parent
corpus = here / "corpus"
corpus.mkdir(exist_ok=True)
for fixture in sorted((here.parent / "fixtures").iterdir()):
    inputs = fixture / "input"
    stdin = fixture / "stdin"
    base = stdin.read_bytes().split() if stdin.is_file() else []
    if not inputs.is_dir() or not base:
        continue
    name = base[0].decode("latin-1")
    code = next((c for c in sorted(CODES, key=len, reverse=True) if c and c in name), "")
    parts = []
    for file in (name + ".mif", name + ".mid", "KKconvert.txt", "DKconvert.txt", "TKconvert.txt"):
        path = inputs / file
        parts.append(path.read_bytes() if path.is_file() else b"")
    full_disk = 0x80 if (inputs / (name + ".cGPS.txt")).is_symlink() else 0
    seed = bytes([CODES.index(code) | full_disk]) + MARKER.join(parts)
    if len(seed) > 64 * 1024:
        continue
    (corpus / fixture.name).write_bytes(seed)
