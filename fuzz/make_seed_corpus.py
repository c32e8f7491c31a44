#!/usr/bin/env python3
"""Writes the seed corpus of the data-file fuzzer: small address books built byte by byte,
covering every schema, every text-length form and the class-reference forms."""
import struct
import sys
from pathlib import Path

GROUP_TAG = struct.pack("<HHH", 0xFFFF, 0, 6) + b"CGroup"


def person_tag(schema=170):
    return struct.pack("<HHH", 0xFFFF, schema, 13) + b"CPersonalData"


def text(data):
    if len(data) < 255:
        return bytes([len(data)]) + data
    if len(data) < 65534:
        return b"\xff" + struct.pack("<H", len(data)) + data
    return b"\xff\xff\xff" + struct.pack("<I", len(data)) + data


def sj(s):
    return s.encode("cp932")


# Texts in file order: name, address, tel1, zip, (sex), e-mail 1, home address, tel2,
# home zip, e-mail 2, home tel, memo, initial, home page.
TEXT_COUNTS = {170: 13, 160: 12, 150: 11, 140: 10, 130: 9}


def person(texts, sex, serials, schema=170):
    count = TEXT_COUNTS.get(schema, 5)
    texts = (list(texts) + [b""] * 13)[:count]
    body = b"".join(text(t) for t in texts[:4]) + struct.pack("<i", sex)
    body += b"".join(text(t) for t in texts[4:])
    return body + struct.pack("<I", len(serials)) + b"".join(struct.pack("<i", s) for s in serials)


def book(groups, persons, schema=170):
    """persons: list of (texts, sex, serials)."""
    out = struct.pack("<I", len(groups))
    for i, name in enumerate(groups):
        out += (GROUP_TAG if i == 0 else struct.pack("<H", 0x8001)) + text(name)
    out += struct.pack("<I", len(persons))
    person_class = len(groups) + 2 if groups else 1
    for i, (texts, sex, serials) in enumerate(persons):
        out += person_tag(schema) if i == 0 else struct.pack("<H", 0x8000 | person_class)
        out += person(texts, sex, serials, schema)
    return out


def main():
    folder = Path(sys.argv[1])
    folder.mkdir(parents=True, exist_ok=True)
    full = [sj("山田　太郎"), sj("東京都世田谷区桜丘3丁目12-5"), b"03-1234-5678", b"156-0054",
            b"taro@example.jp", sj("長野県松本市本町1-2"), b"090-1234-5678", b"390-0811",
            b"t.yamada@example.ne.jp", b"0263-12-3456", sj("大学の同期。\r\n年賀状は毎年。"),
            sj("やまだ　たろう"), b"https://example.jp/~taro/"]
    seeds = {
        "empty": bytes(8),
        "example": book([b"A"], [([b"B"], 2, [0])]),
        "groups": book([sj("友人"), sj("会社"), b""],
                       [(full, 0, [1, 0]), ([sj("ｶﾀｶﾅ\\")], 1, []), ([b"x"], 2, [0, 1, 2])]),
        "memo300": book([], [([b"m"] + [b""] * 9 + [b"M" * 300], 2, [])]),
        "memo3000": book([], [([b"n"] + [b""] * 9 + [b"M" * 3000], 2, [])]),
        "invalid_cp932": book([b"\x81\xff"], [([b"\x80\xa0\xfd", b"\x82"], 2, [0])]),
        "no_groups": book([], [([b"a"], 0, []), ([b"b"], 1, [])]),
    }
    for schema in (160, 150, 140, 130, 100):
        seeds["schema%d" % schema] = book([b"G"], [(full, 1, [0]), (full, 0, [])], schema)
    # Longer forms than needed: a long text prefix and a long class reference.
    seeds["long_forms"] = (struct.pack("<I", 1) + GROUP_TAG + b"\xff\x01\x00A" +
                           struct.pack("<I", 2) + person_tag() + person([b"p"], 2, [0]) +
                           struct.pack("<HI", 0x7FFF, 0x80000003) + person([b"q"], 2, []))
    for name, data in seeds.items():
        (folder / name).write_bytes(data)


if __name__ == "__main__":
    main()
