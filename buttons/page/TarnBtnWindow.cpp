#include "TarnBtnWindow.h"

#include "MouseSession.h"

#include "ButtonDialogs.h"
#include "ButtonDialogsDefault.h"
#include "Descriptor.h"
#include "KeyTables.h"
#include "MacroNameList.h"
#include "TarnAction.h"
#include "TarnMenu.h"
#include "TarnMessageBox.h"
#include "TarnPushButton.h"
#include "UiContext.h"

#include <QLabel>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <array>

namespace {

// Row grid at scale 1.0.
constexpr int kColumns = 3;
constexpr int kCellWidth = 212;
constexpr int kRowPitch = 32;
constexpr int kCaptionWidth = 30;
constexpr int kButtonWidth = 170;
constexpr int kButtonHeight = 24;
constexpr int kMargin = 6;

constexpr int kComboPositions = 5;
constexpr quint8 kKeyEventMap = 0x05;
constexpr quint8 kKeyPressed = 0x80;
constexpr quint8 kKeyReleased = 0x00;

// Device bytes of a fire key's shot with a mouse button: 0x80 plus the HID button bit.
constexpr std::array<quint8, 3> kFireButtonCodes = {0x81, 0x82, 0x84};

QString CaptionStyle(bool selected)
{
    return selected ? QStringLiteral("QLabel{color:black;background-color:%1;border-radius:%2px;}")
                          .arg(AccentCss())
                          .arg(qMax(1, Scaled(3)))
                    : QStringLiteral("QLabel{color:rgb(190,190,190);background:transparent;}");
}

// Inserts a press/release pair at position n, moving what lies there down by two.
void InsertKeyPair(KeyInfoArray& entries, int n, quint8 usage)
{
    for (int i = kKeyInfoCount - 1; i >= n + 2; --i)
        entries[i] = entries[i - 2];
    entries[n] = KeyInfo{usage, kKeyEventMap, kKeyPressed};
    entries[n + 1] = KeyInfo{usage, kKeyEventMap, kKeyReleased};
}

} // namespace

