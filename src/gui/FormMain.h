#pragma once
// The workbench's main window: one source text, three mode panels stacked in one place (edit,
// assemble, run; one visible at a time), the three mode buttons that lead from editing to
// assembling to running, a menu bar whose top-level menus follow the mode, and a status bar.
//
// The window's code is split by concern: FormMain.cpp (loading, activation, resizing, state),
// FormMainPanels.cpp (building the panels), FormMainMenus.cpp (menus), FormMainLayout.cpp
// (ApplyMode, ArrangePanels, ApplyFontAndRows), FormMainFiles.cpp (files, start-up files, closing),
// FormMainAssemble.cpp (the mode buttons' commands and the assemble panel), FormMainRun.cpp (the
// run buttons, the console window and the trace options window), FormMainStepBack.cpp (stepping
// back), FormMainText.cpp (find, replace and the old-CASL conversion) and FormMainTools.cpp (the
// options, the dumps and the input device window).

#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>

#include "gui/FixedFont.h"
#include "gui/GuiHost.h"
#include "gui/Twips.h"
#include "workbench/Workbench.h"

class QAction;
class QActionGroup;
class QFont;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTextEdit;
class QTimer;

namespace kv {

class RunPanel;
class SourceEditor;
class frmDmpOption;
class frmRun;

// Where the workbench keeps its own files, and the command line it was started with.
struct StartupInfo {
    QString programFolder;
    QString commandLine;  // the whole argument text
};

class FormMain : public QMainWindow {
    Q_OBJECT

public:
    // Makes the one workbench of the program and reads its settings (the defaults, then the
    // settings file of the program folder over them).
    FormMain(StartupInfo startup, const FixedFont& font, Twips twips);
    ~FormMain() override;

    // Sets up the window from the settings, opens the command line's program file or the initial
    // file, and enters edit mode.
    void Form_Load();
    void Form_Activate();
    void keepTitleBarOnScreen();

    // The mode buttons "編集モード", "アセンブル" and "実行モード".
    void Command001_Click();
    void Command002_Click();
    void Command003_Click();

    void ApplyMode(int code);
    void ArrangePanels();
    void ApplyFontAndRows();
    void SetWindowTitle(const QString& name);
    // Checks and rewrites the whole editor text, showing the progress in the status bar.
    void FormatAndCheckAll();

    // The run buttons Command4 0 to 5 by index.
    void Command4_Click(int index);
    // The trace options window, modal; true unless it was cancelled.
    bool ShowTraceOptions();

