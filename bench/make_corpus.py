# SPDX-FileCopyrightText: 2026 The Glyphory developers
# SPDX-License-Identifier: MIT
"""Makes a private font collection of N distinct families and a fontconfig
configuration that sees only it.

    make_corpus.py --out DIR N [N ...]

For each N it leaves DIR/N/fonts.conf (point FONTCONFIG_FILE at it),
DIR/N/fonts/*.ttf, DIR/N/cache/ (warmed with fc-cache) and DIR/N/families.txt.
A corpus that is already complete is kept as it is.
"""

import argparse
import io
import os
import random
import struct
import subprocess
import sys
import time

from fontTools import subset
from fontTools.ttLib import TTFont
from fontTools.ttLib.sfnt import calcChecksum

SOURCE_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
# Printable ASCII and Latin-1: enough for fontconfig to file each font under
# English, which Qt needs to take it for a Latin font. Without that Qt finds no
# font for Latin text and searches the whole collection for a stand-in on every
# label. Every family and menu name is drawable by any corpus font too; only
# text the benchmark types on purpose sends Qt looking for a fallback.
KEEP_TEXT = "".join(chr(c) for c in list(range(0x20, 0x7F)) + list(range(0xA0, 0x100)))
# Equal-length placeholders let each copy be made by patching bytes instead
# of recompiling the font, which keeps 50,000 families to seconds.
NAME_WIDTH = 24
PLACEHOLDER = "Q" * NAME_WIDTH
FORMAT = 4  # bump when the corpus layout changes, to rebuild old ones

SYLLABLES = ("ba be bi bo bu ca ce ci co cu da de di do du fa fe fi fo ga ge gi go "
             "ha he hi ho ka ke ki ko la le li lo lu ma me mi mo mu na ne ni no "
             "pa pe pi po ra re ri ro ru sa se si so su ta te ti to tu va ve vi "
             "vo za ze zi zo ar el in on or an en ul ex qu ly").split()
KINDS = ("Sans", "Serif", "Mono", "Text", "Display", "Script", "Grotesk", "Slab",
         "Condensed", "Rounded", "Book", "Pro", "Std", "Hand", "Gothic", "Antiqua")


def family_names(count, seed=20260):
    """Distinct, deterministic names spread over the alphabet, some sharing
    long prefixes the way real collections do (one foundry's superfamilies)."""
    rng = random.Random(seed)
    names, seen = [], set()
    while len(names) < count:
        word = "".join(rng.choice(SYLLABLES) for _ in range(rng.randint(2, 4)))
        parts = [word.capitalize()]
        for _ in range(rng.randint(0, 2)):
            parts.append(rng.choice(KINDS))
        name = " ".join(parts)
        if rng.random() < 0.3:
            name += " %d" % rng.randint(1, 99)
        name = name[:NAME_WIDTH].rstrip()
        if name.lower() in seen:
            continue
        seen.add(name.lower())
        names.append(name)
    return names


def make_template():
    font = TTFont(SOURCE_FONT)
    options = subset.Options()
    options.hinting = False
    options.layout_features = []
    options.name_IDs = [1, 2, 3, 4, 5, 6]
    options.name_languages = [0x409]
    options.notdef_outline = True
    options.drop_tables += ["FFTM", "GDEF", "GPOS", "GSUB", "kern", "DSIG"]
    sub = subset.Subsetter(options)
    sub.populate(text=KEEP_TEXT)
    sub.subset(font)
    name = font["name"]
    name.names = [r for r in name.names if r.platformID == 3]
    for name_id, value in ((1, PLACEHOLDER), (2, "Regular"), (3, PLACEHOLDER),
                           (4, PLACEHOLDER), (6, PLACEHOLDER)):
        name.setName(value, name_id, 3, 1, 0x409)
    font["head"].fontRevision = 1.0
    buf = io.BytesIO()
    font.save(buf)
    return buf.getvalue()


def table_directory(data):
    num_tables = struct.unpack(">H", data[4:6])[0]
    tables = {}
    for i in range(num_tables):
        entry = 12 + 16 * i
        tag, _, offset, length = struct.unpack(">4sLLL", data[entry:entry + 16])
        tables[tag] = (entry, offset, length)
    return tables


