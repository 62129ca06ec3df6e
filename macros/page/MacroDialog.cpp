#include "MacroDialog.h"

#include "AppPaths.h"
#include "ButtonEncoding.h"
#include "Descriptor.h"
#include "KeyTables.h"
#include "MacroEventTable.h"
#include "MacroFile.h"
#include "MacroNameList.h"
#include "MacroUpload.h"
#include "MouseSession.h"
#include "TarnAction.h"
#include "TarnMacroItemDelegate.h"
#include "TarnMenu.h"
#include "TarnMessageBox.h"
#include "TarnMoveItem.h"
#include "TarnPushButton.h"
#include "UiContext.h"

#include <QCheckBox>
#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QToolButton>
#include <QTreeWidget>

#include <utility>

#include <algorithm>
#include <memory>

namespace {

MacroDialog* g_instance = nullptr;
MacroDialog::FileDialogHook g_fileDialogHook;

constexpr quint32 kKeyUpFlag = 0x80;
constexpr int kMaxDefaultDelay = 65535;
constexpr int kMaxLoopTime = 255;
constexpr int kMinEditDelay = 10;
// Delay inserted after a mouse event when delays are recorded.
constexpr int kMouseEventDelayMs = 10;
constexpr int kNewDefaultDelay = 10;
constexpr int kNewLoopTime = 1;
constexpr int kColumnWidth = 160;
constexpr int kLoopOptionCount = 3;
// Actions of the row editor's menus: button positions 0..4, step directions from here.
constexpr int kStepActionBase = 100;

enum RowCommand { RowDelete, RowEdit, RowTop, RowBottom, RowUp, RowDown, RowClear, RowCopy, RowCut, RowPaste,
                  RowCommandCount };

struct RowCommandInfo
{
    const char* objectName;
    const char* text;
    const char* icon;
};

const RowCommandInfo kRowCommands[RowCommandCount] = {
    {"rowDelete", QT_TRANSLATE_NOOP("QObject", "DELETE"), "macro_delete.png"},
    {"rowEdit", QT_TRANSLATE_NOOP("QObject", "EDIT"), "macro_edit.png"},
    {"rowTop", QT_TRANSLATE_NOOP("QObject", "TOP"), "macro_top.png"},
    {"rowBottom", QT_TRANSLATE_NOOP("QObject", "BOTTOM"), "macro_bottom.png"},
    {"rowUp", QT_TRANSLATE_NOOP("QObject", "MOVE UP"), "macro_up.png"},
    {"rowDown", QT_TRANSLATE_NOOP("QObject", "MOVE DOWN"), "macro_down.png"},
    {"rowClear", QT_TRANSLATE_NOOP("QObject", "CLEAR"), "macro_clear.png"},
    {"rowCopy", QT_TRANSLATE_NOOP("QObject", "COPY"), "macro_copy.png"},
    {"rowCut", QT_TRANSLATE_NOOP("QObject", "CUT"), "macro_cut.png"},
    {"rowPaste", QT_TRANSLATE_NOOP("QObject", "PASTE"), "macro_paste.png"},
};

const char* const kLoopTexts[kLoopOptionCount] = {
    QT_TRANSLATE_NOOP("QObject", "LOOPS TIME(1-255)"),
    QT_TRANSLATE_NOOP("QObject", "REPEAT RUN WHEN KEY DOWN"),
    QT_TRANSLATE_NOOP("QObject", "REPEAT RUN UNTIL THE KEY DOWN"),
};

// Takes every key while it has the focus, so a key reaches the recorder once and
// never types into a field or presses a button.
class FocusSink : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    bool event(QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
            event->accept();
            return true;
        default:
            return QLabel::event(event);
        }
    }
};

QString CaptionStyle() { return QStringLiteral("color:rgb(205,205,205);background:transparent;"); }

QString FieldStyle()
{
    return QStringLiteral("QLineEdit{background:rgb(20,21,23);color:white;border:1px solid rgb(80,82,86);"
                          "border-radius:2px;padding:0px 4px;}"
                          "QLineEdit:focus{border:1px solid %1;}"
                          "QLineEdit:disabled{color:rgb(110,110,110);border:1px solid rgb(55,56,58);}")
        .arg(AccentCss());
}

QString MenuButtonStyle()
{
    return QStringLiteral("QPushButton{background:rgb(20,21,23);color:white;border:1px solid rgb(80,82,86);"
                          "border-radius:2px;text-align:left;padding:0px 6px;}"
                          "QPushButton:hover{border:1px solid %1;}"
                          "QPushButton::menu-indicator{subcontrol-origin:padding;subcontrol-position:right center;"
                          "right:4px;}")
        .arg(AccentCss());
}

QString CheckIndicatorStyle(const QString& selector)
{
    const int size = qMax(8, Scaled(14));
    const QString off = SkinPath(QStringLiteral("checkbox1-1.png"));
    const QString on = SkinPath(QStringLiteral("checkbox1-2.png"));
    if (QFile::exists(off) && QFile::exists(on)) {
        return QStringLiteral("%1::indicator{width:%2px;height:%2px;}"
                              "%1::indicator:unchecked{image:url(%3);}"
                              "%1::indicator:checked{image:url(%4);}")
            .arg(selector).arg(size).arg(off, on);
    }
    // Without the skin pictures: a dark box, filled with the accent colour when checked.
    return QStringLiteral("%1::indicator{width:%2px;height:%2px;border:1px solid rgb(100,106,115);"
                          "border-radius:3px;background:rgb(28,30,33);}"
                          "%1::indicator:checked{background:%3;border:1px solid %3;}")
        .arg(selector).arg(size).arg(AccentCss());
}

QString CheckBoxStyle()
{
    return QStringLiteral("QCheckBox{color:rgb(205,205,205);background:transparent;spacing:%1px;}"
                          "QCheckBox:disabled{color:rgb(110,110,110);}")
               .arg(Scaled(6))
        + CheckIndicatorStyle(QStringLiteral("QCheckBox"));
}

QString ListStyle()
{
    return QStringLiteral("QListWidget{background:rgb(30,30,30);color:white;border:1px solid rgb(62,62,66);"
                          "outline:none;}"
                          "QListWidget::item{padding:2px 4px;}"
                          "QListWidget::item:selected{background:%1;color:white;}"
                          "QListWidget:disabled{color:rgb(120,120,120);}")
               .arg(AccentCss())
        + CheckIndicatorStyle(QStringLiteral("QListWidget"));
}

QString ScrollBarStyle()
{
    return QStringLiteral("QScrollBar:vertical{background:rgb(24,24,26);width:%1px;margin:0px;}"
                          "QScrollBar::handle:vertical{background:rgb(90,92,96);min-height:20px;border-radius:%2px;}"
                          "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height:0px;}"
                          "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background:none;}")
        .arg(qMax(4, Scaled(8)))
        .arg(qMax(2, Scaled(4)));
}

QString HeaderStyle()
{
    const QFont font = InterfaceFont();
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : Scaled(12);
    return QStringLiteral("QHeaderView{background:rgb(40,41,44);border:none;}"
                          "QHeaderView::section{background:rgb(40,41,44);color:rgb(220,220,220);border:none;"
                          "border-bottom:1px solid rgb(62,62,66);padding:2px;font-family:\"%1\";font-size:%2px;}")
        .arg(font.family())
        .arg(pixels);
}

QString TableStyle()
{
    return QStringLiteral("QTableView{background:rgb(30,30,30);color:white;border:1px solid rgb(62,62,66);"
                          "outline:none;}");
}

// Header and scroll bars carry their own sheets, so a sheet set on an ancestor cannot shadow them.
void StyleScrollArea(QAbstractItemView* view, QHeaderView* header)
{
    view->verticalScrollBar()->setStyleSheet(ScrollBarStyle());
    if (header)
        header->setStyleSheet(HeaderStyle());
}

// The disabled state of a toolbar icon drawn faint, so it reads as unavailable on the dark page.
QIcon ToolbarIcon(const QPixmap& pixmap)
{
    QIcon icon(pixmap);
    if (pixmap.isNull())
        return icon;
    QPixmap faint(pixmap.size());
    faint.fill(Qt::transparent);
    QPainter painter(&faint);
    painter.setOpacity(0.3);
    painter.drawPixmap(0, 0, pixmap);
    painter.end();
    icon.addPixmap(faint, QIcon::Disabled);
    return icon;
}

