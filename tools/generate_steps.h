// The steps of a generated warehouse: steps over the generated tables with
// every kind of detail (source and target tables, explicit and derived
// databases, retry values left to the source database, stored SQL over
// several string rows, binary SQL of no, empty, small and (on request) large
// size, maps of every kind with expressions, correlations, aliases, agent
// sites, notification groups, child steps, cascades on success and on
// failure including a step that starts itself and two that start each
// other, program instances, among them notification programs, schedules on
// every fourth step), with hostile names and texts: one step in five has
// blanks at both ends of its name (unless asked not to).
#pragma once

#include <algorithm>
#include <functional>
#include <iterator>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/warehouse_sql.h"

namespace warehouse_steps {

using warehouse_sql::format;
using warehouse_sql::InsertBatch;
using warehouse_sql::Rng;
using warehouse_sql::Value;

class StepWriter {
public:
    // Rows of relationships and long texts go to the warehouse's batches;
    // identifiers come from newId. largeSql > 0 gives the first step binary
    // SQL of that many bytes; edgeBlanks false trims the names that would
    // have blanks at their ends.
    StepWriter(std::ostream& out, Rng& rng, InsertBatch& relations, InsertBatch& texts,
               std::function<std::string()> newId, long steps, long largeSql,
               bool edgeBlanks = true)
        : rng(rng), relRows(relations), textRows(texts), newId(std::move(newId)), steps(steps),
          largeSql(largeSql), edgeBlanks(edgeBlanks),
          stepRows(out, "BusinessView",
                   "qrtid, updated_by, update_ts, name, short_description, persistentFlag, "
                   "status, version, contact, max_editions, create_ts, atomic_flag, "
                   "extern_populated, must_have_data, by_req_schedule, AutoGenSelectStmt, "
                   "grantToPublic, BVRetryIntrv, BVRetryCount, createTarTab, bvType, SQLWarning, "
                   "selectDistinct, groupBy, \"having\", EUIJoinXY, AutoGenCreateStmt, "
                   "commitDelete, commitRowCount, populationType, schedulesFlag"),
          mapRows(out, "map",
                  "qrtid, updated_by, update_ts, name, short_description, typeOfMap, BVName, "
                  "seqNo, attr1Flags, attr2Flags, transName, iAttrCRELName"),
          correlationRows(out, "Correlation",
                          "qrtid, updated_by, update_ts, name, short_description, "
                          "correlationName"),
          aliasRows(out, "BVAlias", "qrtid, updated_by, update_ts, name, short_description"),
          binaryRows(out, "BINARYDATA", "name, qrtid, data") {}

    // A table steps may read (source) or write (target).
    void addTable(const std::string& id, const std::string& databaseId, bool target,
                  const std::vector<std::string>& columnIds) {
        (target ? targets : sources).push_back({id, databaseId, columnIds});
    }

    // Writes the steps. Every third step runs an instance of a notification
    // program while there are some (a notification step), every sixth one
    // from the second on an instance of another program.
    void write(const std::vector<std::string>& siteIds, const std::vector<std::string>& groupIds,
               const std::vector<std::string>& instances = {},
               const std::vector<std::string>& notificationInstances = {}) {
        for (long i = 0; i < steps; ++i) {
            stepIds.push_back(newId());
            names.push_back(stepName(i));
        }
        std::vector<std::string> plain;
        for (const std::string& instance : instances)
            if (std::find(notificationInstances.begin(), notificationInstances.end(), instance) ==
                notificationInstances.end())
                plain.push_back(instance);
        size_t nextNotification = 0;
        size_t nextPlain = 0;
        for (long i = 0; i < steps; ++i) {
            writeStep(i, siteIds, groupIds);
            if (i % 3 == 2 && nextNotification < notificationInstances.size()) {
                relate("BV_TO_AggregFunc", stepIds[i], notificationInstances[nextNotification++]);
                notifying.push_back(stepIds[i]);
            } else if (i % 6 == 1 && nextPlain < plain.size()) {
                relate("BV_TO_AggregFunc", stepIds[i], plain[nextPlain++]);
            }
        }
    }

