#include "FrmCsvImport.h"

#include "app/TextCatalog.h"

#include <QButtonGroup>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace pmr {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The word before each row of the report, so that what happens to the row
// does not hang on the icon alone.
constexpr int kTextRefused = 9341;
constexpr int kTextChanged = 9342;
constexpr int kTextNote = 9343;

int KindText(CsvLineKind kind) {
    switch (kind) {
    case CsvLineKind::Refused:
        return kTextRefused;
    case CsvLineKind::Changed:
        return kTextChanged;
    case CsvLineKind::Note:
        break;
    }
    return kTextNote;
}

QStyle::StandardPixmap KindIcon(CsvLineKind kind) {
    switch (kind) {
    case CsvLineKind::Refused:
        return QStyle::SP_MessageBoxCritical;
    case CsvLineKind::Changed:
        return QStyle::SP_MessageBoxWarning;
    case CsvLineKind::Note:
        break;
    }
    return QStyle::SP_MessageBoxInformation;
}

} // namespace

FrmCsvImport::FrmCsvImport(const TextCatalog& texts, const std::string& fileName,
                           CsvImportReport replace, CsvImportReport fill, QWidget* parent)
    : QDialog(parent), texts_(texts), replaceReport_(std::move(replace)),
      fillReport_(std::move(fill)) {
    setObjectName(QStringLiteral("FrmCsvImport"));
    setWindowTitle(Q(texts_.GetLangText(9329)));

    auto* file = new QLabel(Q(fileName), this);
    file->setObjectName(QStringLiteral("lblCsvFile"));
    file->setWordWrap(true);
    file->setTextInteractionFlags(Qt::TextSelectableByMouse);
    notes_ = new QLabel(this);
    notes_->setObjectName(QStringLiteral("lblCsvNotes"));
    notes_->setWordWrap(true);

    report_ = new QTreeWidget(this);
    report_->setObjectName(QStringLiteral("csvImportReport"));
    report_->setRootIsDecorated(false);
    report_->setHeaderHidden(true);
    report_->setColumnCount(2);
    report_->setAlternatingRowColors(true);
    report_->setWordWrap(true);
    report_->header()->setStretchLastSection(true);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("lblCsvSummary"));
    summary_->setWordWrap(true);

    replace_ = new QRadioButton(Q(texts_.GetLangText(9330)), this);
    replace_->setObjectName(QStringLiteral("optCsvReplace"));
    fill_ = new QRadioButton(Q(texts_.GetLangText(9331)), this);
    fill_->setObjectName(QStringLiteral("optCsvFill"));
    auto* modes = new QButtonGroup(this);
    modes->addButton(replace_);
    modes->addButton(fill_);
    replace_->setChecked(true);

    import_ = new QPushButton(Q(texts_.GetLangText(9332)), this);
    import_->setObjectName(QStringLiteral("cmdCsvImport"));
    import_->setDefault(true);
    cancel_ = new QPushButton(Q(texts_.GetLangText(9333)), this);
    cancel_->setObjectName(QStringLiteral("cmdCsvCancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(file);
    layout->addWidget(notes_);
    layout->addWidget(report_, 1);
    layout->addWidget(summary_);
    layout->addWidget(replace_);
    layout->addWidget(fill_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(import_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);

    // Tab goes from the report to the choice, then to the buttons; the arrow
    // keys move between the two ways of importing.
    setTabOrder(report_, replace_);
    setTabOrder(replace_, fill_);
    setTabOrder(fill_, import_);
    setTabOrder(import_, cancel_);

    connect(replace_, &QRadioButton::toggled, this, &FrmCsvImport::ShowReport);
    connect(import_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    ShowReport();

    // Room for a line of the report without scrolling sideways, within the
    // screen (the main window keeps the frame inside it once it is shown).
    QSize size(760, 440);
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size);
    report_->setFocus();
}

CsvImportMode FrmCsvImport::Mode() const {
    return fill_->isChecked() ? CsvImportMode::Fill : CsvImportMode::Replace;
}

void FrmCsvImport::ShowReport() {
    const CsvImportReport& r = Mode() == CsvImportMode::Fill ? fillReport_ : replaceReport_;
    QStringList notes;
    for (const std::string& note : r.fileNotes)
        notes << Q(note);
    notes_->setText(notes.join(QLatin1Char('\n')));
    notes_->setVisible(!notes.isEmpty());

    report_->clear();
    for (const CsvReportLine& line : r.lines) {
        auto* item = new QTreeWidgetItem(
            report_, QStringList{Q(texts_.GetLangText(KindText(line.kind))), Q(line.text)});
        item->setIcon(0, style()->standardIcon(KindIcon(line.kind)));
        item->setData(0, Qt::UserRole, line.line);
        item->setData(0, Qt::UserRole + 1, static_cast<int>(line.kind));
    }
    report_->resizeColumnToContents(0);
    if (report_->topLevelItemCount() > 0)
        report_->setCurrentItem(report_->topLevelItem(0));

    QString summary = Q(CsvSummaryText(texts_, r));
    if (r.rowsTaken == 0)
        summary += QLatin1Char(' ') + Q(texts_.GetLangText(kCsvTextNothingToImport));
    summary_->setText(summary);
    // A file none of whose rows can be taken leaves only Cancel.
    import_->setEnabled(!r.Refused());
}

} // namespace pmr
