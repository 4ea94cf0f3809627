// Tag vocabulary: the words of the tag language for object types, relation
// types and properties, and the two tables that map object-type and
// relation-type numbers to those words.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "dictionary/object_type.h"
#include "runtime/hq_string.h"

namespace tagvocab_detail {
struct TypeRow {
    std::wstring_view name;
    int32_t number;
};
struct RelRow {
    std::wstring_view name;
    int32_t number;
    DIRObjectType sourceType; // object type on the source side of the relation
};
} // namespace tagvocab_detail

// Object and relation tag words.
inline constexpr std::wstring_view qrtsavu_tag = L"QRTSAVU";
inline constexpr std::wstring_view qrtbvali_tag = L"QRTBVALI";
inline constexpr std::wstring_view qrtsched_tag = L"QRTSCHED";
inline constexpr std::wstring_view database_tag = L"DATABASE";
inline constexpr std::wstring_view table_tag = L"TABLES";
inline constexpr std::wstring_view column_tag = L"COLUMN";
inline constexpr std::wstring_view qrtatlnk_tag = L"QRTATLNK";
inline constexpr std::wstring_view qrtbvmap_tag = L"QRTBVMAP";
inline constexpr std::wstring_view qrtaggrf_tag = L"QRTAGGRF";
inline constexpr std::wstring_view qrtufunc_tag = L"QRTUFUNC";
inline constexpr std::wstring_view qrtscgrp_tag = L"QRTSCGRP";
inline constexpr std::wstring_view qrtuser_tag = L"QRTUSER";
inline constexpr std::wstring_view qrtudpgr_tag = L"QRTUDPGR";
inline constexpr std::wstring_view qrtparm_tag = L"QRTPARM";
inline constexpr std::wstring_view qrtsubj_tag = L"QRTSUBJ";
inline constexpr std::wstring_view qrtpkey_tag = L"QRTPKEY";
inline constexpr std::wstring_view qrtfkey_tag = L"QRTFKEY";
inline constexpr std::wstring_view qrtkymap_tag = L"QRTKYMAP";
inline constexpr std::wstring_view programs_tag = L"PROGRAMS";
inline constexpr std::wstring_view process_tag = L"PROCESS";
inline constexpr std::wstring_view starschm_tag = L"STARSCHM";
inline constexpr std::wstring_view correlnm_tag = L"CORRELNM";
inline constexpr std::wstring_view bvparent_tag = L"BVPARENT";
inline constexpr std::wstring_view bvouttbl_tag = L"BVOUTTBL";
inline constexpr std::wstring_view bvinptbl_tag = L"BVINPTBL";
inline constexpr std::wstring_view bvudpout_tag = L"BVUDPOUT";
inline constexpr std::wstring_view bvsrcir_tag = L"BVSRCIR";
inline constexpr std::wstring_view bvtarir_tag = L"BVTARIR";
inline constexpr std::wstring_view mapincol_tag = L"MAPINCOL";
inline constexpr std::wstring_view mapotcol_tag = L"MAPOTCOL";
inline constexpr std::wstring_view bvprebv_tag = L"BVPREBV";
inline constexpr std::wstring_view bvpostbv_tag = L"BVPOSTBV";
inline constexpr std::wstring_view bvfailbv_tag = L"BVFAILBV";
inline constexpr std::wstring_view scgsrcir_tag = L"SCGSRCIR";
inline constexpr std::wstring_view scgtarir_tag = L"SCGTARIR";
inline constexpr std::wstring_view mappcol_tag = L"MAPPCOL";
inline constexpr std::wstring_view mapfcol_tag = L"MAPFCOL";
inline constexpr std::wstring_view prpostbv_tag = L"PRPOSTBV";
inline constexpr std::wstring_view prfailbv_tag = L"PRFAILBV";
inline constexpr std::wstring_view bvntfysg_tag = L"BVNTFYSG";
// Further tag words that appear only in the type tables.
inline constexpr std::wstring_view qsaftabl_tag = L"QSAFTABL";
inline constexpr std::wstring_view hdxtable_tag = L"HDXTABLE";
inline constexpr std::wstring_view blobtabl_tag = L"BLOBTABL";
inline constexpr std::wstring_view qrtagent_tag = L"QRTAGENT";
inline constexpr std::wstring_view qrtprogf_tag = L"QRTPROGF";
inline constexpr std::wstring_view infogrps_tag = L"INFOGRPS";
inline constexpr std::wstring_view olapcube_tag = L"OLAPCUBE";
inline constexpr std::wstring_view atlattr1_tag = L"ATLATTR1";
inline constexpr std::wstring_view atlattr2_tag = L"ATLATTR2";

