#include "image/radio_model.h"

#include "text/text_format.h"

#include <algorithm>
#include <numeric>

namespace ft817 {
namespace {

// The first blocks of a model with 15 or 16 band records per VFO (blocks 3
// and 5 hold the records after the eighth), then the forty blocks of memory
// channels, then the tail.
std::vector<int> lengths(int vfoBandRecords, std::initializer_list<int> tail)
{
    constexpr int kRecord = 26;
    const int secondBandBlock = (vfoBandRecords - 8) * kRecord;
    std::vector<int> result = {2, 40, 8 * kRecord, secondBandBlock, 8 * kRecord, secondBandBlock, 198, 53};
    result.insert(result.end(), 40, 130);
    result.insert(result.end(), tail);
    return result;
}

std::string listInWords(auto field)
{
    std::vector<std::string> names;
    for (const RadioModel& model : knownRadioModels())
        names.emplace_back(field(model));
    return orList(names);
}

} // namespace

int RadioModel::cloneBytes() const
{
    // Each block carries a number byte and a checksum beside its payload.
    return std::accumulate(payloadLengths.begin(), payloadLengths.end(), 0) + 2 * blockCount();
}

const std::vector<RadioModel>& knownRadioModels()
{
    // name, command-line name, payload lengths, band records per VFO, 60 m block,
    // emergency setting, 70 cm repeater offset, version bytes
    constexpr std::uint32_t kEurope = 760'000;
    constexpr std::uint32_t kUs = 500'000;
    static const std::vector<RadioModel> models = {
        {"FT-817", "ft817", lengths(15, {118, 118}), 15, 0, false, kEurope, {0xF8, 0xBF}},
        {"FT-817ND", "ft817nd", lengths(15, {118, 130}), 15, 0, false, kEurope, {0xD8, 0xBF}},
        {"FT-817ND (US)", "ft817nd-us", lengths(15, {118, 130, 130}), 15, 50, true, kUs, {0xCE, 0xBF}},
        {"FT-818", "ft818", lengths(16, {118, 130}), 16, 0, false, kEurope, {0xD8, 0xBF}},
        {"FT-818ND (US)", "ft818nd-us", lengths(16, {118, 130, 130}), 16, 50, true, kUs, {}},
    };
    return models;
}

const RadioModel* radioModelOf(std::span<const int> payloadLengths)
{
    for (const RadioModel& model : knownRadioModels()) {
        if (std::ranges::equal(model.payloadLengths, payloadLengths))
            return &model;
    }
    return nullptr;
}

std::vector<const RadioModel*> radioModelsStartingWith(std::span<const int> payloadLengths)
{
    std::vector<const RadioModel*> possible;
    for (const RadioModel& model : knownRadioModels()) {
        const auto& known = model.payloadLengths;
        if (payloadLengths.size() <= known.size() &&
            std::equal(payloadLengths.begin(), payloadLengths.end(), known.begin()))
            possible.push_back(&model);
    }
    return possible;
}

std::vector<const RadioModel*> longerModels(const RadioModel& radio)
{
    std::vector<const RadioModel*> longer = radioModelsStartingWith(radio.payloadLengths);
    std::erase_if(longer, [&](const RadioModel* model) { return model->blockCount() <= radio.blockCount(); });
    return longer;
}

const RadioModel* radioModelNamed(std::string_view commandName)
{
    for (const RadioModel& model : knownRadioModels())
        if (model.commandName == commandName)
            return &model;
    return nullptr;
}

std::uint32_t usualRepeaterOffset(const RadioModel* model, std::uint32_t receive)
{
    const auto within = [receive](std::uint32_t lowest, std::uint32_t highest) {
        return receive >= lowest && receive <= highest;
    };
    if (within(2'800'000, 2'970'000)) // 10 m
        return 10'000;
    if (within(14'400'000, 14'800'000)) // 2 m
        return 60'000;
    if (within(42'000'000, 45'000'000) && model) // 70 cm
        return model->uhfRepeaterOffset;
    return 0;
}

int smallestCloneBytes()
{
    int smallest = knownRadioModels().front().cloneBytes();
    for (const RadioModel& model : knownRadioModels())
        smallest = std::min(smallest, model.cloneBytes());
    return smallest;
}

std::string radioModelNames()
{
    return listInWords([](const RadioModel& model) { return model.name; });
}

std::string radioModelCommandNames()
{
    return listInWords([](const RadioModel& model) { return model.commandName; });
}

} // namespace ft817
