#include "editor/radio_settings_window.h"

#include "editor/edit_history.h"
#include "gui/accessible_names.h"
#include "gui/help_window.h"
#include "gui/window_icon.h"
#include "image/image_check.h"
#include "image/radio_settings.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QUndoStack>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>
#include <array>

namespace ft817 {

namespace {

// Shows the callsign's characters as capitals. Text the radio cannot take
// (a character it cannot show, more than seven, or the "?" of a stored byte
// that is no character) stays in sight but is never stored; the window says why.
class CallsignValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& /*position*/) const override
    {
        input = input.toUpper();
        return callsignProblem(input.toStdString()).empty() ? Acceptable : Intermediate;
    }
};

QString qText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A text the settings table marks for the windows, in the windows' language.
QString windowText(std::string_view text)
{
    return QCoreApplication::translate(
        "RadioSettings", QByteArray(text.data(), static_cast<qsizetype>(text.size())).constData());
}

// What the setting does for its owner, and its menu item number where known.
QString ownerHelp(const RadioSetting& setting)
{
    const QString help = windowText(setting.description);
    if (setting.menuNumber <= 0)
        return help;
    return help + " " + RadioSettingsWindow::tr("Menu %1.").arg(setting.menuNumber);
}

// A label's text shown as it is: "&" is no keyboard shortcut ("AM&FM dial").
QString literalLabel(std::string_view text)
{
    return windowText(text).replace('&', "&&");
}

} // namespace

RadioSettingsWindow::RadioSettingsWindow(std::shared_ptr<EditHistory> history, QWidget* parent)
    : QWidget(parent, Qt::Window), m_history(std::move(history))
{
    setObjectName("RadioSettings");
    setWindowTitle(tr("Radio settings"));
    setWindowIcon(makeWindowIcon("S", QColor(0x2e, 0x7d, 0x32)));
    addHelpShortcut(this);
    buildTabs();
    buildButtons();
    // A change made anywhere (here, the editor, the channel list), an undo or a
    // fresh Edit shows here at once; a hidden window catches up when it is shown.
    const auto follow = [this] {
        if (isVisible())
            refresh();
    };
    connect(m_history.get(), &EditHistory::changed, this, follow);
    connect(m_history.get(), &EditHistory::reset, this, follow);
}

RadioSettingsWindow::~RadioSettingsWindow() = default;

void RadioSettingsWindow::showEvent(QShowEvent* event)
{
    refresh();
    QWidget::showEvent(event);
}

void RadioSettingsWindow::buildTabs()
{
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName("SettingsTabs");
    // Every group's tab in sight: the window is as wide as the tab bar needs.
    m_tabs->setUsesScrollButtons(false);
    std::array<QFormLayout*, kSettingGroupCount> forms{};
    for (int group = 0; group < kSettingGroupCount; ++group) {
        auto* page = new QWidget;
        forms[static_cast<std::size_t>(group)] = new QFormLayout(page);
        forms[static_cast<std::size_t>(group)]->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
        // Every tab scrolls rather than the window outgrowing a small screen.
        auto* scroll = new QScrollArea;
        scroll->setWidget(page);
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        const QString name = windowText(settingGroupName(static_cast<SettingGroup>(group)));
        describeControl(scroll, tr("%1 settings").arg(name));
        m_tabs->addTab(scroll, name);
    }
    for (const RadioSetting& setting : radioSettings()) {
        QFormLayout* form = forms[static_cast<std::size_t>(setting.group)];
        QWidget* control = makeControl(setting);
        auto* label = new QLabel(literalLabel(setting.name));
        label->setBuddy(control);
        describeControl(control, windowText(setting.name), ownerHelp(setting));
        form->addRow(label, control);
        m_rows.push_back(Row{&setting, control, form});
    }
}

