#include "frmCommChInfo.h"

#include "../../StandardWindows.h"
#include "ChannelGridModel.h"
#include "ChannelGridView.h"
#include "ChannelWindowHost.h"
#include "GridKeyRules.h"
#include "Interaction.h"
#include "ScreenTwips.h"
#include "app/AppContext.h"
#include "document/ChannelField.h"
#include "document/ChannelGridEntries.h"
#include "document/ChannelTable.h"
#include "document/DecimalText.h"
#include "document/FrequencyText.h"
#include "document/RadioDocument.h"
#include "document/ToneCodes.h"
#include "document/TrimFix.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QVBoxLayout>
#include <cmath>
#include <exception>

namespace pmr {

namespace {

constexpr int kRows = 129;
constexpr int kVfoRow = 129;
constexpr int kColWidthsTwips[11] = {740, 1300, 1300, 800, 1200, 1200, 1000, 1000, 1000, 1100, 600};
constexpr int kHeaderTwips = 500;
constexpr int kGridWidthTwips = 11598;
constexpr int kWindowWidthTwips = 11800;
constexpr int kWindowHeightTwips = 6200;
const char* const kNone = "NONE";

QString Latin(const std::string& s) {
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

/// "NONE" and the sixteen PMR446 channel frequencies, 12.5 kHz apart.
QStringList FrequencyEntries() {
    QStringList entries{QString::fromLatin1(kNone)};
    for (int i = 0; i < 16; ++i)
        entries << QString::fromStdString(FormatUnits(44600625 + i * 1250, 5));
    return entries;
}

/// The transmit list: the frequencies, or in the offset display the offsets:
/// none (the transmit frequency is the receive frequency) and the channel's
/// own. Offsets carry their sign: an unsigned entry there means a frequency.
QStringList TransmitEntries(bool offsets, const QString& shown) {
    if (!offsets)
        return FrequencyEntries();
    QStringList entries{QStringLiteral("+0.00000")};
    const bool signedOffset = shown.startsWith(u'+') || shown.startsWith(u'-');
    if (signedOffset && IsNumeric(shown.toStdString()) && !entries.contains(shown))
        entries << shown;
    return entries;
}

/// A numeric list text in "000.00000"; anything else ("NONE") unchanged.
QString RxCommitText(const QString& text) {
    const auto units = ParseUnits(text.toStdString(), 5);
    return units ? QString::fromStdString(FormatUnits(*units, 5, 3)) : text;
}

/// A numeric list text in "#0.00000", a leading sign kept before the absolute value.
QString TxCommitText(const QString& text) {
    const QString t = text.trimmed();
    const auto units = ParseUnits(t.toStdString(), 5);
    if (!units)
        return text;
    const std::int64_t magnitude = *units < 0 ? -*units : *units;
    QString sign;
    if (t.startsWith(u'+') || t.startsWith(u'-'))
        sign = t.left(1);
    return sign + QString::fromStdString(FormatUnits(magnitude, 5));
}

QComboBox* MakeList(QWidget* parent, const char* name, int helpTopic) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(false);
    list->setProperty("helpTopic", helpTopic);
    list->setFocusPolicy(Qt::StrongFocus);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(4);
    list->hide();
    return list;
}

void FillList(QComboBox* list, const QStringList& entries) {
    const QSignalBlocker quiet(list);
    list->clear();
    list->addItems(entries);
}

} // namespace

template <typename F> void frmCommChInfo::Trap(const char* name, F&& routine) {
    try {
        routine();
    } catch (const std::exception&) {
        context_.ui.ShowMessage(name);
    }
}

frmCommChInfo::frmCommChInfo(const EditorContext& context, ChannelWindowHost& host,
                             const WindowRow& row)
    : EditorWindow(context, QString::fromLatin1(row.name), row.titleTextId, row.helpTopic),
      host_(host) {
    const int helpTopic = row.helpTopic;
    Trap("frmCommChInfo_Form_Load", [this, helpTopic] {
        AppContext& app = app_;
        model_ = new ChannelGridModel(this);
        grid_ = new ChannelGridView(this);
        grid_->setObjectName(QStringLiteral("ChannelGrid1"));
        grid_->setModel(model_);
        grid_->setContextMenuPolicy(Qt::NoContextMenu);

        freq_[0] = MakeList(this, "Combo8(1)", 3102);
        freq_[1] = MakeList(this, "Combo8(2)", 3103);
        tone_ = MakeList(this, "Combo1", 3106);
        power_ = MakeList(this, "Combo2", 3108);
        scan_ = MakeList(this, "Combo3", 3117);
        signal_ = MakeList(this, "Combo4", 3109);
        spacing_ = MakeList(this, "Combo5", 3111);
        // The tone list holds 1075 entries: a view of uniform rows keeps its
        // popup quick, and it is filled once for the window's life.
        if (auto* view = qobject_cast<QListView*>(tone_->view()))
            view->setUniformItemSizes(true);
        tone_->setMaxVisibleItems(16);
        const QStringList frequencies = FrequencyEntries();
        FillList(freq_[0], frequencies);
        FillList(freq_[1], frequencies);
        for (const std::string& tone : ToneNames(app.texts))
            toneTexts_ << QString::fromStdString(tone);
        FillList(tone_, toneTexts_);

        name_ = new QLineEdit(this);
        name_->setObjectName(QStringLiteral("Text1"));
        name_->setMaxLength(6);
        name_->setAlignment(Qt::AlignCenter);
        name_->setContextMenuPolicy(Qt::NoContextMenu);
        name_->setDragEnabled(false);
        name_->setAcceptDrops(false);
        name_->setProperty("helpTopic", helpTopic);
        name_->hide();

        edit_ = new QPushButton(this);
        edit_->setObjectName(QStringLiteral("CommandCHEdit"));

        for (QComboBox* list : {freq_[0], freq_[1], tone_, power_, scan_, signal_, spacing_}) {
            list->installEventFilter(this);
            connect(list, &QComboBox::activated, this, [this, list] { OnListChosen(list); });
        }
        name_->installEventFilter(this);
        grid_->viewport()->installEventFilter(this);

        connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this] { OnCurrentChanged(); });
        connect(grid_, &ChannelGridView::CurrentCellClicked, this, [this] {
            if (!clickSuppress_.isActive())
                OnEnterCell();
        });
        connect(grid_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& at) {
            clickSuppress_.start();
            if (at.column() == 10)
                ShowEditDialog();
        });
        connect(grid_, &ChannelGridView::EnterPressed, this, [this] { EnterGridEdit(); });
        connect(grid_, &ChannelGridView::RightPressed, this,
                [this](const QModelIndex& at, const QPoint& pos) {
                    ShowContextMenu(at.row() + 1, at.column(), pos);
                });
        connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, this,
                [this] { OnScrolled(); });
        connect(grid_->horizontalScrollBar(), &QScrollBar::valueChanged, this,
                [this] { LayOpenEditor(); });
        clickSuppress_.setSingleShot(true);
        clickSuppress_.setInterval(1000);
        scrollTimer_.setSingleShot(true);
        scrollTimer_.setInterval(500);
        connect(&scrollTimer_, &QTimer::timeout, this, [this] {
            if (scrollPending_ && !CodeMoveTopRow) {
                scrollPending_ = false;
                FollowScroll();
            }
            scrollPending_ = false;
        });
        connect(edit_, &QPushButton::clicked, this, [this] {
            CommitGridEdit();
            ShowEditDialog();
        });

        InitShowGrid();
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(edit_);
        buttons->addStretch();
        auto* body = new QVBoxLayout;
        body->addWidget(grid_, 1, Qt::AlignHCenter);
        body->addLayout(buttons);
        // Sets the texts and shows the whole table (RelabelControls).
        SetBody(body);
        // The grid, not the gap the base leaves under the body, takes the
        // window's height.
        if (auto* outer = qobject_cast<QBoxLayout*>(layout())) {
            const int at = outer->indexOf(body);
            outer->setStretch(at, 1);
            if (at + 1 < outer->count() && outer->itemAt(at + 1)->spacerItem())
                outer->setStretch(at + 1, 0);
        }
        documentChanges_ = DocumentSubscription(
            app.docState.Events, DocumentChange::ChannelFields | DocumentChange::ChannelTable,
            [this](DocumentChange change, int channelNo) { OnDocumentChanged(change, channelNo); });
        enterOnActivate_ = true;
        // The cursor starts on channel 1's frequency; the cell is entered at the
        // first activation, once the window has its place on the screen.
        grid_->selectionModel()->setCurrentIndex(model_->index(0, 1),
                                                 QItemSelectionModel::ClearAndSelect);
        loaded_ = true;
        editorReady_ = true;
    });
}