QString TreeStyle()
{
    return QStringLiteral("QTreeWidget{background:rgb(30,30,30);color:rgb(220,220,220);"
                          "border:1px solid rgb(62,62,66);outline:none;}"
                          "QTreeWidget::item{height:%2px;}"
                          "QTreeWidget::item:hover{color:%1;}"
                          "QTreeWidget::item:selected{background:transparent;color:%1;}")
        .arg(AccentCss())
        .arg(Scaled(20));
}

QString ToolButtonStyle()
{
    return QStringLiteral("QToolButton{background:transparent;border:1px solid rgb(62,62,66);border-radius:3px;}"
                          "QToolButton:hover{border:1px solid %1;}"
                          "QToolButton:pressed{background:rgb(50,50,54);border:1px solid %1;}"
                          "QToolButton:disabled{border:1px solid rgb(40,40,42);}")
        .arg(AccentCss());
}

} // namespace

MacroDialog::MacroDialog(QWidget* parent)
    : ConfigPage(parent)
{
    g_instance = this;
    m_delayUnit = qMax(1, DescriptorMinDelay());
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    m_clock = [timer]() { return timer->elapsed(); };

    m_capture = new KeyCapture(KeyCapture::Mode::Recording, this, this);
    connect(m_capture, &KeyCapture::keyEvent, this, &MacroDialog::onHookEvent);
    m_table = new MacroEventTable(this);
    // Any change not made by loading is an edit the file does not have yet.
    const auto markDirty = [this]() {
        if (!m_loading)
            m_dirty = true;
    };
    connect(m_table, &QAbstractItemModel::rowsInserted, this, markDirty);
    connect(m_table, &QAbstractItemModel::rowsRemoved, this, markDirty);
    connect(m_table, &QAbstractItemModel::dataChanged, this, markDirty);

    buildControls();
    connectControls();
    layoutControls();
    ReloadMacroList();
    retranslateTexts();
    LoadMacroFile();
    hideRowEditor();
    updateEnabled();
}

MacroDialog::~MacroDialog()
{
    m_capture->setActive(false);
    if (g_instance == this)
        g_instance = nullptr;
}

MacroDialog* MacroDialog::Instance()
{
    return g_instance;
}

void MacroDialog::SetFileDialogHook(FileDialogHook hook)
{
    g_fileDialogHook = std::move(hook);
}

void MacroDialog::setClock(Clock clock)
{
    if (clock)
        m_clock = std::move(clock);
}

QString MacroDialog::UnusedMacroFileName(const QString& base)
{
    QString name = base;
    // At most 50 macros exist, so a free suffix comes soon; the bound only guards odd folders.
    for (int n = 2; MacroFileExists(name) && n < 100000; ++n)
        name = base + QStringLiteral("_%1").arg(n);
    return name;
}

void MacroDialog::buildControls()
{
    const QFont font = InterfaceFont();
    const auto caption = [this, &font](const char* objectName) {
        auto* label = new QLabel(this);
        label->setObjectName(QLatin1String(objectName));
        label->setFont(font);
        label->setStyleSheet(CaptionStyle());
        return label;
    };
    const auto field = [this, &font](const char* objectName, int maxLength, int low, int high) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(objectName));
        edit->setFont(font);
        edit->setStyleSheet(FieldStyle());
        edit->setMaxLength(maxLength);
        if (high > 0)
            edit->setValidator(new QIntValidator(low, high, edit));
        return edit;
    };
    const auto button = [this](const char* objectName, bool checkable = false) {
        auto* b = new TarnPushButton(this);
        b->setObjectName(QLatin1String(objectName));
        b->setCheckable(checkable);
        b->setCursor(Qt::PointingHandCursor);
        return b;
    };
    const auto checkBox = [this, &font](const char* objectName) {
        auto* box = new QCheckBox(this);
        box->setObjectName(QLatin1String(objectName));
        box->setFont(font);
        box->setStyleSheet(CheckBoxStyle());
        box->setCursor(Qt::PointingHandCursor);
        return box;
    };

    m_focusLabel = new FocusSink(this);
    m_focusLabel->setObjectName(QStringLiteral("focusLabel"));
    m_focusLabel->setStyleSheet(QStringLiteral("background:transparent;"));

    m_nameCaption = caption("nameCaption");
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("macroList"));
    m_list->setFont(font);
    m_list->setStyleSheet(ListStyle());
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StyleScrollArea(m_list, nullptr);

    m_mouseCaption = caption("mouseCaption");
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("mouseTree"));
    m_tree->setFont(font);
    m_tree->setStyleSheet(TreeStyle());
    m_tree->setColumnCount(1);
    m_tree->setRootIsDecorated(false);
    m_tree->setExpandsOnDoubleClick(false);
    m_tree->setIndentation(Scaled(14));
    m_tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tree->setSelectionMode(QAbstractItemView::NoSelection);
    m_tree->setFocusPolicy(Qt::NoFocus);
    for (int position = 0; position < kMouseButtonMenuCount; ++position) {
        auto* item = new QTreeWidgetItem(m_tree);
        item->addChild(new QTreeWidgetItem);
        item->addChild(new QTreeWidgetItem);
    }
    for (int direction = 0; direction < kMoveDirectionCount; ++direction) {
        auto* item = new QTreeWidgetItem(m_tree);
        auto* move = new TarnMoveItem(MoveDirection(direction));
        move->setObjectName(QStringLiteral("moveItem%1").arg(direction));
        m_tree->setItemWidget(item, 0, move);
        m_moveItems.append(move);
    }
    StyleScrollArea(m_tree, m_tree->header());
    m_mouseCaption->hide();
    m_tree->hide();

    m_nameEdit = field("nameEdit", 64, 0, 0);
    m_newButton = button("newButton");
    m_deleteButton = button("deleteButton");
    m_renameButton = button("renameButton");
    m_mouseActionButton = button("mouseActionButton", true);

    m_noteLabel = new QLabel(this);
    m_noteLabel->setObjectName(QStringLiteral("noteLabel"));
    QFont small = font;
    small.setPixelSize(qMax(8, font.pixelSize() > 0 ? font.pixelSize() - 2 : Scaled(10)));
    m_noteLabel->setFont(small);
    m_noteLabel->setWordWrap(true);
    m_noteLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_noteLabel->setStyleSheet(QStringLiteral("color:rgb(150,150,150);background:transparent;"));

    for (int command = 0; command < RowCommandCount; ++command) {
        auto* b = new QToolButton(this);
        b->setObjectName(QLatin1String(kRowCommands[command].objectName));
        b->setIcon(ToolbarIcon(SkinPixmap(QLatin1String(kRowCommands[command].icon))));
        b->setStyleSheet(ToolButtonStyle());
        b->setCursor(Qt::PointingHandCursor);
        b->setFocusPolicy(Qt::NoFocus);
        m_rowButtons.append(b);
    }
    m_startButton = button("startButton");
    m_stopButton = button("stopButton");
    m_stopButton->hide();

    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("eventView"));
    m_view->setModel(m_table);
    m_view->setItemDelegate(new TarnMacroItemDelegate(m_delayUnit, m_view));
    m_view->setFont(font);
    m_view->setStyleSheet(TableStyle());
    StyleScrollArea(m_view, m_view->horizontalHeader());
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setShowGrid(false);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setDefaultSectionSize(Scaled(24));
    m_view->horizontalHeader()->setHighlightSections(false);
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int column = 0; column < MacroEventTable::kColumnCount; ++column)
        m_view->setColumnWidth(column, Scaled(kColumnWidth));

    m_recordDelayBox = checkBox("recordDelayBox");
    m_defaultDelayBox = checkBox("defaultDelayBox");
    m_defaultDelayEdit = field("defaultDelayEdit", 5, 0, kMaxDefaultDelay);
    m_recordAfterButton = button("recordAfterButton");
    for (int option = 0; option < kLoopOptionCount; ++option) {
        QCheckBox* box = checkBox(option == 0 ? "loopBox1" : option == 1 ? "loopBox2" : "loopBox3");
        m_loopBoxes.append(box);
    }
    m_loopTimeEdit = field("loopTimeEdit", 3, 1, kMaxLoopTime);
    m_insertDelayButton = button("insertDelayButton");
    m_gunSetButton = button("gunSetButton");
    m_importButton = button("importButton");
    m_exportButton = button("exportButton");
    m_batchBox = checkBox("batchBox");
    m_saveButton = button("saveButton");
    m_cancelButton = button("cancelButton");

    m_keyCaption = caption("keyCaption");
    m_keyField = field("keyField", 32, 0, 0);
    m_keyField->setReadOnly(true);
    m_keyField->setFocusPolicy(Qt::NoFocus);
    m_buttonField = new QPushButton(this);
    m_buttonField->setObjectName(QStringLiteral("buttonField"));
    m_buttonField->setFont(font);
    m_buttonField->setStyleSheet(MenuButtonStyle());
    m_buttonMenu = new TarnMenu(this);
    m_buttonMenu->setObjectName(QStringLiteral("buttonMenu"));
    for (int position = 0; position < kMouseButtonMenuCount; ++position)
        m_buttonMenu->addAction(new TarnAction(QString(), position, m_buttonMenu));
    m_buttonField->setMenu(m_buttonMenu);
    m_movementCaption = caption("movementCaption");
    m_movementField = new QPushButton(this);
    m_movementField->setObjectName(QStringLiteral("movementField"));
    m_movementField->setFont(font);
    m_movementField->setStyleSheet(MenuButtonStyle());
    m_movementMenu = new TarnMenu(this);
    m_movementMenu->setObjectName(QStringLiteral("movementMenu"));
    for (int direction = 0; direction < kMoveDirectionCount; ++direction)
        m_movementMenu->addAction(new TarnAction(QString(), kStepActionBase + direction, m_movementMenu));
    m_movementField->setMenu(m_movementMenu);
    m_distanceCaption = caption("distanceCaption");
    m_distanceField = field("distanceField", 3, 1, kMaxStepDistance);
    m_delayCaption = caption("delayCaption");
    m_delayField = field("delayField", 5, kMinEditDelay, kMaxDefaultDelay);
}

