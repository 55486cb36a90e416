#pragma once
// The help window: shows one help page and follows its links. It stays usable
// beside a modal dialog, whose help it usually is.

#include <QPointer>
#include <QWidget>

class QTextBrowser;
class QWindow;

namespace pmr {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    /// Shows the page at `pagePath` (or the contents page of its folder when the
    /// topic has no page of its own) and brings the window up.
    void ShowPage(const QString& pagePath);
    QString CurrentPage() const;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FollowModalWindow();

    QTextBrowser* browser_;
    QPointer<QWindow> modal_; // the modal dialog the window stands beside
};

} // namespace pmr
