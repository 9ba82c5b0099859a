#include "editor/editor_handlers.h"

#include "editor/edit_history.h"
#include "editor/editor_display.h"
#include "editor/editor_state.h"
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

EditorHandlers::EditorHandlers(const EditorControls& controls, EditorState& state, EditHistory& history,
                               EditorDisplay& display)
    : m_controls(controls), m_state(state), m_history(history), m_display(display)
{
    connect(m_controls.channelUp, &QPushButton::clicked, this, [this] { stepChannel(+1); });
    connect(m_controls.channelDown, &QPushButton::clicked, this, [this] { stepChannel(-1); });
    // Only clicks (mouse or space bar) run the flag handlers; a state set by
    // the program emits no clicked().
    connect(m_controls.active, &QCheckBox::clicked, this, &EditorHandlers::activeClicked);
    connect(m_controls.split, &QCheckBox::clicked, this, &EditorHandlers::splitClicked);
    connect(m_controls.tagOn, &QCheckBox::clicked, this, &EditorHandlers::tagClicked);
    connect(m_controls.toneOn, &QCheckBox::clicked, this,
            [this] { toneModeClicked(m_controls.toneOn, ToneMode::Tone); });
    connect(m_controls.toneSquelchOn, &QCheckBox::clicked, this,
            [this] { toneModeClicked(m_controls.toneSquelchOn, ToneMode::Mute); });
    connect(m_controls.dcsOn, &QCheckBox::clicked, this,
            [this] { toneModeClicked(m_controls.dcsOn, ToneMode::Dcs); });
    // A mouse click on a VFO box first gives it the focus (which selects the
    // VFO and moves the focus on); the release would then toggle the box off
    // again. Selecting once more keeps the box in step with the image.
    connect(m_controls.vfoA, &QCheckBox::clicked, this, [this] { selectVfoBox(Vfo::A); });
    connect(m_controls.vfoB, &QCheckBox::clicked, this, [this] { selectVfoBox(Vfo::B); });

    for (QWidget* watched : std::initializer_list<QWidget*>{
             m_controls.channelNumber, m_controls.rxFrequency, m_controls.txFrequency, m_controls.toneNumber,
             m_controls.dcsNumber, m_controls.tag, m_controls.mode, m_controls.txMode, m_controls.shift,
             m_controls.vfoA, m_controls.vfoB})
        watched->installEventFilter(this);
    // The meaning beside a number follows it as it is typed.
    for (QLineEdit* box :
         {m_controls.rxFrequency, m_controls.txFrequency, m_controls.toneNumber, m_controls.dcsNumber})
        connect(box, &QLineEdit::textEdited, this, [this] { m_display.updateMeanings(); });
    // Some styles and versions let the list's own text field hold the focus.
    for (QComboBox* list : {m_controls.mode, m_controls.txMode, m_controls.shift})
        if (list->lineEdit())
            list->lineEdit()->installEventFilter(this);
}

EditorHandlers::~EditorHandlers() = default;

void EditorHandlers::showTypedChannel(int channel)
{
    if (!ready())
        return;
    const EditHistory::Step step(m_history, EditHistory::kShowChannel, this);
    m_controls.channelNumber->setText(" " + QString::number(channel + 1));
    takeTypedChannel();
}

void EditorHandlers::showStoreChange()
{
    const QScopedValueRollback guard(m_displaying, true);
    m_display.showChannel(EditorDisplay::Showing::Refresh);
}

bool EditorHandlers::ready() const
{
    return m_state.loaded() && !m_displaying;
}

void EditorHandlers::redisplay()
{
    const QScopedValueRollback guard(m_displaying, true);
    m_display.showChannel(EditorDisplay::Showing::Channel);
}

bool EditorHandlers::eventFilter(QObject* watched, QEvent* event)
{
    if (!ready())
        return QObject::eventFilter(watched, event);
    if (isEnterKey(event)) {
        if (watched == m_controls.channelNumber || watched == m_controls.rxFrequency ||
            watched == m_controls.txFrequency || watched == m_controls.toneNumber ||
            watched == m_controls.dcsNumber || watched == m_controls.tag) {
            onEnter(watched);
            return true;
        }
    } else if (event->type() == QEvent::FocusIn && !isTabFocus(event)) {
        if (watched == m_controls.vfoA)
            selectVfoBox(Vfo::A);
        else if (watched == m_controls.vfoB)
            selectVfoBox(Vfo::B);
    } else if (isRealFocusLoss(event)) {
        onFocusLost(watched);
    }
    return QObject::eventFilter(watched, event);
}

