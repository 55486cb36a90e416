#include "HelpWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

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
    setFocusProxy(browser_);
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

bool HelpWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowBlocked)
        FollowModalWindow();
    return QWidget::event(event);
}

void HelpWindow::FollowModalWindow() {
    // A modal dialog blocks every window but its own: as a window of the
    // dialog, the help can still be scrolled, followed and closed while the
    // dialog it explains is open.
    QWindow* own = windowHandle();
    QWindow* modal = QGuiApplication::modalWindow();
    if (!own || !modal || modal == own)
        return;
    if (modal_)
        disconnect(modal_, nullptr, this, nullptr);
    modal_ = modal;
    own->setTransientParent(modal);
    // Once the dialog is gone the help stands on its own again (or beside the
    // dialog under it, which blocks it now).
    connect(modal, &QWindow::visibleChanged, this, [this](bool visible) {
        if (visible || !windowHandle())
            return;
        if (modal_)
            disconnect(modal_, nullptr, this, nullptr);
        modal_ = nullptr;
        windowHandle()->setTransientParent(nullptr);
    });
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

QString HelpWindow::CurrentPage() const {
    return browser_->source().toLocalFile();
}

} // namespace pmr
