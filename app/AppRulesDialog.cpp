#include "AppRulesDialog.h"

#include "AppProfileSwitcher.h"
#include "AppRules.h"
#include "FrontWindowSource.h"
#include "MouseSession.h"
#include "UiContext.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

AppRulesDialog::AppRulesDialog(const FrontWindowSource* source, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Program Profiles"));
    // The main window's dark look, with the accent colour for what is selected or pointed at.
    setStyleSheet(QStringLiteral(
        "QDialog { background: rgb(24,24,27); }"
        "QLabel { color: rgb(220,220,220); }"
        "QTreeWidget, QComboBox { background: rgb(30,30,32); color: white; border: 1px solid rgb(80,80,80); }"
        "QComboBox { padding: 2px 6px; }"
        "QHeaderView::section { background: rgb(40,40,44); color: rgb(200,200,200); border: none; padding: 3px; }"
        "QComboBox QAbstractItemView { background: rgb(30,30,32); color: white; selection-background-color: %1; }"
        "QTreeWidget::item:selected { background: %1; }"
        "QPushButton { background: rgb(40,40,44); color: white; border: 1px solid rgb(90,90,90); padding: 4px 12px; }"
        "QPushButton:hover, QComboBox:hover { border-color: %1; }")
                      .arg(AccentCss()));
    auto* layout = new QVBoxLayout(this);
    m_unavailable = new QLabel(tr("The program in front cannot be known in this session: profiles do not switch."), this);
    m_unavailable->setWordWrap(true);
    m_unavailable->setVisible(!source || !source->available());
    layout->addWidget(m_unavailable);

    m_rules = new QTreeWidget(this);
    m_rules->setRootIsDecorated(false);
    m_rules->setHeaderLabels({tr("Program"), tr("Profile")});
    m_rules->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    layout->addWidget(m_rules);

    auto* addRow = new QHBoxLayout;
    m_program = new QComboBox(this);
    m_program->setEditable(true);
    if (source)
        m_program->addItems(source->runningClasses());
    m_program->setCurrentText(QString());
    m_slot = new QComboBox(this);
    for (int i = 1; i <= kProfileCount; ++i)
        m_slot->addItem(tr("Profile %1").arg(i));
    auto* add = new QPushButton(tr("Add"), this);
    auto* remove = new QPushButton(tr("Remove"), this);
    addRow->addWidget(m_program, 1);
    addRow->addWidget(m_slot);
    addRow->addWidget(add);
    addRow->addWidget(remove);
    layout->addLayout(addRow);

    auto* defaultRow = new QHBoxLayout;
    defaultRow->addWidget(new QLabel(tr("Other programs:"), this));
    m_default = new QComboBox(this);
    m_default->addItem(tr("Leave as is"));
    for (int i = 1; i <= kProfileCount; ++i)
        m_default->addItem(tr("Profile %1").arg(i));
    m_default->setCurrentIndex(ReadAppRuleDefault() + 1);
    defaultRow->addWidget(m_default, 1);
    layout->addLayout(defaultRow);

    m_error = new QLabel(this);
    layout->addWidget(m_error);
    auto* close = new QPushButton(tr("Close"), this);
    layout->addWidget(close, 0, Qt::AlignRight);

    connect(add, &QPushButton::clicked, this, &AppRulesDialog::onAddClicked);
    connect(remove, &QPushButton::clicked, this, &AppRulesDialog::onRemoveClicked);
    connect(m_default, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &AppRulesDialog::onDefaultChanged);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    Refresh();
}

void AppRulesDialog::Refresh()
{
    m_rules->clear();
    for (const AppRule& rule : ReadAppRules())
        new QTreeWidgetItem(m_rules, {rule.match, tr("Profile %1").arg(rule.slot + 1)});
}

void AppRulesDialog::onAddClicked()
{
    const EditResult result = AppProfileSwitcher::AddRule(m_program->currentText(), m_slot->currentIndex());
    m_error->setText(result.ok ? QString() : result.text());
    Refresh();
}

void AppRulesDialog::onRemoveClicked()
{
    const QTreeWidgetItem* item = m_rules->currentItem();
    if (!item)
        return;
    m_error->setText(AppProfileSwitcher::RemoveRule(item->text(0)) ? QString()
                                                                  : tr("Cannot write the settings files."));
    Refresh();
}

void AppRulesDialog::onDefaultChanged(int index)
{
    const EditResult result = AppProfileSwitcher::SetDefault(index - 1);
    m_error->setText(result.ok ? QString() : result.text());
}