TarnBtnWindow::TarnBtnWindow(QWidget* parent)
    : ConfigPage(parent)
    , m_dialogs(std::make_unique<ButtonDialogsDefault>(this))
{
    setObjectName(QStringLiteral("TarnBtnWindow"));
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("buttonScrollArea"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scroll->setWidgetResizable(false);
    // The page lies over the window's background picture, so nothing here paints a ground.
    m_scroll->setStyleSheet(
        QStringLiteral("QScrollArea{background:transparent;border:none;}"
                       "QScrollBar:vertical{background:rgb(30,30,32);width:%1px;margin:0;}"
                       "QScrollBar::handle:vertical{background:%2;min-height:%3px;border-radius:%4px;}"
                       "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height:0;}"
                       "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background:none;}")
            .arg(qMax(4, Scaled(8)))
            .arg(AccentCss())
            .arg(Scaled(20))
            .arg(qMax(1, Scaled(3))));
    m_scroll->viewport()->setAutoFillBackground(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll);

    refreshFrom(CurrentSettings());
}

TarnBtnWindow::~TarnBtnWindow() = default;

void TarnBtnWindow::setDialogs(std::unique_ptr<ButtonDialogs> dialogs)
{
    if (dialogs)
        m_dialogs = std::move(dialogs);
}

void TarnBtnWindow::refreshFrom(const SettingsRecord&)
{
    // The page edits CurrentSettings() in place, so it shows the active profile there.
    std::array<quint8, kDescriptorButtons> matrix2{};
    const int count = qBound(0, ReadButtonMatrix2(matrix2), kDescriptorButtons);
    QVector<int> records;
    for (int i = 0; i < count; ++i) {
        if (matrix2[i] != kNoButtonSlot)
            records.append(i);
    }
    records.append(kWheelUpRecord);
    records.append(kWheelDownRecord);
    const bool disableMacro = DescriptorDisableMacro() != 0;
    const bool ledDisable = DescriptorLedDisable() != 0;

    // A session restart may bring another model with other buttons and switches.
    if (records != m_records || !m_content) {
        m_records = records;
        BuildRows();
    }
    if (!m_menu || disableMacro != m_disableMacro || ledDisable != m_ledDisable) {
        m_disableMacro = disableMacro;
        m_ledDisable = ledDisable;
        BuildMenu();
    }
    ShowLabels();
    ShowSelection();
}

void TarnBtnWindow::retranslate()
{
    BuildMenu();
    ShowLabels();
}

void TarnBtnWindow::BuildRows()
{
    // Setting the new rows below deletes the old ones.
    m_rows.clear();
    m_content = new QWidget;
    m_content->setObjectName(QStringLiteral("buttonRows"));

    int number = 0;
    for (int i = 0; i < m_records.size(); ++i) {
        Row row;
        row.record = m_records[i];
        const int x = Scaled(kMargin + (i % kColumns) * kCellWidth);
        const int y = Scaled(kMargin + (i / kColumns) * kRowPitch);

        row.caption = new QLabel(m_content);
        row.caption->setAlignment(Qt::AlignCenter);
        row.caption->setGeometry(x, y, Scaled(kCaptionWidth), Scaled(kButtonHeight));
        row.caption->setFont(InterfaceFont());
        if (row.record == kWheelUpRecord || row.record == kWheelDownRecord) {
            const QPixmap arrow =
                SkinPixmap(row.record == kWheelUpRecord ? QStringLiteral("btn_up1.png") : QStringLiteral("btn_down1.png"));
            if (!arrow.isNull())
                row.caption->setPixmap(arrow.scaled(Scaled(kCaptionWidth - 6), Scaled(kButtonHeight - 6),
                                                    Qt::KeepAspectRatio, Qt::SmoothTransformation));
            else
                row.caption->setText(row.record == kWheelUpRecord ? QStringLiteral("\u25B2") : QStringLiteral("\u25BC"));
        } else {
            row.caption->setText(QString::number(++number));
        }
        row.caption->setObjectName(QStringLiteral("caption_%1").arg(row.record));

        row.button = new TarnPushButton(QStringLiteral("profilesel.png"), m_content);
        row.button->setObjectName(QStringLiteral("button_%1").arg(row.record));
        row.button->setGeometry(x + Scaled(kCaptionWidth + 6), y, Scaled(kButtonWidth), Scaled(kButtonHeight));
        row.button->setFocusPolicy(Qt::NoFocus);
        TarnPushButton* button = row.button;
        connect(button, &QPushButton::clicked, this, [this, button] { slotMouseEnter(button); });
        connect(button, &TarnPushButton::OverSignal, this, &TarnBtnWindow::slotMouseOver);
        m_rows.append(row);
    }
    const int lines = (m_records.size() + kColumns - 1) / kColumns;
    m_content->resize(Scaled(2 * kMargin + kColumns * kCellWidth), Scaled(2 * kMargin + lines * kRowPitch));
    m_scroll->setWidget(m_content);
    // The scroll area turns on its widget's background; the rows stay see-through.
    m_content->setAutoFillBackground(false);
}

void TarnBtnWindow::BuildMenu()
{
    // Rebuilt rather than edited: the offered entries follow the descriptor.
    if (m_menu)
        m_menu->deleteLater();
    m_menu = new TarnMenu(this);
    m_menu->setObjectName(QStringLiteral("catalogueMenu"));
    const QVector<ButtonCatalogue::Entry> offered = ButtonCatalogue::OfferedEntries(m_disableMacro, m_ledDisable);
    for (int g = 0; g < ButtonCatalogue::GroupCount; ++g) {
        const auto group = ButtonCatalogue::Group(g);
        TarnMenu* sub = nullptr;
        for (const ButtonCatalogue::Entry& entry : offered) {
            if (entry.group != group)
                continue;
            if (!sub) {
                sub = new TarnMenu(tr(ButtonCatalogue::GroupTitle(group)), m_menu);
                m_menu->addMenu(sub);
                connect(sub, &QMenu::triggered, this, &TarnBtnWindow::OnMenuActionSlot);
            }
            sub->addAction(new TarnAction(ButtonCatalogue::EntryText(entry), entry.code, sub));
        }
    }
}

void TarnBtnWindow::ShowLabels()
{
    const ProfileRecord& profile = CurrentSettings().active();
    for (const Row& row : qAsConst(m_rows))
        row.button->setText(ButtonCatalogue::FunctionText(profile.BUTTON_INFO[row.record]));
}

void TarnBtnWindow::ShowSelection()
{
    for (const Row& row : qAsConst(m_rows))
        row.caption->setStyleSheet(CaptionStyle(row.record == m_selected));
}

QString TarnBtnWindow::rowNumber(int record) const
{
    if (record == kWheelUpRecord || record == kWheelDownRecord)
        return QString();
    for (const Row& row : m_rows) {
        if (row.record == record)
            return row.caption->text();
    }
    return QString();
}

TarnPushButton* TarnBtnWindow::rowButton(int record) const
{
    for (const Row& row : m_rows) {
        if (row.record == record)
            return row.button;
    }
    return nullptr;
}

int TarnBtnWindow::RowOf(const TarnPushButton* button) const
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].button == button)
            return i;
    }
    return -1;
}

