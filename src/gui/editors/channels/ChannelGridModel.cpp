#include "ChannelGridModel.h"

#include <QBrush>
#include <QColor>

namespace pmr {

namespace {

constexpr int kNumberCol = 0;
constexpr int kEditCol = 10;

} // namespace

ChannelGridModel::ChannelGridModel(QObject* parent) : QAbstractTableModel(parent) {}

int ChannelGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kRows;
}

int ChannelGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kCols;
}

QVariant ChannelGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= kRows || index.column() >= kCols)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return cells_[static_cast<std::size_t>(index.row())]
                     [static_cast<std::size_t>(index.column())];
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::ForegroundRole:
        if (index.column() == kNumberCol)
            return QBrush(QColor(0, 0, 255));
        if (index.column() == kEditCol)
            return QBrush(QColor(255, 0, 0));
        return {};
    case Qt::BackgroundRole:
        if (index.column() == kEditCol)
            return QBrush(QColor(220, 220, 220));
        return {};
    default:
        return {};
    }
}

QVariant ChannelGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kCols)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return headers_[static_cast<std::size_t>(section)];
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::ForegroundRole:
        return QBrush(QColor(0, 0, 155));
    default:
        return {};
    }
}

Qt::ItemFlags ChannelGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    // Cells are edited by the window's own editors laid over them, never by the view.
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QString ChannelGridModel::Cell(int row, int col) const {
    if (row < 1 || row > kRows || col < 0 || col >= kCols)
        return {};
    return cells_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col)];
}

void ChannelGridModel::SetCell(int row, int col, const QString& text) {
    if (row < 1 || row > kRows || col < 0 || col >= kCols)
        return;
    QString& cell = cells_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col)];
    if (cell == text)
        return;
    cell = text;
    if (bulk_ > 0) {
        bulkChanged_ = true;
        return;
    }
    const QModelIndex at = index(row - 1, col);
    emit dataChanged(at, at, {Qt::DisplayRole});
}

void ChannelGridModel::SetHeader(int col, const QString& text) {
    if (col < 0 || col >= kCols || headers_[static_cast<std::size_t>(col)] == text)
        return;
    headers_[static_cast<std::size_t>(col)] = text;
    emit headerDataChanged(Qt::Horizontal, col, col);
}

void ChannelGridModel::BeginBulk() {
    ++bulk_;
}

void ChannelGridModel::EndBulk() {
    if (bulk_ == 0 || --bulk_ > 0)
        return;
    if (bulkChanged_) {
        bulkChanged_ = false;
        emit dataChanged(index(0, 0), index(kRows - 1, kCols - 1), {Qt::DisplayRole});
    }
}

} // namespace pmr
