// Star schemas of the synthetic warehouse: each schema takes a fact table of a
// warehouse database and dimension tables of any database, joined by links of
// every type (column joins, some without one of their columns, row joins and
// row filters with row expressions over several string rows, other and
// negative types, type texts with blanks and signs), with ties and NULLs in
// the time stamps that order the links. Every fourth schema has no tables and
// no links. Names and texts are hostile like the rest of the generator, and
// the schemas have a random-number sequence of their own, so that adding them
// changes nothing else of a warehouse.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "tools/warehouse_sql.h"

namespace warehouse_sql {

class StarSchemaWriter {
public:
    StarSchemaWriter(uint64_t seed, long schemas, std::ostream& out)
        : count_(schemas), rng_(seed ^ 0x5354415253434831ULL),
          schemaRows_(out, "StarSchema",
                      "qrtid, updated_by, update_ts, name, short_description, contact, hostdbname"),
          linkRows_(out, "attributelink",
                    "qrtid, updated_by, update_ts, name, short_description, Type, OperatorExp, "
                    "useANDSep, orderNo, OperExp2"),
          relRows_(out, "RELATIONSHIP", "relation_name, source_qrtid, target_qrtid"),
          textRows_(out, "QRTSTRINGS", "name, qrtid, seqno, text") {}

    // Writes the schemas over the planned databases (each with `id`, `kind`,
    // 2 for a warehouse, and `tables`, each with `id` and `columnIds`),
    // taking identifiers from newId, and names them under "<SCHEMA>" in the
    // input file, the first one twice.
    template <class Databases, class NewId>
    void write(const Databases& databases, NewId&& newId, std::ostream& input) {
        std::vector<Table> facts, others;
        for (const auto& db : databases) {
            for (size_t t = 0; t < db.tables.size(); ++t) {
                if (db.tables[t].columnIds.empty())
                    continue;
                Table table{db.tables[t].id, db.id, db.tables[t].columnIds};
                (db.kind == 2 && t % 2 == 0 ? facts : others).push_back(std::move(table));
            }
        }
        if (facts.empty())
            facts = others;
        if (count_ > 0)
            input << "<SCHEMA>\n";
        std::string first;
        for (long s = 0; s < count_; ++s) {
            const std::string name = writeSchema(s, facts, others, newId);
            input << name << '\n';
            if (s == 0)
                first = name;
        }
        if (count_ > 0)
            input << first << '\n';
    }

    long objectCount() const { return schemaRows_.count() + linkRows_.count(); }
    long relationCount() const { return relRows_.count(); }
    long textCount() const { return textRows_.count(); }

private:
    struct Table {
        std::string id, databaseId;
        std::vector<std::string> columnIds;
    };

    static Value admin() { return Value::text("GENERATOR"); }

    const std::string& pick(const std::vector<std::string>& ids) {
        return ids[rng_.below(static_cast<uint32_t>(ids.size()))];
    }
    const Table& pick(const std::vector<Table>& tables) {
        return tables[rng_.below(static_cast<uint32_t>(tables.size()))];
    }

    void relate(const char* relation, const std::string& source, const std::string& target) {
        relRows_.add({Value::text(relation), Value::text(source), Value::text(target)});
    }

    // A long text over one to three rows, hostile in every row.
    void longText(const char* key, const std::string& id, const std::string& lead) {
        static constexpr const char* pieces[] = {"(a.x = b.y) ",         "AND b.z <> 'it''s' ",
                                                 "OR c.\"Größe\" > 10 ", "– ‘quoted’ ",
                                                 ") unbalanced ( ",      "日本語 ",
                                                 "\nsecond line "};
        const int rows = 1 + static_cast<int>(rng_.below(3));
        for (int r = 1; r <= rows; ++r) {
            std::string text = r == 1 ? lead : "";
            const uint32_t n = 2 + rng_.below(30);
            for (uint32_t i = 0; i < n; ++i)
                text += pieces[rng_.below(std::size(pieces))];
            textRows_.add({Value::text(key), Value::text(id), Value::number(r), Value::text(text)});
        }
    }

