#pragma once
// What the memory editor works on while it is open: the loaded clone image
// (BlockStore with its block lengths), the channel on show and where that
// channel's record lies. Edit replaces it whole; the handlers change the store
// in place; Done writes the store out. Cancel leaves it as it is.

#include "image/block_store.h"
#include "image/channel_record.h"
#include "image/memory_map.h"

namespace ft817 {

struct EditorState {
    // The loaded image; empty until the first successful Edit.
    BlockStore store;
    // Channel on show, 0..199 (the user sees its number + 1).
    int currentChannel = 0;
    // Block and index of byte 0 of the record of the channel on show.
    int recordBlock = 8;
    int recordOffset = 1;

    // True once an image has been loaded.
    bool loaded() const { return store.blockCount() > 0; }
    // Where the record of the channel on show lies.
    Location recordLocation() const { return Location{recordBlock, recordOffset}; }
    // The record of the channel on show, for reading and changing in place.
    ChannelRecord record() { return ChannelRecord(store, recordLocation()); }
    // The record of the channel on show, read-only.
    ChannelRecordView recordView() const { return ChannelRecordView(store, recordLocation()); }
};

} // namespace ft817
