// The small dialogs: language (with the main window relabelling), port,
// password, model information and the radio information window.

#include "GuiTestSupport.h"
#include "image/RadioInfoDecoder.h"
#include "app/SetupValues.h"
#include "dialogs/FrmAbout.h"
#include "dialogs/FrmModelInfo.h"
#include "dialogs/FrmPassWord.h"
#include "dialogs/FrmRadioInfo.h"
#include "dialogs/FrmSetComm.h"
#include "link/PortList.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <map>
#include <QLabel>
#include <QRadioButton>
#include <QTreeWidget>
#include <cstring>

using namespace pmr;
using namespace pmr::testing;

namespace {

class FakePorts : public PortList {
public:
    std::vector<int> ports;
    std::map<int, PortInfo> infos;
    std::vector<std::string> unnumbered;
    mutable std::vector<std::string> numbered; // devices given a number
    std::vector<int> ExistingPorts() const override { return ports; }
    PortInfo Describe(int port) const override {
        auto it = infos.find(port);
        return it == infos.end() ? PortInfo{} : it->second;
    }
    std::vector<std::string> UnnumberedDevices() const override { return unnumbered; }
    int NumberDevice(const std::string& device, const std::string&) const override {
        numbered.push_back(device);
        return 200;
    }
};

int Click(QDialog& d, const char* button) {
    d.findChild<QPushButton*>(button)->click();
    return d.result();
}

TEST(LanguageDialog, SwitchRelabelsMenusTooltipsTreeAndCaptionAndReopensTheGrid) {
    TestInstall install;
    Harness h(install);
    const QString englishFile = h.Menu("mnuFile")->text();
    const QString englishTip = h.Button("ReadRadio")->toolTip();
    h.main->ShowChildWindow("FrmRadioInfo");

    h.ui.HandleDialogNext([](QDialog& d) {
        auto* list = d.findChild<QComboBox*>("Combo1");
        EXPECT_EQ(list->count(), 2);
        EXPECT_EQ(list->currentIndex(), 0);
        list->setCurrentIndex(1);
        return Click(d, "CommandOK");
    });
    h.main->ShowLanguageDialog();

    EXPECT_EQ(h.app.config.CurrentLanguage, 2);
    EXPECT_EQ(h.app.config.ShownLanguage, 2);
    EXPECT_NE(h.Menu("mnuFile")->text(), englishFile);
    EXPECT_EQ(h.Menu("mnuFile")->text(), h.Text(10000)); // now the Chinese catalogue
    EXPECT_NE(h.Button("ReadRadio")->toolTip(), englishTip);
    EXPECT_EQ(h.Button("ReadRadio")->toolTip(), h.Text(11004));
    EXPECT_EQ(h.main->Tree()->topLevelItem(0)->child(0)->text(0), h.Text(12001));
    EXPECT_TRUE(h.main->windowTitle().startsWith(h.Text(12000)));
    EXPECT_EQ(h.main->OpenChildWindowNames(), QStringList{"frmCommChInfo"});
    EXPECT_EQ(ReadSetupValue(h.app.paths, "CurrentLanguage"), "2");
}

TEST(LanguageDialog, StartInChineseRelabelsAtTheFirstActivation) {
    TestInstall install(2);
    Harness h(install);
    EXPECT_EQ(h.app.config.ShownLanguage, 1);
    h.main->ShowChildWindow("FrmRadioInfo");
    h.main->OnActivated();
    EXPECT_EQ(h.app.config.ShownLanguage, 2);
    EXPECT_EQ(h.main->OpenChildWindowNames(), QStringList{"frmCommChInfo"});
    EXPECT_EQ(h.Menu("mnuHelp")->text(), h.Text(10700));
    // Activating again changes nothing.
    h.main->ShowChildWindow("FrmRadioInfo");
    h.main->OnActivated();
    EXPECT_EQ(h.main->OpenChildWindowNames().size(), 2);
}

TEST(LanguageDialog, CancelChangesNothing) {
    TestInstall install;
    Harness h(install);
    h.main->ShowChildWindow("FrmRadioInfo");
    h.ui.HandleDialogNext([](QDialog& d) {
        d.findChild<QComboBox*>("Combo1")->setCurrentIndex(1);
        return Click(d, "CommandCancel");
    });
    h.main->ShowLanguageDialog();
    EXPECT_EQ(h.app.config.CurrentLanguage, 1);
    EXPECT_TRUE(h.main->OpenChildWindowNames().contains("FrmRadioInfo"));
}

TEST(PasswordDialog, MasksAtMostFourCharactersAndKeepsTheTrimmedEntry) {
    TestInstall install;
    Harness h(install);
    FrmPassWord dialog(h.app);
    EXPECT_EQ(dialog.windowTitle(), h.Text(23100));
    QLineEdit* box = dialog.Text1();
    EXPECT_EQ(box->echoMode(), QLineEdit::Password);
    QTest::keyClicks(box, "AB12X");
    EXPECT_EQ(box->text(), QString("AB12"));
    EXPECT_EQ(box->displayText(), QString("****"));
    Click(dialog, "CommandOK");
    EXPECT_EQ(h.app.link.EnteredPassword, "AB12");

    FrmPassWord again(h.app);
    EXPECT_EQ(again.Text1()->text(), QString("AB12")); // shown again, masked
    again.Text1()->setText("AB  ");
    Click(again, "CommandOK");
    EXPECT_EQ(h.app.link.EnteredPassword, "AB");

    FrmPassWord accents(h.app);
    QKeyEvent accent(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier,
                     QString::fromUtf8("\xc3\xa9"));
    QApplication::sendEvent(accents.Text1(), &accent);
    QTest::keyClicks(accents.Text1(), "Z");
    EXPECT_EQ(accents.Text1()->text(), QString("Z")); // characters above 127 are refused
    Click(accents, "CommandCancel");

    FrmPassWord cancelled(h.app);
    cancelled.Text1()->setText("ZZZZ");
    Click(cancelled, "CommandCancel");
    EXPECT_EQ(h.app.link.EnteredPassword, "AB");
}

TEST(AboutBox, ShowsTheProgramAndClosesWithOk) {
    TestInstall install;
    Harness h(install);
    h.ui.HandleDialogNext([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), h.Text(24000));
        EXPECT_EQ(d.findChild<QPushButton*>("CommandOK")->text(), h.Text(9017));
        return Click(d, "CommandOK");
    });
    h.Button("About")->trigger();
    EXPECT_EQ(h.ui.Events().back().text, "FrmAbout");
    EXPECT_TRUE(h.ui.ScriptUsedUp());
}

