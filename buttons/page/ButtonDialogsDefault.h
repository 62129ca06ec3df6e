#pragma once

#include "ButtonDialogs.h"

class QWidget;

// The program's own dialogs, opened modally over `parent`.
class ButtonDialogsDefault : public ButtonDialogs
{
public:
    explicit ButtonDialogsDefault(QWidget* parent);
    ~ButtonDialogsDefault() override;

    bool singleKey(int preset, int& code) override;
    bool comboKey(const ButtonRecord& preset, QVector<int>& codes) override;
    bool fireKey(const ButtonRecord& preset, int& kind, int& keyCode, int& times, int& delay) override;
    bool sniper(int preset, int& step) override;
    bool macroSelect(bool gun, QString& name, int& loops, int& mode) override;

private:
    QWidget* m_parent = nullptr;
};
