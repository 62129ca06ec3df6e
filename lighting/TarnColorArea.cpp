#include "TarnColorArea.h"

#include "DefaultColorArea.h"
#include "HColorArea.h"
#include "PreviewColorArea.h"
#include "SVColorArea.h"
#include "TarnLineEdit.h"
#include "UiContext.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSpinBox>

namespace {

std::function<int(TarnColorArea&)>& ExecHook()
{
    static std::function<int(TarnColorArea&)> hook;
    return hook;
}

int HexValue(const QString& digits)
{
    bool ok = false;
    const int value = digits.toInt(&ok, 16);
    return ok ? qBound(0, value, 255) : 0;
}

QString SpinBoxStyle()
{
    return QStringLiteral("QSpinBox{background:rgb(38,38,42);color:white;border:1px solid rgb(80,80,86);"
                          "border-radius:2px;padding:0 2px;selection-background-color:%1;}"
                          "QSpinBox:focus{border:1px solid %1;}")
        .arg(AccentCss());
}

QString ButtonStyle()
{
    return QStringLiteral("QPushButton{background:rgb(38,38,42);color:white;border:1px solid rgb(90,90,96);"
                          "border-radius:3px;}"
                          "QPushButton:hover{border:1px solid %1;}"
                          "QPushButton:pressed{background:%1;}")
        .arg(AccentCss());
}

} // namespace

TarnColorArea::TarnColorArea(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setModal(true);
    setFixedSize(Scaled(336), Scaled(262));
    const QFont font = InterfaceFont();
    setFont(font);

    m_titleLabel = new QLabel(this);
    m_titleLabel->setGeometry(ScaledRect(12, 6, 250, 22));
    m_titleLabel->setStyleSheet(QStringLiteral("color: rgb(220,220,220); font-weight: bold;"));

    m_svArea = new SVColorArea(this);
    m_svArea->setObjectName(QStringLiteral("svSquare"));
    m_svArea->setGeometry(QRect(QPoint(Scaled(10), Scaled(32)), m_svArea->sizeHint()));

    m_hueArea = new HColorArea(this);
    m_hueArea->setObjectName(QStringLiteral("hueStrip"));
    m_hueArea->setGeometry(QRect(QPoint(Scaled(160), Scaled(32) + m_svArea->offset() - m_hueArea->margin()),
                                 m_hueArea->sizeHint()));

    m_preview = new PreviewColorArea(this);
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setGeometry(ScaledRect(204, 38, 120, 34));

    auto makeBox = [&](const char* name, int maximum, const QString& prefix, const QRect& rect) {
        auto* box = new QSpinBox(this);
        box->setObjectName(QLatin1String(name));
        box->setRange(0, maximum);
        box->setPrefix(prefix);
        box->setButtonSymbols(QAbstractSpinBox::NoButtons);
        box->setKeyboardTracking(true);
        box->setGeometry(rect);
        box->setFont(font);
        box->setStyleSheet(SpinBoxStyle());
        return box;
    };
    m_hBox = makeBox("hBox", 360, QStringLiteral("H "), ScaledRect(204, 80, 58, 24));
    m_sBox = makeBox("sBox", 255, QStringLiteral("S "), ScaledRect(204, 108, 58, 24));
    m_vBox = makeBox("vBox", 255, QStringLiteral("V "), ScaledRect(204, 136, 58, 24));
    m_rBox = makeBox("rBox", 255, QStringLiteral("R "), ScaledRect(266, 80, 58, 24));
    m_gBox = makeBox("gBox", 255, QStringLiteral("G "), ScaledRect(266, 108, 58, 24));
    m_bBox = makeBox("bBox", 255, QStringLiteral("B "), ScaledRect(266, 136, 58, 24));

    m_hashLabel = new QLabel(QStringLiteral("#"), this);
    m_hashLabel->setGeometry(ScaledRect(204, 166, 16, 24));
    m_hashLabel->setStyleSheet(QStringLiteral("color: rgb(200,200,200);"));
    m_edit = new TarnLineEdit(this);
    m_edit->setObjectName(QStringLiteral("hexEdit"));
    m_edit->setGeometry(ScaledRect(220, 166, 104, 24));
    m_edit->setFont(font);
    m_edit->setMaxLength(6);
    // Only hexadecimal digits ever reach the parser.
    m_edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9A-Fa-f]{0,6}")),
                                                         m_edit));
    m_edit->setStyleSheet(QStringLiteral("QLineEdit{background:rgb(38,38,42);color:white;border:1px solid "
                                         "rgb(80,80,86);border-radius:2px;padding:0 3px;}"
                                         "QLineEdit:focus{border:1px solid %1;}")
                              .arg(AccentCss()));

    for (int i = 0; i < kPresetCount; ++i) {
        m_presets[i] = new DefaultColorArea(PresetColor(i), this);
        m_presets[i]->setObjectName(QStringLiteral("preset%1").arg(i));
        m_presets[i]->setGeometry(ScaledRect(12 + 26 * i, 190, 20, 20));
        connect(m_presets[i], &DefaultColorArea::ClickedSignal, this, &TarnColorArea::color_clicked);
    }

    m_okButton = new QPushButton(this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setGeometry(ScaledRect(156, 224, 80, 28));
    m_cancelButton = new QPushButton(this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_cancelButton->setGeometry(ScaledRect(244, 224, 80, 28));
    for (QPushButton* button : {m_okButton, m_cancelButton}) {
        button->setFont(font);
        button->setStyleSheet(ButtonStyle());
        button->setAutoDefault(false);
        button->setCursor(Qt::PointingHandCursor);
    }
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    connect(m_hueArea, &HColorArea::hueChangedSignal, this, &TarnColorArea::onHueAreaChanged);
    connect(m_hueArea, &HColorArea::mouseReleaseSignal, this, &TarnColorArea::MouseReleaseSlot);
    connect(m_svArea, &SVColorArea::svChangedSignal, this, &TarnColorArea::onSvAreaChanged);
    connect(m_svArea, &SVColorArea::mouseReleaseSignal, this, &TarnColorArea::MouseReleaseSlot);
    connect(m_hBox, QOverload<int>::of(&QSpinBox::valueChanged), this, &TarnColorArea::hValueChangedSlot);
    connect(m_sBox, QOverload<int>::of(&QSpinBox::valueChanged), this, &TarnColorArea::sValueChangedSlot);
    connect(m_vBox, QOverload<int>::of(&QSpinBox::valueChanged), this, &TarnColorArea::vValueChangedSlot);
    connect(m_rBox, QOverload<int>::of(&QSpinBox::valueChanged), this, &TarnColorArea::rValueChangedSlot);
    connect(m_gBox, QOverload<int>::of(&QSpinBox::valueChanged), this, &TarnColorArea::gValueChangedSlot);
    connect(m_bBox, QOverload<int>::of(&QSpinBox::valueChanged), this, &TarnColorArea::bValueChangedSlot);
    connect(m_edit, &QLineEdit::textEdited, this, &TarnColorArea::editChangedSlot);
    connect(m_edit, &QLineEdit::editingFinished, this, &TarnColorArea::editFinishedSlot);

    Retranslate();
    SetColor(QColor(Qt::white));
}

TarnColorArea::~TarnColorArea() = default;

QColor TarnColorArea::PresetColor(int index)
{
    static const QColor presets[kPresetCount] = {
        QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255), QColor(0, 255, 255),
        QColor(255, 255, 0), QColor(255, 0, 255), QColor(255, 255, 255),
    };
    return index >= 0 && index < kPresetCount ? presets[index] : QColor(Qt::black);
}

