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
    kDirTooLong = 3110,
    kDirNoCursor = 3116,
    kDirNotFound = 3142,
    kDirNoColumnBuffer = 3711,
    kDirNoStatement = 3712,
};

// What a class declares once about itself.
struct ClassInfo {
    DIRObjectType type;
    const wchar_t* table;         // dotted table name, e.g. ".inforesource"
    const wchar_t* sourceToken;   // e.g. "DDDPIR"
    const char* longDescKey;      // key of the long description in the strings table
    const wchar_t* commentPrefix; // put before "Class::operation" when passing errors up
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
    HQSTRING getLongDescription(HQRC& rc) { return longDescription_.getValue(rc); }

    // 3110 for a name over 80 bytes (multibyte), a description of 255 or more characters.
    HQRC setName(const HQSTRING& name);
    HQRC setShortDescription(const HQSTRING& text);
    void setId(const DIRId& id) { id_ = id; }
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

    const ClassInfo& info_;
    HQSTRING updatedBy_;
    TimeStamp updateTs_;
    DIRId id_;
    HQSTRING name_;
    HQSTRING shortDescription_;
    std::vector<DIRString*> strings_; // registered before longDescription_ is built
    std::vector<DIRBinary*> binaries_;
    std::vector<RelationCollectionBase*> collections_;
    int state_ = 0;
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

    F f_;
};
