#include "FrmRadioInfo.h"

#include "../StandardWindows.h"
#include "app/AppContext.h"
#include "document/Bands.h"
#include "document/Models.h"
#include "document/TrimFix.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pmr {

namespace {

// Text fields of the information area hold single-byte characters.
QString Latin(const std::string& s) {
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

} // namespace

FrmRadioInfo::FrmRadioInfo(const EditorContext& context, const WindowRow& row)
    : EditorWindow(context, QString::fromLatin1(row.name), row.titleTextId, row.helpTopic) {
    auto label = [this](const QString& name, int textId) { return Caption(name, textId); };
    auto box = [this](int index, int limit) {
        auto* b = new QLineEdit(this);
        b->setObjectName(QStringLiteral("Text1(%1)").arg(index));
        b->setMaxLength(limit);
        b->setReadOnly(true);
        b->setMinimumWidth(150);
        boxes_[static_cast<std::size_t>(index)] = b;
        return b;
    };
    for (int i = 0; i < 2; ++i) {
        combos_[static_cast<std::size_t>(i)] = new QComboBox(this);
        combos_[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("Combo1(%1)").arg(i));
        combos_[static_cast<std::size_t>(i)]->setMinimumWidth(150);
    }
    // The band list holds the seventeen bands; the model list only the model shown.
    for (const std::string& band : BandTextsInListOrder())
        combos_[1]->addItem(QString::fromStdString(band));

    // Labels end 50 twips (about 3 pixels) left of their column of boxes.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(3);
    grid->addWidget(label(QStringLiteral("Label1(0)"), 21005), 0, 0);
    grid->addWidget(combos_[0], 0, 1);
    grid->addWidget(label(QStringLiteral("Label1(1)"), 21006), 1, 0);
    grid->addWidget(combos_[1], 1, 1);
    grid->addWidget(label(QStringLiteral("Label2"), 21002), 2, 0);
    grid->addWidget(box(0, 4), 2, 1);
    grid->addWidget(label(QStringLiteral("Label1(8)"), 21003), 3, 0);
    grid->addWidget(box(6, 16), 3, 1);
    grid->addWidget(label(QStringLiteral("Label1(9)"), 21004), 4, 0);
    grid->addWidget(box(7, 16), 4, 1);
    grid->addWidget(label(QStringLiteral("Label1(2)"), 21007), 5, 0);
    grid->addWidget(box(1, 16), 5, 1);
    grid->addWidget(label(QStringLiteral("Label1(3)"), 21008), 6, 0);
    grid->addWidget(box(2, 16), 6, 1);
    grid->addWidget(label(QStringLiteral("Label1(4)"), 21009), 7, 0);
    grid->addWidget(box(3, 16), 7, 1);
    auto* reasonLabels = new QVBoxLayout;
    reasonLabels->setSpacing(0);
    reasonLabels->addWidget(label(QStringLiteral("Label1(5)"), 21011));
    reasonLabels->addWidget(label(QStringLiteral("Label1(7)"), 21012));
    reasonLabels->addStretch();
    grid->addLayout(reasonLabels, 8, 0);
    reason_ = new QPlainTextEdit(this);
    reason_->setObjectName(QStringLiteral("Text1(4)"));
    reason_->setReadOnly(true);
    reason_->setFixedHeight(reason_->fontMetrics().lineSpacing() * 3 + 10);
    grid->addWidget(reason_, 8, 1);
    grid->addWidget(label(QStringLiteral("Label1(6)"), 21010), 9, 0);
    QLineEdit* version = box(5, 16);
    version->setFrame(false);
    version->setStyleSheet(QStringLiteral("background: transparent;"));
    grid->addWidget(version, 9, 1);

    dealer_ = new QGroupBox(this);
    auto* dealer = dealer_;
    dealer->setObjectName(QStringLiteral("Frame1"));
    auto* dealerGrid = new QGridLayout(dealer);
    dealerGrid->setHorizontalSpacing(3);
    dealerGrid->addWidget(label(QStringLiteral("Label1(10)"), 21013), 0, 0);
    dealerGrid->addWidget(box(8, 16), 0, 1);
    dealerGrid->addWidget(label(QStringLiteral("Label1(11)"), 21014), 1, 0);
    dealerGrid->addWidget(box(9, 16), 1, 1);
    dealerGrid->addWidget(label(QStringLiteral("Label1(12)"), 21015), 2, 0);
    dealerGrid->addWidget(box(10, 16), 2, 1);
    dealerGrid->addWidget(label(QStringLiteral("Label1(13)"), 21016), 3, 0);
    dealerGrid->addWidget(box(11, 16), 3, 1);
    dealerGrid->setRowStretch(4, 1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(grid);
    columns->addSpacing(12);
    columns->addWidget(dealer, 0, Qt::AlignTop);
    SetBody(columns);
    ShowByData();
}

void FrmRadioInfo::RelabelControls() {
    dealer_->setTitle(Text(21001));
}

void FrmRadioInfo::ShowByData() {
    const RadioInfo& info = app_.radioInfo;
    combos_[0]->clear();
    combos_[0]->addItem(QString::fromStdString(ModelDisplayFromCode(info.InfoModelName)));
    combos_[0]->setCurrentIndex(0);
    const int band =
        combos_[1]->findText(QString::fromStdString(BandTextFromCode(info.BandCodeCopy)));
    combos_[1]->setCurrentIndex(band); // -1 (empty) for a code without a band text
    auto set = [this](int index, const QString& value) {
        boxes_[static_cast<std::size_t>(index)]->setText(value);
    };
    set(0, Latin(info.AreaCode));
    set(1, Latin(TrimFix(info.SerialNo)));
    set(2, Latin(TrimFix(info.FactoryDate)));
    set(3, Latin(TrimFix(info.RepairDate)));
    reason_->setPlainText(Latin(TrimFix(info.RepairReason)));
    set(5, Latin(info.VersionText));
    set(6, Latin(TrimFix(info.BatchNo)));
    set(7, Latin(TrimFix(info.CustomerCode)));
    set(8, Latin(TrimFix(info.DealerCode)));
    set(9, Latin(TrimFix(info.StockInDate)));
    set(10, Latin(TrimFix(info.SaleDate)));
    set(11, Latin(TrimFix(info.HandledBy)));
}

QString FrmRadioInfo::Text1(int index) const {
    if (index == 4)
        return reason_->toPlainText();
    return boxes_[static_cast<std::size_t>(index)]->text();
}

} // namespace pmr
