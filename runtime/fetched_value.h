// Checks of the values a fetch left in bound buffers. Drivers differ in what
// they do with a value that does not fit (some cut it or turn it into 0
// without a word), so numbers are fetched as text and parsed here, and the
// length word of every character value is compared with its buffer.
#pragma once

#include <sql.h>
#include <sqlext.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/return_code.h"

namespace fetched {

// Message number of a value that does not fit its field (domain 2).
constexpr int32_t kValueMisfit = 3150;
// Bytes of the text buffer that receives a number (sign, 20 digits, room to spare).
constexpr size_t kNumberTextSize = 48;

// Why a character value does not fit a buffer with room for `room` bytes
// before the terminator; empty when it fits.
std::wstring textMisfit(SQLLEN lengthWord, size_t room);
// The same for a binary value and a buffer of `room` bytes.
std::wstring binaryMisfit(SQLLEN lengthWord, size_t room);
// True when a character or binary value fits (both misfits above are empty).
bool bytesFit(SQLLEN lengthWord, size_t room);

// Why a number fetched as text is not an integer in [min, max]; empty when
// it is (optional blanks around an optional sign and decimal digits).
std::wstring integerMisfit(std::string_view text, int64_t min, int64_t max);
// The integer of a text that integerMisfit accepted (0 otherwise).
int64_t integerOf(std::string_view text);

// The text of a terminated character buffer of `room` bytes (terminator
// excluded) as its length word gives it.
std::string_view textOf(const char* data, size_t room, SQLLEN lengthWord);

// The failure of a value that does not fit: code kValueMisfit in domain 2,
// tokens table, column, the row's identifier and the reason.
HQRC misfit(const HQSTRING& location, const HQSTRING& table, const HQSTRING& column,
            const HQSTRING& rowId, const std::wstring& reason);

// One fetched buffer kept as bytes: appends the length word and the bytes a
// reader can see of the buffer (`used`) to image.
void saveBuffer(std::string& image, SQLLEN lengthWord, std::string_view used);
// Reads back what saveBuffer appended at the front of image (and consumes
// it): the length word, and the bytes into a buffer of `size` bytes, a zero
// byte after them when there is room. False when the image holds no such
// entry or its bytes do not fit.
bool restoreBuffer(std::string_view& image, SQLLEN& lengthWord, char* buffer, size_t size);

} // namespace fetched
