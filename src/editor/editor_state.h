#pragma once
// What the memory editor works on while it is open: the loaded clone image
// (BlockStore with its block lengths), the channel on show and where that
// channel's record lies (always found from the channel on show). Edit replaces it whole; the handlers change
// the store in place; Done writes the store out. Cancel leaves it as it is.

#include "editing/memory_edit.h"
#include "image/block_store.h"
#include "image/channel_record.h"
#include "image/memory_map.h"

#include <algorithm>

namespace ft817 {

struct EditorState {
    // The loaded image, which the edit history keeps; empty until the first successful Edit.
    BlockStore& store;
    // Channel on show, 0..199 (the user sees its number + 1).
    int currentChannel = 0;

    // True once an image has been loaded.
    bool loaded() const { return store.blockCount() > 0; }
    // Where the record of the channel on show lies: block and index of its byte 0.
    Location recordLocation() const
    {
        return channelLocation(std::clamp(currentChannel, 0, kChannelCount - 1));
    }
    // The record of the channel on show, for the design's own byte writers.
    ChannelRecord record() { return ChannelRecord(store, recordLocation()); }
    // The channel on show through the memory edits every other window writes through.
    MemoryEdit edit()
    {
        return MemoryEdit(store, EditTarget::ofChannel(std::clamp(currentChannel, 0, kChannelCount - 1)));
    }
    // The record of the channel on show, read-only.
    ChannelRecordView recordView() const { return ChannelRecordView(store, recordLocation()); }
};

} // namespace ft817
