// The fixed framing of the tag file: file header and footer, object headers
// and footers, relation records, plus the property and key lines that the
// object exporters write between them. All output goes through Tag_File.
#pragma once

#include <cstdint>
#include <string_view>

#include "export/tag_file.h"
#include "export/tag_property.h"
#include "export/tag_vocabulary.h"
#include "runtime/hq_string.h"
#include "runtime/return_code.h"

// Fixed line texts of the framing.
inline constexpr std::wstring_view comment_line = L":COMMENT.------------------------------";
inline constexpr std::wstring_view comment_dot = L":COMMENT.";
inline constexpr std::wstring_view objinst_action = L":ACTION.OBJINST(MERGE)";
inline constexpr std::wstring_view relation_action = L":ACTION.RELATION(ADD)";
inline constexpr std::wstring_view instance_tag = L":INSTANCE.";
inline constexpr std::wstring_view sourcekey_lead = L"    SOURCEKEY(";
inline constexpr std::wstring_view targetkey_lead = L"    TARGETKEY(";
inline constexpr std::wstring_view indent_str = L"    ";

// A type as the tag file names it: an object type of the metadata model or a
// relation type. Exporters name types this way, never by their numbers.
class TagType {
public:
    constexpr TagType(DIRObjectType type) : number_(static_cast<int32_t>(type)) {}
    constexpr TagType(NameNType2::relobjType type) : number_(type) {}
    constexpr int32_t number() const { return number_; }

private:
    int32_t number_;
};

// Tag word of an object-type or relation-type number; "None" when neither
// table knows it.
std::wstring_view tag_type_name(int32_t type);

// "mm/dd/yy hh:mm:ss": the UTC date and the local time of day.
HQSTRING tag_time_stamp();

// File header (8 lines) naming the source database; always returns code 0.
HQRC export_header(const HQSTRING& databaseName);
// File footer (4 lines).
void export_footer();
// A comment line of 30 hyphens.
void export_objtype();
// Opens an object record of the given object or relation type.
void export_objHeader(int32_t type);
// Closes an object record.
void export_objFooter(int32_t type);
// One relation record between two key lists: CONTAIN when contain is non-zero,
// LINK otherwise. Throws 13105 (writing nothing) when a type has no tag word.
void export_relation(int32_t sourceType, const Euit_ParmList& sourceKeys, int32_t targetType,
                     const Euit_ParmList& targetKeys, int contain);

// "    NAME(value)": one property line of an object record. The value is
// written as given; callers wrap it (wrap_parens) where it needs protection.
void write_property(std::wstring_view name, std::wstring_view value);
// Each key as "    NAME(value) " (the key's text form), in list order.
void write_keys(const Euit_ParmList& keys);
// A relation instance: an object record of relation type relType whose
// properties are the owner's keys.
void export_relinstance(int32_t relType, const Euit_ParmList& ownerKeys);
