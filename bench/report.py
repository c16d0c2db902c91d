# SPDX-FileCopyrightText: 2026 The Glyphory developers
# SPDX-License-Identifier: MIT
"""The tables bench.py prints: each collection's figures beside the floor's
from the same run."""

import statistics


def fmt(stat, digits=0):
    if not stat:
        return "n/a"
    spread = (stat["max"] - stat["min"]) / 2
    return "%.*f ±%.*f" % (digits, stat["median"], digits, spread)


def ratio(a, b):
    if not a or not b or not b["median"]:
        return "n/a"
    return "%.2fx" % (a["median"] / b["median"])


def ms(value):
    return "n/a" if value is None else "%.0f" % value


def report(figures, corpora, counts, programs):
    rows = [(kind, count, figures.get(kind, {}).get(count)) for kind in corpora
            for count in counts]
    rows = [row for row in rows if row[2]]
    print()
    print("Start-up (median ±half range over the runs; ms unless said)")
    print("| collection | families | program | launch to splash shown | to splash drawn "
          "| read + hand-over (CPU) | launch to list drawn - 500 | peak RSS MB | failed |")
    print("|---|---:|---|---:|---:|---:|---:|---:|---:|")
    for kind, count, f in rows:
        for name in programs:
            p = f.get(name)
            if p:
                print("| %s %d | %d | %s | %s | %s | %s | %s | %s | %d |" % (
                    kind, count, f["families"], name, fmt(p["splash_ms"], 1),
                    fmt(p["splash_drawn_ms"]), fmt(p["read_cpu_ms"]), fmt(p["drawn_ms"]),
                    fmt(p["peak_mb"], 1), p["failed"]))
    if {"glyphory", "floor"} <= set(programs):
        print()
        print("Glyphory against the floor of the same run and against itself")
        print("| collection | list drawn / floor | peak RSS / floor | splash / own at %d |"
              % counts[0])
        print("|---|---:|---:|---:|")
        for kind, count, f in rows:
            g, fl = f.get("glyphory"), f.get("floor")
            first = figures[kind].get(counts[0], {}).get("glyphory") or {}
            if g and fl:
                print("| %s %d | %s | %s | %s |" % (
                    kind, count, ratio(g["drawn_ms"], fl["drawn_ms"]),
                    ratio(g["peak_mb"], fl["peak_mb"]),
                    ratio(g["splash_ms"], first.get("splash_ms"))))
    search_table(rows)
    script_table(rows)


def search_table(rows):
    rows = [row for row in rows if row[2].get("search")]
    if not rows:
        return
    print()
    print("Search and preview (keystroke to the window drawn, ms; search alone, µs)")
    print("| collection | key median | key worst | worst key "
          "| search alone median | p99 | worst |")
    print("|---|---:|---:|---|---:|---:|---:|")
    for kind, count, f in rows:
        ui = f["search"]["ui"] or {}
        keys = [k for k in ui.get("keys", []) if k["ms"] is not None]
        times = [k["ms"] for k in keys]
        worst = max(keys, key=lambda k: k["ms"]) if keys else None
        alone = f["search"]["alone"] or {}
        print("| %s %d | %s | %s | %s | %s | %s | %s |" % (
            kind, count, ms(statistics.median(times)) if times else "n/a",
            ms(worst["ms"]) if worst else "n/a",
            ("'%s' in %s" % (worst["char"], worst["target"])) if worst else "n/a",
            "%.3f" % alone["median_us"] if alone else "n/a",
            "%.3f" % alone["p99_us"] if alone else "n/a",
            "%.3f" % alone["worst_us"] if alone else "n/a"))


def script_table(rows):
    rows = [row for row in rows if row[2].get("about")]
    if not rows:
        return
    scripts = list(rows[0][2]["about"])
    print()
    print("First key of each script typed into the search box / into the preview, and "
          "Ctrl+B to the About window drawn with a user name in that script (ms)")
    print("| collection | box | " + " | ".join(scripts) + " | worst |")
    print("|---|---|" + "---:|" * (len(scripts) + 1))
    for kind, count, f in rows:
        lines = [(box, keys or {}) for box, keys in f["keys"].items()]
        lines.append(("About", f["about"]))
        for box, values in lines:
            known = [v for v in values.values() if v is not None]
            print("| %s %d | %s | %s | %s |" % (
                kind, count, box, " | ".join(ms(values.get(s)) for s in scripts),
                ms(max(known)) if known else "n/a"))
