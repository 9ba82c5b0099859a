#include "editor/channel_list_window.h"

#include "cat_protocol/channel_tuning.h"
#include "editor/channel_radio.h"

#include "editing/channel_fill.h"
#include "editor/channel_filter_model.h"
#include "editor/channel_item_delegate.h"
#include "editor/channel_table_model.h"
#include "editor/channel_table_view.h"
#include "editor/edit_history.h"
#include "editor/special_table_model.h"
#include "exchange/channel_clipboard.h"
#include "gui/accessible_names.h"
#include "gui/help_window.h"
#include "gui/window_icon.h"
#include "image/channel_record.h"
#include "image/channel_rows.h"
#include "image/file_replacement.h"
#include "image/image_history.h"
#include "image/memory_map.h"
#include "platform/qt_history_folder.h"
#include "platform/qt_path.h"
#include "sheet/channel_sheet.h"
#include "text/text_format.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

#include "editor/print_support.h"

#include <algorithm>

namespace ft817 {

ChannelListWindow::ChannelListWindow(std::shared_ptr<EditHistory> history, QWidget* parent)
    : QWidget(parent, Qt::Window), m_history(std::move(history))
{
    setObjectName("ChannelList");
    setWindowTitle(tr("YAESU Channels"));
    setWindowIcon(makeWindowIcon("C", QColor(0x2e, 0x7d, 0x32)));
    addHelpShortcut(this);

    m_model = new ChannelTableModel(m_history, this);
    m_proxy = new ChannelFilterModel(this);
    m_proxy->setSourceModel(m_model);

    m_table = new ChannelTableView(this);
    m_table->setObjectName("ChannelTable");
    m_table->setModel(m_proxy);
    m_table->setItemDelegate(new ChannelItemDelegate(m_table));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(ChannelTableModel::Channel, Qt::AscendingOrder);
    m_table->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    connect(m_table, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.column() == ChannelTableModel::Channel)
            emit channelChosen(m_proxy->mapToSource(index).row());
    });
    connect(m_model, &ChannelTableModel::refused, this, &ChannelListWindow::report);

    // The special memories, edited in place like the channels, on the same history.
    m_specialModel = new SpecialTableModel(m_history, this);
    m_specialTable = new ChannelTableView(this);
    m_specialTable->setObjectName("SpecialTable");
    m_specialTable->setModel(m_specialModel);
    m_specialTable->setItemDelegate(new ChannelItemDelegate(m_specialTable));
    m_specialTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_specialTable->setEditTriggers(m_table->editTriggers());
    m_specialTable->verticalHeader()->hide();
    m_specialTable->verticalHeader()->setDefaultSectionSize(m_table->verticalHeader()->defaultSectionSize());
    m_specialTable->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(m_specialModel, &SpecialTableModel::refused, this, &ChannelListWindow::report);

    buildActions();
    buildLayout();
    sizeColumns();
}

void ChannelListWindow::showSpecialMemories()
{
    m_tabs->setCurrentWidget(m_specialTable);
}

bool ChannelListWindow::onChannelsTab()
{
    if (m_tabs->currentWidget() == m_table)
        return true;
    report(tr("Row actions work on the Channels tab; special memories are edited in their cells"));
    return false;
}

ChannelListWindow::~ChannelListWindow() = default;

QAction* ChannelListWindow::makeAction(const char* name, const QString& text, const QList<QKeySequence>& keys,
                                       const std::function<void()>& run)
{
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    // The last action's message goes as the next one starts.
    connect(action, &QAction::triggered, this, &ChannelListWindow::clearReport);
    connect(action, &QAction::triggered, this, run);
    m_table->addAction(action);
    return action;
}

