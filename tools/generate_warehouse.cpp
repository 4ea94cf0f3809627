// Writes a synthetic warehouse of a requested size as SQL text for
// tools/load_warehouse.sh, and the matching export input file.
//
//   generate_warehouse [--seed=N] [--databases=N] [--tables=N] [--columns=N]
//                      [--objects=N] [--agents=N] [--groups=N] [--functions=N]
//                      [--processes=N] [--steps=N] [--large-sql=BYTES]
//                      [--programs=N] [--schemas=N] [--edge-blanks=0|1]
//                      SQLFILE INPUTFILE
//
// The warehouse holds databases (every third one a flat-file source, every
// third one a warehouse), their tables with columns, primary keys, foreign
// keys (to the previous table, to the table itself, to a table of another
// database) and key maps, agent sites, security groups with user
// functions, program groups with programs, parameters and instances
// (tools/generate_programs.h), steps over the tables (tools/generate_steps.h;
// --large-sql gives the first step binary SQL of that size), processes with
// their subjects, schedules and calendars (tools/generate_processes.h), and
// star schemas over the tables (tools/generate_schemas.h), all tied together
// by relationship rows. The input file names the databases, program groups,
// star schemas and processes. Names and texts are hostile on purpose: quotes,
// parentheses, blanks, dots in file names, non-ASCII letters, NULL columns and
// long descriptions spread over several string rows; --edge-blanks=0 gives no
// step a name with blanks at its ends (such a step stops an export with
// cascades). The same options and seed always give the same bytes.
// --objects=N chooses the number of tables per database so that the
// warehouse holds about N objects. SQLFILE "-" writes to standard output.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <iostream>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/database_types.h"
#include "tools/generate_processes.h"
#include "tools/generate_programs.h"
#include "tools/generate_schemas.h"
#include "tools/generate_steps.h"
#include "tools/warehouse_sql.h"

