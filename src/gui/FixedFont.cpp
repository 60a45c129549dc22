#include "gui/FixedFont.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>
#include <cmath>

namespace kv {

namespace {

// Japanese faces with half-width characters of exactly half the full width, best first.
const QStringList& Candidates() {
    static const QStringList families{
        QStringLiteral("IPAGothic"),
        QStringLiteral("IPAゴシック"),
        QStringLiteral("Noto Sans Mono CJK JP"),
        QStringLiteral("VL Gothic"),
        QStringLiteral("TakaoGothic"),
        QStringLiteral("MS Gothic"),
        QStringLiteral("Osaka－等幅"),
        QStringLiteral("Sarasa Mono J"),
    };
    return families;
}

const QString kMsGothic = QStringLiteral("ＭＳ ゴシック");

}  // namespace

FixedFont FixedFont::Choose(double dotsPerInch) {
    const QStringList present = QFontDatabase::families();
    QStringList available;
    for (const QString& family : Candidates())
        if (present.contains(family)) available << family;
    QFont::insertSubstitutions(kMsGothic, available);
    for (const QString& family : available) {
        QFont font(family);
        font.setPixelSize(16);
        if (HasHalfWidthGrid(font)) return FixedFont(family, dotsPerInch);
    }
    return FixedFont(QFontDatabase::systemFont(QFontDatabase::FixedFont).family(), dotsPerInch);
}

QFont FixedFont::at(int pointSize) const {
    QFont font(family_);
    font.setStyleHint(QFont::TypeWriter);
    const int halfPixels = std::max(1, static_cast<int>(std::lround(pointSize * dotsPerInch_ / 144.0)));
    font.setPixelSize(2 * halfPixels);
    return font;
}

bool FixedFont::HasHalfWidthGrid(const QFont& font) {
    const QFontMetrics metrics(font);
    return metrics.inFontUcs4(U'実') &&
           2 * metrics.horizontalAdvance(QLatin1Char('A')) == metrics.horizontalAdvance(QStringLiteral("実"));
}

}  // namespace kv
