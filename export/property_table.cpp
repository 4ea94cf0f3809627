// Property lines, relation records, relation instances and checkpoints as the
// object exporters write them.
#include "export/property_table.h"


#include "export/tag_vocabulary.h"
#include "export/tag_writer.h"

namespace {

const HQSTRING indent(L"    ");

HQSTRING textOf(const PropertyValue& value) {
    if (const auto* text = std::get_if<HQSTRING>(&value)) {
        return *text;
    }
    return HQSTRING(std::to_wstring(std::get<long>(value)));
}

long numberOf(const PropertyValue& value) {
    if (const auto* number = std::get_if<long>(&value)) {
        return *number;
    }
    return leadingNumber(std::get<HQSTRING>(value));
}

} // namespace

HQRC endOfWalk(const HQRC& rc) {
    if (rc.code == 3142) {
        return HQRC(0, 0, DomainWhsSrv);
    }
    raiseIfFailed(rc);
    return rc;
}

void writeProperty(const HQSTRING& name, PropertyForm form, const PropertyValue& value) {
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
        text = std::to_wstring(numberOf(value));
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
    Tag_File::write_line(indent + name + L"(" + text + L")");
}

void writeKeyLines(const Euit_ParmList& keys) {
    for (size_t i = 0; i < keys.entries(); ++i) {
        Tag_File::write_line(indent + keys.at(i)->toString());
    }
}

void writeObjectHeader(int type) { export_objHeader(type); }

void writeObjectFooter(int type) { export_objFooter(type); }

void writeContain(int sourceType, const Euit_ParmList& sourceKeys, int targetType,
                  const Euit_ParmList& targetKeys) {
    export_relation(sourceType, sourceKeys, targetType, targetKeys, 1);
}

void writeLink(int sourceType, const Euit_ParmList& sourceKeys, int targetType,
               const Euit_ParmList& targetKeys) {
    export_relation(sourceType, sourceKeys, targetType, targetKeys, 0);
}

void writeRelationInstance(int relType, const Euit_ParmList& ownerKeys) {
    export_objHeader(relType);
    writeKeyLines(ownerKeys);
    export_objFooter(relType);
}

void writeCheckpoint() { Tag_File::write_chkpid(); }

long leadingNumber(const HQSTRING& text) {
    size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == L'-' || text[pos] == L'+')) {
        negative = text[pos] == L'-';
        ++pos;
    }
    long number = 0;
    for (; pos < text.size() && text[pos] >= L'0' && text[pos] <= L'9'; ++pos) {
        number = number * 10 + (text[pos] - L'0');
        if (number > 2147483647L) {
            number = 2147483647L; // the stored numbers are 32-bit
        }
    }
    return negative ? -number : number;
}
