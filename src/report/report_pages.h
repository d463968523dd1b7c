// The pages of the printed report as they fill up: A4 upright, a running
// position from the top, a new page (with the report's footer) when the
// next block does not fit. Lengths are in millimetres; text in the IPA
// fonts, which the PDF embeds.
#pragma once

#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <vector>

class ReportPages {
 public:
  // `footer` goes at the bottom left of every page, the page number right.
  ReportPages(QPdfWriter& writer, QString footer);
  ~ReportPages();

  QPainter& painter() { return painter_; }
  double width() const { return widthMm_; }  // between the margins
  double top() const { return topMm_; }      // where the next block goes
  double room() const { return heightMm_ - topMm_; }
  void moveDown(double mm) { topMm_ += mm; }
  // Starts a new page unless `mm` more fit on this one.
  void needRoom(double mm);
  void newPage();

  // Device units of a length, and of a box given in millimetres.
  double units(double mm) const;
  QRectF box(double leftMm, double topMm, double widthMm, double heightMm) const;

  // Text in the report's font at `points`, bold or not.
  QFont font(double points, bool bold = false) const;
  void text(const QRectF& box, const QString& text, double points, int flags = Qt::AlignLeft,
            bool bold = false);
  // A heading across the page, with room below it.
  void heading(const QString& text, double points = 12);

 private:
  void footerOfPage();

  QPdfWriter& writer_;
  QPainter painter_;
  QString footer_;
  double widthMm_ = 0;
  double heightMm_ = 0;
  double topMm_ = 0;
  int page_ = 1;
};

// A table that continues on the next page with its heads repeated.
struct TableColumn {
  QString head;
  double widthMm;
  int align = Qt::AlignLeft;
};

struct TableRow {
  std::vector<QString> cells;
  bool bold = false;
};

void drawTable(ReportPages& pages, const std::vector<TableColumn>& columns,
               const std::vector<TableRow>& rows, double points = 8);