namespace {

using namespace warehouse_sql;

struct Options {
    uint64_t seed = 1;
    long databases = 3;
    long tables = 10;
    long columns = 8;
    long objects = 0;
    long agents = 4;
    long groups = 5;
    long functions = 8;
    long processes = 6;
    long steps = 10;
    long largeSql = 0;
    long programs = 12;
    long schemas = 4;
    long edgeBlanks = 1;
    std::string sqlFile;
    std::string inputFile;
};

// The identifiers of one table, assigned before anything is written so that
// foreign keys can refer to tables of databases written later.
struct TablePlan {
    std::string id;
    std::string pkId;
    std::vector<std::string> columnIds;
    std::vector<std::string> pkMapIds;
    std::string irName, schema, table, columnNamePrefix;
};

struct DatabasePlan {
    std::string id, name;
    int kind = 0; // 0 relational source, 1 flat-file source, 2 warehouse
    std::vector<TablePlan> tables;
};

// The database type and sub-type texts written in turn: every sub-type of the
// database-type table that has a text, flat files aside (they are written by
// kind below).
std::vector<std::pair<std::string, std::string>> nonFileTypes() {
    std::vector<std::pair<std::string, std::string>> texts;
    for (const DatabaseSubType& sub : dbtypes::subTypes())
        if (sub.text != nullptr && sub.type != 70)
            texts.emplace_back(wideToMultiByte(dbtypes::typeText(sub.type)),
                               wideToMultiByte(sub.text));
    return texts;
}

constexpr const char* kDatabaseNames[] = {"DB_%ld", "Données (%ld)", "O'Hara's DB %ld", "倉庫_%ld"};
constexpr const char* kSchemaNames[] = {"SCH%ld", "O'NEIL%ld", "ÄDMIN%ld"};
constexpr const char* kTableNames[] = {"T(%ld)", "ORDER'S_%ld", "KUNDE_Ü_%ld", "TAB_%ld",
                                       "Tab With Blanks %ld"};
constexpr const char* kFileNames[] = {"data.%ld.part%ld.csv", "price list (%ld).v%ld.txt",
                                      "köln.%ld.%ld.dat"};
constexpr const char* kColumnNames[] = {"COL_%ld", "AMOUNT(EUR)_%ld", "GRÖSSE_%ld", "\"Q\"_%ld",
                                        "it's_%ld"};
struct ColumnType {
    const char* native;
    const char* odbc;
    int precision;
    int scale;
    int isText;
};
constexpr ColumnType kColumnTypes[] = {
    {"INTEGER", "INTEGER", 10, 0, 1},       {"VARCHAR", "VARCHAR", 40, 0, 1},
    {"DECIMAL", "DECIMAL", 9, 2, 1},        {"CHAR", "CHAR", 8, 0, 1},
    {"TIMESTAMP", "TIMESTAMP", 26, 6, 1},   {"DATE", "DATE", 10, 0, 1},
    {"CLOB", "LONGVARCHAR", 1048576, 0, 1}, {"VARCHAR", "VARBINARY", 20, 0, 0},
};

class WarehouseWriter {
public:
    WarehouseWriter(const Options& opt, std::ostream& out)
        : opt(opt), rng(opt.seed), out(out),
          irRows(out, "inforesource",
                 "qrtid, updated_by, update_ts, name, short_description, dbName, dbType, "
                 "subdbType, userId, isWarehouse, defaultRetryIntrv, defaultRetryCount, "
                 "contact, location, useODBCConnectStr, ODBCConnectString, codePage, hostName, "
                 "preAccCmd, postAccCmd, encrypted, dbVersion, DELIMITER"),
          drRows(out, "DataResource",
                 "qrtid, updated_by, update_ts, name, short_description, IRName, fileType, "
                 "keyLoc, created, TypeofCreation, NordbaseTableNameSpace, BinaryFlag, "
                 "DIMENSION_TABLE, FACT_TABLE, FirstLineNames, charDelm, viewFlag, "
                 "largeSchemaName, largeTableName, persistentFlag, max_editions, "
                 "AutoGenCreateStmt, NordbaseTableNameIndex"),
          attrRows(out, "Attribute",
                   "qrtid, updated_by, update_ts, name, short_description, IRName, DRName, "
                   "nativeDataType, ODBCDataType, scale, precDigits, isText, \"isnull\", "
                   "\"offset\", seqNo, largeDRSchemaName, largeDRTableName, largeName, "
                   "ordinalNo, col_Type, isEditionCol"),
          keyRows(out, "Key",
                  "qrtid, updated_by, update_ts, name, short_description, IRName, DRName, "
                  "typeStr, needsAlter, largeDRSchemaName, largeDRTableName"),
          keyMapRows(out, "KeyMap",
                     "qrtid, updated_by, update_ts, name, short_description, orderNo"),
          siteRows(out, "AgentSite",
                   "qrtid, updated_by, update_ts, name, short_description, siteOS, siteHostName, "
                   "siteUserId, HQdefault, encrypted, contact, moduleName"),
          groupRows(out, "SecurityGroup",
                    "qrtid, updated_by, update_ts, name, short_description, HQdefault, contact"),
          functionRows(out, "UserFunction",
                       "qrtid, updated_by, update_ts, name, short_description"),
          relRows(out, "RELATIONSHIP", "relation_name, source_qrtid, target_qrtid"),
          textRows(out, "QRTSTRINGS", "name, qrtid, seqno, text"),
          configRows(out, "configuration",
                     "component, name, type, value_char, value_int, short_name"),
          programs(
              out, rng, [this] { return newId(); }, relRows, textRows),
          steps(
              out, rng, relRows, textRows, [this] { return newId(); }, opt.steps, opt.largeSql,
              opt.edgeBlanks != 0),
          processWriter(out, rng, processHooks()), schemas(opt.seed, opt.schemas, out) {}

