#include "EditorWindow.h"

#include "../../dialogs/WidgetCaptions.h"
#include "app/AppContext.h"
#include "app/ButtonCaptions.h"
#include "app/HelpPages.h"
#include "document/ChoiceLists.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

namespace pmr {

EditorWindow::EditorWindow(const EditorContext& context, const QString& name, int titleTextId,
                           int helpTopic, QWidget* parent)
    : QWidget(parent), context_(context), app_(context.app), titleTextId_(titleTextId),
      helpTopic_(helpTopic) {
    setObjectName(name);
    setProperty("helpTopic", helpTopic);
    wholeDocument_ = DocumentSubscription(app_.docState.Events, Kinds(DocumentChange::Whole),
                                          [this](DocumentChange, int) { ShowDocument(); });
}

void EditorWindow::ShowDocument() {
    bindings_.ShowAll();
}

namespace {

/// The control in a grid row beside a caption, or a layout's first control
/// (a row of character boxes).
QWidget* FirstControl(QLayoutItem* item) {
    if (!item)
        return nullptr;
    if (QWidget* w = item->widget())
        return w;
    if (QLayout* inner = item->layout())
        for (int i = 0; i < inner->count(); ++i)
            if (QWidget* w = FirstControl(inner->itemAt(i)))
                return w;
    return nullptr;
}

/// Every caption standing left of its control in a grid is made the
/// control's label, so that a screen reader says the caption, not the
/// list's current entry; a row of character boxes names each box after the
/// caption and its place.
void LinkCaptions(QLayout* layout) {
    if (!layout)
        return;
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        for (int r = 0; r < grid->rowCount(); ++r)
            for (int c = 0; c + 1 < grid->columnCount(); ++c) {
                auto* label = qobject_cast<QLabel*>(FirstControl(grid->itemAtPosition(r, c)));
                QLayoutItem* next = grid->itemAtPosition(r, c + 1);
                QWidget* control = FirstControl(next);
                if (!label || label->buddy() || !control || qobject_cast<QLabel*>(control) ||
                    control->focusPolicy() == Qt::NoFocus)
                    continue;
                label->setBuddy(control);
                if (QLayout* boxes = next->layout()) {
                    int place = 0;
                    for (int i = 0; i < boxes->count(); ++i)
                        if (QWidget* box = boxes->itemAt(i)->widget()) {
                            box->setProperty("pmrCaptionLabel",
                                             QVariant::fromValue<QObject*>(label));
                            box->setProperty("pmrCaptionPlace", ++place);
                        }
                }
            }
    }
    for (int i = 0; i < layout->count(); ++i)
        LinkCaptions(layout->itemAt(i)->layout());
}

/// Says every control's caption to a screen reader (a list would otherwise
/// be named by the entry it shows), and the boxes of a row their caption and
/// place ("Power-on message 3"); again after every relabelling.
void NameControls(QWidget* window) {
    for (QLabel* label : window->findChildren<QLabel*>())
        if (QWidget* control = label->buddy())
            control->setAccessibleName(label->text().remove(QLatin1Char('&')));
    for (QWidget* box : window->findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(box->property("pmrCaptionLabel").value<QObject*>());
        if (label)
            box->setAccessibleName(QStringLiteral("%1 %2").arg(
                label->text().remove(QLatin1Char('&')), box->property("pmrCaptionPlace").toString()));
    }
}

} // namespace

void EditorWindow::SetBody(QLayout* body) {
    // Close and Help are made after the window's fields, so that they come
    // after them in the Tab order and the window opens on its first field.
    close_ = new QPushButton(this);
    close_->setObjectName(QStringLiteral("CommandClose"));
    connect(close_, &QPushButton::clicked, this, [this] { CloseEditor(); });
    help_ = new QPushButton(this);
    help_->setObjectName(QStringLiteral("CommandHelp"));
    help_->setVisible(IsHelpAvailable(app_.config));
    connect(help_, &QPushButton::clicked, this, [this] {
        if (context_.showHelp)
            context_.showHelp(helpTopic_);
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close_);
    buttons->addWidget(help_);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(body);
    outer->addStretch(1);
    outer->addLayout(buttons);
    // Pages of a tab control hold grids of their own, outside the body.
    for (QGridLayout* grid : findChildren<QGridLayout*>())
        LinkCaptions(grid);
    Relabel();
}

QString EditorWindow::Text(int id) const {
    return QString::fromStdString(app_.texts.GetLangText(id));
}

QLabel* EditorWindow::Caption(const QString& name, int textId) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    captions_.emplace_back(label, textId);
    return label;
}

QComboBox* EditorWindow::NewList(const QString& name, const QStringList& entries) {
    auto* list = new QComboBox(this);
    list->setObjectName(name);
    list->setMinimumWidth(140);
    list->addItems(entries);
    EnterMovesOn(list);
    return list;
}

void EditorWindow::AddRow(QGridLayout* grid, int row, int captionId, QWidget* control) {
    grid->addWidget(Caption(QStringLiteral("lbl") + control->objectName().mid(3), captionId), row, 0);
    grid->addWidget(control, row, 1);
}

QStringList EditorWindow::ChannelNumberEntries() const {
    QStringList entries;
    for (const std::string& no : ChannelNumberTexts(app_.doc))
        entries << QString::fromStdString(no);
    return entries;
}

void EditorWindow::RefillList(QComboBox* list, const QStringList& entries) {
    const int at = list->currentIndex();
    list->clear();
    list->addItems(entries);
    list->setCurrentIndex(at);
}

void EditorWindow::Relabel() {
    setWindowTitle(Text(titleTextId_));
    WidgetCaptions captions(*this);
    SetCloseHelpCaptions(captions, app_.texts);
    for (const auto& [label, id] : captions_)
        label->setText(Text(id));
    RelabelControls();
    NameControls(this);
}

void EditorWindow::CloseEditor() {
    // A child window lives in a frame of the window area: closing the frame
    // closes the window with it.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}

void EditorWindow::keyPressEvent(QKeyEvent* event) {
    // Escape closes the window as its Close button does; a field that uses
    // Escape itself (an open list, a grid cell being edited) keeps it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        CloseEditor();
        return;
    }
    QWidget::keyPressEvent(event);
}

void EditorWindow::closeEvent(QCloseEvent* event) {
    CommitFocusedEdit();
    QWidget::closeEvent(event);
}

void RelabelEditors(const QList<QWidget*>& widgets) {
    for (QWidget* w : widgets)
        if (auto* editor = qobject_cast<EditorWindow*>(w))
            editor->Relabel();
}

} // namespace pmr
