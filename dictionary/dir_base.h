// DIRBase: the base of every metadata object (common columns, long
// description, relation collections, state) with the generic retrieval engine
// that all classes share: retrieve by a condition, retrieve by identifier,
// list first/next, the statement builders' prepare/bind/fetch, populate and
// the codes 3142, 3116, 3711, 3712, 3104, 3110. DIRRecord<F> adds a class's
// own fields F, mapped by F's column table (column_table.h).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/column_table.h"
#include "dictionary/control_database.h"
#include "dictionary/dir_id.h"
#include "dictionary/dir_string.h"
#include "dictionary/object_type.h"
#include "dictionary/relation.h"
#include "dictionary/statement_builder.h"
#include "runtime/hq_string.h"
#include "runtime/return_code.h"
#include "runtime/time_stamp.h"

class HQOdbcCursor;
class RelationCollectionBase;

// Codes of the object model (domain 2).
enum DIRCode : int32_t {
    kDirInternal = 99,
    kDirInvalidTarget = 3103,
    kDirNotPopulated = 3104,
    kDirInUse = 3105,            // a delete refused: the object is still referred to
    kDirChangedElsewhere = 3106, // an update refused: the row was stored by someone else
    kDirNotStored = 3107,        // an update of an object that was never read or stored
    kDirTooLong = 3110,
    kDirNoCursor = 3116,
    kDirNotFound = 3142,
    kDirNoColumnBuffer = 3711,
    kDirNoStatement = 3712,
};

// One relation collection of an object: the relation and the object's side.
struct RelationEnd {
    const Relation* relation;
    RelationSide side;
};

// What a class declares once about itself.
struct ClassInfo {
    DIRObjectType type;
    const wchar_t* table;         // dotted table name, e.g. ".inforesource"
    const wchar_t* sourceToken;   // e.g. "DDDPIR"
    const char* longDescKey;      // key of the long description in the strings table
    const wchar_t* commentPrefix; // put before "Class::operation" when passing errors up
    // Write side: the collections whose members keep the object in use (its
    // delete is refused while one has a member), and those whose members
    // belong to it (deleted with it).
    std::span<const RelationEnd> inUseBy = {};
    std::span<const RelationEnd> dependents = {};
};

// A parameter of a condition, kept by value until the statement is built.
struct QueryParm {
    SQLSMALLINT sqlType;
    SQLULEN columnSize;
    SQLLEN bufferLength;
    std::string bytes;

    // An object name: VARCHAR, column size and buffer 81.
    static QueryParm name(const HQSTRING& name);
    // An identifier: CHAR, column size and buffer 10.
    static QueryParm id(const DIRId& id);
    // Any other text: VARCHAR of the given size.
    static QueryParm text(const HQSTRING& text, int32_t size);
};

class DIRBase {
public:
    using objectType = DIRObjectType;
    // How create identifies the new row: a new identifier, updated by the
    // logged-on user now; or the identifier, user and time stamp the object
    // holds (a copy of an object read from another control database).
    enum class Identity { New, AsHeld };

    virtual ~DIRBase();
    DIRBase(const DIRBase&) = delete;
    DIRBase& operator=(const DIRBase&) = delete;

    // Common fields as read.
    const DIRId& getId() const { return id_; }
    const HQSTRING& getName() const { return name_; }
    const HQSTRING& getShortDescription() const { return shortDescription_; }
    const HQSTRING& getUpdatedBy() const { return updatedBy_; }
    const TimeStamp& getUpdateTs() const { return updateTs_; }
    DIRObjectType getObjectType() const { return info_.type; }
    // 0 new, 1 read from the control database, 2 inserted by this object.
    int getState() const { return state_; }
    void setState(int state) { state_ = state; }
    const HQSTRING& getLongDescription(HQRC& rc) { return longDescription_.getValue(rc); }

    // 3110 for a name over 80 bytes (multibyte), a description of 255 or more characters.
    HQRC setName(const HQSTRING& name);
    HQRC setShortDescription(const HQSTRING& text);
    void setId(const DIRId& id) { id_ = id; }
    void setLongDescription(const HQSTRING& text) { longDescription_.setValue(text); }
    // False in state 1, true in state 2; any other state throws HQRC 99 "Unknown State".
    bool isCreated() const;
    // True exactly for code 3142 in domain 2.
    static bool isNotFound(const HQRC& rc);

    static HQSTRING objectTypeToString(int32_t type) { return ::objectTypeToString(type); }
    static HQSTRING objectTypeToString(DIRObjectType type) { return ::objectTypeToString(type); }
    static int32_t objectTypeFromString(const HQSTRING& name) {
        return ::objectTypeFromString(name);
    }

