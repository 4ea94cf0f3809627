// Test access to control databases through the command-line clients: runs
// the loader, the generator, sqlite3 and psql, and knows which control table
// holds the objects at each end of every relation.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace schema_test {

struct CommandResult {
    int status = -1;
    std::string output;
};

// Runs a shell command; standard output and standard error are captured.
inline CommandResult run(const std::string& command) {
    CommandResult result;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr)
        return result;
    char buf[4096];
    size_t n = 0;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0)
        result.output.append(buf, n);
    const int rc = pclose(pipe);
    result.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    return result;
}

inline std::string quoteShell(const std::string& s) {
    std::string q = "'";
    for (char c : s) {
        if (c == '\'')
            q += "'\\''";
        else
            q += c;
    }
    return q + "'";
}

inline std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        out.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

// A scratch folder of the build tree, emptied for each test that asks.
inline std::filesystem::path scratch(const std::string& name) {
    const std::filesystem::path dir = std::filesystem::path(QRT_BINARY_DIR) / "schema_tests" / name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

// The running test's name in lower case, without a parameter and at most 40
// characters: a suffix that gives each test folders and schemas of its own,
// so that tests can run side by side.
inline std::string testTag() {
    std::string tag;
    for (const char* c = ::testing::UnitTest::GetInstance()->current_test_info()->name();
         *c && *c != '/' && tag.size() < 40; ++c)
        tag += static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
    return tag;
}

inline const std::string kLoader = QRT_SOURCE_DIR "/tools/load_warehouse.sh";
inline const std::string kGenerator = QRT_STAGE_DIR "/bin/generate_warehouse";
inline const std::string kPgEnv =
    "PGHOST=" QRT_PG_HOST " PGPORT=" QRT_PG_PORT " PGUSER=" QRT_PG_USER
    " PGPASSWORD=" QRT_PG_PASSWORD " PGDATABASE=" QRT_PG_DB " ";

// One database reached through its command-line client. Queries are run with
// the control tables visible without a schema name.
class ControlDb {
public:
    static ControlDb sqlite(const std::filesystem::path& file) {
        return ControlDb(false, file.string());
    }
    static ControlDb postgres(const std::string& prefix) { return ControlDb(true, prefix); }

    bool isPostgres() const { return pg; }

    // Creates the schema and loads the given data files (none: the sample).
    CommandResult load(const std::vector<std::string>& dataFiles = {}) const {
        std::string cmd =
            (pg ? kPgEnv + kLoader + " postgres " : kLoader + " sqlite ") + quoteShell(target);
        for (const std::string& f : dataFiles)
            cmd += " " + quoteShell(f);
        return run(cmd);
    }

    // Runs SQL text; rows come back one a line, columns separated by '|'.
    CommandResult query(const std::string& sql) const {
        if (pg)
            return run(kPgEnv + "PGOPTIONS=" + quoteShell("-c search_path=" + target) +
                       " psql -X -q -tA -v ON_ERROR_STOP=1 -c " + quoteShell(sql));
        return run("sqlite3 -bail " + quoteShell(target) + " " + quoteShell(sql));
    }

    // Runs a script of statements and goes on after a failing one.
    CommandResult script(const std::string& sql) const {
        if (pg)
            return run("printf '%s' " + quoteShell(sql) + " | " + kPgEnv + "PGOPTIONS=" +
                       quoteShell("-c search_path=" + target) + " psql -X -q -tA -f -");
        return run("printf '%s' " + quoteShell(sql) + " | sqlite3 " + quoteShell(target));
    }

    long count(const std::string& sql) const {
        const CommandResult r = query(sql);
        if (r.status != 0)
            return -1;
        return std::stol(r.output);
    }

    // The tables of the control database with their columns in order, names
    // as the catalogue stores them.
    std::map<std::string, std::vector<std::string>> columns() const {
        std::map<std::string, std::vector<std::string>> result;
        const std::string sql =
            pg ? "SELECT table_name, column_name FROM information_schema.columns WHERE "
                 "table_schema = '" +
                     target + "' ORDER BY table_name, ordinal_position"
               : "SELECT m.name, p.name FROM sqlite_master m, pragma_table_info(m.name) p WHERE "
                 "m.type = 'table' ORDER BY m.name, p.cid";
        for (const std::string& line : lines(query(sql).output)) {
            const size_t bar = line.find('|');
            if (bar != std::string::npos)
                result[line.substr(0, bar)].push_back(line.substr(bar + 1));
        }
        return result;
    }

private:
    ControlDb(bool pg, std::string target) : pg(pg), target(std::move(target)) {}
    bool pg;
    std::string target;
};

struct RelationEnds {
    const char* sourceTable;
    const char* targetTable;
};

// The control table of the object at each end of every relation. Program
// definitions and program instances share the program table; primary and
// foreign keys share the key table.
inline const std::map<std::string, RelationEnds>& relationEnds() {
    static const std::map<std::string, RelationEnds> ends = {
        {"AttLink1_TO_Attr_Rel", {"attributelink", "Attribute"}},
        {"AttLink2_TO_Attr_Rel", {"attributelink", "Attribute"}},
        {"Attr_TO_FKeyMap_Rel", {"KeyMap", "Attribute"}},
        {"Attr_TO_PKeyMap_Rel", {"KeyMap", "Attribute"}},
        {"Attr_TO_MapIn_Rel", {"map", "Attribute"}},
        {"Attr_TO_MapOut_Rel", {"map", "Attribute"}},
        {"BVS_TO_CustCalender", {"BVSchedule", "CUSTCAL"}},
        {"BV_NOTIFY_GROUPS", {"BusinessView", "SecurityGroup"}},
        {"BV_NOTIFY_USERS", {"BusinessView", "HQUser"}},
        {"BV_PRECASCADE_TO_BV", {"BusinessView", "BusinessView"}},
        {"BV_POSTCASCADE_TO_BV", {"BusinessView", "BusinessView"}},
        {"BV_POSTCAS_TO_BVFAIL", {"BusinessView", "BusinessView"}},
        {"BV_TO_ChildBV", {"BusinessView", "BusinessView"}},
        {"BV_TO_AgentSite", {"AgentSite", "BusinessView"}},
        {"IR_TO_AgentSite", {"AgentSite", "inforesource"}},
        {"BV_TO_AggregFunc", {"BusinessView", "ProgFunc2"}},
        {"BV_TO_AttLink_Rel", {"attributelink", "BusinessView"}},
        {"BV_TO_BVAlias", {"BusinessView", "BVAlias"}},
        {"BV_TO_Correlation", {"BusinessView", "Correlation"}},
        {"BV_TO_Input_DR", {"BusinessView", "DataResource"}},
        {"BV_TO_Output_DR", {"BusinessView", "DataResource"}},
        {"BV_TO_UDPManagedDR", {"BusinessView", "DataResource"}},
        {"BV_TO_UDPManagedDRC", {"BusinessView", "DataResource"}},
        {"BV_TO_Map", {"map", "BusinessView"}},
        {"BV_TO_OLAPCube", {"BusinessView", "OLAPCube"}},
        {"BV_TO_Schedule", {"BusinessView", "BVSchedule"}},
        {"BV_TO_Security", {"BusinessView", "BVSecurity"}},
        {"BV_TO_SourceIR", {"BusinessView", "inforesource"}},
        {"BV_TO_TargetIR", {"BusinessView", "inforesource"}},
        {"BV_TO_TrigFunc", {"BusinessView", "ProgFunc2"}},
        {"BV_TO_TriggeredFrom", {"BusinessView", "ProgFunc2"}},
        {"BV_TO_TrigFromFail", {"BusinessView", "ProgFunc2"}},
        {"BV_TO_UpdateSG", {"BusinessView", "SecurityGroup"}},
        {"COLL_TO_BV", {"Subject", "BusinessView"}},
        {"COLL_TO_Process", {"Subject", "Process"}},
        {"COLL_TO_SG", {"Subject", "SecurityGroup"}},
        {"CustCal_TO_Date", {"CUSTCAL", "CALDATE"}},
        {"DR_TO_Attr_Rel", {"DataResource", "Attribute"}},
        {"DR_TO_Correlation", {"DataResource", "Correlation"}},
        {"DR_TO_ForeignKey_Rel", {"DataResource", "Key"}},
        {"DR_TO_PrimaryKey_Rel", {"DataResource", "Key"}},
        {"IR_TO_DR_Rel", {"inforesource", "DataResource"}},
        {"IR_TO_SecGR_Rel", {"inforesource", "SecurityGroup"}},
        {"IR_TO_SecGrTar_Rel", {"inforesource", "SecurityGroup"}},
        {"KeyMap_TO_PrimaryKey", {"KeyMap", "Key"}},
        {"KeyMap_TO_ForeignKey", {"KeyMap", "Key"}},
        {"PrimK_TO_ForeignK", {"Key", "Key"}},
        {"Process_TO_BV", {"Process", "BusinessView"}},
        {"Process_TO_BVPOSTCAS", {"Process", "BusinessView"}},
        {"Process_TO_BVPOSTCAF", {"Process", "BusinessView"}},
        {"Process_TO_BVSchedul", {"Process", "BVSchedule"}},
        {"Process_TO_DR", {"Process", "DataResource"}},
        {"Process_TO_SG", {"Process", "SecurityGroup"}},
        {"ProgParm_TO_ProgFunc", {"ProgFunc2", "ProgParm"}},
        {"ProgParm_TOAggreFunc", {"ProgFunc2", "ProgParm"}},
        {"ProgParm_TO_TrigFunc", {"ProgFunc2", "ProgParm"}},
        {"SecGrp_TO_BVSecurity", {"SecurityGroup", "BVSecurity"}},
        {"StarSchema_TO_AttLnk", {"attributelink", "StarSchema"}},
        {"StarSchema_TO_DR", {"StarSchema", "DataResource"}},
        {"StarSchema_TO_IR", {"StarSchema", "inforesource"}},
        {"UDP_TO_AgentSite", {"ProgFunc2", "AgentSite"}},
        {"UDP_TO_AggreFuncs", {"ProgFunc2", "ProgFunc2"}},
        {"UDP_TO_TrigFuncs", {"ProgFunc2", "ProgFunc2"}},
        {"UDP_TO_Grouping", {"ProgFunc2", "UDPGROUP"}},
        {"UDP_TO_ProgType", {"ProgFunc2", "PROGTYPE"}},
        {"UDP_TO_IR", {"ProgFunc2", "inforesource"}},
        {"User_TO_SecGr_Rel", {"HQUser", "SecurityGroup"}},
        {"UserFun_TO_SecGr_Rel", {"UserFunction", "SecurityGroup"}},
    };
    return ends;
}

// Describes every relationship row that does not fit: an unknown relation
// name, or an identifier with no row in the table of its end. Empty when the
// rows are consistent.
inline std::vector<std::string> relationshipFaults(const ControlDb& db) {
    std::vector<std::string> faults;
    std::string known;
    for (const auto& [name, ends] : relationEnds())
        known += (known.empty() ? "'" : ", '") + name + "'";
    for (const std::string& line :
         lines(db.query("SELECT DISTINCT relation_name FROM RELATIONSHIP WHERE relation_name "
                        "NOT IN (" +
                        known + ")")
                   .output))
        faults.push_back("unknown relation " + line);
    // one statement for all relations: each row of the union is one fault
    std::string sql;
    for (const auto& [name, ends] : relationEnds()) {
        for (const auto& [side, table] :
             {std::pair{"source", ends.sourceTable}, std::pair{"target", ends.targetTable}}) {
            if (!sql.empty())
                sql += " UNION ALL ";
            sql += "SELECT relation_name || ' " + std::string(side) + " ' || r." + side +
                   "_qrtid FROM RELATIONSHIP r WHERE relation_name = '" + name +
                   "' AND NOT EXISTS (SELECT 1 FROM " + table + " x WHERE x.qrtid = r." + side +
                   "_qrtid)";
        }
    }
    const CommandResult r = db.query(sql);
    if (r.status != 0)
        faults.push_back("query failed: " + r.output);
    else
        for (const std::string& line : lines(r.output))
            faults.push_back("dangling " + line);
    return faults;
}

// The object tables of the control database (those with the common columns).
inline std::vector<std::string> objectTables(const ControlDb& db) {
    std::vector<std::string> tables;
    for (const auto& [table, cols] : db.columns())
        if (!cols.empty() && cols[0] == "qrtid")
            tables.push_back(table);
    return tables;
}

} // namespace schema_test
