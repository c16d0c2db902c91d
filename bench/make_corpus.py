# SPDX-FileCopyrightText: 2026 The Glyphory developers
# SPDX-License-Identifier: MIT
"""Makes the font collections the benchmark runs on, each with a fontconfig
configuration that sees only it.

    make_corpus.py --out DIR [--kinds latin,lacking,scripts,debian] N [N ...]

For each kind and N it leaves DIR/KIND/N/fonts.conf (point FONTCONFIG_FILE at
it), the fonts, a cache warmed with fc-cache and families.txt:

- latin: N families cut down from DejaVu Sans to ASCII and Latin-1.
- lacking: N families that hold a pangram and the digits but none of the
  punctuation of the windows' captions, the desktop's default font among them;
  DejaVu is installed beside them, as on any system.
- scripts: N families, a third named in Latin, the others in Han, Hangul,
  Arabic, Devanagari or with an emoji; those in a script are fonts of that
  script (cut from a real one), beside real CJK, Hangul, Arabic, Devanagari and
  emoji fonts and the system's own rules.
- debian: every fonts-* package of the distribution (see debian_fonts.py),
  with renamed copies up to N families.

A corpus that is already complete is kept as it is.
"""

import argparse
import glob
import io
import math
import os
import random
import struct
import subprocess
import sys
import time

from fontTools import subset
from fontTools.ttLib import TTFont
from fontTools.ttLib.sfnt import calcChecksum

import debian_fonts

DEJAVU = "/usr/share/fonts/truetype/dejavu"
SOURCE_FONT = os.path.join(DEJAVU, "DejaVuSans.ttf")
SYSTEM_RULES = "/etc/fonts/conf.d"
# Printable ASCII and Latin-1: enough for fontconfig to file each font under
# English, which Qt needs to take it for a Latin font. Without that Qt finds no
# font for Latin text and searches the whole collection for a stand-in on every
# label.
KEEP_TEXT = "".join(chr(c) for c in list(range(0x20, 0x7F)) + list(range(0xA0, 0x100)))
# What a partial display font often has: no capitals but one, no punctuation.
PANGRAM_TEXT = "The quick brown fox jumps over the lazy dog 0123456789"
# Equal-length placeholders let each copy be made by patching bytes instead
# of recompiling the font, which keeps 50,000 families to seconds.
NAME_WIDTH = 24
PLACEHOLDER = "Q" * NAME_WIDTH
FORMAT = 5  # bump when the corpus layout changes, to rebuild old ones
KINDS_OF_CORPUS = ("latin", "lacking", "scripts", "debian")

SYLLABLES = ("ba be bi bo bu ca ce ci co cu da de di do du fa fe fi fo ga ge gi go "
             "ha he hi ho ka ke ki ko la le li lo lu ma me mi mo mu na ne ni no "
             "pa pe pi po ra re ri ro ru sa se si so su ta te ti to tu va ve vi "
             "vo za ze zi zo ar el in on or an en ul ex qu ly").split()
KINDS = ("Sans", "Serif", "Mono", "Text", "Display", "Script", "Grotesk", "Slab",
         "Condensed", "Rounded", "Book", "Pro", "Std", "Hand", "Gothic", "Antiqua")

# Words of family names in each script, and where in Debian's font packages a
# font of that script is found to cut the collection's fonts from.
SCRIPT_WORDS = {
    "han": "明朝 黑体 宋体 楷书 圆体 隶书 魏碑 行书 草书 仿宋 細明 粗黑 標楷 新宋 ゴシック まるもじ".split(),
    "hangul": "나눔 고딕 명조 바탕 돋움 굴림 궁서 한글 맑은 새봄 손글씨 바른".split(),
    "arabic": "نسخ كوفي ثلث رقعة ديواني عربي جميل خط مغربي".split(),
    "devanagari": "देव नागरी हिन्दी लिपि सुंदर मुद्रा अक्षर कला".split(),
}
EMOJI = ["\U0001F600", "\U0001F389", "\U0001F338", "\U0001F525", "\u2B50", "\U0001F340",
         "\U0001F3A8", "\U0001F48E"]
SCRIPT_SOURCES = {
    "han": ["truetype/wqy/wqy-microhei.ttc", "truetype/droid/DroidSansFallbackFull.ttf"],
    "hangul": ["truetype/nanum/NanumGothic.ttf", "truetype/unfonts-core/UnDotum.ttf"],
    "arabic": ["truetype/noto/NotoSansArabic-Regular.ttf", "truetype/kacst-one/KacstOne.ttf"],
    "devanagari": ["truetype/noto/NotoSansDevanagari-Regular.ttf",
                   "truetype/lohit-devanagari/Lohit-Devanagari.ttf"],
    "emoji": ["truetype/noto/NotoColorEmoji.ttf"],
}
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




