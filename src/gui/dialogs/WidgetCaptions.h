#pragma once
// The shared button captions for a Qt window: finds the named button among
// the window's children and sets its text.

#include "app/ButtonCaptions.h"

#include <QAbstractButton>
#include <QWidget>

namespace pmr {

class WidgetCaptions : public CaptionTarget {
public:
    explicit WidgetCaptions(QWidget& window) : window_(window) {}
    void SetControlCaption(std::string_view controlName, const std::string& caption) override {
        const QString name = QString::fromUtf8(controlName.data(), qsizetype(controlName.size()));
        if (auto* button = window_.findChild<QAbstractButton*>(name))
            button->setText(QString::fromStdString(caption));
    }

private:
    QWidget& window_;
};

} // namespace pmr
