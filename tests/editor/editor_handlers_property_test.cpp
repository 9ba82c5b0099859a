// Whole-image guarantees of the editor's handlers: the typical road from the
// overview changes exactly the bytes it should, and a few hundred random user
// actions never touch a byte or bit that no control owns.

#include "handlers_fixture.h"

#include <map>
#include <random>
#include <set>

namespace ft817::test {
namespace {

// File offset of (block, index) in an image file written from store.
int fileOffset(const BlockStore& store, int block, int index)
{
    int offset = 0;
    for (int j = 0; j < block; ++j)
        offset += store.payloadLength(j) + 2;
    return offset + index;
}

int checksumOffset(const BlockStore& store, int block)
{
    return fileOffset(store, block, store.payloadLength(block) + 1);
}

TEST_F(HandlersTest, TypicalRoadChangesExactlyTheEnteredFields)
{
    image.setActive(9);
    image.setActive(11);
    image.setRecord(11, {0x05, 0x04, 0x12, 0x34, 0xF0, 0x05, 0x30, 0x2A, 0x55, 0x66, 0x00, 0x0A, 0xAE,
                         0x60, 0x00, 0x00, 0xEA, 0x60, 'R',  'P',  'T',  '1',  ' ',  ' ',  ' ',  ' '});
    image.setByte(kCurrentChannelByte, 9);
    const std::string path = image.writeTo(folder.file("road.bin"));
    const Bytes original = fileBytes(path);
    ASSERT_TRUE(window->edit(QString::fromStdString(path)).ok());
    presentAndActivate();

    click("Chup");
    click("Chup");
    EXPECT_EQ(box("CHnum")->text(), " 12");
    typeAndEnter("CHfreq", "14520000");
    click("CTCSSck");
    ASSERT_TRUE(shown("CTCSS"));
    typeAndEnter("CTCSS", "8");
    click("Done");
    EXPECT_TRUE(warnings.empty());

    const Bytes saved = fileBytes(path);
    ASSERT_EQ(saved.size(), original.size());
    const BlockStore& store = image.store;
    const Location record = channelLocation(11);
    std::map<int, std::uint8_t> expected = {
        {fileOffset(store, 7, 1), 11},
        {fileOffset(store, record.block, record.index + 4), 0xF1},
        {fileOffset(store, record.block, record.index + 6), 8},
        {fileOffset(store, record.block, record.index + 10), 0x00},
        {fileOffset(store, record.block, record.index + 11), 0xDD},
        {fileOffset(store, record.block, record.index + 12), 0x8E},
        {fileOffset(store, record.block, record.index + 13), 0xC0},
    };
    std::set<int> checksums = {checksumOffset(store, 7), checksumOffset(store, record.block)};
    for (std::size_t k = 0; k < saved.size(); ++k) {
        const int offset = static_cast<int>(k);
        if (checksums.count(offset))
            continue;
        const auto found = expected.find(offset);
        const std::uint8_t want = found == expected.end() ? original[k] : found->second;
        EXPECT_EQ(saved[k], want) << "file offset " << offset;
    }
    // The fresh checksums are those of the changed blocks.
    const Result<BlockStore> reloaded = BlockStore::load(saved);
    ASSERT_TRUE(reloaded.ok());
    EXPECT_EQ(*reloaded->toImageFile(), saved);
}

// The bits of each record byte that some control may change.
constexpr std::uint8_t kRecordMasks[kRecordSize] = {
    0x87, 0xE0, 0x00, 0x00, 0x03, 0x3F, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF,
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
};

// Every byte of store compared with original: only owned bits may differ, and
// a channel's second-bitmap bit changes only to follow its active bit.
void expectOnlyOwnedBitsChanged(const BlockStore& original, const BlockStore& store)
{
    ASSERT_EQ(store.blockLengths(), original.blockLengths());
    for (int block = 0; block < store.blockCount(); ++block) {
        for (int index = 0; index <= store.payloadLength(block); ++index) {
            const std::uint8_t was = original.byte(index, block);
            const std::uint8_t now = store.byte(index, block);
            std::uint8_t owned = 0;
            if (block == 1 && index == 1)
                owned = 0x01;
            else if (block == 7 && index == 1)
                owned = 0xFF;
            else if (block == 7 && index >= 2 && index <= 26)
                owned = 0xFF; // checked channel by channel below
            else if (block == 7 && index >= 28 && index <= 52)
                owned = 0xFF;
            else if (block >= 8 && block <= 47 && index >= 1 && index <= 130)
                owned = kRecordMasks[(index - 1) % kRecordSize];
            ASSERT_EQ(was & ~owned & 0xFF, now & ~owned & 0xFF) << "block " << block << " index " << index;
        }
    }
    for (int n = 0; n < kChannelCount; ++n) {
        const bool secondWas = isSecondBitSet(original, n);
        const bool secondNow = isSecondBitSet(store, n);
        if (secondWas != secondNow) {
            ASSERT_EQ(secondNow, isChannelActive(store, n)) << "channel " << n;
        }
    }
}

std::string randomText(std::mt19937& random)
{
    static const std::vector<std::string> pieces = {"0",  "1",  "2",   "5",   "7",     "9",  "12",
                                                    "49", "50", "103", "104", "144.5", ".",  "-",
                                                    "+",  " ",  "x",   "e",   "A",     "145"};
    std::uniform_int_distribution<int> count(0, 5);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::string text;
    for (int k = count(random); k > 0; --k)
        text += pieces[pick(random)];
    return text;
}

TEST_F(HandlersTest, RandomActionsNeverTouchBytesNoControlOwns)
{
    std::mt19937 random(817);
    std::uniform_int_distribution<int> byteValue(0, 255);
    std::vector<Bytes> payloads;
    for (int j = 0; j < image.store.blockCount(); ++j) {
        Bytes payload(static_cast<std::size_t>(image.store.payloadLength(j)));
        for (auto& b : payload)
            b = static_cast<std::uint8_t>(byteValue(random));
        payloads.push_back(std::move(payload));
    }
    image.store = *BlockStore::fromPayloads(payloads);
    const std::string path = image.writeTo(folder.file("random.bin"));
    const BlockStore original = *BlockStore::load(fileBytes(path));
    ASSERT_TRUE(window->edit(QString::fromStdString(path)).ok());
    presentAndActivate();

    const char* const flags[] = {"Chact", "Chsplit", "Tagck", "CTCSSck", "CTCSSmute", "DCSck"};
    const char* const boxes[] = {"CHnum", "CHfreq", "CHTfreq", "CTCSS", "DCS", "CHtext"};
    std::uniform_int_distribution<int> action(0, 9);
    std::uniform_int_distribution<int> flag(0, 5);
    std::uniform_int_distribution<int> boxPick(0, 5);
    std::uniform_int_distribution<int> position(-1, 8);
    std::uniform_int_distribution<int> coin(0, 1);
    for (int step = 0; step < 300; ++step) {
        SCOPED_TRACE(step);
        switch (action(random)) {
        case 0:
            click("Chup");
            break;
        case 1:
            click("Chdown");
            break;
        case 2:
            typeAndEnter("CHnum", QString::number(std::uniform_int_distribution<int>(-2, 205)(random)));
            break;
        case 3:
        case 4:
            click(flags[flag(random)]);
            break;
        case 5:
        case 6: {
            const char* name = boxes[boxPick(random)];
            if (!shown(name))
                break;
            type(name, QString::fromStdString(randomText(random)));
            if (coin(random))
                enter(name);
            break;
        }
        case 7: {
            const char* name = coin(random) ? "CHmode" : "CHTmode";
            if (!shown(name))
                break;
            choose(name, position(random));
            if (coin(random))
                QTest::keyClicks(list(name), "F");
            break;
        }
        case 8:
            named(coin(random) ? "VFOAck" : "VFOBck")->setFocus(Qt::TabFocusReason);
            break;
        case 9:
            QTest::keyClick(focused(), coin(random) ? Qt::Key_Tab : Qt::Key_Backtab);
            break;
        }
        const BlockStore& store = window->state().store;
        ASSERT_NO_FATAL_FAILURE(expectOnlyOwnedBitsChanged(original, store));
        const int checkedTones =
            check("CTCSSck")->isChecked() + check("CTCSSmute")->isChecked() + check("DCSck")->isChecked();
        ASSERT_LE(checkedTones, 1);
        ASSERT_GE(current(), 0);
        ASSERT_LT(current(), kChannelCount);
        ASSERT_EQ(check("VFOBck")->isChecked(), (store.byte(1, 1) & 1) == 1);
        ASSERT_NE(check("VFOAck")->isChecked(), check("VFOBck")->isChecked());
    }
    click("Done");
    ASSERT_TRUE(warnings.empty());
    const Result<BlockStore> saved = BlockStore::load(fileBytes(path));
    ASSERT_TRUE(saved.ok());
    EXPECT_TRUE(*saved == window->state().store);
    expectOnlyOwnedBitsChanged(original, *saved);
    // The actions did reach many records: a good share of the owned bytes changed.
    int changedRecords = 0;
    for (int n = 0; n < kChannelCount; ++n)
        changedRecords += ChannelRecordView::forChannel(original, n).bytes() !=
                          ChannelRecordView::forChannel(*saved, n).bytes();
    EXPECT_GE(changedRecords, 10);
}

} // namespace
} // namespace ft817::test
