#include "editor/LoopSlice.h"

#include "host/Host.h"

namespace kv {

LoopSlice::LoopSlice(Events& events, Progress progress) : events_(events), progress_(std::move(progress)) {
    timer_.start();
}

void LoopSlice::tick(qsizetype position) {
    if (--countdown_ > 0) return;
    countdown_ = kStepsPerClockReading;
    if (timer_.elapsed() < kMilliseconds) return;
    if (progress_) progress_(position);
    events_.letEventsRun();
    timer_.restart();
}

}  // namespace kv