void RadioSettingsWindow::buildButtons()
{
    QUndoStack& stack = m_history->stack();
    auto* undo = new QPushButton(tr("Undo"), this);
    undo->setObjectName("Undo");
    auto* redo = new QPushButton(tr("Redo"), this);
    redo->setObjectName("Redo");
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName("Close");
    undo->setEnabled(stack.canUndo());
    redo->setEnabled(stack.canRedo());
    connect(undo, &QPushButton::clicked, &stack, &QUndoStack::undo);
    connect(redo, &QPushButton::clicked, &stack, &QUndoStack::redo);
    connect(&stack, &QUndoStack::canUndoChanged, undo, &QPushButton::setEnabled);
    connect(&stack, &QUndoStack::canRedoChanged, redo, &QPushButton::setEnabled);
    connect(&stack, &QUndoStack::undoTextChanged, undo,
            [undo](const QString& text) { undo->setToolTip(tr("Undo %1").arg(text)); });
    connect(&stack, &QUndoStack::redoTextChanged, redo,
            [redo](const QString& text) { redo->setToolTip(tr("Redo %1").arg(text)); });
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    // The editor's keys for undo and redo work here too.
    const auto shortcut = [this](const QList<QKeySequence>& keys, QPushButton* button) {
        auto* action = new QAction(this);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, button, &QPushButton::click);
        addAction(action);
    };
    shortcut({QKeySequence(Qt::CTRL | Qt::Key_Z)}, undo);
    shortcut({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}, redo);
    // Ctrl+Tab and Ctrl+Shift+Tab change tabs wherever the focus is; Escape closes.
    for (const bool forward : {true, false}) {
        auto* step = new QShortcut(forward ? QKeySequence(Qt::CTRL | Qt::Key_Tab)
                                           : QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                                   this);
        connect(step, &QShortcut::activated, this, [this, forward] {
            const int count = m_tabs->count();
            m_tabs->setCurrentIndex((m_tabs->currentIndex() + (forward ? 1 : count - 1)) % count);
        });
    }
    closeOnEscape(this);
    describeControl(m_tabs, tr("Setting groups"), tr("Ctrl+Tab shows the next group"));
    describeControl(m_tabs->tabBar(), tr("Setting groups"), tr("Ctrl+Tab shows the next group"));

    m_model = new QLabel(this);
    m_model->setObjectName("SettingsModel");
    m_message = new QLabel(this);
    m_message->setObjectName("SettingsMessage");
    m_message->setWordWrap(true);
    m_message->setStyleSheet("color: #b00020");
    m_message->hide();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(undo);
    buttons->addWidget(redo);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_model);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(m_message);
    layout->addLayout(buttons);
    layout->activate();
    // Tall enough for the longest group without scrolling, on a screen of 768 pixels.
    resize(std::max(minimumSizeHint().width(), 580), 640);
}

QWidget* RadioSettingsWindow::makeControl(const RadioSetting& setting)
{
    QWidget* control = nullptr;
    switch (setting.encoding) {
    case SettingEncoding::List: {
        auto* box = new QComboBox;
        for (const std::string& option : setting.options)
            box->addItem(QString::fromStdString(option));
        const int options = static_cast<int>(setting.options.size());
        // The entry of an unused code, after the options, is not a value to write.
        connect(box, &QComboBox::currentIndexChanged, this, [this, &setting, options](int index) {
            if (index >= 0 && index < options)
                change(setting, SettingValue{index, {}});
        });
        control = box;
        break;
    }
    case SettingEncoding::OnOff: {
        auto* box = new QCheckBox;
        connect(box, &QCheckBox::toggled, this, [this, &setting](bool on) {
            change(setting, SettingValue{on ? 1 : 0, {}});
        });
        control = box;
        break;
    }
    case SettingEncoding::Callsign: {
        auto* box = new QLineEdit;
        box->setValidator(new CallsignValidator(box));
        box->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        // Enter or leaving the box stores a text of the callsign's characters only;
        // any other character is refused in words as it is typed.
        connect(box, &QLineEdit::editingFinished, this, [this, &setting, box] {
            change(setting, SettingValue{0, box->text().trimmed().toStdString()});
        });
        connect(box, &QLineEdit::textEdited, this, [this](const QString& text) {
            const std::string problem = callsignProblem(text.toStdString());
            showMessage(problem.empty()
                            ? QString()
                            : tr("The ID callsign takes %1; %2. It is stored when the "
                                 "radio can show it.")
                                  .arg(windowText(kCallsignRule), QString::fromStdString(problem)));
        });
        control = box;
        break;
    }
    default: {
        auto* box = new QSpinBox;
        box->setRange(setting.minimum, setting.maximum);
        box->setKeyboardTracking(false);
        // Stepping away from a stored value out of range lands in the range.
        connect(box, &QSpinBox::valueChanged, this, [this, &setting](int value) {
            change(setting, SettingValue{std::clamp(value, setting.minimum, setting.maximum), {}});
        });
        control = box;
        break;
    }
    }
    control->setObjectName(qText(setting.key));
    // The lists, numbers and the callsign line up in one column of one width.
    if (setting.encoding != SettingEncoding::OnOff)
        control->setMinimumWidth(120);
    return control;
}