TEST(PortDialog, OffersThePortsTheSystemListsAndFollowsChanges) {
    TestInstall install;
    Harness h(install);
    FakePorts ports;
    ports.ports = {1, 4, 20};
    FrmSetComm dialog(h.app, ports);
    EXPECT_EQ(dialog.ReCommTimer.interval(), 1000);
    EXPECT_TRUE(dialog.ReCommTimer.isActive());
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(dialog.Option(i)->isEnabled(), i == 0 || i == 3) << i;
    EXPECT_TRUE(dialog.Option(0)->isChecked());
    EXPECT_EQ(dialog.Option(4)->text(), h.Text(22002) + "5");

    // An adapter appears as COM5: enabled within a second, the selection kept.
    ports.ports = {1, 4, 5};
    EXPECT_TRUE(WaitFor([&] { return dialog.Option(4)->isEnabled(); }, 1500));
    EXPECT_TRUE(dialog.Option(0)->isChecked());

    dialog.Option(4)->setChecked(true);
    Click(dialog, "CommandOK");
    EXPECT_FALSE(dialog.ReCommTimer.isActive());
    EXPECT_EQ(h.app.config.ComPort, 5);
    EXPECT_EQ(ReadSetupValue(h.app.paths, "comPort"), "5");
}

TEST(PortDialog, ThePortChosenShowsInTheStatusBarAtOnce) {
    TestInstall install;
    Harness h(install);
    h.ui.HandleDialogNext([](QDialog& d) {
        d.findChild<QRadioButton*>("Option1(3)")->setChecked(true); // COM4
        return Click(d, "CommandOK");
    });
    h.main->ShowPortDialog();
    EXPECT_EQ(h.app.config.ComPort, 4);
    EXPECT_EQ(h.main->StatusPanel(3)->text(), h.Text(12008) + "4");
}

