#include "season_figures.h"

#include <algorithm>
#include <map>

#include "attacks.h"
#include "match_periods.h"
#include "shoot_out.h"

namespace {

template <typename T, size_t N>
void addEach(std::array<T, N>& to, const std::array<T, N>& from) {
  for (size_t i = 0; i < N; ++i) to[i] += from[i];
}

void addSaveCounts(std::array<SaveCount, kFederationGroups>& to,
                   const std::array<SaveCount, kFederationGroups>& from) {
  for (size_t i = 0; i < to.size(); ++i) to[i] += from[i];
}

void addTeam(SeasonTeamFigures& s, const SeasonMatch& m) {
  ++s.matches;
  s.goalsFor += m.goalsFor;
  s.goalsAgainst += m.goalsAgainst;
  (m.outcome() > 0 ? s.wins : m.outcome() < 0 ? s.losses : s.draws)++;
  s.timeOuts += static_cast<int>(m.team.timeOuts.size());
  TeamFigures& t = s.totals;
  const TeamFigures& f = m.team;
  t.goals += f.goals;
  addShotFigures(t.shots, f.shots);
  addGoalkeeperFigures(t.goalkeeper, f.goalkeeper);
  t.assists += f.assists;
  addEach(t.lostByKind, f.lostByKind);
  t.lost += f.lost;
  t.penaltiesWon += f.penaltiesWon;
  t.warnings += f.warnings;
  t.suspensions += f.suspensions;
  t.disqualifications += f.disqualifications;
  t.contribution += f.contribution;
  addFederationShots(s.federation, m.federation);
  addEach(s.lostAndPenalties.lostByPlace, m.lostAndPenalties.lostByPlace);
  for (size_t r = 0; r < m.lostAndPenalties.penaltiesByReason.size(); ++r) {
    PenaltyReasonFigures& to = s.lostAndPenalties.penaltiesByReason[r];
    const PenaltyReasonFigures& from = m.lostAndPenalties.penaltiesByReason[r];
    to.won += from.won;
    to.thrown += from.thrown;
    to.goals += from.goals;
  }
  for (int i = 0; i < kSituations; ++i) {
    s.situations[i].events += m.situations[i].events;
    s.situations[i].shots += m.situations[i].shots;
    s.situations[i].lost += m.situations[i].lost;
  }
}

void addStretches(std::vector<SeasonStretch>& to, const Match& match, TeamId side) {
  for (const MatchStretch& stretch : matchStretches(match)) {
    const std::string label = stretch.label();
    auto at = std::find_if(to.begin(), to.end(),
                           [&](const SeasonStretch& s) { return s.label == label; });
    if (at == to.end()) at = to.insert(to.end(), SeasonStretch{label, {}});
    at->figures.shots += stretch.team(side).shots;
    at->figures.lost += stretch.team(side).lost;
  }
}

SeasonMatch seasonMatch(const SeasonFile& file, TeamId side) {
  const Match& match = *file.match;
  const MatchFigures figures = matchFigures(match);
  SeasonMatch m;
  m.file = &file;
  m.side = side;
  m.team = figures.team(side);
  m.opponent = figures.team(otherTeam(side)).name;
  m.goalsFor = figures.team(side).goals;
  m.goalsAgainst = figures.team(otherTeam(side)).goals;
  const auto federation = federationShots(match);
  m.federation = federation[teamIndex(side)].team;
  m.federationPersons = federation[teamIndex(side)].persons;
  m.lostAndPenalties = lostAndPenalties(match)[teamIndex(side)];
  m.situations = numbersOnCourt(match).teams[teamIndex(side)];
  if (const ShootOut s = shootOut(match); s.taken())
    m.shootOut = {s.goals[teamIndex(side)], s.goals[teamIndex(otherTeam(side))]};
  return m;
}

}  // namespace

int SeasonMatch::outcome() const {
  const int byGoals = goalsFor - goalsAgainst;
  if (byGoals != 0 || !shootOut) return byGoals;
  return (*shootOut)[0] - (*shootOut)[1];
}

