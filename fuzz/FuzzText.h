#pragma once
// Fuzz input as wide text: each byte one character, with an escape byte that widens the
// next two bytes into one character so that characters beyond Latin-1 are reached too.

#include <cstddef>
#include <cstdint>
#include <string>

inline std::wstring FuzzText(const std::uint8_t* data, std::size_t size)
{
    std::wstring text;
    text.reserve(size);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0xFE && i + 2 < size) {
            text.push_back(static_cast<wchar_t>((data[i + 1] << 8) | data[i + 2]) + 0x100);
            i += 2;
        } else {
            text.push_back(static_cast<wchar_t>(data[i]));
        }
    }
    return text;
}