    long objectCount() const {
        return stepRows.count() + mapRows.count() + correlationRows.count() + aliasRows.count();
    }
    long binaryCount() const { return binaryRows.count(); }
    // The identifiers of the steps, in the order written; of those running a
    // notification program; of those with schedules (their schedules flag set).
    const std::vector<std::string>& ids() const { return stepIds; }
    const std::vector<std::string>& notificationIds() const { return notifying; }
    std::vector<std::string> scheduledIds() const {
        std::vector<std::string> scheduled;
        for (size_t i = 0; i < stepIds.size(); i += 4)
            scheduled.push_back(stepIds[i]);
        return scheduled;
    }

private:
    struct Table {
        std::string id, databaseId;
        std::vector<std::string> columnIds;
    };

    static constexpr const char* kStepNames[] = {"Load %ld (\"daily\")", " Edge blanks %ld ",
                                                 "O'Neil's step %ld", "Schritt_%ld – Größe",
                                                 "步骤 %ld (a(b))"};

    std::string stepName(long i) const {
        std::string name = format(kStepNames[i % std::size(kStepNames)], i);
        if (!edgeBlanks) {
            name.erase(0, name.find_first_not_of(' '));
            name.erase(name.find_last_not_of(' ') + 1);
        }
        return name;
    }
    static Value stamp(long i) {
        return Value::text(format("2024-%02ld-%02ld ", 1 + i % 12, 1 + i % 28) +
                           format("%02ld:%02ld:00", i % 24, i % 60));
    }
    static Value admin() { return Value::text("GENERATOR"); }
    void relate(const char* relation, const std::string& source, const std::string& target) {
        relRows.add({Value::text(relation), Value::text(source), Value::text(target)});
    }
    // A long text over the given rows (each non-empty).
    void text(const char* key, const std::string& id, const std::vector<std::string>& rows) {
        long seq = 0;
        for (const std::string& row : rows)
            textRows.add(
                {Value::text(key), Value::text(id), Value::number(++seq), Value::text(row)});
    }
    // A retry value: left to the database (-99 or NULL), a value, or 0.
    Value retry(long i, long value) {
        switch ((i + rng.below(2)) % 4) {
        case 0:
            return Value::number(-99);
        case 1:
            return Value::null();
        case 2:
            return Value::number(value);
        default:
            return Value::number(0);
        }
    }

    // Binary SQL of the requested size: lines of plain ASCII SQL (no
    // backslash, which a byte-string literal would take as an escape).
    std::string largeText() const {
        std::string sql;
        for (long line = 0; static_cast<long>(sql.size()) < largeSql; ++line)
            sql += format("SELECT COL_%ld, 'it's (%ld)' FROM T_%ld;\n", line, line * 7, line % 13);
        sql.resize(static_cast<size_t>(largeSql));
        return sql;
    }

