#include "HelpWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace pmr {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(false);
    browser_->setOpenLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(660, 540);
    connect(browser_, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(browser_->documentTitle()); });
}

void HelpWindow::ShowPage(const QString& pagePath) {
    // A topic without a page of its own shows the page of its menu (403 ->
    // 400), or else the contents page.
    QString page = pagePath;
    const QFileInfo info(pagePath);
    if (!QFileInfo::exists(page)) {
        bool numbered = false;
        const int topic = info.completeBaseName().toInt(&numbered);
        page = info.dir().filePath(QString::number(topic / 100 * 100) + QStringLiteral(".html"));
        if (!numbered || !QFileInfo::exists(page))
            page = info.dir().filePath(QStringLiteral("index.html"));
    }
    browser_->setSource(QUrl::fromLocalFile(page));
    setWindowTitle(browser_->documentTitle());
    if (!isVisible() && parentWidget()) {
        // Over the program's window, not wherever the window system puts it.
        const QRect owner = parentWidget()->window()->frameGeometry();
        move(owner.center() - rect().center());
    }
    show();
    raise();
    activateWindow();
}

QString HelpWindow::CurrentPage() const {
    return browser_->source().toLocalFile();
}

} // namespace pmr
