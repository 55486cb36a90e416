// Qt's own texts (standard buttons, the file dialog) follow the program's
// language: loaded at start and again when the language dialog switches it.

#include "QtTranslations.h"

#include "GuiTestSupport.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

using namespace pmr;
using namespace pmr::testing;

namespace {

QString CancelText(const QDialogButtonBox& box) {
    return box.button(QDialogButtonBox::Cancel)->text();
}

void ChooseLanguage(Harness& h, int listIndex) {
    h.ui.HandleDialogNext([listIndex](QDialog& d) {
        d.findChild<QComboBox*>("Combo1")->setCurrentIndex(listIndex);
        d.findChild<QPushButton*>("CommandOK")->click();
        return d.result();
    });
    h.main->ShowLanguageDialog();
    QCoreApplication::processEvents();
}

TEST(QtTranslations, StandardButtonsAndFileDialogTextsInChineseAndBack) {
    App();
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    ASSERT_TRUE(LoadQtTranslations(1));
    QCoreApplication::processEvents();
    const QString english = CancelText(box);
    EXPECT_EQ(english, QStringLiteral("Cancel"));
    const QString englishOpen = QCoreApplication::translate("QFileDialog", "&Open");

    ASSERT_TRUE(LoadQtTranslations(2)) << QtTranslationsFolder().toStdString();
    QCoreApplication::processEvents();
    EXPECT_EQ(CancelText(box), QString::fromUtf8("取消"));
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "&Open"), englishOpen);

    // Loading again does not stack translators, and any other language is English.
    ASSERT_TRUE(LoadQtTranslations(2));
    ASSERT_TRUE(LoadQtTranslations(3));
    QCoreApplication::processEvents();
    EXPECT_EQ(CancelText(box), english);
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "&Open"), englishOpen);
}

TEST(QtTranslations, TheLanguageDialogSwitchesQtsTextsToo) {
    TestInstall install;
    Harness h(install);
    LoadQtTranslations(h.app.config.CurrentLanguage);
    QCoreApplication::processEvents();
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    const QString english = CancelText(box);
    EXPECT_EQ(english, QStringLiteral("Cancel"));

    ChooseLanguage(h, 1);
    EXPECT_EQ(CancelText(box), QString::fromUtf8("取消"));
    ChooseLanguage(h, 0);
    EXPECT_EQ(CancelText(box), english);
}

} // namespace
