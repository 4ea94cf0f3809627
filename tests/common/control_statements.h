// Statements in the form the object model sends them (the control database's
// native dialect), for the tests of the dialect adaptation on each DBMS, and
// the objects of the control database they read.
#pragma once

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "dictionary/agent_site.h"
#include "dictionary/attribute.h"
#include "dictionary/business_view.h"
#include "dictionary/data_resource.h"
#include "dictionary/information_resource.h"
#include "runtime/odbc.h"
#include "tests/common/warehouse_builder.h"

namespace qrt_test {

inline const std::wstring kRelationRead = L"SELECT target_qrtid FROM QRT.RELATIONSHIP WHERE "
                                          L"relation_name = ? AND source_qrtid = ? FOR FETCH ONLY";
// A select with no extra columns and an empty condition: two blanks before FOR.
inline const std::wstring kBareSelect =
    L"SELECT qrtid, updated_by, update_ts, name, short_description "
    L"FROM QRT.AgentSite  FOR FETCH ONLY";
inline const std::wstring kAttributeRead =
    L"SELECT qrtid, updated_by, update_ts, name, short_description, isNull, offset, seqNo FROM "
    L"QRT.attribute WHERE isNull = 0 ORDER BY seqno FOR FETCH ONLY";
inline const std::wstring kStepRead =
    L"SELECT qrtid, updated_by, update_ts, name, short_description, "
    L"having FROM QRT.BusinessView  WHERE name = ? FOR FETCH ONLY";
inline const std::wstring kAgentSiteIntersect =
    L"SELECT qrtid, updated_by, update_ts, name, short_description FROM QRT.AgentSite where "
    L"qrtid in ((select source_qrtid from QRT.relationship where "
    L"relation_name='IR_TO_AgentSite' and target_qrtid = ?)INTERSECT (select source_qrtid from "
    L"QRT.relationship where relation_name='IR_TO_AgentSite' and target_qrtid = ?)) FOR FETCH "
    L"ONLY";

// The objects the statement cases read: two databases, the first with two
// tables and served by two agent sites, two columns, one step.
inline void addStatementObjects(WarehouseBuilder& w) {
    w.add<InformationResource>("IR00000001", L"SALES");
    w.add<InformationResource>("IR00000002", L"WAREHOUSE");
    w.add<DataResource>("DR00000001", L"S.ORDERS");
    w.add<DataResource>("DR00000002", L"S.CUSTOMERS");
    w.add<AgentSite>("AS00000001", L"DEFAULT AGENT");
    w.add<AgentSite>("AS00000002", L"REMOTE AGENT");
    for (const auto& [id, name, isNull, offset, seqNo] :
         {std::tuple{"AT00000001", L"CUST_ID", 0, -1, 1}, {"AT00000002", L"CUST_NAME", 1, 10, 2}}) {
        w.add<Attribute>(id, name, [&](Attribute& column) {
            column.editFields().isNull = isNull;
            column.editFields().offset = offset;
            column.editFields().seqNo = seqNo;
        });
    }
    w.add<BusinessView>("BV00000001", L"LOAD_SALES",
                        [](BusinessView& step) { step.editFields().having = 1; });
    w.relate(rel::IR_TO_DR_Rel, "IR00000001", "DR00000001");
    w.relate(rel::IR_TO_DR_Rel, "IR00000001", "DR00000002");
    w.relate(rel::IR_TO_AgentSite, "AS00000001", "IR00000001");
    w.relate(rel::IR_TO_AgentSite, "AS00000001", "IR00000002");
    w.relate(rel::IR_TO_AgentSite, "AS00000002", "IR00000001");
}

// One statement with its parameter values and the sorted first column of the
// rows it must return from the test tables.
struct StatementCase {
    std::wstring statement;
    std::vector<std::string> params;
    std::vector<std::string> firstColumn;
};

inline const std::vector<StatementCase> kStatementCases{
    {kRelationRead, {"IR_TO_DR_Rel", "IR00000001"}, {"DR00000001", "DR00000002"}},
    {kBareSelect, {}, {"AS00000001", "AS00000002"}},
    {kAttributeRead, {}, {"AT00000001"}},
    {kStepRead, {"LOAD_SALES"}, {"BV00000001"}},
    {kAgentSiteIntersect, {"IR00000001", "IR00000002"}, {"AS00000001"}},
};

// Prepares and runs a statement through the layer with character parameters;
// returns the sorted first column, or the first failure in rc.
inline std::vector<std::string> firstColumnOf(HQOdbcConnect& connection,
                                              const std::wstring& statement,
                                              std::vector<std::string> params, HQRC& rc) {
    HQOdbcCursor cursor(&connection);
    rc = cursor.prepare(statement);
    for (size_t i = 0; rc.code == 0 && i < params.size(); ++i)
        rc = cursor.bindParameter(static_cast<SQLUSMALLINT>(i + 1), SQL_PARAM_INPUT, SQL_C_CHAR,
                                  SQL_VARCHAR, 80, 0, params[i].data(), 0, nullptr);
    char first[129] = {};
    SQLLEN length = 0;
    if (rc.code == 0)
        rc = cursor.bindCol(1, SQL_C_CHAR, first, sizeof first, &length);
    std::vector<std::string> rows;
    while (rc.code == 0 && cursor.fetch(rc))
        rows.emplace_back(first);
    std::sort(rows.begin(), rows.end());
    return rows;
}

} // namespace qrt_test
