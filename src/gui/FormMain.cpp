#include "gui/FormMain.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "gui/SourceEditor.h"
#include "gui/RunPanel.h"

namespace kv {

FormMain::FormMain(StartupInfo startup, const FixedFont& font, Twips twips)
    : startup_(std::move(startup)),
      font_(font),
      twips_(twips),
      host_(this),
      bench_(host_, startup_.programFolder) {
    bench_.LoadSettings(twips_.perPixel());
    lastAppliedFontSize_ = bench_.session.settings.paneFontSize;
    setObjectName(QStringLiteral("FormMain"));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("FormMainClient"));
    setCentralWidget(client);
    buildModeButtons(client);
    buildEditPanel(client);
    buildAssemblePanel(client);
    buildRunPanel(client);
    buildStatusBar();
    buildMenus();
    host_.attach(assemble_.messages, status_.note);
    host_.runButtonsChanged = [this] { paintModeButtons(); };
    timer400_ = new QTimer(this);
    timer400_->setObjectName(QStringLiteral("Timer400"));
    connect(timer400_, &QTimer::timeout, this, [this] { bench_.run.AutoTick(); });
    host_.attachRun(runPanel_, timer400_);
    host_.consoleFactory = [this] { return createConsole(); };
    edit_.editor->setTabStops(TabStopsFrom(bench_.session.settings));
}

FormMain::~FormMain() = default;

void FormMain::Form_Load() {
    const Settings& settings = bench_.session.settings;
    SetWindowTitle(QStringLiteral("新規"));
    bench_.setMode(Mode::None);
    QCoreApplication::processEvents();
    move(twips_.toPixels(settings.windowLeft), twips_.toPixels(settings.windowTop));
    resize(twips_.toPixels(settings.windowWidth), twips_.toPixels(settings.windowHeight));
    checkFontMenu();
    RefreshRecentMenu();
    maximisedNow_ = settings.maximiseAtStart == 1;
    setWindowState(maximisedNow_ ? Qt::WindowMaximized : Qt::WindowNoState);
    bench_.setMode(Mode::Edit);
    ApplyMode(0);
    edit_.panel->raise();
    if (!openCommandLineFile()) loadInitialFile();
    bench_.document.EnterSourceFolder();
}

void FormMain::Form_Activate() {
    edit_.editor->setTabStops(TabStopsFrom(bench_.session.settings));
    if (maximisedNow_ && !isMaximized())
        showMaximized();
    else if (!maximisedNow_ && isMaximized())
        showNormal();
    keepTitleBarOnScreen();
}

// The stored position is where the window's client area went; some window managers put the title
// bar above it, off the screen, where the learner cannot take hold of the window. It comes down.
void FormMain::keepTitleBarOnScreen() {
    if (isMaximized() || isFullScreen() || screen() == nullptr) return;
    const QRect available = screen()->availableGeometry();
    const QRect frame = frameGeometry();
    const int down = std::max(0, available.top() - frame.top());
    const int right = std::max(0, available.left() - frame.left());
    if (down > 0 || right > 0) move(pos() + QPoint(right, down));
}

void FormMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
}

void FormMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void FormMain::closeEvent(QCloseEvent* event) {
    if (!Form_Unload()) {
        event->ignore();
        return;
    }
    endRunForExit();
    event->accept();
}

void FormMain::SetWindowTitle(const QString& name) {
    setWindowTitle(QStringLiteral("『KavoraⅡ』　ファイル名：") + name);
}

void FormMain::FormatAndCheckAll() {
    QProgressBar* progress = status_.progress;
    const QString text = edit_.editor->toPlainText();
    QElapsedTimer slice;
    slice.start();
    const FormattedText formatted = kv::FormatAndCheckAll(bench_.checker, text, [&](int position) {
        if (progress->isHidden()) {
            progress->setRange(1, std::max<int>(1, text.size()));
            progress->setValue(1);
            progress->show();
        }
        if (slice.elapsed() < 16) return;
        slice.restart();
        progress->setValue(std::max(1, position));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    if (formatted.changed) edit_.editor->showFormatted(formatted);
    progress->hide();
}

}  // namespace kv
