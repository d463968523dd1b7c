#!/usr/bin/env python3
"""Reads the analysis workbook of match scripts back with openpyxl and
compares every cell, its value and its type, with an account of the same
match worked out here from the script alone, without the program.

    check_workbook.py --writer PATH --data DIR [SCRIPT ...]

The writer plays a script and writes STEM.xlsx (write_analysis_files); DIR
holds the scripts and make_expected.py, whose script reader this uses.
Prints "N passed, N failed" and exits non-zero when a script failed.
"""

import argparse
import datetime
import re
import subprocess
import sys
import tempfile
from pathlib import Path

import openpyxl

SCRIPTS = ["analysis_example", "full_match", "shot_example", "odd_names", "long_match",
           "blank_stem", "empty"]
SHEETS = ["概要", "選手", "シュート", "ゴールキーパー", "イベント", "連盟形式", "数的状況", "退場中",
          "時間帯", "流れ", "攻撃", "タイムアウト効果", "保持ミス位置", "7m獲得"]
# The federations' groups: the scripts say no kind of attack, so every shot
# goes by its place, 相手陣地 with 9 m.
FEDERATION = [("6m", {"左ポスト", "中ポスト", "右ポスト"}), ("サイド", {"左サイド", "右サイド"}),
              ("9m", {"左４５", "センター", "右４５", "相手陣地"}), ("7m", {"PT"}),
              ("速攻", set()), ("突破", set()), ("空ゴール", set())]
PERCENT = "0.0%"
TIME = "[mm]:ss"
SITUATIONS = ["リード", "リード→同点", "負→同点", "負け"]
HALVES = ["前半", "後半"]  # the scripts play two halves of 30 minutes
HALF_SECONDS = 30 * 60
OUTCOMES = ["セーブ", "ポスト", "ブロック", "枠外"]
ATTACKS = ["セット", "速攻", "突破", "空ゴール"]
# Position groups of the places, as the goalkeeper's view counts them.
GROUPS = [("6m", {"左ポスト", "中ポスト", "右ポスト"}), ("サイド", {"左サイド", "右サイド"}),
          ("9m", {"左４５", "センター", "右４５"}), ("7m", {"PT"}), ("相手陣地", {"相手陣地"})]
NOT_KNOWN = "位置不明"


class Rate(float):
    """A rate cell: a float shown as a percentage."""


class Time(int):
    """A match time in seconds, shown as minutes and seconds."""


class Event:
    def __init__(self, team, slot, clock, half, number, name, play, where, what):
        self.team, self.slot, self.clock, self.half = team, slot, clock, half
        self.number, self.name = number, name
        self.play, self.where, self.what = play, where, what

    def outcome(self):
        """How a miss ended, as nothing more is said of it in the scripts:
        saved inside the goal, wide outside it; None for anything else."""
        if self.play != "シュートミス":
            return None
        return "セーブ" if self.what not in ("左外", "右外") else "枠外"

    def on_target(self):
        return self.play == "得点" or self.outcome() == "セーブ"


def read_match(mx, path):
    """The script's match, with every event in recorded order and in its
    half: the clock stops at 30:00, and the operator starts the second half
    once the script's clock moves past it; a later time set back to 30:00
    or earlier stays in the second half."""
    class Recorded(mx.Match):
        def __init__(self):
            super().__init__()
            self.events = []
            self.half = 1

        def record(self, team, slot, play, where, what):
            super().record(team, slot, play, where, what)
            self.half = max(self.half, 1 if self.clock <= HALF_SECONDS else 2)
            self.events.append(Event(team, slot, self.clock, self.half, self.number[team, slot],
                                     self.name[team, slot], play, where, what))

    original = mx.Match
    mx.Match = Recorded
    try:
        return mx.read_script(path)
    finally:
        mx.Match = original


def rate(part, whole):
    return Rate(part / whole) if whole else None


def shirt(text):
    """A number typed as a whole number is a number; other text stays."""
    if re.fullmatch(r"[+-]?[0-9]+", text) and -2**31 <= int(text) < 2**31:
        return int(text)
    return text or None


