#!/usr/bin/env python3
"""Writes the seed corpus of fuzz_answer into corpus/ beside this script (or the folder given).

Each input is a 9-byte header and the typed text; see the top of fuzz_answer.cpp. Run it again
after changing the list below; it rewrites the seed-* files and keeps the found-* inputs, which
the fuzzer found and which are copied in by hand.
"""
import pathlib
import struct
import sys

IGE1, IGE2, IGE3 = 0, 1, 2
UTF16 = 0x80


def header(window=IGE1, utf16=False, set_=0, draw=0, before=0, after=0, more=0, caret=0):
    return struct.pack("<BBBHHBb", window | (UTF16 if utf16 else 0), set_, draw, before, after,
                       more, caret)


def utf8(text, **kw):
    return header(**kw) + text.encode("utf-8", "surrogatepass")


def utf16(text, **kw):
    return header(utf16=True, **kw) + text.encode("utf-16-le", "surrogatepass")


def raw16(units, **kw):
    return header(utf16=True, **kw) + b"".join(struct.pack("<H", u) for u in units)


# The first set of each window starts at item 0, so draw k shows item k of that window.
SEEDS = {
    "empty": b"",
    "header-only": header(),
    "short-header": b"\x01\x02",
    "right-ige1": utf8("compra", draw=0),
    "right-initial-ige1": utf8("Estudiamos", draw=1),
    "right-lowercase-initial-ige1": utf8("estudiamos", draw=1),
    "right-question-ige1": utf8("Trabajas", draw=14),
    "right-accent-ige1": utf8("Descansáis", draw=4),
    "right-accent-keys-ige1": utf8("Descans'is", draw=4),
    "right-blanks-ige1": utf8("   compra   ", draw=0, before=3, after=3),
    "right-two-words-ige2": utf8("me encuentro", window=IGE2, draw=1),
    "right-two-words-blanks-ige2": utf8("  me    encuentro  ", window=IGE2, draw=1),
    "right-mark-after-ige2": utf8("os acost'is", window=IGE2, draw=9),
    "right-question-ige2": utf8("Te sientas", window=IGE2, draw=10, before=1, after=1),
    "right-ige3": utf8("comen", window=IGE3, draw=0),
    "right-imperative-ige3": utf8("Vest`os", window=IGE3, set_=1, draw=1),
    "right-negative-ige3": utf8("conduzcas", window=IGE3, set_=1, draw=3),
    "right-utf16-ige3": utf16("Me levanto", window=IGE3, draw=1),
    "many-blanks-ige1": header(draw=7, before=4096, after=4096),
    "many-blanks-ige2": header(window=IGE2, draw=3, before=3000, after=17),
    "many-blanks-ige3": header(window=IGE3, set_=2, draw=40, before=1, after=4000),
    "whole-pass-ige1": header(set_=3, draw=2, before=2, after=2, more=10),
    "whole-pass-ige2": header(window=IGE2, set_=0, draw=5, more=25),
    "whole-pass-ige3": header(window=IGE3, set_=0, draw=11, more=40),
    "key-semicolon": utf8(";", draw=3),
    "key-apostrophe": utf8("'", draw=3),
    "key-grave": utf8("`", draw=3),
    "key-bracket": utf8("[", draw=3),
    "key-slash": utf8("/", draw=3),
    "key-backslash": utf8("\\", draw=3),
    "keys-all-utf16": utf16(";'`[/\\ ;'`[/\\", window=IGE2),
    "keys-neighbours": utf8("@#]\"{}|:~^", window=IGE3),
    "accented": utf8("áéíóúñüÁÉÍÓÚÑÜ¿¡", window=IGE2, draw=2),
    "decomposed-accents": utf8("Descansa\u0301is", draw=4),
    "decomposed-initial": utf8("E\u0301studiamos", draw=1),
    "sharp-s-initial": utf8("ßtudiamos", draw=1),
    "ligature-initial": utf8("\ufb01n", window=IGE3, draw=3),
    "dotless-i-initial": utf8("ıncluye", window=IGE3, draw=3),
    "non-bmp": utf8("\U0001F600 compra \U0001D11E", draw=0),
    "non-bmp-initial": utf8("\U00010428studiamos", draw=1),
    "non-bmp-utf16": utf16("\U00010428\U0001F600", window=IGE3, draw=1),
    "lone-high-surrogate": raw16([0xD801], draw=1),
    "lone-high-then-letter": raw16([0xD801, 0x0061, 0x0020, 0x0020], draw=1),
    "lone-low-surrogate": raw16([0xDC28, 0x0073], window=IGE2, draw=5),
    "reversed-pair": raw16([0xDC28, 0xD801], window=IGE3, draw=1),
    "odd-byte-utf16": header(utf16=True, draw=1) + b"a\x00b",
    "single-byte-utf16": header(utf16=True, draw=1) + b"a",
    "invalid-utf8": header(draw=1) + b"\xff\xfe\xc3\x28\xe2\x82 \xf0\x9f\x98",
    "overlong-utf8": header(draw=1) + b"\xc0\xa0\xe0\x80\xa0",
    "rtl-marks": utf8("\u200fcompra\u200e \u202ecompra\u202c", draw=0),
    "bidi-isolates": utf8("\u2067Estudiamos\u2069", draw=1),
    "zero-width": utf8("com\u200bpra\ufeff", draw=0),
    "nbsp-around": utf8("\u00a0compra\u00a0", draw=0),
    "ideographic-space": utf8("\u3000Estudiamos\u3000", draw=1),
    "tab-and-newline": utf8("\tcompra\r\n", draw=0),
    "control-characters": utf8("".join(chr(c) for c in range(0, 32)) + "\x7f", window=IGE2),
    "nul-inside": utf8("com\x00pra", draw=0),
    "blanks-only-ige1": utf8(" " * 40),
    "blanks-only-initial-ige1": utf8(" " * 40, draw=1),
    "blanks-only-ige2": utf8(" " * 41, window=IGE2, draw=5),
    "blank-runs": utf8(" a  b   c    d     e      f ", window=IGE2),
    "opening-marks": utf8("¿¡ ¿", window=IGE3),
    "opening-mark-piece": utf8("¡Hola", set_=1, draw=4),
    "caret-far-right": utf8("compra", draw=0, caret=127),
    "caret-far-left": utf8("compra", draw=0, caret=-128),
    "last-set-last-item": utf8("huyas", window=IGE3, set_=1, draw=10, more=3),
    "out-of-range-picks": header(window=0x7F, set_=255, draw=255, before=65535, after=65535,
                                 more=255),
    "long-mixed": utf8(("compra  ;'`[/\\ \u0301\U0001F600  " * 120)[:3000], window=IGE2),
    "long-utf16": utf16(("  Estudiamos\u200f" * 200), window=IGE3, draw=1),
}


def main():
    folder = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else (
        pathlib.Path(__file__).resolve().parent / "corpus")
    folder.mkdir(parents=True, exist_ok=True)
    for old in folder.glob("seed-*"):
        old.unlink()
    for name, data in SEEDS.items():
        (folder / f"seed-{name}").write_bytes(data)
    print(f"{len(SEEDS)} seeds in {folder}")


if __name__ == "__main__":
    main()
