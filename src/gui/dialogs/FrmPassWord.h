#pragma once
// The password dialog: the radio's programming password, at most four
// characters, each shown as "*".

#include <QDialog>

class QLabel;
class QLineEdit;

namespace pmr {

struct AppContext;

class FrmPassWord : public QDialog {
    Q_OBJECT
public:
    /// Shows `current` (masked); OK keeps the trimmed entry in Entered().
    FrmPassWord(const AppContext& app, const std::string& current, QWidget* parent = nullptr);
    /// For the menu entry: shows and sets the entered password of `app`.
    FrmPassWord(AppContext& app, QWidget* parent = nullptr);

    QLineEdit* Text1() const { return text_; }
    /// The entry after OK (TrimFix of the box).
    const std::string& Entered() const { return entered_; }

private:
    void Build(const AppContext& app, const std::string& current);
    void OnOk();

    AppContext* target_ = nullptr;
    QLabel* label_ = nullptr;
    QLineEdit* text_ = nullptr;
    std::string entered_;
};

} // namespace pmr
