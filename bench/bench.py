# SPDX-FileCopyrightText: 2026 The Glyphory developers
# SPDX-License-Identifier: MIT
"""Start-up, search and preview timings of Glyphory and of the floor program,
taken from outside the way a user sees them: on a private X server, from the
windows being mapped and repainted, with memory from /usr/bin/time.

    bench.py --build DIR [--counts 1000,5000,20000,50000] [--runs 5]
"""

import argparse
import json
import os
import re
import select
import signal
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, XK, display, error
from Xlib.ext import damage, xtest

import report

HERE = os.path.dirname(os.path.abspath(__file__))
SPLASH_TIMER_MS = 500
# A repaint is over when the window stays undamaged this long.
QUIET_S = 0.3
# A text cursor blinking is a repaint a user does not wait for. Qt repaints a
# cursor with a few pixels either side (11 wide in the preview at 8 points);
# a typed key repaints at least its whole line.
CURSOR_WIDTH = 12

PROGRAMS = {
    "glyphory": {"binary": "glyphory", "splash": "Glyphory 3.6",
                 "main": "Glyphory - Version 3.6"},
    "floor": {"binary": "bench/glyphory_floor", "splash": "Floor 1.0",
              "main": "Floor - Version 1.0"},
}


def now_ms():
    return time.monotonic() * 1000.0


class Xvfb:
    def __init__(self, width=1280, height=1024):
        read_fd, write_fd = os.pipe()
        self.proc = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0",
             "%dx%dx24" % (width, height), "-nolisten", "tcp", "-noreset",
             "+extension", "DAMAGE", "+extension", "XTEST"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        ready, _, _ = select.select([read_fd], [], [], 20)
        if not ready:
            self.proc.kill()
            raise SystemExit("Xvfb did not start")
        number = b""
        while not number.endswith(b"\n"):
            ready, _, _ = select.select([read_fd], [], [], 20)
            chunk = os.read(read_fd, 64) if ready else b""
            if not chunk:
                self.proc.kill()
                raise SystemExit("Xvfb did not start")
            number += chunk
        # Kept open: Xvfb fails if the other end goes away too early.
        self.read_fd = read_fd
        self.name = ":" + number.decode().strip()

    def stop(self):
        os.close(self.read_fd)
        self.proc.terminate()
        try:
            self.proc.wait(5)
        except subprocess.TimeoutExpired:
            self.proc.kill()


def children_of(pid):
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open("/proc/%s/stat" % entry) as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        if int(fields[1]) == pid:
            found.append(int(entry))
    return found


def cpu_ms(pid):
    """On-CPU time of every thread of pid so far, in ms (nanosecond grain,
    unlike the 10 ms ticks of /proc/PID/stat)."""
    total = 0
    try:
        for task in os.listdir("/proc/%d/task" % pid):
            try:
                with open("/proc/%d/task/%s/schedstat" % (pid, task)) as stat:
                    total += int(stat.read().split()[0])
            except OSError:
                pass
    except OSError:
        return None
    return total / 1e6