void ChannelListWindow::buildActions()
{
    // Undo and Redo keep their short names; the step they would take is their tooltip.
    QUndoStack& stack = m_history->stack();
    auto* undo = new QAction(tr("Undo"), this);
    undo->setObjectName("Undo");
    undo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    undo->setEnabled(stack.canUndo());
    connect(undo, &QAction::triggered, &stack, &QUndoStack::undo);
    connect(&stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(&stack, &QUndoStack::undoTextChanged, undo,
            [undo](const QString& text) { undo->setToolTip(tr("Undo %1").arg(text)); });
    auto* redo = new QAction(tr("Redo"), this);
    redo->setObjectName("Redo");
    redo->setEnabled(stack.canRedo());
    connect(redo, &QAction::triggered, &stack, &QUndoStack::redo);
    connect(&stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    connect(&stack, &QUndoStack::redoTextChanged, redo,
            [redo](const QString& text) { redo->setToolTip(tr("Redo %1").arg(text)); });
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (QAction* action : {undo, redo}) {
        action->setShortcutContext(Qt::WindowShortcut);
        m_table->addAction(action);
        m_specialTable->addAction(action);
    }
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    m_table->addAction(separator);

    m_toolActions = {
        makeAction("Delete", tr("Delete"), {QKeySequence::Delete}, [this] { deleteSelected(); }),
        makeAction("Copy", tr("Copy"), {QKeySequence::Copy}, [this] { copySelected(); }),
        makeAction("Paste", tr("Paste"), {QKeySequence::Paste}, [this] { pasteAtSelection(); }),
        makeAction("MoveUp", tr("Move up"), {QKeySequence(Qt::CTRL | Qt::Key_Up)},
                   [this] { moveSelected(-1); }),
        makeAction("MoveDown", tr("Move down"), {QKeySequence(Qt::CTRL | Qt::Key_Down)},
                   [this] { moveSelected(+1); }),
        makeAction("Insert", tr("Insert"), {QKeySequence(Qt::Key_Insert)}, [this] { insertAtSelection(); }),
        undo,
        redo,
    };
    m_tune = makeAction("TuneRadio", tr("Tune radio"), {QKeySequence(Qt::CTRL | Qt::Key_T)},
                        [this] { tuneRadio(); });
    m_take = makeAction("TakeFromRadio", tr("Take from radio"), {}, [this] { takeFromRadio(); });
    m_toolActions << m_tune << m_take;
    updateRadioActions();

    // The channel sheet, on either tab: it holds the channels and the special memories.
    m_sheetActions << makeAction("SaveSheet", tr("Save as PDF…"), {}, [this] { chooseSheetFile(); });
    m_sheetActions.back()->setToolTip(tr("Saves the channel sheet to print: every channel in use and the "
                                         "special memories, one line each"));
#ifdef FT817_CAN_PRINT
    m_sheetActions << makeAction("PrintSheet", tr("Print…"), {QKeySequence::Print}, [this] { printSheet(); });
    m_sheetActions.back()->setToolTip(tr("Prints the channel sheet: every channel in use and the special "
                                         "memories, one line each"));
#endif
    for (QAction* action : m_sheetActions)
        m_specialTable->addAction(action);
}

void ChannelListWindow::buildLayout()
{
    m_filter = new QLineEdit(this);
    m_filter->setObjectName("Filter");
    m_filter->setPlaceholderText(tr("Tag or frequency"));
    m_filter->setClearButtonEnabled(true);
    m_activeOnly = new QCheckBox(tr("Active only"), this);
    m_activeOnly->setObjectName("ActiveOnly");
    connect(m_filter, &QLineEdit::textChanged, m_proxy, &ChannelFilterModel::setText);
    connect(m_activeOnly, &QCheckBox::toggled, m_proxy, &ChannelFilterModel::setActiveOnly);

    m_fillStart = new QLineEdit(this);
    m_fillStart->setObjectName("FillStart");
    m_fillStart->setPlaceholderText(tr("from MHz"));
    m_fillStep = new QLineEdit(this);
    m_fillStep->setObjectName("FillStep");
    m_fillStep->setPlaceholderText(tr("step MHz"));
    // Narrow, yet wide enough for the hint in every language; where the tool
    // bar runs out of room they move whole into its » list, never squeezed.
    for (QLineEdit* box : {m_fillStart, m_fillStep})
        box->setFixedWidth(std::max(90, box->fontMetrics().horizontalAdvance(box->placeholderText()) + 16));
    auto* fill = new QAction(tr("Fill"), this);
    fill->setObjectName("Fill");
    fill->setToolTip(
        tr("Frequencies from start in steps for the selected rows; the other fields from the first of them"));
    connect(fill, &QAction::triggered, this, &ChannelListWindow::clearReport);
    connect(fill, &QAction::triggered, this, [this] { fillSelected(); });
    m_fill = fill;
    connect(m_fillStep, &QLineEdit::returnPressed, fill, &QAction::trigger);

    auto* tools = new QToolBar(this);
    tools->setObjectName("ListTools");
    tools->setAccessibleName(tr("Channel actions"));
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->addActions(m_toolActions);
    tools->addSeparator();
    tools->addWidget(m_fillStart);
    tools->addWidget(new QLabel(" + ", this));
    tools->addWidget(m_fillStep);
    tools->addAction(fill);
    m_table->addAction(fill);
    // The channel sheet's tools at the right of the Find row, where the window has room for them.
    auto* sheetTools = new QToolBar(this);
    sheetTools->setObjectName("SheetTools");
    sheetTools->setAccessibleName(tr("Channel sheet"));
    sheetTools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    sheetTools->addActions(m_sheetActions);

    auto* findRow = new QHBoxLayout;
    auto* findLabel = new QLabel(tr("Find:"), this);
    findLabel->setBuddy(m_filter);
    findRow->addWidget(findLabel);
    findRow->addWidget(m_filter, 1);
    findRow->addWidget(m_activeOnly);
    findRow->addWidget(sheetTools);

    m_status = new QStatusBar(this);
    m_status->setObjectName("ListStatus");
    m_status->setSizeGripEnabled(false);
    // A message longer than the window is cut at its end, where the reason is:
    // the tooltip holds it whole.
    connect(m_status, &QStatusBar::messageChanged, m_status, &QWidget::setToolTip);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 0);
    layout->setSpacing(4);
    layout->addWidget(tools);
    layout->addLayout(findRow);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName("ListTabs");
    m_tabs->addTab(m_table, tr("Channels"));
    m_tabs->addTab(m_specialTable, tr("Special"));
    layout->addWidget(m_tabs, 1);
    layout->addWidget(m_status);
    // A change to the memory, from either window, is the next action too.
    connect(m_history.get(), &EditHistory::changed, this, &ChannelListWindow::clearReport);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] {
        clearReport();
        updateTabActions();
    });

    // The keyboard reaches every tool, as the mouse does; the » button that a
    // narrow window shows for the tools that do not fit says what it holds.
    for (QToolBar* bar : {tools, sheetTools}) {
        for (QToolButton* button : bar->findChildren<QToolButton*>())
            button->setFocusPolicy(Qt::TabFocus);
        if (auto* more = bar->findChild<QToolButton*>("qt_toolbar_ext_button"))
            describeControl(more, tr("More tools"), tr("The tools the window is too narrow to show"));
    }
    makeKeyboardFriendly();
}

