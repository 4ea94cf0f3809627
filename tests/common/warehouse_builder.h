// The one way the tests make metadata: objects written through the object
// model's write side (create, relation add) into a control database, with the
// identifiers the test gives. WarehouseBuilder works on the connection that
// HQConfiguration holds; buildWarehouse() also makes the empty control
// database (SQLite file or PostgreSQL schema), connects and disconnects.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "dictionary/dir_base.h"
#include "dictionary/relation_collection.h"
#include "dictionary/write_transaction.h"
#include "runtime/configuration.h"
#include "tests/common/odbc_test_env.h"

namespace qrt_test {

// "code location: native message (comment)" of a failure, for test output.
inline std::string describe(const HQRC& rc) {
    return std::to_string(rc.code) + " " + rc.location.toMultiByte() + ": " +
           rc.nativeMessage.toMultiByte() + " (" + rc.comment.toMultiByte() + ")";
}

// Objects of a warehouse, each created as soon as it is added, all in one
// transaction that finish() (or the destructor) commits.
class WarehouseBuilder {
public:
    WarehouseBuilder() { transaction_.emplace(); }
    ~WarehouseBuilder() { finish(); }
    WarehouseBuilder(const WarehouseBuilder&) = delete;
    WarehouseBuilder& operator=(const WarehouseBuilder&) = delete;

    // Creates an object of class T with the identifier and name; `fill` sets
    // its other fields, long texts and binary data first.
    template <class T>
    T& add(const std::string& id, const std::wstring& name,
           const std::function<void(T&)>& fill = nullptr) {
        auto object = std::make_unique<T>();
        object->setId(DIRId(std::string_view(id)));
        HQRC rc = object->setName(name);
        EXPECT_EQ(rc.code, 0) << describe(rc);
        if (fill)
            fill(*object);
        rc = object->create(DIRBase::Identity::AsHeld);
        EXPECT_EQ(rc.code, 0) << id << ": " << describe(rc);
        T& made = *object;
        objects_[id] = std::move(object);
        return made;
    }

    // The object added with this identifier.
    template <class T> T& get(const std::string& id) {
        auto found = objects_.find(id);
        if (found == objects_.end()) {
            ADD_FAILURE() << "no object " << id << " was added";
            throw std::runtime_error("no object " + id);
        }
        return dynamic_cast<T&>(*found->second);
    }

    // Relates two objects, added here or already in the control database:
    // `source` is the source of the relation.
    void relate(const Relation& relation, const std::string& source, const std::string& target) {
        const HQRC rc =
            object(relation.source, source)
                .relate(relation, RelationSide::Source, object(relation.target, target));
        EXPECT_EQ(rc.code, 0) << HQSTRING(relation.name).toMultiByte() << " " << source << " "
                              << target << ": " << describe(rc);
    }

    // Commits what was added (once).
    HQRC finish() {
        if (!transaction_)
            return HQRC();
        const HQRC rc = transaction_->finish(HQRC());
        transaction_.reset();
        EXPECT_EQ(rc.code, 0) << describe(rc);
        return rc;
    }

private:
    // The object added with the identifier, else the one of that type read
    // from the control database.
    DIRBase& object(DIRObjectType type, const std::string& id) {
        auto found = objects_.find(id);
        if (found != objects_.end())
            return *found->second;
        std::unique_ptr<DIRBase> stored = DIRBase::makeObject(type);
        const HQRC rc = stored->retrieveId(DIRId(std::string_view(id)));
        EXPECT_EQ(rc.code, 0) << id << ": " << describe(rc);
        DIRBase& made = *stored;
        objects_[id] = std::move(stored);
        return made;
    }

    std::optional<controldb::WriteTransaction> transaction_;
    std::map<std::string, std::unique_ptr<DIRBase>> objects_;
};

// A new SQLite control database file holding the control tables and no rows.
inline bool emptySqliteControlDatabase(const std::filesystem::path& file) {
    const std::string command = std::string(QRT_SOURCE_DIR) + "/tools/load_warehouse.sh sqlite '" +
                                file.string() + "' /dev/null > '" + file.string() +
                                ".load.log' 2>&1";
    return std::system(command.c_str()) == 0;
}

#if defined(QRT_PG_HOST) && defined(QRT_PG_PORT) && defined(QRT_PG_DB) && defined(QRT_PG_USER) &&  \
    defined(QRT_PG_PASSWORD)
// A new schema `prefix` of the test cluster holding the control tables and no
// rows (an existing one is dropped first).
inline bool emptyPostgresControlSchema(const std::string& prefix) {
    const std::string command = "PGHOST=" QRT_PG_HOST " PGPORT=" QRT_PG_PORT " PGUSER=" QRT_PG_USER
                                " PGPASSWORD=" QRT_PG_PASSWORD " PGDATABASE=" QRT_PG_DB " " +
                                std::string(QRT_SOURCE_DIR) + "/tools/load_warehouse.sh postgres " +
                                prefix + " /dev/null > /dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}
#endif

// Connects to a control database (a DSN of the current odbc.ini) with the
// schema prefix, runs `build` on a builder and commits, then disconnects.
inline void buildWarehouse(const std::string& dsn, const std::string& prefix,
                           const std::function<void(WarehouseBuilder&)>& build,
                           const std::string& user = "", const std::string& password = "") {
    const HQRC rc = HQConfiguration::init(HQSTRING(dsn), HQSTRING(prefix), HQSTRING(user),
                                          HQSTRING(password), 0);
    ASSERT_EQ(rc.code, 0) << describe(rc);
    {
        WarehouseBuilder builder;
        build(builder);
    }
    HQConfiguration::terminate();
    HQConfiguration::clear();
}

} // namespace qrt_test
