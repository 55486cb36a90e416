#include "FrmCompare.h"

#include "Interaction.h"
#include "app/AppContext.h"
#include "document/MemberCaption.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace pmr {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

constexpr int kTextTitle = 9350;
constexpr int kTextPlace = 9351;
constexpr int kTextMember = 9352;
constexpr int kTextThisDocument = 9353;
constexpr int kTextTheFile = 9354;
constexpr int kTextCount = 9355;
constexpr int kTextNoDifference = 9356;
constexpr int kTextTake = 9357;
constexpr int kTextHelp = 9358;
constexpr int kTextClose = 9359;
constexpr int kTextWholeChannel = 9360;
constexpr int kTextNone = 9361;
constexpr int kTextNotTaken = 9362;
constexpr int kTextOneDifference = 9363;

/// A channel one side lacks shows "(none)" there and the other side's
/// receive frequency with its unit.
QString ShownValue(const TextCatalog& texts, const DocumentDifference& d, bool fileSide) {
    const std::string& value = fileSide ? d.newValue : d.oldValue;
    const bool whole =
        d.kind == DifferenceKind::ChannelAdded || d.kind == DifferenceKind::ChannelRemoved;
    if (!whole)
        return Q(value);
    const bool held = fileSide ? d.kind == DifferenceKind::ChannelAdded
                               : d.kind == DifferenceKind::ChannelRemoved;
    return held ? Q(value + " MHz") : Q(texts.GetLangText(kTextNone));
}

} // namespace

FrmCompare::FrmCompare(AppContext& app, Interaction& ui, RadioDocument file,
                       const std::string& fileName, std::function<void()> showHelp, QWidget* parent)
    : QDialog(parent), app_(app), ui_(ui), file_(std::move(file)) {
    const TextCatalog& texts = app_.texts;
    setObjectName(QStringLiteral("FrmCompare"));
    setWindowTitle(Q(texts.GetLangText(kTextTitle)));

    auto* name = new QLabel(Q(fileName), this);
    name->setObjectName(QStringLiteral("lblCompareFile"));
    name->setWordWrap(true);
    name->setTextInteractionFlags(Qt::TextSelectableByMouse);

    table_ = new QTableWidget(0, 4, this);
    table_->setObjectName(QStringLiteral("tblDifferences"));
    table_->setHorizontalHeaderLabels(
        {Q(texts.GetLangText(kTextPlace)), Q(texts.GetLangText(kTextMember)),
         Q(texts.GetLangText(kTextThisDocument)), Q(texts.GetLangText(kTextTheFile))});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAlternatingRowColors(true);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    // Tab leaves the table for the buttons instead of walking its cells.
    table_->setTabKeyNavigation(false);

    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("lblDifferenceCount"));
    count_->setWordWrap(true);

    take_ = new QPushButton(Q(texts.GetLangText(kTextTake)), this);
    take_->setObjectName(QStringLiteral("cmdTakeValue"));
    take_->setAutoDefault(false);
    auto* help = new QPushButton(Q(texts.GetLangText(kTextHelp)), this);
    help->setObjectName(QStringLiteral("cmdHelp"));
    help->setAutoDefault(false);
    auto* close = new QPushButton(Q(texts.GetLangText(kTextClose)), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addWidget(table_, 1);
    layout->addWidget(count_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(take_);
    buttons->addStretch();
    buttons->addWidget(help);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    setTabOrder(table_, take_);
    setTabOrder(take_, help);
    setTabOrder(help, close);

    connect(take_, &QPushButton::clicked, this, &FrmCompare::TakeSelected);
    connect(help, &QPushButton::clicked, this, [showHelp = std::move(showHelp)] {
        if (showHelp)
            showHelp();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(table_, &QTableWidget::itemSelectionChanged, this,
            [this] { take_->setEnabled(!table_->selectionModel()->selectedRows().isEmpty()); });
    Compare();
    // The first row is chosen, so that the keyboard can take it at once.
    if (table_->rowCount() > 0)
        table_->selectRow(0);

    // Room for the four columns side by side, within the screen (the main
    // window keeps the frame inside it once it is shown).
    QSize size(760, 440);
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size);
    table_->setFocus();
}

void FrmCompare::Compare() {
    const TextCatalog& texts = app_.texts;
    differences_ = CompareDocuments(app_.doc, file_, texts);
    table_->clearContents();
    table_->setRowCount(static_cast<int>(differences_.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        const DocumentDifference& d = differences_[static_cast<std::size_t>(row)];
        const bool whole =
            d.kind == DifferenceKind::ChannelAdded || d.kind == DifferenceKind::ChannelRemoved;
        const QString cells[] = {Q(MemberPlace(texts, d.channelNo, d.name)),
                                 whole ? Q(texts.GetLangText(kTextWholeChannel))
                                       : Q(MemberCaption(texts, d.name)),
                                 ShownValue(texts, d, false), ShownValue(texts, d, true)};
        for (int col = 0; col < 4; ++col)
            table_->setItem(row, col, new QTableWidgetItem(cells[col]));
    }
    table_->resizeColumnsToContents();

    const std::size_t n = differences_.size();
    if (n == 0)
        count_->setText(Q(texts.GetLangText(kTextNoDifference)));
    else if (n == 1)
        count_->setText(Q(texts.GetLangText(kTextOneDifference)));
    else
        count_->setText(Q(FillMarker(texts.GetLangText(kTextCount), "%1", std::to_string(n))));
    take_->setEnabled(false);
}

void FrmCompare::TakeSelected() {
    std::vector<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        rows.push_back(index.row());
    if (rows.empty())
        return;
    // Channels the file adds come first and those it lacks last, so that a
    // document whose channels the file replaces keeps one channel at each
    // step. Each difference names its channel by number and its member by
    // its place in the table of members, so the order changes nothing else.
    const std::vector<DocumentDifference> chosen = differences_;
    auto step = [&chosen](int row) {
        const DifferenceKind kind = chosen[static_cast<std::size_t>(row)].kind;
        return kind == DifferenceKind::ChannelAdded     ? 0
               : kind == DifferenceKind::ChannelRemoved ? 2
                                                        : 1;
    };
    std::sort(rows.begin(), rows.end(),
              [&step](int a, int b) { return step(a) != step(b) ? step(a) < step(b) : a < b; });
    QStringList refused;
    app_.docState.NextStepName = FillMarker(app_.texts.GetLangText(9377), "%1",
                                            std::to_string(rows.size()));
    for (const int row : rows) {
        const DocumentDifference& d = chosen[static_cast<std::size_t>(row)];
        if (!TakeDifference(app_, file_, d))
            refused << Q(DifferenceCaption(app_.texts, d));
    }
    Compare();
    // The keyboard goes on where the user was.
    if (table_->rowCount() > 0) {
        const int row =
            std::min(*std::min_element(rows.begin(), rows.end()), table_->rowCount() - 1);
        table_->selectRow(row);
    }
    table_->setFocus();
    if (!refused.isEmpty())
        ui_.ShowMessage(app_.texts.GetLangText(kTextNotTaken) + "\r\n" +
                            refused.join(QStringLiteral("\r\n")).toStdString(),
                        Severity::Warning);
}

} // namespace pmr
