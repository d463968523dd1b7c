#include "cp932_text.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

namespace {

class Converter {
 public:
  Converter() : cd_(iconv_open("CP932", "UTF-8")) {
    if (cd_ == reinterpret_cast<iconv_t>(-1))
      throw std::runtime_error("CP932 conversion is not available");
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // `lost`, when given, collects each character that became "?".
  std::string convert(std::string_view utf8, std::string* lost = nullptr) {
    std::string out;
    out.reserve(utf8.size());
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(utf8.data());
    size_t inLeft = utf8.size();
    char buffer[256];
    while (inLeft > 0) {
      char* dst = buffer;
      size_t dstLeft = sizeof buffer;
      const size_t result = iconv(cd_, &in, &inLeft, &dst, &dstLeft);
      out.append(buffer, dst);
      if (result != static_cast<size_t>(-1) || errno == E2BIG) continue;
      // EILSEQ: a character without a CP932 code or a malformed byte;
      // EINVAL: a sequence cut off at the end. Either stands as one "?".
      out.push_back('?');
      const bool unmapped = errno == EILSEQ;
      const size_t skip = unmapped ? characterLength(in, inLeft) : inLeft;
      if (lost && unmapped && skip > 1) {
        const std::string_view character(in, skip);
        if (lost->find(character) == std::string::npos) lost->append(character);
      }
      in += skip;
      inLeft -= skip;
    }
    return out;
  }

 private:
  // Bytes of the UTF-8 character at `p`: its lead byte and the continuation
  // bytes that follow it; a stray byte stands alone.
  static size_t characterLength(const char* p, size_t left) {
    const auto lead = static_cast<unsigned char>(p[0]);
    const size_t expected = lead >= 0xC2 && lead <= 0xDF   ? 2
                            : lead >= 0xE0 && lead <= 0xEF ? 3
                            : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                           : 1;
    size_t length = 1;
    while (length < expected && length < left &&
           (static_cast<unsigned char>(p[length]) & 0xC0) == 0x80)
      ++length;
    return length;
  }

  iconv_t cd_;
};

}  // namespace

namespace {
bool isAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}
}  // namespace

std::string toCp932(std::string_view utf8) {
  // Most cells are numbers, counts and empty: ASCII is the same bytes in
  // CP932, and the save writes tens of thousands of such cells.
  if (isAscii(utf8)) return std::string(utf8);
  static Converter converter;
  return converter.convert(utf8);
}

std::string lostInCp932(std::string_view utf8) {
  if (isAscii(utf8)) return {};
  static Converter converter;
  std::string lost;
  converter.convert(utf8, &lost);
  return lost;
}
