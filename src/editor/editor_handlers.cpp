#include "editor/editor_handlers.h"

#include "editor/edit_history.h"
#include "editor/editor_state.h"
#include "editor/editor_window.h"
#include "image/channel_record.h"
#include "image/memory_map.h"
#include "text/number_reading.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>

#include <string>

namespace ft817 {
namespace {

// A box's text as single-byte characters for the number reading (a character
// outside Latin-1 becomes "?", which never continues a number).
std::string latin1(const QString& text)
{
    return text.toLatin1().toStdString();
}

bool isEnterKey(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The focus really left the control: not just for a popup (a list's drop-down
// or a context menu) and not because the whole window was deactivated.
bool isRealFocusLoss(const QEvent* event)
{
    if (event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

// True when object is widget or lies inside it (its popup included, which is a
// window of its own but still a child object of the list).
bool isWithin(const QObject* object, const QObject* widget)
{
    for (; object; object = object->parent())
        if (object == widget)
            return true;
    return false;
}

} // namespace

EditorHandlers::EditorHandlers(EditorWindow& window) : m_window(window)
{
    m_channelNumber = control<QLineEdit>("CHnum");
    m_channelUp = control<QPushButton>("Chup");
    m_channelDown = control<QPushButton>("Chdown");
    m_active = control<QCheckBox>("Chact");
    m_split = control<QCheckBox>("Chsplit");
    m_tagOn = control<QCheckBox>("Tagck");
    m_toneOn = control<QCheckBox>("CTCSSck");
    m_toneSquelchOn = control<QCheckBox>("CTCSSmute");
    m_dcsOn = control<QCheckBox>("DCSck");
    m_vfoA = control<QCheckBox>("VFOAck");
    m_vfoB = control<QCheckBox>("VFOBck");
    m_vfoABand = control<QComboBox>("VFOAs");
    m_vfoBBand = control<QComboBox>("VFOBs");
    m_rxFrequency = control<QLineEdit>("CHfreq");
    m_txFrequency = control<QLineEdit>("CHTfreq");
    m_toneNumber = control<QLineEdit>("CTCSS");
    m_dcsNumber = control<QLineEdit>("DCS");
    m_tag = control<QLineEdit>("CHtext");
    m_mode = control<QComboBox>("CHmode");
    m_txMode = control<QComboBox>("CHTmode");

    connect(m_channelUp, &QPushButton::clicked, this, [this] { stepChannel(+1); });
    connect(m_channelDown, &QPushButton::clicked, this, [this] { stepChannel(-1); });
    // Only clicks (mouse or space bar) run the flag handlers; a state set by
    // the program emits no clicked().
    connect(m_active, &QCheckBox::clicked, this, &EditorHandlers::activeClicked);
    connect(m_split, &QCheckBox::clicked, this, &EditorHandlers::splitClicked);
    connect(m_tagOn, &QCheckBox::clicked, this, &EditorHandlers::tagClicked);
    connect(m_toneOn, &QCheckBox::clicked, this, [this] { toneModeClicked(m_toneOn, ToneMode::Tone); });
    connect(m_toneSquelchOn, &QCheckBox::clicked, this,
            [this] { toneModeClicked(m_toneSquelchOn, ToneMode::Mute); });
    connect(m_dcsOn, &QCheckBox::clicked, this, [this] { toneModeClicked(m_dcsOn, ToneMode::Dcs); });
    // A mouse click on a VFO box first gives it the focus (which selects the
    // VFO and moves the focus on); the release would then toggle the box off
    // again. Selecting once more keeps the box in step with the image.
    connect(m_vfoA, &QCheckBox::clicked, this, [this] { selectVfoBox(Vfo::A); });
    connect(m_vfoB, &QCheckBox::clicked, this, [this] { selectVfoBox(Vfo::B); });

    for (QWidget* watched :
         std::initializer_list<QWidget*>{m_channelNumber, m_rxFrequency, m_txFrequency, m_toneNumber,
                                         m_dcsNumber, m_tag, m_mode, m_txMode, m_vfoA, m_vfoB})
        watched->installEventFilter(this);
    // Some styles and versions let the list's own text field hold the focus.
    for (QComboBox* list : {m_mode, m_txMode})
        if (list->lineEdit())
            list->lineEdit()->installEventFilter(this);
}

EditorHandlers::~EditorHandlers() = default;

void EditorHandlers::showTypedChannel(int channel)
{
    if (!ready())
        return;
    const EditHistory::Step step(m_window.history(), EditHistory::kShowChannel, &m_window);
    m_channelNumber->setText(" " + QString::number(channel + 1));
    takeTypedChannel();
}

void EditorHandlers::showStoreChange()
{
    const QScopedValueRollback guard(m_displaying, true);
    m_window.refreshChannel();
}

template <class T> T* EditorHandlers::control(const char* name)
{
    T* found = m_window.findChild<T*>(name);
    Q_ASSERT_X(found, "EditorHandlers", name);
    return found;
}

EditorState& EditorHandlers::state()
{
    return m_window.state();
}

bool EditorHandlers::ready() const
{
    return m_window.state().loaded() && !m_displaying;
}

void EditorHandlers::redisplay()
{
    const QScopedValueRollback guard(m_displaying, true);
    m_window.displayChannel();
}

bool EditorHandlers::eventFilter(QObject* watched, QEvent* event)
{
    if (!ready())
        return QObject::eventFilter(watched, event);
    if (isEnterKey(event)) {
        if (watched == m_channelNumber || watched == m_rxFrequency || watched == m_txFrequency ||
            watched == m_toneNumber || watched == m_dcsNumber || watched == m_tag) {
            onEnter(watched);
            return true;
        }
    } else if (event->type() == QEvent::FocusIn) {
        if (watched == m_vfoA)
            selectVfoBox(Vfo::A);
        else if (watched == m_vfoB)
            selectVfoBox(Vfo::B);
    } else if (isRealFocusLoss(event)) {
        onFocusLost(watched);
    }
    return QObject::eventFilter(watched, event);
}

QString EditorHandlers::stepName(const QObject* watched) const
{
    return watched == m_channelNumber ? EditHistory::kShowChannel : "Entry in " + watched->objectName();
}

void EditorHandlers::onEnter(QObject* watched)
{
    const EditHistory::Step step(m_window.history(), stepName(watched), &m_window);
    if (watched == m_channelNumber) {
        takeTypedChannel();
    } else if (watched == m_rxFrequency) {
        commitFrequency(FrequencyBox::Rx);
        (m_split->isChecked() ? static_cast<QWidget*>(m_txFrequency) : m_channelNumber)
            ->setFocus(Qt::OtherFocusReason);
        redisplay();
    } else if (watched == m_txFrequency) {
        commitFrequency(FrequencyBox::Tx);
        m_channelNumber->setFocus(Qt::OtherFocusReason);
        redisplay();
    } else if (watched == m_toneNumber) {
        commitNumberBox(NumberBox::Tone);
    } else if (watched == m_dcsNumber) {
        commitNumberBox(NumberBox::Dcs);
    } else if (watched == m_tag) {
        commitTag();
    }
}

void EditorHandlers::onFocusLost(QObject* watched)
{
    const EditHistory::Step step(m_window.history(), stepName(watched), &m_window);
    if (watched == m_channelNumber) {
        takeTypedChannel();
    } else if (watched == m_rxFrequency) {
        commitFrequency(FrequencyBox::Rx);
        redisplay();
    } else if (watched == m_txFrequency) {
        commitFrequency(FrequencyBox::Tx);
        redisplay();
    } else if (watched == m_toneNumber) {
        commitNumberBox(NumberBox::Tone);
    } else if (watched == m_dcsNumber) {
        commitNumberBox(NumberBox::Dcs);
    } else if (watched == m_tag) {
        commitTag();
    } else if (isWithin(watched, m_mode) && isListFocusLoss(m_mode)) {
        commitMode(ModeList::Mode);
    } else if (isWithin(watched, m_txMode) && isListFocusLoss(m_txMode)) {
        commitMode(ModeList::TxMode);
    }
}

bool EditorHandlers::isListFocusLoss(QComboBox* list) const
{
    // The focus moving between the list and its own text field or drop-down
    // stays inside the list; only a move to another control is a loss.
    return !isWithin(QApplication::focusWidget(), list);
}

void EditorHandlers::stepChannel(int step)
{
    if (!ready())
        return;
    const EditHistory::Step undoStep(m_window.history(), EditHistory::kShowChannel, &m_window);
    int& channel = state().currentChannel;
    channel += step;
    if (channel == kChannelCount)
        channel = 0;
    if (channel == -1)
        channel = kChannelCount - 1;
    redisplay();
}

void EditorHandlers::takeTypedChannel()
{
    state().currentChannel = typedChannelIndex(latin1(m_channelNumber->text()));
    redisplay();
}

void EditorHandlers::activeClicked()
{
    if (!ready())
        return;
    const EditHistory::Step step(m_window.history(), "Active", &m_window);
    setChannelActive(state().store, state().currentChannel, m_active->isChecked());
    redisplay();
}

void EditorHandlers::splitClicked()
{
    if (!ready())
        return;
    const EditHistory::Step step(m_window.history(), "Split", &m_window);
    if (m_split->isChecked()) {
        m_txFrequency->show();
        state().record().setSplit(true);
        m_txFrequency->setFocus(Qt::OtherFocusReason);
    } else {
        m_txFrequency->hide();
        state().record().setSplit(false);
    }
    redisplay();
}

void EditorHandlers::tagClicked()
{
    if (!ready())
        return;
    const EditHistory::Step step(m_window.history(), "Tag", &m_window);
    const bool on = m_tagOn->isChecked();
    state().record().setTagOn(on);
    m_tag->setVisible(on);
    redisplay();
}

// Tone, Mute and DCS: checking one clears the other two (which runs none of
// their handlers) and sets the tone mode; clearing it sets no tone mode.
void EditorHandlers::toneModeClicked(QCheckBox* clicked, ToneMode mode)
{
    if (!ready())
        return;
    const EditHistory::Step step(m_window.history(), "Tone mode", &m_window);
    if (clicked->isChecked()) {
        for (QCheckBox* box : {m_toneOn, m_toneSquelchOn, m_dcsOn})
            if (box != clicked)
                box->setChecked(false);
        state().record().setToneMode(mode);
    } else {
        state().record().setToneMode(ToneMode::None);
    }
    redisplay();
}

// VFO A or B: its box checked, the other cleared, bit 0 of the VFO select
// byte set to match, and the focus on that VFO's band list.
void EditorHandlers::selectVfoBox(Vfo vfo)
{
    if (!ready())
        return;
    const EditHistory::Step step(m_window.history(), "VFO", &m_window);
    m_vfoA->setChecked(vfo == Vfo::A);
    m_vfoB->setChecked(vfo == Vfo::B);
    selectVfo(state().store, vfo);
    (vfo == Vfo::A ? m_vfoABand : m_vfoBBand)->setFocus(Qt::OtherFocusReason);
}

void EditorHandlers::commitFrequency(FrequencyBox which)
{
    const QLineEdit* box = which == FrequencyBox::Rx ? m_rxFrequency : m_txFrequency;
    // A negative entry is refused: the stored frequency stays as it was.
    const auto frequency = typedFrequency(latin1(box->text()));
    if (!frequency)
        return;
    ChannelRecord record = state().record();
    if (which == FrequencyBox::Rx)
        record.setRxFrequency(*frequency);
    else
        record.setTxFrequency(*frequency);
}

void EditorHandlers::commitNumberBox(NumberBox which)
{
    QLineEdit* box = which == NumberBox::Tone ? m_toneNumber : m_dcsNumber;
    const int highest = which == NumberBox::Tone ? 49 : 103;
    const ClampedEntry entry = clampNumberEntry(latin1(box->text()), highest);
    if (entry.newText)
        box->setText(QString::fromStdString(*entry.newText));
    ChannelRecord record = state().record();
    if (which == NumberBox::Tone)
        record.setToneNumber(entry.stored);
    else
        record.setDcsNumber(entry.stored);
    m_window.updateToneTooltips();
}

void EditorHandlers::commitTag()
{
    const QString text = m_tag->text();
    const auto bytes = tagBytes(text.toStdU16String());
    state().record().setTag(std::string(bytes.begin(), bytes.end()));
    const QString padded = QString::fromStdU16String(paddedTag(text.toStdU16String()));
    if (padded != text)
        m_tag->setText(padded);
}

void EditorHandlers::commitMode(ModeList which)
{
    QComboBox* list = which == ModeList::Mode ? m_mode : m_txMode;
    // Text typed into the list's field that is not the chosen entry's own
    // text leaves no entry selected.
    int position = list->currentIndex();
    if (position >= 0 && list->isEditable() && list->currentText() != list->itemText(position))
        position = -1;
    ChannelRecord record = state().record();
    if (which == ModeList::Mode)
        record.setMode(position);
    else
        record.setTxMode(position);
}

} // namespace ft817