void MacroDialog::connectControls()
{
    // Mouse and keyboard both change the current row; one path, so a refusal is asked once.
    connect(m_list, &QListWidget::currentRowChanged, this, &MacroDialog::onListRowChanged);
    connect(m_tree, &QTreeWidget::itemPressed, this, &MacroDialog::TreeitemClick);
    for (TarnMoveItem* move : qAsConst(m_moveItems)) {
        connect(move, &TarnMoveItem::TarnMousePressed, this, &MacroDialog::TarnItemPressed);
        connect(move, &TarnMoveItem::TarnMouseEntered, this, &MacroDialog::mousemove_test);
    }
    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &MacroDialog::CurrentChanged);
    connect(m_distanceField, &QLineEdit::textChanged, this, &MacroDialog::EditMoveChanged);
    connect(m_delayField, &QLineEdit::textChanged, this, &MacroDialog::EditDelayChanged);
    connect(m_defaultDelayEdit, &QLineEdit::textChanged, this, &MacroDialog::DefDelayChanged);
    connect(m_loopTimeEdit, &QLineEdit::textChanged, this, &MacroDialog::LoopTimeChanged);
    // Typed settings belong to the macro as much as its rows do.
    const auto settingEdited = [this]() { m_dirty = true; };
    connect(m_defaultDelayEdit, &QLineEdit::textEdited, this, settingEdited);
    connect(m_loopTimeEdit, &QLineEdit::textEdited, this, settingEdited);
    for (QCheckBox* box : {m_recordDelayBox, m_defaultDelayBox, m_batchBox})
        connect(box, &QCheckBox::clicked, this, &MacroDialog::checkbtn_clicked);
    for (QCheckBox* box : qAsConst(m_loopBoxes))
        connect(box, &QCheckBox::clicked, this, &MacroDialog::checkbtn_clicked);
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
             m_newButton, m_deleteButton, m_renameButton, m_mouseActionButton, m_startButton, m_stopButton,
             m_recordAfterButton, m_insertDelayButton, m_gunSetButton, m_importButton, m_exportButton,
             m_saveButton, m_cancelButton}) {
        connect(b, &QAbstractButton::clicked, this, &MacroDialog::onButtonClicked);
    }
    for (QToolButton* b : qAsConst(m_rowButtons))
        connect(b, &QAbstractButton::clicked, this, &MacroDialog::onButtonClicked);
    connect(m_buttonMenu, &QMenu::triggered, this, &MacroDialog::onEditorAction);
    connect(m_movementMenu, &QMenu::triggered, this, &MacroDialog::onEditorAction);
}

void MacroDialog::layoutControls()
{
    const auto at = [](QWidget* w, int x, int y, int width, int height) {
        w->setGeometry(ScaledRect(x, y, width, height));
    };
    at(m_focusLabel, 0, 0, 1, 1);
    // Left pane: the macro list (or the mouse-action panel) and the macro commands.
    at(m_nameCaption, 10, 6, 154, 22);
    at(m_list, 8, 30, 156, 226);
    at(m_mouseCaption, 10, 6, 154, 22);
    at(m_tree, 8, 30, 156, 226);
    at(m_nameEdit, 8, 264, 156, 26);
    at(m_newButton, 8, 296, 75, 26);
    at(m_deleteButton, 89, 296, 75, 26);
    at(m_renameButton, 8, 328, 156, 26);
    at(m_mouseActionButton, 8, 360, 156, 26);
    at(m_noteLabel, 10, 394, 154, 66);
    // Right pane: row toolbar and recording, the table, settings or row editor, commands.
    for (int command = 0; command < m_rowButtons.size(); ++command) {
        at(m_rowButtons[command], 170 + command * 32, 4, 28, 28);
        m_rowButtons[command]->setIconSize(QSize(Scaled(18), Scaled(18)));
    }
    at(m_startButton, 567, 4, 90, 28);
    at(m_stopButton, 567, 4, 90, 28);
    at(m_view, 170, 38, 490, 252);
    at(m_recordDelayBox, 170, 298, 246, 24);
    at(m_defaultDelayBox, 170, 326, 180, 24);
    at(m_defaultDelayEdit, 354, 326, 56, 24);
    at(m_recordAfterButton, 170, 356, 110, 24);
    at(m_loopBoxes[0], 420, 298, 180, 24);
    at(m_loopTimeEdit, 604, 298, 52, 24);
    at(m_loopBoxes[1], 420, 326, 240, 24);
    at(m_loopBoxes[2], 420, 354, 240, 24);
    at(m_insertDelayButton, 170, 392, 92, 28);
    at(m_gunSetButton, 268, 392, 92, 28);
    at(m_importButton, 366, 392, 92, 28);
    at(m_exportButton, 464, 392, 92, 28);
    at(m_batchBox, 568, 392, 90, 28);
    at(m_saveButton, 470, 432, 90, 28);
    at(m_cancelButton, 567, 432, 90, 28);
    // Row editor, in the place of the settings it hides.
    at(m_keyCaption, 172, 298, 88, 26);
    at(m_keyField, 264, 298, 146, 26);
    at(m_buttonField, 264, 298, 146, 26);
    at(m_movementCaption, 172, 298, 88, 26);
    at(m_movementField, 264, 298, 146, 26);
    at(m_distanceCaption, 172, 328, 88, 26);
    at(m_distanceField, 264, 328, 70, 26);
    at(m_delayCaption, 172, 298, 88, 26);
    at(m_delayField, 264, 298, 100, 26);
}

void MacroDialog::retranslate()
{
    retranslateTexts();
    // The editor shows names in the current language too.
    if (m_editMode)
        showRowEditor();
}

