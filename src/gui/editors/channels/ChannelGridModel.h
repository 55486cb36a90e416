#pragma once
// The cells of the channel grid: 129 data rows (grid rows 1..129, the VFO in
// row 129) of 11 columns, each a plain text, with the grid's fixed colours per
// column and the header texts. The texts live in one array and a full rewrite
// announces itself once, so redrawing the whole table stays cheap.

#include <QAbstractTableModel>
#include <QString>
#include <array>

namespace pmr {

class ChannelGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kRows = 129; // grid rows 1..129; grid row 0 is the header
    static constexpr int kCols = 11;

    explicit ChannelGridModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    /// The text of grid cell (row 1..129, col 0..10); empty outside the grid.
    QString Cell(int row, int col) const;
    /// Sets a cell's text; announced at once unless a bulk rewrite is open.
    void SetCell(int row, int col, const QString& text);
    void SetHeader(int col, const QString& text);

    /// Between these two, cell changes are collected and announced once.
    void BeginBulk();
    void EndBulk();

private:
    std::array<std::array<QString, kCols>, kRows> cells_;
    std::array<QString, kCols> headers_;
    int bulk_ = 0;
    bool bulkChanged_ = false;
};

} // namespace pmr
