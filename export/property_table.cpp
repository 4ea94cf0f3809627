// Property lines in their forms, and the registration that begins every
// object record.
#include "export/property_table.h"

#include "export/export_registry.h"

namespace {

HQSTRING textOf(const PropertyValue& value) {
    if (const auto* text = std::get_if<HQSTRING>(&value)) {
        return *text;
    }
    return HQSTRING(std::to_wstring(std::get<long>(value)));
}

long numberOf(const PropertyValue& value) {
    const auto* number = std::get_if<long>(&value);
    return number ? *number : 0;
}

} // namespace

bool registerNew(DIRBase& object, Euit_ParmList& keys) {
    return Tag_ExpList::getInstance().addElem(&object, keys) == 0;
}

void writeProperty(std::wstring_view name, PropertyForm form, const PropertyValue& value) {
    HQSTRING text;
    switch (form) {
    case PropertyForm::Wrapped:
    case PropertyForm::WrappedIfNonEmpty:
        text = textOf(value);
        if (form == PropertyForm::WrappedIfNonEmpty && text.empty()) {
            return;
        }
        wrap_parens(text);
        break;
    case PropertyForm::Text:
    case PropertyForm::TextIfNonEmpty:
        text = textOf(value);
        if (form == PropertyForm::TextIfNonEmpty && text.empty()) {
            return;
        }
        break;
    case PropertyForm::Decimal:
        text = textOf(value);
        break;
    case PropertyForm::YesIfOne:
        text = HQSTRING(numberOf(value) == 1 ? Y_key : N_key);
        break;
    case PropertyForm::YesIfNonZero:
        text = HQSTRING(numberOf(value) != 0 ? Y_key : N_key);
        break;
    case PropertyForm::EachKey:
        return;
    }
    write_property(name, text);
}
