#pragma once
// A simulated radio on a pseudo-terminal for the real-time transfer tests, and
// the files a transfer writes, in a folder of their own.

#include "clone/download.h"
#include "clone_test_image.h"
#include "image/image_history.h"
#include "platform/clock.h"
#include "recording_sink.h"
#include "sim/simulated_radio.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace ft817::test {

// A radio that sends or takes these blocks.
inline sim::RadioOptions radioWith(sim::Mode mode, const std::vector<ByteList>& blocks)
{
    sim::RadioOptions options;
    options.mode = mode;
    options.image = joined(blocks);
    options.blockLengths = lengthsOf(blocks);
    // The tool clears its input right after opening the port; the radio
    // starts late enough that a busy machine cannot clear away block 0.
    options.startDelay = 0.25;
    return options;
}

class TransferEndToEnd : public testing::Test {
protected:
    // Starts the radio; the test fails at once if it cannot.
    void startRadio(const sim::RadioOptions& options)
    {
        radio = std::make_unique<sim::SimulatedRadio>(options);
        const Status started = radio->start();
        ASSERT_TRUE(started) << started.error().full();
    }

    TempDir dir;
    std::string path = dir.file("radio.bin");
    ImageHistory history{dir.file("history")};
    std::unique_ptr<sim::SimulatedRadio> radio;
    SteadyClock clock;
    QuietSink sink;
};

} // namespace ft817::test
