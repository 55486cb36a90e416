// One character rule per text box, whichever way a character arrives: what a
// typed key enters, a paste, a drop or an input method enters too, and what
// the key rule refuses none of them lets in.

#include "GuiTestSupport.h"
#include "editors/shared/KeyRules.h"
#include "gui/editors/shared/TextEntryRoutes.h"

#include <QLineEdit>

namespace pmr {
namespace {

TEST(TextRules, EveryWayInEntersWhatTheSameKeyWouldEnter) {
    testing::App();
    const CharSet sets[] = {CharSet::Printable, CharSet::AlphaNumeric, CharSet::Name,
                            CharSet::Digits,    CharSet::Dtmf,         CharSet::Decimal,
                            CharSet::SignedDecimal};
    QString candidates;
    for (char16_t u = 1; u < 0x180; ++u)
        candidates += QChar(u);
    candidates += QString::fromUtf8("中€\u00A0\u2028");
    for (const CharSet set : sets) {
        SCOPED_TRACE(static_cast<int>(set));
        QLineEdit typed;
        ApplyTextRules(&typed, set);
        QString expected;
        for (const QChar c : candidates) {
            typed.clear();
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(&typed, &key);
            if (c.unicode() >= 32 && c.unicode() != 127) // control keys act, they type nothing
                expected += typed.text();
        }
        ASSERT_FALSE(expected.isEmpty());
        for (auto enter : {testing::PasteSelection, testing::DropText, testing::CommitInputMethod}) {
            QLineEdit box;
            ApplyTextRules(&box, set);
            int edits = 0;
            QObject::connect(&box, &QLineEdit::textEdited, [&edits] { ++edits; });
            enter(&box, candidates);
            EXPECT_EQ(box.text(), expected);
            EXPECT_GT(edits, 0); // the field hears of it as of a typed key
        }
    }
}

} // namespace
} // namespace pmr
