// The main window's tools: the options dialog, the memory dump window, the advanced dump's options
// window, the input device window and the indicator that shows while IN reads the virtual file
// device.

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QStatusBar>
#include <QStyle>

#include "gui/FormMain.h"
#include "gui/SourceEditor.h"
#include "gui/frmDmpOption.h"
#include "gui/frmDump.h"
#include "gui/frmFileIO.h"
#include "gui/frmOptions.h"

namespace kv {

void FormMain::ShowOptions() {
    frmOptions window(bench_.session, host_, this);
    window.onSettingsChanged = [this] { applyChangedSettings(); };
    host_.showModal(window);
}

// The machine and the assembler move to the user area of the settings; the editor's tab stops,
// the font menu and the panes follow the column widths and font sizes.
void FormMain::applyChangedSettings() {
    bench_.session.applySettings();
    bench_.document.EnterSourceFolder();
    edit_.editor->setTabStops(TabStopsFrom(bench_.session.settings));
    checkFontMenu();
    ApplyFontAndRows();
    ArrangePanels();
}

void FormMain::ShowDumpWindow() {
    frmDump window(bench_.session.machine, font_, this);
    host_.showModal(window);
}

// The window keeps its entries while it is hidden after a dump; cancelled, it goes, and the next
// one starts from the defaults. Its label list follows the latest assembly. After a dump the
// console comes to the front with it.
void FormMain::ShowDumpOptions() {
    if (!dumpOptions_) dumpOptions_ = new frmDmpOption(bench_.session.machine, host_, this);
    dumpOptions_->SetLabels(bench_.session.assembly.labelList);
    dumpOptions_->setResult(QDialog::Rejected);
    host_.showModal(*dumpOptions_);
    if (dumpOptions_->result() == QDialog::Accepted) {
        host_.bringConsoleToFront();
        return;
    }
    delete dumpOptions_;
    dumpOptions_ = nullptr;
}

void FormMain::ShowFileDevice() {
    frmFileIO window(bench_.device, bench_.session, host_, font_, this);
    window.onDeviceChanged = [this] { showDeviceIndicator(); };
    host_.showModal(window);
}

void FormMain::buildDeviceIndicator(QStatusBar* bar) {
    deviceIndicator_ = new QWidget(bar);
    deviceIndicator_->setObjectName(QStringLiteral("DeviceIndicator"));
    deviceIndicator_->setToolTip(QStringLiteral("IN命令は、仮想ファイル装置から読み込みます。"));
    auto* row = new QHBoxLayout(deviceIndicator_);
    row->setContentsMargins(4, 0, 4, 0);
    auto* picture = new QLabel(deviceIndicator_);
    const int side = picture->fontMetrics().height();
    picture->setPixmap(QApplication::style()->standardIcon(QStyle::SP_DriveFDIcon).pixmap(side, side));
    row->addWidget(picture);
    row->addWidget(new QLabel(QStringLiteral("仮想ファイル装置"), deviceIndicator_));
    bar->addPermanentWidget(deviceIndicator_);
    showDeviceIndicator();
}

void FormMain::showDeviceIndicator() {
    deviceIndicator_->setVisible(bench_.device.inputDevice == InputDevice::VirtualFile);
}

}  // namespace kv
