#pragma once

#include <QToolButton>

// A captioned button of a mini toolbar: text, tool tip and icon change at run
// time. A caption longer than the room the button gets is cut short with an
// ellipsis; the button never asks for the whole caption's width.
class CGuiToolButton : public QToolButton
{
    Q_OBJECT
public:
    explicit CGuiToolButton(QWidget* parent = nullptr);

    void SetCaption(const QString& caption);
    void SetToolTip(const QString& tip) { setToolTip(tip); }
    void SethIcon(const QIcon& icon) { setIcon(icon); }
    void SetColor(const QColor& color);

    // The caption as painted at the present width.
    QString ShownCaption() const;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_captionOnly = false;
};
