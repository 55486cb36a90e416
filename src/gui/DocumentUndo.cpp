#include "DocumentUndo.h"

#include "app/AppContext.h"
#include "document/ModelRecord.h"
#include "history/ChangeName.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QUndoCommand>

namespace pmr {

class DocumentStep : public QUndoCommand {
public:
    DocumentStep(DocumentUndo& history, std::shared_ptr<const DocumentSnapshot> before,
                 std::shared_ptr<const DocumentSnapshot> after, const QString& name)
        : QUndoCommand(name), history_(history), before_(std::move(before)),
          after_(std::move(after)) {}

    void undo() override { history_.Restore(before_); }
    void redo() override {
        // Pushed after the change was made: the first redo has nothing to do.
        if (pushed_)
            history_.Restore(after_);
        pushed_ = true;
    }

private:
    DocumentUndo& history_;
    std::shared_ptr<const DocumentSnapshot> before_;
    std::shared_ptr<const DocumentSnapshot> after_;
    bool pushed_ = false;
};

DocumentUndo::DocumentUndo(AppContext& app, QObject* parent) : QObject(parent), app_(app) {
    stack_.setUndoLimit(kStepLimit);
    connect(&stack_, &QUndoStack::indexChanged, this, &DocumentUndo::Changed);
    connect(&stack_, &QUndoStack::undoTextChanged, this, &DocumentUndo::Changed);
    connect(&stack_, &QUndoStack::redoTextChanged, this, &DocumentUndo::Changed);
    // The event loop waits for the next event once it has handled the last:
    // whatever the user did is complete then.
    if (auto* dispatcher = QAbstractEventDispatcher::instance(thread()))
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                &DocumentUndo::TakeChange);
    StartNewHistory();
}

DocumentUndo::~DocumentUndo() {
    disconnect(&stack_, nullptr, this, nullptr);
}

void DocumentUndo::StartNewHistory() {
    stack_.clear();
    last_ = std::make_shared<const DocumentSnapshot>(TakeSnapshot(app_.doc, app_.factory));
    app_.docState.NextStepName.clear();
    emit Changed();
}

void DocumentUndo::TakeChange() {
    std::string name;
    std::swap(name, app_.docState.NextStepName);
    if (app_.doc == last_->doc && app_.factory.TestData == last_->testData)
        return;
    auto now = std::make_shared<const DocumentSnapshot>(TakeSnapshot(app_.doc, app_.factory));
    if (name.empty())
        name = ChangeName(last_->doc, now->doc, app_.texts);
    if (name.empty()) // only the factory test data changed
        name = app_.texts.GetLangText(9373);
    auto before = std::move(last_);
    last_ = now;
    stack_.push(new DocumentStep(*this, std::move(before), std::move(now),
                                 QString::fromStdString(name)));
}

void DocumentUndo::Undo() {
    TakeChange();
    stack_.undo();
}

void DocumentUndo::Redo() {
    // A change not yet taken is a new step: it ends what could be redone.
    TakeChange();
    stack_.redo();
}

void DocumentUndo::Restore(const std::shared_ptr<const DocumentSnapshot>& snapshot) {
    const bool otherModel = !(app_.doc.Model == snapshot->doc.Model);
    pmr::PutBack(*snapshot, app_.doc, app_.factory);
    if (otherModel)
        LoadModelRecord(app_, app_.doc.Model);
    last_ = snapshot;
    app_.docState.Events.Publish(DocumentChange::Whole);
    // The windows show what they were given; a value a window would store
    // otherwise is taken back into the step rather than made a step of its own.
    if (!(app_.doc == snapshot->doc && app_.factory.TestData == snapshot->testData))
        last_ = std::make_shared<const DocumentSnapshot>(TakeSnapshot(app_.doc, app_.factory));
    app_.docState.NextStepName.clear();
    emit Restored();
}

namespace {

QString Entry(const TextCatalog& texts, int plainId, int namedId, const QString& name) {
    if (name.isEmpty())
        return QString::fromStdString(texts.GetLangText(plainId));
    return QString::fromStdString(FillMarker(texts.GetLangText(namedId), "%1", name.toStdString()));
}

} // namespace

QString DocumentUndo::UndoText() const {
    return Entry(app_.texts, 10903, 10905, stack_.canUndo() ? stack_.undoText() : QString());
}

QString DocumentUndo::RedoText() const {
    return Entry(app_.texts, 10904, 10906, stack_.canRedo() ? stack_.redoText() : QString());
}

} // namespace pmr
