// The window's two fonts, "ＭＳ Ｐゴシック" (Japanese, regular, window-text
// colour) by character height in pixels, which Qt scales with the display's
// resolution like every other size of the window:
//   WindowFont: 12 px (9 pt at 96 dpi), for every control but the labels;
//   LabelFont:  16 px (12 pt at 96 dpi), for the labels.
// Where that face is missing, the first installed of its Latin name
// "MS PGothic", "Noto Sans CJK JP" and "IPAPGothic" takes its place, and Qt's
// per-character fallback covers what the chosen face lacks: Japanese text is
// drawn, never boxes.
#pragma once

#include <QFont>

namespace velmora {

QFont WindowFont();
QFont LabelFont();

}  // namespace velmora
