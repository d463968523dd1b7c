#include "report.h"

#include <QBuffer>
#include <QDate>
#include <QGuiApplication>
#include <stdexcept>

#include "replacing_file.h"
#include "report_sections.h"

namespace {
// Fine enough for print; the pictures are drawn in vectors over the court.
constexpr int kResolution = 600;
}  // namespace

std::string reportPdf(const Match& m) {
  if (!QGuiApplication::instance())
    throw std::logic_error("the report is drawn with a QGuiApplication alive");
  const MatchFigures f = matchFigures(m);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(kResolution);
    writer.setTitle(qs(m.fileStem));
    writer.setCreator("handball");
    ReportPages pages(writer, qs(m.fileStem) + "  " + qs(f.team(TeamId::One).name) + " - " +
                                  qs(f.team(TeamId::Two).name));
    drawFrontPage(pages, m, f, QDate::currentDate().toString("yyyy/MM/dd"));
    pages.newPage();
    for (TeamId team : kBothTeams) drawTeamTables(pages, f.team(team));
    drawRuleNotices(pages, m);
    for (TeamId team : kBothTeams) drawFederationPage(pages, m, f.team(team));
    drawMatchFigures(pages, m, f);
    for (TeamId team : kBothTeams) {
      pages.newPage();
      drawEventLog(pages, m, team);
    }
  }
  return buffer.data().toStdString();
}

void writeReport(const Match& m, const std::string& path, FileFaults* faults) {
  const std::string bytes = reportPdf(m);
  ReplacingFile file(path, faults);
  file.write(bytes);
  file.commit();
}