frmCommChInfo::~frmCommChInfo() {
    documentChanges_.End();
    // A window closed properly has let go already (and a successor may be
    // open by now); one destroyed with the main window lets go here.
    if (closed_)
        return;
}

void frmCommChInfo::OnDocumentChanged(DocumentChange change, int channelNo) {
    if (change == DocumentChange::ChannelTable)
        SetGridData();
    else if (channelNo != 0)
        reShowGrid(channelNo);
    else
        reShowAllGrid();
}

void frmCommChInfo::RelabelControls() {
    languageRefresh_ = true;
    ChangShowByLanguage();
    SetGridData();
    languageRefresh_ = false;
}

void frmCommChInfo::InitShowGrid() {
    Trap("frmCommChInfo_InitShowGridError", [this] {
        // The name column shows all six characters at the user's font, however
        // wide; the grid grows by what that adds.
        int extra = 0;
        for (int col = 0; col < ChannelGridModel::kCols; ++col) {
            int width = TwipsToPixels(kColWidthsTwips[col]);
            if (col == 3) {
                const int needed = grid_->fontMetrics().horizontalAdvance(QStringLiteral("WWWWWW")) +
                                   2 * grid_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
                extra = std::max(0, needed - width);
                width += extra;
            }
            grid_->setColumnWidth(col, width);
        }
        grid_->horizontalHeader()->setFixedHeight(TwipsToPixels(kHeaderTwips));
        grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        // Rows are as high as the lists laid over them, so a list covers its cell.
        listHeight_ = power_->sizeHint().height();
        const int rowHeight = std::max(listHeight_, name_->sizeHint().height());
        grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        grid_->verticalHeader()->setDefaultSectionSize(rowHeight);
        grid_->setFixedWidth(TwipsToPixels(kGridWidthTwips) + extra);
        resize(sizeHint());
        HideEditors();
    });
}