void TarnColorArea::Retranslate()
{
    setWindowTitle(QObject::tr("Color Edit"));
    m_titleLabel->setText(QObject::tr("Color Edit"));
    m_okButton->setText(QObject::tr("OK"));
    m_cancelButton->setText(QObject::tr("Cancel"));
}

QColor TarnColorArea::color() const
{
    return QColor(m_rBox->value(), m_gBox->value(), m_bBox->value());
}

void TarnColorArea::SetColor(const QColor& color)
{
    const QColor c = color.isValid() ? color : QColor(Qt::black);
    const bool wasUpdating = m_updating;
    m_updating = true;
    // The colour's own hue/saturation/value and its own components, without a round trip.
    const int h = c.hsvHue();
    if (h >= 0)
        m_h = h;
    m_s = c.hsvSaturation();
    m_v = c.value();
    showHsvControls();
    showRgbControls(c.toRgb(), true);
    m_updating = wasUpdating;
}

void TarnColorArea::showHsvControls()
{
    m_hBox->setValue(m_h);
    m_sBox->setValue(m_s);
    m_vBox->setValue(m_v);
    m_hueArea->setHue(m_h);
    m_svArea->hueChangedSlot(m_h);
    m_svArea->setSaturationValue(m_s, m_v);
}

void TarnColorArea::showRgbControls(const QColor& rgb, bool rewriteText)
{
    m_rBox->setValue(rgb.red());
    m_gBox->setValue(rgb.green());
    m_bBox->setValue(rgb.blue());
    m_preview->setColor(rgb);
    if (rewriteText)
        updateEditData();
}

void TarnColorArea::applyHsv(int h, int s, int v)
{
    const bool wasUpdating = m_updating;
    m_updating = true;
    m_h = qBound(0, h, 360);
    m_s = qBound(0, s, 255);
    m_v = qBound(0, v, 255);
    QColor c;
    c.setHsv(m_h, m_s, m_v, 255);
    showHsvControls();
    showRgbControls(c.toRgb(), true);
    m_updating = wasUpdating;
}

