#include "app/window_fonts.h"

#include <QStringList>

namespace velmora {

namespace {

QFont JapaneseFont(int pixelSize) {
  QFont font;
  font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                    QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAPGothic")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelSize);
  font.setWeight(QFont::Normal);
  font.setStyle(QFont::StyleNormal);
  return font;
}

}  // namespace

QFont WindowFont() { return JapaneseFont(12); }

QFont LabelFont() { return JapaneseFont(16); }

}  // namespace velmora
