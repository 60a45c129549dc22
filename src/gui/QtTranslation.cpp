#include "gui/QtTranslation.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace kv {

bool LoadQtTranslation(QApplication& application) {
    auto* translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

}  // namespace kv
