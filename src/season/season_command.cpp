#include "season_command.h"

#include <QGuiApplication>
#include <QStandardPaths>
#include <iostream>
#include <optional>

#include "save_error.h"
#include "season_model.h"
#include "season_report.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsage =
    "使い方: handball --season フォルダ... [--team チーム名] [--from YYYY-MM-DD] "
    "[--to YYYY-MM-DD] [--xlsx ファイル] [--pdf ファイル]";

struct Arguments {
  std::vector<fs::path> folders;
  SeasonFilter filter;
  std::string xlsx, pdf;
};

struct BadArguments {
  std::string message;
};

bool isDate(const std::string& s) {
  if (s.size() != 10 || s[4] != '-' || s[7] != '-') return false;
  for (size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
    if (s[i] < '0' || s[i] > '9') return false;
  const int month = std::stoi(s.substr(5, 2)), day = std::stoi(s.substr(8, 2));
  return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

Arguments parse(const std::vector<std::string>& args) {
  Arguments a;
  bool season = false;
  std::optional<std::string> team;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= args.size() || args[i + 1].starts_with("--"))
        throw BadArguments{arg + " の後に値がありません"};
      return args[++i];
    };
    if (arg == "--season") {
      season = true;
      while (i + 1 < args.size() && !args[i + 1].starts_with("--")) a.folders.push_back(args[++i]);
    } else if (arg == "--team") {
      a.filter.team = value();
      if (seasonName(a.filter.team).empty()) throw BadArguments{"--team のチーム名が空です"};
    } else if (arg == "--from" || arg == "--to") {
      std::string& date = arg == "--from" ? a.filter.from : a.filter.to;
      date = value();
      if (!isDate(date)) throw BadArguments{arg + " の日付は YYYY-MM-DD で書いてください: " + date};
    } else if (arg == "--xlsx") {
      a.xlsx = value();
    } else if (arg == "--pdf") {
      a.pdf = value();
    } else {
      throw BadArguments{"知らないオプションです: " + arg};
    }
  }
  if (!season || a.folders.empty()) throw BadArguments{"--season の後にフォルダを書いてください"};
  for (const fs::path& folder : a.folders) {
    std::error_code error;
    if (!fs::is_directory(folder, error))
      throw BadArguments{"フォルダがありません: " + folder.string()};
  }
  if (a.xlsx.empty() && a.pdf.empty())
    throw BadArguments{"--xlsx か --pdf で書き出すファイルを指定してください"};
  if (!a.filter.from.empty() && !a.filter.to.empty() && a.filter.from > a.filter.to)
    throw BadArguments{"--from の日付が --to の日付より後です"};
  return a;
}

std::string describe(const SeasonFile& f) {
  return f.started + "  " + f.teams[0] + " " + std::to_string(f.goals[0]) + "-" +
         std::to_string(f.goals[1]) + " " + f.teams[1] + "  (" + f.path.string() + ")";
}

}  // namespace

bool asksForSeason(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i)
    if (std::string(argv[i]) == "--season") return true;
  return false;
}

int runSeasonCommand(const std::vector<std::string>& args, const fs::path& dataFolder,
                     std::ostream& out, std::ostream& err) {
  Arguments a;
  try {
    a = parse(args);
  } catch (const BadArguments& e) {
    err << e.message << '\n' << kUsage << '\n';
    return kSeasonBadArguments;
  }
  // The window's season, from the folders given.
  SeasonModel season(dataFolder, a.folders);
  season.setFilter(a.filter);
  for (const std::string& p : season.choiceProblems()) err << p << '\n';
  const SeasonFigures& figures = season.figures();
  for (size_t i = 0; i < season.files().size(); ++i) {
    const SeasonFile& f = season.files()[i];
    if (!f.readable())
      out << "除外 (読み取れません): " << f.problem << '\n';
    else if (!f.copyOf.empty())
      out << "除外 (同じ試合の重複): " << describe(f) << "  使用: " << f.copyOf.string() << '\n';
    else if (!season.chosen(i) || f.sideOf(figures.team) == 0)
      out << "除外 (条件外): " << describe(f) << '\n';
    else
      out << "読み込み: " << describe(f) << '\n';
  }
  if (figures.matches.empty()) {
    err << "シーズンの試合がありません" << (figures.team.empty() ? "" : " (" + figures.team + ")")
        << '\n';
    return kSeasonFailed;
  }
  out << "シーズン: " << figures.team << "  " << figures.totals.matches << "試合  "
      << figures.players.size() << "人\n";
  int result = kSeasonWritten;
  auto write = [&](const std::string& path, auto writer) {
    if (path.empty()) return;
    try {
      writer(figures, path);
      out << "書き出し: " << path << '\n';
    } catch (const SaveError& e) {
      err << e.what() << '\n';
      result = kSeasonFailed;
    }
  };
  write(a.xlsx, writeSeasonWorkbook);
  write(a.pdf, writeSeasonReport);
  return result;
}

int seasonMain(int argc, char* argv[]) {
  // Drawn offscreen: the command needs no display, and takes none given.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("handball"));
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  const fs::path dataFolder =
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
  return runSeasonCommand(args, dataFolder, std::cout, std::cerr);
}
