#pragma once

#include <QToolButton>

// A captioned button of a mini toolbar: text, tool tip and icon change at run time.
class CGuiToolButton : public QToolButton
{
    Q_OBJECT
public:
    explicit CGuiToolButton(QWidget* parent = nullptr);

    void SetCaption(const QString& caption) { setText(caption); }
    void SetToolTip(const QString& tip) { setToolTip(tip); }
    void SethIcon(const QIcon& icon) { setIcon(icon); }
    void SetColor(const QColor& color);
};