TEST(PortDialog, ShowsTheDeviceAndStateOfEachNumberAndNumbersAnotherDevice) {
    TestInstall install;
    Harness h(install);
    FakePorts ports;
    ports.ports = {5, 6, 7};
    ports.infos[5] = {"/dev/ttyUSB0", "usb-FTDI_FT232R-if00-port0", PortInfo::State::Present, ""};
    ports.infos[6] = {"/dev/ttyUSB1", "", PortInfo::State::Busy, ""};
    ports.infos[7] = {"/dev/ttyUSB2", "", PortInfo::State::NoPermission, "dialout"};
    ports.infos[8] = {"/dev/ttyUSB3", "", PortInfo::State::Absent, ""};
    ports.unnumbered = {"/dev/serial/by-id/usb-Prolific-if00-port0"};
    FrmSetComm dialog(h.app, ports);
    const struct {
        int index;
        int stateText;
    } rows[] = {{4, 22010}, {5, 22012}, {7, 22011}};
    for (const auto& row : rows) {
        EXPECT_TRUE(dialog.Detail(row.index)->text().contains(h.Text(row.stateText)));
        EXPECT_TRUE(dialog.Detail(row.index)->text().startsWith(
            QString::fromStdString(ports.infos[row.index + 1].device)));
    }
    EXPECT_TRUE(dialog.Detail(4)->text().contains("usb-FTDI_FT232R-if00-port0"));
    EXPECT_TRUE(dialog.Detail(6)->text().contains("dialout"));
    EXPECT_FALSE(dialog.Option(7)->isEnabled());
    ASSERT_EQ(dialog.OtherDevice()->count(), 1);

    // A path outside the numbering (a pseudo-terminal) gets a number of its own.
    dialog.OtherOption()->setChecked(true);
    dialog.OtherDevice()->setEditText("/dev/pts/7");
    Click(dialog, "CommandOK");
    EXPECT_EQ(ports.numbered, std::vector<std::string>{"/dev/pts/7"});
    EXPECT_EQ(h.app.config.ComPort, 200);
    EXPECT_EQ(ReadSetupValue(h.app.paths, "comPort"), "200");
}

TEST(PortDialog, FixedListEnablesAllAndAPortBeyondSixteenSelectsNone) {
    TestInstall install;
    Harness h(install);
    FakePorts ports;
    h.app.config.UseFixedPortList = true;
    h.app.config.ComPort = 20;
    FrmSetComm dialog(h.app, ports);
    for (int i = 0; i < 16; ++i) {
        EXPECT_TRUE(dialog.Option(i)->isEnabled()) << i;
        EXPECT_FALSE(dialog.Option(i)->isChecked()) << i;
    }
    Click(dialog, "CommandCancel");
    EXPECT_EQ(h.app.config.ComPort, 20);
    EXPECT_FALSE(dialog.ReCommTimer.isActive());
}

