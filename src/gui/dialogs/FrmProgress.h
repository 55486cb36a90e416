#pragma once
// The progress window of a read or a write: caption, "Progress:" label, the
// percentage, the bar and Cancel. Modal to the program, but it does not block:
// the transfer runs while it is shown and closes it at the end. Cancel, Escape
// and the title bar's close button all ask for the transfer to be cancelled;
// only the transfer's end closes the window.

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace pmr {

class FrmProgress : public QDialog {
    Q_OBJECT
public:
    explicit FrmProgress(QWidget* parent = nullptr);

    /// Caption, label text, bar 0 and "0%", the Cancel button's caption; then shown.
    void Open(const QString& caption, const QString& label, const QString& cancel);
    void SetProgressValue(int percent);
    void SetLabel(const QString& label);
    void SetCaption(const QString& caption) { setWindowTitle(caption); }

    QLabel* Label1() const { return label1_; }
    QLabel* Label2() const { return label2_; }
    QProgressBar* ProgressBar1() const { return bar_; }
    QPushButton* CancelButton() const { return cancel_; }

signals:
    void cancelRequested();

protected:
    void reject() override { emit cancelRequested(); } // Escape
    void closeEvent(QCloseEvent* event) override;      // the title bar's button

private:
    QLabel* label1_;
    QLabel* label2_;
    QProgressBar* bar_;
    QPushButton* cancel_;
};

} // namespace pmr