    void write(std::ostream& input) {
        configRows.add({Value::text("DDD"), Value::text("DBTYPE"), Value::text("C"),
                        Value::text("Nordbase/6000"), Value::number(0), Value::text("")});
        configRows.add({Value::text("DDD"), Value::text("DBVERSION"), Value::text("C"),
                        Value::text("07.01.0000"), Value::number(0), Value::text("")});
        plan();
        writeSites();
        writeGroups();
        input << "<IR>\n";
        for (size_t d = 0; d < databases.size(); ++d) {
            writeDatabase(d);
            input << databases[d].name << '\n';
        }
        std::vector<std::string> databaseIds;
        for (const DatabasePlan& db : databases)
            databaseIds.push_back(db.id);
        programs.write(opt.programs, (opt.programs + 3) / 4, siteIds, databaseIds, input);
        for (const DatabasePlan& db : databases)
            for (const TablePlan& t : db.tables)
                steps.addTable(t.id, db.id, db.kind == 2, t.columnIds);
        steps.write(siteIds, groupIds, programs.instanceIds(), programs.notificationInstanceIds());
        ProcessMembers members;
        members.groups = groupIds;
        for (const DatabasePlan& db : databases)
            for (const TablePlan& tp : db.tables)
                members.tables.push_back(tp.id);
        members.steps = steps.ids();
        members.notificationSteps = steps.notificationIds();
        members.scheduledSteps = steps.scheduledIds();
        processWriter.write(opt.processes, members);
        schemas.write(
            databases, [this] { return newId(); }, input);
        processWriter.listProcesses(input);
    }

    long objectCount() const {
        return irRows.count() + drRows.count() + attrRows.count() + keyRows.count() +
               keyMapRows.count() + siteRows.count() + groupRows.count() + functionRows.count() +
               programs.objectCount() + steps.objectCount() + processWriter.objectCount() +
               schemas.objectCount();
    }
    long rowCount() const {
        return objectCount() + relationCount() + textCount() + configRows.count() +
               steps.binaryCount();
    }
    long relationCount() const { return relRows.count() + schemas.relationCount(); }
    long textCount() const { return textRows.count() + schemas.textCount(); }

private:
    std::string newId() { return format("%010ld", ++lastId); }
    Value stamp() {
        const long n = lastId;
        return Value::text(format("2024-%02ld-%02ld ", 1 + n % 12, 1 + n % 28) +
                           format("%02ld:%02ld:%02ld", n % 24, n % 60, (n / 60) % 60));
    }
    static Value admin() { return Value::text("GENERATOR"); }

    // A short description, NULL for one object in five.
    Value shortDescription(const std::string& what) {
        switch (rng.below(5)) {
        case 0:
            return Value::null();
        case 1:
            return Value::text(what + " (generated) 'as is'");
        case 2:
            return Value::text("Beschreibung: " + what + " – größer (a(b))");
        default:
            return Value::text(what);
        }
    }

    // A long description for one object in eight, over two to four rows.
    void longDescription(const char* key, const std::string& id, const std::string& what) {
        if (!rng.oneIn(8))
            return;
        static constexpr std::string_view pieces[] = {"Text with 'quotes' and (parentheses), ",
                                                      "ünïcödé – ‘typographic’ quotes; ",
                                                      "a line\nbreak, ",
                                                      "a close paren ) then an open one ( ",
                                                      "plain words ",
                                                      "\"double\" quotes, ",
                                                      "日本語のテキスト "};
        const int parts = 2 + static_cast<int>(rng.below(3));
        for (int p = 1; p <= parts; ++p) {
            std::string chunk = p == 1 ? "Long description of " + what + ": " : "";
            const uint32_t n = 3 + rng.below(40);
            for (uint32_t i = 0; i < n; ++i)
                chunk += pieces[rng.below(std::size(pieces))];
            textRows.add({Value::text(key), Value::text(id), Value::number(p), Value::text(chunk)});
        }
    }

    void relate(const char* relation, const std::string& source, const std::string& target) {
        relRows.add({Value::text(relation), Value::text(source), Value::text(target)});
    }

    ProcessHooks processHooks() {
        return {
            [this] { return newId(); },
            [this] { return stamp(); },
            [this](const std::string& what) { return shortDescription(what); },
            [this](const char* key, const std::string& id, const std::string& what) {
                longDescription(key, id, what);
            },
            [this](const char* relation, const std::string& source, const std::string& target) {
                relate(relation, source, target);
            },
            [this](const char* key, const std::string& id, long seqno, const std::string& text) {
                textRows.add(
                    {Value::text(key), Value::text(id), Value::number(seqno), Value::text(text)});
            }};
    }

