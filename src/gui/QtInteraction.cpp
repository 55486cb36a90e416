#include "QtInteraction.h"

#include "app/TextCatalog.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace pmr {

namespace {

QMessageBox::Icon IconOf(Severity severity) {
    switch (severity) {
    case Severity::Information:
        return QMessageBox::Information;
    case Severity::Warning:
        return QMessageBox::Warning;
    case Severity::Critical:
        return QMessageBox::Critical;
    case Severity::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsOf(Buttons buttons) {
    switch (buttons) {
    case Buttons::Ok:
        return QMessageBox::Ok;
    case Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

Answer AnswerOf(int button) {
    switch (button) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Retry:
        return Answer::Retry;
    default:
        return Answer::Cancel;
    }
}

} // namespace

std::string QtFileFilter(const std::string& paneFilter) {
    const auto bar = paneFilter.find('|');
    return bar == std::string::npos ? paneFilter : paneFilter.substr(0, bar);
}

std::string FileFilterSuffix(const std::string& paneFilter) {
    const auto bar = paneFilter.find('|');
    if (bar == std::string::npos)
        return {};
    const std::string pattern = paneFilter.substr(bar + 1);
    if (pattern.rfind("*.", 0) != 0 || pattern.find_first_of("*?;|", 2) != std::string::npos)
        return {};
    return pattern.substr(2);
}

QtInteraction::QtInteraction(const TextCatalog& texts) : texts_(texts) {}

void QtInteraction::ShowMessage(const std::string& text, Severity severity) {
    QMessageBox box(IconOf(severity), QString::fromStdString(texts_.GetLangText(12000)),
                    QString::fromStdString(text), QMessageBox::Ok, parent_);
    box.exec();
}

Answer QtInteraction::Ask(const std::string& text, Buttons buttons, Severity severity) {
    return AskTitled(texts_.GetLangText(12000), text, buttons, severity);
}

Answer QtInteraction::AskTitled(const std::string& title, const std::string& text, Buttons buttons,
                                Severity severity) {
    QMessageBox box(IconOf(severity), QString::fromStdString(title), QString::fromStdString(text),
                    ButtonsOf(buttons), parent_);
    // A box closed with Escape or the window's close button counts as the
    // most cautious answer the box offers.
    if (buttons == Buttons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    else if (buttons != Buttons::Ok)
        box.setEscapeButton(QMessageBox::Cancel);
    const int pressed = box.exec();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return AnswerOf(pressed);
}

std::optional<std::string> QtInteraction::AskOpenFile(const std::string& filter,
                                                      const std::string& startPath) {
    const QString path = QFileDialog::getOpenFileName(
        parent_, QString::fromStdString(texts_.GetLangText(12000)),
        QString::fromStdString(startPath), QString::fromStdString(QtFileFilter(filter)));
    if (path.isEmpty())
        return std::nullopt;
    return path.toStdString();
}

std::optional<std::string> QtInteraction::AskSaveFile(const std::string& filter,
                                                      const std::string& startPath) {
    QFileDialog dialog(parent_, QString::fromStdString(texts_.GetLangText(12000)),
                       QString::fromStdString(startPath),
                       QString::fromStdString(QtFileFilter(filter)));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // A name typed without extension gets the one of its kind (a document
    // file stays a .dat, a channel list a .csv).
    dialog.setDefaultSuffix(QString::fromStdString(FileFilterSuffix(filter)));
    dialog.selectFile(QString::fromStdString(startPath));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

int QtInteraction::RunDialog(QDialog& dialog) {
    return dialog.exec();
}

} // namespace pmr
