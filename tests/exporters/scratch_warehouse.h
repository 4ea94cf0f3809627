// A small warehouse made up by a test, built through the object model's write
// side (tests/common/warehouse_builder.h) into a fresh SQLite control database,
// with a DSN "QRTWH" for it. Identifiers are whatever the test gives (ten
// characters). Stored values the object model would not write in that form (a
// number in a text column, a NULL, an enciphered password as stored) are
// given as column lists and are set on the row after the build, behind the
// object model's back.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "dictionary/attribute.h"
#include "dictionary/data_resource.h"
#include "dictionary/database_types.h"
#include "dictionary/information_resource.h"
#include "dictionary/key.h"
#include "dictionary/key_map.h"
#include "dictionary/relation.h"
#include "tests/common/warehouse_builder.h"
#include "tests/exporters/export_run.h"

namespace export_test {

class ScratchWarehouse {
public:
    explicit ScratchWarehouse(const std::string& tag)
        : dir_(qrt_test::makeTempDir(tag)), database_(dir_ / "control.db") {}

    const fs::path& dir() const { return dir_; }
    const fs::path& database() const { return database_; }

    // An object of class T with the identifier and name; `fill` sets its
    // other fields first.
    template <class T>
    void add(const std::string& id, const std::string& name,
             const std::function<void(T&)>& fill = nullptr) {
        objects_.push_back([this, id, name, fill](qrt_test::WarehouseBuilder& builder) {
            builder.add<T>(id, HQSTRING(name), [&](T& object) {
                if (fill)
                    fill(object);
                for (const auto& [key, text] : longTexts_[id]) {
                    DIRString* string = object.getString(key);
                    ASSERT_NE(string, nullptr) << id << " has no long text " << key;
                    string->setValue(HQSTRING(text));
                }
            });
        });
    }

    // The relation row "source is related to target", made through the
    // collections of the two objects once all objects exist.
    void relation(const Relation& relation, const std::string& source, const std::string& target) {
        relations_.push_back([&relation, source, target](qrt_test::WarehouseBuilder& builder) {
            builder.relate(relation, source, target);
        });
    }

    // A relation row that the write side refuses to make (one naming an
    // object that does not exist) or would replace (a second partner on a
    // single-valued side): written as a row after the build.
    void rawRelation(const Relation& relation, const std::string& source,
                     const std::string& target) {
        sql("INSERT INTO RELATIONSHIP (relation_name, source_qrtid, target_qrtid) VALUES ('" +
            HQSTRING(relation.name).toMultiByte() + "', '" + source + "', '" + target + "');");
    }

    // Stored values of a row, set after the build: `columns` and `values`
    // are lists of the same length in SQL ("a, b" and "'x', NULL").
    void stored(const std::string& table, const std::string& id, const std::string& columns,
                const std::string& values) {
        if (!columns.empty())
            sql("UPDATE " + table + " SET (" + columns + ") = (" + values + ") WHERE qrtid = '" +
                id + "';");
    }

    // SQL run on the control database after the build: rows the write side
    // refuses to make (a relation row pointing nowhere) or changes of
    // stored values.
    void sql(const std::string& text) { data_ += text + "\n"; }

    // A database; typeText is the stored type text, "Oracle" or "Flat File LAN"
    // (read by a local command). Its dbName is its name followed by "DSN".
    void database(const std::string& id, const std::string& name, const std::string& typeText,
                  int isWarehouse = 0, const std::string& columns = "",
                  const std::string& values = "") {
        const std::string subType =
            typeText == "Flat File LAN" ? "Flat File LAN Local Command" : typeText;
        add<InformationResource>(id, name, [=](InformationResource& db) {
            auto& f = db.editFields();
            f.dbName = HQSTRING(name + "DSN");
            f.dbType = dbtypes::typeFromText(HQSTRING(typeText));
            f.subdbType = dbtypes::subTypeFromText(HQSTRING(subType));
            f.isWarehouse = isWarehouse;
        });
        stored("inforesource", id, columns, values);
    }

    // A table of a database (schema may be empty), related to the database.
    void table(const std::string& id, const std::string& databaseId,
               const std::string& databaseName, const std::string& schema, const std::string& name,
               const std::string& columns = "", const std::string& values = "") {
        const std::string qualified = schema.empty() ? name : schema + "." + name;
        add<DataResource>(id, qualified, [=](DataResource& table) {
            auto& f = table.editFields();
            f.IRName = HQSTRING(databaseName);
            f.largeSchemaName = HQSTRING(schema);
            f.largeTableName = HQSTRING(name);
        });
        stored("DataResource", id, columns, values);
        relation(rel::IR_TO_DR_Rel, databaseId, id);
        tables_[id] = {databaseName, schema, name, qualified};
    }

