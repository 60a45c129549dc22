#include "gui/Twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace kv {

Twips Twips::OfScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return Twips(screen ? screen->logicalDotsPerInch() : 96.0);
}

}  // namespace kv