    // The collection of a relation in which this object stands on the given side.
    RelationCollectionBase* getCollection(const Relation& relation, RelationSide side) const;
    void addCollection(RelationCollectionBase* collection);
    std::span<RelationCollectionBase* const> getCollections() const { return collections_; }
    void addString(DIRString* text) { strings_.push_back(text); }
    void addBinary(DIRBinary* data) { binaries_.push_back(data); }

    // A new, empty object of the class the type names; null for a type that
    // has no class.
    static std::unique_ptr<DIRBase> makeObject(DIRObjectType type);
    // Makes an object of the class the type names, in state 1, and retrieves it
    // by identifier; the result is in rc. Null only for a type without a class.
    static std::unique_ptr<DIRBase> retrieveIdBase(const DIRId& id, DIRObjectType type, HQRC& rc);
    // Doubles every single quote that is not already part of a pair.
    static HQSTRING getNameSingleQ(const HQSTRING& text);

    // Fills this object from the row with this identifier ("WHERE qrtid =?");
    // a class read from several tables at once has its own.
    virtual HQRC retrieveId(const DIRId& id);
    // Fills this object from the next row of the open list; 3142 at the end.
    HQRC listNext();
    // Opens a list over every row of the class's table (in identifier
    // order). A table that holds objects of several classes (".Key",
    // ".ProgFunc2") lists them all.
    HQRC listFirstAll() { return listFirstWhere(L"listFirstAll", L"", {}); }

    // While a read snapshot keeps rows (controldb::SnapshotStore): makes sure
    // the rows of the objects of this class related through `relation` to
    // the object `owner` (of class ownerClass, on side `known`) are kept, for
    // the retrievals by identifier and lists that follow. When the owner's
    // own row was read with a group, the rows of its later siblings' related
    // objects are read ahead with them (up to SnapshotStore::kWindow rows).
    // This object only lends its class. Nothing when no snapshot keeps rows
    // or the class is read from several tables.
    HQRC keepRelated(const Relation& relation, RelationSide known, const ClassInfo& ownerClass,
                     const DIRId& owner);
    // Reads the rows of these objects of this class in as few statements as
    // the batches need and keeps them as one group, in this order, for the
    // retrievals by identifier that follow. Nothing when no snapshot keeps
    // rows. This object only lends its class.
    HQRC keepRows(const std::vector<DIRId>& ids);
    // True when a retrieval of this class by identifier may be answered
    // from a kept row (a class read from one table by the generic retrieval).
    bool keepsRows() const;
    // The class description of an object type; null for a type without a class.
    static const ClassInfo* classInfoOf(DIRObjectType type);

    // Statement builders: prepare and bind a select, fetch one row into this object.
    HQRC SQLSelect(DIRSelect& select, HQOdbcCursor& cursor);
    HQRC SQLSelectId(DIRSelect& select, const DIRId& id, HQOdbcCursor& cursor);
    // A row whose values do not fit their fields is refused (code 3150 naming
    // the table, the column and the row's identifier): 0 with rc set.
    int SQLFetch(DIRSelect& select, ColumnBuffer& buffer, HQOdbcCursor& cursor, HQRC& rc);

    // Write side -------------------------------------------------------------
    // Each operation runs in one transaction (controldb::WriteTransaction):
    // when it fails, the control database is left as it was.

    // The field checks: 3110 (tokens: the column, its room in bytes) for a
    // value longer than its column holds.
    HQRC verifyAttributes() const;
    // Inserts the object: its row, its long texts and binary data, and the
    // relation rows its collections hold. State 2 afterwards.
    HQRC create(Identity identity = Identity::New);
    // Stores the fields of an object read (or created) before, unless the
    // row was stored by someone else since (3106, nothing changed); then the
    // long texts and binary data that were given new values.
    HQRC update();
    // Makes this new object a copy of `source` (same class) in memory: the
    // common fields (identifier, user and time stamp included), the class's
    // fields, the long texts and binary data, read from the control database
    // where they were not yet. No relation is copied.
    HQRC copyFrom(DIRBase& source);
    // Stores a copy of `source` under a new name and identifier, related to
    // the same objects wherever those may have several partners of its kind.
    HQRC copy(DIRBase& source, const HQSTRING& newName);
    // Deletes the object with this identifier: refused with 3105 while it is
    // in use; deletes the objects that belong to it, its long texts and
    // binary data, its relation rows and its row. This object is left empty.
    HQRC destroyId(const DIRId& id);
    // True when another object still refers to the object, so that it may not
    // be deleted; rc tells a failure to find out.
    virtual bool isInUse(HQRC& rc);
    // Deletes the object's long texts and binary data from their tables.
    HQRC removeDB();
    // Deletes every relation row that names the object on the side of its type.
    HQRC destroyRelations();
    // Relates this object to `other` through the collection this object keeps
    // for the relation, or else through the one `other` keeps.
    HQRC relate(const Relation& relation, RelationSide side, DIRBase& other);

