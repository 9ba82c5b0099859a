#include "editor/editor_handlers.h"

#include "editor/edit_history.h"
#include "editor/editor_state.h"
#include "editor/editor_window.h"
#include "image/channel_record.h"
#include "image/image_check.h"
#include "image/memory_map.h"
#include "image/radio_model.h"
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

// The focus arrived by Tab or Shift+Tab. A VFO box reached so is only a stop
// on the way (Space selects its VFO): selecting on arrival would send the
// focus back to the VFO list before it, and Tab would never leave the lists.
bool isTabFocus(const QEvent* event)
{
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
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

EditorHandlers::EditorHandlers(EditorWindow& window, const EditorControls& controls)
    : m_window(window), m_c(controls)
{
    connect(m_c.channelUp, &QPushButton::clicked, this, [this] { stepChannel(+1); });
    connect(m_c.channelDown, &QPushButton::clicked, this, [this] { stepChannel(-1); });
    // Only clicks (mouse or space bar) run the flag handlers; a state set by
    // the program emits no clicked().
    connect(m_c.active, &QCheckBox::clicked, this, &EditorHandlers::activeClicked);
    connect(m_c.split, &QCheckBox::clicked, this, &EditorHandlers::splitClicked);
    connect(m_c.tagOn, &QCheckBox::clicked, this, &EditorHandlers::tagClicked);
    connect(m_c.toneOn, &QCheckBox::clicked, this, [this] { toneModeClicked(m_c.toneOn, ToneMode::Tone); });
    connect(m_c.toneSquelchOn, &QCheckBox::clicked, this,
            [this] { toneModeClicked(m_c.toneSquelchOn, ToneMode::Mute); });
    connect(m_c.dcsOn, &QCheckBox::clicked, this, [this] { toneModeClicked(m_c.dcsOn, ToneMode::Dcs); });
    // A mouse click on a VFO box first gives it the focus (which selects the
    // VFO and moves the focus on); the release would then toggle the box off
    // again. Selecting once more keeps the box in step with the image.
    connect(m_c.vfoA, &QCheckBox::clicked, this, [this] { selectVfoBox(Vfo::A); });
    connect(m_c.vfoB, &QCheckBox::clicked, this, [this] { selectVfoBox(Vfo::B); });

    for (QWidget* watched : std::initializer_list<QWidget*>{
             m_c.channelNumber, m_c.rxFrequency, m_c.txFrequency, m_c.toneNumber, m_c.dcsNumber, m_c.tag,
             m_c.mode, m_c.txMode, m_c.shift, m_c.vfoA, m_c.vfoB})
        watched->installEventFilter(this);
    // The meaning beside a number follows it as it is typed.
    for (QLineEdit* box : {m_c.rxFrequency, m_c.txFrequency, m_c.toneNumber, m_c.dcsNumber})
        connect(box, &QLineEdit::textEdited, &m_window, &EditorWindow::updateMeanings);
    // Some styles and versions let the list's own text field hold the focus.
    for (QComboBox* list : {m_c.mode, m_c.txMode, m_c.shift})
        if (list->lineEdit())
            list->lineEdit()->installEventFilter(this);
}

EditorHandlers::~EditorHandlers() = default;

void EditorHandlers::showTypedChannel(int channel)
{
    if (!ready())
        return;
    const EditHistory::Step step(m_window.history(), EditHistory::kShowChannel, &m_window);
    m_c.channelNumber->setText(" " + QString::number(channel + 1));
    takeTypedChannel();
}

void EditorHandlers::showStoreChange()
{
    const QScopedValueRollback guard(m_displaying, true);
    m_window.refreshChannel();
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
        if (watched == m_c.channelNumber || watched == m_c.rxFrequency || watched == m_c.txFrequency ||
            watched == m_c.toneNumber || watched == m_c.dcsNumber || watched == m_c.tag) {
            onEnter(watched);
            return true;
        }
    } else if (event->type() == QEvent::FocusIn && !isTabFocus(event)) {
        if (watched == m_c.vfoA)
            selectVfoBox(Vfo::A);
        else if (watched == m_c.vfoB)
            selectVfoBox(Vfo::B);
    } else if (isRealFocusLoss(event)) {
        onFocusLost(watched);
    }
    return QObject::eventFilter(watched, event);
}

QString EditorHandlers::stepName(const QObject* watched) const
{
    return watched == m_c.channelNumber ? EditHistory::kShowChannel : "Entry in " + watched->objectName();
}

void EditorHandlers::onEnter(QObject* watched)
{
    const EditHistory::Step step(m_window.history(), stepName(watched), &m_window);
    if (watched == m_c.channelNumber) {
        takeTypedChannel();
    } else if (watched == m_c.rxFrequency) {
        commitFrequency(FrequencyBox::Rx);
        (m_c.split->isChecked() ? static_cast<QWidget*>(m_c.txFrequency) : m_c.channelNumber)
            ->setFocus(Qt::OtherFocusReason);
        redisplay();
    } else if (watched == m_c.txFrequency) {
        commitFrequency(FrequencyBox::Tx);
        m_c.channelNumber->setFocus(Qt::OtherFocusReason);
        redisplay();
    } else if (watched == m_c.toneNumber) {
        commitNumberBox(NumberBox::Tone);
    } else if (watched == m_c.dcsNumber) {
        commitNumberBox(NumberBox::Dcs);
    } else if (watched == m_c.tag) {
        commitTag();
    }
}

