# SPDX-FileCopyrightText: 2026 The Glyphory developers
# SPDX-License-Identifier: MIT
"""Debian's font packages as a collection a user really has: every fonts-*
package downloaded with apt-get and unpacked with dpkg -x under the bench build
folder (nothing is installed), and renamed copies of its fonts to reach a
family count no distribution ships.

A copy is one more face in a TrueType collection that shares every table of
the original but its name table, so 50,000 families of real fonts (CJK, emoji,
symbol and partial fonts included) take the disk of one set.
"""

import glob
import os
import struct
import subprocess

from fontTools.ttLib import TTFont

SFNT_SUFFIXES = (".ttf", ".otf", ".ttc", ".otc")
# Family and full names: renamed so that every copy is a family of its own in
# every language the font names itself in.
RENAMED_IDS = (1, 3, 4, 6, 16, 18, 21)


def download(debs):
    """Fetches the .deb of every fonts-* package not fetched before."""
    os.makedirs(debs, exist_ok=True)
    names = subprocess.run(["apt-cache", "pkgnames", "fonts-"], check=True,
                           capture_output=True, text=True).stdout.split()
    have = {os.path.basename(p).split("_")[0] for p in glob.glob(os.path.join(debs, "*.deb"))}
    wanted = sorted(set(names) - have)
    if not wanted:
        return
    print("downloading %d font packages into %s" % (len(wanted), debs), flush=True)
    for start in range(0, len(wanted), 40):
        batch = wanted[start:start + 40]
        # Virtual and transitional names have nothing to fetch; one by one
        # after a batch fails, so that one of them does not stop the rest.
        if subprocess.run(["apt-get", "download", "-qq"] + batch, cwd=debs,
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode:
            for name in batch:
                subprocess.run(["apt-get", "download", "-qq", name], cwd=debs,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def unpack(debs, root):
    """dpkg -x of every downloaded package into root, each once."""
    stamps = os.path.join(root, ".unpacked")
    os.makedirs(stamps, exist_ok=True)
    for deb in sorted(glob.glob(os.path.join(debs, "*.deb"))):
        stamp = os.path.join(stamps, os.path.basename(deb))
        if not os.path.exists(stamp):
            subprocess.run(["dpkg", "-x", deb, root], check=True)
            open(stamp, "w").close()
    return os.path.join(root, "usr", "share", "fonts")


def enabled_rules(root, out):
    """The packages' own fontconfig rules that an installation enables (the
    links they put in /etc/fonts/conf.d), copied where a private configuration
    can include them."""
    os.makedirs(out, exist_ok=True)
    for link in sorted(glob.glob(os.path.join(root, "etc", "fonts", "conf.d", "*.conf"))):
        target = os.readlink(link) if os.path.islink(link) else link
        source = os.path.join(root, target.lstrip("/")) if os.path.isabs(target) else \
            os.path.join(os.path.dirname(link), target)
        if os.path.isfile(source):
            with open(source, "rb") as rule, \
                    open(os.path.join(out, os.path.basename(link)), "wb") as copy:
                copy.write(rule.read())
    return out


def sfnt_files(fonts):
    found = []
    for folder, _, files in os.walk(fonts):
        found += [os.path.join(folder, f) for f in files if f.lower().endswith(SFNT_SUFFIXES)]
    return sorted(found)


def faces_of(data):
    """(sfnt version, [(tag, offset, length)]) of each face in a font file."""
    starts = [0]
    if data[:4] == b"ttcf":
        count = struct.unpack(">L", data[8:12])[0]
        starts = list(struct.unpack(">%dL" % count, data[12:12 + 4 * count]))
    faces = []
    for start in starts:
        version, tables = struct.unpack(">LH", data[start:start + 6])
        records = []
        for i in range(tables):
            entry = start + 12 + 16 * i
            tag, _, offset, length = struct.unpack(">4sLLL", data[entry:entry + 16])
            records.append((tag, offset, length))
        faces.append((version, records))
    return faces


def renamed_name_table(path, index, suffix):
    font = TTFont(path, fontNumber=index, lazy=True)
    table = font["name"]
    kept = []
    for record in table.names:
        if record.nameID in RENAMED_IDS:
            try:
                text = record.toUnicode()
            except (UnicodeDecodeError, LookupError):
                continue  # a name in an encoding fontTools cannot write back
            # A PostScript name has no spaces.
            if record.nameID == 6:
                record.string = text.replace(" ", "") + "-" + suffix
            else:
                record.string = text + " " + suffix
        kept.append(record)
    table.names = kept
    data = table.compile(font)
    font.close()
    return data


def write_copies(path, out, suffixes):
    """One collection at out holding, for each suffix, a renamed copy of every
    face of path; the tables other than the names are stored once."""
    with open(path, "rb") as source:
        data = source.read()
    try:
        faces = faces_of(data)
    except struct.error:
        return 0
    blobs, keys, made = [], {}, []
    for suffix in suffixes:
        for index, (version, records) in enumerate(faces):
            if not any(tag == b"name" for tag, _, _ in records):
                continue
            try:
                name = renamed_name_table(path, index, suffix)
            except Exception:  # noqa: BLE001 - a font fontTools cannot read is left out
                continue
            table = []
            for tag, offset, length in records:
                if tag == b"name":
                    blobs.append(name)
                    table.append((tag, len(blobs) - 1))
                else:
                    key = (offset, length)
                    if key not in keys:
                        blobs.append(data[offset:offset + length])
                        keys[key] = len(blobs) - 1
                    table.append((tag, keys[key]))
            made.append((version, sorted(table)))
    if not made:
        return 0
    header = 12 + 4 * len(made)
    directories = [12 + 16 * len(table) for _, table in made]
    position = header + sum(directories)
    offsets = []
    for blob in blobs:
        offsets.append(position)
        position += (len(blob) + 3) & ~3
    with open(out, "wb") as target:
        target.write(b"ttcf" + struct.pack(">LL", 0x00010000, len(made)))
        start = header
        for size in directories:
            target.write(struct.pack(">L", start))
            start += size
        for version, table in made:
            count = len(table)
            power = 1 << (count.bit_length() - 1)
            target.write(struct.pack(">LHHHH", version, count, power * 16,
                                     power.bit_length() - 1, count * 16 - power * 16))
            for tag, blob in table:
                target.write(struct.pack(">4sLLL", tag, 0, offsets[blob], len(blobs[blob])))
        for blob in blobs:
            target.write(blob + b"\0" * (((len(blob) + 3) & ~3) - len(blob)))
    return len(made)
