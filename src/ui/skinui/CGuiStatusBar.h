#pragma once

#include <QHash>
#include <QIcon>
#include <QStatusBar>

class QLabel;

// Status bar with a message area and fixed panes, each identified by the
// string id whose text it first shows.
class CGuiStatusBar : public QStatusBar
{
    Q_OBJECT
public:
    explicit CGuiStatusBar(QWidget* parent = nullptr);

    // Creates one pane per id after the message area; each shows the text of its id.
    void SetIndicators(const QList<int>& ids);
    // The icon is painted when the pane is first shown.
    void SetPaneInfo(int id, int width, const QIcon& icon);
    void SetPaneText(int id, const QString& text);
    QString PaneText(int id) const;
    QIcon PaneIcon(int id) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Pane
    {
        QWidget* box;
        QWidget* icon;
        QLabel* text;
    };
    QHash<int, Pane> m_panes;
};
