// A season read from match files against the same matches' own figures,
// and who is who across them.
#include "season_figures.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <tuple>

#include "match_fixture.h"
#include "scratch_folder.h"
#include "season_folder.h"
#include "season_report.h"

namespace {

// East plays four matches on both sides, West and North watch one more.
struct EastSeason : testing::Test {
  TempFolder folder;
  std::vector<std::unique_ptr<Match>> played;
  std::vector<TeamId> eastSide;

  void SetUp() override {
    add("analysis_example", "東高校", "西高校", TeamId::One, 10);
    add("full_match", "北方クラブ", "東高校", TeamId::Two, 17);
    add("shot_example", "　東高校 ", "南高校", TeamId::One, 24);  // spaces typed around the name
    add("long_match", "東高校", "西高校", TeamId::One, 31);
    keepMatch(*scriptedMatch("full_match", "西高校", "北方クラブ"), folder.path(), 12);
  }
  void add(const std::string& script, const std::string& t1, const std::string& t2, TeamId east,
           int day) {
    played.push_back(scriptedMatch(script, t1, t2));
    keepMatch(*played.back(), folder.path(), day);
    eastSide.push_back(east);
  }
  std::vector<const SeasonFile*> all(const std::vector<SeasonFile>& files) {
    std::vector<const SeasonFile*> out;
    for (const SeasonFile& f : files) out.push_back(&f);
    return out;
  }
};

TEST_F(EastSeason, TeamFiguresAreTheSumsOfEachMatchsOwn) {
  const std::vector<SeasonFile> files = listSeasonFiles({folder.path()});
  ASSERT_EQ(files.size(), 5u);
  const SeasonFigures s = seasonFigures(all(files), "東高校", {});
  ASSERT_EQ(s.matches.size(), 4u);

  int goalsFor = 0, goalsAgainst = 0, wins = 0, losses = 0, draws = 0;
  std::array<ShotCount, kCourtPlaces + 1> byPlace{};
  std::array<SaveCount, kGoalZones + 1> savesByZone{};
  std::array<ShotCount, kFederationGroups> federation{};
  std::array<int32_t, kCourtPlaces + 1> lostByPlace{};
  std::array<int32_t, kSituations> situationEvents{};
  int32_t lost = 0, suspensions = 0, shots = 0;
  for (size_t i = 0; i < played.size(); ++i) {
    const TeamId east = eastSide[i];
    const MatchFigures f = matchFigures(*played[i]);
    const int mine = f.team(east).goals, theirs = f.team(otherTeam(east)).goals;
    goalsFor += mine;
    goalsAgainst += theirs;
    (mine > theirs ? wins : mine < theirs ? losses : draws)++;
    for (int p = 1; p <= kCourtPlaces; ++p) byPlace[p] += f.team(east).shots.byPlace[p];
    for (int z = 1; z <= kGoalZones; ++z) savesByZone[z] += f.team(east).goalkeeper.byZone[z];
    const auto fed = federationShots(*played[i])[teamIndex(east)].team;
    for (int g = 0; g < kFederationGroups; ++g) federation[g] += fed.shots[g];
    const auto lp = lostAndPenalties(*played[i])[teamIndex(east)];
    for (int p = 1; p <= kCourtPlaces; ++p) lostByPlace[p] += lp.lostByPlace[p];
    const auto n = numbersOnCourt(*played[i]);
    for (int k = 0; k < kSituations; ++k) situationEvents[k] += n.teams[teamIndex(east)][k].events;
    lost += f.team(east).lost;
    suspensions += f.team(east).suspensions;
    shots += f.team(east).shots.total.shots;
    EXPECT_EQ(s.matches[i].opponent, f.team(otherTeam(east)).name) << i;
    EXPECT_EQ(s.trend()[i][0], f.team(east).shots.total.rate()) << i;
  }
  const SeasonTeamFigures& t = s.totals;
  EXPECT_EQ(t.matches, 4);
  EXPECT_EQ(std::tie(t.goalsFor, t.goalsAgainst), std::tie(goalsFor, goalsAgainst));
  EXPECT_EQ(std::tie(t.wins, t.draws, t.losses), std::tie(wins, draws, losses));
  EXPECT_EQ(t.totals.shots.byPlace, byPlace);
  EXPECT_EQ(t.totals.goalkeeper.byZone, savesByZone);
  EXPECT_EQ(t.federation.shots, federation);
  EXPECT_EQ(t.lostAndPenalties.lostByPlace, lostByPlace);
  std::array<int32_t, kSituations> seasonSituations{};
  for (int k = 0; k < kSituations; ++k) seasonSituations[k] = t.situations[k].events;
  EXPECT_EQ(seasonSituations, situationEvents);
  EXPECT_EQ(std::tie(t.totals.lost, t.totals.suspensions), std::tie(lost, suspensions));
  // Every shot once on the season's chart and in its stretches.
  EXPECT_EQ(static_cast<int>(s.shotChart.size()), shots);
  int stretchShots = 0;
  for (const SeasonStretch& st : t.stretches) stretchShots += st.figures.shots.shots;
  EXPECT_EQ(stretchShots, shots);
}

// A match level after the second overtime goes to the side that won its
// shoot-out, which the tables show beside the score.
TEST(SeasonResults, ALevelMatchIsWonAndLostByItsShootOut) {
  auto played = std::make_shared<ClockedMatch>();
  Match& m = played->m;
  m.team(TeamId::One).name = "A";
  m.team(TeamId::Two).name = "B";
  m.setSettings({{.halfMinutes = 20, .overtime = true}, TimeOutRule::ThreePerMatch});
  m.startClock();
  double paused = 0;
  for (int end : {1200, 2400, 2700, 3000, 3300, 3600}) {
    played->at(end + paused + 1);
    m.togglePause();
    paused += 1;
  }
  ASSERT_TRUE(m.clock().inShootOut());
  for (const char* throws : {"AgBg", "AgBm", "AgBg", "AmBg", "AgBm"})
    for (int i = 0; i < 4; i += 2)
      ASSERT_TRUE(played->record(throws[i] == 'A' ? TeamId::One : TeamId::Two, 7,
                                 throws[i + 1] == 'g' ? Action::Goal : Action::ShotMiss,
                                 place::kPenaltyThrow, throws[i + 1] == 'g' ? 6 : 1));
  SeasonFile file;
  file.teams = {"A", "B"};
  file.match = std::shared_ptr<const Match>(played, &played->m);

  const SeasonFigures a = seasonFigures({&file}, "A", {});
  ASSERT_EQ(a.matches.size(), 1u);
  EXPECT_EQ(a.matches[0].scoreText(), "0 - 0 (7mTC 4-3)");
  EXPECT_STREQ(resultWord(a.matches[0]), "勝");
  EXPECT_EQ(std::tie(a.totals.wins, a.totals.draws, a.totals.losses), std::tuple(1, 0, 0));
  const SeasonFigures b = seasonFigures({&file}, "B", {});
  EXPECT_EQ(b.matches[0].scoreText(), "0 - 0 (7mTC 3-4)");
  EXPECT_EQ(std::tie(b.totals.wins, b.totals.draws, b.totals.losses), std::tuple(0, 0, 1));
}

TEST_F(EastSeason, PlayersAreMergedByNameAndTheirFiguresSummed) {
  const std::vector<SeasonFile> files = listSeasonFiles({folder.path()});
  const SeasonFigures s = seasonFigures(all(files), "東高校", {});
  // Per person entry, the goals and shots of each match he played.
  std::map<std::string, ShotCount> expected;
  std::map<std::string, int> matches;
  for (size_t i = 0; i < played.size(); ++i) {
    const MatchFigures f = matchFigures(*played[i]);
    for (const PersonFigures& p : f.team(eastSide[i]).persons) {
      const std::string entry = playerEntry(RosterLine{p.number, p.name});
      if (p.slot == kOfficialSlot || entry.empty() || !p.listed()) continue;
      expected[entry] += p.shots.total;
      ++matches[entry];
    }
  }
  ASSERT_EQ(s.players.size(), expected.size());
  for (const SeasonPlayer& p : s.players) {
    EXPECT_EQ(p.totals.shots.total, expected[p.person]) << p.person;
    EXPECT_EQ(p.matches(), matches[p.person]) << p.person;
  }
  // 佐藤 #7 plays for East in shot_example and in long_match.
  const auto sato = std::find_if(s.players.begin(), s.players.end(),
                                 [](const SeasonPlayer& p) { return p.person == "佐藤"; });
  ASSERT_NE(sato, s.players.end());
  EXPECT_EQ(sato->matches(), 2);
}

TEST_F(EastSeason, FiltersChooseTheMatchesByTeamOpponentAndDate) {
  const std::vector<SeasonFile> files = listSeasonFiles({folder.path()});
  auto count = [&](const SeasonFilter& f) {
    return std::count_if(files.begin(), files.end(),
                         [&](const SeasonFile& x) { return f.admits(x); });
  };
  EXPECT_EQ(count({}), 5);
  EXPECT_EQ(count({"東高校"}), 4);
  EXPECT_EQ(count({"東高校", "西高校"}), 2);
  EXPECT_EQ(count({"", "北方クラブ"}), 2);
  EXPECT_EQ(count({"東高校", "", "2024-01-15", "2024-01-30"}), 2);
  EXPECT_EQ(mostFrequentTeam(files), "東高校");
}

// Two matches of a club whose rosters name some players and number others.
struct ClubSeason : testing::Test {
  TempFolder folder;
  std::vector<SeasonFile> files;
  std::string firstMatch;

