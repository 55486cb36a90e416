#pragma once
// What the settings window tests share: opening a window by its menu entry and
// choosing or typing as a user does.

#include "GuiTestSupport.h"

#include <QComboBox>

namespace pmr::testing {

template <typename W> W* Open(Harness& h, const char* menu) {
    h.Menu(menu)->trigger();
    return dynamic_cast<W*>(h.main->FindChildWindow(QString::fromLatin1(W::kName)));
}

/// The user picks entry `entry`.
inline void Choose(QComboBox* list, int entry) {
    list->setCurrentIndex(entry);
    emit list->activated(entry);
}

/// Clicks into `box` and types each key into whichever control has the focus then.
inline void Type(QWidget* box, const QString& keys) {
    QApplication::setActiveWindow(box->window());
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    ASSERT_TRUE(WaitFor([box] { return box->hasFocus(); }, 2000));
    QApplication::processEvents();
    for (const QChar c : keys)
        QTest::keyClicks(QApplication::focusWidget(), QString(c));
}

} // namespace pmr::testing
