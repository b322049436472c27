#pragma once

#include <QHash>
#include <QIcon>
#include <QWidget>

class QToolButton;
class QVBoxLayout;

// One folder's column of large-icon items. A click on an item emits its
// command id.
class CGuiOutLook : public QWidget
{
    Q_OBJECT
public:
    explicit CGuiOutLook(QWidget* parent = nullptr);

    void SetImageList(const QList<QIcon>& images);
    void AddItem(int commandId, const QString& caption, int imageIndex, const QString& toolTip);
    void SetStyle(int style);

    // Enables or disables the item of a command (it follows its menu command).
    void SetItemEnabled(int commandId, bool enabled);
    QToolButton* Item(int commandId) const { return m_items.value(commandId); }
    QList<int> CommandIds() const { return m_order; }
    // The item buttons, top to bottom.
    QList<QToolButton*> Items() const;

signals:
    void commandRequested(int commandId);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QIcon> m_images;
    QHash<int, QToolButton*> m_items;
    QList<int> m_order;
    QVBoxLayout* m_layout;
};
