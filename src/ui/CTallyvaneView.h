#pragma once

#include "model/CDueStore.h"
#include "model/COleDateTime.h"
#include "ui/DueRecordMeta.h"

#include <QListView>

#include <optional>

class DueListModel;
class DueRowDelegate;
class QMenu;

// The month list: two-line rows of the shown month's dues under the filter.
// It tells the frame about its selection (details bar, caption bar) and
// sends the commands of its context menu and double click.
class CTallyvaneView : public QListView
{
    Q_OBJECT
public:
    explicit CTallyvaneView(QWidget* parent = nullptr);

    // Lists the dues of month's month under filter (0 all, 1 paid, 2 unpaid).
    void Refresh(const COleDateTime& month, DueFilter filter);

    // The due at the selection mark, if any.
    std::optional<DueRecord> SelectedDue() const;
    // Puts the selection mark on a row (-1: none).
    void SelectRow(int row);

    DueListModel* Model() const { return m_model; }
    // The context menu for a point in the viewport; its actions carry command ids.
    // Over a row the selection mark moves there first.
    QMenu* BuildContextMenu(const QPoint& pos);

    void UpdateDetails();

signals:
    void dueSelected(const DueRecord& record);
    void selectionCleared();
    void commandRequested(int commandId);
    void modifyRequested(const QString& recId);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void OnDoubleClicked(const QModelIndex& index);

    DueListModel* m_model;
    DueRowDelegate* m_delegate;
};