  void SetUp() override {
    for (int day : {40, 47}) {
      ClockedMatch c;
      c.m.team(TeamId::One).name = "クラブ";
      c.fillRoster(TeamId::One, 10);
      c.m.team(TeamId::One).lines[1].name = day == 40 ? "山田" : "山田　";
      c.m.team(TeamId::One).lines[2].name = "Yamada";
      c.m.team(TeamId::One).lines[3].number = "7";  // unnamed in both
      c.m.startClock();
      for (int slot : {1, 2, 3}) c.record(TeamId::One, slot, Action::Goal, 7, 6);
      keepMatch(c.m, folder.path(), day);
    }
    files = listSeasonFiles({folder.path()});
    ASSERT_EQ(files.size(), 2u);
    firstMatch = files[0].started;
  }
  const SeasonPlayer* person(const SeasonFigures& s, const std::string& name) {
    for (const SeasonPlayer& p : s.players)
      if (p.person == name) return &p;
    return nullptr;
  }
  SeasonFigures season(const PlayerChoices& choices) {
    return seasonFigures({&files[0], &files[1]}, "クラブ", choices);
  }
};

TEST_F(ClubSeason, JoinsAndPartsChangeWhoIsWho) {
  SeasonFigures s = season({});
  ASSERT_TRUE(person(s, "山田") && person(s, "#7") && person(s, "Yamada"));
  EXPECT_EQ(person(s, "山田")->totals.shots.total.goals, 2);
  EXPECT_EQ(person(s, "#7")->matches(), 2);

  PlayerChoices choices;
  choices.join("クラブ", "Yamada", "山田");
  choices.togglePart("クラブ", "#7", firstMatch);
  s = season(choices);
  EXPECT_EQ(person(s, "Yamada"), nullptr);
  EXPECT_EQ(person(s, "山田")->totals.shots.total.goals, 4);
  EXPECT_EQ(person(s, "山田")->entries, (std::vector<std::string>{"山田", "Yamada"}));
  EXPECT_EQ(person(s, "#7")->matches(), 1);
  EXPECT_EQ(person(s, partedEntry("#7", firstMatch))->matches(), 1);

  // A join that would lead back is refused; parting again joins back.
  choices.join("クラブ", "山田", "Yamada");
  EXPECT_EQ(choices.personOf("クラブ", "Yamada", firstMatch), "山田");
  choices.togglePart("クラブ", "#7", firstMatch);
  choices.unjoin("クラブ", "山田");
  EXPECT_EQ(season(choices).players.size(), season({}).players.size());
}

TEST(PlayerChoicesFile, KeepsEveryChoiceAndRefusesWhatItCannotRead) {
  TempFolder folder;
  const auto path = folder.path() / "data" / kPlayerChoicesFile;
  PlayerChoices choices;
  choices.join("A\tB", "back\\slash", "line\nbreak");
  choices.togglePart("A", "#7", "2024-02-01 12:00:00");
  writePlayerChoices(path, choices);
  EXPECT_EQ(folder.entries(path.parent_path()), std::set<std::string>{kPlayerChoicesFile});
  std::vector<std::string> problems;
  EXPECT_EQ(readPlayerChoices(path, &problems), choices);
  EXPECT_TRUE(problems.empty());

  std::ofstream(path, std::ios::app) << "join\tonly two\n";
  EXPECT_EQ(readPlayerChoices(path, &problems), choices);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].find(":4: 読み取れない行です"), std::string::npos);

  std::ofstream(path) << "handball-players\t2\njoin\tA\tx\ty\n";
  problems.clear();
  EXPECT_EQ(readPlayerChoices(path, &problems), PlayerChoices{});
  EXPECT_EQ(problems.size(), 1u);
  EXPECT_EQ(readPlayerChoices(folder.path() / "none.txt"), PlayerChoices{});
}

}  // namespace
