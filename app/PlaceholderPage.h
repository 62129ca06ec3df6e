#pragma once

#include "ConfigPage.h"

class QLabel;

// An honest empty frame for a page that is not built yet: its title, nothing to edit.
class PlaceholderPage : public ConfigPage
{
    Q_OBJECT

public:
    PlaceholderPage(const char* title, QWidget* parent = nullptr);

    void refreshFrom(const SettingsRecord&) override {}
    void collectInto(SettingsRecord&) override {}
    void retranslate() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const char* m_title;
    QLabel* m_label;
};