def script_family_names(count, seed=20261):
    """(name, script) pairs: a third Latin, the rest in other scripts, each
    name fitting the name slot."""
    latin = iter(family_names(count * 2, seed))
    rng = random.Random(seed)
    names, seen = [], set()
    while len(names) < count:
        roll = rng.random()
        if roll < 0.34:
            name, script = next(latin), "latin"
        elif roll < 0.44:
            name = "%s %s %s" % (next(latin).split()[0][:10], rng.choice(EMOJI), rng.choice(KINDS))
            script = "latin"
        else:
            script = ("han", "hangul", "arabic", "devanagari")[int((roll - 0.44) / 0.14)]
            joiner = "" if script in ("han", "hangul") else " "
            words = [rng.choice(SCRIPT_WORDS[script]) for _ in range(rng.randint(1, 3))]
            name = joiner.join(words)
            if rng.random() < 0.5:
                name += " " + rng.choice(KINDS)
            if rng.random() < 0.3:
                name += " %d" % rng.randint(1, 99)
        if len(name.encode("utf-16-be")) // 2 > NAME_WIDTH or name.lower() in seen:
            continue
        seen.add(name.lower())
        names.append((name, script))
    return names


def make_template(source=SOURCE_FONT, text=KEEP_TEXT, shaping=False):
    font = TTFont(source, fontNumber=0)
    options = subset.Options()
    options.hinting = False
    options.layout_features = ["*"] if shaping else []
    options.name_IDs = [1, 2, 3, 4, 5, 6]
    options.name_languages = [0x409]
    options.notdef_outline = True
    # The TSI tables are a font editor's sources, which the subsetter cannot cut.
    options.drop_tables += ["FFTM", "DSIG", "TSI0", "TSI1", "TSI2", "TSI3", "TSI5"]
    if not shaping:
        options.drop_tables += ["GDEF", "GPOS", "GSUB", "kern"]
    sub = subset.Subsetter(options)
    sub.populate(text=text)
    sub.subset(font)
    name = font["name"]
    name.names = [r for r in name.names if r.platformID == 3]
    for name_id, value in ((1, PLACEHOLDER), (2, "Regular"), (3, PLACEHOLDER),
                           (4, PLACEHOLDER), (6, PLACEHOLDER)):
        name.setName(value, name_id, 3, 1, 0x409)
    for name_id in (16, 17, 21, 22):
        name.removeNames(nameID=name_id)
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
        # Names shorter than the slot end in NULs, which fontconfig and
        # FreeType cut off; the record lengths stay those of the template.
        # Slots are counted in UTF-16 units: an emoji takes two.
        encoded = family.encode("utf-16-be")
        encoded += b"\0\0" * (NAME_WIDTH - len(encoded) // 2)
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
                struct.pack_into(">H", data, rec + 8, len(family.encode("utf-16-be")))




def config_text(corpus, dirs, aliases_to=None, rules=()):
    """A configuration seeing only dirs. With aliases_to, the generic names a
    desktop asks for ("Sans Serif" is Qt's own default) stand for that family,
    as a system configuration makes them stand for an installed one; with
    rules, those folders of rules are read as a system's conf.d is."""
    body = "".join("  <dir>%s</dir>\n" % d for d in dirs)
    body += "  <cachedir>%s</cachedir>\n" % os.path.join(corpus, "cache")
    if aliases_to:
        # A request naming no family at all (Qt's default font) gets sans-serif.
        body += ('  <match target="pattern">\n'
                 + "".join('    <test qual="all" name="family" compare="not_eq">'
                           '<string>%s</string></test>\n' % generic
                           for generic in ("sans-serif", "serif", "monospace"))
                 + '    <edit name="family" mode="append_last"><string>sans-serif</string></edit>\n'
                 '  </match>\n')
        body += "".join(
            '  <alias binding="same"><family>%s</family><prefer><family>%s</family></prefer>'
            '</alias>\n' % (generic, aliases_to)
            for generic in ("Sans Serif", "sans-serif", "sans", "serif", "monospace",
                            "Monospace", "system-ui"))
    body += "".join('  <include ignore_missing="yes">%s</include>\n' % r for r in rules)
    return ('<?xml version="1.0"?>\n<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">\n'
            "<fontconfig>\n%s</fontconfig>\n" % body)


def listed_families(conf):
    """Each face's first family name, as fontconfig lists it, by file."""
    env = dict(os.environ, FONTCONFIG_FILE=conf)
    subprocess.run(["fc-cache"], env=env, check=True)
    out = subprocess.run(["fc-list", "--format", "%{file}\t%{family[0]}\n"], env=env,
                         check=True, capture_output=True, text=True).stdout
    by_file = {}
    for line in out.split("\n"):
        if "\t" in line:
            path, family = line.split("\t", 1)
            by_file.setdefault(path, set()).add(family)
    return by_file


def finish(corpus, conf_text, expected=None):
    conf = os.path.join(corpus, "fonts.conf")
    with open(conf, "w", encoding="utf-8") as out:
        out.write(conf_text)
    families = set().union(*listed_families(conf).values())
    if expected is not None and not set(expected) <= families:
        raise SystemExit("corpus %s: fontconfig misses %d of its families"
                         % (corpus, len(set(expected) - families)))
    with open(os.path.join(corpus, "families.txt"), "w", encoding="utf-8") as out:
        out.write("\n".join(sorted(families, key=str.casefold)) + "\n")
    with open(os.path.join(corpus, "complete"), "w") as out:
        out.write("%d\n" % FORMAT)


def generated(corpus, kind, count, real):
    """A collection made by patching the name into a few templates."""
    fonts = os.path.join(corpus, "fonts")
    os.makedirs(fonts)
    os.makedirs(os.path.join(corpus, "cache"))
    if kind == "scripts":
        names = script_family_names(count)
        patchers = {"latin": Patcher(make_template())}
        for script, words in SCRIPT_WORDS.items():
            text = KEEP_TEXT + "".join(words)
            patchers[script] = Patcher(make_template(real[script], text,
                                                     shaping=script in ("arabic", "devanagari")))
    else:
        text = PANGRAM_TEXT if kind == "lacking" else KEEP_TEXT
        names = [(name, "latin") for name in family_names(count)]
        patchers = {"latin": Patcher(make_template(text=text))}
    for i, (family, script) in enumerate(names):
        with open(os.path.join(fonts, "f%06d.ttf" % i), "wb") as out:
            out.write(patchers[script].font_for(family))
    dirs, aliases, rules = [fonts], names[0][0], ()
    if kind == "lacking":
        dirs.append(DEJAVU)
    elif kind == "scripts":
        # The real fonts of each script, linked in by themselves: their
        # packages' folders hold hundreds of other families.
        linked = os.path.join(corpus, "real")
        os.makedirs(linked)
        for path in real.values():
            os.symlink(path, os.path.join(linked, os.path.basename(path)))
        dirs += [linked, DEJAVU]
        aliases, rules = None, (SYSTEM_RULES,)
    finish(corpus, config_text(corpus, dirs, aliases, rules), [n for n, _ in names])


def debian(corpus, count, tree):
    """Debian's fonts once, then renamed copies of them, font file after font
    file and round after round, until there are count families."""
    fonts, rules = tree["fonts"], (SYSTEM_RULES, tree["rules"])
    base = os.path.join(os.path.dirname(corpus), "base")
    if not os.path.exists(os.path.join(base, "complete")):
        subprocess.run(["rm", "-rf", base], check=True)
        os.makedirs(os.path.join(base, "cache"))
        finish(base, config_text(base, [fonts], rules=rules))
    by_file = listed_families(os.path.join(base, "fonts.conf"))
    have = set().union(*by_file.values())
    copies = os.path.join(corpus, "copies")
    os.makedirs(copies)
    os.makedirs(os.path.join(corpus, "cache"))
    sources = [p for p in debian_fonts.sfnt_files(fonts) if by_file.get(p)]
    plan = {path: [] for path in sources}
    copy = 0
    # A family's faces are files of their own: a copy of the family is a
    # copy of each of them under the same suffix.
    while len(have) < count:
        copy += 1
        for path in sources:
            if len(have) >= count:
                break
            plan[path].append("%02d" % copy)
            have |= {"%s %02d" % (family, copy) for family in by_file[path]}
    for i, (path, suffixes) in enumerate(plan.items()):
        if suffixes:
            debian_fonts.write_copies(path, os.path.join(copies, "c%05d.ttc" % i), suffixes)
    finish(corpus, config_text(corpus, [fonts, copies], rules=rules))


def debian_tree(bench_root):
    root = os.path.join(bench_root, "debian")
    debs = os.path.join(root, "debs")
    debian_fonts.download(debs)
    tree = os.path.join(root, "root")
    fonts = debian_fonts.unpack(debs, tree)
    return {"fonts": fonts, "rules": debian_fonts.enabled_rules(tree, os.path.join(root, "rules"))}


def script_sources(tree):
    found = {}
    for script, candidates in SCRIPT_SOURCES.items():
        paths = [os.path.join(tree["fonts"], c) for c in candidates]
        paths = [p for p in paths if os.path.exists(p)]
        if not paths:
            raise SystemExit("no %s font among Debian's packages: %s" % (script, candidates))
        found[script] = paths[0]
    return found


def build(root, kind, count, tree):
    corpus = os.path.join(root, kind, str(count))
    stamp = os.path.join(corpus, "complete")
    if os.path.exists(stamp) and open(stamp).read().strip() == str(FORMAT):
        return corpus, False
    subprocess.run(["rm", "-rf", corpus], check=True)
    os.makedirs(corpus)
    if kind == "debian":
        debian(corpus, count, tree)
    else:
        generated(corpus, kind, count, script_sources(tree) if kind == "scripts" else None)
    return corpus, True


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--out", required=True)
    parser.add_argument("--kinds", default=",".join(KINDS_OF_CORPUS))
    parser.add_argument("counts", nargs="+", type=int)
    args = parser.parse_args()
    root = os.path.abspath(args.out)
    kinds = args.kinds.split(",")
    tree = None
    if {"scripts", "debian"} & set(kinds):
        tree = debian_tree(os.path.dirname(root))
    for kind in kinds:
        for count in args.counts:
            start = time.monotonic()
            corpus, made = build(root, kind, count, tree)
            if made:
                print("corpus %-8s %6d families: %s (%.1f s)"
                      % (kind, count, corpus, time.monotonic() - start), flush=True)


if __name__ == "__main__":
    sys.exit(main())