    // Statement builders of the write side. SQLInsert draws a new identifier
    // first when newId is 1, and draws again while the identifier is taken.
    HQRC SQLInsert(int newId, DIRInsert& insert, HQOdbcCursor& cursor);
    // Changes no row when the row's time stamp is no longer the one read
    // (changedRows 0).
    HQRC SQLUpdate(DIRInsert& insert, HQOdbcCursor& cursor, SQLLEN& changedRows);
    HQRC SQLDeleteId(const HQSTRING& table, const DIRId& id, HQOdbcCursor& cursor);

    // The long text or binary data of this object registered under a key;
    // null for a key the class does not have.
    DIRString* getString(std::string_view key) const;
    DIRBinary* getBinary(std::string_view name) const;

    const ClassInfo& classInfo() const { return info_; }
    // The configured schema followed by the class's table.
    HQSTRING tableName() const { return controldb::table(info_.table); }
    const NameLimits& nameLimits() const { return limits_; }
    // 3104 (tokens type name and name) when this object was never read.
    HQRC checkPopulated(const wchar_t* operation) const;

protected:
    explicit DIRBase(const ClassInfo& info);

    // What a select of this class reads: the five common columns as the
    // select names them, and the FROM part. By default the class's own table.
    struct SelectSource {
        HQSTRING commonColumns;
        HQSTRING from;
    };
    virtual SelectSource selectSource() const { return {kCommonColumns, tableName()}; }

    // The class's own columns and fields; DIRRecord<F> supplies them.
    virtual std::span<const ColumnDesc> columnLayout() const { return {}; }
    virtual void populateProxy(const ColumnBuffer&) {}
    virtual void resetFields() {}

    // Fills this object from the first row the condition selects; 3142 with
    // the tokens type name and `asked` when there is none.
    HQRC retrieveWhere(const wchar_t* operation, const HQSTRING& condition,
                       const std::vector<QueryParm>& parms, const HQSTRING& asked);
    // Opens a list over the rows the condition selects and fills this object
    // from the first; 3142 with the type name when there is none.
    HQRC listFirstWhere(const wchar_t* operation, const HQSTRING& condition,
                        const std::vector<QueryParm>& parms);
    // The same over the objects related through `relation` to the object
    // `id` on side `known`: " where qrtid in (<related identifiers>)" followed
    // by `more` (further conditions, an ORDER BY).
    HQRC listFirstRelated(const wchar_t* operation, const Relation& relation, RelationSide known,
                          const DIRId& id, std::wstring_view more = {});
    // An object-model error (domain 2) raised by "Class::operation".
    HQRC makeError(int32_t code, const wchar_t* operation, const HQSTRING& token1,
                   const HQSTRING& token2) const;
    // Stores text in field unless it has more than maxChars characters (3110).
    HQRC setLimited(const wchar_t* operation, HQSTRING& field, const HQSTRING& text,
                    size_t maxChars) const;
    // Adds "[prefix]Class::operation" to an error passed upward.
    HQRC passUp(HQRC rc, const wchar_t* operation) const;
    HQSTRING qualified(const wchar_t* operation) const;

    // Leaves nothing of the previous content: common fields, long texts, binary
    // data, relation collections and the class's fields return to their defaults.
    void resetContent();

    // Write side, what a class adds: its own columns and their values, its
    // fields' checks and copy; whether the name and short description are
    // its row's own (a program instance takes them from its definition).
    virtual void addWriteColumns(DIRInsert&) const {}
    virtual std::optional<ColumnMisfit> verifyFields() const { return std::nullopt; }
    virtual bool copyFields(const DIRBase&) { return false; }
    virtual bool ownsCommonTexts() const { return true; }
    // What a class does besides the generic steps of an update (after the
    // row is stored) and of a delete (before the generic dependents go).
    virtual HQRC updateParticular() { return HQRC(); }
    virtual HQRC destroyParticular() { return HQRC(); }
    // The name as stored in the control database by the last fetch, create
    // or update.
    const HQSTRING& storedName() const { return storedName_; }
    // Set by isInUse when it answers true: what keeps the object in use (the
    // third token of 3105).
    HQSTRING inUseBy_;

