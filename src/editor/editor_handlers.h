#pragma once
// The memory editor's reactions to the person at the keyboard: stepping
// through the channels, ticking the flag boxes and the VFO boxes, and
// committing what was typed into the frequency, tone, DCS, tag and mode
// entries into the loaded image.
//
// Entries are committed, not bound: a text box stores its value when Enter is
// pressed in it and again when it loses the focus; a mode list stores its
// selection when it loses the focus. A focus loss counts when the focus goes
// to another control of the editor (by mouse, Tab, or a handler moving it);
// the focus leaving for a list's own popup or a context menu, or the whole
// window being deactivated, commits nothing, since the entry keeps its focus
// then. Check box states and texts that the program itself sets (the channel
// display, the tone boxes clearing each other) run no handler: the handlers
// listen to clicks, keys and focus changes only, and focus changes caused by
// the channel display hiding a box commit nothing.

#include "editor/editor_controls.h"
#include "image/channel_record.h"
#include "image/memory_map.h"

#include <QObject>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace ft817 {

class EditHistory;
class EditorDisplay;
struct EditorState;

class EditorHandlers : public QObject {
    Q_OBJECT
public:
    // Connects to the editor's controls. Each user action changes state's
    // image as one step of history, made by this object, and shows the result
    // through display. The controls, state, history and display must outlive
    // this object.
    EditorHandlers(const EditorControls& controls, EditorState& state, EditHistory& history,
                   EditorDisplay& display);
    ~EditorHandlers() override;

    // Shows channel (0..199) as typing its number into CHnum would.
    void showTypedChannel(int channel);
    // Shows the channel on show anew after the image changed elsewhere; no
    // handler runs and nothing is written.
    void showStoreChange();
    // Stores what is typed or chosen in the entry focused (a text box, a
    // mode or shift list) as its focus loss would, before the window is left.
    void commitEntry(QObject* focused);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class FrequencyBox { Rx, Tx };
    enum class NumberBox { Tone, Dcs };
    enum class ModeList { Mode, TxMode };

    bool ready() const;
    // Shows the channel on show again; focus changes it causes are not user actions.
    void redisplay();

    // Navigation.
    void stepChannel(int step);
    void takeTypedChannel();
    // Flag boxes (clicks only).
    void activeClicked();
    void splitClicked();
    void tagClicked();
    void toneModeClicked(QCheckBox* clicked, ToneMode mode);
    // VFO boxes (on gaining the focus).
    void selectVfoBox(Vfo vfo);
    // Entries.
    void commitFrequency(FrequencyBox which);
    void commitNumberBox(NumberBox which);
    void commitTag();
    void commitMode(ModeList which);
    void commitShift();

    // The undo step's name for an entry in a control.
    QString stepName(const QObject* watched) const;
    void onEnter(QObject* watched);
    void onFocusLost(QObject* watched);
    bool isListFocusLoss(QComboBox* list) const;

    const EditorControls m_controls;
    EditorState& m_state;
    EditHistory& m_history;
    EditorDisplay& m_display;
    bool m_displaying = false;
};

} // namespace ft817
