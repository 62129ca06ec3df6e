#include "TarnMacroItemDelegate.h"

#include "KeyTables.h"
#include "MacroEventTable.h"
#include "UiContext.h"

#include <QObject>
#include <QPainter>

namespace {

const QColor kTextColor(200, 202, 206);
const QColor kSelectedTextColor(255, 255, 255);
const QColor kGridColor(48, 49, 53);

} // namespace

TarnMacroItemDelegate::TarnMacroItemDelegate(int delayUnit, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_delayUnit(qMax(1, delayUnit))
{
    m_delay = SkinPixmap(IconFile(Icon::Delay));
    m_keyboard = SkinPixmap(IconFile(Icon::Keyboard));
    m_move = SkinPixmap(IconFile(Icon::Move));
    m_press = SkinPixmap(IconFile(Icon::Press));
    m_release = SkinPixmap(IconFile(Icon::Release));
}

TarnMacroItemDelegate::~TarnMacroItemDelegate() = default;

QString TarnMacroItemDelegate::IconFile(Icon icon)
{
    switch (icon) {
    case Icon::Delay: return QStringLiteral("delay.png");
    case Icon::Keyboard: return QStringLiteral("keybo.png");
    case Icon::Move: return QStringLiteral("mouse_move.png");
    case Icon::Press: return QStringLiteral("keydown.png");
    case Icon::Release: return QStringLiteral("keyup.png");
    case Icon::None: break;
    }
    return QString();
}

QString TarnMacroItemDelegate::CellText(const MacroEvent& event, int column, int delayUnit)
{
    if (event.isEmpty())
        return QString();
    const quint8 kind = event.kind();
    switch (column) {
    case 0:
        if (kind == kMacroKeyKind) {
            int code = 0;
            return CodeFromUsage(event.DataL, code) ? KeyName(code) : QString();
        }
        if (kind == kMacroButtonKind)
            return QObject::tr(MouseButtonText(event.DataL));
        if (event.Map == PointerMove)
            return QObject::tr(MoveDirectionText(DecodeStep(event.DataH, event.DataL).direction));
        return QString();
    case 1:
        if (kind == kMacroKeyKind || kind == kMacroButtonKind)
            return event.isPress() ? QObject::tr("Press") : QObject::tr("Release");
        if (event.Map == PointerMove)
            return QString::number(DecodeStep(event.DataH, event.DataL).distance);
        return QString();
    case 2:
        if (event.Map == DelayEvent)
            return QString::number(DelayMs(event, delayUnit));
        return QString();
    default:
        return QString();
    }
}

TarnMacroItemDelegate::Icon TarnMacroItemDelegate::CellIcon(const MacroEvent& event, int column)
{
    if (event.isEmpty())
        return Icon::None;
    const quint8 kind = event.kind();
    if (column == 0) {
        if (event.Map == DelayEvent)
            return Icon::Delay;
        if (kind == kMacroKeyKind)
            return Icon::Keyboard;
        if (event.Map == PointerMove)
            return Icon::Move;
    } else if (column == 1 && (kind == kMacroKeyKind || kind == kMacroButtonKind)) {
        return event.isPress() ? Icon::Press : Icon::Release;
    }
    return Icon::None;
}

QPixmap TarnMacroItemDelegate::pixmapFor(Icon icon) const
{
    switch (icon) {
    case Icon::Delay: return m_delay;
    case Icon::Keyboard: return m_keyboard;
    case Icon::Move: return m_move;
    case Icon::Press: return m_press;
    case Icon::Release: return m_release;
    case Icon::None: break;
    }
    return QPixmap();
}

void TarnMacroItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const
{
    const auto* table = qobject_cast<const MacroEventTable*>(index.model());
    const MacroEvent event = table ? table->eventAt(index.row()) : MacroEvent{};
    const bool selected = option.state & QStyle::State_Selected;

    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    if (selected) {
        QColor fill = AccentQColor();
        fill.setAlpha(110);
        painter->fillRect(option.rect, fill);
    }
    painter->setPen(kGridColor);
    painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());

    const QString text = CellText(event, index.column(), m_delayUnit);
    const QPixmap pixmap = pixmapFor(CellIcon(event, index.column()));
    const int iconSize = pixmap.isNull() ? 0 : qMin(option.rect.height() - 4, Scaled(16));
    const int gap = (iconSize > 0 && !text.isEmpty()) ? Scaled(6) : 0;
    const QFontMetrics metrics(option.font);
    const int textWidth = text.isEmpty() ? 0 : metrics.horizontalAdvance(text);
    // Icon and text are centred together in the cell.
    const int total = qMin(iconSize + gap + textWidth, option.rect.width());
    int x = option.rect.left() + (option.rect.width() - total) / 2;
    if (iconSize > 0) {
        const QRect iconRect(x, option.rect.top() + (option.rect.height() - iconSize) / 2, iconSize, iconSize);
        painter->drawPixmap(iconRect, pixmap);
        x += iconSize + gap;
    }
    if (!text.isEmpty()) {
        painter->setFont(option.font);
        painter->setPen(selected ? kSelectedTextColor : kTextColor);
        const QRect textRect(x, option.rect.top(), option.rect.right() - x + 1, option.rect.height());
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                          metrics.elidedText(text, Qt::ElideRight, textRect.width()));
    }
    painter->restore();
}

QSize TarnMacroItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(qMax(size.height(), Scaled(24)));
    return size;
}
