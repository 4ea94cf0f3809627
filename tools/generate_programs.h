// The warehouse generator's programs: program groups (the first one
// predefined), program types, program definitions with their parameters of
// all four types, agent sites and databases, and program instances with
// parameter values of their own. Texts are hostile like the rest of the
// generated warehouse: quotes, parentheses, non-ASCII letters, NULL columns,
// values long enough for the strings table. Deterministic per seed.
#pragma once

#include <algorithm>
#include <functional>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "tools/warehouse_sql.h"

namespace warehouse_sql {

class ProgramWriter {
public:
    // newId hands out the next identifier of the warehouse; relations and
    // texts are the generator's batches of relationship and string rows.
    ProgramWriter(std::ostream& out, Rng& rng, std::function<std::string()> newId,
                  InsertBatch& relations, InsertBatch& texts)
        : rng(rng), newId(std::move(newId)), relRows(relations), textRows(texts),
          groupRows(out, "UDPGROUP",
                    "qrtid, updated_by, update_ts, name, short_description, HQdefaultGroup, "
                    "contact, OLVDefined, icon, groupType, orderNo"),
          typeRows(out, "PROGTYPE",
                   "qrtid, updated_by, update_ts, name, short_description, programType, progNum, "
                   "delimiter"),
          programRows(out, "ProgFunc2",
                      "qrtid, updated_by, update_ts, name, short_description, programName, "
                      "funcName, uniqueKey, contact, userid, VBForm, OLVDefined, beanClassName"),
          parmRows(out, "ProgParm",
                   "qrtid, updated_by, update_ts, name, short_description, orderNo, parmData, "
                   "HQProgKey, parmDataLong, parmDataType, notifyCondition") {}

    // Writes `programs` programs in `groups` groups (at least one of each),
    // related to the given agent sites and databases, and lists the groups
    // under "<UDP>" in the input file.
    void write(long programs, long groups, const std::vector<std::string>& siteIds,
               const std::vector<std::string>& databaseIds, std::ostream& input) {
        writeTypes();
        for (long g = 0; g < std::max(1L, groups); ++g)
            writeGroup(g);
        for (long p = 0; p < std::max(1L, programs); ++p)
            writeProgram(p, siteIds, databaseIds);
        input << "<UDP>\n";
        for (const std::string& name : groupNames)
            input << name << '\n';
    }

    // The program instances, for steps to run, and those of them whose
    // program is a notification program (program type 6).
    const std::vector<std::string>& instanceIds() const { return instances; }
    const std::vector<std::string>& notificationInstanceIds() const {
        return notificationInstances;
    }
    long objectCount() const {
        return groupRows.count() + typeRows.count() + programRows.count() + parmRows.count();
    }

private:
    static Value admin() { return Value::text("GENERATOR"); }
    static Value stamp(long n) {
        return Value::text(format("2024-%02ld-%02ld ", 1 + n % 12, 1 + n % 28) +
                           format("%02ld:%02ld:%02ld", n % 24, n % 60, (n / 60) % 60));
    }
    void relate(const char* relation, const std::string& source, const std::string& target) {
        relRows.add({Value::text(relation), Value::text(source), Value::text(target)});
    }
    // A long text over several rows of the strings table, of about `piece`
    // bytes each, cut between characters.
    void longText(const char* key, const std::string& id, const std::string& text, size_t piece) {
        long seqno = 0;
        for (size_t at = 0; at < text.size();) {
            size_t end = std::min(text.size(), at + piece);
            while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
                ++end;
            textRows.add({Value::text(key), Value::text(id), Value::number(++seqno),
                          Value::text(text.substr(at, end - at))});
            at = end;
        }
    }

    void writeTypes() {
        static constexpr struct {
            const char* name;
            long number;
            const char* delimiter;
        } kTypes[] = {{"Executable", 1, " "},
                      {"Stored procedure", 4, ","},
                      {"Notification program", 6, ","},
                      {"Java class (bean)", 7, ";"}};
        for (const auto& type : kTypes) {
            const std::string id = newId();
            typeIds.push_back(id);
            typeNumbers.push_back(type.number);
            typeRows.add({Value::text(id), admin(), stamp(typeRows.count()), Value::text(type.name),
                          Value::null(), Value::text(type.name), Value::number(type.number),
                          Value::text(type.delimiter)});
        }
    }

    void writeGroup(long g) {
        static constexpr const char* kNames[] = {
            "Nordbase Programs %ld", "Programs (%ld) – O'Neil's", "Gruppe Ü %ld", "程序组 %ld"};
        const std::string id = newId();
        const std::string name = format(kNames[g % std::size(kNames)], g);
        groupIds.push_back(id);
        groupNames.push_back(name);
        groupRows.add(
            {Value::text(id), admin(), stamp(g), Value::text(name),
             g % 3 ? Value::text(name + " (group)") : Value::null(), Value::number(g == 1),
             g % 2 ? Value::text("Ops 'night' (ext. 7)") : Value::null(), Value::number(g == 0),
             Value::textOrNull(g % 2 ? "" : "icon"), Value::number(g % 4), Value::number(g)});
        if (g % 2 == 1)
            longText("UDPGDesc", id, "Group " + std::to_string(g) + ": 'quoted' (and) ünïcödé. ",
                     30);
    }