void MacroDialog::retranslateTexts()
{
    m_table->retranslateHeaders();
    m_nameCaption->setText(QObject::tr("MACRO NAME"));
    m_mouseCaption->setText(QObject::tr("MOUSE ACTION"));
    m_tree->setHeaderLabels({QObject::tr("MOUSE COMMAND")});
    for (int position = 0; position < kMouseButtonMenuCount; ++position) {
        QTreeWidgetItem* item = m_tree->topLevelItem(position);
        item->setText(0, QObject::tr(MouseButtonMenuText(position)));
        item->child(0)->setText(0, QObject::tr("PRESS DOWN"));
        item->child(1)->setText(0, QObject::tr("BOUNCE UP"));
    }
    for (TarnMoveItem* move : qAsConst(m_moveItems))
        move->retranslate();
    m_newButton->setText(QObject::tr("NEW"));
    m_deleteButton->setText(QObject::tr("DELETE"));
    m_renameButton->setText(QObject::tr("CHANGE NAME"));
    m_mouseActionButton->setText(QObject::tr("MOUSE ACTION"));
    // Through XWayland the recorder hears X11 windows only, whatever XInput2 offers.
    if (IsWaylandSession())
        m_noteLabel->setText(QObject::tr("Under Wayland only keys typed into X11 windows, this one included, are recorded."));
    else
        m_noteLabel->setText(QObject::tr("Only keys typed into this window are recorded."));
    m_noteLabel->setVisible(IsWaylandSession() || !m_capture->isSystemWide());
    for (int command = 0; command < m_rowButtons.size(); ++command)
        m_rowButtons[command]->setToolTip(QObject::tr(kRowCommands[command].text));
    m_startButton->setText(QObject::tr("START"));
    m_stopButton->setText(QObject::tr("STOP"));
    m_recordDelayBox->setText(QObject::tr("RECORD DELAYS BETWEEN ACTION"));
    m_defaultDelayBox->setText(QObject::tr("INSERT DEFAULT DELAY"));
    m_recordAfterButton->setText(QObject::tr("RECORD AFTER"));
    for (int option = 0; option < m_loopBoxes.size(); ++option)
        m_loopBoxes[option]->setText(QObject::tr(kLoopTexts[option]));
    m_insertDelayButton->setText(QObject::tr("INSERT DELAY"));
    m_gunSetButton->setText(QObject::tr("GUN SET"));
    m_importButton->setText(QObject::tr("IMPORT"));
    m_exportButton->setText(QObject::tr("EXPORT"));
    m_batchBox->setText(QObject::tr("BATCH"));
    m_saveButton->setText(QObject::tr("SAVE"));
    m_cancelButton->setText(QObject::tr("CANCEL"));
    m_keyCaption->setText(QObject::tr("KEY"));
    m_movementCaption->setText(QObject::tr("MOVEMENT"));
    m_distanceCaption->setText(QObject::tr("DISTANCE"));
    m_delayCaption->setText(QObject::tr("DELAY"));
    const QList<QAction*> buttonActions = m_buttonMenu->actions();
    for (int position = 0; position < buttonActions.size(); ++position)
        buttonActions[position]->setText(QObject::tr(MouseButtonMenuText(position)));
    const QList<QAction*> stepActions = m_movementMenu->actions();
    for (int direction = 0; direction < stepActions.size(); ++direction)
        stepActions[direction]->setText(QObject::tr(MoveDirectionText(MoveDirection(direction))));
}

// ---- Macro file and list -------------------------------------------------------------

bool MacroDialog::listHasRows() const
{
    return m_list->count() > 0;
}

void MacroDialog::warnBindingsNotStored()
{
    // The buttons changed here, but a profile file still names the old macro: the user is told.
    TarnMessageBox::Show(TarnMessageBox::Warning, QObject::tr("Warning"), QObject::tr("Cannot write the settings files."),
                         QString(), this);
}

bool MacroDialog::SaveMacroFile(const QString& name)
{
    MacroData data;
    data.settings.DefaultDelay = m_defaultDelayEdit->text().toInt();
    data.settings.DelayType = m_delayType;
    data.settings.LoopType = loopTypeFromControls();
    data.settings.LoopTime = m_loopTimeEdit->text().toInt();
    data.events = m_table->events();
    if (!::SaveMacroFile(name, data)) {
        // The recording stays on the page, unsaved, and the user knows it.
        TarnMessageBox::Show(TarnMessageBox::Warning, QObject::tr("Warning"),
                             QObject::tr("THE MACRO COULD NOT BE SAVED AS %1.").arg(MacroFilePath(name)), QString(),
                             this);
        return false;
    }
    if (name == m_currentName)
        m_dirty = false;
    return true;
}

int MacroDialog::loopTypeFromControls() const
{
    for (int option = 0; option < m_loopBoxes.size(); ++option) {
        if (m_loopBoxes[option]->isChecked())
            return option + 1;
    }
    return 0;
}

void MacroDialog::LoadMacroFile()
{
    m_loading = true;
    QListWidgetItem* item = m_list->currentItem();
    if (!listHasRows() || !item) {
        m_nameEdit->clear();
        m_currentName.clear();
        m_table->clearEvents();
        m_loading = false;
        m_dirty = false;
        return;
    }
    const QString name = item->text();
    m_currentName = name;
    m_nameEdit->setText(name);
    MacroData data;
    ::LoadMacroFile(name, data);

    m_delayType = data.settings.DelayType;
    m_recordDelayBox->setChecked(m_delayType == 1);
    m_defaultDelayBox->setChecked(m_delayType == 2);
    m_defaultDelayEdit->setText(QString::number(std::clamp(data.settings.DefaultDelay, 0, kMaxDefaultDelay)));
    m_loopTimeEdit->setText(QString::number(std::clamp(data.settings.LoopTime, 0, kMaxLoopTime)));
    const int loopType = data.settings.LoopType;
    if (loopType >= 0 && loopType <= kLoopOptionCount) {
        for (int option = 0; option < m_loopBoxes.size(); ++option)
            m_loopBoxes[option]->setChecked(option + 1 == loopType);
    }
    m_table->setEvents(data.events);
    if (m_table->rowCount() > 0)
        selectTableRow(m_table->rowCount() - 1);
    m_loading = false;
    m_dirty = false;
}

void MacroDialog::ReloadMacroList()
{
    m_listUpdating = true;
    m_list->clear();
    for (const QString& name : MacroNames()) {
        auto* item = new QListWidgetItem(name, m_list);
        if (m_batchMode) {
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        } else {
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        }
    }
    // The shown macro stays selected, so SAVE never writes it under another name.
    const QList<QListWidgetItem*> found = m_list->findItems(m_currentName, Qt::MatchExactly);
    if (!m_currentName.isEmpty() && !found.isEmpty())
        m_list->setCurrentItem(found.first());
    else if (m_list->count() > 0 && m_list->currentRow() < 0)
        m_list->setCurrentRow(0);
    m_listUpdating = false;
}

void MacroDialog::selectListName(const QString& name)
{
    m_listUpdating = true;
    const QList<QListWidgetItem*> found = m_list->findItems(name, Qt::MatchExactly);
    if (!found.isEmpty())
        m_list->setCurrentItem(found.first());
    m_listUpdating = false;
}

void MacroDialog::addMacroToList(const QString& name)
{
    ::AddMacroName(name);
    m_currentName = name;
    ReloadMacroList();
}

void MacroDialog::resetSettingsControls()
{
    m_recordDelayBox->setChecked(false);
    m_defaultDelayBox->setChecked(false);
    for (QCheckBox* box : qAsConst(m_loopBoxes))
        box->setChecked(false);
    m_delayType = 0;
    m_defaultDelayEdit->setText(QString::number(kNewDefaultDelay));
    m_loopTimeEdit->setText(QString::number(kNewLoopTime));
}

bool MacroDialog::confirmDiscard()
{
    if (!m_dirty || m_currentName.isEmpty())
        return true;
    return TarnMessageBox::Show(TarnMessageBox::Question, QObject::tr("WARNING"),
                                QObject::tr("THE MACRO HAS CHANGES THAT ARE NOT SAVED."),
                                QObject::tr("DISCARD THEM?"), this)
        == 1;
}

bool MacroDialog::acceptName(const QString& name)
{
    if (IsSafeFileName(name))
        return true;
    TarnMessageBox::Show(TarnMessageBox::Warning, QObject::tr("WARNING"),
                         QObject::tr("THIS NAME CANNOT BE USED FOR A MACRO."),
                         QObject::tr("A NAME MUST NOT CONTAIN \"/\" OR BE \"..\"."), this);
    return false;
}

QStringList MacroDialog::askFiles(FileDialogKind kind, const QString& title, const QString& start,
                                  const QString& filter)
{
    if (g_fileDialogHook)
        return g_fileDialogHook(kind, title, start, filter);
    QString one;
    switch (kind) {
    case FileDialogKind::OpenFile:
        one = QFileDialog::getOpenFileName(this, title, start, filter);
        break;
    case FileDialogKind::OpenFiles:
        return QFileDialog::getOpenFileNames(this, title, start, filter);
    case FileDialogKind::SaveFile:
        one = QFileDialog::getSaveFileName(this, title, start, filter);
        break;
    case FileDialogKind::Directory:
        one = QFileDialog::getExistingDirectory(this, title, start, QFileDialog::ShowDirsOnly);
        break;
    }
    return one.isEmpty() ? QStringList() : QStringList{one};
}

