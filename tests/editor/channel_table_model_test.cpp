// A few hundred random actions in the channel list (cell edits of channels
// and of special memories, moves, inserts, fills, deletes, pastes, undo,
// redo) on memories like every model's real radios send: after each one the
// bits no column owns travel with their records, the special memories keep
// theirs in place (and the 60 m channels their frequencies and mode), every
// byte outside the records and bitmaps is as loaded, and undoing everything
// gives the loaded image byte for byte.

#include "editor/channel_list_window.h"
#include "editor/channel_table_model.h"
#include "editor/edit_history.h"
#include "exchange/channel_clipboard.h"
#include "image/channel_record.h"
#include "image/channel_rows.h"
#include "image/image_file.h"
#include "image/memory_map.h"
#include "image/special_memories.h"
#include "sim/default_memory.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTableView>
#include <QUndoStack>
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace ft817 {
namespace {

// Bits of each record byte that no column of the list writes (the band
// codes in byte 1 bits 2-0 and byte 5 bits 2-0 follow the frequencies; the
// narrow bits 4-3 of byte 1 the Mode column, bits 7-5 the shift; byte 2 bits 7, 5, 4 are Skip,
// IPO, ATT; byte 3 the tuning steps; the tone and code numbers bits 5-0 of
// byte 6 and 6-0 of byte 7).
constexpr std::array<std::uint8_t, kRecordSize> kUnownedBits = {
    0x38, 0x00, 0x4F, 0x00, 0xFC, 0xC0, 0xC0, 0x80, 0xFF, 0xFF, 0, 0, 0,
    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0, 0, 0};

// The simulated radio's memory with every record's unowned bits and a few
// more channels filled from a seed, channel 200 sometimes free for inserts.
BlockStore realLookingMemory(sim::Model model, std::mt19937& random)
{
    const sim::Memory memory = sim::defaultMemory(model);
    BlockStore store = *BlockStore::load(*buildImageFile(memory.image, memory.blockLengths));
    for (int channel = 0; channel < kChannelCount; ++channel) {
        ChannelRecord record = ChannelRecord::forChannel(store, channel);
        for (int k = 0; k < kRecordSize; ++k)
            record.setByte(k, static_cast<std::uint8_t>((record.byte(k) & ~kUnownedBits[k]) |
                                                        (random() & kUnownedBits[k])));
        if (random() % 8 == 0)
            setChannelActive(store, channel, true);
    }
    for (const SpecialMemory& memory : specialMemoriesOf(store)) {
        ChannelRecord record(store, memory.where);
        for (int k = 0; k < kRecordSize; ++k)
            record.setByte(k, static_cast<std::uint8_t>((record.byte(k) & ~kUnownedBits[k]) |
                                                        (random() & kUnownedBits[k])));
    }
    if (random() % 2)
        setChannelActive(store, kChannelCount - 1, false);
    return store;
}

// Everything outside the channel and special records, the two bitmaps'
// channel bytes and the scan limits' in-use bits.
BlockStore withoutChannels(BlockStore store)
{
    for (const SpecialMemory& memory : specialMemoriesOf(store))
        for (int k = 0; k < kRecordSize; ++k)
            store.setByte(memory.where.index + k, memory.where.block, 0);
    for (const int index : {27, 53})
        store.setBits(index, 7, 0x03, 0);
    for (int channel = 0; channel < kChannelCount; ++channel) {
        const Location at = channelLocation(channel);
        for (int k = 0; k < kRecordSize; ++k)
            store.setByte(at.index + k, at.block, 0);
        for (const BitLocation bit : {activeBitLocation(channel), secondBitLocation(channel)})
            store.setByte(bit.index, bit.block, 0);
    }
    return store;
}

class ChannelListProperty : public ::testing::TestWithParam<std::uint32_t> {
protected:
    void SetUp() override
    {
        random.seed(GetParam());
        const sim::Model models[] = {sim::Model::FT817, sim::Model::FT817ND, sim::Model::FT817NDUS,
                                     sim::Model::FT818, sim::Model::FT818NDUS};
        store = realLookingMemory(models[GetParam() % 5], random);
        loaded = store;
        history = std::make_shared<EditHistory>();
        history->store() = store;
        list = std::make_unique<ChannelListWindow>(history);
        placeOf.resize(kChannelCount);
        std::iota(placeOf.begin(), placeOf.end(), 0);
        placesAtStep = {placeOf};
    }

    std::vector<int> someChannels()
    {
        std::vector<int> channels;
        const int first = static_cast<int>(random() % kChannelCount);
        const int count = 1 + static_cast<int>(random() % 4);
        for (int i = 0; i < count; ++i)
            channels.push_back(std::min(first + i * static_cast<int>(1 + random() % 2), kChannelCount - 1));
        return sortedChannels(channels);
    }

    void editCell() { editCellOf("ChannelTable"); }
    void editSpecialCell() { editCellOf("SpecialTable"); }

    void editCellOf(const char* tableName)
    {
        using M = ChannelTableModel;
        static const int columns[] = {M::Active, M::RxFrequency, M::Mode,     M::Step,     M::Shift,
                                      M::Offset, M::TxMode,      M::ToneMode, M::Tone,     M::DcsCode,
                                      M::Skip,   M::Ipo,         M::Att,      M::TagShown, M::Tag};
        static const char* frequencies[] = {"145.6125", "0.6", "7.05", "1.000001", "x", "42949.67296"};
        static const char* tags[] = {"RPT", "", "EIGHTCHR", "NINECHARS", "äöü"};
        const int column = columns[random() % std::size(columns)];
        // The table shows the channels in memory order: row n is channel n.
        QAbstractItemModel* model = list->findChild<QTableView*>(tableName)->model();
        const QModelIndex cell = model->index(static_cast<int>(random() % model->rowCount()), column);
        if (column == M::Active || column == M::TagShown || column == M::Skip || column == M::Ipo ||
            column == M::Att)
            model->setData(cell, random() % 2 ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
        else if (column == M::RxFrequency || column == M::Offset)
            model->setData(cell, frequencies[random() % std::size(frequencies)]);
        else if (column == M::Tag)
            model->setData(cell, QString::fromUtf8(tags[random() % std::size(tags)]));
        else
            model->setData(cell, static_cast<int>(random() % 110) - 2);
    }

    void paste()
    {
        std::string csv = copyChannelsCsv(history->store(), someChannels());
        if (random() % 4 == 0 && csv.find("FM") != std::string::npos)
            csv.replace(csv.find("FM"), 2, "XX");
        QApplication::clipboard()->setText(QString::fromStdString(csv));
        list->selectChannels(someChannels());
        list->pasteAtSelection();
    }

    // One random action; moves and inserts carry the records' places along.
    void act()
    {
        QUndoStack& stack = history->stack();
        const int before = stack.index();
        const std::vector<int> chosen = someChannels();
        std::vector<int> places = placeOf;
        lastAction = static_cast<int>(random() % 10);
        switch (lastAction) {
        case 0:
        case 1:
            editCell();
            break;
        case 2: {
            const int step = random() % 2 ? 1 : -1;
            list->selectChannels(chosen);
            list->moveSelected(step);
            std::vector<int> order = chosen;
            if (step > 0)
                std::reverse(order.begin(), order.end());
            for (const int channel : order)
                if (channel + step >= 0 && channel + step < kChannelCount) // else refused
                    std::swap(places[static_cast<std::size_t>(channel)],
                              places[static_cast<std::size_t>(channel + step)]);
            break;
        }
        case 3:
            list->selectChannels({chosen.front()});
            list->insertAtSelection();
            std::rotate(places.begin() + chosen.front(), places.end() - 1, places.end());
            break;
        case 4:
            list->selectChannels(chosen);
            list->findChild<QLineEdit*>("FillStart")->setText(random() % 2 ? "5.2585" : "42949.6");
            list->findChild<QLineEdit*>("FillStep")->setText("0.001");
            list->fillSelected();
            break;
        case 5:
            list->selectChannels(chosen);
            list->deleteSelected();
            break;
        case 6:
            paste();
            break;
        case 7:
            stack.undo();
            break;
        case 8:
            stack.redo();
            break;
        case 9:
            editSpecialCell();
            break;
        }
        const bool undoOrRedo = lastAction == 7 || lastAction == 8;
        if (!undoOrRedo && stack.index() > before) {
            placesAtStep.resize(static_cast<std::size_t>(before) + 1);
            placeOf = places;
            placesAtStep.push_back(placeOf);
        } else {
            placeOf = placesAtStep[static_cast<std::size_t>(stack.index())];
        }
    }

    void expectOnlyOwnedBitsChanged(int action)
    {
        const BlockStore& now = history->store();
        ASSERT_EQ(withoutChannels(now), withoutChannels(loaded)) << "after action " << action;
        for (int channel = 0; channel < kChannelCount; ++channel) {
            const auto is = ChannelRecordView::forChannel(now, channel).bytes();
            const auto was =
                ChannelRecordView::forChannel(loaded, placeOf[static_cast<std::size_t>(channel)]).bytes();
            for (int k = 0; k < kRecordSize; ++k)
                ASSERT_EQ(is[k] & kUnownedBits[k], was[k] & kUnownedBits[k])
                    << "channel " << channel + 1 << " byte " << k << " after action " << action << " of kind "
                    << lastAction;
        }
        for (const SpecialMemory& memory : specialMemoriesOf(now)) {
            const ChannelRecordView is(now, memory.where);
            const ChannelRecordView was(loaded, memory.where);
            for (int k = 0; k < kRecordSize; ++k)
                ASSERT_EQ(is.byte(k) & kUnownedBits[k], was.byte(k) & kUnownedBits[k])
                    << memory.name << " byte " << k << " after action " << action << " of kind "
                    << lastAction;
            if (memory.fixedByLaw()) {
                ASSERT_TRUE(is.rxFrequency() == was.rxFrequency() && is.mode() == was.mode() &&
                            is.txFrequency() == was.txFrequency() && is.shift() == was.shift())
                    << memory.name << " after action " << action;
            }
        }
    }

    std::mt19937 random;
    int lastAction = 0;
    BlockStore store;
    BlockStore loaded;
    std::shared_ptr<EditHistory> history;
    std::unique_ptr<ChannelListWindow> list;
    std::vector<int> placeOf;                   // channel -> the loaded channel whose record it holds
    std::vector<std::vector<int>> placesAtStep; // placeOf at each undo index
};

TEST_P(ChannelListProperty, UnownedBitsStayWithTheirRecordsAndUndoReturnsTheLoadedImage)
{
    for (int action = 0; action < 300; ++action) {
        act();
        expectOnlyOwnedBitsChanged(action);
        if (HasFatalFailure())
            return;
    }
    EXPECT_GT(history->stack().count(), 20);
    while (history->stack().canUndo())
        history->stack().undo();
    EXPECT_EQ(history->store(), loaded);
}

// Five seeds, one for each model's layout.
INSTANTIATE_TEST_SUITE_P(Seeds, ChannelListProperty, ::testing::Values(1u, 2u, 3u, 4u, 5u));

} // namespace
} // namespace ft817