class Session:
    """One launch of a program on the private X server, watched through
    SubstructureNotify on the root window and DAMAGE on its top levels."""

    used = {}     # key code given a character -> when
    recent = []   # the last of them, not to be taken back at once

    def __init__(self, xdisplay, binary, env, titles, timeout_s):
        self.d = display.Display(xdisplay)
        if not self.d.has_extension("DAMAGE"):
            raise SystemExit("the X server has no DAMAGE extension")
        self.d.damage_query_version()
        self.damage_event = self.d.extension_event.DamageNotify
        if isinstance(self.damage_event, tuple):
            self.damage_event = self.damage_event[0]
        self.root = self.d.screen().root
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.net_wm_name = self.d.intern_atom("_NET_WM_NAME")
        self.utf8 = self.d.intern_atom("UTF8_STRING")
        self.d.sync()
        self.titles = titles
        self.timeout_s = timeout_s
        self.maps = {}          # window id -> (title, time)
        self.later = {}         # windows mapped after the main one
        self.main = None
        self.splash = None
        self.splash_drawn = None
        self.t_splash = self.t_main = None
        self.cpu_splash = self.cpu_main = None
        self.last_damage = None
        self.cpu_at_damage = None
        self.damage_rects = []
        self.pid = None
        self.rss_file = tempfile.NamedTemporaryFile(prefix="glyphory-bench-", suffix=".time",
                                                    delete=False)
        self.rss_file.close()
        self.t0 = now_ms()
        self.proc = subprocess.Popen(["/usr/bin/time", "-v", "-o", self.rss_file.name, binary],
                                     env=env, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)

    def program_pid(self):
        if self.pid is None:
            kids = children_of(self.proc.pid)
            if kids:
                self.pid = kids[0]
        return self.pid

    def title_of(self, window):
        try:
            prop = window.get_full_property(self.net_wm_name, self.utf8)
            if prop and prop.value:
                value = prop.value
                return value.decode("utf-8", "replace") if isinstance(value, bytes) else value
            name = window.get_wm_name()
            return name if isinstance(name, str) else (name or b"").decode("latin-1")
        except error.XError:
            return ""

    def handle(self, event):
        received = now_ms()
        if event.type == X.CreateNotify and event.parent == self.root:
            try:
                event.window.damage_create(damage.DamageReportRawRectangles)
            except error.XError:
                pass
        elif event.type == X.MapNotify and event.event == self.root:
            title = self.title_of(event.window)
            self.maps[event.window.id] = (title, received)
            pid = self.program_pid()
            if title == self.titles["splash"] and self.t_splash is None:
                self.t_splash = received
                self.cpu_splash = cpu_ms(pid) if pid else None
                self.splash = event.window
            elif title == self.titles["main"] and self.t_main is None:
                self.t_main = received
                self.cpu_main = cpu_ms(pid) if pid else None
                self.main = event.window
            elif self.main is not None:
                # A window opened from the main one (About): its repaints
                # count as the main window's.
                self.later[event.window.id] = (title, received)
        elif event.type == self.damage_event:
            # Mapped is not yet seen: the splash counts once its contents are
            # first drawn (later repaints are not what the user waits for).
            if (self.splash is not None and self.main is None and self.splash_drawn is None
                    and event.drawable.id == self.splash.id and event.area.width > CURSOR_WIDTH):
                self.splash_drawn = received
            if self.main is not None and (event.drawable.id == self.main.id
                                          or event.drawable.id in self.later):
                area = event.area
                self.damage_rects.append((received, area.x, area.y, area.width, area.height))
                if area.width > CURSOR_WIDTH:
                    self.last_damage = received
                    self.cpu_at_damage = cpu_ms(self.pid) if self.pid else None

    def pump(self, until):
        """Handles events until until() is true; False on time-out."""
        deadline = time.monotonic() + self.timeout_s
        while not until():
            if time.monotonic() > deadline:
                return False
            if self.proc.poll() is not None:
                return False
            if not self.d.pending_events():
                select.select([self.d.fileno()], [], [], 0.02)
            while self.d.pending_events():
                self.handle(self.d.next_event())
        return True

    def idle(self, seconds):
        end = now_ms() + seconds * 1000
        self.pump(lambda: now_ms() >= end)

    def settle(self, since):
        """Waits until the main window has been quiet for QUIET_S after a
        repaint later than since; returns that repaint's time or None."""
        def quiet():
            if self.last_damage is None or self.last_damage < since:
                return False
            idle_for = now_ms() - self.last_damage
            if idle_for < QUIET_S * 1000:
                return False
            # A program still computing will draw again: a pause in the
            # repaints is the end only when the program rests too.
            if self.cpu_at_damage is not None and self.pid:
                busy = (cpu_ms(self.pid) or 0) - self.cpu_at_damage
                return busy < 0.1 * idle_for
            return True
        # Also stop when nothing is drawn at all after since.
        start = now_ms()
        def done():
            if quiet():
                return True
            return (self.last_damage is None or self.last_damage < since) and \
                now_ms() - start > 3000
        if not self.pump(done) or not quiet():
            return None
        return self.last_damage

    def wait_started(self):
        ok = self.pump(lambda: self.main is not None)
        if not ok:
            return None
        return self.settle(self.t_main)

    def finish(self):
        pid = self.program_pid()
        cpu_end = cpu_ms(pid) if pid else None
        if pid:
            try:
                os.kill(pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        try:
            self.proc.wait(10)
        except subprocess.TimeoutExpired:
            if pid:
                os.kill(pid, signal.SIGKILL)
            self.proc.wait(10)
        peak_kb = None
        with open(self.rss_file.name) as report:
            for line in report:
                match = re.search(r"Maximum resident set size \(kbytes\): (\d+)", line)
                if match:
                    peak_kb = int(match.group(1))
        os.unlink(self.rss_file.name)
        self.d.close()
        return cpu_end, peak_kb

    # Input, through XTEST.

    def window_origin(self):
        geometry = self.main.get_geometry()
        coords = self.main.translate_coords(self.root, 0, 0)
        return -coords.x, -coords.y, geometry.width, geometry.height

    def click(self, x, y):
        xtest.fake_input(self.d, X.MotionNotify, x=x, y=y)
        xtest.fake_input(self.d, X.ButtonPress, 1)
        xtest.fake_input(self.d, X.ButtonRelease, 1)
        self.d.sync()

    def keycode_for(self, keysym):
        # Read from the server each time: keys are given other characters
        # while this connection's own copy of the map stays as it was.
        mapping = self.d.get_keyboard_mapping(self.d.display.info.min_keycode,
                                              self.d.display.info.max_keycode
                                              - self.d.display.info.min_keycode + 1)
        for offset, syms in enumerate(mapping):
            if syms and syms[0] == keysym:
                return self.d.display.info.min_keycode + offset
        # Characters no key carries (CJK, emoji) go on a key nobody uses.
        # Once none is free, a key an earlier character was put on is reused:
        # the one used longest ago, as the server keeps the map between runs.
        spare = [offset for offset, syms in enumerate(mapping) if not any(syms)]
        if not spare:
            spare = [offset for offset, syms in enumerate(mapping)
                     if syms[0] >= 0x1000000 and offset not in Session.recent]
            spare.sort(key=lambda offset: Session.used.get(offset, 0))
        if not spare:
            raise SystemExit("no free key code for keysym 0x%x" % keysym)
        offset = spare[0]
        Session.used[offset] = now_ms()
        Session.recent = Session.recent[-3:] + [offset]
        code = self.d.display.info.min_keycode + offset
        self.d.change_keyboard_mapping(code, [(keysym,) * len(mapping[offset])])
        self.d.sync()
        # Let the program take in the new keyboard map first.
        self.idle(0.3)
        return code

    def press(self, keysym, modifiers=()):
        code = self.keycode_for(keysym)
        mods = [self.d.keysym_to_keycode(XK.string_to_keysym(m)) for m in modifiers]
        for mod in mods:
            xtest.fake_input(self.d, X.KeyPress, mod)
        sent = now_ms()
        xtest.fake_input(self.d, X.KeyPress, code)
        xtest.fake_input(self.d, X.KeyRelease, code)
        for mod in reversed(mods):
            xtest.fake_input(self.d, X.KeyRelease, mod)
        self.d.sync()
        return sent

    def timed_key(self, keysym, modifiers=()):
        sent = self.press(keysym, modifiers)
        drawn = self.settle(sent)
        return None if drawn is None else drawn - sent


def keysym_of(char):
    if char == " ":
        return XK.XK_space
    if "a" <= char <= "z" or "0" <= char <= "9":
        return XK.string_to_keysym(char)
    return 0x1000000 + ord(char)


def program_env(xdisplay, corpus, runtime_dir):
    return {
        "PATH": "/usr/bin:/bin",
        "HOME": runtime_dir,
        "LANG": "C.UTF-8",
        "DISPLAY": xdisplay,
        "XDG_RUNTIME_DIR": runtime_dir,
        "QT_QPA_PLATFORM": "xcb",
        "FONTCONFIG_FILE": os.path.join(corpus, "fonts.conf"),
    }


def start_once(xdisplay, binary, env, titles, timeout_s):
    session = Session(xdisplay, binary, env, titles, timeout_s)
    drawn = session.wait_started()
    cpu_end, peak_kb = session.finish()
    if drawn is None or session.t_splash is None:
        return None
    result = {
        "splash_ms": session.t_splash - session.t0,
        "splash_drawn_ms": (session.splash_drawn - session.t0) if session.splash_drawn else None,
        "drawn_ms": drawn - session.t0 - SPLASH_TIMER_MS,
        "main_mapped_ms": session.t_main - session.t0,
        "peak_mb": peak_kb / 1024 if peak_kb else None,
    }
    if session.cpu_splash is not None and cpu_end is not None:
        # What the program works between showing the splash and having the
        # list drawn: the reading and the hand-over, which the timer hides.
        result["read_cpu_ms"] = cpu_end - session.cpu_splash
        result["cpu_total_ms"] = cpu_end
    return result


def search_once(xdisplay, binary, env, titles, timeout_s, families, find_at, preview_at):
    session = Session(xdisplay, binary, env, titles, timeout_s)
    result = {"keys": []}
    try:
        if session.wait_started() is None:
            return None
        ox, oy, _, _ = session.window_origin()
        if preview_at is not None:
            # Text in the preview, so that choosing a family draws in it.
            since = now_ms()
            session.click(ox + preview_at[0], oy + preview_at[1])
            session.settle(since)
            for char in "glyphory preview":
                session.timed_key(keysym_of(char))
        since = now_ms()
        session.click(ox + find_at[0], oy + find_at[1])
        session.settle(since)
        # Worst cases: the last family (the selection and the view travel
        # the whole list), one from the middle, then back to the first.
        targets = [families[-1], families[len(families) // 2], families[0]]
        for target in targets:
            session.press(XK.XK_a, ("Control_L",))
            session.timed_key(XK.XK_BackSpace)
            for char in target.lower()[:8]:
                elapsed = session.timed_key(keysym_of(char))
                result["keys"].append({"target": target, "char": char, "ms": elapsed})
        return result
    finally:
        session.finish()


# The first character of each script, typed into a box on its own: the one
# that sends a program looking for a font it has not used yet. Those of the
# generated collections' own scripts begin some of its family names.
SCRIPT_KEYS = (("Latin", "a"), ("Cyrillic", "ж"), ("Greek", "λ"), ("Armenian", "ա"),
               ("Georgian", "ქ"), ("Hebrew", "ש"), ("Arabic", "ن"), ("Devanagari", "द"),
               ("Thai", "ก"), ("Han", "明"), ("Kana", "あ"), ("Hangul", "나"),
               ("Emoji", "\U0001F600"))
# Full names as a passwd entry gives them, one a script.
USER_NAMES = (("Latin", "Jürgen Weiß"), ("Cyrillic", "Сергей Иванов"),
              ("Greek", "Γιώργος Παπαδόπουλος"), ("Armenian", "Արամ Պետրոսյան"),
              ("Georgian", "გიორგი ბერიძე"), ("Hebrew", "דוד כהן"), ("Arabic", "محمد علي"),
              ("Devanagari", "राहुल शर्मा"), ("Thai", "สมชาย ใจดี"), ("Han", "王小明"),
              ("Kana", "やまだ たろう"), ("Hangul", "김민준"), ("Emoji", "Sam \U0001F600"))


def script_keys_once(xdisplay, binary, env, titles, timeout_s, box, at):
    """Keystroke to repaint of the first character of each script, typed into
    the search box (alone, so that it searches for it) or into the preview."""
    session = Session(xdisplay, binary, env, titles, timeout_s)
    keys = {}
    try:
        if session.wait_started() is None:
            return None
        ox, oy, _, _ = session.window_origin()
        since = now_ms()
        session.click(ox + at[0], oy + at[1])
        session.settle(since)
        if box == "preview":
            session.press(XK.XK_End, ("Control_L",))
        for script, char in SCRIPT_KEYS:
            if box == "find":
                session.press(XK.XK_a, ("Control_L",))
                session.timed_key(XK.XK_BackSpace)
            keys[script] = session.timed_key(keysym_of(char))
        return keys
    finally:
        session.finish()


def about_once(xdisplay, binary, env, titles, timeout_s, user_name, preload):
    """Ctrl+B to the About window drawn, with the user's full name faked."""
    env = dict(env, LD_PRELOAD=preload, GLYPHORY_BENCH_USER=user_name)
    session = Session(xdisplay, binary, env, titles, timeout_s)
    try:
        if session.wait_started() is None:
            return None
        sent = session.press(XK.XK_b, ("Control_L",))
        if not session.pump(lambda: session.later) or session.settle(sent) is None:
            return None
        return session.last_damage - sent
    finally:
        session.finish()


def summary(values):
    values = [v for v in values if v is not None]
    if not values:
        return None
    return {"median": statistics.median(values), "min": min(values), "max": max(values),
            "n": len(values)}

def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--build", required=True, help="build folder holding the programs")
    parser.add_argument("--corpus", help="corpus folder (default BUILD/corpus)")
    parser.add_argument("--corpora", default="latin,lacking,scripts,debian",
                        help="kinds of collection (see make_corpus.py)")
    parser.add_argument("--counts", default="1000,20000,50000")
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--programs", default="glyphory,floor")
    parser.add_argument("--no-search", action="store_true")
    parser.add_argument("--no-scripts", action="store_true",
                        help="skip the keys of each script and the About window")
    parser.add_argument("--find-at", default="82,51",
                        help="search box, x,y inside the main window")
    parser.add_argument("--preview-at", default="560,330",
                        help="preview text box, x,y inside the main window (empty: skip)")
    # The floor takes minutes where every list entry sends Qt looking for a font.
    parser.add_argument("--timeout", type=float, default=600,
                        help="seconds one launch may take")
    parser.add_argument("--json", help="also write every figure here")
    args = parser.parse_args()

    build = os.path.abspath(args.build)
    corpus_root = os.path.abspath(args.corpus or os.path.join(build, "corpus"))
    counts = [int(c) for c in args.counts.split(",")]
    corpora = args.corpora.split(",")
    programs = args.programs.split(",")
    find_at = tuple(int(v) for v in args.find_at.split(","))
    preview_at = tuple(int(v) for v in args.preview_at.split(",")) if args.preview_at else None
    preload = os.path.join(build, "bench", "libglyphory_fakeuser.so")

    subprocess.run([sys.executable, os.path.join(HERE, "make_corpus.py"), "--out", corpus_root,
                    "--kinds", args.corpora] + [str(c) for c in counts], check=True)

    server = Xvfb()
    figures = {}
    try:
        for kind in corpora:
            for count in counts:
                corpus = os.path.join(corpus_root, kind, str(count))
                figures.setdefault(kind, {})[count] = run_corpus(
                    server.name, build, corpus, args, programs, find_at, preview_at, preload,
                    "%s %d" % (kind, count))
    finally:
        server.stop()

    report.report(figures, corpora, counts, programs)
    if args.json:
        with open(args.json, "w") as out:
            json.dump(figures, out, indent=1)


def run_corpus(xdisplay, build, corpus, args, programs, find_at, preview_at, preload, label):
    runtime = tempfile.mkdtemp(prefix="glyphory-bench-")
    os.chmod(runtime, 0o700)
    env = program_env(xdisplay, corpus, runtime)
    with open(os.path.join(corpus, "families.txt"), encoding="utf-8") as listing:
        families = [line for line in listing.read().split("\n") if line]
    figures = {"families": len(families)}
    try:
        for name in programs:
            program = PROGRAMS[name]
            binary = os.path.join(build, program["binary"])
            # The first start reads the files into the page cache.
            start_once(xdisplay, binary, env, program, args.timeout)
            runs = [start_once(xdisplay, binary, env, program, args.timeout)
                    for _ in range(args.runs)]
            ok = [r for r in runs if r]
            figures[name] = {key: summary([r.get(key) for r in ok])
                             for key in ("splash_ms", "splash_drawn_ms", "read_cpu_ms",
                                         "drawn_ms", "peak_mb")}
            figures[name]["failed"] = len(runs) - len(ok)
            print("  %-9s %-16s %s" % (name, label, json.dumps(
                {k: round(v["median"], 1) if isinstance(v, dict) else v
                 for k, v in figures[name].items()})), flush=True)
        if "glyphory" not in programs:
            return figures
        program = PROGRAMS["glyphory"]
        binary = os.path.join(build, program["binary"])
        if not args.no_search:
            search = search_once(xdisplay, binary, env, program, args.timeout, families,
                                 find_at, preview_at)
            alone = subprocess.run([os.path.join(build, "bench", "glyphory_searchbench"),
                                    os.path.join(corpus, "families.txt")],
                                   capture_output=True, text=True, timeout=120)
            figures["search"] = {
                "ui": search,
                "alone": json.loads(alone.stdout) if alone.returncode == 0 else None,
            }
        if not args.no_scripts:
            boxes = [("find", find_at)] + ([("preview", preview_at)] if preview_at else [])
            figures["keys"] = {box: script_keys_once(xdisplay, binary, env, program,
                                                     args.timeout, box, at)
                               for box, at in boxes}
            figures["about"] = {script: about_once(xdisplay, binary, env, program,
                                                   args.timeout, user, preload)
                                for script, user in USER_NAMES}
            print("  %-9s %-16s keys %s about %s" % (
                "glyphory", label, json.dumps(figures["keys"]), json.dumps(figures["about"])),
                flush=True)
        return figures
    finally:
        subprocess.run(["rm", "-rf", runtime])


if __name__ == "__main__":
    sys.exit(main())