void RadioSettingsWindow::refresh()
{
    const BlockStore& store = m_history->store();
    const std::vector<const RadioSetting*> held = settingsOf(store);
    for (const Row& row : m_rows) {
        const bool present = std::find(held.begin(), held.end(), row.setting) != held.end();
        row.form->setRowVisible(row.control, present);
        if (present)
            showRow(row);
    }
    showMessage({});
    const RadioModel* radio = radioOf(store);
    m_model->setText(
        tr("%1: %2 settings").arg(radio ? qText(radio->name) : tr("Unknown layout")).arg(held.size()));
}

void RadioSettingsWindow::showRow(const Row& row)
{
    const RadioSetting& setting = *row.setting;
    const SettingReading reading = readSetting(m_history->store(), setting);
    const QSignalBlocker quiet(row.control);
    const int number = reading.value.number;
    switch (setting.encoding) {
    case SettingEncoding::List: {
        auto* box = static_cast<QComboBox*>(row.control);
        const int options = static_cast<int>(setting.options.size());
        while (box->count() > options)
            box->removeItem(box->count() - 1);
        if (!reading.valid)
            box->addItem(QString::fromStdString(reading.text));
        box->setCurrentIndex(reading.valid ? number : options);
        break;
    }
    case SettingEncoding::OnOff:
        static_cast<QCheckBox*>(row.control)->setChecked(number != 0);
        break;
    case SettingEncoding::Callsign:
        static_cast<QLineEdit*>(row.control)->setText(QString::fromStdString(reading.value.text));
        break;
    default: {
        auto* box = static_cast<QSpinBox*>(row.control);
        box->setRange(std::min(number, setting.minimum), std::max(number, setting.maximum));
        box->setSuffix(reading.valid ? QString() : tr(" (out of range)"));
        box->setValue(number);
        break;
    }
    }
    QString tip = ownerHelp(setting);
    if (setting.isNumber())
        tip += "\n" + tr("%1 to %2").arg(setting.minimum).arg(setting.maximum);
    if (!reading.valid)
        tip +=
            "\n" +
            tr("The image holds %1, which the radio does not use; it stays until you choose another value.")
                .arg(QString::fromStdString(reading.text));
    row.control->setToolTip(tip);
}

void RadioSettingsWindow::showMessage(const QString& text)
{
    m_message->setText(text);
    m_message->setVisible(!text.isEmpty());
}

void RadioSettingsWindow::change(const RadioSetting& setting, const SettingValue& value)
{
    const QString text = tr("Set %1 to %2")
                             .arg(windowText(setting.name).section(" (", 0, 0),
                                  QString::fromStdString(settingValueText(setting, value)));
    m_history->apply(
        text, [&](BlockStore& store) { writeSetting(store, setting, value); }, this);
}

} // namespace ft817