void frmCommChInfo::ChangShowByLanguage() {
    Trap("frmCommChInfo_ChangShowByLanguage", [this] {
        const AppContext& app = app_;
        auto text = [this](int id) { return Text(id); };
        UpdateCaption();
        for (int col = 0; col < ChannelGridModel::kCols; ++col)
            model_->SetHeader(col, text(14001 + col));
        if (app.habits.UseOffsetFreq)
            model_->SetHeader(2, text(14100));
        model_->BeginBulk();
        for (int row = 1; row <= kRows; ++row) {
            model_->SetCell(row, 0, row == kVfoRow ? QStringLiteral("VFO") : QString::number(row));
            model_->SetCell(row, 10, QStringLiteral(">>"));
        }
        model_->EndBulk();
        // Only the off entry of the tone list is a text of the language.
        toneTexts_[0] = text(14013);
        tone_->setItemText(0, toneTexts_[0]);
        auto entries = [&app](ChannelColumn column) {
            QStringList list;
            for (const std::string& entry : ChannelGridEntries(app.texts, column))
                list << QString::fromStdString(entry);
            return list;
        };
        powerTexts_ = entries(kColTxPower);
        scanTexts_ = entries(kColScanSkip);
        signalTexts_ = entries(kColOptSignal);
        spacingTexts_ = entries(kColChSpacing);
        FillList(power_, powerTexts_);
        FillList(scan_, scanTexts_);
        FillList(signal_, signalTexts_);
        FillList(spacing_, spacingTexts_);
        edit_->setText(text(14023));
        fitWidths_.clear(); // the entries may be wider in this language
    });
}

void frmCommChInfo::UpdateCaption() {
    const int row = CurrentRow();
    const QString number = row == kVfoRow ? QStringLiteral("VFO") : QString::number(row);
    setWindowTitle(Text(14012) + u' ' + number + u']');
}

QString frmCommChInfo::ListText(int col, int value) const {
    const QStringList* entries = nullptr;
    switch (col) {
    case 4:
    case 5:
        entries = &toneTexts_;
        break;
    case 6:
        entries = &powerTexts_;
        break;
    case 7:
        entries = &scanTexts_;
        break;
    case 8:
        entries = &signalTexts_;
        break;
    case 9:
        entries = &spacingTexts_;
        break;
    default:
        return {};
    }
    if (entries->isEmpty())
        return {};
    return value >= 0 && value < entries->size() ? entries->at(value) : entries->front();
}

