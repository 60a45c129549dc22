#pragma once
// The one font of the workbench's texts: a Japanese face in which every half-width character is
// exactly half as wide as a full-width one, so that the editor's columns line up.

#include <QFont>
#include <QString>

namespace kv {

class FixedFont {
public:
    // Maps "ＭＳ ゴシック" to the Japanese fixed-pitch faces this system has and picks the first of
    // them that keeps the half-width grid; without one, the system's fixed font.
    static FixedFont Choose(double dotsPerInch);

    // The font at a size in points, as an even number of pixels so that a half-width character is
    // a whole number of pixels wide.
    QFont at(int pointSize) const;
    const QString& family() const { return family_; }

    // True when "A" is exactly half as wide as "実" in the font.
    static bool HasHalfWidthGrid(const QFont& font);

private:
    FixedFont(QString family, double dotsPerInch) : family_(std::move(family)), dotsPerInch_(dotsPerInch) {}

    QString family_;
    double dotsPerInch_;
};

}  // namespace kv
