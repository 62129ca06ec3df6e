#include "TarnAction.h"

TarnAction::TarnAction(QObject* parent)
    : TarnAction(QString(), -1, parent)
{
}

TarnAction::TarnAction(const QString& text, int id, QObject* parent)
    : QAction(text, parent)
    , m_id(id)
{
    connect(this, &QAction::triggered, this, [this] { emit TriggeredSignal(m_id); });
}

TarnAction::~TarnAction() = default;
