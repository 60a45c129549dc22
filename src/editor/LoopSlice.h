#pragma once
// A long loop over a text (conversion, formatting, replacing) lets pending window events run once
// per time slice of a few milliseconds, never once per step, and tells the progress display where
// it is at those moments. Reading the clock costs more than a short step, so it is read only every
// few steps.

#include <QElapsedTimer>
#include <QString>
#include <functional>

namespace kv {

class Events;

class LoopSlice {
public:
    static constexpr qint64 kMilliseconds = 8;
    static constexpr int kStepsPerClockReading = 16;
    // Told the position in the text that the loop has reached, once per slice.
    using Progress = std::function<void(qsizetype position)>;

    explicit LoopSlice(Events& events, Progress progress = {});

    // One step of the loop, at a position of the text.
    void tick(qsizetype position);

private:
    Events& events_;
    Progress progress_;
    int countdown_ = kStepsPerClockReading;
    QElapsedTimer timer_;
};

}  // namespace kv
