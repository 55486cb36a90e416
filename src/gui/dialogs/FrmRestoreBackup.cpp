#include "FrmRestoreBackup.h"

#include "Interaction.h"
#include "app/AppContext.h"
#include "backup/BackupStore.h"
#include "document/Bands.h"
#include "document/Models.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace pmr {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::string BandName(int code) {
    const std::string text = BandTextFromCode(code);
    return text.empty() ? std::to_string(code) : text;
}

} // namespace

FrmRestoreBackup::FrmRestoreBackup(AppContext& app, Interaction& ui, std::string folder,
                                   QWidget* parent)
    : QDialog(parent), app_(app), ui_(ui), folder_(std::move(folder)) {
    setObjectName(QStringLiteral("FrmRestoreBackup"));
    const TextCatalog& t = app_.texts;
    setWindowTitle(Q(t.GetLangText(9122)));
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("lblFolder"));
    label_->setWordWrap(true);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("lstBackups"));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({Q(t.GetLangText(9127)), Q(t.GetLangText(9128)),
                            Q(t.GetLangText(9129)), Q(t.GetLangText(9130))});
    restore_ = new QPushButton(Q(t.GetLangText(9131)), this);
    restore_->setObjectName(QStringLiteral("cmdRestore"));
    auto* cancel = new QPushButton(Q(t.GetLangText(9132)), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(list_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(restore_);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    backups_ = BackupStore(folder_).List();
    for (const BackupInfo& b : backups_)
        list_->addTopLevelItem(new QTreeWidgetItem(
            QStringList{Q(b.time), Q(ModelDisplayFromCode(b.model)), Q(BandName(b.band)), Q(b.serial)}));
    for (int c = 0; c < list_->columnCount(); ++c)
        list_->resizeColumnToContents(c);
    label_->setText(backups_.empty() ? Q(FillMarker(t.GetLangText(9126), "%1", folder_))
                                     : Q(folder_));
    if (!backups_.empty())
        list_->setCurrentItem(list_->topLevelItem(0));
    restore_->setEnabled(!backups_.empty());
    restore_->setDefault(true);
    resize(620, 360);

    connect(restore_, &QPushButton::clicked, this, &FrmRestoreBackup::OnRestore);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &FrmRestoreBackup::OnRestore);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

FrmRestoreBackup::~FrmRestoreBackup() = default;

void FrmRestoreBackup::OnRestore() {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0 || row >= static_cast<int>(backups_.size()))
        return;
    const BackupInfo& backup = backups_[static_cast<std::size_t>(row)];
    const TextCatalog& t = app_.texts;
    std::string error;
    const auto image = LoadBackupImage(backup.imagePath, error);
    if (!image) {
        ui_.ShowMessage(FillMarker(t.GetLangText(9125), "%1", error), Severity::Critical);
        return;
    }
    const std::string what = ModelDisplayFromCode(backup.model) + ", " + BandName(backup.band) +
                             (backup.serial.empty() ? "" : ", " + backup.serial) + ", " +
                             backup.time;
    if (ui_.Ask(FillMarker(t.GetLangText(9124), "%1", what), Buttons::YesNo,
                Severity::Question) != Answer::Yes)
        return;
    chosen_ = image;
    accept();
}

} // namespace pmr
