#pragma once
// The help window: shows one help page and follows its links.

#include <QWidget>

class QTextBrowser;

namespace pmr {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    /// Shows the page at `pagePath` (or the contents page of its folder when the
    /// topic has no page of its own) and brings the window up.
    void ShowPage(const QString& pagePath);
    QString CurrentPage() const;

private:
    QTextBrowser* browser_;
};

} // namespace pmr