// Name written for a type number that has no tag word.
inline constexpr std::wstring_view none_typename = L"None";

// Property names, including the two flag values Y and N.
inline constexpr std::wstring_view Y_key = L"Y";
inline constexpr std::wstring_view N_key = L"N";
inline constexpr std::wstring_view DIRBname_key = L"NAME";
inline constexpr std::wstring_view qrtcmpos_key = L"QRTCMPOS";
inline constexpr std::wstring_view qrtconta_key = L"QRTCONTA";
inline constexpr std::wstring_view qrtselgn_key = L"QRTSELGN";
inline constexpr std::wstring_view qrtselst_key = L"QRTSELST";
inline constexpr std::wstring_view qrtrqsch_key = L"QRTRQSCH";
inline constexpr std::wstring_view qrtrqdat_key = L"QRTRQDAT";
inline constexpr std::wstring_view qrtrtryc_key = L"QRTRTRYC";
inline constexpr std::wstring_view qrtrtryi_key = L"QRTRTRYI";
inline constexpr std::wstring_view qrtexpop_key = L"QRTEXPOP";
inline constexpr std::wstring_view qrtbvtyp_key = L"QRTBVTYP";
inline constexpr std::wstring_view qrtsqlw_key = L"QRTSQLW";
inline constexpr std::wstring_view qrtdist_key = L"QRTDIST";
inline constexpr std::wstring_view qrtgroup_key = L"QRTGROUP";
inline constexpr std::wstring_view qrtaving_key = L"QRTAVING";
inline constexpr std::wstring_view qrtcomit_key = L"QRTCOMIT";
inline constexpr std::wstring_view hassched_key = L"HASSCHED";
inline constexpr std::wstring_view qrtcrows_key = L"QRTCROWS";
inline constexpr std::wstring_view qrtsqlfr_key = L"QRTSQLFR";
inline constexpr std::wstring_view qrtsqlen_key = L"QRTSQLEN";
inline constexpr std::wstring_view qrtsql_key = L"QRTSQL";
inline constexpr std::wstring_view schtype_key = L"SCHTYPE";
inline constexpr std::wstring_view schtime_key = L"SCHTIME";
inline constexpr std::wstring_view schdow_key = L"SCHDAYOW";
inline constexpr std::wstring_view schdom_key = L"SCHDAYOM";
inline constexpr std::wstring_view schmoy_key = L"SCHMONOY";
inline constexpr std::wstring_view schyear_key = L"SCHYEAR";
inline constexpr std::wstring_view schhour_key = L"SCHHOUR";
inline constexpr std::wstring_view schmin_key = L"SCHMIN";
inline constexpr std::wstring_view schsec_key = L"SCHSEC";
inline constexpr std::wstring_view schftype_key = L"SCHFTYPE";
inline constexpr std::wstring_view schdates_key = L"SCHDATES";
inline constexpr std::wstring_view schdays_key = L"SCHDAYS";
inline constexpr std::wstring_view schenddy_key = L"SCHENDDY";
inline constexpr std::wstring_view schendmn_key = L"SCHENDMN";
inline constexpr std::wstring_view schendyr_key = L"SCHENDYR";
inline constexpr std::wstring_view source_key = L"SOURCE";
inline constexpr std::wstring_view shrtdesc_key = L"SHRTDESC";
inline constexpr std::wstring_view longdesc_key = L"LONGDESC";
inline constexpr std::wstring_view dbtype_key = L"DBTYPE";
inline constexpr std::wstring_view iswh_key = L"ISWH";
inline constexpr std::wstring_view userid_key = L"USERID";
inline constexpr std::wstring_view contact_key = L"CONTACT";
inline constexpr std::wstring_view dbetype_key = L"DBETYPE";
inline constexpr std::wstring_view server_key = L"SERVER";
inline constexpr std::wstring_view codepage_key = L"CODEPAGE";
inline constexpr std::wstring_view useodbc_key = L"USEODBC";
inline constexpr std::wstring_view odbcstr_key = L"ODBCSTR";
inline constexpr std::wstring_view preaccmd_key = L"PREACCMD";
inline constexpr std::wstring_view postacmd_key = L"POSTACMD";
inline constexpr std::wstring_view retrycnt_key = L"RETRYCNT";
inline constexpr std::wstring_view retryint_key = L"RETRYINT";
inline constexpr std::wstring_view version_key = L"VERSION";
inline constexpr std::wstring_view dbmsserv_key = L"DBMSSERV";
inline constexpr std::wstring_view dbname_key = L"DBNAME";
inline constexpr std::wstring_view owner_key = L"OWNER";
inline constexpr std::wstring_view tables_key = L"TABLES";
inline constexpr std::wstring_view columns_key = L"COLUMNS";
inline constexpr std::wstring_view dfltdel_key = L"DFLTDEL";
inline constexpr std::wstring_view tblisbin_key = L"TBLISBIN";
inline constexpr std::wstring_view tblnamsp_key = L"TBLNAMSP";
inline constexpr std::wstring_view tblftype_key = L"TBLFTYPE";
inline constexpr std::wstring_view tbll1nam_key = L"TBLL1NAM";
inline constexpr std::wstring_view chardelm_key = L"CHARDELM";
inline constexpr std::wstring_view creatype_key = L"CREATYPE";
inline constexpr std::wstring_view tabview_key = L"TABVIEW";
inline constexpr std::wstring_view tabalias_key = L"TABALIAS";
inline constexpr std::wstring_view qrtdratn_key = L"QRTDRATN";
inline constexpr std::wstring_view qrtmaxed_key = L"QRTMAXED";
inline constexpr std::wstring_view qrtcrtar_key = L"QRTCRTAR";
inline constexpr std::wstring_view qrtcregn_key = L"QRTCREGN";
inline constexpr std::wstring_view qrtcreru_key = L"QRTCRERU";
inline constexpr std::wstring_view qrtgrant_key = L"QRTGRANT";
inline constexpr std::wstring_view tabcreat_key = L"TABCREAT";
inline constexpr std::wstring_view idsdim_key = L"IDSDIM";
inline constexpr std::wstring_view idsfact_key = L"IDSFACT";
inline constexpr std::wstring_view cdschema_key = L"CDSCHEMA";
inline constexpr std::wstring_view cdtabnam_key = L"CDTABNAM";
inline constexpr std::wstring_view beforimg_key = L"BEFORIMG";
inline constexpr std::wstring_view idsrepl_key = L"IDSREPL";
inline constexpr std::wstring_view namindex_key = L"NAMINDEX";
inline constexpr std::wstring_view parttbsp_key = L"PARTTBSP";
inline constexpr std::wstring_view dbnamm7r_key = L"DBNAMM7R";
inline constexpr std::wstring_view datatype_key = L"DATATYPE";
inline constexpr std::wstring_view length_key = L"LENGTH";
inline constexpr std::wstring_view scale_key = L"SCALE";
inline constexpr std::wstring_view nulls_key = L"NULLS";
inline constexpr std::wstring_view posno_key = L"POSNO";
inline constexpr std::wstring_view istext_key = L"ISTEXT";
inline constexpr std::wstring_view nativedt_key = L"NATIVEDT";
inline constexpr std::wstring_view offset_key = L"OFFSET";
inline constexpr std::wstring_view ordinal_key = L"ORDINAL";
inline constexpr std::wstring_view coltype_key = L"COLTYPE";
inline constexpr std::wstring_view edtncol_key = L"EDTNCOL";
inline constexpr std::wstring_view atltype_key = L"ATLTYPE";
inline constexpr std::wstring_view atldirid_key = L"ATLDIRID";
inline constexpr std::wstring_view atloprx_key = L"ATLOPRX";
inline constexpr std::wstring_view atlrowx_key = L"ATLROWX";
inline constexpr std::wstring_view mapbvnam_key = L"MAPBVNAM";
inline constexpr std::wstring_view mapseqno_key = L"MAPSEQNO";
inline constexpr std::wstring_view maptype_key = L"MAPTYPE";
inline constexpr std::wstring_view mapexpr_key = L"MAPEXPR";
inline constexpr std::wstring_view transnam_key = L"TRANSNAM";
inline constexpr std::wstring_view attr1flg_key = L"ATTR1FLG";
inline constexpr std::wstring_view attr2flg_key = L"ATTR2FLG";
inline constexpr std::wstring_view usrid_key = L"USRID";
inline constexpr std::wstring_view pgrtype_key = L"PGRTYPE";
inline constexpr std::wstring_view pgmname_key = L"PGMNAME";
inline constexpr std::wstring_view pgmtype_key = L"PGMTYPE";
inline constexpr std::wstring_view pgmfcnam_key = L"PGMFCNAM";
inline constexpr std::wstring_view pgmdesc_key = L"PGMDESC";
inline constexpr std::wstring_view pgmconta_key = L"PGMCONTA";
inline constexpr std::wstring_view pgmbean_key = L"PGMBEAN";
inline constexpr std::wstring_view pgmunkey_key = L"PGMUNKEY";
inline constexpr std::wstring_view prmorder_key = L"PRMORDER";
inline constexpr std::wstring_view prmdata_key = L"PRMDATA";
inline constexpr std::wstring_view prmid_key = L"PRMID";
inline constexpr std::wstring_view prmtype_key = L"PRMTYPE";
inline constexpr std::wstring_view agtusrid_key = L"AGTUSRID";
inline constexpr std::wstring_view agthost_key = L"AGTHOST";
inline constexpr std::wstring_view agtostyp_key = L"AGTOSTYP";
inline constexpr std::wstring_view agtmodnm_key = L"AGTMODNM";
inline constexpr std::wstring_view url_key = L"URL";
inline constexpr std::wstring_view keyid_key = L"KEYID";
inline constexpr std::wstring_view mapid_key = L"MAPID";
inline constexpr std::wstring_view prctype_key = L"PRCTYPE";
inline constexpr std::wstring_view hostdbnm_key = L"HOSTDBNM";

