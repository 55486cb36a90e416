#include "ChannelGridView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace pmr {

ChannelGridView::ChannelGridView(QWidget* parent) : QTableView(parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setHighlightSections(false);
}

void ChannelGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    following_ = true;
    QTableView::currentChanged(current, previous);
    following_ = false;
}

void ChannelGridView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit EnterPressed();
        return;
    }
    QTableView::keyPressEvent(event);
}

void ChannelGridView::mousePressEvent(QMouseEvent* event) {
    const QModelIndex at = indexAt(event->position().toPoint());
    if (event->button() == Qt::RightButton) {
        if (at.isValid())
            emit RightPressed(at, event->globalPosition().toPoint());
        return;
    }
    pressedOnCurrent_ = (at.isValid() && at == currentIndex()) ? at : QModelIndex();
    QTableView::mousePressEvent(event);
}

void ChannelGridView::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const QModelIndex at = indexAt(event->position().toPoint());
    if (at.isValid() && at == pressedOnCurrent_)
        emit CurrentCellClicked(at);
    pressedOnCurrent_ = QModelIndex();
}

} // namespace pmr
