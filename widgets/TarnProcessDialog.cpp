#include "TarnProcessDialog.h"

#include "UiContext.h"

#include <QFile>
#include <QLabel>
#include <QMovie>
#include <QPainter>
#include <QTimer>

#ifdef MOUSECFG_HAVE_LOADING_GIF
// A static library's resources are only linked in when something names them.
static void InitLoadingResource() { Q_INIT_RESOURCE(mousecfg_widgets_skin); }
#endif

namespace {
constexpr int kDialogSize = 128;
constexpr int kSpinIntervalMs = 80;
constexpr int kSpinSteps = 12;
} // namespace

TarnProcessDialog::TarnProcessDialog(QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint)
{
    const int side = Scaled(kDialogSize);
    setFixedSize(side, side);
    setAttribute(Qt::WA_TranslucentBackground);
    setModal(true);
    m_background = SkinPixmap(QStringLiteral("process.png"));

    m_animationLabel = new QLabel(this);
    m_animationLabel->setGeometry(rect());
    m_animationLabel->setAlignment(Qt::AlignCenter);
    m_animationLabel->setAttribute(Qt::WA_TranslucentBackground);

    const QString path = LoadingAnimationPath();
    if (!path.isEmpty()) {
        m_movie = new QMovie(path, QByteArray(), this);
        if (m_movie->isValid() && m_movie->jumpToFrame(0) && !m_movie->currentImage().isNull()) {
            // The animation is drawn for scale 1.0 and never larger than the dialog.
            QSize size = m_movie->currentImage().size() * UiScale();
            if (size.width() > side || size.height() > side)
                size.scale(side, side, Qt::KeepAspectRatio);
            if (size.isValid() && !size.isEmpty())
                m_movie->setScaledSize(size);
            m_animationLabel->setMovie(m_movie);
        } else {
            delete m_movie;
            m_movie = nullptr;
        }
    }
    if (!m_movie) {
        m_spinTimer = new QTimer(this);
        connect(m_spinTimer, &QTimer::timeout, this, [this] {
            m_spinStep = (m_spinStep + 1) % kSpinSteps;
            update();
        });
    }
}

TarnProcessDialog::~TarnProcessDialog() = default;

QString TarnProcessDialog::LoadingAnimationPath()
{
#ifdef MOUSECFG_HAVE_LOADING_GIF
    InitLoadingResource();
#endif
    const QString resource = QStringLiteral(":/skin/loading.gif");
    if (QFile::exists(resource))
        return resource;
    const QString skin = SkinPath(QStringLiteral("loading.gif"));
    return QFile::exists(skin) ? skin : QString();
}

int TarnProcessDialog::exec()
{
    // The worker may have finished before the dialog ran; its result must not be lost.
    if (m_finished) {
        setResult(QDialog::Accepted);
        return 1;
    }
    return QDialog::exec() == QDialog::Accepted ? 1 : 0;
}

void TarnProcessDialog::slotProcessDlg()
{
    QTimer::singleShot(0, this, &TarnProcessDialog::updateProgress);
}

void TarnProcessDialog::updateProgress()
{
    m_finished = true;
    if (m_movie)
        m_movie->stop();
    if (m_spinTimer)
        m_spinTimer->stop();
    accept();
}

void TarnProcessDialog::reject()
{
}

void TarnProcessDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (QWidget* owner = parentWidget()) {
        const QWidget* window = owner->window();
        move(window->mapToGlobal(window->rect().center()) - rect().center());
    }
    if (m_movie)
        m_movie->start();
    if (m_spinTimer)
        m_spinTimer->start(kSpinIntervalMs);
}

void TarnProcessDialog::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_background.isNull()) {
        painter.drawPixmap(rect(), m_background);
    } else {
        const qreal radius = Scaled(10);
        painter.setPen(QPen(AccentQColor(), qMax(1, Scaled(1))));
        painter.setBrush(QColor(22, 22, 24, 235));
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), radius, radius);
    }
    if (m_movie)
        return;

    // No animation file: twelve spokes fading behind the leading one.
    const QPointF centre = QRectF(rect()).center();
    const qreal outer = width() * 0.28;
    const qreal inner = width() * 0.14;
    QColor accent = AccentQColor();
    painter.translate(centre);
    for (int i = 0; i < kSpinSteps; ++i) {
        const int age = (m_spinStep - i + kSpinSteps) % kSpinSteps;
        accent.setAlpha(255 - age * (200 / kSpinSteps));
        QPen pen(accent, qMax(2.0, width() / 32.0), Qt::SolidLine, Qt::RoundCap);
        painter.setPen(pen);
        painter.save();
        painter.rotate(i * 360.0 / kSpinSteps);
        painter.drawLine(QPointF(0, -inner), QPointF(0, -outer));
        painter.restore();
    }
}
