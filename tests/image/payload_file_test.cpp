#include "image/payload_file.h"

#include "image/image_check.h"
#include "image/image_file.h"
#include "sim/default_memory.h"
#include "support/payload_samples.h"

#include <gtest/gtest.h>

namespace ft817 {
namespace {

// Each model's built-in memory as its image file and its payload file.
struct ModelFiles {
    std::string name;
    Bytes imageFile;
    Bytes payloadFile;
};

ModelFiles filesOf(sim::Model model)
{
    const sim::Memory memory = sim::defaultMemory(model);
    return {std::string(sim::modelLayout(model).name), *buildImageFile(memory.image, memory.blockLengths),
            test::payloadFileOf(memory.image, memory.blockLengths)};
}

Bytes joined(Bytes first, const Bytes& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

TEST(PayloadFile, EveryModelReadsAsItsImageFileWithOrWithoutATrailerAndWritesBack)
{
    const std::vector<std::size_t> lengths = {6509, 6521, 6651, 6573, 6703};
    for (const sim::Model model : sim::allModels()) {
        const ModelFiles files = filesOf(model);
        SCOPED_TRACE(files.name);
        EXPECT_EQ(files.payloadFile.size(), lengths[static_cast<std::size_t>(model.row())]);
        for (const Bytes& file :
             {files.payloadFile, joined(files.payloadFile, test::toolTrailer(files.name))}) {
            const Result<MemoryFile> read = readMemoryBytes(file);
            ASSERT_TRUE(read.ok()) << read.error().full();
            ASSERT_NE(read->payloadRadio, nullptr);
            EXPECT_EQ(read->note(), "read as a payload file of model " + files.name);
            EXPECT_EQ(read->imageFile, files.imageFile);
            EXPECT_TRUE(checkImageFile(read->imageFile).wholeMemory());
            EXPECT_EQ(*payloadFileFromImage(read->imageFile), files.payloadFile);
        }
        const Result<MemoryFile> image = readMemoryBytes(files.imageFile);
        ASSERT_TRUE(image.ok());
        EXPECT_EQ(image->payloadRadio, nullptr);
        EXPECT_EQ(image->imageFile, files.imageFile);
    }
}

TEST(PayloadFile, ATrailerNamingAnotherModelIsRefusedWithBothNamed)
{
    const ModelFiles nd = filesOf(sim::Model::FT817ND);
    const Result<MemoryFile> read = readMemoryBytes(joined(nd.payloadFile, test::toolTrailer("FT-818")));
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.error().message,
              "the payload file's trailer names the FT-818, but its 6521 bytes of memory are an FT-817ND's");
    // A name with escape sequences or bytes that are not UTF-8 is shown escaped, and cut.
    const Result<MemoryFile> hostile = readMemoryBytes(
        joined(nd.payloadFile, test::toolTrailer("\x1b]0;owned\x07\xff" + std::string(500, 'X'))));
    ASSERT_FALSE(hostile.ok());
    EXPECT_EQ(hostile.error().message.find('\x1b'), std::string::npos);
    EXPECT_NE(hostile.error().message.find("names the \\x1B]0;owned\\x07\\xFFXXX"), std::string::npos)
        << hostile.error().message;
    EXPECT_LT(hostile.error().message.size(), 200u);
    // Spelt another way, the model is the same.
    EXPECT_TRUE(readMemoryBytes(joined(nd.payloadFile, test::toolTrailer("ft817nd"))).ok());
    EXPECT_TRUE(
        readMemoryBytes(joined(filesOf(sim::Model::FT818).payloadFile, test::toolTrailer("FT-818ND"))).ok());
}

TEST(PayloadFile, OtherLengthsAreRefusedWithTheKnownOnes)
{
    const std::string known =
        "a payload file holds 6509 bytes for an FT-817, 6521 for an FT-817ND, 6651 for an "
        "FT-817ND (US), 6573 for an FT-818 or 6703 for an FT-818ND (US)";
    const Result<MemoryFile> plain = readMemoryBytes(Bytes(6600, 0x11));
    ASSERT_FALSE(plain.ok());
    EXPECT_EQ(plain.error().message.rfind("not an image file: ", 0), 0u) << plain.error().message;
    EXPECT_NE(plain.error().message.find("nor a payload file: it is 6600 bytes long, where " + known),
              std::string::npos)
        << plain.error().message;

    // One byte short of an FT-817ND's memory, then a trailer.
    Bytes shortened = filesOf(sim::Model::FT817ND).payloadFile;
    shortened.pop_back();
    const Result<MemoryFile> trailed = readMemoryBytes(joined(shortened, test::toolTrailer("FT-817ND")));
    ASSERT_FALSE(trailed.ok());
    EXPECT_EQ(trailed.error().message,
              "not a payload file: its memory before the trailer is 6520 bytes long, where " + known);
}

TEST(PayloadFile, OnlyAWholeMemoryIsWrittenAsAPayloadFile)
{
    const sim::Memory memory = sim::defaultMemory(sim::Model::FT817);
    std::vector<int> cut(memory.blockLengths.begin(), memory.blockLengths.end() - 1);
    const Bytes cutImage(memory.image.begin(), memory.image.end() - memory.blockLengths.back());
    const Result<Bytes> written = payloadFileFromImage(*buildImageFile(cutImage, cut));
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.error().message.rfind("not a whole memory of a known radio: ", 0), 0u)
        << written.error().message;
}

} // namespace
} // namespace ft817
