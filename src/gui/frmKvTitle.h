#pragma once
// The title window: the program's name, its purpose, what it needs of the screen and its version.
// Shown without waiting while the workbench starts, and modally from the Help menu; a click
// anywhere on it closes it.

#include <QDialog>

namespace kv {

class FixedFont;

class frmKvTitle : public QDialog {
    Q_OBJECT

public:
    explicit frmKvTitle(const FixedFont& font, QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace kv
