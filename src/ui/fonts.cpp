#include "fonts.h"

#include <QStringList>

void registerFontSubstitutions() {
  QFont::insertSubstitutions(kPGothic, QStringList() << "IPAPGothic"
                                                     << "IPA Pゴシック");
  QFont::insertSubstitutions(kGothic, QStringList() << "IPAGothic"
                                                    << "IPAゴシック");
  QFont::insertSubstitutions(kMincho, QStringList() << "IPAMincho"
                                                    << "IPA明朝");
  QFont::insertSubstitutions(kSerif, QStringList() << "DejaVu Serif"
                                                   << "Liberation Serif"
                                                   << "serif");
}

QFont designFont(const QString& family, int pixelHeight, bool italic) {
  QFont font(family);
  font.setPixelSize(pixelHeight);
  font.setItalic(italic);
  return font;
}