void frmCommChInfo::WriteRow(const ChannelRecord& e) {
    AppContext& app = app_;
    const int row = e.ChannelNo;
    if (row < 1 || row > kRows)
        return;
    model_->SetCell(row, 1,
                    QString::fromStdString(FreqStoredToText(app, context_.ui, TrimFix(e.RxFreq))));
    model_->SetCell(row, 2,
                    QString::fromStdString(TxFreqText(e.RxFreq.raw(), e.TxShift.raw(), e.TxShiftDir,
                                                      app.habits.UseOffsetFreq)));
    model_->SetCell(row, 3, Latin(TrimFix(e.Name)));
    model_->SetCell(row, 4, ListText(4, e.RxTone));
    model_->SetCell(row, 5, ListText(5, e.TxTone));
    model_->SetCell(row, 6, ListText(6, e.TxPower));
    model_->SetCell(row, 7, ListText(7, e.ScanSkip));
    model_->SetCell(row, 8, ListText(8, e.OptSignal));
    model_->SetCell(row, 9, ListText(9, e.ChSpacing));
}

void frmCommChInfo::ClearRow(int row) {
    for (int col = 1; col <= 9; ++col)
        model_->SetCell(row, col, QString());
}

void frmCommChInfo::SetGridData() {
    Trap("frmCommChInfo_SetGridData", [this] {
        const RadioDocument& doc = app_.doc;
        model_->BeginBulk();
        for (int row = 1; row <= kRows; ++row)
            ClearRow(row);
        for (int i = 0; i < doc.ChannelCount; ++i)
            WriteRow(doc.Channels[static_cast<std::size_t>(i)]);
        model_->EndBulk();
        SetShowEditData();
        host_.LoadTree();
    });
}

void frmCommChInfo::ShowDocument() {
    if (closed_)
        return;
    // Only the receive frequency starts a channel that is not there.
    const GridCell cell = editorCell_;
    if (cell.col >= 2 && !FindChannel(app_.doc, cell.row))
        HideEditors();
    SetGridData(); // the open editor takes its cell's text
    // In the offset mode the transmit list offers the cell's own shift.
    if (cell.col == 2 && !freq_[1]->isHidden()) {
        FillList(freq_[1], TransmitEntries(app_.habits.UseOffsetFreq, model_->Cell(cell.row, 2)));
        SetShowEditData();
    }
    UpdateCaption();
    host_.UpdateChannelCommands(CurrentRow());
}

void frmCommChInfo::SetGridDataByValue(int, int, const QString&) {}

void frmCommChInfo::reShowGrid(int row) {
    Trap("frmCommChInfo_reShowGrid", [this, row] {
        if (row < 1 || row > kRows)
            return;
        RadioDocument& doc = app_.doc;
        if (const ChannelRecord* e = FindChannel(doc, row))
            WriteRow(*e);
        else
            ClearRow(row);
        if (row == CurrentRow()) {
            host_.UpdateChannelCommands(row);
            SetShowEditData();
        }
    });
}

void frmCommChInfo::reShowAllGrid() {
    RadioDocument& doc = app_.doc;
    model_->BeginBulk();
    for (int row = 1; row <= kRows; ++row) {
        if (const ChannelRecord* e = FindChannel(doc, row))
            WriteRow(*e);
        else if (!model_->Cell(row, 1).isEmpty())
            ClearRow(row);
    }
    model_->EndBulk();
}

void frmCommChInfo::ReShowAllTxFre(bool offset) {
    AppContext& app = app_;
    model_->SetHeader(2, Text(offset ? 14100 : 14003));
    model_->BeginBulk();
    for (int i = 0; i < app.doc.ChannelCount; ++i) {
        const ChannelRecord& e = app.doc.Channels[static_cast<std::size_t>(i)];
        if (e.ChannelNo >= 1 && e.ChannelNo <= kRows)
            model_->SetCell(e.ChannelNo, 2,
                            QString::fromStdString(
                                TxFreqText(e.RxFreq.raw(), e.TxShift.raw(), e.TxShiftDir, offset)));
    }
    model_->EndBulk();
}

