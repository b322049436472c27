#pragma once

#include "model/base/COleDateTime.h"
#include "model/store/CDueStore.h"
#include "ui/list/DueListQuery.h"
#include "ui/list/DueRecordMeta.h"

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
    // The due that was selected stays selected while it is listed.
    void Refresh(const COleDateTime& month, DueFilter filter);

    // The due at the selection mark, if any.
    std::optional<DueRecord> SelectedDue() const;
    // Puts the selection mark on a row (-1: none).
    void SelectRow(int row);
    // Selects the due with that identifier; false when it is not listed.
    bool SelectDue(const QString& recId);

    // The order and the search of the list; the selection stays where it can.
    void SetSort(DueSort sort);
    void SetSearch(const QString& text);

    // What the empty list says ("No dues in this month"); empty while rows show.
    QString EmptyText() const;
    // Said in place of the empty list while the dues are being read.
    void SetLoadingText(const QString& text);

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
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void OnDoubleClicked(const QModelIndex& index);
    // Runs a change of the rows, keeping the selection on the same due.
    template <typename F> void KeepingSelection(F&& change);
    void UpdateMinimumWidth();
    void ShowKeysPlace();
    QString m_loadingText;

    DueListModel* m_model;
    DueRowDelegate* m_delegate;
};
