// Writes the fuzzer's seed corpus: small valid image files of real radios'
// layouts and a few edge shapes, into the folder named on the command line.

#include "image/block_store.h"
#include "platform/file_access.h"
#include "support/image_samples.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    using namespace ft817;
    using namespace ft817::test;
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_corpus FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    const std::vector<std::pair<std::string, Bytes>> seeds = {
        {"ft817_zero.img", imageFileFromPayloads(zeroPayloads(ft817PayloadLengths()))},
        {"ft817_sample.img", sampleMemoryImage()},
        {"ft818_pattern.img", imageFileFromPayloads(patternPayloads(ft818PayloadLengths(), 818))},
        {"ft817nd_us_pattern.img", imageFileFromPayloads(patternPayloads(ft817ndUsPayloadLengths(), 7))},
        {"three_blocks.img", imageFileFromPayloads(patternPayloads({2, 40, 208}, 3))},
        {"one_block.img", imageFileFromPayloads(patternPayloads({1}, 1))},
        {"forty_eight_small.img", imageFileFromPayloads(patternPayloads(std::vector<int>(48, 1), 48))},
    };
    for (const auto& [name, bytes] : seeds) {
        auto written = writeWholeFile(folder + "/" + name, bytes);
        if (!written) {
            std::fprintf(stderr, "make_corpus: %s\n", written.error().full().c_str());
            return 1;
        }
    }
    return 0;
}
