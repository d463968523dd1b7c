#include "score_flow_chart.h"

#include <QPainterPath>
#include <algorithm>
#include <vector>

namespace {

constexpr int kGridMinutes = 10;

void drawTeamMark(QPainter& p, QPointF c, double r, TeamId team) {
  p.setPen(QPen(Qt::black, r * 0.35));
  if (team == TeamId::One) {
    p.setBrush(Qt::black);
    p.drawEllipse(c, r, r);
  } else {
    p.setBrush(Qt::white);
    p.drawRect(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
  }
}

QPen teamPen(TeamId team, double width) {
  QPen pen(Qt::black, width, team == TeamId::One ? Qt::SolidLine : Qt::DashLine);
  pen.setCapStyle(Qt::FlatCap);
  return pen;
}

// The chart's box inside the target, with room for the axis labels.
struct ChartLayout {
  ChartLayout(const QRectF& target, const QFont& font, QPaintDevice* device)
      : metrics(font, device),
        labelW(metrics.horizontalAdvance("000")),
        labelH(metrics.height()),
        plot(target.left() + labelW, target.top() + labelH * 0.5,
             target.width() - labelW - labelH * 0.5, target.height() - 2 * labelH),
        thin(plot.width() / 1000) {}

  QRectF legend(const MatchFigures& f) const {
    double nameWidth = 0;
    for (const TeamFigures& t : f.teams)
      nameWidth = std::max(nameWidth, metrics.horizontalAdvance(QString::fromStdString(t.name)));
    return QRectF(plot.left() + thin * 2, plot.top() + thin * 2, labelH * 3 + nameWidth,
                  labelH * 2.2);
  }

  QFontMetricsF metrics;
  double labelW, labelH;
  QRectF plot;
  double thin;
};

}  // namespace

ScoreFlowAxis scoreFlowAxis(const Periods& periods, int lastPeriod, int lastSecond) {
  lastSecond = std::max(lastSecond, 0);
  const int shown =
      std::min(periods.count(), std::max({2, lastPeriod, periods.periodAt(lastSecond)}));
  ScoreFlowAxis axis;
  axis.periodEnds.clear();
  for (int period = 1; period <= shown; ++period)
    axis.periodEnds.push_back(periods.endSeconds(period));
  axis.seconds = std::max(axis.periodEnds.back(), lastSecond);
  // Every ten minutes, and each period's end between them.
  axis.labels.clear();
  const int minutes = axis.seconds / 60;
  for (int m = 0; m <= minutes; m += kGridMinutes) axis.labels.push_back(m);
  for (int end : axis.periodEnds)
    if (end % 60 == 0 && (end / 60) % kGridMinutes != 0) axis.labels.push_back(end / 60);
  std::sort(axis.labels.begin(), axis.labels.end());
  return axis;
}

QRectF scoreFlowLegend(const QRectF& target, const MatchFigures& f, const QFont& font,
                       QPaintDevice* device) {
  return ChartLayout(target, font, device).legend(f);
}

void drawScoreFlow(QPainter& p, const QRectF& target, const MatchFigures& f, int lastSecond,
                   const ScoreFlowAxis& axis, const QFont& font, bool markTimeOuts) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setFont(font);
  const ChartLayout layout(target, font, p.device());
  const QFontMetricsF& metrics = layout.metrics;
  const double labelW = layout.labelW, labelH = layout.labelH;
  const QRectF& plot = layout.plot;

  const double axisSeconds = std::max(axis.seconds, 1);
  // Grid lines every 1, 2, 5, 10, 20, 50 ... goals: ten at most.
  int most = 0;
  for (const TeamFigures& t : f.teams) most = std::max(most, t.goals);
  int goalStep = 1;
  for (int base = 1; most > 10 * goalStep; base *= 10)
    for (int factor : {1, 2, 5})
      if (most > 10 * goalStep) goalStep = base * factor;
  const int top = std::max(5, (most + goalStep - 1) / goalStep * goalStep);
  auto point = [&](double seconds, double goals) {
    return QPointF(plot.left() + plot.width() * seconds / axisSeconds,
                   plot.bottom() - plot.height() * goals / top);
  };