    void plan() {
        long tables = opt.tables;
        if (opt.objects > 0) {
            // a table brings about its columns, a primary key with one or two
            // key maps and a foreign key with its map now and then
            const long perTable = opt.columns + 3;
            tables = std::max(1L, (opt.objects - opt.agents - opt.groups - opt.functions) /
                                      (opt.databases * perTable));
        }
        for (long d = 0; d < opt.databases; ++d) {
            DatabasePlan db;
            db.id = newId();
            db.kind = static_cast<int>(d % 3);
            db.name = format(kDatabaseNames[d % std::size(kDatabaseNames)], d);
            for (long t = 0; t < tables; ++t) {
                TablePlan tp;
                tp.id = newId();
                tp.irName = db.name;
                if (db.kind == 1) {
                    tp.table = format(kFileNames[t % std::size(kFileNames)], t, d);
                } else {
                    tp.schema = format(kSchemaNames[t % std::size(kSchemaNames)], t % 4);
                    tp.table = format(kTableNames[t % std::size(kTableNames)], t);
                }
                const bool empty = t % 13 == 12 || opt.columns == 0;
                if (!empty) {
                    for (long c = 0; c < opt.columns; ++c)
                        tp.columnIds.push_back(newId());
                    tp.pkId = newId();
                    const int pkColumns = (t % 4 == 3 && opt.columns > 1) ? 2 : 1;
                    for (int k = 0; k < pkColumns; ++k)
                        tp.pkMapIds.push_back(newId());
                }
                db.tables.push_back(std::move(tp));
            }
            databases.push_back(std::move(db));
        }
    }

    void writeSites() {
        for (long s = 0; s < opt.agents; ++s) {
            const std::string id = newId();
            siteIds.push_back(id);
            const std::string name = format("Agent (%ld) 'east'", s);
            siteRows.add({Value::text(id), admin(), stamp(), Value::text(name),
                          shortDescription(name), Value::number(s % 8),
                          Value::text(format("agent-%ld.example.com", s)),
                          s % 2 ? Value::text("agent") : Value::null(), Value::number(s == 0),
                          Value::number(0), s % 3 ? Value::null() : Value::text("Ops (night)"),
                          Value::text("QRT2AGNT")});
            longDescription("AgentSite", id, name);
        }
    }

    void writeGroups() {
        for (long f = 0; f < opt.functions; ++f) {
            const std::string id = newId();
            functionIds.push_back(id);
            const std::string name = format("Function %ld (\"%ld\")", f, f);
            functionRows.add(
                {Value::text(id), admin(), stamp(), Value::text(name), shortDescription(name)});
        }
        for (long g = 0; g < opt.groups; ++g) {
            const std::string id = newId();
            groupIds.push_back(id);
            const std::string name = format("Group %ld – Ärger's (team)", g);
            groupRows.add({Value::text(id), admin(), stamp(), Value::text(name),
                           shortDescription(name), Value::number(g == 0),
                           g % 2 ? Value::text("O'Brien (ext. 12)") : Value::null()});
            longDescription("SECGROUPLDesc", id, name);
            // the last group has no user function
            if (g == opt.groups - 1 || functionIds.empty())
                continue;
            for (long k = 0; k <= g % 3; ++k)
                relate("UserFun_TO_SecGr_Rel", functionIds[(g + k) % functionIds.size()], id);
        }
    }

