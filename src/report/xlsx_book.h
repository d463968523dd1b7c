// A thin layer over libxlsxwriter for the analysis workbook: typed cells
// (text, whole numbers, rates as percentages, match times), heads in bold
// in a frozen first row, and columns as wide as their widest cell.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

class XlsxBook;

class XlsxSheet {
 public:
  // A row of heads in bold, from column 0.
  void heads(int row, const std::vector<std::string>& texts);
  void text(int row, int col, std::string_view text);
  void number(int row, int col, double value);
  // A rate from 0 to 1 shown as a percentage; none leaves the cell empty.
  void rate(int row, int col, std::optional<double> value);
  // Seconds of play shown as minutes and seconds ("[mm]:ss", minutes past 59 kept).
  void time(int row, int col, int seconds);
  // A shirt number typed as a whole number goes in as a number, any other
  // text as typed; an empty one leaves the cell empty.
  void shirtNumber(int row, int col, const std::string& typed);

 private:
  friend class XlsxBook;
  XlsxSheet(XlsxBook& book, lxw_worksheet* sheet) : book_(book), sheet_(sheet) {}
  void check(int error);
  void textCell(int row, int col, std::string_view text, lxw_format* format);
  void widen(int col, double width);
  void setWidths();

  XlsxBook& book_;
  lxw_worksheet* sheet_;
  std::map<int, double> widths_;
};

class XlsxBook {
 public:
  // Nothing is written before close(). Errors name `target`, the file the
  // operator asked for, whatever `path` is written first.
  XlsxBook(const std::string& path, const std::string& target);
  ~XlsxBook();
  XlsxBook(const XlsxBook&) = delete;
  XlsxBook& operator=(const XlsxBook&) = delete;

  // Sheets stay valid until close(); their order is the order of adding.
  // The first row of each stays in view when the rows below scroll.
  XlsxSheet& addSheet(const std::string& name);
  void setTitle(const std::string& title);
  // Writes the whole workbook to the path and checks that it ends as a
  // workbook does. Throws SaveError.
  void close();

 private:
  friend class XlsxSheet;
  lxw_workbook* book_ = nullptr;
  lxw_format* head_ = nullptr;
  lxw_format* percent_ = nullptr;
  lxw_format* time_ = nullptr;
  std::vector<std::unique_ptr<XlsxSheet>> sheets_;
  std::string title_;
  std::string path_;
  std::string target_;
  int firstError_ = 0;
};

// The width of text in a spreadsheet's columns: CJK and other wide
// characters count two, half-width katakana and the rest one.
double displayWidth(std::string_view utf8);
