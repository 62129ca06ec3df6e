#include "PlaceholderPage.h"

#include "UiContext.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

PlaceholderPage::PlaceholderPage(const char* title, QWidget* parent)
    : ConfigPage(parent)
    , m_title(title)
    , m_label(new QLabel(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label, 0, Qt::AlignCenter);
    m_label->setStyleSheet(QStringLiteral("color: rgb(160,160,160);"));
    retranslate();
}

void PlaceholderPage::retranslate()
{
    QFont font = InterfaceFont();
    font.setBold(true);
    m_label->setFont(font);
    m_label->setText(QObject::tr(m_title));
}

void PlaceholderPage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(80, 80, 80), 1, Qt::DashLine));
    painter.setBrush(QColor(20, 20, 22, 160));
    painter.drawRoundedRect(rect().adjusted(1, 1, -2, -2), 6, 6);
}
