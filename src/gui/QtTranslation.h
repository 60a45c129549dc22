#pragma once
// Qt's own texts in Japanese: the standard buttons of the boxes (はい, いいえ, キャンセル, OK), the
// input box and the whole file and print dialogs come from Qt itself and would be English on a
// machine with another language.

class QApplication;

namespace kv {

// Installs Qt's Japanese translation from Qt's translations folder, whatever the machine's locale;
// call it before the first window. False when the translation is not installed (the texts stay
// English).
bool LoadQtTranslation(QApplication& application);

}  // namespace kv