    NameLimits limits_;

private:
    HQRC retrieveOne(const wchar_t* operation, const HQSTRING& condition,
                     const std::vector<QueryParm>& parms, const HQSTRING& asked, const DIRId* id);
    // Adds the condition's parameters and the class's columns to a select.
    void completeSelect(DIRSelect& select, ColumnBuffer& buffer,
                        const std::vector<QueryParm>& parms) const;
    void closeList();
    // The first value of the fetched row (common columns, then the class's)
    // that does not fit its field, as a failure; 0 when all fit.
    HQRC verifyRow(const DIRCommonColumns& common, const ColumnBuffer& buffer) const;
    // Fills this object from a fetched row unless a value does not fit (rc).
    bool takeRow(const DIRCommonColumns& common, const ColumnBuffer& buffer, HQRC& rc);
    // Fills this object from the row kept for id; false when none is kept.
    bool takeKeptRow(const wchar_t* operation, const DIRId& id, HQRC& rc);
    // Reads the rows of these identifiers (as many statements as batches
    // need) and keeps them in the group, at their positions in ids.
    HQRC keepRowsById(const std::vector<DIRId>& ids, uint64_t group);
    // Without the kept relationship table: reads the rows of the objects
    // related to one owner in one statement and keeps them as a group.
    HQRC keepRowsOfOwner(const Relation& relation, RelationSide known, const DIRId& owner);
    // A list over the related objects answered from kept rows; nothing when
    // a row is not kept (the list then reads the table).
    std::optional<HQRC> listFirstKept(const wchar_t* operation, const Relation& relation,
                                      RelationSide known, const DIRId& id);
    // Fills this object from the next row of the list answered from kept rows.
    HQRC nextKept(const wchar_t* operation);
    // The row's insert: common columns and the class's columns.
    HQRC insertRow(Identity identity);
    // The members of the dependent collections, each deleted.
    HQRC destroyDependents();
    // What a write changes in the object itself, taken before the write and
    // put back when it fails, so that a failed write leaves the object as read.
    struct WrittenState {
        DIRId id;
        HQSTRING updatedBy;
        TimeStamp updateTs;
        bool updateTsNull;
        int state;
    };
    WrittenState writtenState() const {
        return {id_, updatedBy_, updateTs_, updateTsNull_, state_};
    }
    void restoreWrittenState(const WrittenState& held);
    friend class RelationCollectionBase;

    const ClassInfo& info_;
    HQSTRING updatedBy_;
    TimeStamp updateTs_;
    // The row was read without a time stamp: a copy stores none either, and
    // the optimistic update looks for a row without one.
    bool updateTsNull_ = false;
    DIRId id_;
    HQSTRING name_;
    HQSTRING shortDescription_;
    std::vector<DIRString*> strings_; // registered before longDescription_ is built
    std::vector<DIRBinary*> binaries_;
    std::vector<RelationCollectionBase*> collections_;
    int state_ = 0;
    HQSTRING storedName_;
    DIRString longDescription_;
    // Open list: all three set while a list is open, all null otherwise.
    std::unique_ptr<controldb::PooledCursor> listCursor_;
    std::unique_ptr<ColumnBuffer> listBuffer_;
    std::unique_ptr<DIRSelect> listSelect_;
    // Or the rows of an open list answered from kept rows, and the next one.
    struct KeptList {
        std::vector<std::string> images;
        size_t next = 0;
    };
    std::unique_ptr<KeptList> keptList_;
};

// A metadata class with its own fields F. F declares its columns with
// `static const ColumnTable<F>& columns();`.
template <class F> class DIRRecord : public DIRBase {
public:
    using Fields = F;
    const F& fields() const { return f_; }

protected:
    explicit DIRRecord(const ClassInfo& info) : DIRBase(info) {}

    std::span<const ColumnDesc> columnLayout() const override { return F::columns().layout(); }
    void populateProxy(const ColumnBuffer& buffer) override { F::columns().populate(buffer, f_); }
    void resetFields() override { f_ = F{}; }

    void addWriteColumns(DIRInsert& insert) const override {
        F::columns().values(f_, limits_, [&](const wchar_t* column, const WriteValue& value) {
            insert.addValue(column, value);
        });
    }
    std::optional<ColumnMisfit> verifyFields() const override {
        return F::columns().verify(f_, limits_);
    }
    bool copyFields(const DIRBase& source) override {
        const auto* same = dynamic_cast<const DIRRecord<F>*>(&source);
        if (same == nullptr)
            return false;
        f_ = same->f_;
        return true;
    }

    F f_;

public:
    // The fields, to be changed before create or update (which check them).
    F& editFields() { return f_; }
};
