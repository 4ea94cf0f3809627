// Property lines in their forms, and the registration that begins every
// object record.
#include "export/property_table.h"

#include <algorithm>
#include <charconv>

#include "export/export_registry.h"

namespace {

long numberOf(const PropertyValue& value) {
    const auto* number = std::get_if<long>(&value);
    return number ? *number : 0;
}

} // namespace

bool registerNew(DIRBase& object, Euit_ParmList& keys) {
    return Tag_ExpList::getInstance().addElem(&object, keys) == 0;
}

void writeProperty(std::wstring_view name, PropertyForm form, const PropertyValue& value) {
    // A text value is written from where it is held, a number from its
    // digits on the stack; a copy is made only for parentheses that wrapping
    // quotes.
    HQSTRING owned;
    std::wstring_view text;
    wchar_t digits[24]; // a number's text, the same as std::to_wstring's
    const auto valueText = [&] {
        if (const auto* text = std::get_if<HQSTRING>(&value))
            return std::wstring_view(*text);
        if (const auto* held = std::get_if<std::wstring_view>(&value))
            return *held;
        char bytes[24];
        const char* end = std::to_chars(bytes, bytes + sizeof bytes, std::get<long>(value)).ptr;
        std::copy(static_cast<const char*>(bytes), end, digits);
        return std::wstring_view(digits, static_cast<size_t>(end - bytes));
    };
    switch (form) {
    case PropertyForm::Wrapped:
    case PropertyForm::WrappedIfNonEmpty:
        text = valueText();
        if (form == PropertyForm::WrappedIfNonEmpty && text.empty()) {
            return;
        }
        if (text.find_first_of(L"()") != std::wstring_view::npos) {
            owned = HQSTRING(text);
            wrap_parens(owned);
            text = owned;
        }
        break;
    case PropertyForm::Text:
    case PropertyForm::TextIfNonEmpty:
        text = valueText();
        if (form == PropertyForm::TextIfNonEmpty && text.empty()) {
            return;
        }
        break;
    case PropertyForm::Decimal:
        text = valueText();
        break;
    case PropertyForm::YesIfOne:
        text = numberOf(value) == 1 ? Y_key : N_key;
        break;
    case PropertyForm::YesIfNonZero:
        text = numberOf(value) != 0 ? Y_key : N_key;
        break;
    case PropertyForm::EachKey:
        return;
    }
    write_property(name, text);
}