void TarnColorArea::applyRgb(int r, int g, int b, bool rewriteText)
{
    const bool wasUpdating = m_updating;
    m_updating = true;
    QColor c;
    c.setRgb(qBound(0, r, 255), qBound(0, g, 255), qBound(0, b, 255), 255);
    const int h = c.hsvHue();
    if (h >= 0)
        m_h = h;
    m_s = c.hsvSaturation();
    m_v = c.value();
    showHsvControls();
    showRgbControls(c, rewriteText);
    m_updating = wasUpdating;
}

void TarnColorArea::hValueChangedSlot(int value)
{
    if (!m_updating)
        applyHsv(value, m_s, m_v);
}

void TarnColorArea::sValueChangedSlot(int value)
{
    if (!m_updating)
        applyHsv(m_h, value, m_v);
}

void TarnColorArea::vValueChangedSlot(int value)
{
    if (!m_updating)
        applyHsv(m_h, m_s, value);
}

void TarnColorArea::rgbBoxChanged()
{
    if (!m_updating)
        applyRgb(m_rBox->value(), m_gBox->value(), m_bBox->value(), true);
}

void TarnColorArea::rValueChangedSlot(int)
{
    rgbBoxChanged();
}

void TarnColorArea::gValueChangedSlot(int)
{
    rgbBoxChanged();
}

void TarnColorArea::bValueChangedSlot(int)
{
    rgbBoxChanged();
}

void TarnColorArea::onHueAreaChanged(int hue)
{
    if (!m_updating)
        applyHsv(hue, m_s, m_v);
}

void TarnColorArea::onSvAreaChanged(int, int s, int v)
{
    if (!m_updating)
        applyHsv(m_h, m_svArea->toComponent(s), m_svArea->toComponent(v));
}

void TarnColorArea::updateEditData()
{
    m_edit->setText(QString::asprintf("%02x%02x%02x", m_rBox->value(), m_gBox->value(), m_bBox->value()));
}

void TarnColorArea::editChangedSlot(const QString& text)
{
    if (m_updating)
        return;
    int r = 0, g = 0, b = 0;
    switch (text.size()) {
    case 1:
    case 2:
        b = HexValue(text);
        break;
    case 3:
        r = HexValue(QString(2, text[0]));
        g = HexValue(QString(2, text[1]));
        b = HexValue(QString(2, text[2]));
        break;
    case 4:
        g = HexValue(text.mid(0, 2));
        b = HexValue(text.mid(2, 2));
        break;
    case 5:
        r = HexValue(text.mid(0, 1));
        g = HexValue(text.mid(1, 2));
        b = HexValue(text.mid(3, 2));
        break;
    case 6:
        r = HexValue(text.mid(0, 2));
        g = HexValue(text.mid(2, 2));
        b = HexValue(text.mid(4, 2));
        break;
    default:
        // Nothing typed yet (or more than fits): the colour stays until editing finishes.
        return;
    }
    applyRgb(r, g, b, false);
}

void TarnColorArea::editFinishedSlot()
{
    if (m_updating)
        return;
    QString text = m_edit->text().trimmed().toLower().left(6);
    if (text.size() == 3)
        text = QString(2, text[0]) + QString(2, text[1]) + QString(2, text[2]);
    else
        text = text.rightJustified(6, QLatin1Char('0'));
    m_edit->setText(text);
    applyRgb(HexValue(text.mid(0, 2)), HexValue(text.mid(2, 2)), HexValue(text.mid(4, 2)), true);
}

void TarnColorArea::MouseReleaseSlot()
{
    updateEditData();
}

void TarnColorArea::color_clicked()
{
    auto* preset = qobject_cast<DefaultColorArea*>(sender());
    if (!preset)
        return;
    const QColor c = preset->color().toRgb();
    applyRgb(c.red(), c.green(), c.blue(), true);
}

int TarnColorArea::exec()
{
    if (ExecHook()) {
        const int result = ExecHook()(*this);
        setResult(result);
        return result;
    }
    return QDialog::exec();
}

void TarnColorArea::SetExecHook(std::function<int(TarnColorArea&)> hook)
{
    ExecHook() = std::move(hook);
}

void TarnColorArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(22, 22, 24));
    painter.setPen(QPen(AccentQColor(), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TarnColorArea::mousePressEvent(QMouseEvent* event)
{
    // The dialog has no frame: dragging its background moves it.
    m_dragOffset = event->globalPos() - frameGeometry().topLeft();
}

void TarnColorArea::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        move(event->globalPos() - m_dragOffset);
}
