#!/usr/bin/env python3
"""Writes the expected export files for every match script in this folder.

Each script (*.match) describes what the operator types and records; this
file lays out the three exported files from the documented table layouts on
its own, without the program, so the tests compare the program against an
independent account of the same match. Run it from anywhere:

    python3 make_expected.py

and look at what changed under expected/ before keeping it.

Script lines (fields separated by blanks; in a field \\s is a blank, \\t a TAB,
\\n and \\r line breaks, \\\\ a backslash and \\_ alone the empty text):
    stem TEXT                   file-name stem (Edit1)
    prefix TEXT                 prefix of count and time cells (Edit2)
    team T NAME                 team T's name
    player T SLOT NUMBER NAME   roster line of team T, slot 0..14
    at MM:SS                    match clock for the events that follow
    event T SLOT PLAY WHERE WHAT
    repeat N SECONDS event ...  N events, the clock SECONDS further each time
"""

import pathlib
import re

HERE = pathlib.Path(__file__).resolve().parent

PLAYS = ["得点", "シュートミス", "保持ミス", "PT(獲得)", "作戦タイム", "反則"]
LOCATIONS = ["左サイド", "左ポスト", "中ポスト", "右ポスト", "右サイド",
             "左４５", "センター", "右４５", "相手陣地", "PT"]
ZONES = ["左外", "左上", "左中", "左下", "中上", "中中", "中下",
         "右上", "右中", "右下", "右外"]
KEEP_MISSES = ["パス", "キャッチ", "ライン", "オーバー", "チャージ", "パッシブ", "その他"]
SANCTIONS = ["警告", "退場", "失格"]
COUNT_HEADS = ["得点", "シュートミス", "保持ミス", "PT(獲得)", "作戦タイム",
               "警告", "退場", "失格", "貢献度"]
ABBREVIATIONS = {"シュートミス": "Sミス", "保持ミス": "Kミス",
                 "PT(獲得)": "PT得", "作戦タイム": "Time"}


def unescape(field):
    if field == "\\_":
        return ""
    table = {"s": " ", "t": "\t", "n": "\n", "r": "\r", "\\": "\\"}
    return re.sub(r"\\(.)", lambda m: table[m.group(1)], field)