void MacroDialog::itemClicked(QModelIndex index)
{
    if (!index.isValid() || m_recording)
        return;
    QListWidgetItem* item = m_list->item(index.row());
    if (!item)
        return;
    // The shown macro is already loaded; reloading it would only drop its edits.
    if (item->text() == m_currentName)
        return;
    if (!confirmDiscard()) {
        selectListName(m_currentName);
        return;
    }
    m_listUpdating = true;
    m_list->setCurrentItem(item);
    m_listUpdating = false;
    m_currentName = item->text();
    LoadMacroFile();
}

void MacroDialog::onListRowChanged(int row)
{
    if (m_listUpdating || row < 0)
        return;
    itemClicked(m_list->model()->index(row, 0));
}

// ---- Macro commands --------------------------------------------------------------------

void MacroDialog::newMacro()
{
    if (CountMacroNames() > kMaxMacros - 1) {
        TarnMessageBox::Show(TarnMessageBox::Question, QObject::tr("WARNING"),
                             QObject::tr("TOO MANY MACROS TO BE CREATE!"), QString(), this);
        return;
    }
    if (!confirmDiscard())
        return;
    QString name;
    for (int n = 1;; ++n) {
        name = QStringLiteral("name_%1").arg(n);
        if (!MacroFileExists(name) && !ContainsMacroName(name))
            break;
    }
    if (!acceptName(name))
        return;
    m_loading = true;
    resetSettingsControls();
    m_table->clearEvents();
    m_loading = false;
    const QString previous = std::exchange(m_currentName, name);
    if (!SaveMacroFile(name)) {
        // No file, no new macro: the page shows the one selected before.
        m_currentName = previous;
        LoadMacroFile();
        return;
    }
    addMacroToList(name);
    m_nameEdit->setText(name);
    m_dirty = false;
}

void MacroDialog::deleteMacro()
{
    QListWidgetItem* item = m_list->currentItem();
    if (!listHasRows() || !item)
        return;
    const QString name = item->text();
    const int row = m_list->currentRow();
    const bool onlyRow = m_list->count() == 1;
    if (name.isEmpty())
        return;
    MouseSession& session = MouseSession::instance();
    const QVector<MacroBinding> bindings = session.macroBindings(name);
    if (!bindings.isEmpty()
        && TarnMessageBox::Show(TarnMessageBox::Question, QObject::tr("WARNING"),
                                QObject::tr("\"%1\" PLAYS ON %2.").arg(name, BindingsText(bindings)),
                                QObject::tr("DELETE IT AND GIVE THESE BUTTONS THEIR DEFAULT FUNCTION?"), this)
               != 1)
        return;
    RemoveMacroName(name);
    DeleteMacroFile(name);
    if (!session.unbindMacro(name))
        warnBindingsNotStored();
    if (!bindings.isEmpty())
        emit BindingsChangedSignal();
    m_currentName.clear();
    m_dirty = false;
    ReloadMacroList();
    if (m_list->count() > 0) {
        m_listUpdating = true;
        m_list->setCurrentRow(std::min(row, m_list->count() - 1));
        m_listUpdating = false;
    }
    if (onlyRow)
        m_table->clearEvents();
    LoadMacroFile();
}

QString MacroDialog::BindingsText(const QVector<MacroBinding>& bindings)
{
    // The buttons as the button page numbers them: the product's positions in order.
    QMap<int, int> numbers;
    std::array<quint8, kDescriptorButtons> matrix2{};
    const int count = qBound(0, ReadButtonMatrix2(matrix2), kDescriptorButtons);
    for (int i = 0, number = 0; i < count; ++i)
        if (matrix2[size_t(i)] != kNoButtonSlot)
            numbers.insert(i, ++number);
    QStringList parts;
    for (const MacroBinding& b : bindings) {
        QString button;
        if (b.record == kWheelUpRecord)
            button = QObject::tr("WHEEL UP");
        else if (b.record == kWheelDownRecord)
            button = QObject::tr("WHEEL DOWN");
        else
            button = QObject::tr("BUTTON %1").arg(numbers.value(b.record, b.record + 1));
        parts << QObject::tr("PROFILE %1 %2").arg(b.slot + 1).arg(button);
    }
    return parts.join(QStringLiteral(", "));
}

void MacroDialog::changeName()
{
    QListWidgetItem* item = m_list->currentItem();
    if (!listHasRows() || !item)
        return;
    const QString wanted = m_nameEdit->text();
    const QString old = item->text();
    if (wanted == old)
        return;
    if (!acceptName(wanted))
        return;
    QString name = wanted;
    for (int n = 2; (MacroFileExists(name) || ContainsMacroName(name)) && n < 100000; ++n)
        name = wanted + QStringLiteral("_%1").arg(n);
    if (MacroFileExists(old))
        RenameMacroFile(old, name);
    RenameMacroName(old, name);
    // The buttons that played the macro play it under its new name, applied or not.
    const bool bound = !MouseSession::instance().macroBindings(old).isEmpty();
    if (!MouseSession::instance().renameMacroBindings(old, name))
        warnBindingsNotStored();
    if (bound)
        emit BindingsChangedSignal();
    item->setText(name);
    m_nameEdit->setText(name);
    m_currentName = name;
}

void MacroDialog::importMacros()
{
    const QString title = QObject::tr("Load Macro File");
    const QString filter = QObject::tr("Macro File(*.MSMACRO)");
    if (!m_batchMode) {
        const QStringList paths = askFiles(FileDialogKind::OpenFile, title, QString(), filter);
        if (paths.isEmpty() || paths.first().isEmpty())
            return;
        const QString base = QFileInfo(paths.first()).completeBaseName();
        if (!acceptName(base))
            return;
        if (MacroFileExists(base) || ContainsMacroName(base)) {
            TarnMessageBox::Show(TarnMessageBox::Warning, QObject::tr("Warning"), QObject::tr("Macro Exist!"),
                                 QString(), this);
            return;
        }
        // A copy the full list could not name would only lie unused in the folder.
        if (CountMacroNames() > kMaxMacros - 1) {
            TarnMessageBox::Show(TarnMessageBox::Question, QObject::tr("WARNING"),
                                 QObject::tr("TOO MANY MACROS TO BE CREATE!"), QString(), this);
            return;
        }
        if (!confirmDiscard())
            return;
        QDir().mkpath(MacroFolder());
        if (!QFile::copy(paths.first(), MacroFilePath(base)))
            return;
        addMacroToList(base);
        m_nameEdit->setText(base);
        LoadMacroFile();
        return;
    }

    const QStringList paths = askFiles(FileDialogKind::OpenFiles, title, QString(), filter);
    if (paths.isEmpty())
        return;
    QDir().mkpath(MacroFolder());
    bool refused = false;
    QStringList failed;
    for (const QString& path : paths) {
        const QString base = QFileInfo(path).completeBaseName();
        if (!IsSafeFileName(base)) {
            refused = true;
            continue;
        }
        const QString target = MacroFilePath(base);
        // A macro whose file could not be copied is not listed: it would have nothing to play.
        if (!QFileInfo::exists(target) && !QFile::copy(path, target)) {
            failed << target;
            continue;
        }
        // A macro already listed is not listed twice.
        if (!ContainsMacroName(base))
            ::AddMacroName(base);
    }
    ReloadMacroList();
    if (refused)
        acceptName(QString());
    if (!failed.isEmpty())
        TarnMessageBox::Show(TarnMessageBox::Warning, QObject::tr("Warning"),
                             QObject::tr("THE MACRO COULD NOT BE SAVED AS %1.").arg(failed.join(QStringLiteral(", "))),
                             QString(), this);
}