    // A column of a table made by table(), related to the table; it carries
    // the stored names of its table.
    void column(const std::string& id, const std::string& tableId, const std::string& name,
                int seqNo, const std::string& columns = "", const std::string& values = "") {
        const TableNames t = tables_.at(tableId);
        add<Attribute>(id, name, [=](Attribute& column) {
            auto& f = column.editFields();
            f.largeName = HQSTRING(name);
            f.IRName = HQSTRING(t.database);
            f.DRName = HQSTRING(t.qualified);
            f.largeDRSchemaName = HQSTRING(t.schema);
            f.largeDRTableName = HQSTRING(t.name);
            f.nativeDataType = L"INTEGER";
            f.ODBCDataType = L"INTEGER";
            f.seqNo = seqNo;
        });
        stored("Attribute", id, columns, values);
        relation(rel::DR_TO_Attr_Rel, tableId, id);
    }

    // A primary ("P") or foreign ("F") key of a table, related to the table
    // unless tableId is empty.
    void key(const std::string& id, const std::string& tableId, const std::string& name,
             bool primary) {
        const auto fill = [primary](Key& key) { key.editFields().typeStr = primary ? L"P" : L"F"; };
        if (primary)
            add<PrimaryKey>(id, name, fill);
        else
            add<ForeignKey>(id, name, fill);
        if (!tableId.empty())
            relation(primary ? rel::DR_TO_PrimaryKey_Rel : rel::DR_TO_ForeignKey_Rel, tableId, id);
    }

    // A key map of a key with its primary-side and foreign-side columns (either
    // may be empty: no relation row).
    void keyMap(const std::string& id, const std::string& keyId, bool ofPrimaryKey,
                const std::string& name, int orderNo, const std::string& primaryColumn,
                const std::string& foreignColumn) {
        add<KeyMap>(id, name, [orderNo](KeyMap& map) { map.editFields().orderNo = orderNo; });
        relation(ofPrimaryKey ? rel::KeyMap_TO_PrimaryKey : rel::KeyMap_TO_ForeignKey, id, keyId);
        if (!primaryColumn.empty())
            relation(rel::Attr_TO_PKeyMap_Rel, id, primaryColumn);
        if (!foreignColumn.empty())
            relation(rel::Attr_TO_FKeyMap_Rel, id, foreignColumn);
    }

    // A long text of an object added here, given in pieces (stored joined).
    void longText(const std::string& key, const std::string& id,
                  const std::vector<std::string>& pieces) {
        std::string& text = longTexts_[id][key];
        for (const std::string& piece : pieces)
            text += piece;
    }

    // Builds the warehouse, sets the stored values and makes the DSN "QRTWH"
    // for the file current.
    void load() {
        ASSERT_TRUE(qrt_test::emptySqliteControlDatabase(database_))
            << readFile(database_.string() + ".load.log");
        // The build connects under a data source name of its own: the driver
        // manager keeps what it read of a name once in this process, and
        // every warehouse has a file of its own.
        static int builds = 0;
        const std::string builder = "QRTBUILD" + std::to_string(++builds);
        qrt_test::useOdbcIni(dir_, qrt_test::sqliteDsn("QRTWH", database_) +
                                       qrt_test::sqliteDsn(builder, database_));
        qrt_test::buildWarehouse(builder, "QRT", [&](qrt_test::WarehouseBuilder& builder) {
            for (const auto& step : objects_)
                step(builder);
            for (const auto& step : relations_)
                step(builder);
        });
        if (!data_.empty()) {
            ASSERT_TRUE(qrt_test::sqliteExec(database_, data_)) << data_;
        }
    }

    // Loads, then exports the databases named under "<IR>".
    ExportResult exportDatabases(const std::vector<std::string>& names) {
        load();
        std::string input = "<IR>\n";
        for (const std::string& name : names) {
            input += name + "\n";
        }
        return runExport(dir_, "QRTWH", input);
    }

    static std::string quoted(const std::string& text) {
        std::string out;
        for (char c : text) {
            out += c;
            if (c == '\'') {
                out += '\'';
            }
        }
        return out;
    }

private:
    struct TableNames {
        std::string database, schema, name, qualified;
    };
    using Step = std::function<void(qrt_test::WarehouseBuilder&)>;

    fs::path dir_;
    fs::path database_;
    std::vector<Step> objects_;
    std::vector<Step> relations_;
    std::map<std::string, std::map<std::string, std::string>> longTexts_;
    std::string data_;
    std::map<std::string, TableNames> tables_;
};

} // namespace export_test
