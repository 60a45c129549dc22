#pragma once
// The picture of the screen-shot button Image1: a small camera.

#include <QIcon>

namespace kv {

QIcon ScreenShotIcon();

}  // namespace kv