void MacroDialog::exportMacros()
{
    if (!listHasRows())
        return;
    const QString title = QObject::tr("Save Macro File");
    if (!m_batchMode) {
        const QString name = m_currentName;
        if (name.isEmpty())
            return;
        const QStringList paths =
            askFiles(FileDialogKind::SaveFile, title, name, QObject::tr("Macro File(*.MSMACRO)"));
        if (paths.isEmpty() || paths.first().isEmpty())
            return;
        const QString source = MacroFilePath(name);
        const QString target = WithMacroSuffix(paths.first());
        if (!QFileInfo::exists(source) || QFileInfo(source) == QFileInfo(target))
            return;
        // The save dialog asked about the name as typed, not about the one with the suffix.
        if (target != paths.first() && QFileInfo::exists(target)
            && TarnMessageBox::Show(TarnMessageBox::Question, QObject::tr("Warning"),
                                    QObject::tr("%1 already exists. Replace it?").arg(QFileInfo(target).fileName()),
                                    QString(), this)
                   != 1)
            return;
        if (!ExportMacroFile(name, target))
            TarnMessageBox::Show(TarnMessageBox::Warning, QObject::tr("Warning"),
                                 QObject::tr("THE MACRO COULD NOT BE SAVED AS %1.").arg(target), QString(), this);
        return;
    }
    const QStringList dirs = askFiles(FileDialogKind::Directory, title, QStringLiteral("./"), QString());
    if (dirs.isEmpty() || dirs.first().isEmpty())
        return;
    const QDir dir(dirs.first());
    QStringList names;
    QStringList existing;
    for (int row = 0; row < m_list->count(); ++row) {
        const QListWidgetItem* item = m_list->item(row);
        if (item->checkState() != Qt::Checked || !IsSafeFileName(item->text()))
            continue;
        names << item->text();
        const QString file = item->text() + QStringLiteral(".MSMACRO");
        if (QFileInfo::exists(dir.filePath(file)))
            existing << file;
    }
    // Files of the same names in the folder are replaced only when the user says so, and a
    // copy that could not be written is said, not passed over.
    if (!existing.isEmpty()
        && TarnMessageBox::Show(TarnMessageBox::Question, QObject::tr("Warning"),
                                existing.size() == 1
                                    ? QObject::tr("%1 already exists. Replace it?").arg(existing.first())
                                    : QObject::tr("%1 already exist. Replace them?").arg(existing.join(QStringLiteral(", "))),
                                QString(), this)
               != 1)
        return;
    QStringList failed;
    for (const QString& name : names) {
        const QString target = dir.filePath(name + QStringLiteral(".MSMACRO"));
        if (!ExportMacroFile(name, target))
            failed << target;
    }
    if (!failed.isEmpty())
        TarnMessageBox::Show(TarnMessageBox::Warning, QObject::tr("Warning"),
                             QObject::tr("THE MACRO COULD NOT BE SAVED AS %1.").arg(failed.join(QStringLiteral(", "))),
                             QString(), this);
}

void MacroDialog::gunSet()
{
    if (CountMacroNames() > kMaxMacros - 1) {
        TarnMessageBox::Show(TarnMessageBox::Question, QObject::tr("WARNING"),
                             QObject::tr("TOO MANY MACROS TO BE CREATE!"), QString(), this);
        return;
    }
    if (!m_gunSetHook || !confirmDiscard())
        return;
    QString saved;
    if (!m_gunSetHook(saved) || saved.isEmpty() || !acceptName(saved))
        return;
    m_loading = true;
    resetSettingsControls();
    m_recordDelayBox->setChecked(true);
    m_delayType = 1;
    m_table->clearEvents();
    m_loading = false;
    m_nameEdit->setText(saved);
    // The dialog may have listed the macro itself.
    if (ContainsMacroName(saved)) {
        m_currentName = saved;
        ReloadMacroList();
    } else {
        addMacroToList(saved);
    }
    LoadMacroFile();
}

// ---- Recording -------------------------------------------------------------------------

void MacroDialog::setHookInstalled(bool installed)
{
    m_capture->setActive(installed);
}

void MacroDialog::startRecording()
{
    m_lastTick = 0;
    m_haveTick = false;
    m_recording = true;
    m_startButton->hide();
    m_stopButton->show();
    m_table->clearEvents();
    if (listHasRows()) {
        m_pressedKeys.clear();
        m_lastHookCode = -1;
        setHookInstalled(true);
        updateEnabled();
        m_focusLabel->setFocus(Qt::OtherFocusReason);
        emit EnableButtonsSignal(false);
    }
}

void MacroDialog::stopRecording()
{
    m_lastTick = 0;
    m_haveTick = false;
    m_recording = false;
    m_stopButton->hide();
    m_startButton->show();
    updateEnabled();
    emit EnableButtonsSignal(true);
    if (QWidget::keyboardGrabber() == window())
        window()->releaseKeyboard();
    setHookInstalled(false);
    if (!CheckAllReleased()) {
        TarnMessageBox::Show(TarnMessageBox::Warning, QObject::tr("Warning"),
                             QObject::tr("ONE OR MORE KEYS HAS NOT BEEN RELEASED."), QString(), this);
    }
    if (listHasRows() && !m_currentName.isEmpty())
        SaveMacroFile(m_currentName);
}

void MacroDialog::onHookEvent(const HookKeyEvent& event)
{
    // Events count only while the hook is installed, as they would reach no one otherwise.
    if (!m_capture->isActive())
        return;
    const CapturedKey key = TranslateForRecording(event);
    if (m_editMode)
        EditorHookKey(key.code, key.flags);
    else
        OnHookKey(key.code, key.flags);
}

void MacroDialog::OnHookKey(int code, quint32 flags)
{
    // Only the key-up bit makes a release; an injected press is still a press.
    const bool press = (flags & kKeyUpFlag) == 0;
    const int position = m_pressedKeys.indexOf(code);
    qDebug("OnHookKey ret %d %u %d", code, flags, position);
    if (!m_recording)
        return;
    if (position != -1 && press)
        return;
    const int rows = m_table->rowCount();
    if (rows > kMaxRowsWithDelays || (m_delayType == 0 && rows > kMaxRowsWithoutDelays))
        return;
    // A key without a usage id would play back as nothing, or as some other key.
    quint8 usage = 0;
    if (!UsageFromCode(code, usage))
        return;
    m_lastHookCode = code;
    m_lastHookFlags = flags;
    m_focusLabel->setFocus(Qt::OtherFocusReason);

    const qint64 now = m_clock();
    if (m_haveTick) {
        if (m_delayType == 1) {
            const qint64 elapsed = now - m_lastTick;
            qint64 ms = elapsed == 0 ? m_delayUnit : m_delayUnit * (elapsed / m_delayUnit);
            if (ms < m_delayUnit)
                ms = m_delayUnit;
            const qint64 count = std::min<qint64>(ms / m_delayUnit, kMaxDelayCount);
            m_table->appendEvent(MacroEvent::delayEvent(int(count)));
        } else if (m_delayType == 2) {
            m_table->appendEvent(DelayEventFromMs(m_defaultDelayEdit->text().toInt(), m_delayUnit));
        }
    }
    m_table->appendEvent(MacroEvent::keyEvent(usage, press));
    if (press)
        m_pressedKeys.append(code);
    else
        m_pressedKeys.removeOne(code);
    selectTableRow(m_table->rowCount() - 1);
    m_lastTick = now;
    m_haveTick = true;
}

void MacroDialog::EditorHookKey(int code, quint32 flags)
{
    if (!m_editMode)
        return;
    // The key pressed is the one meant; releases in any order must not overrule it.
    if (flags & kKeyUpFlag)
        return;
    if (code == m_lastHookCode && flags == m_lastHookFlags)
        return;
    m_lastHookCode = code;
    m_lastHookFlags = flags;
    const int row = currentRow();
    const MacroEvent event = m_table->eventAt(row);
    if (row < 0 || event.isEmpty() || event.kind() != kMacroKeyKind)
        return;
    quint8 usage = 0;
    if (!UsageFromCode(code, usage))
        return;
    SetCurrentEvent(-1, -1, usage);
    m_keyField->setText(KeyName(code));
}

bool MacroDialog::CheckAllReleased() const
{
    return MacroEventTable::CheckAllReleased(m_table->events());
}

// ---- Rows --------------------------------------------------------------------------------

int MacroDialog::currentRow() const
{
    const QModelIndex current = m_view->selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void MacroDialog::selectTableRow(int row)
{
    if (row < 0 || row >= m_table->rowCount())
        return;
    const QModelIndex index = m_table->index(row, 0);
    m_view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect
                                                         | QItemSelectionModel::Rows);
    m_view->scrollTo(index);
}