def text(s):
    return s or None


class Figures:
    """Counts of one match, straight from its events."""

    def __init__(self, mx, match):
        self.mx, self.m = mx, match
        self.ev = match.events

    def of(self, team, slot=None, plays=None, where=None, zones=None, what=None, halves=None):
        return [e for e in self.ev if e.team == team and (slot is None or e.slot == slot)
                and (halves is None or e.half in halves)
                and (plays is None or e.play in plays) and (where is None or e.where == where)
                and (zones is None or e.what in zones) and (what is None or e.what == what)]

    def count(self, *args, **kw):
        return len(self.of(*args, **kw))

    def shots(self, team, slot=None, **kw):
        return (self.count(team, slot, plays={"得点"}, **kw),
                self.count(team, slot, plays={"得点", "シュートミス"}, **kw))

    def contribution(self, team, slot):
        c = lambda **kw: self.count(team, slot, **kw)
        return (2 * c(plays={"得点"}) - c(plays={"シュートミス"}) - c(plays={"保持ミス"})
                + c(plays={"PT(獲得)"}) - c(plays={"反則"}, what="警告")
                - 2 * c(plays={"反則"}, what="退場") - 3 * c(plays={"反則"}, what="失格"))

    def misses(self, team, slot, outcome):
        return sum(e.outcome() == outcome for e in self.of(team, slot))

    def faced(self, team, where=None, places=None, zones=None):
        """The other team's shots at team's goal. The scripts say nothing of
        goalkeepers, attacks and assists: every shot is a set attack, and
        the team's view has no goalkeeper of its own."""
        return [e for e in self.of(2 if team == 1 else 1, plays={"得点", "シュートミス"},
                                   where=where, zones=zones)
                if places is None or e.where in places]

    def listed(self, team, slot):
        return (self.m.number[team, slot] or self.m.name[team, slot]
                or self.count(team, slot) > 0)


def summary_sheet(f):
    mx, m = f.mx, f.m
    on_target = set(mx.ZONES[1:10])
    wide = {mx.ZONES[0], mx.ZONES[10]}
    rows = [["項目", text(m.team_name[1]), text(m.team_name[2])]]

    def line(label, value):
        rows.append([label] + [value(t) for t in (1, 2)])

    line("得点", lambda t: f.shots(t)[0])
    line("シュート", lambda t: f.shots(t)[1])
    line("成功率", lambda t: rate(*f.shots(t)))
    line("7mシュート", lambda t: f.shots(t, where="PT")[1])
    line("7m得点", lambda t: f.shots(t, where="PT")[0])
    line("7m成功率", lambda t: rate(*f.shots(t, where="PT")))
    line("枠内シュート", lambda t: f.shots(t)[0] + f.misses(t, None, "セーブ"))
    for o in OUTCOMES:
        line("シュートミス(%s)" % o, lambda t, o=o: f.misses(t, None, o))
    line("アシスト", lambda t: 0)
    for a in ATTACKS:
        line(a + "シュート", lambda t, a=a: f.shots(t)[1] if a == "セット" else 0)
        line(a + "得点", lambda t, a=a: f.shots(t)[0] if a == "セット" else 0)
    aimed = lambda t, **kw: sum(e.on_target() for e in f.faced(t, **kw))
    saves = lambda t, **kw: sum(e.outcome() == "セーブ" for e in f.faced(t, **kw))
    line("被枠内シュート", lambda t: aimed(t))
    line("セーブ", lambda t: saves(t))
    line("失点", lambda t: aimed(t) - saves(t))
    line("セーブ率", lambda t: rate(saves(t), aimed(t)))
    line("7m被枠内シュート", lambda t: aimed(t, where="PT"))
    line("7mセーブ", lambda t: saves(t, where="PT"))
    line("7mセーブ率", lambda t: rate(saves(t, where="PT"), aimed(t, where="PT")))
    for label, o in (("被シュートポスト", "ポスト"), ("被シュートブロック", "ブロック"),
                     ("被シュート枠外", "枠外")):
        line(label, lambda t, o=o: sum(e.outcome() == o for e in f.faced(t)))
    for kind in mx.KEEP_MISSES:
        line("保持ミス(%s)" % kind, lambda t, k=kind: f.count(t, plays={"保持ミス"}, what=k))
    line("保持ミス", lambda t: f.count(t, plays={"保持ミス"}))
    line("PT(獲得)", lambda t: f.count(t, plays={"PT(獲得)"}))
    for sanction in mx.SANCTIONS:
        line(sanction, lambda t, s=sanction: f.count(t, plays={"反則"}, what=s))
    line("作戦タイム", lambda t: f.count(t, plays={"作戦タイム"}))
    time_outs = {t: f.of(t, plays={"作戦タイム"}) for t in (1, 2)}
    for n in range(max(len(v) for v in time_outs.values())):
        line("作戦タイム%d" % (n + 1),
             lambda t: Time(time_outs[t][n].clock) if n < len(time_outs[t]) else None)
    line("貢献度", lambda t: sum(f.contribution(t, s) for s in range(15)))
    for n, half in enumerate(HALVES, 1):
        line(half + "得点", lambda t: f.shots(t, halves={n})[0])
        line(half + "シュート", lambda t: f.shots(t, halves={n})[1])
        line(half + "終了時の得点", lambda t: f.shots(t, halves=set(range(1, n + 1)))[0])
    rows.append([])
    rows.append(["得点経過", "得点チーム", text(m.team_name[1]), text(m.team_name[2])])
    score = {1: 0, 2: 0}
    for e in f.ev:
        if e.play == "得点":
            score[e.team] += 1
            rows.append([Time(e.clock), text(m.team_name[e.team]), score[1], score[2]])
    return rows


