// The menu bar: every top-level menu of the three modes, with the entries whose commands exist.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
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
    m.file->addSeparator();
    Entry(m.file, QStringLiteral("mn13"), QStringLiteral("上書き保存(&S)"), [this] { Save(); });
    Entry(m.file, QStringLiteral("mn14"), QStringLiteral("名前を付けて保存(&A)"), [this] { SaveAs(); });
    m.file->addSeparator();
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
    Entry(m.edit, QStringLiteral("mn28"), QStringLiteral("全て選択(&A)"), [editor] {
        editor->setFocus();
        editor->selectAll();
    });
    editor->setPopupMenu(m.edit);

    m.font = TopMenu(bar, QStringLiteral("mn30"), QStringLiteral("フォント(&F)"));
    const QStringList captions{QStringLiteral("大"), QStringLiteral("中"), QStringLiteral("小")};
    for (int i = 0; i < 3; ++i) {
        m.fontSizes[i] = Entry(m.font, QStringLiteral("mn31%1").arg(i + 1), captions[i],
                               [this, i] { ChooseFontSize(FontSizes(bench_.session.settings)[i]); });
        m.fontSizes[i]->setCheckable(true);
    }

    m.tools = TopMenu(bar, QStringLiteral("mn40"), QStringLiteral("ツール(&T)"));
    Entry(m.tools, QStringLiteral("mn41"), QStringLiteral("整形と文法チェック(&B)"),
          [this] { FormatAndCheckAll(); });

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
    m.run->addSeparator();
    Entry(m.run, QStringLiteral("mn54B"), QStringLiteral("コンソール(&C)"),
          [this] { host_.bringConsoleToFront(); });
    m.run->addSeparator();
    Entry(m.run, QStringLiteral("mn58"), QStringLiteral("トレースオプション(&O)"),
          [this] { ShowTraceOptions(); });
    m.run->addSeparator();
    Entry(m.run, QStringLiteral("mn5A"), QStringLiteral("ブレークポイントの全解除(&B)"),
          [this] { runPanel_->ClearAllBreakpoints(); });

    m.help = TopMenu(bar, QStringLiteral("mn90"), QStringLiteral("ヘルプ(&H)"));
    Entry(m.help, QStringLiteral("mn93"), QStringLiteral("バージョン情報"), [this] { showTitleWindow(); });
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
