// A small warehouse made up by a test: rows of the control tables written as
// SQL, loaded into a fresh SQLite file with the project's loader, and a DSN
// for it. Identifiers are whatever the test gives (ten characters).
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/exporters/export_run.h"

namespace export_test {

class ScratchWarehouse {
public:
    explicit ScratchWarehouse(const std::string& tag)
        : dir_(qrt_test::makeTempDir(tag)), database_(dir_ / "control.db") {}

    const fs::path& dir() const { return dir_; }
    const fs::path& database() const { return database_; }

    // Any SQL of the data file.
    void sql(const std::string& text) { data_ += text + "\n"; }

    void relation(const std::string& name, const std::string& source, const std::string& target) {
        sql("INSERT INTO RELATIONSHIP (relation_name, source_qrtid, target_qrtid) VALUES ('" +
            name + "', '" + source + "', '" + target + "');");
    }

    // A database; typeText is the stored type text, "Oracle" or "Flat File LAN"
    // (read by a local command). Its dbName is its name followed by "DSN".
    void database(const std::string& id, const std::string& name, const std::string& typeText,
                  int isWarehouse = 0, const std::string& columns = "",
                  const std::string& values = "") {
        const std::string subType =
            typeText == "Flat File LAN" ? "Flat File LAN Local Command" : typeText;
        sql("INSERT INTO inforesource (qrtid, name, dbName, dbType, subdbType, isWarehouse" +
            prefixed(columns) + ") VALUES ('" + id + "', '" + quoted(name) + "', '" + quoted(name) +
            "DSN', '" + typeText + "', '" + subType + "', " + std::to_string(isWarehouse) +
            prefixed(values) + ");");
    }

    // A table of a database (schema may be empty), related to the database.
    void table(const std::string& id, const std::string& databaseId,
               const std::string& databaseName, const std::string& schema, const std::string& name,
               const std::string& columns = "", const std::string& values = "") {
        const std::string qualified = schema.empty() ? name : schema + "." + name;
        sql("INSERT INTO DataResource (qrtid, name, IRName, largeSchemaName, largeTableName" +
            prefixed(columns) + ") VALUES ('" + id + "', '" + quoted(qualified) + "', '" +
            databaseName + "', '" + quoted(schema) + "', '" + quoted(name) + "'" +
            prefixed(values) + ");");
        relation("IR_TO_DR_Rel", databaseId, id);
        tables_[id] = {databaseName, schema, name, qualified};
    }

    // A column of a table made by table(), related to the table; it carries
    // the stored names of its table.
    void column(const std::string& id, const std::string& tableId, const std::string& name,
                int seqNo, const std::string& columns = "", const std::string& values = "") {
        const TableNames& t = tables_.at(tableId);
        sql("INSERT INTO Attribute (qrtid, name, largeName, IRName, DRName, largeDRSchemaName, "
            "largeDRTableName, nativeDataType, ODBCDataType, seqNo" +
            prefixed(columns) + ") VALUES ('" + id + "', '" + quoted(name) + "', '" + quoted(name) +
            "', '" + quoted(t.database) + "', '" + quoted(t.qualified) + "', '" + quoted(t.schema) +
            "', '" + quoted(t.name) + "', 'INTEGER', 'INTEGER', " + std::to_string(seqNo) +
            prefixed(values) + ");");
        relation("DR_TO_Attr_Rel", tableId, id);
    }

    // A primary ("P") or foreign ("F") key of a table, related to the table.
    void key(const std::string& id, const std::string& tableId, const std::string& name,
             bool primary) {
        sql("INSERT INTO Key (qrtid, name, typeStr) VALUES ('" + id + "', '" + name + "', '" +
            (primary ? "P" : "F") + "');");
        if (!tableId.empty()) {
            relation(primary ? "DR_TO_PrimaryKey_Rel" : "DR_TO_ForeignKey_Rel", tableId, id);
        }
    }

    // A key map of a key with its primary-side and foreign-side columns (either
    // may be empty: no relation row).
    void keyMap(const std::string& id, const std::string& keyId, bool ofPrimaryKey,
                const std::string& name, int orderNo, const std::string& primaryColumn,
                const std::string& foreignColumn) {
        sql("INSERT INTO KeyMap (qrtid, name, orderNo) VALUES ('" + id + "', '" + name + "', " +
            std::to_string(orderNo) + ");");
        relation(ofPrimaryKey ? "KeyMap_TO_PrimaryKey" : "KeyMap_TO_ForeignKey", id, keyId);
        if (!primaryColumn.empty()) {
            relation("Attr_TO_PKeyMap_Rel", id, primaryColumn);
        }
        if (!foreignColumn.empty()) {
            relation("Attr_TO_FKeyMap_Rel", id, foreignColumn);
        }
    }

    // A long text of an object in the strings table, one row per piece.
    void longText(const std::string& key, const std::string& id,
                  const std::vector<std::string>& pieces) {
        for (size_t i = 0; i < pieces.size(); ++i) {
            sql("INSERT INTO QRTSTRINGS (name, qrtid, seqno, text) VALUES ('" + key + "', '" + id +
                "', " + std::to_string(i + 1) + ", '" + quoted(pieces[i]) + "');");
        }
    }

    // Loads the rows and makes a DSN "QRTWH" for the file current.
    void load() {
        writeFile(dir_ / "data.sql", data_);
        ASSERT_TRUE(loadSqlite(database_, {dir_ / "data.sql"}))
            << readFile(database_.string() + ".load.log");
        qrt_test::useOdbcIni(dir_, qrt_test::sqliteDsn("QRTWH", database_));
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
    static std::string prefixed(const std::string& list) { return list.empty() ? "" : ", " + list; }

    struct TableNames {
        std::string database, schema, name, qualified;
    };

    fs::path dir_;
    fs::path database_;
    std::string data_;
    std::map<std::string, TableNames> tables_;
};

} // namespace export_test
