#include "clip_names.h"

namespace {

// File systems allow 255 bytes a name; the rest is for ".mp4", the
// temporary name's dot and ".part", and a " (2)" for a repeated name.
constexpr qsizetype kMaxNameBytes = 200;

bool refused(QChar c) {
  return c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() <= 0x9f) ||
         QStringLiteral("/\\:*?\"<>|").contains(c);
}

bool trimmed(QChar c) {
  return c == u'.' || c.isSpace();
}

}  // namespace

QString safeClipName(const QString& name) {
  QString safe;
  for (QChar c : name) safe += refused(c) ? QChar(u'_') : c;
  while (safe.toUtf8().size() > kMaxNameBytes) {
    safe.chop(safe.size() >= 2 && safe.back().isLowSurrogate() ? 2 : 1);
  }
  // A leading dot hides the file; Windows drops trailing dots and spaces.
  while (!safe.isEmpty() && trimmed(safe.front())) safe.remove(0, 1);
  while (!safe.isEmpty() && trimmed(safe.back())) safe.chop(1);
  return safe.isEmpty() ? QStringLiteral("clip") : safe;
}
