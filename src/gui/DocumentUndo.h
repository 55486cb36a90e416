#pragma once
// Undo and redo of every change of the document. Editors write their member
// the moment the user changes it, from many places; the history does not ask
// each of them. Whenever the program has handled what the user did and waits
// for the next event, it compares the document with its last step and keeps
// what changed as one step: a paste or a batch that changes a hundred members
// in one go is one step, as is a choice that normalises other fields. A
// command that knows a better name than the differences tell leaves it in
// DocumentState::NextStepName.
//
// A step holds the document before and after it; the two are shared with the
// neighbouring steps, so the history costs one document per step.

#include "history/DocumentSnapshot.h"

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <memory>

namespace pmr {

struct AppContext;

class DocumentUndo : public QObject {
    Q_OBJECT
public:
    /// Steps kept; the oldest go first.
    static constexpr int kStepLimit = 500;

    explicit DocumentUndo(AppContext& app, QObject* parent = nullptr);
    /// The stack empties itself as it goes: nobody is told any more.
    ~DocumentUndo() override;

    /// Forgets every step: the history starts at the document as it is (a
    /// file opened, a new document, a read from the radio).
    void StartNewHistory();
    /// Keeps a change made since the last step as a step of its own.
    void TakeChange();
    void Undo();
    void Redo();

    bool CanUndo() const { return stack_.canUndo(); }
    bool CanRedo() const { return stack_.canRedo(); }
    /// The menu entries: "&Undo: channel 3 RX frequency", "&Undo" when there
    /// is nothing to undo.
    QString UndoText() const;
    QString RedoText() const;
    int StepCount() const { return stack_.count(); }

signals:
    /// The steps or the texts of the menu entries changed.
    void Changed();
    /// The document was put back by an undo or a redo (the windows have been
    /// told to show it).
    void Restored();

private:
    friend class DocumentStep;
    void Restore(const std::shared_ptr<const DocumentSnapshot>& snapshot);

    AppContext& app_;
    QUndoStack stack_;
    std::shared_ptr<const DocumentSnapshot> last_;
};

} // namespace pmr