QString EditorHandlers::stepName(const QObject* watched) const
{
    return watched == m_controls.channelNumber ? EditHistory::kShowChannel
                                               : "Entry in " + watched->objectName();
}

void EditorHandlers::onEnter(QObject* watched)
{
    const EditHistory::Step step(m_history, stepName(watched), this);
    if (watched == m_controls.channelNumber) {
        takeTypedChannel();
    } else if (watched == m_controls.rxFrequency) {
        commitFrequency(FrequencyBox::Rx);
        (m_controls.split->isChecked() ? static_cast<QWidget*>(m_controls.txFrequency)
                                       : m_controls.channelNumber)
            ->setFocus(Qt::OtherFocusReason);
        redisplay();
    } else if (watched == m_controls.txFrequency) {
        commitFrequency(FrequencyBox::Tx);
        m_controls.channelNumber->setFocus(Qt::OtherFocusReason);
        redisplay();
    } else if (watched == m_controls.toneNumber) {
        commitNumberBox(NumberBox::Tone);
    } else if (watched == m_controls.dcsNumber) {
        commitNumberBox(NumberBox::Dcs);
    } else if (watched == m_controls.tag) {
        commitTag();
    }
}

void EditorHandlers::onFocusLost(QObject* watched)
{
    const EditHistory::Step step(m_history, stepName(watched), this);
    if (watched == m_controls.channelNumber) {
        takeTypedChannel();
    } else if (watched == m_controls.rxFrequency) {
        commitFrequency(FrequencyBox::Rx);
        redisplay();
    } else if (watched == m_controls.txFrequency) {
        commitFrequency(FrequencyBox::Tx);
        redisplay();
    } else if (watched == m_controls.toneNumber) {
        commitNumberBox(NumberBox::Tone);
    } else if (watched == m_controls.dcsNumber) {
        commitNumberBox(NumberBox::Dcs);
    } else if (watched == m_controls.tag) {
        commitTag();
    } else if (isWithin(watched, m_controls.mode) && isListFocusLoss(m_controls.mode)) {
        commitMode(ModeList::Mode);
    } else if (isWithin(watched, m_controls.txMode) && isListFocusLoss(m_controls.txMode)) {
        commitMode(ModeList::TxMode);
    } else if (isWithin(watched, m_controls.shift) && isListFocusLoss(m_controls.shift)) {
        commitShift();
    }
}

void EditorHandlers::commitEntry(QObject* focused)
{
    if (!ready() || !focused)
        return;
    // The focus has not left a list yet: store its choice as leaving it would.
    const EditHistory::Step step(m_history, stepName(focused), this);
    if (isWithin(focused, m_controls.mode))
        commitMode(ModeList::Mode);
    else if (isWithin(focused, m_controls.txMode))
        commitMode(ModeList::TxMode);
    else if (isWithin(focused, m_controls.shift))
        commitShift();
    else
        onFocusLost(focused);
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
    const EditHistory::Step undoStep(m_history, EditHistory::kShowChannel, this);
    int& channel = m_state.currentChannel;
    channel += step;
    if (channel == kChannelCount)
        channel = 0;
    if (channel == -1)
        channel = kChannelCount - 1;
    redisplay();
}

void EditorHandlers::takeTypedChannel()
{
    m_state.currentChannel = typedChannelIndex(latin1(m_controls.channelNumber->text()));
    redisplay();
}

void EditorHandlers::activeClicked()
{
    if (!ready())
        return;
    const EditHistory::Step step(m_history, "Active", this);
    m_state.edit().setInUse(m_controls.active->isChecked());
    redisplay();
}

void EditorHandlers::splitClicked()
{
    if (!ready())
        return;
    const EditHistory::Step step(m_history, "Split", this);
    // The radio's split (byte 1 bits 7-5 = 111) or simplex, as the channel list sets them.
    if (m_controls.split->isChecked()) {
        m_controls.txFrequency->show();
        m_state.edit().changeShift(Shift::Split, 0);
        m_controls.txFrequency->setFocus(Qt::OtherFocusReason);
    } else {
        m_controls.txFrequency->hide();
        m_state.edit().changeShift(Shift::Simplex, 0);
    }
    redisplay();
}

