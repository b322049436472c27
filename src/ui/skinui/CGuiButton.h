#pragma once

#include <QPushButton>

// A skinned push button; it sends its click like a standard button.
class CGuiButton : public QPushButton
{
    Q_OBJECT
public:
    explicit CGuiButton(const QString& caption = {}, QWidget* parent = nullptr);

    // Border styles: 0 none, 1 flat, 2 raised on hover, 3 framed (dialog buttons).
    void SetStyleBorder(int style);
    void SetCaption(const QString& caption);
    void ShowText(bool show);

private:
    QString m_caption;
    bool m_showText = true;
};