std::string SeasonMatch::scoreText() const {
  std::string text = std::to_string(goalsFor) + " - " + std::to_string(goalsAgainst);
  if (shootOut)
    text += " (7mTC " + std::to_string((*shootOut)[0]) + "-" + std::to_string((*shootOut)[1]) + ")";
  return text;
}

namespace {

// Every shot of the season on one chart: each match's marks in order, laid
// out again per place as shot_chart.h lays out one match's.
std::vector<ShotMark> seasonShotChart(const std::vector<SeasonMatch>& matches) {
  std::vector<ShotMark> marks;
  for (const SeasonMatch& m : matches) {
    const std::vector<ShotMark> own = shotChart(*m.file->match, m.side);
    marks.insert(marks.end(), own.begin(), own.end());
  }
  std::array<int, kCourtPlaces + 1> count{};
  for (const ShotMark& mark : marks) ++count[mark.place];
  std::array<std::vector<CourtPoint>, kCourtPlaces + 1> points;
  for (int place = 1; place <= kCourtPlaces; ++place)
    points[place] = markPositions(place, count[place]);
  std::array<size_t, kCourtPlaces + 1> used{};
  for (ShotMark& mark : marks) mark.at = points[mark.place][used[mark.place]++];
  return marks;
}

}  // namespace

void addShotFigures(ShotFigures& to, const ShotFigures& from) {
  addEach(to.byPlace, from.byPlace);
  addEach(to.byZone, from.byZone);
  addEach(to.penaltyByZone, from.penaltyByZone);
  to.total += from.total;
  addEach(to.missesBy, from.missesBy);
  addEach(to.byAttack, from.byAttack);
}

void addGoalkeeperFigures(GoalkeeperFigures& to, const GoalkeeperFigures& from) {
  addEach(to.byZone, from.byZone);
  to.zoneNotKnown += from.zoneNotKnown;
  addEach(to.penaltyByZone, from.penaltyByZone);
  to.penaltyZoneNotKnown += from.penaltyZoneNotKnown;
  addEach(to.byGroup, from.byGroup);
  addEach(to.byAttack, from.byAttack);
  to.total += from.total;
  to.penalty += from.penalty;
  to.posts += from.posts;
  to.blocked += from.blocked;
  to.wide += from.wide;
}

void addPersonFigures(PersonFigures& to, const PersonFigures& from) {
  addShotFigures(to.shots, from.shots);
  to.assists += from.assists;
  to.goalkeeper = to.goalkeeper || from.goalkeeper;
  addGoalkeeperFigures(to.keeping, from.keeping);
  addEach(to.lostByKind, from.lostByKind);
  to.lost += from.lost;
  to.penaltiesWon += from.penaltiesWon;
  to.timeOuts += from.timeOuts;
  to.warnings += from.warnings;
  to.suspensions += from.suspensions;
  to.disqualifications += from.disqualifications;
  to.contribution += from.contribution;
}

void addFederationShots(FederationShots& to, const FederationShots& from) {
  addEach(to.shots, from.shots);
  addSaveCounts(to.saves, from.saves);
}

std::vector<FigureLine> teamFigureLines(const SeasonTeamFigures& t) {
  const TeamFigures& f = t.totals;
  std::vector<FigureLine> lines = {
      {"試合", double(t.matches), {}, false},
      {"勝", double(t.wins), {}, false},
      {"分", double(t.draws), {}, false},
      {"敗", double(t.losses), {}, false},
      {"得点", double(t.goalsFor)},
      {"失点", double(t.goalsAgainst)},
      {"シュート", double(f.shots.total.shots), f.shots.total.rate()},
      {"7mシュート", double(f.shots.penalty().shots), f.shots.penalty().rate()},
  };
  for (int a = 0; a < kAttackKinds; ++a)
    lines.push_back({std::string(kAttackWords[a]) + "シュート", double(f.shots.byAttack[a].shots),
                     f.shots.byAttack[a].rate()});
  lines.push_back(
      {"枠内シュート(被)", double(f.goalkeeper.total.onTarget), f.goalkeeper.total.rate()});
  lines.push_back({"セーブ", double(f.goalkeeper.total.saves)});
  lines.push_back({"アシスト", double(f.assists)});
  lines.push_back({"保持ミス", double(f.lost)});
  for (int kind = 1; kind <= kKeepMissKinds; ++kind)
    lines.push_back({"保持ミス " + std::string(kKeepMissWords[kind]), double(f.lostByKind[kind])});
  lines.push_back({"PT(獲得)", double(f.penaltiesWon)});
  lines.push_back({"作戦タイム", double(t.timeOuts)});
  lines.push_back({"警告", double(f.warnings)});
  lines.push_back({"退場", double(f.suspensions)});
  lines.push_back({"失格", double(f.disqualifications)});
  return lines;
}

