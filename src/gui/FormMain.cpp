#include "gui/FormMain.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "gui/SourceEditor.h"
#include "workbench/Session.h"
#include "gui/RunPanel.h"

namespace kv {

FormMain::FormMain(Session& session, StartupInfo startup, const FixedFont& font, Twips twips)
    : session_(session),
      startup_(std::move(startup)),
      font_(font),
      twips_(twips),
      host_(this),
      checker_(session.table, session.settings),
      notes_(host_, session.machine, session.assembly),
      run_(session.machine, session.assembly, session.error, session.settings, trace_, device_, notes_,
           host_),
      currentFileName_(QString::fromUtf16(kUntitled)),
      lastAppliedFontSize_(session.settings.paneFontSize),
      dialogFolder_(session.settings.sourceFolder) {
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
    host_.attach(assemble_.messages, status_.note, modeButtons_.edit, modeButtons_.assemble);
    timer400_ = new QTimer(this);
    timer400_->setObjectName(QStringLiteral("Timer400"));
    connect(timer400_, &QTimer::timeout, this, [this] { run_.AutoTick(); });
    host_.attachRun(runPanel_, timer400_);
    host_.consoleFactory = [this] { return createConsole(); };
    trace_.load(session_.settings.trace);
    edit_.editor->setTabStops(TabStopsFrom(session_.settings));
}

FormMain::~FormMain() = default;

void FormMain::Form_Load() {
    const Settings& settings = session_.settings;
    SetWindowTitle(QStringLiteral("新規"));
    mode_ = Mode::None;
    QCoreApplication::processEvents();
    move(twips_.toPixels(settings.windowLeft), twips_.toPixels(settings.windowTop));
    resize(twips_.toPixels(settings.windowWidth), twips_.toPixels(settings.windowHeight));
    checkFontMenu();
    RefreshRecentMenu();
    maximisedNow_ = settings.maximiseAtStart == 1;
    setWindowState(maximisedNow_ ? Qt::WindowMaximized : Qt::WindowNoState);
    mode_ = Mode::Edit;
    ApplyMode(0);
    edit_.panel->raise();
    if (!openCommandLineFile()) loadInitialFile();
    enterSourceFolder();
    dialogFolder_ = session_.settings.sourceFolder;
}

void FormMain::Form_Activate() {
    edit_.editor->setTabStops(TabStopsFrom(session_.settings));
    if (maximisedNow_ && !isMaximized())
        showMaximized();
    else if (!maximisedNow_ && isMaximized())
        showNormal();
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
    const FormattedText formatted = kv::FormatAndCheckAll(checker_, text, [&](int position) {
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
