"""Reads a season workbook back with openpyxl and checks it against the
figures the test gives: the team's goals for and against, the number of
matches, and that the players' goals add up to the team's."""
import sys

import openpyxl


def main():
    path, team, matches, goals_for, goals_against = sys.argv[1:6]
    book = openpyxl.load_workbook(path)
    expected = ["試合一覧", "チーム", "選手", "ゴールキーパー", "連盟形式", "選手別試合", "推移",
                "数的状況", "時間帯", "保持ミス位置"]
    assert book.sheetnames == expected, book.sheetnames
    listed = [row for row in book["試合一覧"].iter_rows(min_row=2, values_only=True) if row[0]]
    assert len(listed) == int(matches), listed
    assert sum(r[2] for r in listed) == int(goals_for), listed
    assert sum(r[3] for r in listed) == int(goals_against), listed
    team_sheet = {r[0]: r[1:] for r in book["チーム"].iter_rows(min_row=2, values_only=True)}
    assert team_sheet["チーム"][0] == team, team_sheet["チーム"]
    assert team_sheet["試合"][0] == int(matches)
    assert team_sheet["得点"][0] == int(goals_for)
    assert abs(team_sheet["得点"][1] - int(goals_for) / int(matches)) < 1e-9
    players = list(book["選手"].iter_rows(min_row=2, values_only=True))
    # The team's goals include those of players without a name or number.
    assert 0 < sum(p[3] for p in players) <= int(goals_for), players
    by_match = list(book["選手別試合"].iter_rows(min_row=2, values_only=True))
    assert sum(r[5] for r in by_match) == sum(p[3] for p in players)
    trend = list(book["推移"].iter_rows(min_row=2, values_only=True))
    assert len(trend) == int(matches)
    assert all(r[2] is None or 0 <= r[2] <= 1 for r in trend), trend
    print("ok")


if __name__ == "__main__":
    main()