void TarnBtnWindow::SelBtnControl(int index, int group)
{
    if (group < 0 || group > 2 || index < 0 || index >= (group == 2 ? 2 : kGroupSize))
        return;
    m_selected = index + kGroupSize * group;
    ShowSelection();
    const int row = [this] {
        for (int i = 0; i < m_rows.size(); ++i) {
            if (m_rows[i].record == m_selected)
                return i;
        }
        return -1;
    }();
    if (row >= 0)
        m_scroll->ensureWidgetVisible(m_rows[row].button, 0, Scaled(kMargin));
}

void TarnBtnWindow::slotMouseOver(TarnPushButton* button, bool bType)
{
    const int row = RowOf(button);
    // Only the front picture has a lit picture per button.
    if (row < 0 || m_rows[row].record >= kGroupSize)
        return;
    emit MouseOverSignal(m_rows[row].record, bType);
}

void TarnBtnWindow::slotMouseEnter(TarnPushButton* button)
{
    const int row = RowOf(button);
    if (row < 0)
        return;
    const int record = m_rows[row].record;
    m_selected = record;
    ShowSelection();
    emit SelBtnSignal(quint8(record % kGroupSize), quint8(record / kGroupSize));
    if (m_menu && button)
        m_menu->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void TarnBtnWindow::OnMenuActionSlot(QAction* action)
{
    const auto* entry = qobject_cast<TarnAction*>(action);
    if (entry)
        chooseFunction(entry->id());
}

void TarnBtnWindow::chooseFunction(int code)
{
    if (m_selected < 0 || m_selected >= kButtonCount)
        return;
    const ButtonCatalogue::Entry* entry = nullptr;
    for (const ButtonCatalogue::Entry& offered : ButtonCatalogue::OfferedEntries(m_disableMacro, m_ledDisable)) {
        if (offered.code == code)
            entry = ButtonCatalogue::FindCode(offered.code);
    }
    if (!entry)
        return;
    const int record = m_selected;
    MouseSession& session = MouseSession::instance();
    ButtonRecord button = CurrentSettings().active().BUTTON_INFO[record];
    // Refusals that need no dialog come before one opens.
    ButtonRecord probe = button;
    probe.Fun = entry->code;
    const EditResult early = session.checkButton(-1, record, probe, false);
    if (!early.ok) {
        if (early.clickGuard)
            emit PopOneClickBox();
        else
            TarnMessageBox::Show(TarnMessageBox::Warning, tr("Warning"), early.text(), QString(), window());
        return;
    }
    const QPointer<TarnBtnWindow> alive(this);
    if (!ApplyEntry(*entry, button) || !alive)
        return;
    const EditResult result = session.setButton(-1, record, button);
    if (!result.ok) {
        TarnMessageBox::Show(TarnMessageBox::Warning, tr("Warning"), result.text(), QString(), window());
        return;
    }
    ShowLabels();
}

bool TarnBtnWindow::ApplyEntry(const ButtonCatalogue::Entry& entry, ButtonRecord& button)
{
    switch (entry.kind) {
    case ButtonCatalogue::Plain:
        button.Fun = entry.code;
        return true;

    case ButtonCatalogue::GunFile:
    case ButtonCatalogue::Macro: {
        if (CountMacroNames() == 0) {
            emit GotoMacroTab(3);
            return false;
        }
        const bool gun = entry.kind == ButtonCatalogue::GunFile;
        QString name;
        int loops = 1;
        int mode = 0;
        if (button.Fun == entry.code) {
            name = button.macroname;
            loops = button.LoopNumber;
            mode = button.Res1;
        }
        if (!m_dialogs->macroSelect(gun, name, loops, mode))
            return false;
        // Modes beyond the three the mouse knows would be sent as a loop count.
        if (mode < 0 || mode > 2)
            mode = 0;
        button.Fun = entry.code;
        button.LoopNumber = qBound(0, loops, 0xFFFF);
        button.Res1 = quint8(mode);
        button.macroname = name;
        return true;
    }

    case ButtonCatalogue::SingleKey: {
        const int preset = button.Fun == entry.code ? int(button.Res1) : -1;
        int code = 0;
        if (!m_dialogs->singleKey(preset, code))
            return false;
        // Res1 is one byte; a code it cannot hold would name another key.
        if (code <= 0 || code > 0xFF)
            return false;
        button.Fun = entry.code;
        button.Res1 = quint8(code);
        return true;
    }

    case ButtonCatalogue::ComboKey: {
        const ButtonRecord preset = button.Fun == entry.code ? button : ButtonRecord{};
        QVector<int> codes;
        if (!m_dialogs->comboKey(preset, codes))
            return false;
        button.KeyInfo = KeyInfoArray{};
        int inserted = 0;
        for (int i = 0; i < codes.size() && i < kComboPositions; ++i) {
            quint8 usage = 0;
            if (codes[i] <= 0 || !UsageFromCode(codes[i], usage) || usage == 0)
                continue;
            InsertKeyPair(button.KeyInfo, inserted, usage);
            ++inserted;
        }
        button.Fun = entry.code;
        return true;
    }

    case ButtonCatalogue::FireKey: {
        const ButtonRecord preset = button.Fun == entry.code ? button : ButtonRecord{};
        int kind = 0;
        int keyCode = 0;
        int times = 3;
        int delay = 100;
        if (!m_dialogs->fireKey(preset, kind, keyCode, times, delay))
            return false;
        quint8 shot = 0;
        if (kind >= 0 && kind < int(kFireButtonCodes.size())) {
            shot = kFireButtonCodes[kind];
        } else if (!UsageFromCode(keyCode, shot) || shot == 0) {
            // Without a key the mouse would fire left clicks instead; keep the old function.
            return false;
        }
        button.Res1 = shot;
        button.LoopNumber = qBound(0, times, 0xFF);
        button.KeyNumber = qBound(0, delay, 0xFFFF);
        button.Fun = entry.code;
        return true;
    }

    case ButtonCatalogue::Sniper: {
        const int preset = button.Fun == entry.code ? int(button.Res1) : -1;
        int step = 0;
        if (!m_dialogs->sniper(preset, step))
            return false;
        if (step < 0 || step > 0xFF)
            return false;
        button.Res1 = quint8(step);
        button.Fun = entry.code;
        return true;
    }
    }
    return false;
}
