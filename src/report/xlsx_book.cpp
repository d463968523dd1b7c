#include "xlsx_book.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>

#include "number_text.h"
#include "save_error.h"

namespace {

// A cell holds at most this many characters; longer text is cut there.
constexpr size_t kMaxCellCharacters = 32767;
constexpr double kMinWidth = 4, kMaxWidth = 60, kWidthMargin = 2;

char32_t nextCodePoint(std::string_view s, size_t& i) {
  const auto lead = static_cast<unsigned char>(s[i++]);
  const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
  for (int n = 0; n < extra && i < s.size(); ++n) c = (c << 6) | (s[i++] & 0x3F);
  return c;
}

bool wide(char32_t c) {
  if (c >= 0xFF61 && c <= 0xFF9F) return false;  // half-width katakana
  return c >= 0x1100;
}

std::string_view cutToCellLength(std::string_view text) {
  size_t i = 0;
  for (size_t n = 0; i < text.size() && n < kMaxCellCharacters; ++n) nextCodePoint(text, i);
  return text.substr(0, i);
}

}  // namespace

double displayWidth(std::string_view utf8) {
  double width = 0;
  for (size_t i = 0; i < utf8.size();) width += wide(nextCodePoint(utf8, i)) ? 2 : 1;
  return width;
}

void XlsxSheet::check(int error) {
  if (error != LXW_NO_ERROR && book_.firstError_ == 0) book_.firstError_ = error;
}

void XlsxSheet::widen(int col, double width) {
  double& w = widths_[col];
  w = std::max(w, width);
}

void XlsxSheet::textCell(int row, int col, std::string_view text, lxw_format* format) {
  const std::string cell(cutToCellLength(text));
  check(worksheet_write_string(sheet_, row, col, cell.c_str(), format));
  widen(col, displayWidth(cell));
}

void XlsxSheet::heads(int row, const std::vector<std::string>& texts) {
  for (int col = 0; col < static_cast<int>(texts.size()); ++col)
    textCell(row, col, texts[col], book_.head_);
}

void XlsxSheet::text(int row, int col, std::string_view text) {
  if (text.empty()) return;
  textCell(row, col, text, nullptr);
}

void XlsxSheet::number(int row, int col, double value) {
  check(worksheet_write_number(sheet_, row, col, value, nullptr));
  char digits[32];
  widen(col, std::snprintf(digits, sizeof digits, "%g", value));
}

void XlsxSheet::rate(int row, int col, std::optional<double> value) {
  if (!value) return;
  check(worksheet_write_number(sheet_, row, col, *value, book_.percent_));
  widen(col, 6);  // "100.0%"
}

void XlsxSheet::time(int row, int col, int seconds) {
  check(worksheet_write_number(sheet_, row, col, seconds / 86400.0, book_.time_));
  widen(col, 5);
}

void XlsxSheet::shirtNumber(int row, int col, const std::string& typed) {
  if (const auto n = parseInt(typed))
    number(row, col, *n);
  else
    text(row, col, typed);
}

void XlsxSheet::setWidths() {
  for (const auto& [col, width] : widths_)
    check(worksheet_set_column(sheet_, col, col,
                               std::clamp(width + kWidthMargin, kMinWidth, kMaxWidth), nullptr));
}

namespace {

// A workbook is a zip archive, which ends with its end-of-directory record
// (22 bytes, no comment). A write the library did not notice failing shows
// here, before the file may replace an older one.
bool endsLikeAWorkbook(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in || in.tellg() < 22) return false;
  in.seekg(-22, std::ios::end);
  char record[4] = {};
  in.read(record, sizeof record);
  return in && std::string(record, 4) == std::string("PK\x05\x06", 4);
}

}  // namespace

XlsxBook::XlsxBook(const std::string& path, const std::string& target)
    : path_(path), target_(target) {
  book_ = workbook_new(path.c_str());
  if (!book_) throw SaveError(ENOMEM, target_);
  head_ = workbook_add_format(book_);
  format_set_bold(head_);
  format_set_bottom(head_, LXW_BORDER_THIN);
  format_set_bg_color(head_, 0xE0E0E0);
  percent_ = workbook_add_format(book_);
  format_set_num_format(percent_, "0.0%");
  time_ = workbook_add_format(book_);
  format_set_num_format(time_, "[mm]:ss");
}

XlsxBook::~XlsxBook() {
  if (book_) lxw_workbook_free(book_);
}

XlsxSheet& XlsxBook::addSheet(const std::string& name) {
  lxw_worksheet* sheet = workbook_add_worksheet(book_, name.c_str());
  if (!sheet) throw SaveError(EINVAL, target_);
  sheets_.push_back(std::unique_ptr<XlsxSheet>(new XlsxSheet(*this, sheet)));
  worksheet_freeze_panes(sheet, 1, 0);
  return *sheets_.back();
}

void XlsxBook::setTitle(const std::string& title) {
  title_ = title;
  lxw_doc_properties properties{};
  properties.title = title_.data();
  if (workbook_set_properties(book_, &properties) != LXW_NO_ERROR && firstError_ == 0)
    firstError_ = LXW_ERROR_PARAMETER_VALIDATION;
}

void XlsxBook::close() {
  for (const auto& sheet : sheets_) sheet->setWidths();
  if (firstError_ != 0) throw SaveError(EINVAL, target_);
  errno = 0;
  const lxw_error error = workbook_close(book_);
  book_ = nullptr;  // closing frees it, whether it wrote the file or not
  if (error != LXW_NO_ERROR) throw SaveError(errno != 0 ? errno : EIO, target_);
  if (!endsLikeAWorkbook(path_)) throw SaveError(EIO, target_);
}