void EditorHandlers::onFocusLost(QObject* watched)
{
    const EditHistory::Step step(m_window.history(), stepName(watched), &m_window);
    if (watched == m_c.channelNumber) {
        takeTypedChannel();
    } else if (watched == m_c.rxFrequency) {
        commitFrequency(FrequencyBox::Rx);
        redisplay();
    } else if (watched == m_c.txFrequency) {
        commitFrequency(FrequencyBox::Tx);
        redisplay();
    } else if (watched == m_c.toneNumber) {
        commitNumberBox(NumberBox::Tone);
    } else if (watched == m_c.dcsNumber) {
        commitNumberBox(NumberBox::Dcs);
    } else if (watched == m_c.tag) {
        commitTag();
    } else if (isWithin(watched, m_c.mode) && isListFocusLoss(m_c.mode)) {
        commitMode(ModeList::Mode);
    } else if (isWithin(watched, m_c.txMode) && isListFocusLoss(m_c.txMode)) {
        commitMode(ModeList::TxMode);
    } else if (isWithin(watched, m_c.shift) && isListFocusLoss(m_c.shift)) {
        commitShift();
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
    state().currentChannel = typedChannelIndex(latin1(m_c.channelNumber->text()));
    redisplay();
}

void EditorHandlers::activeClicked()
{
    if (!ready())
        return;
    const EditHistory::Step step(m_window.history(), "Active", &m_window);
    setChannelActive(state().store, state().currentChannel, m_c.active->isChecked());
    redisplay();
}

void EditorHandlers::splitClicked()
{
    if (!ready())
        return;
    const EditHistory::Step step(m_window.history(), "Split", &m_window);
    // The radio's split (byte 1 bits 7-5 = 111) or simplex, as the channel list sets them.
    if (m_c.split->isChecked()) {
        m_c.txFrequency->show();
        state().record().changeShift(Shift::Split, 0);
        m_c.txFrequency->setFocus(Qt::OtherFocusReason);
    } else {
        m_c.txFrequency->hide();
        state().record().changeShift(Shift::Simplex, 0);
    }
    redisplay();
}

void EditorHandlers::tagClicked()
{
    if (!ready())
        return;
    const EditHistory::Step step(m_window.history(), "Tag", &m_window);
    const bool on = m_c.tagOn->isChecked();
    // The radio shows the tag by bit 7 of byte 0 alone; bit 6 is its own.
    state().record().setTagShown(on);
    m_c.tag->setVisible(on);
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
        for (QCheckBox* box : {m_c.toneOn, m_c.toneSquelchOn, m_c.dcsOn})
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
    m_c.vfoA->setChecked(vfo == Vfo::A);
    m_c.vfoB->setChecked(vfo == Vfo::B);
    selectVfo(state().store, vfo);
    (vfo == Vfo::A ? m_c.vfoABand : m_c.vfoBBand)->setFocus(Qt::OtherFocusReason);
}

void EditorHandlers::commitFrequency(FrequencyBox which)
{
    const QLineEdit* box = which == FrequencyBox::Rx ? m_c.rxFrequency : m_c.txFrequency;
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
    QLineEdit* box = which == NumberBox::Tone ? m_c.toneNumber : m_c.dcsNumber;
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
    m_window.updateMeanings();
}

void EditorHandlers::commitTag()
{
    const QString text = m_c.tag->text();
    const auto bytes = tagBytes(text.toStdU16String());
    state().record().setTag(std::string(bytes.begin(), bytes.end()));
    const QString padded = QString::fromStdU16String(paddedTag(text.toStdU16String()));
    if (padded != text)
        m_c.tag->setText(padded);
}

void EditorHandlers::commitMode(ModeList which)
{
    QComboBox* list = which == ModeList::Mode ? m_c.mode : m_c.txMode;
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

// CHoffset: the entry chosen ("SMPX", "-RPT", "+RPT") becomes the radio's
// shift, with the band's usual offset where the offset is 0, as in the
// channel list. A split channel shows no entry; leaving the list without
// choosing one, or choosing the shift the channel has, changes nothing.
void EditorHandlers::commitShift()
{
    QComboBox* list = m_c.shift;
    int position = list->currentIndex();
    if (position >= 0 && list->isEditable() && list->currentText() != list->itemText(position))
        position = -1;
    if (position < 0 || position > static_cast<int>(Shift::Plus))
        return;
    const auto shift = static_cast<Shift>(position);
    ChannelRecord record = state().record();
    if (record.shift() == shift)
        return;
    record.changeShift(shift, usualRepeaterOffset(radioOf(state().store), record.rxFrequency()));
    redisplay();
}

} // namespace ft817
