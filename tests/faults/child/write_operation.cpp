// One write operation of the object model, run alone so that the fault tests
// can fail each of its ODBC calls in turn (tests/faults/shim):
//
//   write_operation DSN OPERATION
//
//   destroy-table     deletes the table 0000009201 with its columns, keys,
//                     key maps, long texts and relation rows
//   create-table      creates a table of the database 0000000101 with a long
//                     description, a CREATE statement and two relations
//   rename-database   renames the database 0000000101 (its tables and
//                     columns carry the new name too) and changes its long
//                     description
//
// Prints the return code; exit status 0 when the operation succeeded, 1 when
// it failed, 2 for a wrong call.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "dictionary/data_resource.h"
#include "dictionary/information_resource.h"
#include "runtime/configuration.h"

namespace {
HQRC run(const std::string& operation) {
    const DIRId table(std::string_view("0000009201"));
    const DIRId database(std::string_view("0000000101"));
    if (operation == "destroy-table") {
        DataResource t;
        return t.destroyID(table);
    }
    if (operation == "create-table") {
        InformationResource db;
        HQRC rc = db.retrieveId(database);
        if (rc.code != 0)
            return rc;
        DataResource t;
        t.setName(L"SALES.NEW_TABLE");
        t.editFields().IRName = db.getName();
        t.editFields().largeSchemaName = L"SALES";
        t.editFields().largeTableName = L"NEW_TABLE";
        t.setLongDescription(L"A new table (with 'quotes')");
        t.setCreateStmt(L"CREATE TABLE SALES.NEW_TABLE (A INTEGER)");
        const std::unique_ptr<DIRBase> step = DIRBase::retrieveIdBase(
            DIRId(std::string_view("0000001006")), DIRObjectType::BusinessView, rc);
        if (rc.code == 0)
            rc = t.getInformationResource.add(db);
        if (rc.code == 0)
            rc = t.getBusinessViewInputList.add(*step);
        return rc.code != 0 ? rc : t.create();
    }
    if (operation == "rename-database") {
        InformationResource db;
        HQRC rc = db.retrieveId(database);
        if (rc.code != 0)
            return rc;
        db.setName(L"SALES_RENAMED");
        db.setLongDescription(L"renamed");
        return db.update();
    }
    return HQRC(2, 0, DomainWhsSrv);
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    // The same identifiers in every run: the generator is seeded with the
    // time on its first use, then again with a fixed number.
    DIRId first;
    first.setRandom();
    std::srand(1);
    HQRC rc = HQConfiguration::init(HQSTRING(std::string(argv[1])), L"QRT", L"", L"", 0);
    if (rc.code == 0)
        rc = run(argv[2]);
    std::printf("rc=%d %s\n", rc.code, rc.nativeMessage.toMultiByte().c_str());
    HQConfiguration::terminate();
    if (rc.code == 2)
        return 2;
    return rc.code == 0 ? 0 : 1;
}