int MacroDialog::insertAfterCurrent(const MacroEvent& event, int row)
{
    const int current = currentRow();
    const int index = m_table->insertEvent(row >= 0 ? row : (current >= 0 ? current + 1 : 0), event);
    selectTableRow(index);
    return index;
}

void MacroDialog::InsertButtonEvent(int position, bool release, int row)
{
    const quint8 code = MouseButtonCodeAt(position);
    if (code == 0)
        return;
    insertAfterCurrent(MacroEvent::buttonEvent(code, !release), row);
}

void MacroDialog::InsertMoveEvent(int direction, int distance, int row)
{
    MoveDirection dir;
    if (!MoveDirectionFromIndex(direction, dir))
        return;
    insertAfterCurrent(MacroEvent::moveEvent(dir, distance), row);
}

void MacroDialog::InsertDelayEvent(int ms)
{
    insertAfterCurrent(DelayEventFromMs(ms, m_delayUnit), -1);
}

void MacroDialog::insertDelayByType()
{
    if (m_delayType == 1)
        InsertDelayEvent(kMouseEventDelayMs);
    else if (m_delayType == 2)
        InsertDelayEvent(m_defaultDelayEdit->text().toInt());
}

void MacroDialog::SetCurrentEvent(int map, int dataH, int dataL)
{
    const int row = currentRow();
    if (row < 0)
        return;
    m_table->setCells(row, map, dataH, dataL);
    m_view->viewport()->update();
}

void MacroDialog::moveCurrentRow(int command)
{
    const int rows = m_table->rowCount();
    const int row = currentRow();
    if (rows == 0 || row < 0)
        return;
    int target = row;
    switch (command) {
    case RowTop: target = 0; break;
    case RowBottom: target = rows - 1; break;
    case RowUp: target = row - 1; break;
    case RowDown: target = row + 1; break;
    default: return;
    }
    if (target < 0 || target >= rows || target == row)
        return;
    m_table->moveEvent(row, target);
    selectTableRow(target);
}

void MacroDialog::deleteCurrentRow()
{
    const int row = currentRow();
    if (m_table->rowCount() == 0 || row < 0)
        return;
    m_table->removeRow(row);
    if (m_table->rowCount() > 0)
        selectTableRow(std::min(row, m_table->rowCount() - 1));
}

void MacroDialog::clearRows()
{
    if (m_table->rowCount() > 0)
        m_table->clearEvents();
}

void MacroDialog::copyRows(bool cut)
{
    QVector<int> rows;
    for (const QModelIndex& index : m_view->selectionModel()->selectedRows())
        rows.append(index.row());
    if (rows.isEmpty() && currentRow() >= 0)
        rows.append(currentRow());
    if (rows.isEmpty())
        return;
    std::sort(rows.begin(), rows.end());
    m_clipboard.clear();
    for (int row : qAsConst(rows))
        m_clipboard.append(m_table->eventAt(row));
    if (!cut)
        return;
    for (int i = rows.size() - 1; i >= 0; --i)
        m_table->removeRow(rows[i]);
    if (m_table->rowCount() > 0)
        selectTableRow(std::min(rows.first(), m_table->rowCount() - 1));
}

bool MacroDialog::roomFor(const QVector<MacroEvent>& adding)
{
    if (MacroFitsSlot(m_table->events() + adding))
        return true;
    TarnMessageBox::Show(TarnMessageBox::Warning, QObject::tr("WARNING"),
                         QObject::tr("A MACRO HOLDS AT MOST %1 ACTIONS, OR %2 WITHOUT DELAYS.")
                             .arg(kMaxMacroEventsWithDelays)
                             .arg(kMaxMacroEventsWithoutDelays),
                         QString(), this);
    return false;
}

QVector<MacroEvent> MacroDialog::withDelayByType(const QVector<MacroEvent>& events) const
{
    if (m_delayType != 1 && m_delayType != 2)
        return events;
    QVector<MacroEvent> out;
    const MacroEvent delay = DelayEventFromMs(kMouseEventDelayMs, m_delayUnit);
    for (const MacroEvent& event : events)
        out << event << delay;
    return out;
}

void MacroDialog::pasteRows()
{
    if (m_clipboard.isEmpty() || !listHasRows())
        return;
    if (!roomFor(m_clipboard))
        return;
    const int current = currentRow();
    int index = current >= 0 ? current + 1 : 0;
    for (const MacroEvent& event : qAsConst(m_clipboard))
        index = m_table->insertEvent(index, event) + 1;
    selectTableRow(index - 1);
}

// ---- Row editor -----------------------------------------------------------------------------

void MacroDialog::beginEdit()
{
    const int row = currentRow();
    if (row < 0)
        return;
    m_editMode = true;
    setEditingLayout(true);
    showRowEditor();
    selectTableRow(row);
    updateEnabled();
    emit EnableButtonsSignal(false);
}

void MacroDialog::endEdit(bool keep)
{
    const bool wasEditing = m_editMode;
    if (keep) {
        if (listHasRows() && !m_currentName.isEmpty())
            SaveMacroFile(m_currentName);
        m_editMode = false;
    } else {
        m_editMode = false;
        LoadMacroFile();
    }
    hideRowEditor();
    setEditingLayout(false);
    setHookInstalled(false);
    updateEnabled();
    if (wasEditing)
        emit EnableButtonsSignal(true);
}

void MacroDialog::hideRowEditor()
{
    for (QWidget* w : std::initializer_list<QWidget*>{m_keyCaption, m_keyField, m_buttonField, m_movementCaption,
                                                      m_movementField, m_distanceCaption, m_distanceField,
                                                      m_delayCaption, m_delayField}) {
        w->hide();
    }
}

void MacroDialog::setEditingLayout(bool editing)
{
    for (QWidget* w : std::initializer_list<QWidget*>{m_importButton, m_exportButton, m_batchBox,
                                                      m_insertDelayButton, m_gunSetButton, m_defaultDelayEdit,
                                                      m_loopTimeEdit, m_recordDelayBox, m_defaultDelayBox}) {
        w->setVisible(!editing);
    }
}

void MacroDialog::showRowEditor()
{
    hideRowEditor();
    const int row = currentRow();
    if (row < 0)
        return;
    const MacroEvent event = m_table->eventAt(row);
    m_fillingEditor = true;
    if (!event.isEmpty() && event.kind() == kMacroKeyKind) {
        int code = 0;
        m_keyField->setText(CodeFromUsage(event.DataL, code) ? KeyName(code) : QString());
        m_keyCaption->show();
        m_keyField->show();
        // Each key row waits for a key of its own, even the one the last row got.
        m_lastHookCode = -1;
        setHookInstalled(true);
        m_focusLabel->setFocus(Qt::OtherFocusReason);
    } else if (!event.isEmpty() && event.kind() == kMacroButtonKind) {
        setHookInstalled(false);
        m_buttonField->setText(QObject::tr(MouseButtonText(event.DataL)));
        m_keyCaption->show();
        m_buttonField->show();
    } else if (event.Map == PointerMove) {
        setHookInstalled(false);
        const MoveStep step = DecodeStep(event.DataH, event.DataL);
        m_editDirection = step.direction;
        m_movementField->setText(QObject::tr(MoveDirectionText(step.direction)));
        m_distanceField->setText(QString::number(step.distance));
        m_movementCaption->show();
        m_movementField->show();
        m_distanceCaption->show();
        m_distanceField->show();
    } else if (event.Map == DelayEvent) {
        setHookInstalled(false);
        m_delayField->setText(QString::number(DelayMs(event, m_delayUnit)));
        m_delayCaption->show();
        m_delayField->show();
        m_delayField->setFocus(Qt::OtherFocusReason);
    } else {
        setHookInstalled(false);
    }
    m_fillingEditor = false;
}

void MacroDialog::CurrentChanged(QModelIndex current, QModelIndex previous)
{
    Q_UNUSED(previous)
    if (m_editMode && current.isValid())
        showRowEditor();
}

void MacroDialog::EditMoveChanged(QString text)
{
    if (m_fillingEditor || !m_editMode)
        return;
    const int row = currentRow();
    if (m_table->eventAt(row).Map != PointerMove)
        return;
    // An empty field is a step of 0, never a byte of 256.
    const StepBytes bytes = EncodeStep(m_editDirection, text.toInt());
    if (m_editDirection == MoveDirection::Left || m_editDirection == MoveDirection::Right)
        SetCurrentEvent(-1, -1, bytes.DataL);
    else
        SetCurrentEvent(-1, bytes.DataH, -1);
}

