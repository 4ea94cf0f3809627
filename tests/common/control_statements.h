// Statements in the form the object model sends them (the control database's
// native dialect), for the tests of the dialect adaptation on each DBMS.
#pragma once

#include <string>

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

} // namespace qrt_test
