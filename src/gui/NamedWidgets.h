#pragma once
// Small builders of the dialogs: widgets carry object names (the names of the original forms, by
// which the tests, the screenshots and the dialogs' own code find them), and OK and cancel buttons
// close most dialogs' bottom rows.

#include <QBoxLayout>
#include <QPushButton>
#include <QString>
#include <utility>

namespace kv {

// A new T made from the arguments (caption, parent, ...), named.
template <typename T, typename... Args>
T* Named(const QString& name, Args&&... args) {
    auto* widget = new T(std::forward<Args>(args)...);
    widget->setObjectName(name);
    return widget;
}

struct OkCancel {
    QPushButton* ok;
    QPushButton* cancel;
};

// "OK" (the default button) and "キャンセル" at the end of the row, with their names; connecting
// them is the dialog's.
inline OkCancel AddOkCancel(QBoxLayout* row, QWidget* dialog, const QString& okName,
                            const QString& cancelName) {
    OkCancel buttons{Named<QPushButton>(okName, QStringLiteral("OK"), dialog),
                     Named<QPushButton>(cancelName, QStringLiteral("キャンセル"), dialog)};
    buttons.ok->setDefault(true);
    row->addWidget(buttons.ok);
    row->addWidget(buttons.cancel);
    return buttons;
}

}  // namespace kv
