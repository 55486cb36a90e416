#include "KeyRules.h"

#include "CharSetValidator.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDropEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QMouseEvent>

namespace pmr {

namespace {

bool InSet(QChar c, CharSet set) {
    const char16_t u = c.unicode();
    const bool digit = u >= '0' && u <= '9';
    const bool upper = u >= 'A' && u <= 'Z';
    switch (set) {
    case CharSet::Printable:
        return u >= 32 && u <= 126;
    case CharSet::AlphaNumeric:
        return digit || upper || (u >= 'a' && u <= 'z');
    case CharSet::Name:
        return digit || upper;
    case CharSet::Digits:
        return digit;
    case CharSet::Dtmf:
        return digit || (u >= 'A' && u <= 'D') || u == '*' || u == '#';
    case CharSet::Decimal:
        return digit || u == '.';
    case CharSet::SignedDecimal:
        return digit || u == '.' || u == '+' || u == '-';
    }
    return false;
}

void MoveOn(QWidget* from) {
    MoveFocusOn(from);
}

class EnterFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && IsEnterKey(*static_cast<QKeyEvent*>(event))) {
            MoveOn(static_cast<QWidget*>(watched));
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

class TextFilter : public QObject {
public:
    TextFilter(QLineEdit* box, CharSet set, std::function<void()> typed, EnterKey enter)
        : QObject(box), box_(box), set_(set), typed_(std::move(typed)), enter_(enter) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn && box_->maxLength() == 1) {
            // A one-character box entered selects its character, so a typed one
            // replaces it.
            QMetaObject::invokeMethod(
                box_, [box = box_] { box->selectAll(); }, Qt::QueuedConnection);
        }
        if (TakesTextWithoutKeys(event))
            return true;
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (IsEnterKey(key)) {
            if (enter_ == EnterKey::LeftToOwner)
                return false;
            MoveOn(box_);
            return true;
        }
        if (IsClipboardKey(key))
            return true;
        const KeyVerdict verdict = JudgeKey(key, set_);
        if (verdict.action == KeyVerdict::Discard)
            return true;
        if (verdict.action == KeyVerdict::Pass)
            return false;
        if (box_->maxLength() <= box_->text().size() - box_->selectedText().size())
            return true; // full
        box_->insert(QString(verdict.ch));
        // insert() does not count as the user's edit; tell the field.
        emit box_->textEdited(box_->text());
        if (typed_)
            typed_();
        return true;
    }

private:
    QString Accepted(const QString& text) const {
        QString kept;
        for (const QChar c : text)
            if (const std::optional<QChar> accepted = AcceptedChar(c, set_))
                kept += *accepted;
        return kept;
    }

    /// The box inserts what it is given cut to the room left, and only then
    /// does the validator see it: "No. 2" into a three-character box would be
    /// cut to "No." and then emptied. So text that arrives without a key
    /// (the selection pasted by the middle button, a drop from elsewhere, an
    /// input method's commit) is held to the field's characters first.
    /// True when the event has been dealt with here.
    bool TakesTextWithoutKeys(QEvent* event) {
        if (box_->isReadOnly())
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            QClipboard* clipboard = QGuiApplication::clipboard();
            if (mouse->button() != Qt::MiddleButton || !clipboard->supportsSelection())
                return false;
            box_->deselect();
            InsertAccepted(clipboard->text(QClipboard::Selection));
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            // A move inside the box carries its own text; the box does that.
            if (drop->source() == box_ || !drop->mimeData()->hasText())
                return false;
            box_->setCursorPosition(box_->cursorPositionAt(drop->position().toPoint()));
            InsertAccepted(drop->mimeData()->text());
            drop->acceptProposedAction();
            box_->setFocus(Qt::MouseFocusReason);
            return true;
        }
        case QEvent::InputMethod: {
            auto* input = static_cast<QInputMethodEvent*>(event);
            const QString kept = Accepted(input->commitString());
            if (kept == input->commitString())
                return false;
            QInputMethodEvent held(input->preeditString(), input->attributes());
            held.setCommitString(kept, input->replacementStart(), input->replacementLength());
            QCoreApplication::sendEvent(box_, &held);
            return true;
        }
        default:
            return false;
        }
    }

    void InsertAccepted(const QString& text) {
        const QString kept = Accepted(text);
        if (kept.isEmpty())
            return;
        box_->insert(kept);
        emit box_->textEdited(box_->text());
        if (typed_)
            typed_();
    }

    QLineEdit* box_;
    CharSet set_;
    std::function<void()> typed_;
    EnterKey enter_;
};