void MacroDialog::EditDelayChanged(QString text)
{
    if (m_fillingEditor || !m_editMode)
        return;
    const int row = currentRow();
    if (m_table->eventAt(row).Map != DelayEvent)
        return;
    const MacroEvent delay = DelayEventFromMs(text.toInt(), m_delayUnit);
    SetCurrentEvent(-1, delay.DataH, delay.DataL);
}

void MacroDialog::onEditorAction(QAction* action)
{
    auto* tarnAction = qobject_cast<TarnAction*>(action);
    if (!tarnAction || !m_editMode)
        return;
    const int id = tarnAction->id();
    const MacroEvent event = m_table->eventAt(currentRow());
    if (id >= 0 && id < kMouseButtonMenuCount) {
        if (event.isEmpty() || event.kind() != kMacroButtonKind)
            return;
        m_buttonField->setText(QObject::tr(MouseButtonMenuText(id)));
        SetCurrentEvent(-1, -1, MouseButtonCodeAt(id));
        return;
    }
    MoveDirection direction;
    if (!MoveDirectionFromIndex(id - kStepActionBase, direction) || event.Map != PointerMove)
        return;
    m_editDirection = direction;
    m_movementField->setText(QObject::tr(MoveDirectionText(direction)));
    const StepBytes bytes = EncodeStep(direction, m_distanceField->text().toInt());
    SetCurrentEvent(-1, bytes.DataH, bytes.DataL);
}

// ---- Mouse-action panel -------------------------------------------------------------------

void MacroDialog::TreeitemClick(QTreeWidgetItem* item, int column)
{
    Q_UNUSED(column)
    if (!item || !listHasRows() || m_recording)
        return;
    if (QTreeWidgetItem* parent = item->parent()) {
        const int position = m_tree->indexOfTopLevelItem(parent);
        if (position < 0 || position >= kMouseButtonMenuCount)
            return;
        const bool release = parent->indexOfChild(item) == 1;
        if (!roomFor(withDelayByType({MacroEvent::buttonEvent(MouseButtonCodeAt(position), !release)})))
            return;
        InsertButtonEvent(position, release);
        insertDelayByType();
        return;
    }
    const int position = m_tree->indexOfTopLevelItem(item);
    if (position < 0 || position >= kMouseButtonMenuCount)
        return;
    if (!item->isExpanded()) {
        m_tree->collapseAll();
        item->setExpanded(true);
        return;
    }
    // A second press on an open button is a whole click.
    const quint8 code = MouseButtonCodeAt(position);
    if (!roomFor(withDelayByType({MacroEvent::buttonEvent(code, true), MacroEvent::buttonEvent(code, false)})))
        return;
    InsertButtonEvent(position, false);
    insertDelayByType();
    InsertButtonEvent(position, true);
    insertDelayByType();
}

void MacroDialog::TarnItemPressed()
{
    auto* move = qobject_cast<TarnMoveItem*>(sender());
    if (!move || !listHasRows() || m_recording)
        return;
    if (!roomFor(withDelayByType({MacroEvent::moveEvent(move->direction(), move->distance())})))
        return;
    InsertMoveEvent(int(move->direction()), move->distance());
    insertDelayByType();
}

void MacroDialog::mousemove_test()
{
    for (TarnMoveItem* move : qAsConst(m_moveItems))
        move->setHighlighted(move == sender());
    m_tree->viewport()->update();
}

// ---- Buttons and options -------------------------------------------------------------------

void MacroDialog::checkbtn_clicked()
{
    QObject* source = sender();
    if (source == m_recordDelayBox || source == m_defaultDelayBox) {
        auto* box = static_cast<QCheckBox*>(source);
        QCheckBox* other = box == m_recordDelayBox ? m_defaultDelayBox : m_recordDelayBox;
        if (box->isChecked()) {
            m_delayType = box == m_recordDelayBox ? 1 : 2;
            other->setChecked(false);
        } else {
            m_delayType = 0;
        }
        m_dirty = true;
    } else if (source == m_batchBox) {
        m_batchMode = m_batchBox->isChecked();
        updateEnabled();
        ReloadMacroList();
    } else if (m_loopBoxes.contains(static_cast<QCheckBox*>(source))) {
        auto* box = static_cast<QCheckBox*>(source);
        if (box->isChecked()) {
            for (QCheckBox* other : qAsConst(m_loopBoxes)) {
                if (other != box)
                    other->setChecked(false);
            }
        }
        m_dirty = true;
    }
}

void MacroDialog::onButtonClicked()
{
    QObject* source = sender();
    if (source == m_startButton) {
        startRecording();
    } else if (source == m_stopButton) {
        stopRecording();
    } else if (source == m_newButton) {
        newMacro();
    } else if (source == m_deleteButton) {
        deleteMacro();
    } else if (source == m_renameButton) {
        changeName();
    } else if (source == m_saveButton) {
        endEdit(true);
    } else if (source == m_cancelButton) {
        endEdit(false);
    } else if (source == m_insertDelayButton) {
        if (listHasRows() && roomFor({DelayEventFromMs(kMouseEventDelayMs, m_delayUnit)}))
            InsertDelayEvent(kMouseEventDelayMs);
    } else if (source == m_gunSetButton) {
        gunSet();
    } else if (source == m_importButton) {
        importMacros();
    } else if (source == m_exportButton) {
        exportMacros();
    } else if (source == m_mouseActionButton) {
        const bool on = m_mouseActionButton->isChecked();
        m_mouseCaption->setVisible(on);
        m_tree->setVisible(on);
        m_nameCaption->setVisible(!on);
        m_list->setVisible(!on);
    } else if (source == m_recordAfterButton) {
        // A caption in the look of a button.
    } else {
        const int command = m_rowButtons.indexOf(qobject_cast<QToolButton*>(source));
        switch (command) {
        case RowDelete: deleteCurrentRow(); break;
        case RowEdit: beginEdit(); break;
        case RowTop:
        case RowBottom:
        case RowUp:
        case RowDown: moveCurrentRow(command); break;
        case RowClear: clearRows(); break;
        case RowCopy: copyRows(false); break;
        case RowCut: copyRows(true); break;
        case RowPaste: pasteRows(); break;
        default: break;
        }
    }
}

void MacroDialog::updateEnabled()
{
    const bool busy = m_recording || m_editMode;
    const bool idle = !busy && !m_batchMode;
    for (QWidget* w : std::initializer_list<QWidget*>{m_newButton, m_deleteButton, m_recordAfterButton,
                                                      m_mouseActionButton, m_nameEdit, m_renameButton,
                                                      m_loopTimeEdit}) {
        w->setEnabled(idle);
    }
    for (QCheckBox* box : qAsConst(m_loopBoxes))
        box->setEnabled(idle);
    for (QToolButton* b : qAsConst(m_rowButtons))
        b->setEnabled(idle);
    for (QWidget* w : std::initializer_list<QWidget*>{m_list, m_defaultDelayEdit, m_importButton, m_exportButton,
                                                      m_insertDelayButton}) {
        w->setEnabled(!busy);
    }
    // While recording nothing else may change the table or the macro under it.
    for (QWidget* w : std::initializer_list<QWidget*>{m_recordDelayBox, m_defaultDelayBox, m_gunSetButton,
                                                      m_batchBox, m_tree}) {
        w->setEnabled(!m_recording);
    }
    m_saveButton->setEnabled(!m_recording && !m_batchMode);
    m_cancelButton->setEnabled(!m_recording && !m_batchMode);
    m_startButton->setEnabled(!m_editMode && !m_batchMode);
    m_stopButton->setEnabled(!m_batchMode);
}

void MacroDialog::DefDelayChanged(QString text)
{
    qDebug() << "DefDelayChanged" << text;
}

void MacroDialog::LoopTimeChanged(QString text)
{
    qDebug() << "LoopTimeChanged" << text;
}

void MacroDialog::SelectRow(int row)
{
    qDebug("SelectRow %d", row);
}

void MacroDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(62, 62, 66), 1));
    painter.setBrush(QColor(18, 18, 20, 200));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    const int x = Scaled(166);
    painter.setPen(QPen(QColor(52, 52, 56), 1));
    painter.drawLine(x, Scaled(10), x, height() - Scaled(10));
}
