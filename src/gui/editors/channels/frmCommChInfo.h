#pragma once
// The channel window: the whole channel table in one grid, one row per channel
// number (row 129 is the VFO), every channel cell edited in place. One editor
// of each kind is laid over the current cell; each choice is written into the
// document at once through SetChannelField, whose change notice redraws the
// row here. The window is the anchor of the channel edit dialog and of the
// row commands.

#include "../shared/EditorWindow.h"
#include "ChildWindow.h"
#include "document/ChannelEditing.h"
#include "document/DocumentEvents.h"

#include <QHash>
#include <QStringList>
#include <QTimer>
#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace pmr {

class ChannelGridModel;
class ChannelGridView;
class ChannelWindowHost;
struct ChannelRecord;
struct WindowRow;

class frmCommChInfo : public EditorWindow, public ChannelGridWindow {
    Q_OBJECT
public:
    static constexpr const char* kName = "frmCommChInfo";
    frmCommChInfo(const EditorContext& context, ChannelWindowHost& host, const WindowRow& row);
    ~frmCommChInfo() override;

    // ChannelGridWindow
    void CommitFocusedEdit() override;
    void SetEditDisable() override;
    void reShowGrid(int row) override;
    void reShowAllGrid() override;
    void ReShowAllTxFre(bool offset) override;
    void ReShowChInfoByLanguage() override;
    int CurrentRow() const override;
    void SetCurrentRow(int row) override;
    int TopRow() const override;
    void SetTopRow(int row) override;
    /// The data rows shown whole at the grid's present height.
    int ShownRowCount() const override;
    void SetCodeMoveTopRow(bool on) override { CodeMoveTopRow = on; }
    void SetOLdTopRow(int row) override { OLdTopRow = row; }

    /// Clears every channel cell, writes every record, re-syncs the open
    /// editor and has the main window rebuild its tree.
    void SetGridData();
    /// Every row again; the cursor and the top row stay. The open editor
    /// shows its cell's new value, or goes when its channel is gone.
    void ShowDocument() override;
    /// Kept for callers that push single values; the grid reads the document instead.
    void SetGridDataByValue(int row, int col, const QString& value);
    /// True when the current row has a receive frequency; otherwise sends the
    /// cursor to column 1, where an empty channel has to be started.
    bool FlexConcludeRx();
    /// Opens the editor of the current cell.
    void EnterGridEdit();
    /// Writes the open editor's value into the document.
    void CommitGridEdit();
    /// One row down; from the VFO row back to row 1.
    void GridNextLine();
    /// One column right; from column 9 to column 1 of the next row.
    void GridNextCol();

    int CurrentCol() const;
    /// Moves the cursor to a cell (which enters it).
    void SetCurrentCell(int row, int col);
    /// The text shown in grid cell (row 1..129, col 0..10).
    QString CellText(int row, int col) const;
    ChannelGridView* Grid() const { return grid_; }

    /// Set while the main window moves the grid; scroll events are ignored then.
    bool CodeMoveTopRow = false;
    /// The grid's top row when an editor was last opened.
    int OLdTopRow = 1;

    /// The window opens 11800 by 6200 twips, also when the work area cascades it.
    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    /// The texts of the language and the whole grid again.
    void RelabelControls() override;
    void OnDocumentChanged(DocumentChange change, int channelNo);
    void InitShowGrid();
    void ChangShowByLanguage();
    int FitWidth(QComboBox* list);
    void SetShowEditData();
    void WriteRow(const ChannelRecord& channel);
    void ClearRow(int row);
    void OnCurrentChanged();
    void OnEnterCell();
    void OnScrolled();
    void FollowScroll();
    void OnActivated(bool active);
    void HideEditors();
    void LayOverCell(QWidget* editor, int row, int col, bool cellHeight);
    void LayOpenEditor();
    void SelectEntry(QComboBox* list, const QString& text);
    void OnListChosen(QComboBox* list);
    void ShowEditDialog();
    void ShowContextMenu(int row, int col, const QPoint& globalPos);
    bool HandleEditorKey(QWidget* editor, QKeyEvent* key);
    QComboBox* ListOfColumn(int col) const;
    QWidget* EditorOfColumn(int col) const;
    QString ListText(int col, int value) const;
    void UpdateCaption();
    /// Runs a routine; a failure shows its diagnostic name and ends the routine.
    template <typename F> void Trap(const char* name, F&& routine);

    ChannelWindowHost& host_;
    DocumentSubscription documentChanges_;
    ChannelGridModel* model_ = nullptr;
    ChannelGridView* grid_ = nullptr;
    QComboBox* freq_[2] = {};
    QLineEdit* name_ = nullptr;
    QComboBox* tone_ = nullptr;
    QComboBox* power_ = nullptr;
    QComboBox* scan_ = nullptr;
    QComboBox* signal_ = nullptr;
    QComboBox* spacing_ = nullptr;
    QPushButton* edit_ = nullptr;

    QStringList toneTexts_;
    QHash<QString, int> toneIndex_;
    QStringList powerTexts_, scanTexts_, signalTexts_, spacingTexts_;
    int listHeight_ = 0;
    /// The width at which each list shows its widest entry whole.
    QHash<const QComboBox*, int> fitWidths_;

    GridCell prevEditCell_;
    /// The cell the open editor lies over. The edit dialog picking a channel
    /// of its own moves `EditCell` to that channel; the grid's editor still
    /// writes to the row the user sees it over.
    GridCell editorCell_;
    bool editorReady_ = false;
    bool skipNextEntry_ = false;
    bool skipRxCheck_ = false;
    bool loaded_ = false;
    bool enterOnActivate_ = false;
    bool languageRefresh_ = false;
    bool keyChoosing_ = false;
    bool standInNone_ = false; // the receive list shows "NONE" for a frequency it lacks
    bool active_ = false;
    bool closed_ = false;
    bool scrollPending_ = false;
    /// The frame's activation notices (see event()).
    QMetaObject::Connection frameState_;
    QTimer clickSuppress_;
    QTimer scrollTimer_;
};

} // namespace pmr
