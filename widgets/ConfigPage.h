#pragma once

#include "SettingsRecord.h"

#include <QWidget>

// A page of the main window. The window refreshes every page from the settings being
// edited, collects them into it before a write, and retranslates them on a language
// switch; it knows nothing else about a page.
class ConfigPage : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Show the current slot's record (and the global options) of `settings`. Pages that
    // edit in place (lighting, buttons) change CurrentSettings() directly.
    virtual void refreshFrom(const SettingsRecord& settings) = 0;
    // Put the page's edits into `settings` (Apply); pages that edit in place do nothing.
    virtual void collectInto(SettingsRecord& settings) = 0;
    virtual void retranslate() = 0;
};
