#pragma once
// Payload files as other programming tools write them, for tests: the radio's
// memory bytes back to back, and the metadata trailer some tools put after them.

#include "platform/file_access.h"

#include <cstddef>
#include <string>
#include <vector>

namespace ft817::test {

// The payload file of a clone image cut into blocks of these lengths: each
// block without its number byte and checksum.
inline Bytes payloadFileOf(const Bytes& cloneImage, const std::vector<int>& blockLengths)
{
    Bytes payloads;
    std::size_t start = 0;
    for (const int length : blockLengths) {
        payloads.insert(payloads.end(), cloneImage.begin() + static_cast<long>(start) + 1,
                        cloneImage.begin() + static_cast<long>(start) + length - 1);
        start += static_cast<std::size_t>(length);
    }
    return payloads;
}

// The metadata trailer: 00 FF, "chirp", EE, "img", 00 01, then base64 of JSON
// naming the maker and the model.
inline Bytes toolTrailer(const std::string& model)
{
    const std::string json = "{\"vendor\": \"Yaesu\", \"model\": \"" + model + "\"}";
    const char* alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    Bytes trailer = {0x00, 0xFF, 'c', 'h', 'i', 'r', 'p', 0xEE, 'i', 'm', 'g', 0x00, 0x01};
    for (std::size_t i = 0; i < json.size(); i += 3) {
        unsigned group = 0;
        for (std::size_t j = 0; j < 3; ++j)
            group = group << 8 | (i + j < json.size() ? static_cast<unsigned char>(json[i + j]) : 0u);
        for (std::size_t j = 0; j < 4; ++j)
            trailer.push_back(j <= json.size() - i ? alphabet[(group >> (18 - 6 * j)) & 63] : '=');
    }
    return trailer;
}

} // namespace ft817::test
