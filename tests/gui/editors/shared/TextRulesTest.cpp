// One character rule per text box, whichever way a character arrives: what a
// typed key enters, a paste, a drop or an input method enters too, and what
// the key rule refuses none of them lets in.

#include "GuiTestSupport.h"
#include "editors/shared/KeyRules.h"
#include "gui/editors/shared/TextEntryRoutes.h"

#include <QClipboard>
#include <QLineEdit>
#include <vector>

namespace pmr {
namespace {

TEST(TextRules, EveryWayInEntersWhatTheSameKeyWouldEnter) {
    testing::App();
    const CharSet sets[] = {CharSet::Printable,    CharSet::AlphaNumeric, CharSet::Name,
                            CharSet::Digits,       CharSet::Dtmf,         CharSet::Decimal,
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
        for (auto enter :
             {testing::PasteSelection, testing::DropText, testing::CommitInputMethod}) {
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

TEST(TextRules, TextLongerThanTheBoxIsHeldToItsCharactersBeforeItIsCut) {
    testing::App();
    struct Case {
        const char* text;
        const char* kept;
    };
    for (const Case c : {Case{"No. 2", "2"}, Case{"a1b2c3d4", "123"}, Case{"Ch 10 / 446", "104"}}) {
        SCOPED_TRACE(c.text);
        std::vector<void (*)(QLineEdit*, const QString&)> routes{testing::DropText,
                                                                 testing::CommitInputMethod};
        // The offscreen platform keeps no selection to paste.
        if (QGuiApplication::clipboard()->supportsSelection())
            routes.push_back(testing::PasteSelection);
        for (auto enter : routes) {
            QLineEdit box;
            box.setMaxLength(3);
            ApplyTextRules(&box, CharSet::Digits);
            enter(&box, QString::fromLatin1(c.text));
            EXPECT_EQ(box.text(), QString::fromLatin1(c.kept));
        }
    }
}

} // namespace
} // namespace pmr
