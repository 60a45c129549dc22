// The menu bar: every top-level menu of the three modes, with the entries whose commands exist.

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QUrl>
#include <algorithm>
#include <array>

#include "gui/SourceEditor.h"
#include "gui/FormMain.h"
#include "gui/RunPanel.h"
#include "gui/frmKvTitle.h"
#include "gui/RunKeys.h"

namespace kv {

namespace {

QMenu* TopMenu(QMenuBar* bar, const QString& name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

template <typename Command>
QAction* Entry(QMenu* menu, const QString& name, const QString& caption, Command command) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, menu, command);
    return action;
}

// The large, medium and small sizes of the font menu.
std::array<int, 3> FontSizes(const Settings& s) {
    return {s.largeFontSize, s.mediumFontSize, s.smallFontSize};
}

// A menu shows on the menu bar when it holds at least one entry.
bool HasEntries(const QMenu* menu) {
    for (const QAction* action : menu->actions())
        if (!action->isSeparator()) return true;
    return false;
}

}  // namespace

void FormMain::buildMenus() {
    QMenuBar* bar = menuBar();
    Menus& m = menus_;
    // The separators stand between the groups of the file menu (new and open; save; template and
    // print; recent files; exit); the menu hides doubled ones while a group is empty.
    m.file = TopMenu(bar, QStringLiteral("mn10"), QStringLiteral("ファイル(&F)"));
    Entry(m.file, QStringLiteral("mn11"), QStringLiteral("新規作成(&N)"), [this] { New(); });
    Entry(m.file, QStringLiteral("mn11A"), QStringLiteral("新規・テンプレート(&T)"), [this] { NewFromTemplate(); });
    Entry(m.file, QStringLiteral("mn12"), QStringLiteral("CASLⅡファイルを開く(&O)"), [this] { Open(); });
    Entry(m.file, QStringLiteral("mn12A"), QStringLiteral("ファイルの結合(&M)"), [this] { Merge(); });
    m.file->addSeparator();
    Entry(m.file, QStringLiteral("mn13"), QStringLiteral("上書き保存(&S)"), [this] { Save(); });
    Entry(m.file, QStringLiteral("mn14"), QStringLiteral("名前を付けて保存(&A)"), [this] { SaveAs(); });
    m.file->addSeparator();
    Entry(m.file, QStringLiteral("mn15A"), QStringLiteral("テンプレート登録(&L)"), [this] { StoreTemplate(); });
    Entry(m.file, QStringLiteral("mn15"), QStringLiteral("印刷(&P)"), [this] { PrintSource(); });
    m.file->addSeparator();
    for (int i = 0; i < 4; ++i)
        m.recent[i] = Entry(m.file, QStringLiteral("mn_file%1").arg(i + 1), QString(),
                            [this, i] { OpenRecentFile(i); });
    m.file->addSeparator();
    Entry(m.file, QStringLiteral("mn19"), QStringLiteral("終了(&X)"), [this] { close(); });

    m.fileOnly = TopMenu(bar, QStringLiteral("mn100"), QStringLiteral("ファイル(&F)"));
    Entry(m.fileOnly, QStringLiteral("mn101"), QStringLiteral("終了(&X)"), [this] { close(); });

    m.edit = TopMenu(bar, QStringLiteral("mn20"), QStringLiteral("編集(&E)"));
    SourceEditor* editor = edit_.editor;
    Entry(m.edit, QStringLiteral("mn21"), QStringLiteral("元に戻す(&U)"), [editor] {
        editor->setFocus();
        editor->undo();
    });
    m.edit->addSeparator();
    // Cutting and pasting change the program as typing does.
    Entry(m.edit, QStringLiteral("mn22"), QStringLiteral("切り取り(&T)"), [this, editor] {
        editor->CutSelection();
        bench_.document.setModified(true);
    });
    Entry(m.edit, QStringLiteral("mn23"), QStringLiteral("コピー(&C)"), [editor] { editor->CopySelection(); });
    Entry(m.edit, QStringLiteral("mn24"), QStringLiteral("貼り付け(&P)"), [this, editor] {
        editor->PasteText();
        bench_.document.setModified(true);
    });
    m.edit->addSeparator();
    Entry(m.edit, QStringLiteral("mn25"), QStringLiteral("検索(&S)"), [this] { FindCommand(); });
    Entry(m.edit, QStringLiteral("mn26"), QStringLiteral("置換(&R)"), [this] { ReplaceCommand(); });
    m.edit->addSeparator();
    Entry(m.edit, QStringLiteral("mn28"), QStringLiteral("全て選択(&A)"), [editor] {
        editor->setFocus();
        editor->selectAll();
    });
    editor->setPopupMenu(m.edit);

    // The three sizes are one group of radio entries: at most one is checked.
    m.font = TopMenu(bar, QStringLiteral("mn30"), QStringLiteral("フォント(&F)"));
    auto* sizes = new QActionGroup(m.font);
    sizes->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    const QStringList captions{QStringLiteral("大"), QStringLiteral("中"), QStringLiteral("小")};
    for (int i = 0; i < 3; ++i) {
        m.fontSizes[i] = Entry(m.font, QStringLiteral("mn31%1").arg(i + 1), captions[i],
                               [this, i] { ChooseFontSize(FontSizes(bench_.session.settings)[i]); });
        m.fontSizes[i]->setCheckable(true);
        sizes->addAction(m.fontSizes[i]);
    }

    m.tools = TopMenu(bar, QStringLiteral("mn40"), QStringLiteral("ツール(&T)"));
    Entry(m.tools, QStringLiteral("mn41"), QStringLiteral("整形と文法チェック(&B)"),
          [this] { FormatAndCheckAll(); });
    Entry(m.tools, QStringLiteral("mn43"), QStringLiteral("CASLをCASLⅡに変換"),
          [this] { ConvertOldCaslCommand(); });
    m.tools->addSeparator();
    Entry(m.tools, QStringLiteral("mn45"), QStringLiteral("オプション(&O)"), [this] { ShowOptions(); });

    // Running is done with the run panel's buttons: the first three entries only name them, with
    // the keys of those buttons (the keys belong to the buttons: the entries' own shortcuts would
    // only work inside the menu).
    m.run = TopMenu(bar, QStringLiteral("mn50"), QStringLiteral("実行(&R)"));
    const QStringList runs{QStringLiteral("ラン（一括実行）(&R)"), QStringLiteral("トレース(&T)"),
                           QStringLiteral("ステップのスタート(&S)")};
    for (int i = 0; i < 3; ++i) {
        QAction* entry = m.run->addAction(runs[i]);
        entry->setObjectName(QStringLiteral("mn5%1").arg(i + 1));
        entry->setShortcut(RunButtonKey(i));
        entry->setShortcutContext(Qt::WidgetShortcut);
        entry->setEnabled(false);
    }
    setUpStepBack(
        Entry(m.run, QStringLiteral("mn53B"), QStringLiteral("1ステップ戻る(&B)"), [this] { StepBackCommand(); }));
    m.run->addSeparator();
    Entry(m.run, QStringLiteral("mn54B"), QStringLiteral("コンソール(&C)"),
          [this] { host_.bringConsoleToFront(); });
    Entry(m.run, QStringLiteral("mn55A"), QStringLiteral("高機能メモリダンプ(&M)"), [this] {
        host_.bringConsoleToFront();
        ShowDumpOptions();
    });
    Entry(m.run, QStringLiteral("mn55"), QStringLiteral("メモリダンプ(&D)"), [this] { ShowDumpWindow(); });
    m.run->addSeparator();
    Entry(m.run, QStringLiteral("mn58"), QStringLiteral("トレースオプション(&O)"),
          [this] { ShowTraceOptions(); });
    Entry(m.run, QStringLiteral("mn59"), QStringLiteral("入力装置の設定(&F)"), [this] { ShowFileDevice(); });
    m.run->addSeparator();
    Entry(m.run, QStringLiteral("mn5A"), QStringLiteral("ブレークポイントの全解除(&B)"),
          [this] { runPanel_->ClearAllBreakpoints(); });

    m.help = TopMenu(bar, QStringLiteral("mn90"), QStringLiteral("ヘルプ(&H)"));
    Entry(m.help, QStringLiteral("mn91"), QStringLiteral("説明"), [this] { ShowHelpPage(); });
    Entry(m.help, QStringLiteral("mn93"), QStringLiteral("バージョン情報"), [this] { showTitleWindow(); });
}