    template <class NewId>
    std::string writeSchema(long s, const std::vector<Table>& facts,
                            const std::vector<Table>& others, NewId& newId) {
        static constexpr const char* names[] = {"Star %ld", "Étoile (%ld) 'ventes'",
                                                "星型スキーマ_%ld", "Star %ld – O'Neil's \"best\"",
                                                " Leading blank %ld"};
        static constexpr const char* hosts[] = {"WHSDSN", "", "DSN(%ld) 'host'"};
        const std::string id = newId();
        const std::string name = format(names[s % std::size(names)], s);
        const bool empty = s % 4 == 1 || facts.empty();
        schemaRows_.add(
            {Value::text(id), admin(), Value::text(format("2024-06-%02ld 08:00:00", 1 + s % 28)),
             Value::text(name),
             s % 3 ? Value::text("Schema " + name + " (facts & dims)") : Value::null(),
             s % 2 ? Value::text("O'Brien (BI) – ‘team’") : Value::null(),
             s % 5 == 4 ? Value::null() : Value::text(format(hosts[s % std::size(hosts)], s))});
        if (s % 3 == 0)
            longText("StarSchemaDesc", id, "Star schema " + name + ": ");
        if (empty)
            return name;

        // The fact first, then one to four dimensions from any database; a
        // table drawn twice is related once.
        std::vector<Table> tables{pick(facts)};
        relate("StarSchema_TO_IR", id, tables.front().databaseId);
        const uint32_t dims = 1 + rng_.below(4);
        for (uint32_t d = 0; d < dims && !others.empty(); ++d) {
            const Table& dim = pick(others);
            bool known = false;
            for (const Table& t : tables)
                known = known || t.id == dim.id;
            if (!known)
                tables.push_back(dim);
        }
        for (const Table& t : tables)
            relate("StarSchema_TO_DR", id, t.id);

        const long links = 3 + static_cast<long>(rng_.below(8));
        for (long k = 0; k < links; ++k)
            writeLink(id, tables, k, newId);
        return name;
    }

    template <class NewId>
    void writeLink(const std::string& schemaId, const std::vector<Table>& tables, long k,
                   NewId& newId) {
        // Type texts and the types they stand for: 0, 0, 1, 2, 3, -1, 2, 1, 12, 0.
        static constexpr const char* types[] = {
            "Join",       "0 Column join", "1 Star join", "2 Row filter", "3 Outer join",
            "-1 Retired", " 2 (blank)",    "+1 Star",     "12 Cube",      "Typ (ä)"};
        static constexpr const char* operators[] = {"=", "<", ">", "(", ""};
        const std::string id = newId();
        const uint32_t kind = rng_.below(std::size(types));
        // Time stamps out of identifier order, one in six the same as the
        // link before, one in nine NULL.
        const uint32_t minute = rng_.oneIn(6) ? lastMinute_ : rng_.below(60);
        lastMinute_ = minute;
        const Value stamp =
            rng_.oneIn(9) ? Value::null() : Value::text(format("2024-06-01 09:%02ld:00", minute));
        const uint32_t op = rng_.below(std::size(operators) + 1);
        const std::string name = format("Link %ld (", k) + types[kind] + ") 'j'";
        linkRows_.add({Value::text(id), admin(), stamp, Value::text(name),
                       rng_.oneIn(3) ? Value::null() : Value::text("Joins (" + name + ")"),
                       Value::text(types[kind]),
                       op == std::size(operators) ? Value::null() : Value::text(operators[op]),
                       Value::number(rng_.below(2)), Value::number(k), Value::null()});
        relate("StarSchema_TO_AttLnk", id, schemaId);

        // The first column from the fact, the second from another table of
        // the schema; a column join loses one of them now and then.
        const Table& other = tables.size() > 1
                                 ? tables[1 + rng_.below(static_cast<uint32_t>(tables.size() - 1))]
                                 : tables.front();
        const uint32_t lose = rng_.below(8);
        if (lose != 0)
            relate("AttLink1_TO_Attr_Rel", id, pick(tables.front().columnIds));
        if (lose != 1)
            relate("AttLink2_TO_Attr_Rel", id, pick(other.columnIds));
        if (kind == 2 || kind == 3 || kind == 6 || kind == 7 || rng_.oneIn(5))
            if (!rng_.oneIn(4))
                longText("ATTLRowexpression", id, "");
        if (rng_.oneIn(4))
            longText("ALLDesc", id, "Link: ");
    }

    long count_;
    Rng rng_;
    uint32_t lastMinute_ = 0;
    InsertBatch schemaRows_, linkRows_, relRows_, textRows_;
};

} // namespace warehouse_sql
