#pragma once

#include "MacroEvent.h"

#include <QPixmap>
#include <QStyledItemDelegate>

// Paints a cell of the event table as what the event means (key name, press/release,
// direction, distance, delay in ms) with its icon, rather than the stored numbers.
class TarnMacroItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY(TarnMacroItemDelegate)

public:
    enum class Icon { None, Delay, Keyboard, Move, Press, Release };

    explicit TarnMacroItemDelegate(int delayUnit, QObject* parent = nullptr);
    ~TarnMacroItemDelegate() override;

    // What a cell shows: translated text and icon; empty rows and unknown kinds show nothing.
    static QString CellText(const MacroEvent& event, int column, int delayUnit);
    static Icon CellIcon(const MacroEvent& event, int column);
    // The skin picture of an icon ("" for None).
    static QString IconFile(Icon icon);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QPixmap pixmapFor(Icon icon) const;

    const int m_delayUnit;
    QPixmap m_delay;
    QPixmap m_keyboard;
    QPixmap m_move;
    QPixmap m_press;
    QPixmap m_release;
};
