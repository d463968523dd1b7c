#include "report_pages.h"

#include <QPageLayout>

namespace {

// The proportional IPA Gothic reads well small and in tables; IPAGothic
// stands in where the proportional face is missing.
const QStringList kFamilies = {"IPAPGothic", "IPAGothic"};
constexpr double kMarginMm = 12;
constexpr double kFooterMm = 6;
constexpr double kRowHeightFactor = 0.55;  // row height in mm per point of text

}  // namespace

ReportPages::ReportPages(QPdfWriter& writer, QString footer)
    : writer_(writer), footer_(std::move(footer)) {
  writer_.setPageSize(QPageSize(QPageSize::A4));
  writer_.setPageOrientation(QPageLayout::Portrait);
  writer_.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                         QPageLayout::Millimeter);
  painter_.begin(&writer_);
  const QRectF paint = writer_.pageLayout().paintRect(QPageLayout::Millimeter);
  widthMm_ = paint.width();
  heightMm_ = paint.height() - kFooterMm;
}

ReportPages::~ReportPages() {
  if (painter_.isActive()) {
    footerOfPage();
    painter_.end();
  }
}

double ReportPages::units(double mm) const {
  return mm * writer_.resolution() / 25.4;
}

QRectF ReportPages::box(double leftMm, double topMm, double widthMm, double heightMm) const {
  return {units(leftMm), units(topMm), units(widthMm), units(heightMm)};
}

QFont ReportPages::font(double points, bool bold) const {
  QFont f;
  f.setFamilies(kFamilies);
  f.setPointSizeF(points);
  f.setBold(bold);
  return f;
}

void ReportPages::text(const QRectF& box, const QString& text, double points, int flags,
                       bool bold) {
  painter_.setFont(font(points, bold));
  painter_.setPen(Qt::black);
  painter_.drawText(box, flags | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

void ReportPages::heading(const QString& title, double points) {
  const double height = points * kRowHeightFactor + 2;
  needRoom(height + 10);
  text(box(0, topMm_, widthMm_, height), title, points, Qt::AlignLeft, true);
  topMm_ += height + 1;
}

void ReportPages::needRoom(double mm) {
  if (topMm_ + mm > heightMm_ && topMm_ > 0) newPage();
}

void ReportPages::newPage() {
  footerOfPage();
  writer_.newPage();
  ++page_;
  topMm_ = 0;
}

void ReportPages::footerOfPage() {
  const QRectF line = box(0, heightMm_ + 1, widthMm_, kFooterMm - 1);
  text(line, footer_, 7, Qt::AlignLeft);
  text(line, QString::number(page_), 7, Qt::AlignRight);
}

void drawTable(ReportPages& pages, const std::vector<TableColumn>& columns,
               const std::vector<TableRow>& rows, double points) {
  const double rowMm = points * kRowHeightFactor + 1;
  const double padMm = 1;
  QPainter& p = pages.painter();
  double tableWidth = 0;
  for (const TableColumn& c : columns) tableWidth += c.widthMm;
  auto drawRow = [&](const std::vector<QString>& cells, bool bold, bool shaded) {
    double left = 0;
    if (shaded) p.fillRect(pages.box(0, pages.top(), tableWidth, rowMm), QColor(225, 225, 225));
    for (size_t c = 0; c < columns.size() && c < cells.size(); ++c) {
      const QRectF cell =
          pages.box(left + padMm, pages.top(), columns[c].widthMm - 2 * padMm, rowMm);
      pages.text(cell, cells[c], points, columns[c].align, bold);
      left += columns[c].widthMm;
    }
    p.setPen(QPen(Qt::black, pages.units(shaded ? 0.3 : 0.1)));
    const double y = pages.units(pages.top() + rowMm);
    p.drawLine(QPointF(0, y), QPointF(pages.units(left), y));
    pages.moveDown(rowMm);
  };
  std::vector<QString> heads;
  for (const TableColumn& c : columns) heads.push_back(c.head);
  pages.needRoom(2 * rowMm);
  drawRow(heads, true, true);
  for (const TableRow& row : rows) {
    if (pages.room() < rowMm) {
      pages.newPage();
      drawRow(heads, true, true);
    }
    drawRow(row.cells, row.bold, false);
  }
}