    void writeDatabase(size_t d) {
        const DatabasePlan& db = databases[d];
        static const std::vector<std::pair<std::string, std::string>> types = nonFileTypes();
        std::string dbType = types[d / 3 % types.size()].first;
        std::string subType = types[d / 3 % types.size()].second;
        if (db.kind == 1) {
            dbType = wideToMultiByte(dbtypes::typeText(70));
            subType = wideToMultiByte(dbtypes::subTypeText(d / 3 % 2 ? 71 : 70));
        }
        if (d % 50 == 49) {
            dbType = "Nordbase Version 9 (unknown)";
            subType = "Unknown Edition";
        }
        static constexpr const char* delimiters[] = {",", " ", "", ";"};
        const bool warehouse = db.kind == 2;
        irRows.add({Value::text(db.id),
                    admin(),
                    stamp(),
                    Value::text(db.name),
                    shortDescription(db.name),
                    Value::text(format("DSN%ld", d)),
                    Value::text(dbType),
                    Value::text(subType),
                    d % 2 ? Value::null() : Value::text("user'" + std::to_string(d)),
                    Value::number(warehouse),
                    Value::number(d % 30),
                    Value::number(d % 5),
                    d % 4 ? Value::text("Müller (DBA)") : Value::null(),
                    Value::null(),
                    Value::number(warehouse && d % 2),
                    Value::text(format("DSN=DSN%ld;UID=u", d)),
                    d % 3 ? Value::number(1208) : Value::null(),
                    Value::text(format("host%ld", d)),
                    Value::text("echo 'pre' (1)"),
                    Value::null(),
                    Value::number(0),
                    Value::text("07.01"),
                    db.kind == 1 ? Value::textOrNull(delimiters[d / 3 % 4]) : Value::null()});
        longDescription("IRLDesc", db.id, db.name);
        relate("IR_TO_AgentSite", siteIds[d % siteIds.size()], db.id);
        if (d % 2 == 0 && siteIds.size() > 1)
            relate("IR_TO_AgentSite", siteIds[(d + 1) % siteIds.size()], db.id);
        if (!groupIds.empty()) {
            relate(warehouse ? "IR_TO_SecGrTar_Rel" : "IR_TO_SecGR_Rel", db.id,
                   groupIds[d % groupIds.size()]);
            if (warehouse && groupIds.size() > 1)
                relate("IR_TO_SecGrTar_Rel", db.id, groupIds[(d + 1) % groupIds.size()]);
        }
        for (size_t t = 0; t < db.tables.size(); ++t)
            writeTable(d, t);
    }

