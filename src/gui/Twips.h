#pragma once
// Window geometry is kept in twips, 1440 to the inch; the screen's logical resolution turns them
// into pixels.

#include <QtGlobal>
#include <cmath>

namespace kv {

class Twips {
public:
    explicit Twips(double dotsPerInch) : dotsPerInch_(dotsPerInch > 0 ? dotsPerInch : 96.0) {}
    // The logical resolution of the primary screen.
    static Twips OfScreen();

    int toPixels(int twips) const { return qRound(twips * dotsPerInch_ / kPerInch); }
    // The fewest pixels that hold at least the twips.
    int toPixelsAtLeast(int twips) const {
        return static_cast<int>(std::ceil(twips * dotsPerInch_ / kPerInch));
    }
    int fromPixels(int pixels) const { return qRound(pixels * kPerInch / dotsPerInch_); }
    double perPixel() const { return kPerInch / dotsPerInch_; }
    double dotsPerInch() const { return dotsPerInch_; }

private:
    static constexpr double kPerInch = 1440.0;
    double dotsPerInch_;
};

}  // namespace kv