void frmCommChInfo::ReShowChInfoByLanguage() {
    Relabel();
}

void frmCommChInfo::SetShowEditData() {
    Trap("frmCommChInfo_SetShowEditData", [this] {
        const GridCell cell = editorCell_;
        QWidget* editor = EditorOfColumn(cell.col);
        if (!editor || editor->isHidden())
            return;
        const QString text = model_->Cell(cell.row, cell.col);
        editorReady_ = false;
        if (editor == name_)
            name_->setText(text);
        else
            SelectEntry(ListOfColumn(cell.col), text);
        editorReady_ = true;
    });
}

// ---------------------------------------------------------------- cursor

int frmCommChInfo::CurrentRow() const {
    const QModelIndex at = grid_ ? grid_->currentIndex() : QModelIndex();
    return at.isValid() ? at.row() + 1 : 1;
}

int frmCommChInfo::CurrentCol() const {
    const QModelIndex at = grid_ ? grid_->currentIndex() : QModelIndex();
    return at.isValid() ? at.column() : 1;
}

void frmCommChInfo::SetCurrentCell(int row, int col) {
    if (row < 1 || row > kRows || col < 0 || col >= ChannelGridModel::kCols)
        return;
    grid_->selectionModel()->setCurrentIndex(model_->index(row - 1, col),
                                             QItemSelectionModel::ClearAndSelect);
}

void frmCommChInfo::SetCurrentRow(int row) {
    SetCurrentCell(row, CurrentCol());
}

int frmCommChInfo::TopRow() const {
    return grid_->verticalScrollBar()->value() + 1;
}

void frmCommChInfo::SetTopRow(int row) {
    grid_->verticalScrollBar()->setValue(row - 1);
}

int frmCommChInfo::ShownRowCount() const {
    const int rowHeight = grid_->verticalHeader()->defaultSectionSize();
    return rowHeight > 0 ? std::max(1, grid_->viewport()->height() / rowHeight) : 1;
}

void frmCommChInfo::OnCurrentChanged() {
    if (!languageRefresh_)
        host_.UpdateChannelCommands(CurrentRow());
    OnEnterCell();
}

void frmCommChInfo::OnEnterCell() {
    if (!loaded_)
        return;
    if (skipNextEntry_) {
        skipNextEntry_ = false;
        return;
    }
    ChannelEditing& editing = app_.docState.Editing;
    const int row = CurrentRow();
    const int col = CurrentCol();
    UpdateCaption();
    grid_->setFocus();
    // Taking the focus commits an open name; when the focus could not move
    // (the program's window is not the active one) the name is committed here.
    if (!name_->isHidden() && editorCell_.col == 3 &&
        name_->text() != model_->Cell(editorCell_.row, 3))
        CommitGridEdit();
    prevEditCell_ = editing.EditCell;
    if (skipRxCheck_) {
        skipRxCheck_ = false;
    } else {
        // An empty channel can only be started from its receive frequency.
        if (col >= 2 && col <= 9 && !FlexConcludeRx())
            return;
        // The encode tone needs a transmit frequency first.
        if (col == 5 && model_->Cell(row, 2).isEmpty()) {
            editing.EditCell = {2, row};
            skipRxCheck_ = true;
            SetCurrentCell(row, 2);
            return;
        }
    }
    HideEditors();
    EnterGridEdit();
}

bool frmCommChInfo::FlexConcludeRx() {
    bool concluded = true;
    Trap("frmCommChInfo_FlexConcludeRx", [this, &concluded] {
        const int row = CurrentRow();
        if (!model_->Cell(row, 1).isEmpty())
            return;
        concluded = false;
        app_.docState.Editing.EditCell = {1, row};
        skipRxCheck_ = true;
        SetCurrentCell(row, 1);
    });
    return concluded;
}

void frmCommChInfo::GridNextLine() {
    Trap("frmCommChInfo_GridNextLine", [this] {
        const int row = CurrentRow();
        SetCurrentCell(row >= kVfoRow ? 1 : row + 1, CurrentCol());
    });
}