    void writeStep(long i, const std::vector<std::string>& siteIds,
                   const std::vector<std::string>& groupIds) {
        const std::string& id = stepIds[i];
        const std::string& name = names[i];
        // Source tables: none for one step in seven, else one to three.
        std::vector<const Table*> in;
        if (!sources.empty() && i % 7 != 6)
            for (long k = 0, n = 1 + static_cast<long>(rng.below(3)); k < n; ++k)
                in.push_back(&sources[(i * 3 + k * 5) % sources.size()]);
        const Table* out = targets.empty() || i % 5 == 4 ? nullptr : &targets[i % targets.size()];
        stepRows.add({Value::text(id),
                      admin(),
                      stamp(i),
                      Value::text(name),
                      i % 4 == 1 ? Value::null() : Value::text("Step " + name + " (generated)"),
                      Value::number(i % 2),
                      Value::text(i % 3 ? "Production" : "Test (\"2\")"),
                      Value::number(1 + i % 3),
                      i % 2 ? Value::text("Müller (ext. 'night')") : Value::null(),
                      Value::number(i % 5),
                      i % 6 == 5 ? Value::null() : stamp(i + 7),
                      Value::number(i % 3 == 0),
                      Value::number(i % 9 == 8),
                      Value::number(i % 2),
                      Value::number(i % 4 == 2),
                      Value::number(i % 5 == 3),
                      Value::number(i % 2),
                      retry(i, 5 + i % 20),
                      retry(i + 1, i % 4),
                      Value::number(out != nullptr),
                      Value::number(1 + i % 3),
                      Value::number(i % 3),
                      Value::number(i % 4 == 1),
                      Value::number(i % 3 == 1),
                      Value::number(i % 6 == 1),
                      i % 3 ? Value::null() : Value::text("10,10;(200),20"),
                      Value::number(i % 2),
                      Value::number(i % 2 == 0),
                      Value::number(i * 100 % 1000),
                      Value::number(i % 4),
                      Value::number(i % 4 == 0)});

        for (const Table* t : in)
            relate("BV_TO_Input_DR", id, t->id);
        if (out != nullptr)
            relate("BV_TO_Output_DR", id, out->id);
        // Explicit databases for some steps: the source one from another table
        // than the first source table, so that explicit and derived differ.
        if (i % 3 == 0 && !sources.empty())
            relate("BV_TO_SourceIR", id, sources[(i * 3 + 1) % sources.size()].databaseId);
        if (i % 4 == 0 && !targets.empty())
            relate("BV_TO_TargetIR", id, targets[(i + 1) % targets.size()].databaseId);
        if (i % 4 != 3 && !siteIds.empty())
            relate("BV_TO_AgentSite", siteIds[i % siteIds.size()], id);
        if (i % 5 == 0 && !groupIds.empty())
            relate("BV_NOTIFY_GROUPS", id, groupIds[i % groupIds.size()]);
        if (i % 6 == 5 && out != nullptr)
            relate(i % 12 == 5 ? "BV_TO_UDPManagedDR" : "BV_TO_UDPManagedDRC", id, out->id);

        writeStatements(i, id, in);
        writeBinary(i, id);
        writeMaps(i, id, name, in, out);
        for (size_t k = 0; k < in.size(); ++k)
            if ((i + static_cast<long>(k)) % 2 == 0)
                writeCorrelation(id, *in[k], k);
        if (i % 3 == 0) {
            const std::string alias = newId();
            const std::string view = format("V_STEP_%ld", i) + (i % 2 ? " (old)" : "");
            aliasRows.add({Value::text(alias), admin(), stamp(i), Value::text(view),
                           out ? Value::text("View of " + name) : Value::null()});
            relate("BV_TO_BVAlias", id, alias);
        }
        writeCascades(i);
    }

    void writeStatements(long i, const std::string& id, const std::vector<const Table*>& in) {
        if (i % 5 == 1)
            return; // a step without stored statements
        std::string from;
        for (size_t k = 0; k < in.size(); ++k)
            from += (k ? ", " : "") + format("T_%ld \"A'%ld\"", static_cast<long>(k), i);
        std::vector<std::string> select = {format("SELECT DISTINCT C_%ld, 'it''s', (1+2)\n", i),
                                           "  FROM " + (from.empty() ? "DUAL" : from)};
        if (i % 2)
            select.push_back("\n  WHERE X IN ('(', ')') -- ünï");
        text("BVselect", id, select);
        if (!from.empty())
            text("BVfrompart", id, {from});
        if (i % 3 == 1)
            text("BVgroupBy", id, {"C_1, (C_2)"});
        if (i % 4 == 0)
            text("BVLDesc", id,
                 {"Generated step " + std::to_string(i) + ": text with 'quotes', ",
                  "a line\nbreak and (parentheses) – ", "日本語のテキスト"});
    }

    void writeBinary(long i, const std::string& id) {
        std::string data;
        if (i == 0 && largeSql > 0)
            data = largeText();
        else if (i % 3 == 0)
            return; // no row
        else if (i % 6 != 1)
            data = format("INSERT INTO T_%ld SELECT * FROM S_%ld -- 'x' (ü)\n", i, i + 1);
        binaryRows.add({Value::text("BLOBDATA"), Value::text(id), Value::text(data)});
    }