std::optional<double> perMatch(double total, int matches) {
  if (matches <= 0) return std::nullopt;
  return total / matches;
}

TrendPoint trendOf(const SeasonMatch& m) {
  TrendPoint p;
  p[static_cast<int>(TrendRate::Shooting)] = m.team.shots.total.rate();
  p[static_cast<int>(TrendRate::Saves)] = m.team.goalkeeper.total.rate();
  p[static_cast<int>(TrendRate::SevenMetres)] = m.team.shots.penalty().rate();
  p[static_cast<int>(TrendRate::Efficiency)] = attackFigures(m.team).goalsPerAttack();
  return p;
}

std::vector<TrendPoint> SeasonFigures::trend() const {
  std::vector<TrendPoint> points;
  for (const SeasonMatch& m : matches) points.push_back(trendOf(m));
  return points;
}

SeasonFigures seasonFigures(const std::vector<const SeasonFile*>& files, const std::string& team,
                            const PlayerChoices& choices) {
  SeasonFigures s;
  s.team = seasonName(team);
  for (const SeasonFile* file : files) {
    const int side = file && file->readable() ? file->sideOf(s.team) : 0;
    if (side == 0) continue;
    s.matches.push_back(seasonMatch(*file, side == 1 ? TeamId::One : TeamId::Two));
    addTeam(s.totals, s.matches.back());
    addStretches(s.totals.stretches, *file->match, s.matches.back().side);
  }
  s.totals.totals.name = s.team;

  std::map<std::string, size_t> byPerson;
  for (size_t i = 0; i < s.matches.size(); ++i) {
    const SeasonMatch& m = s.matches[i];
    for (int slot = 1; slot < kRosterLines; ++slot) {
      const PersonFigures& p = m.team.persons[slot];
      const std::string entry = playerEntry(RosterLine{p.number, p.name});
      if (entry.empty() || !p.listed()) continue;
      const std::string person = choices.personOf(s.team, entry, m.file->started);
      auto [at, added] = byPerson.emplace(person, s.players.size());
      if (added) s.players.push_back({person});
      SeasonPlayer& player = s.players[at->second];
      if (std::find(player.entries.begin(), player.entries.end(), entry) == player.entries.end())
        player.entries.push_back(entry);
      player.number = seasonName(p.number);
      addPersonFigures(player.totals, p);
      addFederationShots(player.federation, m.federationPersons[slot]);
      player.appearances.push_back({static_cast<int>(i), slot, entry});
    }
  }
  for (SeasonPlayer& player : s.players) {
    player.totals.number = player.number;
    player.totals.name = player.person;
  }
  // By shirt number as a number where it is one, then by name.
  auto numberOf = [](const std::string& n) {
    return !n.empty() &&
                   std::all_of(n.begin(), n.end(), [](char c) { return c >= '0' && c <= '9'; })
               ? std::stoll(n.substr(0, 15))
               : (1LL << 62);
  };
  std::stable_sort(
      s.players.begin(), s.players.end(), [&](const SeasonPlayer& a, const SeasonPlayer& b) {
        return std::pair(numberOf(a.number), a.person) < std::pair(numberOf(b.number), b.person);
      });
  s.shotChart = seasonShotChart(s.matches);
  return s;
}