// Punctuation of property text.
inline constexpr std::wstring_view l_paren = L"(";
inline constexpr std::wstring_view r_paren = L")";
inline constexpr std::wstring_view ql_paren = L"'('";
inline constexpr std::wstring_view qr_paren = L"')'";
inline constexpr std::wstring_view r_parenSpace = L") ";

// Object types: tag word <-> object-type number of the metadata model.
class NameNType {
public:
    using Row = tagvocab_detail::TypeRow;
    // One row per tag word of the object-type table
    // (dictionary/object_types.def), in type order; of the words of one type
    // the first is the one written.
    static const std::span<const Row> objMap;

    // Number of the first row named exactly typeName; 0 when there is none.
    static int32_t objTypeFromTypeName(const HQSTRING& typeName);
    // Name of the first row with that number; "None" when there is none.
    static std::wstring_view objTypeToTypeName(int32_t objType);
};

// Relation types: tag word <-> relation-type number (129..148; 128 = none),
// and the object type on the source side of each relation type.
class NameNType2 {
public:
    enum relobjType : int32_t {
        noRelType = 128,
        BVParent = 129,
        BVOutTbl = 130,
        BVInpTbl = 131,
        BVUdpOut = 132,
        BVPreBV = 133,
        BVPostBV = 134,
        BVFailBV = 135,
        BVNtfySG = 136,
        MapInCol = 137,
        MapOtCol = 138,
        SCGSrcIR = 139,
        SCGTarIR = 140,
        ATLAttr1 = 141,
        ATLAttr2 = 142,
        MapPCol = 143,
        MapFCol = 144,
        BVSrcIR = 145,
        BVTarIR = 146,
        PRPostBV = 147,
        PRFailBV = 148,
    };

    using Row = tagvocab_detail::RelRow;
    static const std::array<Row, 20> objMap2;

    // Number of the first row named exactly relName; 128 when there is none.
    static int32_t relobjTypeFromTypeName(const HQSTRING& relName);
    // Name of the first row with that number; "None" when there is none.
    static std::wstring_view relobjTypeToTypeName(int32_t relType);
    // Object type on the source side of the relation type; 0 when unknown.
    static int32_t DIRBaseFromRelType(int32_t relType);
};
