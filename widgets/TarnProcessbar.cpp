#include "TarnProcessbar.h"

#include "UiContext.h"

TarnProcessbar::TarnProcessbar(QWidget* parent)
    : QProgressBar(parent)
{
    setAlignment(Qt::AlignCenter);
    setNormalStyle();
}

TarnProcessbar::~TarnProcessbar() = default;

void TarnProcessbar::setOffStyle() { setStyleSheet(OffStyleSheet()); }

void TarnProcessbar::setNormalStyle() { setStyleSheet(NormalStyleSheet()); }

QString TarnProcessbar::OffStyleSheet()
{
    return QStringLiteral("QProgressBar{background-color:rgb(100,100,100);border:none;border-radius:2px;"
                          "color:black;font-weight:bold;font-size:%1px;text-align:center;}"
                          "QProgressBar::chunk{background-color:rgb(100,100,100);border-radius:2px;}")
        .arg(qMax(1, Scaled(16)));
}

QString TarnProcessbar::NormalStyleSheet()
{
    return QStringLiteral("QProgressBar{background-color:white;border:none;border-radius:2px;"
                          "color:black;font-weight:bold;font-size:%1px;text-align:center;}"
                          "QProgressBar::chunk{background-color:%2;border-radius:2px;}")
        .arg(qMax(1, Scaled(16)))
        .arg(AccentCss());
}