void frmCommChInfo::GridNextCol() {
    Trap("rmCommChInfo_GridNextCol", [this] {
        const int col = CurrentCol();
        if (col >= 9) {
            // The keyboard never reaches column 10: on to the next row's frequency.
            skipNextEntry_ = true;
            SetCurrentCell(CurrentRow(), 1);
            skipNextEntry_ = false;
            GridNextLine();
            return;
        }
        SetCurrentCell(CurrentRow(), col + 1);
    });
}

// ---------------------------------------------------------------- editors

QComboBox* frmCommChInfo::ListOfColumn(int col) const {
    switch (col) {
    case 1:
        return freq_[0];
    case 2:
        return freq_[1];
    case 4:
    case 5:
        return tone_;
    case 6:
        return power_;
    case 7:
        return scan_;
    case 8:
        return signal_;
    case 9:
        return spacing_;
    default:
        return nullptr;
    }
}

QWidget* frmCommChInfo::EditorOfColumn(int col) const {
    if (col == 3)
        return name_;
    return ListOfColumn(col);
}

void frmCommChInfo::HideEditors() {
    for (QWidget* editor : {static_cast<QWidget*>(freq_[0]), static_cast<QWidget*>(freq_[1]),
                            static_cast<QWidget*>(name_), static_cast<QWidget*>(tone_),
                            static_cast<QWidget*>(power_), static_cast<QWidget*>(scan_),
                            static_cast<QWidget*>(signal_), static_cast<QWidget*>(spacing_)})
        if (editor && !editor->isHidden())
            editor->hide();
}

int frmCommChInfo::FitWidth(QComboBox* list) {
    auto it = fitWidths_.constFind(list);
    if (it != fitWidths_.constEnd())
        return *it;
    int widest = 0;
    for (int i = 0; i < list->count(); ++i)
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(list->itemText(i)));
    QStyleOptionComboBox option;
    option.initFrom(list);
    const int width =
        list->style()
            ->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(widest, listHeight_), list)
            .width();
    fitWidths_.insert(list, width);
    return width;
}

void frmCommChInfo::LayOverCell(QWidget* editor, int row, int col, bool cellHeight) {
    const QRect cell = grid_->visualRect(model_->index(row - 1, col));
    const QPoint at = grid_->viewport()->mapTo(this, cell.topLeft());
    // A list as wide as its cell, unless its drop-down button would then hide
    // part of an entry ("446.0062" for 446.00625): then it reaches a little
    // over the next cell.
    int width = cell.width();
    if (auto* list = qobject_cast<QComboBox*>(editor))
        width = std::max(width, FitWidth(list));
    editor->setGeometry(at.x(), at.y(), width, cellHeight ? cell.height() : listHeight_);
    editor->raise();
}

void frmCommChInfo::LayOpenEditor() {
    const GridCell cell = editorCell_;
    QWidget* editor = EditorOfColumn(cell.col);
    if (!editor || editor->isHidden())
        return;
    const QRect rect = grid_->visualRect(model_->index(cell.row - 1, cell.col));
    if (grid_->viewport()->rect().intersects(rect))
        LayOverCell(editor, cell.row, cell.col, editor == name_);
}

void frmCommChInfo::SelectEntry(QComboBox* list, const QString& text) {
    int index = -1;
    if (list == tone_)
        index = toneTexts_.indexOf(text);
    else
        index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    // A channel on a frequency the list does not hold shows "NONE" without
    // having chosen it.
    if (list == freq_[0])
        standInNone_ = index < 0 && !text.isEmpty();
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(index >= 0 ? index : 0);
}

void frmCommChInfo::EnterGridEdit() {
    Trap("frmCommChInfo_EnterGridEdit", [this] {
        const int row = CurrentRow();
        const int col = CurrentCol();
        app_.docState.Editing.EditCell = {col, row};
        editorCell_ = {col, row};
        OLdTopRow = TopRow();
        if (ChannelEditWindow* dialog = host_.OpenChannelEditDialog())
            dialog->SetGridEditData(true);
        if (col < 1 || col > 9)
            return;
        editorReady_ = false;
        if (col == 3) {
            LayOverCell(name_, row, col, true);
            name_->show();
            name_->setText(model_->Cell(row, col));
            name_->setFocus();
            if (!name_->text().isEmpty())
                name_->selectAll();
            editorReady_ = true;
            return;
        }
        QComboBox* list = ListOfColumn(col);
        QString text = model_->Cell(row, col);
        if (col == 2)
            FillList(list, TransmitEntries(app_.habits.UseOffsetFreq, text));
        if (col <= 2) {
            list->setProperty("helpTopic", 3101 + col);
            if (text.isEmpty() && col == 2 && prevEditCell_.col == 1 && prevEditCell_.row == row) {
                text = model_->Cell(row, 1);
                model_->SetCell(row, 2, text);
            }
        } else if (col <= 5) {
            list->setProperty("helpTopic", 3102 + col);
            list->setEnabled(true);
        }
        LayOverCell(list, row, col, false);
        list->show();
        SelectEntry(list, text);
        list->setFocus();
        editorReady_ = true;
    });
}

