#pragma once
// The table view of the channel grid. It tells the window about the events
// the grid reacts to: Enter on the grid, a click on the cell that is already
// current, a right-button press, and whether a scroll came from the view
// following its cursor (the window only answers the user's own scrolling).

#include <QModelIndex>
#include <QTableView>

namespace pmr {

class ChannelGridView : public QTableView {
    Q_OBJECT
public:
    explicit ChannelGridView(QWidget* parent = nullptr);

    /// True while the view scrolls to keep a new current cell in sight.
    bool FollowingCursor() const { return following_; }

signals:
    void EnterPressed();
    /// A left click on the cell that was current before the press.
    void CurrentCellClicked(const QModelIndex& index);
    void RightPressed(const QModelIndex& index, const QPoint& globalPos);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool following_ = false;
    QModelIndex pressedOnCurrent_;
};

} // namespace pmr