    GuiHost& host() { return host_; }
    Workbench& workbench() { return bench_; }
    SourceEditor& editor() { return *edit_.editor; }
    RunPanel& runPanel() { return *runPanel_; }
    RunControl& runControl() { return bench_.run; }
    TraceOptions& traceOptions() { return bench_.trace; }
    Mode currentMode() const { return bench_.mode(); }
    bool programModified() const { return bench_.document.modified(); }
    const QString& currentFileName() const { return bench_.document.fileName(); }
    const QString& listKind() const { return listKind_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    static constexpr int kButtonHeight = 28;                  // pixels, of every button
    static constexpr int kModeRowHeight = kButtonHeight + 8;  // pixels, the mode buttons above the panels

    struct ModeButtons {
        QPushButton* edit = nullptr;      // Command001
        QPushButton* assemble = nullptr;  // Command002
        QPushButton* run = nullptr;       // Command003
    };
    struct EditPanel {
        QWidget* panel = nullptr;  // Picture100
        SourceEditor* editor = nullptr;
        QLabel* captions[3] = {};    // Label101, Label102, Label103
        QWidget* bars[2] = {};       // Picture101, Picture102
        QLabel* measure = nullptr;   // Label199
        QWidget* buttons = nullptr;  // the row of Command1
    };
    struct AssemblePanel {
        QWidget* panel = nullptr;       // Picture300
        QTextEdit* messages = nullptr;  // RichTextBox300
        QTextEdit* list = nullptr;      // RichTextBox310
        QWidget* buttons = nullptr;     // the row of Command3
    };
    struct Menus {
        QMenu* file = nullptr;                // mn10
        QMenu* fileOnly = nullptr;            // mn100
        QMenu* edit = nullptr;                // mn20
        QMenu* font = nullptr;                // mn30
        QMenu* tools = nullptr;               // mn40
        QMenu* run = nullptr;                 // mn50
        QMenu* help = nullptr;                // mn90
        std::array<QAction*, 3> fontSizes{};  // mn311, mn312, mn313
        std::array<QAction*, 4> recent{};     // mn_file 1 to 4
    };
    struct Status {
        QLabel* mode = nullptr;  // first panel: the current mode
        QLabel* note = nullptr;  // second panel: ShowRunNote
        QProgressBar* progress = nullptr;
    };

    // FormMainPanels.cpp
    void buildModeButtons(QWidget* client);
    void buildEditPanel(QWidget* client);
    void buildAssemblePanel(QWidget* client);
    void buildRunPanel(QWidget* client);
    void buildStatusBar();
    QPushButton* addCommand(QWidget* row, const QString& name, const QString& caption,
                            std::function<void()> command);

    // FormMainMenus.cpp
    void buildMenus();
    void showMenus(std::initializer_list<QMenu*> visible);
    void ShowHelpPage();
    void ScreenShot();
    void RefreshRecentMenu();
    void ChooseFontSize(int size);
    void checkFontMenu();
    void showTitleWindow();

    // FormMainLayout.cpp
    void Form_Resize();
    void arrangeEditPanel(int panelHeight, int panelWidth);
    void arrangeAssemblePanel(int panelHeight, int panelWidth);
    // The mode buttons as the workbench's mode table and the run's lock give them.
    void paintModeButtons();
    int windowWidthTwips() const;
    int windowHeightTwips() const;

    // FormMainFiles.cpp
    void New();
    void NewFromTemplate();
    void Open();
    void Merge();
    bool Save();
    bool SaveAs();
    void StoreTemplate();
    void PrintSource();
    void PrintText(const QString& text, const QFont& font);
    void OpenRecentFile(int index);
    void AddRecentFile(const QString& path);
    void showProgramText(const QString& path, const QString& text);
    bool openCommandLineFile();
    void loadInitialFile();
    bool Form_Unload();

    // FormMainAssemble.cpp
    void Command3_Click(int index);
    void SaveList();
    void PrintList();
    void CopyList();
    void showList(const QString& kind);

    // FormMainText.cpp: find (mn25), replace (mn26) and the old-CASL conversion (mn43).
    void FindCommand();
    void ReplaceCommand();
    void ConvertOldCaslCommand();

    // FormMainRun.cpp
    void TraceCommand();
    frmRun* createConsole();
    // The main window closes: a run, an input wait and automatic running end, the console closes.
    void endRunForExit();

    // FormMainStepBack.cpp: "戻る", the run menu's "1ステップ戻る(&B)" and the execution counts of
    // the program lines.
    void StepBackCommand();
    void setUpStepBack(QAction* entry);

    // FormMainTools.cpp
    void ShowOptions();      // mn45
    void ShowDumpWindow();   // mn55, Command4 7
    void ShowDumpOptions();  // mn55A after the console, and the console's "ダンプ"
    void ShowFileDevice();   // mn59
    void applyChangedSettings();
    void buildDeviceIndicator(QStatusBar* bar);
    void showDeviceIndicator();

    StartupInfo startup_;
    FixedFont font_;
    Twips twips_;
    GuiHost host_;
    Workbench bench_;

    QString listKind_;
    int lastAppliedFontSize_ = 0;
    bool maximisedNow_ = false;
    int messageHeight_ = 0;  // twips

    ModeButtons modeButtons_;
    EditPanel edit_;
    AssemblePanel assemble_;
    RunPanel* runPanel_ = nullptr;  // Picture400
    QTimer* timer400_ = nullptr;    // Timer400: paces automatic running
    Menus menus_;
    Status status_;
    frmDmpOption* dumpOptions_ = nullptr;  // kept while hidden after a dump
    QWidget* deviceIndicator_ = nullptr;   // shown while IN reads the virtual file device
};

}  // namespace kv
