#pragma once
// Conversion between UTF-8 bytes and wide text (one wchar_t per code point).

#include <string>
#include <string_view>

namespace Vireo::Support {

// Decodes UTF-8. Bytes that are not valid UTF-8 (bad sequences, overlong forms,
// surrogates, code points above U+10FFFF) raise std::range_error("bad conversion").
std::wstring Utf8ToWide(std::string_view bytes);

// The offset of the first byte that is not part of valid UTF-8, or npos when all are.
std::size_t FindInvalidUtf8(std::string_view bytes);

// Encodes wide text as UTF-8. Characters that are no code point raise
// std::range_error("bad conversion").
std::string WideToUtf8(std::wstring_view text);

} // namespace Vireo::Support
