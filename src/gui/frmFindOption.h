#pragma once
// The window frmFindOption of the find and replace commands: the search word, the replacement
// word (only in replace mode) and a note that comments are searched too and lose their colour.
// "OK" keeps both texts; "キャンセル" and the close box leave them empty.

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;

namespace kv {

enum class FindMode { Find, Replace };

class frmFindOption : public QDialog {
    Q_OBJECT

public:
    frmFindOption(FindMode mode, QWidget* parent = nullptr);

    FindMode mode() const { return mode_; }
    const QString& SearchText() const { return searchText_; }
    const QString& ReplaceText() const { return replaceText_; }

private:
    void Form_Load();
    void Form_Activate();
    void OKButton_Click();

    FindMode mode_;
    QString searchText_;
    QString replaceText_;
    QLabel* label1_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QLabel* label3_ = nullptr;
};

}  // namespace kv