namespace {

// The next (or previous) control after widget in the window's Tab order
// that takes the focus now; null when there is none.
QWidget* nextFocusable(QWidget* widget, bool forward)
{
    for (QWidget* next = forward ? widget->nextInFocusChain() : widget->previousInFocusChain();
         next && next != widget; next = forward ? next->nextInFocusChain() : next->previousInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && next->isVisible() && next->isEnabled() &&
            next->window() == widget->window() && !widget->isAncestorOf(next))
            return next;
    }
    return nullptr;
}

} // namespace

void ChannelListWindow::makeKeyboardFriendly()
{
    describeControl(m_filter, tr("Find"),
                    tr("Shows only the channels whose tag or frequency holds this text (Ctrl+F)"));
    describeControl(m_activeOnly, tr("Active only"), tr("Shows only the channels in use"));
    describeControl(m_fillStart, tr("Fill from, MHz"),
                    tr("The first frequency Fill gives the selected rows"));
    describeControl(m_fillStep, tr("Fill step, MHz"), tr("What Fill adds from one selected row to the next"));
    describeControl(m_table, tr("Channels"), tr("The 200 memory channels; Ctrl+Tab leaves the list"));
    describeControl(m_specialTable, tr("Special memories"),
                    tr("VFO bands, HOME, QMB and scan limits; Ctrl+Tab leaves the list"));
    describeControl(m_tabs, tr("Channels or special memories"));
    for (QToolButton* button : findChildren<QToolButton*>()) {
        if (button->defaultAction() && button->defaultAction()->objectName() == "SaveSheet")
            describeControl(button, tr("Save as PDF"), button->defaultAction()->toolTip());
        if (button->defaultAction() && button->defaultAction()->objectName() == "PrintSheet")
            describeControl(button, tr("Print"), button->defaultAction()->toolTip());
    }
    describeControl(m_tabs->tabBar(), tr("Channels or special memories"));

    auto* find = new QShortcut(QKeySequence::Find, this);
    find->setObjectName("FindShortcut");
    connect(find, &QShortcut::activated, this, [this] {
        m_filter->setFocus(Qt::ShortcutFocusReason);
        m_filter->selectAll();
    });
    // Tab moves between the cells; Ctrl+Tab (Ctrl+Shift+Tab) leaves the list.
    for (QTableView* table : {static_cast<QTableView*>(m_table), static_cast<QTableView*>(m_specialTable)}) {
        for (const bool forward : {true, false}) {
            auto* leave = new QShortcut(forward ? QKeySequence(Qt::CTRL | Qt::Key_Tab)
                                                : QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                                        table);
            leave->setContext(Qt::WidgetWithChildrenShortcut);
            connect(leave, &QShortcut::activated, table, [table, forward] {
                if (QWidget* next = nextFocusable(table, forward))
                    next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            });
        }
    }
}