TEST(ModelDialog, SameModelAndBandKeepTheDocument) {
    TestInstall install;
    Harness h(install);
    h.app.doc.Settings.Opt.SqlLevel = 7;
    FrmModelInfo dialog(h.app, h.ui, *h.main);
    EXPECT_EQ(dialog.ModelList()->currentText(), QString("VX-T210"));
    EXPECT_EQ(dialog.BandList()->count(), 17);
    EXPECT_EQ(dialog.BandList()->currentText(), QString("446.00625 - 446.19375 MHz"));
    Click(dialog, "CommandOK");
    EXPECT_TRUE(h.ui.Questions().empty());
    EXPECT_EQ(h.app.doc.Settings.Opt.SqlLevel, 7);
}

TEST(ModelDialog, AnotherBandAsksAndStartsANewDocument) {
    TestInstall install;
    Harness h(install);
    FrmModelInfo dialog(h.app, h.ui, *h.main);
    dialog.BandList()->setCurrentIndex(0);
    h.ui.AnswerNext(Answer::Ok);
    Click(dialog, "CommandOK");
    ASSERT_EQ(h.ui.Questions().size(), 1u);
    EXPECT_EQ(h.ui.Questions()[0], h.app.texts.GetLangText(9016));
    EXPECT_EQ(h.ui.Events().back().title, h.app.texts.GetLangText(9019));
    EXPECT_EQ(h.app.docState.BandText, "400 - 470 MHz");
    EXPECT_EQ(h.app.doc.Model.BandCode, 0);
    EXPECT_TRUE(h.main->NewDocTimer.isActive());
}

// The information area with every byte 0xFF but the given fields.
struct InfoArea {
    std::array<std::uint8_t, 512> bytes;
    InfoArea() { bytes.fill(0xFF); }
    void Put(std::size_t at, const char* text, std::size_t n) {
        std::memcpy(bytes.data() + at, text, n);
    }
};

TEST(RadioInfoWindow, AreaNeverWrittenShowsEmptyBoxes) {
    TestInstall install;
    Harness h(install);
    InfoArea area;
    DecodeRadioInfo(area.bytes, h.app.radioInfo);
    auto* window = static_cast<FrmRadioInfo*>(h.main->ShowChildWindow("FrmRadioInfo"));
    ASSERT_NE(window, nullptr);
    for (int i = 0; i < 12; ++i) {
        if (i == 5)
            EXPECT_EQ(window->Text1(i), QString("V1.00"));
        else
            EXPECT_TRUE(window->Text1(i).isEmpty()) << i << ": " << window->Text1(i).toStdString();
    }
    EXPECT_EQ(window->Combo1(0)->currentText(), QString("VX-T210"));
    EXPECT_EQ(window->Combo1(1)->currentText(), QString("446.00625 - 446.19375 MHz"));
    EXPECT_EQ(window->windowTitle(), h.Text(21000));
}

TEST(RadioInfoWindow, FieldsEndAtTheirFirstFFOrZeroOrTheirWidth) {
    TestInstall install;
    Harness h(install);
    InfoArea area;
    area.Put(0, "0595", 4);
    area.Put(48, "SN0123456789ABCD", 16); // serial number, full width
    area.Put(448,
             "AB\xFF"
             "CD",
             5);                         // dealer code
    area.Put(496, "ABC   \0", 7);        // handled by
    area.Put(96, "Display cracked", 15); // repair reason
    h.app.radioInfo.BandCodeCopy = 15;   // a code without a band text
    DecodeRadioInfo(area.bytes, h.app.radioInfo);
    auto* window = static_cast<FrmRadioInfo*>(h.main->ShowChildWindow("FrmRadioInfo"));
    EXPECT_EQ(window->Text1(0), QString("0595"));
    EXPECT_EQ(window->Text1(1), QString("SN0123456789ABCD"));
    EXPECT_EQ(window->Text1(8), QString("AB"));
    EXPECT_EQ(window->Text1(11), QString("ABC"));
    EXPECT_EQ(window->Text1(4), QString("Display cracked"));
    EXPECT_TRUE(window->Combo1(1)->currentText().isEmpty());
}

} // namespace