    // One parameter of a definition or an instance. A password parameter
    // sometimes holds a text that must never reach the tag file; a string
    // value is now and then kept in the strings table (its row value empty or
    // NULL); a fifth parameter has a type text outside the vocabulary
    // ("string", in the wrong case).
    void writeParm(const std::string& owner, const char* relation, long p, long k, bool instance) {
        static constexpr const char* kTypeTexts[] = {"String", "Number", "Password", "Token",
                                                     "string"};
        const std::string id = newId();
        const std::string type = kTypeTexts[k == 4 ? 4 : (p + k) % 4];
        Value data = Value::null();
        bool longValue = false;
        if (type == "Number") {
            data = Value::text(std::to_string(p * 10 + k + (instance ? 1 : 0)));
        } else if (type == "Token") {
            data = Value::text(k % 2 ? "&TTBN" : "&PARENT.STEPNAME");
        } else if (type == "Password") {
            data = p % 2 ? Value::text("never (written)") : Value::null();
        } else {
            const uint32_t kind = rng.below(3);
            longValue = kind > 0;
            data = kind == 0 ? Value::text(format("x(%ld) 'v%ld' – Wert", p, k))
                             : (kind == 1 ? Value::text("") : Value::null());
        }
        // Two parameters share an order number now and then.
        const long order = k == 2 && p % 3 == 0 ? 2 : k + 1;
        parmRows.add({Value::text(id), admin(), stamp(p + k),
                      Value::text(format(k % 2 ? "Parm (%ld) 'n%ld'" : "PARM_%ld_%ld", p, k)),
                      rng.oneIn(3) ? Value::null() : Value::text("Ärger (param)"),
                      Value::number(order), data, Value::number(0), Value::null(),
                      Value::text(type), Value::number(k % 3)});
        relate(relation, owner, id);
        if (longValue) {
            std::string value;
            while (value.size() < 300)
                value += "CALL P('a(b)', \"Größe\") ; ";
            longText("parmDataXLong", id, value, 120);
        }
    }

    void writeProgram(long p, const std::vector<std::string>& siteIds,
                      const std::vector<std::string>& databaseIds) {
        const std::string id = newId();
        const std::string name = format(p % 2 ? "Program (%ld) 'load'" : "PROG_%ld – Größe", p);
        const bool predefined = p % 7 == 3;
        programRows.add(
            {Value::text(id), admin(), stamp(p), Value::text(name),
             p % 4 ? Value::text(name + " does (things)") : Value::null(),
             Value::text(format("/opt/whs/bin/prog%ld (x)", p)),
             p % 3 ? Value::text(format("fn_%ld", p)) : Value::null(), Value::text("ProgFunc"),
             p % 2 ? Value::text("O'Brien (ops)") : Value::null(),
             p % 5 ? Value::text("etl'user") : Value::null(), Value::null(),
             Value::number(predefined),
             p % 6 == 1 ? Value::text("com.example.P" + std::to_string(p)) : Value::null()});
        if (p % 3 == 2)
            longText("PRGDesc", id, "Runs (step) " + std::to_string(p) + " – 'long' text. ", 25);
        // One program in eleven has no group: only a step reaches it.
        if (p % 11 != 10)
            relate("UDP_TO_Grouping", id, groupIds[p % groupIds.size()]);
        relate("UDP_TO_ProgType", id, typeIds[p % typeIds.size()]);
        if (!siteIds.empty()) {
            relate("UDP_TO_AgentSite", id, siteIds[p % siteIds.size()]);
            if (p % 2 == 0 && siteIds.size() > 1)
                relate("UDP_TO_AgentSite", id, siteIds[(p + 1) % siteIds.size()]);
        }
        if (p % 3 == 1 && !databaseIds.empty())
            relate("UDP_TO_IR", id, databaseIds[p % databaseIds.size()]);
        const long parms = 1 + p % 5;
        for (long k = 0; k < parms; ++k)
            writeParm(id, "ProgParm_TO_ProgFunc", p, k, false);
        // Every other program has an instance with parameter values of its own.
        if (p % 2 == 1)
            return;
        const std::string instance = newId();
        instances.push_back(instance);
        programRows.add({Value::text(instance), admin(), stamp(p), Value::null(), Value::null(),
                         Value::null(), Value::null(), Value::text("AggreFunc"), Value::null(),
                         Value::null(), Value::text("FORM"), Value::null(), Value::null()});
        relate("UDP_TO_AggreFuncs", instance, id);
        if (typeNumbers[p % typeNumbers.size()] == 6)
            notificationInstances.push_back(instance);
        for (long k = 0; k < parms; ++k)
            writeParm(instance, "ProgParm_TOAggreFunc", p, k, true);
    }

    Rng& rng;
    std::function<std::string()> newId;
    InsertBatch& relRows;
    InsertBatch& textRows;
    InsertBatch groupRows, typeRows, programRows, parmRows;
    std::vector<std::string> typeIds, groupIds, groupNames, instances, notificationInstances;
    std::vector<long> typeNumbers;
};

} // namespace warehouse_sql