def player_sheet(f):
    m = f.m
    rows = [["チーム", "区分", "No.", "氏名", "得点", "シュート", "成功率", "7m得点", "7mシュート",
             "保持ミス", "PT(獲得)", "作戦タイム", "警告", "退場", "失格", "貢献度", "アシスト",
             "被セーブ", "ポスト", "ブロック", "枠外"]]

    def facts(t, slot):
        return [0] + [f.misses(t, slot, o) for o in OUTCOMES]

    def counts(t, slot):
        goals, shots = f.shots(t, slot)
        pgoals, pshots = f.shots(t, slot, where="PT")
        c = lambda **kw: f.count(t, slot, **kw)
        return [goals, shots, rate(goals, shots), pgoals, pshots, c(plays={"保持ミス"}),
                c(plays={"PT(獲得)"}), c(plays={"作戦タイム"}),
                c(plays={"反則"}, what="警告"), c(plays={"反則"}, what="退場"),
                c(plays={"反則"}, what="失格")]

    for t in (1, 2):
        for slot in range(15):
            if f.listed(t, slot):
                rows.append([text(m.team_name[t]), "監督" if slot == 0 else "選手",
                             shirt(m.number[t, slot]), text(m.name[t, slot])]
                            + counts(t, slot) + [f.contribution(t, slot)] + facts(t, slot))
        rows.append([text(m.team_name[t]), "Total", None, None] + counts(t, None)
                    + [sum(f.contribution(t, s) for s in range(15))] + facts(t, None))
    return rows


def shot_sheet(f):
    mx, m = f.mx, f.m
    rows = [["チーム", "氏名", "No.", "区分", "場所・ゾーン", "得点", "シュート", "成功率"]]

    def block(t, slot, who, number, penalty_zones):
        def put(kind, word, goals, shots):
            rows.append([text(m.team_name[t]), text(who), number, kind, word, goals, shots,
                         rate(goals, shots)])
        for place in mx.LOCATIONS:
            put("場所", place, *f.shots(t, slot, where=place))
        for zone in mx.ZONES:
            put("ゾーン", zone, *f.shots(t, slot, zones={zone}))
        for a in ATTACKS:
            put("攻撃", a, *(f.shots(t, slot) if a == "セット" else (0, 0)))
        if penalty_zones:
            for zone in mx.ZONES:
                put("7mゾーン", zone, *f.shots(t, slot, where="PT", zones={zone}))

    for t in (1, 2):
        block(t, None, "Total", None, True)
        for slot in range(1, 15):
            if f.shots(t, slot)[1]:
                block(t, slot, m.name[t, slot], shirt(m.number[t, slot]), False)
    return rows


