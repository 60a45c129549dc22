#include "gui/GuiHost.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>

#include "gui/frmRun.h"
#include "gui/QtColour.h"
#include "gui/RunPanel.h"

namespace kv {

GuiHost::GuiHost(QWidget* window) : window_(window) {
    boxHandler = [this](const BoxRequest& request) { return defaultBox(request); };
    inputHandler = [this](const QString& title, const QString& prompt) {
        return defaultInput(title, prompt);
    };
    openFileHandler = [this](const FileDialogRequest& request) { return defaultOpenFile(request); };
    saveFileHandler = [this](const FileDialogRequest& request) { return defaultSaveFile(request); };
    folderHandler = [this](const QString& title, const QString& folder) {
        return QFileDialog::getExistingDirectory(window_, title, folder);
    };
    modalHandler = [](QDialog& dialog) { dialog.exec(); };
    printHandler = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, window_);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
        return dialog.exec() == QDialog::Accepted;
    };
    urlHandler = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

GuiHost::~GuiHost() = default;

void GuiHost::attach(QTextEdit* messagePane, QLabel* statusNote) {
    messagePane_ = messagePane;
    statusNote_ = statusNote;
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
    drainConsole();
    QCoreApplication::processEvents();
}

// The console text a run collected in its time slice goes in by parts, with events run between
// them, so that the window keeps answering while a trace fills the console faster than it can take
// the text.
void GuiHost::drainConsole() {
    while (console() && console()->flushPart()) QCoreApplication::processEvents();
}

// The console shows everything (the prompt of IN above all) before the wait.
void GuiHost::waitForEvents() {
    syncConsole();
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

void GuiHost::attachRun(RunPanel* panel, QTimer* autoTimer) {
    runPanel_ = panel;
    autoTimer_ = autoTimer;
}

// Also draws what the console collected, so that the end of a run is on screen at once.
void GuiHost::setRunButtons(const RunButtons& buttons) {
    buttons_ = buttons;
    if (runButtonsChanged) runButtonsChanged();
    if (runPanel_) runPanel_->SetRunButtons(buttons);
    if (console()) console()->setButtonsEnabled(buttons.consoleButtons);
    syncConsole();
}

void GuiHost::setAutoInterval(int milliseconds) {
    if (!autoTimer_) return;
    if (milliseconds <= 0) {
        autoTimer_->stop();
        autoTimer_->setInterval(0);
    } else {
        autoTimer_->start(milliseconds);
    }
}

void GuiHost::showRegisters(int ea) {
    if (runPanel_) runPanel_->ShowRegisters(ea);
}

void GuiHost::showMemoryWords(int firstAddress) {
    if (runPanel_) runPanel_->ShowMemoryWords(firstAddress);
}

void GuiHost::showStack(int firstAddress) {
    if (runPanel_) runPanel_->ShowStack(firstAddress);
}

void GuiHost::highlightCurrentLine() {
    if (runPanel_) runPanel_->HighlightCurrentLine();
}

void GuiHost::setRegisterBoxes(const bool used[8]) {
    if (runPanel_) runPanel_->SetRegisterBoxes(used);
}

void GuiHost::showChangedValues(const ChangedValues& changed) {
    if (runPanel_) runPanel_->SetChangedValues(changed);
}

void GuiHost::setStepBackEnabled(bool enabled) {
    if (runPanel_) runPanel_->SetStepBackEnabled(enabled);
    if (stepBackEntry_) stepBackEntry_->setEnabled(enabled);
}

// --- the console window ---------------------------------------------------------------------------

frmRun* GuiHost::loadConsole() {
    if (consoleLoaded_) return consoleWindow_.get();
    if (!consoleWindow_) {
        if (!consoleFactory) return nullptr;
        consoleWindow_.reset(consoleFactory());
        QObject::connect(consoleWindow_.get(), &frmRun::unloaded, consoleWindow_.get(),
                         [this] { consoleLoaded_ = false; });
    } else {
        consoleWindow_->Form_Load();
    }
    consoleLoaded_ = true;
    consoleWindow_->setButtonsEnabled(buttons_.consoleButtons);
    return consoleWindow_.get();
}

// Shown once; a run's every OUT asks again, and must not pull the window forward each time.
void GuiHost::showConsole() {
    frmRun* console = loadConsole();
    if (console && !console->isVisible()) console->show();
}

void GuiHost::bringConsoleToFront() {
    frmRun* console = loadConsole();
    if (!console) return;
    if (console->isMinimized()) console->setWindowState(console->windowState() & ~Qt::WindowMinimized);
    console->show();
    console->raise();
    console->activateWindow();
}

void GuiHost::consoleWrite(Rgb colour, const QString& text) {
    if (!console()) return;
    console()->ConsoleWrite(colour, text);
    if (!consoleSyncPending_) scheduleConsoleSync();
}

void GuiHost::consoleAppend(const QString& text) {
    if (!console()) return;
    console()->ConsoleAppend(text);
    if (!consoleSyncPending_) scheduleConsoleSync();
}

// While a run locks the console's buttons (every OUT switches typing on and off) the change waits
// for the next time slice; at the end of a run it shows at once.
void GuiHost::setConsoleEnabled(bool enabled) {
    if (!console()) return;
    console()->setTypingEnabled(enabled);
    if (buttons_.consoleButtons)
        syncConsole();
    else if (!consoleSyncPending_)
        scheduleConsoleSync();
}

void GuiHost::focusConsole() {
    if (console()) console()->focusConsole();
}

void GuiHost::setConsoleWhite() {
    if (console()) console()->setWhite();
}

// A trace calls this once per time slice and at its end, while the run buttons are still locked.
void GuiHost::scrollConsoleToCaret() {
    drainConsole();
    if (console()) console()->scrollToCaret();
}

void GuiHost::closeConsole() {
    if (console()) console()->close();
}

// Drawn by parts when events run; more parts follow while text is left.
void GuiHost::scheduleConsoleSync() {
    consoleSyncPending_ = true;
    QTimer::singleShot(0, window_, [this] {
        consoleSyncPending_ = false;
        if (console() && console()->syncPart(instructionAddress_)) scheduleConsoleSync();
    });
}

void GuiHost::syncConsole() {
    consoleSyncPending_ = false;
    if (console()) console()->sync(instructionAddress_);
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

QString GuiHost::defaultOpenFile(const FileDialogRequest& request) {
    return QFileDialog::getOpenFileName(window_, request.title, QDir(request.folder).filePath(request.proposedName),
                                        QtFileFilter(request.filter), nullptr, QFileDialog::HideNameFilterDetails);
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