void frmCommChInfo::CommitGridEdit() {
    AppContext& app = app_;
    UserInteraction& ui = context_.ui;
    const GridCell cell = editorCell_;
    const int row = cell.row;
    switch (cell.col) {
    case 1: {
        if (freq_[0]->isHidden())
            return;
        const QString text = RxCommitText(freq_[0]->currentText());
        model_->SetCell(row, 1, text);
        SetChannelField(app, ui, row, kColRxFreq, text.toStdString());
        return;
    }
    case 2: {
        const QString text = freq_[1]->currentText();
        if (freq_[1]->isHidden() || !IsNumeric(text.toStdString()))
            return;
        model_->SetCell(row, 2, TxCommitText(text));
        SetChannelField(app, ui, row, kColTxFreq, text.toStdString());
        return;
    }
    case 3: {
        if (name_->isHidden())
            return;
        const QString text = name_->text();
        model_->SetCell(row, 3, text);
        SetChannelField(app, ui, row, kColName, text.toLatin1().toStdString());
        return;
    }
    default: {
        QComboBox* list = ListOfColumn(cell.col);
        if (!list || list->isHidden())
            return;
        model_->SetCell(row, cell.col, list->currentText());
        SetChannelField(app, ui, row, cell.col, list->currentIndex());
        return;
    }
    }
}

void frmCommChInfo::OnListChosen(QComboBox* list) {
    if (!editorReady_) {
        editorReady_ = true;
        return;
    }
    if (list != ListOfColumn(editorCell_.col))
        return;
    if (list == freq_[0])
        standInNone_ = false;
    // Stepping through the closed receive list with the keys passes over
    // "NONE"; that removes the channel only when the user confirms it with Enter.
    if (keyChoosing_ && list == freq_[0] && list->currentText() == QLatin1String(kNone))
        return;
    CommitGridEdit();
}

bool frmCommChInfo::HandleEditorKey(QWidget* editor, QKeyEvent* key) {
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (editor == name_) {
        if (enter) {
            CommitGridEdit();
            GridNextCol();
            return true;
        }
        const NameBoxKey rule = NameBoxAccepts(*key);
        if (rule.kind == NameBoxKey::Discard)
            return true;
        if (rule.kind == NameBoxKey::Insert) {
            name_->insert(QString(rule.insert));
            return true;
        }
        return false;
    }
    auto* list = static_cast<QComboBox*>(editor);
    if (list == freq_[0] || list == freq_[1]) {
        if (enter) {
            Trap("rmCommChInfo_Combo8_KeyPress", [this, list] {
                const bool none = list->currentText() == QLatin1String(kNone);
                const int col = editorCell_.col;
                if (list == freq_[0] && standInNone_ && none) {
                    // Nothing was chosen: the channel keeps its frequency.
                    GridNextCol();
                    return;
                }
                CommitGridEdit();
                if (col == 1 && none)
                    GridNextLine();
                else
                    GridNextCol();
            });
            return true;
        }
        const bool signs = list == freq_[1] && app_.habits.UseOffsetFreq;
        if (!FrequencyListAccepts(*key, signs))
            return true;
        // The list moves its selection itself; a choice made that way is marked
        // so that "NONE" is not taken before Enter confirms it.
        keyChoosing_ = true;
        static_cast<QObject*>(list)->event(key);
        keyChoosing_ = false;
        return true;
    }
    if (enter) {
        static const char* const names[] = {
            "frmCommChInfo_Combo1_KeyPress", "frmCommChInfo_Combo2_KeyPress",
            "frmCommChInfo_Combo3_KeyPress", "frmCommChInfo_Combo4_KeyPress",
            "frmCommChInfo_Combo5_KeyPress"};
        const int which = list == tone_     ? 0
                          : list == power_  ? 1
                          : list == scan_   ? 2
                          : list == signal_ ? 3
                                            : 4;
        // The click that chose the value has committed it already.
        Trap(names[which], [this] { GridNextCol(); });
        return true;
    }
    return false;
}

