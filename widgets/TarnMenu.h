#pragma once

#include <QMenu>

// A menu in the program's look: dark, the selected item framed and the pressed one
// filled in the accent colour, texts in the interface font.
class TarnMenu : public QMenu
{
    Q_OBJECT
    Q_DISABLE_COPY(TarnMenu)

public:
    explicit TarnMenu(QWidget* parent = nullptr);
    explicit TarnMenu(const QString& title, QWidget* parent = nullptr);
    ~TarnMenu() override;

    static QString DefaultStyleSheet();

private:
    void init();
};
