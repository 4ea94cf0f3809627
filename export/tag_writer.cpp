// The framing of the tag file: header, footer, object records and relation
// records.
#include "export/tag_writer.h"

#include <string>

#include "export/export_error.h"
#include "export/tag_vocabulary.h"
#include "runtime/platform.h"

namespace {

HQSTRING fileName() {
    return HQSTRING(Tag_File::fn.data(), static_cast<size_t>(Tag_File::fn_len));
}

} // namespace

std::wstring_view tag_type_name(int32_t type) {
    const std::wstring_view name = NameNType::objTypeToTypeName(type);
    return name == none_typename ? NameNType2::relobjTypeToTypeName(type) : name;
}

HQSTRING tag_time_stamp() {
    char date[9] = {};
    char time[9] = {};
    hq::_strdate(date);
    hq::_strtime(time);
    return HQSTRING(std::string(date) + " " + time);
}

HQRC export_header(const HQSTRING& databaseName) {
    Tag_File::write_line(L":DISKCNTL.SEQUENCE( 1,-)");
    Tag_File::write_line(L":COMMENT.SYSTEM(V7.1.0)");
    Tag_File::write_line(comment_line);
    Tag_File::write_line(L":COMMENT. Nordbase 7.1 ");
    Tag_File::write_line({L":COMMENT. Source Database name: ", databaseName});
    Tag_File::write_line({L":COMMENT. Output File name: ", fileName()});
    Tag_File::write_line({L":COMMENT. Time: ", tag_time_stamp()});
    Tag_File::write_line(comment_line);
    return HQRC(0, 0, DomainWhsSrv);
}

void export_footer() {
    Tag_File::write_line(comment_line);
    Tag_File::write_line({L":COMMENT. End of Tag file: ", fileName()});
    Tag_File::write_line({L":COMMENT. Time:  ", tag_time_stamp()});
    Tag_File::write_line(comment_line);
}

void export_objtype() {
    Tag_File::write_line(comment_line);
}

void export_objHeader(int32_t type) {
    const std::wstring_view name = tag_type_name(type);
    Tag_File::write_line(comment_line);
    Tag_File::write_line({L":COMMENT.  Begin ", name, L" Instance"});
    Tag_File::write_line(comment_dot);
    Tag_File::write_line(objinst_action);
    Tag_File::write_line({L":OBJECT.TYPE(", name, L")"});
    Tag_File::write_line(instance_tag);
}

void export_objFooter(int32_t type) {
    const std::wstring_view name = tag_type_name(type);
    Tag_File::write_line(comment_dot);
    Tag_File::write_line({L":COMMENT.  End ", name, L" Instance"});
    Tag_File::write_line(comment_line);
}

namespace {
// The lead, each key in the form of Euit_ParmList::toString, then ")".
void writeKeysLine(std::wstring_view lead, const Euit_ParmList& keys) {
    Tag_File::write_part(lead);
    for (size_t i = 0; i < keys.entries(); ++i) {
        Tag_File::write_part(keys[i].get_parm_name());
        Tag_File::write_part(l_paren);
        Tag_File::write_part(keys[i].get_parm_value());
        Tag_File::write_part(r_parenSpace);
    }
    Tag_File::write_line(r_paren);
}
} // namespace

void export_relation(int32_t sourceType, const Euit_ParmList& sourceKeys, int32_t targetType,
                     const Euit_ParmList& targetKeys, int contain) {
    const std::wstring_view source = tag_type_name(sourceType);
    const std::wstring_view target = tag_type_name(targetType);
    if (source == none_typename || target == none_typename)
        throw tagHQRCset(13105, L"export_relation", HQSTRING(tagxobj_module));
    Tag_File::write_line(comment_line);
    Tag_File::write_line({L":COMMENT.  Relation: ", source, L" to ", target});
    Tag_File::write_line(comment_dot);
    Tag_File::write_line(relation_action);
    Tag_File::write_line({L":RELTYPE.TYPE(", contain != 0 ? L"CONTAIN" : L"LINK", L") SOURCETYPE(",
                          source, L") TARGETYPE(", target, L")"});
    Tag_File::write_line(instance_tag);
    writeKeysLine(sourcekey_lead, sourceKeys);
    writeKeysLine(targetkey_lead, targetKeys);
    Tag_File::write_line(comment_line);
}

void write_property(std::wstring_view name, std::wstring_view value) {
    Tag_File::write_line({indent_str, name, l_paren, value, r_paren});
}

void write_keys(const Euit_ParmList& keys) {
    for (size_t i = 0; i < keys.entries(); ++i)
        Tag_File::write_line(
            {indent_str, keys[i].get_parm_name(), l_paren, keys[i].get_parm_value(), r_parenSpace});
}

void export_relinstance(int32_t relType, const Euit_ParmList& ownerKeys) {
    export_objHeader(relType);
    write_keys(ownerKeys);
    export_objFooter(relType);
}
