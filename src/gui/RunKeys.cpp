#include "gui/RunKeys.h"

namespace kv {

QKeySequence RunButtonKey(int index) {
    switch (index) {
        case 0: return QKeySequence(Qt::Key_F5);
        case 1: return QKeySequence(Qt::Key_F6);
        case 2: return QKeySequence(Qt::Key_F7);
        case 3: return QKeySequence(Qt::Key_F8);
        case 4: return QKeySequence(Qt::Key_F9);
        case 5: return QKeySequence(Qt::SHIFT | Qt::Key_F5);
        default: return QKeySequence();
    }
}

QString TipWithKey(const QString& tip, const QKeySequence& key) {
    return tip + QStringLiteral("（") + key.toString(QKeySequence::NativeText) + QStringLiteral("）");
}

}  // namespace kv