void EditorHandlers::tagClicked()
{
    if (!ready())
        return;
    const EditHistory::Step step(m_history, "Tag", this);
    const bool on = m_controls.tagOn->isChecked();
    // The radio shows the tag by bit 7 of byte 0 alone; bit 6 is its own.
    m_state.edit().setTagShown(on);
    m_controls.tag->setVisible(on);
    redisplay();
}

// Tone, Mute and DCS: checking one clears the other two (which runs none of
// their handlers) and sets the tone mode; clearing it sets no tone mode.
void EditorHandlers::toneModeClicked(QCheckBox* clicked, ToneMode mode)
{
    if (!ready())
        return;
    const EditHistory::Step step(m_history, tr("Tone mode"), this);
    if (clicked->isChecked()) {
        for (QCheckBox* box : {m_controls.toneOn, m_controls.toneSquelchOn, m_controls.dcsOn})
            if (box != clicked)
                box->setChecked(false);
        m_state.edit().setToneMode(mode);
    } else {
        m_state.edit().setToneMode(ToneMode::None);
    }
    redisplay();
}

// VFO A or B: its box checked, the other cleared, bit 0 of the VFO select
// byte set to match, and the focus on that VFO's band list.
void EditorHandlers::selectVfoBox(Vfo vfo)
{
    if (!ready())
        return;
    const EditHistory::Step step(m_history, "VFO", this);
    m_controls.vfoA->setChecked(vfo == Vfo::A);
    m_controls.vfoB->setChecked(vfo == Vfo::B);
    selectVfo(m_state.store, vfo);
    (vfo == Vfo::A ? m_controls.vfoABand : m_controls.vfoBBand)->setFocus(Qt::OtherFocusReason);
}

void EditorHandlers::commitFrequency(FrequencyBox which)
{
    const QLineEdit* box = which == FrequencyBox::Rx ? m_controls.rxFrequency : m_controls.txFrequency;
    // A negative entry is refused: the stored frequency stays as it was.
    const auto frequency = typedFrequency(latin1(box->text()));
    if (!frequency)
        return;
    ChannelRecord record = m_state.record();
    if (which == FrequencyBox::Rx)
        record.setRxFrequency(*frequency);
    else
        record.setTxFrequency(*frequency);
}

void EditorHandlers::commitNumberBox(NumberBox which)
{
    QLineEdit* box = which == NumberBox::Tone ? m_controls.toneNumber : m_controls.dcsNumber;
    const int highest = which == NumberBox::Tone ? 49 : 103;
    const ClampedEntry entry = clampNumberEntry(latin1(box->text()), highest);
    if (entry.newText)
        box->setText(QString::fromStdString(*entry.newText));
    ChannelRecord record = m_state.record();
    if (which == NumberBox::Tone)
        record.setToneNumber(entry.stored);
    else
        record.setDcsNumber(entry.stored);
    m_display.updateToneTooltips();
    m_display.updateMeanings();
}

void EditorHandlers::commitTag()
{
    const QString text = m_controls.tag->text();
    const auto bytes = tagBytes(text.toStdU16String());
    m_state.record().setTag(std::string(bytes.begin(), bytes.end()));
    const QString padded = QString::fromStdU16String(paddedTag(text.toStdU16String()));
    if (padded != text)
        m_controls.tag->setText(padded);
}

void EditorHandlers::commitMode(ModeList which)
{
    QComboBox* list = which == ModeList::Mode ? m_controls.mode : m_controls.txMode;
    // Text typed into the list's field that is not the chosen entry's own
    // text leaves no entry selected.
    int position = list->currentIndex();
    if (position >= 0 && list->isEditable() && list->currentText() != list->itemText(position))
        position = -1;
    ChannelRecord record = m_state.record();
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
    QComboBox* list = m_controls.shift;
    int position = list->currentIndex();
    if (position >= 0 && list->isEditable() && list->currentText() != list->itemText(position))
        position = -1;
    if (position < 0 || position > static_cast<int>(Shift::Plus))
        return;
    const auto shift = static_cast<Shift>(position);
    MemoryEdit edit = m_state.edit();
    if (edit.record().shift() == shift)
        return;
    edit.changeShift(shift, usualRepeaterOffset(radioOf(m_state.store), edit.record().rxFrequency()));
    redisplay();
}

} // namespace ft817