    void writeTable(size_t d, size_t t) {
        const DatabasePlan& db = databases[d];
        const TablePlan& tp = db.tables[t];
        const std::string name = tp.schema.empty() ? tp.table : tp.schema + "." + tp.table;
        const bool flat = db.kind == 1;
        const bool generated = t % 2 == 0;
        drRows.add({Value::text(tp.id),
                    admin(),
                    stamp(),
                    Value::text(name),
                    shortDescription(name),
                    Value::text(db.name),
                    flat ? Value::text("1 Character delimited") : Value::null(),
                    t % 5 ? Value::null() : Value::number(static_cast<long>(t)),
                    t % 3 ? Value::text("2023-10-01 00:00:00") : Value::null(),
                    Value::text(t % 2 ? "1 Imported" : "2 Created (generated)"),
                    t % 4 == 0 ? Value::text("TS_" + std::to_string(t)) : Value::null(),
                    Value::number(t % 9 == 8 ? 2 : 0),
                    Value::number(db.kind == 2 && t % 2),
                    Value::number(db.kind == 2 && t % 2 == 0),
                    Value::number(flat && t % 2),
                    flat ? Value::textOrNull(t % 3 ? "," : "") : Value::null(),
                    Value::number(t % 17 == 16),
                    Value::text(tp.schema),
                    Value::text(tp.table),
                    Value::number(1),
                    Value::number(static_cast<long>(t % 4)),
                    Value::number(generated),
                    t % 8 == 0 ? Value::text("TSIX_" + std::to_string(t)) : Value::null()});
        relate("IR_TO_DR_Rel", db.id, tp.id);
        longDescription("DRLDesc", tp.id, name);
        if (!generated)
            textRows.add({Value::text("DRcreate"), Value::text(tp.id), Value::number(1),
                          Value::text("CREATE TABLE " + name + "(\n  " + "COL_0 INTEGER)")});

        for (size_t c = 0; c < tp.columnIds.size(); ++c) {
            const ColumnType& ty = kColumnTypes[(c + t) % std::size(kColumnTypes)];
            const std::string colName = columnName(c);
            attrRows.add(
                {Value::text(tp.columnIds[c]),
                 admin(),
                 stamp(),
                 Value::text(colName),
                 shortDescription(colName),
                 Value::text(db.name),
                 Value::text(name),
                 Value::text(ty.native),
                 Value::text(ty.odbc),
                 Value::number(ty.scale),
                 Value::number(ty.precision),
                 Value::number(ty.isText),
                 c == 0 ? Value::number(0) : (c % 7 == 6 ? Value::null() : Value::number(1)),
                 flat ? Value::number(static_cast<long>(c * 10)) : Value::number(-1),
                 Value::number(static_cast<long>(c + 1)),
                 Value::text(tp.schema),
                 Value::text(tp.table),
                 Value::text(colName),
                 Value::number(static_cast<long>(c + 1)),
                 c == 0 ? Value::text("K") : Value::null(),
                 Value::number(c == 5)});
            relate("DR_TO_Attr_Rel", tp.id, tp.columnIds[c]);
            longDescription("ATTRLDesc", tp.columnIds[c], colName);
        }
        if (tp.pkId.empty())
            return;

        writeKey(tp, tp.pkId, "PK_" + tp.table, "P", "DR_TO_PrimaryKey_Rel", "PKEYDesc");
        for (size_t k = 0; k < tp.pkMapIds.size(); ++k) {
            writeKeyMap(tp.pkMapIds[k], "PK_" + tp.table + format("_%ld", static_cast<long>(k + 1)),
                        static_cast<long>(k + 1));
            relate("KeyMap_TO_PrimaryKey", tp.pkMapIds[k], tp.pkId);
            relate("Attr_TO_PKeyMap_Rel", tp.pkMapIds[k], tp.columnIds[k]);
        }

        // Foreign keys: to the previous table, to the table itself, and to
        // the first table of the next database.
        if (t > 0 && t % 3 == 0 && !db.tables[t - 1].pkId.empty())
            writeForeignKey(tp, db.tables[t - 1], "FK_PREV_");
        if (t % 7 == 0)
            writeForeignKey(tp, tp, "FK_SELF_");
        if (t % 11 == 5 && databases.size() > 1) {
            const DatabasePlan& other = databases[(d + 1) % databases.size()];
            if (!other.tables.empty() && !other.tables[0].pkId.empty())
                writeForeignKey(tp, other.tables[0], "FK_XDB_");
        }
    }

    static std::string columnName(size_t c) {
        return format(kColumnNames[c % std::size(kColumnNames)], static_cast<long>(c));
    }

    void writeKey(const TablePlan& tp, const std::string& id, const std::string& name,
                  const char* kind, const char* relation, const char* descKey) {
        const std::string drName = tp.schema.empty() ? tp.table : tp.schema + "." + tp.table;
        keyRows.add({Value::text(id), admin(), stamp(), Value::text(name), shortDescription(name),
                     Value::text(tp.irName), Value::text(drName), Value::text(kind),
                     Value::number(0), Value::text(tp.schema), Value::text(tp.table)});
        relate(relation, tp.id, id);
        longDescription(descKey, id, name);
    }

    void writeKeyMap(const std::string& id, const std::string& name, long order) {
        keyMapRows.add({Value::text(id), admin(), stamp(), Value::text(name),
                        shortDescription(name), Value::number(order)});
        longDescription("KMAPDesc", id, name);
    }

    // A foreign key of table `from` on its last column, referring to the
    // first column of the primary key of table `to`.
    void writeForeignKey(const TablePlan& from, const TablePlan& to, const char* prefix) {
        const std::string fkId = newId();
        const std::string name = prefix + from.table;
        writeKey(from, fkId, name, "F", "DR_TO_ForeignKey_Rel", "FKEYDesc");
        relate("PrimK_TO_ForeignK", fkId, to.pkId);
        const std::string mapId = newId();
        writeKeyMap(mapId, name + "_1", 1);
        relate("KeyMap_TO_ForeignKey", mapId, fkId);
        relate("Attr_TO_PKeyMap_Rel", mapId, to.columnIds[0]);
        relate("Attr_TO_FKeyMap_Rel", mapId, from.columnIds.back());
    }

