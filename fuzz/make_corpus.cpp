// Writes the fuzzers' seed corpora: small valid image files of real radios'
// layouts and a few edge shapes into the first folder named on the command
// line; CSV texts (an export of the sample memory and a few edge shapes) into
// the second, when one is named.

#include "exchange/csv_exchange.h"
#include "image/block_store.h"
#include "platform/file_access.h"
#include "support/image_samples.h"

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace ft817;
using Seeds = std::vector<std::pair<std::string, Bytes>>;

Seeds imageSeeds()
{
    using namespace ft817::test;
    return {
        {"ft817_zero.img", imageFileFromPayloads(zeroPayloads(ft817PayloadLengths()))},
        {"ft817_sample.img", sampleMemoryImage()},
        {"ft818_pattern.img", imageFileFromPayloads(patternPayloads(ft818PayloadLengths(), 818))},
        {"ft817nd_us_pattern.img", imageFileFromPayloads(patternPayloads(ft817ndUsPayloadLengths(), 7))},
        {"three_blocks.img", imageFileFromPayloads(patternPayloads({2, 40, 208}, 3))},
        {"one_block.img", imageFileFromPayloads(patternPayloads({1}, 1))},
        {"forty_eight_small.img", imageFileFromPayloads(patternPayloads(std::vector<int>(48, 1), 48))},
    };
}

Bytes bytesOf(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

Seeds csvSeeds()
{
    const std::string exported = exportChannelsCsv(*BlockStore::load(test::sampleMemoryImage()));
    const std::string header = exported.substr(0, exported.find('\n') + 1);
    return {
        {"sample_export.csv", bytesOf(exported)},
        {"one_split_row.csv",
         bytesOf(header +
                 "12,\"RPT, \"\"A\"\"\",145.500000,split,433.500000,TSQL,88.5,88.5,023,NN,FM,,,,,,\r\n")},
        {"byte_order_mark.csv", bytesOf("\xEF\xBB\xBF" + header + "1,,7.050000,,0.000000,,,,,,LSB,,,,,,\n")},
        {"quote_never_closed.csv", bytesOf(header + "3,\"open,145.0\n")},
    };
}

bool writeSeeds(const std::string& folder, const Seeds& seeds)
{
    for (const auto& [name, bytes] : seeds) {
        auto written = writeWholeFile(folder + "/" + name, bytes);
        if (!written) {
            std::fprintf(stderr, "make_corpus: %s\n", written.error().full().c_str());
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: make_corpus IMAGE_FOLDER [CSV_FOLDER]\n");
        return 2;
    }
    if (!writeSeeds(argv[1], imageSeeds()))
        return 1;
    if (argc == 3 && !writeSeeds(argv[2], csvSeeds()))
        return 1;
    return 0;
}