// The help page opens in the desktop's browser. It ships beside the program; a copy in the source
// folder comes first.
void FormMain::ShowHelpPage() {
    const QString page = bench_.document.HelpPage();
    if (!page.isEmpty() && host_.openUrl(QUrl::fromLocalFile(page))) return;
    host_.messageBox(QStringLiteral("説明のページ（") + QString::fromUtf16(kHelpFileName) +
                         QStringLiteral("）を開けませんでした。"),
                     QStringLiteral("『KavoraⅡ』"), BoxIcon::Exclamation);
}

// The picture of the main window goes to the clipboard once the learner has closed the notice, so
// that the notice is not in it.
void FormMain::ScreenShot() {
    host_.messageBox(QStringLiteral("画面ショットをクリップボードにコピーしました。"), QStringLiteral("『KavoraⅡ』"),
                     BoxIcon::None);
    host_.letEventsRun();
    QGuiApplication::clipboard()->setPixmap(grab());
}

void FormMain::showMenus(std::initializer_list<QMenu*> visible) {
    for (QMenu* menu :
         {menus_.file, menus_.fileOnly, menus_.edit, menus_.font, menus_.tools, menus_.run, menus_.help})
        menu->menuAction()->setVisible(std::find(visible.begin(), visible.end(), menu) != visible.end() &&
                                       HasEntries(menu));
}

void FormMain::RefreshRecentMenu() {
    for (int i = 0; i < 4; ++i) {
        const QString& path = bench_.session.settings.recentFiles[i];
        QAction* entry = menus_.recent[i];
        entry->setVisible(!path.isEmpty());
        entry->setText(QLatin1Char('&') + QString::number(i + 1) + QLatin1Char(' ') +
                       QString(path).replace(QLatin1Char('&'), QStringLiteral("&&")));
    }
}

void FormMain::ChooseFontSize(int size) {
    bench_.session.settings.paneFontSize = static_cast<std::int16_t>(size);
    checkFontMenu();
    ApplyFontAndRows();
    ArrangePanels();
}

void FormMain::checkFontMenu() {
    const std::array<int, 3> sizes = FontSizes(bench_.session.settings);
    // The first entry of the pane's size is checked, the others not (none when no size matches).
    bool checked = false;
    for (int i = 0; i < 3; ++i) {
        const bool match = !checked && sizes[i] == bench_.session.settings.paneFontSize;
        menus_.fontSizes[i]->setChecked(match);
        checked = checked || match;
    }
}

void FormMain::showTitleWindow() {
    frmKvTitle title(font_, this);
    host_.showModal(title);
}

}  // namespace kv
