#include "Pages.h"

#include "MacroDialog.h"
#include "MouseSession.h"
#include "MousecfgWidget.h"
#include "TarnBtnWindow.h"
#include "TarnColorWindow.h"
#include "TarnDPIWindow.h"
#include "TarnGunsetDialog.h"
#include "TarnPointSpeed.h"
#include "TarnMessageBox.h"
#include "TarnReportRate.h"

#include <QRect>

void InstallPages(MousecfgWidget& window)
{
    window.addPage(MousecfgWidget::LightingTab, new TarnColorWindow, QRect(285, 342, 664, 199));
    auto* buttons = new TarnBtnWindow;
    window.addPage(MousecfgWidget::CustomizeTab, buttons, QRect(285, 342, 664, 199));
    // The picture's hot-spots and the page's rows select the same button.
    QObject::connect(&window, &MousecfgWidget::SelBtnSignal, buttons, &TarnBtnWindow::SelBtnControl);
    QObject::connect(buttons, &TarnBtnWindow::SelBtnSignal, &window, &MousecfgWidget::SelBtnChanged);
    QObject::connect(buttons, &TarnBtnWindow::MouseOverSignal, &window, &MousecfgWidget::slotMouseOver);
    QObject::connect(buttons, &TarnBtnWindow::GotoMacroTab, &window, &MousecfgWidget::slotGotoMacro);
    QObject::connect(buttons, &TarnBtnWindow::PopOneClickBox, &window, &MousecfgWidget::slotPopOneClickBox);
    window.addPage(MousecfgWidget::DpiTab, new TarnDPIWindow, QRect(286, 75, 456, 386));
    // Added after the DPI page so it stays on top where the two meet.
    window.addPage(MousecfgWidget::DpiTab, new TarnPointSpeed, QRect(286, 413, 506, 77));
    auto* reportRate = new TarnReportRate;
    window.addPage(MousecfgWidget::DpiTab, reportRate, QRect(746, 75, 180, 200));
    QObject::connect(reportRate, &TarnReportRate::RefreshLift, &window, &MousecfgWidget::slotLiftChange);
    auto* macroPage = new MacroDialog;
    macroPage->setGunSetHook([macroPage](QString& savedName) { return TarnGunsetDialog::Run(macroPage, savedName); });
    window.addPage(MousecfgWidget::MacroTab, macroPage, QRect(285, 74, 665, 467));
    QObject::connect(macroPage, &MacroDialog::EnableButtonsSignal, &window, &MousecfgWidget::slotEnableButtons);
    // A renamed or deleted macro changed buttons: the button page shows them again.
    QObject::connect(macroPage, &MacroDialog::BindingsChangedSignal, buttons,
                     [buttons] { buttons->refreshFrom(MouseSession::instance().current()); });
}
