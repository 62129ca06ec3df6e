#include "TarnMenu.h"

#include "UiContext.h"

TarnMenu::TarnMenu(QWidget* parent)
    : QMenu(parent)
{
    init();
}

TarnMenu::TarnMenu(const QString& title, QWidget* parent)
    : QMenu(title, parent)
{
    init();
}

TarnMenu::~TarnMenu() = default;

void TarnMenu::init()
{
    setFont(InterfaceFont());
    setStyleSheet(DefaultStyleSheet());
}

QString TarnMenu::DefaultStyleSheet()
{
    return QStringLiteral("QMenu{background-color:rgb(24,24,26);color:white;border:1px solid %1;padding:%2px;}"
                          "QMenu::item{padding:%3px %4px;border:1px solid transparent;background:transparent;}"
                          "QMenu::item:selected{border:1px solid %1;}"
                          "QMenu::item:pressed{background-color:%1;}"
                          "QMenu::item:disabled{color:rgb(110,110,110);}"
                          "QMenu::separator{height:1px;background:rgb(70,70,70);margin:%2px 0;}")
        .arg(AccentCss())
        .arg(qMax(1, Scaled(2)))
        .arg(qMax(1, Scaled(4)))
        .arg(qMax(1, Scaled(18)));
}
