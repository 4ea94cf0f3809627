// The password cipher of the control database and SecretText, the field type
// that holds a deciphered password inside a metadata object. A SecretText has
// no implicit conversion to text: its value leaves the object model only
// through the owning class's getPassword().
#pragma once

#include <string>
#include <string_view>

#include "runtime/hq_string.h"

// Text form (columns such as password, sitePassword): printable ASCII
// characters are shifted within the 94 printable characters by a
// position-dependent amount; every other byte is kept. Same length as the
// plain text, so the column sizes hold the same number of characters.
std::string encipherText(std::string_view plain);
std::string decipherText(std::string_view stored);
// Binary form (columns BinaryPassword, BinarySitePassword): each byte is
// combined by exclusive or with a position-dependent key byte.
std::string encipherBinary(std::string_view plain);
std::string decipherBinary(std::string_view stored);

class SecretText {
public:
    bool empty() const { return plain_.empty(); }
    void assign(const HQSTRING& plain) { plain_ = plain; }
    const HQSTRING& plainText() const { return plain_; }

private:
    HQSTRING plain_;
};
