#pragma once
// The ways text reaches a text box without a typed key, as the platform
// delivers them: the primary selection pasted by the middle button, a drop
// of dragged text, and an input method's committed text.

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>

namespace pmr::testing {

/// A middle-button paste of `text` as the X11 selection. Where the platform
/// keeps no selection (the offscreen one) the box takes the text through the
/// same insert its middle-button release calls.
inline void PasteSelection(QLineEdit* box, const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard->supportsSelection()) {
        clipboard->setText(text, QClipboard::Selection);
        QTest::mouseClick(box, Qt::MiddleButton, {}, box->rect().center());
    } else {
        box->insert(text);
    }
}

/// Text dragged from another program and dropped on the box.
inline void DropText(QLineEdit* box, const QString& text) {
    QMimeData data;
    data.setText(text);
    const QPointF at = box->rect().center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(box, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(box, &drop);
}

/// An input method commits `text` into the box.
inline void CommitInputMethod(QLineEdit* box, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(box, &event);
}

} // namespace pmr::testing
