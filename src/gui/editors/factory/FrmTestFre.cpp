#include "FrmTestFre.h"

#include "../../Interaction.h"
#include "../../StandardWindows.h"
#include "../shared/DocumentRowGrid.h"
#include "TestFreqGrid.h"
#include "app/AppContext.h"
#include "document/BandClamp.h"
#include "document/FrequencyText.h"
#include "document/TrimFix.h"

#include <QGridLayout>
#include <QHeaderView>

namespace pmr {

namespace {

constexpr int kPairs = 11;
constexpr int kPoints = 5;

// Column widths in twips: the number, then the two frequencies.
constexpr int kColumnTwips[] = {500, 1500, 1500};

FixedText<8>& FieldOf(RadioDocument& doc, int pair, int column) {
    TestFreqPair& p = doc.TestFreqs[static_cast<std::size_t>(pair)];
    return column == 0 ? p.TxFreq : p.RxFreq;
}

void SizeColumns(QTableWidget* grid) {
    const double pixelsPerTwip = grid->logicalDpiX() / 1440.0;
    for (int c = 0; c < grid->columnCount(); ++c)
        grid->setColumnWidth(c, qRound(kColumnTwips[c] * pixelsPerTwip));
    grid->horizontalHeader()->setStretchLastSection(true);
    int width = 2 * grid->frameWidth();
    for (int c = 0; c < grid->columnCount(); ++c)
        width += grid->columnWidth(c);
    grid->setMinimumWidth(width);
}

// Every row in view, whatever height the header takes in the language shown.
void FitRows(QTableWidget* grid) {
    const int height = grid->horizontalHeader()->sizeHint().height() +
                       grid->rowCount() * grid->rowHeight(0) + 2 * grid->frameWidth();
    grid->setFixedHeight(height);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QLabel* GridTitle(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

} // namespace

FrmTestFre::FrmTestFre(const EditorContext& context, const WindowRow& row)
    : EditorWindow(context, QString::fromLatin1(row.name), row.titleTextId, row.helpTopic) {
    auto show = [this](int pair, int column) {
        const std::string stored = TrimFix(FieldOf(app_.doc, pair, column));
        return QString::fromStdString(FreqStoredToText(app_, context_.ui, stored));
    };
    auto commit = [this](int pair, int column, const QString& text) {
        FixedText<8>& field = FieldOf(app_.doc, pair, column);
        if (text.isEmpty()) {
            // An emptied cell holds no frequency, stored as the NUL the new
            // document's unused pairs hold.
            field = kNulText;
            return;
        }
        // Out-of-band values become the nearest band limit after the warning;
        // anything that is no number becomes blank.
        const std::string checked =
            NormalizeFreqText(app_, context_.ui, text.toStdString(), /*warn=*/true);
        field = FreqTextToStored(app_, checked);
    };
    grid_ = new TestFreqGrid(this, kPairs, show, commit);
    grid_->setObjectName(QStringLiteral("MSFlexGrid1"));
    SizeColumns(grid_);

    // The five points are fixed by the band: shown, never edited.
    auto showPoint = [this](int point, int column) {
        const TuningPoint& p = app_.docState.TuningPoints[static_cast<std::size_t>(point)];
        const std::string stored = TrimFix(column == 0 ? p.second : p.first);
        return QString::fromStdString(FreqStoredToText(app_, context_.ui, stored));
    };
    tuning_ = new DocumentRowGrid(this, kPoints, 2, CharSet::Decimal, showPoint,
                                  [](int, int, const QString&) {}, [](const QString& s) { return s; });
    tuning_->setObjectName(QStringLiteral("MSFlexGrid2"));
    tuning_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int r = 0; r < tuning_->rowCount(); ++r)
        for (int c = 1; c < tuning_->columnCount(); ++c)
            tuning_->item(r, c)->setFlags(Qt::ItemIsEnabled);
    tuning_->setFocusPolicy(Qt::NoFocus);
    SizeColumns(tuning_);

    gridTitle_ = GridTitle(this, QStringLiteral("Label1"));
    tuningTitle_ = GridTitle(this, QStringLiteral("Label2"));
    auto* body = new QGridLayout;
    body->addWidget(gridTitle_, 0, 0);
    body->addWidget(grid_, 1, 0);
    body->addWidget(tuningTitle_, 0, 1);
    body->addWidget(tuning_, 1, 1, Qt::AlignTop);
    SetBody(body);
}

void FrmTestFre::RelabelControls() {
    gridTitle_->setText(Text(19001));
    tuningTitle_->setText(Text(19002));
    const QStringList headers{Text(19003), Text(19004), Text(19005)};
    grid_->setHorizontalHeaderLabels(headers);
    tuning_->setHorizontalHeaderLabels(headers);
    FitRows(grid_);
    FitRows(tuning_);
}

void FrmTestFre::ShowDocument() {
    grid_->Reload();
    tuning_->Reload();
}

void FrmTestFre::CommitFocusedEdit() {
    grid_->CommitOpenEdit();
}

} // namespace pmr
