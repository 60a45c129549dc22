#include "workbench/gui/GuiHost.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QStringList>
#include <QTextCursor>
#include <QTextEdit>

#include "workbench/gui/QtColour.h"

namespace kv {

GuiHost::GuiHost(QWidget* window) : window_(window) {
    boxHandler = [this](const BoxRequest& request) { return defaultBox(request); };
    inputHandler = [this](const QString& title, const QString& prompt) {
        return defaultInput(title, prompt);
    };
    saveFileHandler = [this](const FileDialogRequest& request) { return defaultSaveFile(request); };
    modalHandler = [](QDialog& dialog) { dialog.exec(); };
}

void GuiHost::attach(QTextEdit* messagePane, QLabel* statusNote, QAbstractButton* editModeButton,
                     QAbstractButton* assembleButton) {
    messagePane_ = messagePane;
    statusNote_ = statusNote;
    editModeButton_ = editModeButton;
    assembleButton_ = assembleButton;
}

void GuiHost::beep() {
    QApplication::beep();
}

BoxAnswer GuiHost::messageBox(const QString& text, const QString& title, BoxIcon icon, BoxButtons buttons) {
    return boxHandler(BoxRequest{text, title, icon, buttons});
}

QString GuiHost::inputBox(const QString& title, const QString& prompt) {
    return inputHandler(title, prompt);
}

void GuiHost::letEventsRun() {
    QCoreApplication::processEvents();
}

void GuiHost::waitForEvents() {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void GuiHost::setStatusNote(const QString& text) {
    if (statusNote_) statusNote_->setText(text);
}

void GuiHost::appendMessage(Rgb colour, const QString& text) {
    if (!messagePane_) return;
    QTextCursor cursor(messagePane_->document());
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat format;
    format.setForeground(ToQColor(colour));
    cursor.insertText(text + QLatin1Char('\n'), format);
    messagePane_->ensureCursorVisible();
}

void GuiHost::setRunButtons(const RunButtons& buttons) {
    if (editModeButton_) editModeButton_->setEnabled(buttons.editMode);
    if (assembleButton_) assembleButton_->setEnabled(buttons.assemble);
}

BoxAnswer GuiHost::defaultBox(const BoxRequest& request) {
    QMessageBox box(window_);
    box.setWindowTitle(request.title);
    box.setText(request.text);
    box.setIcon(request.icon == BoxIcon::Information   ? QMessageBox::Information
                : request.icon == BoxIcon::Exclamation ? QMessageBox::Warning
                                                       : QMessageBox::NoIcon);
    switch (request.buttons) {
        case BoxButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case BoxButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case BoxButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes: return BoxAnswer::Yes;
        case QMessageBox::No: return BoxAnswer::No;
        case QMessageBox::Cancel: return BoxAnswer::Cancel;
        default: return request.buttons == BoxButtons::Ok ? BoxAnswer::Ok : BoxAnswer::Cancel;
    }
}

QString GuiHost::defaultInput(const QString& title, const QString& prompt) {
    return QInputDialog::getText(window_, title, prompt);
}

QString GuiHost::defaultSaveFile(const FileDialogRequest& request) {
    return QFileDialog::getSaveFileName(
        window_, request.title, QDir(request.folder).filePath(request.proposedName),
        QtFileFilter(request.filter), nullptr,
        QFileDialog::DontConfirmOverwrite | QFileDialog::HideNameFilterDetails);
}

QString QtFileFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + QStringLiteral(" (") +
                       QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')) + QLatin1Char(')');
    return filters.join(QStringLiteral(";;"));
}

}  // namespace kv
