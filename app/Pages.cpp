#include "Pages.h"

#include "MousecfgWidget.h"
#include "PlaceholderPage.h"

#include <QRect>

void InstallPages(MousecfgWidget& window)
{
    window.addPage(MousecfgWidget::LightingTab, new PlaceholderPage(QT_TRANSLATE_NOOP("QObject", "LIGHTING")),
                   QRect(285, 342, 664, 199));
    window.addPage(MousecfgWidget::CustomizeTab, new PlaceholderPage(QT_TRANSLATE_NOOP("QObject", "CUSTOMIZE")),
                   QRect(285, 342, 664, 199));
    window.addPage(MousecfgWidget::DpiTab, new PlaceholderPage(QT_TRANSLATE_NOOP("QObject", "DPI")),
                   QRect(285, 74, 665, 467));
    window.addPage(MousecfgWidget::MacroTab, new PlaceholderPage(QT_TRANSLATE_NOOP("QObject", "MACRO")),
                   QRect(285, 74, 665, 467));
}
