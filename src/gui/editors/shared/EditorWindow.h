#pragma once
// The base of every editor child window: its name, title and help topic, the
// row of Close and Help buttons under its controls, one way to close, the
// commit of the focused control before a write, and the relabelling when the
// language changes. Editors commit every change at once; the few that hold an
// edit back (a grid cell) commit it in CommitFocusedEdit. When the whole
// document is put back as it was at another time, every window shows all of
// it again (ShowDocument).

#include "ChildWindow.h"
#include "EditorContext.h"
#include "FieldBinding.h"
#include "KeyRules.h"
#include "document/DocumentEvents.h"

#include <QLabel>
#include <QWidget>
#include <utility>
#include <vector>

class QComboBox;
class QGridLayout;
class QLayout;
class QPushButton;

namespace pmr {

class EditorWindow : public QWidget, public virtual CommittingWindow {
    Q_OBJECT
public:
    /// `titleTextId` and `helpTopic` as the window table gives them.
    EditorWindow(const EditorContext& context, const QString& name, int titleTextId, int helpTopic,
                 QWidget* parent = nullptr);

    /// Writes an edit that is still held back into the document.
    void CommitFocusedEdit() override {}
    /// Sets every caption again from the text catalogue.
    void Relabel();
    /// Closes the window (its Close button does the same).
    void CloseEditor();
    /// Shows every control from the document again, as the window shows it
    /// when it opens; run when the whole document was put back. The base shows
    /// the bound lists and check boxes; a window with other controls adds them.
    virtual void ShowDocument();

protected:
    /// Puts `body` above the Close/Help row; call once from the constructor.
    void SetBody(QLayout* body);
    /// The window's own captions; the base has set the title and the buttons.
    virtual void RelabelControls() {}
    /// Text `id` of the catalogue.
    QString Text(int id) const;
    /// A caption standing right-aligned beside its control.
    QLabel* Caption(const QString& name, int textId);
    /// A choice-only list on which Enter moves on.
    QComboBox* NewList(const QString& name, const QStringList& entries = {});
    /// `control` in row `row` of `grid` with its caption ("lbl" + the control's
    /// name without its three-letter prefix) left of it.
    void AddRow(QGridLayout* grid, int row, int captionId, QWidget* control);
    /// The numbers of every record of the channel table, the VFO's 129
    /// included, ascending.
    QStringList ChannelNumberEntries() const;
    /// Puts `entries` into `list`, keeping the selected index (a relabelling).
    static void RefillList(QComboBox* list, const QStringList& entries);

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    EditorContext context_;
    AppContext& app_;
    FieldBindings bindings_;

private:
    int titleTextId_;
    int helpTopic_;
    QPushButton* close_ = nullptr;
    QPushButton* help_ = nullptr;
    std::vector<std::pair<QLabel*, int>> captions_;
    DocumentSubscription wholeDocument_;
};

/// Relabels every editor window among `widgets`.
void RelabelEditors(const QList<QWidget*>& widgets);

} // namespace pmr