def goalkeeper_sheet(f):
    mx, m = f.mx, f.m
    rows = [["守るチーム", "ゴールキーパー", "No.", "区分", "ゾーン・位置・攻撃", "枠内シュート",
             "セーブ", "失点", "セーブ率"]]
    outside = {"左外", "右外"}
    for t in (1, 2):
        def put(kind, word, **kw):
            shots = [e for e in f.faced(t, **kw) if e.on_target()]
            saved = sum(e.play == "シュートミス" for e in shots)
            rows.append([text(m.team_name[t]), "Total", None, kind, word, len(shots), saved,
                         len(shots) - saved, rate(saved, len(shots))])
        for kind, where in (("全シュート", None), ("7m", "PT")):
            for zone in mx.ZONES[1:10]:
                put(kind, zone, where=where, zones={zone})
            put(kind, NOT_KNOWN, where=where, zones=outside)
            put(kind, "Total", where=where)
        for group, places in GROUPS:
            put("位置", group, places=places)
        for a in ATTACKS:
            put("攻撃", a, places=None if a == "セット" else set())
    return rows


def event_sheet(f):
    m = f.m
    rows = [["No.", "チーム", "時間", "背番号", "氏名", "プレー", "場所", "詳細",
             text(m.team_name[1]), text(m.team_name[2])]]
    score = {1: 0, 2: 0}
    for n, e in enumerate(f.ev, 1):
        score[e.team] += e.play == "得点"
        rows.append([n, text(m.team_name[e.team]), Time(e.clock), shirt(e.number), text(e.name),
                     e.play, e.where, e.what, score[1], score[2]])
    return rows


def attack_sheet(f):
    rows = [["チーム", "攻撃", "得点", "シュートミス", "保持ミス", "得点/攻撃", "保持ミス/攻撃"]]
    for t in (1, 2):
        goals, shots = f.shots(t)
        lost = f.count(t, plays={"保持ミス"})
        attacks = shots + lost
        rows.append([text(f.m.team_name[t]), attacks, goals, shots - goals, lost,
                     rate(goals, attacks), rate(lost, attacks)])
    return rows


def lost_place_sheet(f):
    rows = [["場所", text(f.m.team_name[1]), text(f.m.team_name[2])]]
    for place in f.mx.LOCATIONS:
        rows.append([place] + [f.count(t, plays={"保持ミス"}, where=place) for t in (1, 2)])
    return rows


def federation_cells(ws, f, problems):
    """A few cells: each team's Total rows, goals and shots per group."""
    rows = [r for r in ws.iter_rows(min_row=2, values_only=True) if r[1] == "Total"]
    for t, first in ((1, 0), (2, len(FEDERATION))):
        for i, (group, places) in enumerate(FEDERATION):
            got = rows[first + i][3:6] if first + i < len(rows) else None
            goals, shots = (sum(f.shots(t, where=p)[k] for p in places) for k in (0, 1))
            if got is None or got[0] != group or tuple(got[1:3]) != (goals, shots):
                problems.append("連盟形式 team %d %s: %r, expected %r"
                                % (t, group, got, (group, goals, shots)))


def excel_text(value):
    """Text as a spreadsheet shows it: "_xHHHH_" stands for the character
    HHHH (how the file holds a carriage return, for example)."""
    return re.sub(r"_x([0-9A-Fa-f]{4})_", lambda g: chr(int(g.group(1), 16)), value)


