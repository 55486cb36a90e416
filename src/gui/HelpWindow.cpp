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
    QString page = pagePath;
    if (!QFileInfo::exists(page))
        page = QFileInfo(pagePath).dir().filePath(QStringLiteral("index.html"));
    browser_->setSource(QUrl::fromLocalFile(page));
    setWindowTitle(browser_->documentTitle());
    show();
    raise();
    activateWindow();
}

QString HelpWindow::CurrentPage() const {
    return browser_->source().toLocalFile();
}

} // namespace pmr