void ChannelListWindow::sizeColumns()
{
    const int tableWidth = sizeColumns(m_table, "200");
    sizeColumns(m_specialTable, tr("VFO A FM broadcast"));
    resize(tableWidth + 12, 560);
    // Narrower on a small screen, beside the editor; the table then scrolls sideways.
    setMinimumWidth(std::min(tableWidth + 12, 360));
}

int ChannelListWindow::sizeColumns(QTableView* table, const QString& widestFirst)
{
    // Widths from the header titles and the widest texts a column shows,
    // without reading the rows.
    QStringList widest = {"200",
                          "",
                          "10000.00000",
                          "CWR-N",
                          "12.50",
                          tr("Simplex"),
                          "10000.00000",
                          "CWR",
                          tr("Tone SQL"),
                          "254.1",
                          "754",
                          "",
                          "",
                          "",
                          "",
                          "WWWWWWWW"};
    widest[ChannelTableModel::Channel] = widestFirst;
    const QFontMetrics cell = table->fontMetrics();
    const QFontMetrics head = table->horizontalHeader()->fontMetrics();
    const int check = 22;
    int total = 0;
    for (int column = 0; column < ChannelTableModel::ColumnCount; ++column) {
        const QString title = table->model()->headerData(column, Qt::Horizontal).toString();
        int width = std::max(head.horizontalAdvance(title) + 18, cell.horizontalAdvance(widest[column]) + 12);
        if (widest[column].isEmpty())
            width = std::max(width, check + 8);
        table->setColumnWidth(column, width);
        total += width;
    }
    table->horizontalHeader()->setStretchLastSection(true);
    const int scrollBar = table->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return total + scrollBar + 2 * table->frameWidth() + 2;
}

std::vector<int> ChannelListWindow::selectedChannels() const
{
    std::vector<int> channels;
    for (const QModelIndex& row : m_table->selectionModel()->selectedRows())
        channels.push_back(ChannelTableModel::channelOfRow(m_proxy->mapToSource(row).row()));
    return sortedChannels(channels);
}

void ChannelListWindow::selectChannels(const std::vector<int>& channels)
{
    QItemSelection selection;
    for (const int channel : channels) {
        const QModelIndex shown = m_proxy->mapFromSource(m_model->index(channel, 0));
        if (shown.isValid())
            selection.select(shown, shown.siblingAtColumn(ChannelTableModel::ColumnCount - 1));
    }
    m_table->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!selection.isEmpty())
        m_table->selectionModel()->setCurrentIndex(selection.indexes().front(),
                                                   QItemSelectionModel::NoUpdate);
}

void ChannelListWindow::commitOpenEditor()
{
    m_table->commitOpenEditor();
    m_specialTable->commitOpenEditor();
}

QString ChannelListWindow::statusText() const
{
    return m_status->currentMessage();
}

void ChannelListWindow::report(const QString& message)
{
    m_status->showMessage(message);
}

void ChannelListWindow::clearReport()
{
    if (m_status)
        m_status->clearMessage();
}

void ChannelListWindow::updateTabActions()
{
    // The row actions work on the channels; on the Special tab they are greyed.
    const bool channels = m_tabs->currentWidget() == m_table;
    for (QAction* action : m_toolActions)
        if (action != m_tune && action != m_take && !action->objectName().startsWith("Undo") &&
            !action->objectName().startsWith("Redo"))
            action->setEnabled(channels);
    if (m_fill)
        m_fill->setEnabled(channels);
    updateRadioActions();
}

int ChannelListWindow::firstSelectedChannel() const
{
    const std::vector<int> channels = selectedChannels();
    if (!channels.empty())
        return channels.front();
    const QModelIndex current = m_table->currentIndex();
    return current.isValid() ? m_proxy->mapToSource(current).row() : -1;
}

namespace {
QString channelRange(const std::vector<int>& channels)
{
    if (channels.size() == 1)
        return ChannelListWindow::tr("channel %1").arg(channels.front() + 1);
    return ChannelListWindow::tr("channels %1..%2").arg(channels.front() + 1).arg(channels.back() + 1);
}
} // namespace

