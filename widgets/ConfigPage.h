#pragma once

#include "SettingsRecord.h"

#include <QWidget>

// A page of the main window. The window refreshes every page from the settings being
// edited and retranslates them on a language switch; it knows nothing else about a page.
// A page hands every gesture to the session at once, so it holds no edits of its own.
class ConfigPage : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Show the current slot's record (and the global options) of `settings`; stores nothing.
    virtual void refreshFrom(const SettingsRecord& settings) = 0;
    virtual void retranslate() = 0;
};
