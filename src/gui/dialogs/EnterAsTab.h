#pragma once
// Enter in a list or check box moves the focus on, as Tab does; the key
// itself is swallowed.

#include <QEvent>
#include <QKeyEvent>
#include <QObject>
#include <QWidget>

namespace pmr {

class EnterAsTab : public QObject {
public:
    using QObject::QObject;

    /// Installs the filter on `control`.
    static void On(QWidget* control) { control->installEventFilter(new EnterAsTab(control)); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                if (auto* w = qobject_cast<QWidget*>(watched))
                    w->nextInFocusChain()->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace pmr
