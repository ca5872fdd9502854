#!/usr/bin/env python3
"""Prints a text as a C++ string literal of its Shift_JIS (CP932) bytes.

A new Japanese text goes into src/text/japanese_texts.h twice: as readable
UTF-8 and as the literal this prints. The unit test of that header checks
that the two forms say the same thing.

    tools/shift_jis_literal.py 'ファイルを開けません('
"""
import sys


def literal(text: str) -> str:
    out, after_escape = [], False
    for byte in text.encode("cp932"):
        char = chr(byte)
        if byte >= 0x80 or char in '"\\' or byte < 0x20:
            out.append("\\x%02X" % byte)
            after_escape = True
            continue
        # A hex digit right after \xNN would be read as part of the escape.
        if after_escape and char in "0123456789abcdefABCDEF":
            out.append('" "')
        out.append(char)
        after_escape = False
    return '"' + "".join(out) + '"'


if __name__ == "__main__":
    print(literal(" ".join(sys.argv[1:])))
