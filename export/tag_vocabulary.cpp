// The object-type and relation-type tables of the tag vocabulary and their
// lookups.
#include "export/tag_vocabulary.h"

#include <algorithm>

const std::array<NameNType::Row, 28> NameNType::objMap = {{
    {qrtsavu_tag, 1},   {qrtbvali_tag, 2},  {qrtsched_tag, 3},  {database_tag, 4},
    {table_tag, 5},     {qsaftabl_tag, 5},  {hdxtable_tag, 5},  {blobtabl_tag, 5},
    {column_tag, 6},    {qrtatlnk_tag, 15}, {qrtbvmap_tag, 8},  {qrtaggrf_tag, 13},
    {qrtufunc_tag, 16}, {qrtscgrp_tag, 7},  {qrtuser_tag, 9},   {qrtagent_tag, 12},
    {qrtudpgr_tag, 19}, {qrtprogf_tag, 17}, {qrtparm_tag, 18},  {infogrps_tag, 26},
    {qrtpkey_tag, 23},  {qrtfkey_tag, 24},  {qrtkymap_tag, 25}, {process_tag, 29},
    {starschm_tag, 30}, {correlnm_tag, 32}, {olapcube_tag, 31}, {programs_tag, 0},
}};

const std::array<NameNType2::Row, 20> NameNType2::objMap2 = {{
    {bvparent_tag, BVParent, 1},  {bvouttbl_tag, BVOutTbl, 1}, {bvinptbl_tag, BVInpTbl, 1},
    {bvudpout_tag, BVUdpOut, 1},  {mapincol_tag, MapInCol, 8}, {mapotcol_tag, MapOtCol, 8},
    {bvprebv_tag, BVPreBV, 1},    {bvpostbv_tag, BVPostBV, 1}, {bvfailbv_tag, BVFailBV, 1},
    {scgsrcir_tag, SCGSrcIR, 7},  {scgtarir_tag, SCGTarIR, 7}, {atlattr1_tag, ATLAttr1, 15},
    {atlattr2_tag, ATLAttr2, 15}, {mappcol_tag, MapPCol, 25},  {mapfcol_tag, MapFCol, 25},
    {bvsrcir_tag, BVSrcIR, 1},    {bvtarir_tag, BVTarIR, 1},   {prpostbv_tag, PRPostBV, 29},
    {prfailbv_tag, PRFailBV, 29}, {bvntfysg_tag, BVNtfySG, 1},
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

HQSTRING NameNType::objTypeToTypeName(int32_t objType) {
    const auto row = findByNumber(objMap, objType);
    return HQSTRING(row == objMap.end() ? none_typename : row->name);
}

int32_t NameNType2::relobjTypeFromTypeName(const HQSTRING& relName) {
    const auto row = findByName(objMap2, relName);
    return row == objMap2.end() ? noRelType : row->number;
}

HQSTRING NameNType2::relobjTypeToTypeName(int32_t relType) {
    const auto row = findByNumber(objMap2, relType);
    return HQSTRING(row == objMap2.end() ? none_typename : row->name);
}

int32_t NameNType2::DIRBaseFromRelType(int32_t relType) {
    const auto row = findByNumber(objMap2, relType);
    return row == objMap2.end() ? 0 : row->sourceType;
}