void ChannelListWindow::deleteSelected()
{
    if (!onChannelsTab())
        return;
    const std::vector<int> channels = selectedChannels();
    if (channels.empty())
        return report(tr("Select the channels to delete first"));
    m_history->apply(
        tr("Delete %1").arg(channelRange(channels)),
        [&](BlockStore& store) { deleteChannels(store, channels); }, this);
    report(tr("Made %1 inactive; the records are kept").arg(channelRange(channels)));
}

void ChannelListWindow::copySelected()
{
    if (!onChannelsTab())
        return;
    const std::vector<int> channels = selectedChannels();
    const std::string csv = copyChannelsCsv(m_history->store(), channels);
    const auto rows = std::count(csv.begin(), csv.end(), '\n') - 1;
    if (rows <= 0)
        return report(tr("No active channel is selected; only active channels are copied"));
    QApplication::clipboard()->setText(QString::fromUtf8(csv.data(), static_cast<qsizetype>(csv.size())));
    report(tr("Copied %1 channel(s) as CSV").arg(rows));
}

void ChannelListWindow::pasteAtSelection()
{
    if (!onChannelsTab())
        return;
    const int first = firstSelectedChannel();
    if (first < 0)
        return report(tr("Select the channel to paste into first"));
    const QByteArray text = QApplication::clipboard()->text().toUtf8();
    const CsvImport pasted =
        pasteChannelsCsv(m_history->store(), std::string_view(text.data(), text.size()), first);
    if (!pasted.ok()) {
        QStringList problems;
        for (const CsvProblem& problem : pasted.problems)
            problems << QString::fromStdString(problem.text());
        return report(tr("Nothing pasted: ") + problems.join("; "));
    }
    const std::vector<int> channels = sortedChannels(pasted.channels);
    if (channels.empty())
        return report(tr("Nothing pasted: the clipboard holds no channel rows"));
    m_history->apply(
        tr("Paste into %1").arg(channelRange(channels)), [&](BlockStore& store) { store = pasted.store; },
        this);
    selectChannels(channels);
    QString message = tr("Pasted %1 row(s) into %2").arg(channels.size()).arg(channelRange(channels));
    for (const CsvProblem& note : pasted.notes)
        message += "; " + QString::fromStdString(note.text());
    report(message);
}

void ChannelListWindow::moveSelected(int step)
{
    if (!onChannelsTab())
        return;
    const std::vector<int> channels = selectedChannels();
    if (channels.empty())
        return report(tr("Select the channels to move first"));
    BlockStore moved = m_history->store();
    const Result<std::vector<int>> result = moveChannels(moved, channels, step);
    if (!result)
        return report(QString::fromStdString(result.error().message));
    m_history->apply(
        tr("Move %1 %2").arg(channelRange(channels), step < 0 ? tr("up") : tr("down")),
        [&](BlockStore& store) { store = moved; }, this);
    selectChannels(*result);
    report(tr("Moved to %1").arg(channelRange(*result)));
}

void ChannelListWindow::insertAtSelection()
{
    if (!onChannelsTab())
        return;
    const int at = firstSelectedChannel();
    if (at < 0)
        return report(tr("Select where to insert first"));
    BlockStore opened = m_history->store();
    if (const Status done = insertChannel(opened, at); !done)
        return report(tr("Nothing inserted: ") + QString::fromStdString(done.error().message));
    m_history->apply(
        tr("Insert at channel %1").arg(at + 1), [&](BlockStore& store) { store = opened; }, this);
    selectChannels({at});
    report(tr("Inserted an inactive channel at %1; the channels after it moved down by one").arg(at + 1));
}

void ChannelListWindow::fillSelected()
{
    if (!onChannelsTab())
        return;
    const std::vector<int> channels = selectedChannels();
    if (channels.empty())
        return report(tr("Select the channels to fill first"));
    const Result<std::uint32_t> start = typedMegahertz(m_fillStart->text().toStdString());
    if (!start)
        return report(tr("Fill start: ") + QString::fromStdString(start.error().message));
    const Result<std::uint32_t> step = typedMegahertz(m_fillStep->text().toStdString());
    if (!step)
        return report(tr("Fill step: ") + QString::fromStdString(step.error().message));
    BlockStore filled = m_history->store();
    if (const Status done = fillChannels(filled, channels, *start, *step); !done)
        return report(tr("Nothing filled: ") + QString::fromStdString(done.error().message));
    m_history->apply(
        tr("Fill %1").arg(channelRange(channels)), [&](BlockStore& store) { store = filled; }, this);
    report(tr("Filled %1").arg(channelRange(channels)));
}

} // namespace ft817