    // Maps of the output columns, one of each kind in turn: from an input
    // column, a literal, a token, a kind no longer known, none stored.
    void writeMaps(long i, const std::string& id, const std::string& name,
                   const std::vector<const Table*>& in, const Table* out) {
        static constexpr const char* kKinds[] = {"Attribute", "Literal", "Token", "Computed",
                                                 nullptr};
        const size_t columns = out == nullptr ? 1 : std::min<size_t>(out->columnIds.size(), 5);
        for (size_t c = 0; c < columns; ++c) {
            const std::string map = newId();
            const size_t kind = (static_cast<size_t>(i) + c) % std::size(kKinds);
            const std::string mapName = format("MAP_%ld (%ld)", i, static_cast<long>(c));
            const Table* from = in.empty() ? nullptr : in[c % in.size()];
            mapRows.add({Value::text(map), admin(), stamp(i), Value::text(mapName),
                         c % 2 ? Value::null() : Value::text("Map of " + mapName),
                         kKinds[kind] ? Value::text(kKinds[kind]) : Value::null(),
                         Value::text(name), Value::number(static_cast<long>(c + 1)),
                         Value::number(static_cast<long>(c % 3)), Value::number(i % 4),
                         c % 3 == 1 ? Value::text("Trim (\"both\")") : Value::null(),
                         from ? Value::text(format("A'%ld", i)) : Value::null()});
            relate("BV_TO_Map", map, id);
            if (out != nullptr && c < out->columnIds.size())
                relate("Attr_TO_MapOut_Rel", map, out->columnIds[c]);
            if (kind == 0 && from != nullptr && !from->columnIds.empty())
                relate("Attr_TO_MapIn_Rel", map, from->columnIds[c % from->columnIds.size()]);
            if (kind == 4)
                continue; // no expression
            std::vector<std::string> expression = {
                format("COALESCE(A'%ld.C_%ld, 'n''a')", i, static_cast<long>(c))};
            if (c % 2)
                expression.push_back(" || ' (' || '\n' || ')' -- €");
            text("MAPexpression", map, expression);
        }
    }

    void writeCorrelation(const std::string& step, const Table& table, size_t k) {
        const std::string id = newId();
        const std::string name = format("A'%ld", static_cast<long>(k));
        correlationRows.add({Value::text(id), admin(), stamp(static_cast<long>(k)),
                             Value::text(name + " (corr)"), Value::null(), Value::text(name)});
        relate("BV_TO_Correlation", step, id);
        relate("DR_TO_Correlation", table.id, id);
    }

    // Children and cascades: every eighth step starts itself; a step starts
    // the next one after its success now and then, and the next one starts
    // it again after its failure (a cycle).
    void writeCascades(long i) {
        const std::string& id = stepIds[i];
        const long n = static_cast<long>(stepIds.size());
        if (i % 8 == 0)
            relate("BV_POSTCASCADE_TO_BV", id, id);
        if (i + 1 < n && i % 3 == 0)
            relate("BV_POSTCASCADE_TO_BV", id, stepIds[i + 1]);
        if (i + 1 < n && i % 7 == 0)
            relate("BV_POSTCAS_TO_BVFAIL", stepIds[i + 1], id);
        if (i > 0 && i % 6 == 5)
            relate("BV_TO_ChildBV", stepIds[i - 1], id);
        if (i > 1 && i % 10 == 9)
            relate("BV_PRECASCADE_TO_BV", id, stepIds[i - 2]);
    }

    Rng& rng;
    InsertBatch& relRows;
    InsertBatch& textRows;
    std::function<std::string()> newId;
    long steps;
    long largeSql;
    bool edgeBlanks;
    std::vector<Table> sources, targets;
    std::vector<std::string> stepIds, names, notifying;
    InsertBatch stepRows, mapRows, correlationRows, aliasRows, binaryRows;
};

} // namespace warehouse_steps