  // Grid and axis labels.
  const double thin = layout.thin;
  p.setPen(QPen(QColor(150, 150, 150), thin, Qt::DotLine));
  for (int m : axis.labels) {
    p.drawLine(point(m * 60, 0), point(m * 60, top));
    p.setPen(Qt::black);
    p.drawText(QRectF(point(m * 60, 0).x() - labelW, plot.bottom(), 2 * labelW, labelH),
               Qt::AlignCenter, QString::number(m));
    p.setPen(QPen(QColor(150, 150, 150), thin, Qt::DotLine));
  }
  for (int g = 0; g <= top; g += goalStep) {
    p.drawLine(point(0, g), point(axisSeconds, g));
    p.setPen(Qt::black);
    p.drawText(QRectF(target.left(), point(0, g).y() - labelH / 2, labelW * 0.9, labelH),
               Qt::AlignRight | Qt::AlignVCenter, QString::number(g));
    p.setPen(QPen(QColor(150, 150, 150), thin, Qt::DotLine));
  }
  // Each period's end, a solid line over the grid.
  p.setPen(QPen(QColor(90, 90, 90), thin * 3));
  for (int end : axis.periodEnds) p.drawLine(point(end, 0), point(end, top));
  p.setPen(QPen(Qt::black, thin * 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(plot);
  p.drawText(QRectF(plot.right() - labelW * 2, plot.bottom() + labelH, labelW * 2, labelH),
             Qt::AlignRight, "分");

  const double r = plot.height() / 70;
  // The legend, top left inside the plot, on white over the grid.
  const QRectF legend = layout.legend(f);
  p.fillRect(legend, Qt::white);
  // Time-outs under the score lines, each mark with its "TO" at the top. One
  // that would stand on the legend (a time-out early in the match) or on
  // the mark of one a moment before goes down below it, its line ending
  // there.
  if (markTimeOuts) {
    const double halfHeight = std::max(labelH * 0.5, r * 2);
    const double toWidth = metrics.horizontalAdvance("TO");
    std::vector<QRectF> taken{legend};
    for (TeamId team : kBothTeams)
      for (const TimeOutFigure& o : f.team(team).timeOuts) {
        QPointF head = point(o.clockSeconds, top) + QPointF(0, labelH * 0.5);
        QRectF label(head.x() - r * 1.5, head.y() - halfHeight, r * 3 + toWidth, 2 * halfHeight);
        for (bool moved = true; moved;) {
          moved = false;
          for (const QRectF& other : taken)
            if (label.intersects(other)) {
              label.moveTop(other.bottom());
              moved = true;
            }
        }
        const bool below = label.top() > head.y() - halfHeight;
        head.setY(label.center().y());
        taken.push_back(label);
        QPen pen = teamPen(team, thin * 3);
        pen.setColor(QColor(120, 120, 120));
        p.setPen(pen);
        p.drawLine(point(o.clockSeconds, 0), below ? head : point(o.clockSeconds, top));
        drawTeamMark(p, head, r, team);
        p.setPen(Qt::black);
        p.drawText(QRectF(head.x() + r * 1.5, head.y() - labelH / 2, labelW * 2, labelH),
                   Qt::AlignLeft | Qt::AlignVCenter, "TO");
      }
  }
  for (TeamId team : kBothTeams) {
    QPainterPath steps(point(0, 0));
    int goals = 0;
    for (const ScorePoint& s : f.scoreFlow) {
      if (s.team != team) continue;
      steps.lineTo(point(s.clockSeconds, goals));
      steps.lineTo(point(s.clockSeconds, ++goals));
    }
    steps.lineTo(point(std::max(lastSecond, 0), goals));
    p.setPen(teamPen(team, thin * 4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(steps);
    goals = 0;
    for (const ScorePoint& s : f.scoreFlow)
      if (s.team == team) drawTeamMark(p, point(s.clockSeconds, ++goals), r, team);

    const QPointF at(plot.left() + labelH * 0.5, plot.top() + labelH * (teamNumber(team) - 0.3));
    p.setPen(teamPen(team, thin * 4));
    p.drawLine(at, at + QPointF(labelH * 2, 0));
    drawTeamMark(p, at + QPointF(labelH, 0), r, team);
    p.setPen(Qt::black);
    p.drawText(QRectF(at.x() + labelH * 2.5, at.y() - labelH / 2, plot.width() / 2, labelH),
               Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(f.team(team).name));
  }
  p.restore();
}
