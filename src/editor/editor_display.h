#pragma once
// What the memory editor shows of the loaded image: the lists of modes,
// shifts and VFO bands, the channel on show, and beside each number box what
// its number means to the radio.
//
// Showing sets check boxes, texts and list selections; none of that is a user
// action, and nothing here writes the image except the current-channel byte
// when a person steps to an active channel.

#include "editor/editor_controls.h"

namespace ft817 {

struct EditorState;

class EditorDisplay {
public:
    // Why a channel is shown: stepping to it (an active one becomes the
    // radio's current channel), Edit opening on it (the current-channel byte
    // already names it), or a change made elsewhere (the channel list, an undo).
    enum class Showing { Channel, Opening, Refresh };

    // Shows state in controls; both must outlive this object.
    EditorDisplay(const EditorControls& controls, EditorState& state);

    // Fills the mode, shift and VFO band lists from the loaded image and ticks
    // its selected VFO; Home is emptied.
    void fillLists();
    // Shows the channel on show from the loaded image, with its tone tooltips
    // and the meanings of its numbers; nothing before an image is loaded.
    void showChannel(Showing showing);
    // Puts the stored tone in hertz and the DCS code of the channel on show
    // into the tooltips of the CTCSS and DCS boxes (entry stays by number).
    void updateToneTooltips();
    // Beside each number box, what its number means to the radio: the
    // frequency in MHz (and whether the radio tunes it), the tone in hertz,
    // the DCS code; read from what the boxes hold now.
    void updateMeanings();

private:
    void showRecord(Showing showing);
    void showInactive();

    const EditorControls m_controls;
    EditorState& m_state;
};

} // namespace ft817