def display_width(s):
    return sum(1 if ord(c) < 0x1100 or 0xFF61 <= ord(c) <= 0xFF9F else 2 for c in s)


def compare_cell(where, cell, expected, problems):
    value, fmt = cell.value, cell.number_format
    if isinstance(value, str):
        value = excel_text(value)
    if expected is None:
        if value is not None:
            problems.append("%s: %r, expected an empty cell" % (where, value))
        return
    if isinstance(expected, Rate):
        ok = type(value) in (int, float) and abs(value - expected) < 1e-12 and fmt == PERCENT
    elif isinstance(expected, Time):
        ok = value == datetime.timedelta(seconds=int(expected)) and fmt == TIME
    elif isinstance(expected, int):
        ok = type(value) is int and value == expected and fmt == "General"
    else:
        ok = type(value) is str and value == expected
    if not ok:
        problems.append("%s: %r (%s), expected %r (%s)"
                        % (where, value, fmt, expected, type(expected).__name__))


def compare_sheet(ws, expected, problems):
    if ws.freeze_panes != "A2":
        problems.append("%s: heads not frozen (%s)" % (ws.title, ws.freeze_panes))
    rows = max(ws.max_row, len(expected))
    cols = max([ws.max_column] + [len(r) for r in expected])
    widest = {}
    for r in range(rows):
        want = expected[r] if r < len(expected) else []
        for c in range(cols):
            cell = ws.cell(row=r + 1, column=c + 1)
            compare_cell("%s!%s" % (ws.title, cell.coordinate), cell,
                         want[c] if c < len(want) else None, problems)
            if isinstance(cell.value, str):
                widest[c] = max(widest.get(c, 0), display_width(excel_text(cell.value)))
    for c, width in widest.items():
        letter = openpyxl.utils.get_column_letter(c + 1)
        set_width = ws.column_dimensions[letter].width
        if not (min(width, 60) <= set_width <= 62.5):
            problems.append("%s column %s: width %s for text %d wide"
                            % (ws.title, letter, set_width, width))


def check(script, args, mx, folder):
    subprocess.run([args.writer, str(Path(args.data) / (script + ".match")),
                    str(folder / script)], check=True)
    book = openpyxl.load_workbook(folder / (script + ".xlsx"))
    problems = []
    if book.sheetnames != SHEETS:
        problems.append("sheets %s" % book.sheetnames)
    # Whatever the account says: a team's 失点 is the other team's 得点.
    lines = {row[0].value: row for row in book["概要"].iter_rows()}
    goals, against = lines["得点"], lines["失点"]
    if (against[1].value, against[2].value) != (goals[2].value, goals[1].value):
        problems.append("概要: 失点 %s is not the other team's 得点 %s"
                        % ([c.value for c in against[1:3]], [c.value for c in goals[1:3]]))
    f = Figures(mx, read_match(mx, Path(args.data) / (script + ".match")))
    for name, build in zip(SHEETS, (summary_sheet, player_sheet, shot_sheet, goalkeeper_sheet,
                                     event_sheet)):
        if name in book.sheetnames:
            compare_sheet(book[name], build(f), problems)
    for name, build in (("攻撃", attack_sheet), ("保持ミス位置", lost_place_sheet)):
        if name in book.sheetnames:
            compare_sheet(book[name], build(f), problems)
    if "連盟形式" in book.sheetnames:
        federation_cells(book["連盟形式"], f, problems)
    return problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--writer", required=True)
    parser.add_argument("--data", required=True)
    parser.add_argument("scripts", nargs="*", default=SCRIPTS)
    args = parser.parse_args()
    sys.path.insert(0, args.data)
    import make_expected as mx

    passed = failed = 0
    with tempfile.TemporaryDirectory() as tmp:
        for script in args.scripts:
            problems = check(script, args, mx, Path(tmp))
            if problems:
                failed += 1
                print("%s: %d cells differ" % (script, len(problems)))
                for p in problems[:25]:
                    print("  " + p)
            else:
                passed += 1
                print("%s: every cell as expected" % script)
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
