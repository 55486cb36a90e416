#pragma once
// The progress window of a read or a write: caption, "Progress:" label, the
// percentage and the bar. Modal to the program, but it does not block: the
// transfer runs while it is shown and closes it at the end.

#include <QDialog>

class QLabel;
class QProgressBar;

namespace pmr {

class FrmProgress : public QDialog {
    Q_OBJECT
public:
    explicit FrmProgress(QWidget* parent = nullptr);

    /// Caption, label text, bar 0 and "0%"; then shown.
    void Open(const QString& caption, const QString& label);
    void SetProgressValue(int percent);
    void SetCaption(const QString& caption) { setWindowTitle(caption); }

    QLabel* Label1() const { return label1_; }
    QLabel* Label2() const { return label2_; }
    QProgressBar* ProgressBar1() const { return bar_; }

protected:
    void reject() override {}                     // only the transfer closes it
    void closeEvent(QCloseEvent* event) override; // the same for the title bar's button

private:
    QLabel* label1_;
    QLabel* label2_;
    QProgressBar* bar_;
};

} // namespace pmr
