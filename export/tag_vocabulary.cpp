// The object-type and relation-type tables of the tag vocabulary and their
// lookups.
#include "export/tag_vocabulary.h"

#include <algorithm>

namespace {

// The tag words of each object type, from the object-type table.
struct TypeWords {
    int32_t number;
    std::array<std::wstring_view, 4> words;
    size_t count;

    template <class... Words>
    constexpr TypeWords(int32_t type, Words... typeWords)
        : number(type), words{typeWords...}, count(sizeof...(Words)) {}
};

#define QRT_OBJECT_TYPE(number, name, cls, keys, ...) TypeWords(number __VA_OPT__(, ) __VA_ARGS__),
constexpr TypeWords kTypeWords[] = {
#include "dictionary/object_types.def"
};
#undef QRT_OBJECT_TYPE

constexpr size_t countWords() {
    size_t count = 0;
    for (const TypeWords& type : kTypeWords)
        count += type.count;
    return count;
}

constexpr std::array<NameNType::Row, countWords()> objectTypeRows() {
    std::array<NameNType::Row, countWords()> rows{};
    size_t next = 0;
    for (const TypeWords& type : kTypeWords)
        for (size_t i = 0; i < type.count; ++i)
            rows[next++] = {type.words[i], type.number};
    return rows;
}

constexpr auto kObjectTypeRows = objectTypeRows();

} // namespace

const std::span<const NameNType::Row> NameNType::objMap = kObjectTypeRows;

// Relation types and the object type on their source side.
const std::array<NameNType2::Row, 20> NameNType2::objMap2 = {{
    {bvparent_tag, BVParent, DIRObjectType::BusinessView},
    {bvouttbl_tag, BVOutTbl, DIRObjectType::BusinessView},
    {bvinptbl_tag, BVInpTbl, DIRObjectType::BusinessView},
    {bvudpout_tag, BVUdpOut, DIRObjectType::BusinessView},
    {mapincol_tag, MapInCol, DIRObjectType::Map},
    {mapotcol_tag, MapOtCol, DIRObjectType::Map},
    {bvprebv_tag, BVPreBV, DIRObjectType::BusinessView},
    {bvpostbv_tag, BVPostBV, DIRObjectType::BusinessView},
    {bvfailbv_tag, BVFailBV, DIRObjectType::BusinessView},
    {scgsrcir_tag, SCGSrcIR, DIRObjectType::SecurityGroup},
    {scgtarir_tag, SCGTarIR, DIRObjectType::SecurityGroup},
    {atlattr1_tag, ATLAttr1, DIRObjectType::AttributeLink},
    {atlattr2_tag, ATLAttr2, DIRObjectType::AttributeLink},
    {mappcol_tag, MapPCol, DIRObjectType::KeyMap},
    {mapfcol_tag, MapFCol, DIRObjectType::KeyMap},
    {bvsrcir_tag, BVSrcIR, DIRObjectType::BusinessView},
    {bvtarir_tag, BVTarIR, DIRObjectType::BusinessView},
    {prpostbv_tag, PRPostBV, DIRObjectType::Process},
    {prfailbv_tag, PRFailBV, DIRObjectType::Process},
    {bvntfysg_tag, BVNtfySG, DIRObjectType::BusinessView},
}};

namespace {

template <typename Table> auto findByName(const Table& table, std::wstring_view name) {
    return std::find_if(table.begin(), table.end(),
                        [name](const auto& row) { return row.name == name; });
}

template <typename Table> auto findByNumber(const Table& table, int32_t number) {
    return std::find_if(table.begin(), table.end(),
                        [number](const auto& row) { return row.number == number; });
}

} // namespace

int32_t NameNType::objTypeFromTypeName(const HQSTRING& typeName) {
    const auto row = findByName(objMap, typeName);
    return row == objMap.end() ? 0 : row->number;
}

std::wstring_view NameNType::objTypeToTypeName(int32_t objType) {
    const auto row = findByNumber(objMap, objType);
    return row == objMap.end() ? none_typename : row->name;
}

int32_t NameNType2::relobjTypeFromTypeName(const HQSTRING& relName) {
    const auto row = findByName(objMap2, relName);
    return row == objMap2.end() ? noRelType : row->number;
}

std::wstring_view NameNType2::relobjTypeToTypeName(int32_t relType) {
    const auto row = findByNumber(objMap2, relType);
    return row == objMap2.end() ? none_typename : row->name;
}

int32_t NameNType2::DIRBaseFromRelType(int32_t relType) {
    const auto row = findByNumber(objMap2, relType);
    return row == objMap2.end() ? 0 : static_cast<int32_t>(row->sourceType);
}
