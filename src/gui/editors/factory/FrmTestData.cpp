#include "FrmTestData.h"

#include "../../Interaction.h"
#include "../../dialogs/WidgetCaptions.h"
#include "../shared/KeyRules.h"
#include "TestDataBoxText.h"
#include "app/AppContext.h"
#include "app/TextCatalog.h"
#include "factory/TestDataFile.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cctype>
#include <filesystem>
#include <string>

namespace pmr {

namespace {

// The production line's names of the bytes, the same in every language.
const char16_t* const kByteLabels[FrmTestData::kShownBytes] = {
    u"Freq",          u"PowerH",         u"PowerM",       u"PowerL",
    u"发射音频频偏",  u"DTMF 频偏",      u"单音1.5K频偏", u"D017N频偏",
    u"67.0Hz频偏",    u"136.5Hz频偏",    u"254.1Hz频偏",
};

// A box entered selects its whole text, so a typed value replaces it.
class SelectOnFocus : public QObject {
public:
    explicit SelectOnFocus(QLineEdit* box) : QObject(box), box_(box) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            QMetaObject::invokeMethod(box_, [box = box_] { box->selectAll(); },
                                      Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }

private:
    QLineEdit* box_;
};

QString Pick(bool chinese, const char16_t* zh, const char* en) {
    return chinese ? QString::fromUtf16(zh) : QString::fromLatin1(en);
}

} // namespace

FrmTestData::FrmTestData(AppContext& app, Interaction& ui, int helpTopic, QWidget* parent)
    : QDialog(parent), app_(app), ui_(ui) {
    setObjectName(QString::fromLatin1(kName));
    setProperty("helpTopic", helpTopic);
    // Its captions are the production line's, in two languages, not the catalogue's.
    const bool chinese = app_.config.CurrentLanguage == 2;
    setWindowTitle(Pick(chinese, u"测试数据", "Test Data"));

    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* rows = new QGridLayout(frame);
    for (int i = 0; i < kShownBytes; ++i) {
        auto* label = new QLabel(QString::fromUtf16(kByteLabels[i]), frame);
        label->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* box = new QLineEdit(frame);
        box->setObjectName(QStringLiteral("Text1(%1)").arg(i));
        box->setMaxLength(3);
        box->setAlignment(Qt::AlignRight);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
        box->setAcceptDrops(false);
        ApplyTextRules(box, CharSet::Digits);
        box->installEventFilter(new SelectOnFocus(box));
        // Whatever reaches the box, it always shows a byte.
        connect(box, &QLineEdit::textChanged, box, [box](const QString& text) {
            const QString shown = QString::fromStdString(TestDataBoxText(text.toStdString()));
            if (shown != text)
                box->setText(shown);
        });
        label->setBuddy(box);
        rows->addWidget(label, i, 0);
        rows->addWidget(box, i, 1);
        boxes_[static_cast<std::size_t>(i)] = box;
    }
    auto* load = new QPushButton(Pick(chinese, u"加载(&L)", "&Load"), frame);
    load->setObjectName(QStringLiteral("Command1(0)"));
    load->setAutoDefault(false);
    auto* save = new QPushButton(Pick(chinese, u"保存(&S)", "&Save"), frame);
    save->setObjectName(QStringLiteral("Command1(1)"));
    save->setAutoDefault(false);
    auto* fileButtons = new QHBoxLayout;
    fileButtons->addWidget(load);
    fileButtons->addWidget(save);
    rows->addLayout(fileButtons, kShownBytes, 0, 1, 2);

    auto* ok = new QPushButton(this);
    ok->setObjectName(QStringLiteral("CommandOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(this);
    cancel->setObjectName(QStringLiteral("CommandCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(frame);
    outer->addLayout(buttons);
    WidgetCaptions captions(*this);
    SetOkCancelCaptions(captions, app_.texts);

    connect(load, &QPushButton::clicked, this, &FrmTestData::Load);
    connect(save, &QPushButton::clicked, this, &FrmTestData::Save);
    connect(ok, &QPushButton::clicked, this, &FrmTestData::OnOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    ShowTestData();
    wholeDocument_ = DocumentSubscription(app_.docState.Events, Kinds(DocumentChange::Whole),
                                          [this](DocumentChange, int) { ShowTestData(); });
}

void FrmTestData::ShowTestData() {
    buffer_ = app_.factory.TestData;
    ShowBuffer();
}

void FrmTestData::ShowBuffer() {
    for (int i = 0; i < kShownBytes; ++i)
        Box(i)->setText(QString::number(buffer_[static_cast<std::size_t>(i)]));
}

void FrmTestData::StoreBoxes() {
    for (int i = 0; i < kShownBytes; ++i) {
        const int value = std::stoi(TestDataBoxText(Box(i)->text().toStdString()));
        buffer_[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value);
    }
}

std::string FrmTestData::FileFilter() const {
    const bool chinese = app_.config.CurrentLanguage == 2;
    return Pick(chinese, u"测试数据文件", "Test Data File").toStdString() + " (*.ted)|*.ted";
}

std::string FrmTestData::DefaultFileName() const {
    std::string name = app_.docState.CurrentFileName;
    name.resize(name.size() >= 3 ? name.size() - 3 : 0);
    return name + "ted";
}

void FrmTestData::Load() {
    const auto path = ui_.AskOpenFile(FileFilter(), DefaultFileName());
    if (!path)
        return;
    // All 16 bytes come from the file, the ones not shown too; a file that
    // cannot be read leaves the window as it was.
    LoadTestDataFile(*path, buffer_);
    ShowBuffer();
}

void FrmTestData::Save() {
    StoreBoxes();
    auto path = ui_.AskSaveFile(FileFilter(), DefaultFileName());
    if (!path)
        return;
    // The 16 bytes overwrite the start of the chosen file and keep the rest:
    // a document file named by mistake would be ruined, so the bytes go to the
    // test data file of that name instead.
    if (path->size() >= 4) {
        std::string extension = path->substr(path->size() - 4);
        for (char& c : extension)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (extension == ".dat") {
            path->replace(path->size() - 4, 4, ".ted");
            // The file dialog asked about the .dat it was given, not about this file.
            std::error_code error;
            if (std::filesystem::exists(*path, error) &&
                ui_.Ask(FillMarker(app_.texts.GetLangText(9200), "%1", *path), Buttons::YesNo,
                        Severity::Warning) != Answer::Yes)
                return;
        }
    }
    SaveTestDataFile(*path, buffer_);
}

void FrmTestData::OnOk() {
    StoreBoxes();
    app_.factory.TestData = buffer_;
    accept();
}

} // namespace pmr