class Match:
    def __init__(self):
        self.stem = "ファイル名"
        self.prefix = "'"
        self.team_name = {1: "ルビナ大学", 2: "団体名"}
        self.number = {(t, s): "" for t in (1, 2) for s in range(15)}
        self.name = dict(self.number)
        self.clock = 0
        # Each log: rows of [when, No., who, play, where, what], row 0 the heads.
        self.log = {t: [["when", "No.", "who", "play", "where", "what"]] for t in (1, 2)}
        # Each team's events as (slot, play, where, what), for the counts.
        self.counted = {1: [], 2: []}

    def record(self, team, slot, play, where, what):
        assert play in PLAYS, play
        time = "%02d：%02d" % (self.clock // 60 % 60, self.clock % 60)
        self.log[team].append([time, self.number[team, slot], self.name[team, slot],
                               play, where, what])
        self.counted[team].append((slot, play, where, what))


def read_script(path):
    match = Match()
    for raw in path.read_text(encoding="utf-8").splitlines():
        words = [unescape(w) for w in raw.split(" ") if w]
        if not words or words[0].startswith("#"):
            continue
        run(match, words)
    return match


def run(match, words):
    key, args = words[0], words[1:]
    if key == "stem":
        match.stem = args[0]
    elif key == "prefix":
        match.prefix = args[0]
    elif key == "team":
        match.team_name[int(args[0])] = args[1]
    elif key == "player":
        team, slot = int(args[0]), int(args[1])
        match.number[team, slot] = args[2]
        match.name[team, slot] = args[3]
    elif key == "at":
        minutes, seconds = args[0].split(":")
        match.clock = int(minutes) * 60 + int(seconds)
    elif key == "event":
        match.record(int(args[0]), int(args[1]), args[2], args[3], args[4])
    elif key == "repeat":
        for _ in range(int(args[0])):
            run(match, args[2:])
            match.clock += int(args[1])
    else:
        raise ValueError("unknown line: " + " ".join(words))


class Table:
    def __init__(self):
        self.cells = {}

    def put(self, col, row, text):
        self.cells[col, row] = text

    def get(self, col, row):
        return self.cells.get((col, row), "")


def shot_table(match):
    """Goals over shots per location and zone, and keep misses per kind."""
    table = Table()
    table.put(0, 0, match.stem + "シュート成功率")
    for team in (1, 2):
        goals = {}
        shots = {}
        keeps = {}
        for slot, play, where, what in match.counted[team]:
            if play in ("得点", "シュートミス"):
                loc = LOCATIONS.index(where) + 1
                zone = ZONES.index(what) + 1
                shots[slot, loc, zone] = shots.get((slot, loc, zone), 0) + 1
                if play == "得点":
                    goals[slot, loc, zone] = goals.get((slot, loc, zone), 0) + 1
            elif play == "保持ミス":
                kind = KEEP_MISSES.index(what) + 1
                keeps[slot, kind] = keeps.get((slot, kind), 0) + 1

        # Keep-miss table, columns 14 to 22.
        base = 17 * (team - 1)
        table.put(14, base + 1, match.team_name[team])
        for k, head in enumerate(KEEP_MISSES, start=1):
            table.put(14 + k, base + 1, head)
        table.put(22, base + 1, "Total")
        for slot in range(1, 16):
            row = base + 1 + slot
            players = range(1, 15) if slot == 15 else [slot]
            table.put(14, row, "Total" if slot == 15 else match.name[team, slot])
            counts = [sum(keeps.get((p, k), 0) for p in players) for k in range(1, 8)]
            for k, n in enumerate(counts, start=1):
                table.put(14 + k, row, str(n))
            table.put(22, row, str(sum(counts)))

        # Shot blocks, 13 rows each, columns 0 to 12.
        for line in range(1, 16):
            top = (196 if team == 2 else 0) + 13 * (line - 1)
            players = range(1, 15) if line == 15 else [line]
            table.put(0, top + 2, match.team_name[team] if line == 15 else match.name[team, line])
            for z, head in enumerate(ZONES, start=1):
                table.put(z, top + 2, head)
            table.put(12, top + 2, "Total")
            for loc in range(1, 12):
                table.put(0, top + 2 + loc, "Total" if loc == 11 else LOCATIONS[loc - 1])
                locs = range(1, 11) if loc == 11 else [loc]
                for z in range(1, 13):
                    zones = range(1, 12) if z == 12 else [z]
                    g = sum(goals.get((p, l, zz), 0) for p in players for l in locs for zz in zones)
                    s = sum(shots.get((p, l, zz), 0) for p in players for l in locs for zz in zones)
                    table.put(z, top + 2 + loc, "%s%d/%d" % (match.prefix, g, s))
    return table, 401, 31


def time_cell(match, log, col, row):
    text = log[row][col] if row < len(log) else ""
    if col == 0 and row >= 1 and text:
        return match.prefix + text
    return text


def log_lines(match):
    last_event_row = max(len(match.log[1]), len(match.log[2])) - 1
    return max(201, last_event_row + 3)


def event_log_table(match):
    """Both logs side by side from row 2, the titles above them."""
    table = Table()
    table.put(0, 0, match.stem + "リスト")
    table.put(0, 1, match.team_name[1])
    table.put(7, 1, match.team_name[2])
    for team, first_col in ((1, 0), (2, 7)):
        log = match.log[team]
        for row in range(len(log)):
            for col in range(6):
                table.put(first_col + col, row + 2, time_cell(match, log, col, row))
    return table, log_lines(match), 21


def contribution(c):
    return 2 * c[0] - c[1] - c[2] + c[3] - c[5] - 2 * c[6] - 3 * c[7]


def player_summary(match):
    """Counts per person with totals and scores, and the short logs."""
    table = Table()
    table.put(0, 0, match.stem)
    table.put(0, 2, match.team_name[1])
    table.put(0, 20, match.team_name[2])
    for team, head_row in ((1, 2), (2, 20)):
        counts = {slot: [0] * 8 for slot in range(15)}
        for slot, play, where, what in match.counted[team]:
            if play == "反則":
                counts[slot][4 + SANCTIONS.index(what) + 1] += 1
            else:
                counts[slot][PLAYS.index(play)] += 1
        for col, head in enumerate(COUNT_HEADS, start=1):
            table.put(col, head_row, head)
        for slot in range(16):
            row = head_row + 1 + slot
            if slot == 15:
                label = "Total"
                c = [sum(counts[s][k] for s in range(15)) for k in range(8)]
                c.append(sum(contribution(counts[s]) for s in range(15)))
            else:
                label = "監督" if slot == 0 else match.name[team, slot]
                c = counts[slot] + [contribution(counts[slot])]
            table.put(0, row, label)
            for kind, n in enumerate(c):
                table.put(kind + 1, row, str(n))
    table.put(11, 1, match.team_name[1])
    table.put(16, 1, match.team_name[2])
    for team, first_col in ((1, 11), (2, 16)):
        log = match.log[team]
        for row in range(len(log)):
            for col in range(4):
                text = time_cell(match, log, col, row)
                if col == 3 and text == "反則":
                    text = log[row][5]
                table.put(first_col + col, row + 2, text)
    return table, log_lines(match), 21


def file_bytes(table, lines, fields, abbreviate):
    out = bytearray()
    for row in range(lines):
        for col in range(fields):
            text = table.get(col, row)
            if abbreviate:
                text = ABBREVIATIONS.get(text, text)
            for separator in "\t\r\n":
                text = text.replace(separator, " ")
            out += text.encode("cp932", errors="replace") + b"\t"
        out += b"\r\n"
    return bytes(out)


def main():
    out = HERE / "expected"
    out.mkdir(exist_ok=True)
    for script in sorted(HERE.glob("*.match")):
        match = read_script(script)
        name = script.stem
        for builder, suffix, abbreviate in ((shot_table, "shot", False),
                                            (event_log_table, "table", False),
                                            (player_summary, "list", True)):
            table, lines, fields = builder(match)
            (out / f"{name}.{suffix}.xls").write_bytes(file_bytes(table, lines, fields, abbreviate))


if __name__ == "__main__":
    main()