bool frmCommChInfo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_->viewport()) {
        if (event->type() == QEvent::Resize)
            LayOpenEditor();
        return QWidget::eventFilter(watched, event);
    }
    auto* editor = qobject_cast<QWidget*>(watched);
    if (!editor)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress)
        return HandleEditorKey(editor, static_cast<QKeyEvent*>(event));
    if ((event->type() == QEvent::MouseButtonPress ||
         event->type() == QEvent::MouseButtonRelease) &&
        editor == name_ && static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton)
        return true; // the selection paste would pass the key rules by
    if (event->type() == QEvent::ShortcutOverride && editor == name_) {
        // Clipboard shortcuts never reach the name box.
        auto* key = static_cast<QKeyEvent*>(event);
        if (NameBoxAccepts(*key).kind == NameBoxKey::Discard) {
            event->accept();
            return true;
        }
    }
    if (event->type() == QEvent::FocusOut && editor == name_ && !name_->isHidden() &&
        name_->isEnabled() && editorCell_.col == 3)
        CommitGridEdit();
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------- window

void frmCommChInfo::ShowEditDialog() {
    host_.ShowChannelEditDialog();
}

void frmCommChInfo::ShowContextMenu(int row, int col, const QPoint& globalPos) {
    grid_->setFocus();
    SetCurrentCell(row, col);
    host_.PopupChannelEditMenu(globalPos);
}

void frmCommChInfo::OnScrolled() {
    if (CodeMoveTopRow || grid_->FollowingCursor()) {
        LayOpenEditor();
        return;
    }
    LayOpenEditor();
    if (scrollTimer_.isActive()) {
        // A run of scroll events is followed once more when it has settled.
        scrollPending_ = true;
        return;
    }
    FollowScroll();
    scrollTimer_.start();
}

void frmCommChInfo::FollowScroll() {
    // The cursor keeps its distance from the top row.
    const int row = (CurrentRow() - OLdTopRow) + TopRow();
    if (row >= 1 && row <= kRows && row != editorCell_.row)
        SetCurrentCell(row, CurrentCol());
}

void frmCommChInfo::OnActivated(bool active) {
    if (active) {
        host_.ShowCHInfo(true);
        if (enterOnActivate_) {
            enterOnActivate_ = false;
            OnEnterCell();
        }
    } else if (active_) {
        host_.ShowCHInfo(false);
    }
    active_ = active;
}

void frmCommChInfo::CommitFocusedEdit() {
    if (!name_->isHidden() && name_->isEnabled() && editorCell_.col == 3)
        CommitGridEdit();
}

void frmCommChInfo::SetEditDisable() {
    CommitFocusedEdit();
    HideEditors();
}

QSize frmCommChInfo::sizeHint() const {
    return {TwipsToPixels(kWindowWidthTwips), TwipsToPixels(kWindowHeightTwips)};
}

bool frmCommChInfo::event(QEvent* event) {
    // The work area puts the window into a frame of its own: the frame says
    // when the window becomes the active one.
    if (event->type() == QEvent::ParentChange) {
        disconnect(frameState_);
        if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
            frameState_ = connect(frame, &QMdiSubWindow::windowStateChanged, this,
                                  [this](Qt::WindowStates, Qt::WindowStates now) {
                                      OnActivated(now.testFlag(Qt::WindowActive));
                                  });
    }
    return EditorWindow::event(event);
}

void frmCommChInfo::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (grid_)
        LayOpenEditor();
}

void frmCommChInfo::closeEvent(QCloseEvent* event) {
    Trap("frmCommChInfo_Form_Unload", [this] {
        CommitFocusedEdit();
        documentChanges_.End();
        closed_ = true;
        if (active_) {
            active_ = false;
            host_.ShowCHInfo(false);
        }
    });
    event->accept();
}

QString frmCommChInfo::CellText(int row, int col) const {
    return model_->Cell(row, col);
}

} // namespace pmr
