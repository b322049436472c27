#pragma once

#include <QHash>
#include <QIcon>
#include <QWidget>

class QToolButton;
class QVBoxLayout;

// One folder's column of large-icon items. A click on an item emits its
// command id. The item buttons are made when first needed (BuildItems, or
// asked for): a folder that is not open at the start costs nothing then.
class CGuiOutLook : public QWidget
{
    Q_OBJECT
public:
    explicit CGuiOutLook(QWidget* parent = nullptr);

    void SetImageList(const QList<QIcon>& images);
    void AddItem(int commandId, const QString& caption, int imageIndex, const QString& toolTip);
    void SetStyle(int style);
    // Key and focus events of every item go to `filter` as well.
    void SetItemFilter(QObject* filter);

    // Enables or disables the item of a command (it follows its menu command).
    void SetItemEnabled(int commandId, bool enabled);
    QToolButton* Item(int commandId) const;
    QList<int> CommandIds() const;
    // The item buttons, top to bottom.
    QList<QToolButton*> Items() const;
    void BuildItems() const;
    bool ItemsBuilt() const { return m_built; }

signals:
    void commandRequested(int commandId);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ItemInfo
    {
        int commandId;
        QString caption;
        int imageIndex;
        QString toolTip;
        bool enabled = true;
    };

    QList<QIcon> m_images;
    QList<ItemInfo> m_itemInfos;
    mutable QHash<int, QToolButton*> m_items;
    mutable bool m_built = false;
    QObject* m_itemFilter = nullptr;
    QVBoxLayout* m_layout;
};