// The window `control` belongs to: its top-level window, or the child window
// whose frame holds it in the main window's window area.
QWidget* OwnWindow(QWidget* control) {
    QWidget* w = control;
    while (!w->isWindow() && w->parentWidget() && !qobject_cast<QMdiSubWindow*>(w->parentWidget()))
        w = w->parentWidget();
    return w;
}

} // namespace

void MoveFocusOn(QWidget* from) {
    // The focus chain holds every widget of the top-level window, the other
    // child windows' too; Tab skips labels, hidden and disabled ones.
    QWidget* own = OwnWindow(from);
    for (QWidget* next = from->nextInFocusChain(); next && next != from;
         next = next->nextInFocusChain()) {
        if (own->isAncestorOf(next) && (next->focusPolicy() & Qt::TabFocus) &&
            next->isVisibleTo(own) && next->isEnabled()) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

bool IsEnterKey(const QKeyEvent& event) {
    // Shift+Enter is still Enter; Ctrl+Enter is a line feed, not Enter.
    const bool chord =
        event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) && !chord;
}

bool IsClipboardKey(const QKeyEvent& event) {
    if (event.matches(QKeySequence::Cut) || event.matches(QKeySequence::Copy) ||
        event.matches(QKeySequence::Paste))
        return true;
    const bool ctrl = event.modifiers() & Qt::ControlModifier;
    return ctrl &&
           (event.key() == Qt::Key_X || event.key() == Qt::Key_C || event.key() == Qt::Key_V);
}

std::optional<QChar> AcceptedChar(QChar c, CharSet set) {
    if ((set == CharSet::Dtmf && c >= QLatin1Char('a') && c <= QLatin1Char('d')) ||
        (set == CharSet::Name && c >= QLatin1Char('a') && c <= QLatin1Char('z')))
        return c.toUpper();
    // Codes above 127 and control characters are in no set.
    if (!InSet(c, set))
        return std::nullopt;
    return c;
}

KeyVerdict JudgeKey(const QKeyEvent& event, CharSet set) {
    const QString text = event.text();
    if (text.isEmpty())
        return {}; // arrows, Home, Delete
    const QChar c = text.front();
    if (c.unicode() < 32 || c.unicode() == 127)
        return {}; // control characters act as usual
    if (text.size() > 1)
        return {KeyVerdict::Discard, {}};
    if (const std::optional<QChar> accepted = AcceptedChar(c, set))
        return {KeyVerdict::Type, *accepted};
    return {KeyVerdict::Discard, {}};
}

void EnterMovesOn(QWidget* control) {
    control->installEventFilter(new EnterFilter(control));
}

void ApplyTextRules(QLineEdit* box, CharSet set, std::function<void()> typed, EnterKey enter) {
    box->setContextMenuPolicy(Qt::NoContextMenu); // no Paste entry either
    box->setValidator(new CharSetValidator(set, box));
    box->installEventFilter(new TextFilter(box, set, std::move(typed), enter));
}

void ShowStoredText(QLineEdit* box, const QString& text) {
    // The validator would drop what the field's rule refuses; the document
    // keeps it until the user edits the box.
    const QValidator* rule = box->validator();
    box->setValidator(nullptr);
    box->setText(text);
    box->setValidator(rule);
}

} // namespace pmr