    const Options& opt;
    Rng rng;
    std::ostream& out;
    long lastId = 0;
    std::vector<DatabasePlan> databases;
    std::vector<std::string> siteIds, groupIds, functionIds;
    InsertBatch irRows, drRows, attrRows, keyRows, keyMapRows, siteRows, groupRows, functionRows,
        relRows, textRows, configRows;
    ProgramWriter programs;
    warehouse_steps::StepWriter steps;
    ProcessWriter processWriter;
    StarSchemaWriter schemas;
};

bool parseOptions(int argc, char** argv, Options& opt) {
    const std::map<std::string_view, long*> numbers = {
        {"--databases", &opt.databases},   {"--tables", &opt.tables},
        {"--columns", &opt.columns},       {"--objects", &opt.objects},
        {"--agents", &opt.agents},         {"--groups", &opt.groups},
        {"--functions", &opt.functions},   {"--processes", &opt.processes},
        {"--steps", &opt.steps},           {"--large-sql", &opt.largeSql},
        {"--programs", &opt.programs},     {"--schemas", &opt.schemas},
        {"--edge-blanks", &opt.edgeBlanks}};
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const size_t eq = arg.find('=');
        if (arg.starts_with("--") && eq != std::string_view::npos) {
            const std::string_view key = arg.substr(0, eq);
            const std::string value(arg.substr(eq + 1));
            char* end = nullptr;
            const unsigned long long n = std::strtoull(value.c_str(), &end, 10);
            if (value.empty() || value[0] == '-' || *end != '\0')
                return false;
            if (key == "--seed") {
                opt.seed = n;
            } else if (auto it = numbers.find(key); it != numbers.end()) {
                *it->second = static_cast<long>(n);
            } else {
                return false;
            }
        } else {
            files.emplace_back(arg);
        }
    }
    if (files.size() != 2 || opt.databases < 1 || opt.agents < 1)
        return false;
    opt.sqlFile = files[0];
    opt.inputFile = files[1];
    return true;
}

} // namespace

int main(int argc, char** argv) {
    Options opt;
    if (!parseOptions(argc, argv, opt)) {
        std::cout << "usage: generate_warehouse [--seed=N] [--databases=N] [--tables=N] "
                     "[--columns=N] [--objects=N] [--agents=N] [--groups=N] [--functions=N] "
                     "[--processes=N] [--steps=N] [--large-sql=BYTES] [--programs=N] "
                     "[--schemas=N] [--edge-blanks=0|1] "
                     "SQLFILE INPUTFILE\n";
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    std::ofstream sqlFile;
    if (opt.sqlFile != "-") {
        sqlFile.open(opt.sqlFile, std::ios::binary);
        if (!sqlFile) {
            std::cout << "generate_warehouse: cannot write " << opt.sqlFile << '\n';
            return 1;
        }
    }
    std::ofstream inputFile(opt.inputFile, std::ios::binary);
    if (!inputFile) {
        std::cout << "generate_warehouse: cannot write " << opt.inputFile << '\n';
        return 1;
    }
    std::ostream& out = opt.sqlFile == "-" ? std::cout : sqlFile;
    long objects = 0, rows = 0, relations = 0, texts = 0;
    {
        WarehouseWriter writer(opt, out);
        out << "-- Synthetic warehouse written by generate_warehouse (seed " << opt.seed << ")\n";
        writer.write(inputFile);
        objects = writer.objectCount();
        rows = writer.rowCount();
        relations = writer.relationCount();
        texts = writer.textCount();
    } // the batches write their last rows here
    out.flush();
    if (!out || !inputFile.flush()) {
        std::cout << "generate_warehouse: write error\n";
        return 1;
    }
    if (opt.sqlFile != "-") {
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("generate_warehouse: %ld objects, %ld relationship rows, %ld string rows, "
                    "%ld rows in %.3f s\n",
                    objects, relations, texts, rows, seconds);
    }
    return 0;
}
