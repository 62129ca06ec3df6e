#pragma once

#include "ButtonCatalogue.h"
#include "ConfigPage.h"

#include <QVector>
#include <memory>

class ButtonDialogs;
class QAction;
class QLabel;
class QScrollArea;
class TarnMenu;
class TarnPushButton;

// The button page: one row per listed mouse button and the two wheel entries, each
// showing the function assigned in the active profile and opening the function menu.
// It edits CurrentSettings() in place.
class TarnBtnWindow : public ConfigPage
{
    Q_OBJECT
    Q_DISABLE_COPY(TarnBtnWindow)

public:
    static constexpr int kWheelUpRecord = 40;
    static constexpr int kWheelDownRecord = 41;
    static constexpr int kGroupSize = 20;   // records per header group

    explicit TarnBtnWindow(QWidget* parent = nullptr);
    ~TarnBtnWindow() override;

    void refreshFrom(const SettingsRecord& settings) override;
    void retranslate() override;

    // Replaces the dialogs the menu opens (the page owns them).
    void setDialogs(std::unique_ptr<ButtonDialogs> dialogs);

    // The records the page lists, in row order, and the caption of each row ("" for the wheel).
    const QVector<int>& listedRecords() const { return m_records; }
    QString rowNumber(int record) const;
    TarnPushButton* rowButton(int record) const;
    // The selected record, -1 for none.
    int selectedRecord() const { return m_selected; }
    TarnMenu* catalogueMenu() const { return m_menu; }
    QScrollArea* scrollArea() const { return m_scroll; }

    // Applies catalogue entry `code` to the selected record, as the menu does.
    void chooseFunction(int code);

signals:
    void GotoMacroTab(quint8 iTab);
    void PopOneClickBox();
    void SelBtnSignal(quint8 iBtn, quint8 iType);
    void MouseOverSignal(int index, bool bType);

public slots:
    // Selection made on the picture: index within group 0 (front), 1 (side) or 2 (wheel).
    void SelBtnControl(int index, int group);
    void slotMouseOver(TarnPushButton* button, bool bType);
    void slotMouseEnter(TarnPushButton* button);
    void OnMenuActionSlot(QAction* action);

private:
    struct Row
    {
        int record = -1;
        QLabel* caption = nullptr;
        TarnPushButton* button = nullptr;
    };

    void BuildRows();
    void BuildMenu();
    void ShowLabels();
    void ShowSelection();
    int RowOf(const TarnPushButton* button) const;
    bool ApplyEntry(const ButtonCatalogue::Entry& entry, ButtonRecord& button);

    std::unique_ptr<ButtonDialogs> m_dialogs;
    QScrollArea* m_scroll = nullptr;
    QWidget* m_content = nullptr;
    TarnMenu* m_menu = nullptr;
    QVector<Row> m_rows;
    QVector<int> m_records;
    int m_selected = -1;
    int m_buttonCount = -1;
    bool m_disableMacro = false;
    bool m_ledDisable = false;
};
