#pragma once

#include "TarnSkinDialog.h"

#include <QString>
#include <array>
#include <functional>

struct ButtonRecord;
class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class TarnMenu;

// Binds a macro (or gun file) to a button: a name from the macro list, a repeat mode
// and a loop count.
class TarnMacroSelect : public TarnSkinDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(TarnMacroSelect)

public:
    // Repeat modes as the button record stores them.
    enum Mode { PlayCount = 0, RepeatWhileHeld = 1, RepeatUntilPressed = 2 };
    static constexpr int kModeCount = 3;

    // Out-of-range presets fall back to loop count 1 and mode 0.
    TarnMacroSelect(const QString& title, const QString& macroName, int loopCount, int mode,
                    QWidget* parent = nullptr);
    // Preset from the button when it already holds `function` (200 or 510), else empty, 1, 0.
    TarnMacroSelect(const QString& title, const ButtonRecord& button, int function, QWidget* parent = nullptr);
    ~TarnMacroSelect() override;

    int mode() const;                 // the option that is on; 0 when none is
    int loopCount() const;            // the field as a number; empty text gives 0
    QString selectedName() const { return m_selectedName; }

    // Fun = function, macroname, LoopNumber and Res1 (mode) after acceptance.
    void StoreInto(ButtonRecord& button, int function) const;

    int exec() override;
    // Tests drive the dialog through this instead of an event loop; exec() returns what its clicks decided.
    static void SetExecHook(std::function<void(TarnMacroSelect&)> hook);

    QPushButton* chooser() const { return m_chooser; }
    TarnMenu* macroMenu() const { return m_menu; }
    QCheckBox* modeOption(int mode) const;
    QLineEdit* loopField() const { return m_loopField; }

public slots:
    void SelectMacro(const QString& name);

protected:
    bool acceptable() override;

private:
    void build(const QString& macroName, int loopCount, int mode);

    QString m_selectedName;
    QPushButton* m_chooser = nullptr;
    TarnMenu* m_menu = nullptr;
    QButtonGroup* m_modeGroup = nullptr;
    std::array<QCheckBox*, kModeCount> m_modeOptions{};
    QLineEdit* m_loopField = nullptr;
};