class Patcher:
    def __init__(self, template):
        self.template = bytearray(template)
        self.tables = table_directory(template)
        _, name_off, name_len = self.tables[b"name"]
        name_table = bytes(self.template[name_off:name_off + name_len])
        needle = PLACEHOLDER.encode("utf-16-be")
        self.spots = []
        pos = name_table.find(needle)
        while pos >= 0:
            self.spots.append(name_off + pos)
            pos = name_table.find(needle, pos + 1)
        if not self.spots:
            raise SystemExit("placeholder not found in the name table")

    def font_for(self, family):
        data = bytearray(self.template)
        padded = family.ljust(NAME_WIDTH, "\0")
        # Names shorter than the slot end in NULs, which fontconfig and
        # FreeType cut off; the record lengths stay those of the template.
        encoded = padded.encode("utf-16-be")
        for spot in self.spots:
            data[spot:spot + len(encoded)] = encoded
        self._fix_lengths(data, family)
        name_entry, name_off, name_len = self.tables[b"name"]
        struct.pack_into(">L", data, name_entry + 4,
                         calcChecksum(bytes(data[name_off:name_off + name_len])))
        head_entry, head_off, _ = self.tables[b"head"]
        struct.pack_into(">L", data, head_off + 8, 0)
        adjustment = (0xB1B0AFBA - calcChecksum(bytes(data))) & 0xFFFFFFFF
        struct.pack_into(">L", data, head_off + 8, adjustment)
        return bytes(data)

    def _fix_lengths(self, data, family):
        _, name_off, _ = self.tables[b"name"]
        count = struct.unpack(">H", data[name_off + 2:name_off + 4])[0]
        storage = name_off + struct.unpack(">H", data[name_off + 4:name_off + 6])[0]
        full = len(PLACEHOLDER.encode("utf-16-be"))
        for i in range(count):
            rec = name_off + 6 + 12 * i
            _, _, _, _, length, offset = struct.unpack(">HHHHHH", data[rec:rec + 12])
            if length == full and storage + offset in self.spots:
                struct.pack_into(">H", data, rec + 8, 2 * len(family))


def write_config(corpus, default_family):
    """The generic names a desktop asks for ("Sans Serif" is Qt's own default)
    stand for one of the collection's families, as the system configuration
    makes them stand for an installed one. Left unresolved, every such request
    would send Qt through its fallback search over the whole collection."""
    # A request naming no family at all (Qt's default font) gets sans-serif.
    aliases = ('  <match target="pattern">\n'
               + "".join('    <test qual="all" name="family" compare="not_eq"><string>%s</string></test>\n'
                         % generic for generic in ("sans-serif", "serif", "monospace"))
               + '    <edit name="family" mode="append_last"><string>sans-serif</string></edit>\n'
               '  </match>\n')
    aliases += "".join(
        '  <alias binding="same"><family>%s</family><prefer><family>%s</family></prefer></alias>\n'
        % (generic, default_family)
        for generic in ("Sans Serif", "sans-serif", "sans", "serif", "monospace", "Monospace",
                        "system-ui"))
    with open(os.path.join(corpus, "fonts.conf"), "w", encoding="utf-8") as out:
        out.write('<?xml version="1.0"?>\n<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">\n'
                  "<fontconfig>\n  <dir>%s</dir>\n  <cachedir>%s</cachedir>\n%s</fontconfig>\n"
                  % (os.path.join(corpus, "fonts"), os.path.join(corpus, "cache"), aliases))


def build(root, count, template):
    corpus = os.path.join(root, str(count))
    stamp = os.path.join(corpus, "complete")
    if os.path.exists(stamp) and open(stamp).read().strip() == str(FORMAT):
        write_config(corpus, family_names(count)[0])
        return corpus, False
    fonts = os.path.join(corpus, "fonts")
    cache = os.path.join(corpus, "cache")
    subprocess.run(["rm", "-rf", corpus], check=True)
    os.makedirs(fonts)
    os.makedirs(cache)
    names = family_names(count)
    patcher = Patcher(template)
    for i, family in enumerate(names):
        with open(os.path.join(fonts, "f%06d.ttf" % i), "wb") as out:
            out.write(patcher.font_for(family))
    with open(os.path.join(corpus, "families.txt"), "w", encoding="utf-8") as out:
        out.write("\n".join(sorted(names, key=str.casefold)) + "\n")
    write_config(corpus, names[0])
    env = dict(os.environ, FONTCONFIG_FILE=os.path.join(corpus, "fonts.conf"))
    subprocess.run(["fc-cache", "-f", fonts], env=env, check=True)
    listed = subprocess.run(["fc-list", ":", "family"], env=env, check=True,
                            capture_output=True, text=True).stdout.split("\n")
    listed = {line for line in listed if line}
    if len(listed) != count or listed != set(names):
        raise SystemExit("corpus %d: fontconfig sees %d families, expected %d"
                         % (count, len(listed), count))
    with open(stamp, "w") as out:
        out.write("%d\n" % FORMAT)
    return corpus, True


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--out", required=True)
    parser.add_argument("counts", nargs="+", type=int)
    args = parser.parse_args()
    template = make_template()
    for count in args.counts:
        start = time.monotonic()
        corpus, made = build(os.path.abspath(args.out), count, template)
        if made:
            print("corpus %6d families: %s (%d bytes a font, %.1f s)"
                  % (count, corpus, len(template), time.monotonic() - start), flush=True)


if __name__ == "__main__":
    sys.exit(main())
