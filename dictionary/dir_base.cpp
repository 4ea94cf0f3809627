// The generic engine of the object model: statement building and binding,
// fetching into an object (common columns and the class's column table),
// retrieval by condition or identifier, lists, and the object-model codes.
#include "dictionary/dir_base.h"

#include "dictionary/relation_collection.h"
#include "runtime/fetched_value.h"
#include "runtime/odbc.h"
#include "runtime/platform.h"

namespace {
constexpr size_t kMaxNameBytes = 80;
constexpr size_t kMaxShortDescriptionChars = 254;

HQSTRING textOf(const char* data, size_t size, SQLLEN lengthWord) {
    return HQSTRING(std::string(controldb::fetchedText(data, size - 1, lengthWord)));
}
} // namespace

QueryParm QueryParm::name(const HQSTRING& name) {
    return {SQL_VARCHAR, 81, 81, name.toMultiByte()};
}

QueryParm QueryParm::id(const DIRId& id) {
    return {SQL_CHAR, DIRId::kLength, DIRId::kLength, std::string(id.data(), DIRId::kLength)};
}

QueryParm QueryParm::text(const HQSTRING& text, int32_t size) {
    return {SQL_VARCHAR, static_cast<SQLULEN>(size), size, text.toMultiByte()};
}

DIRBase::DIRBase(const ClassInfo& info) : info_(info), longDescription_(*this, info.longDescKey) {}

DIRBase::~DIRBase() = default;

HQRC DIRBase::setName(const HQSTRING& name) {
    if (name.toMultiByte().size() > kMaxNameBytes)
        return makeError(kDirTooLong, L"setName", name, L"");
    name_ = name;
    return HQRC();
}

HQRC DIRBase::setShortDescription(const HQSTRING& text) {
    if (text.size() > kMaxShortDescriptionChars)
        return makeError(kDirTooLong, L"setShortDescription", text, L"");
    shortDescription_ = text;
    return HQRC();
}

bool DIRBase::isCreated() const {
    if (state_ == 1)
        return false;
    if (state_ == 2)
        return true;
    HQRC rc = makeError(kDirInternal, L"isCreated", L"", L"");
    rc.comment = L"Unknown State";
    throw rc;
}

bool DIRBase::isNotFound(const HQRC& rc) {
    return rc.code == kDirNotFound && rc.domain == DomainWhsDDD;
}

RelationCollectionBase* DIRBase::getCollection(const Relation& relation, RelationSide side) const {
    for (RelationCollectionBase* c : collections_)
        if (&c->relation() == &relation && c->ownerSide() == side)
            return c;
    return nullptr;
}

void DIRBase::addCollection(RelationCollectionBase* collection) {
    collections_.push_back(collection);
}

HQSTRING DIRBase::getNameSingleQ(const HQSTRING& text) {
    HQSTRING out;
    out.reserve(text.size() + 2);
    for (size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] != L'\'')
            continue;
        out += L'\'';
        if (i + 1 < text.size() && text[i + 1] == L'\'')
            ++i; // an existing pair is kept as it is
    }
    return out;
}

HQSTRING DIRBase::qualified(const wchar_t* operation) const {
    return objectTypeToString(info_.type) + L"::" + operation;
}

HQRC DIRBase::makeError(int32_t code, const wchar_t* operation, const HQSTRING& token1,
                        const HQSTRING& token2) const {
    HQRC rc(code, 0, DomainWhsDDD);
    rc.location = qualified(operation);
    rc.commandLine = info_.sourceToken;
    rc.hostName = hq::hostName();
    rc.SetHQMessage(token1, token2, L"", L"", L"", L"", L"", L"", L"", L"");
    return rc;
}

HQRC DIRBase::setLimited(const wchar_t* operation, HQSTRING& field, const HQSTRING& text,
                         size_t maxChars) const {
    if (text.size() > maxChars)
        return makeError(kDirTooLong, operation, text.subString(0, 20),
                         HQSTRING(std::to_wstring(maxChars)));
    field = text;
    return HQRC();
}

HQRC DIRBase::passUp(HQRC rc, const wchar_t* operation) const {
    rc.AddComment(info_.commentPrefix + qualified(operation));
    return rc;
}

HQRC DIRBase::checkPopulated(const wchar_t* operation) const {
    if (state_ != 0)
        return HQRC();
    return makeError(kDirNotPopulated, operation, objectTypeToString(info_.type), name_);
}

void DIRBase::resetContent() {
    updatedBy_.clear();
    updateTs_ = TimeStamp();
    updateTsNull_ = false;
    id_ = DIRId();
    name_.clear();
    shortDescription_.clear();
    storedName_.clear();
    for (DIRString* text : strings_)
        text->reset();
    for (DIRBinary* data : binaries_)
        data->reset();
    for (RelationCollectionBase* collection : collections_)
        collection->reset();
    resetFields();
}

HQRC DIRBase::SQLSelect(DIRSelect& select, HQOdbcCursor& cursor) {
    HQRC rc = cursor.prepare(select.text());
    for (const DIRSelectParm& p : select.parameters()) {
        if (rc.code != 0)
            return rc;
        rc = cursor.bindParameter(p.number, p.kind, p.bufferType, p.sqlType, p.columnSize,
                                  p.decimalDigits, p.value, p.bufferLength, p.lengthWord);
    }
    DIRCommonColumns& c = select.common();
    struct Bound {
        SQLSMALLINT type;
        SQLPOINTER value;
        SQLLEN length;
        SQLLEN* indicator;
    };
    const Bound common[] = {
        {SQL_C_CHAR, c.id, sizeof c.id, &c.idInd},
        {SQL_C_CHAR, c.updatedBy, sizeof c.updatedBy, &c.updatedByInd},
        {SQL_C_TIMESTAMP, &c.updateTs, 0, &c.updateTsInd},
        {SQL_C_CHAR, c.name, sizeof c.name, &c.nameInd},
        {SQL_C_CHAR, c.shortDescription, sizeof c.shortDescription, &c.shortDescriptionInd},
    };
    SQLUSMALLINT number = 0;
    for (const Bound& b : common) {
        if (rc.code != 0)
            return rc;
        rc = cursor.bindCol(++number, b.type, b.value, b.length, b.indicator);
    }
    for (const DIRSelectCol& col : select.columns()) {
        if (rc.code != 0)
            return rc;
        rc = cursor.bindCol(++number, col.bufferType, col.value, col.bufferLength, col.indicator);
    }
    return rc;
}

HQRC DIRBase::SQLSelectId(DIRSelect& select, const DIRId& id, HQOdbcCursor& cursor) {
    select.setCondition(L"WHERE qrtid =?");
    const QueryParm parm = QueryParm::id(id);
    select.addTextParm(parm.sqlType, parm.columnSize, parm.bufferLength, parm.bytes);
    HQRC rc = SQLSelect(select, cursor);
    if (rc.code != 0)
        rc.AddComment(L"From DIRBase::SQLSelectId");
    return rc;
}

HQRC DIRBase::verifyRow(const DIRSelect& select, const ColumnBuffer& buffer) const {
    const DIRCommonColumns& c = select.common();
    const HQSTRING rowId =
        c.idInd == SQL_NULL_DATA ? HQSTRING(L"NULL") : textOf(c.id, sizeof c.id, c.idInd);
    const struct {
        const wchar_t* column;
        SQLLEN lengthWord;
        size_t room;
    } common[] = {{L"qrtid", c.idInd, sizeof c.id - 1},
                  {L"updated_by", c.updatedByInd, sizeof c.updatedBy - 1},
                  {L"name", c.nameInd, sizeof c.name - 1},
                  {L"short_description", c.shortDescriptionInd, sizeof c.shortDescription - 1}};
    HQRC rc;
    for (const auto& column : common) {
        if (const std::wstring reason = fetched::textMisfit(column.lengthWord, column.room);
            !reason.empty()) {
            rc = fetched::misfit(L"", tableName(), column.column, rowId, reason);
            break;
        }
    }
    if (rc.code == 0)
        rc = buffer.verify(L"", tableName(), rowId);
    if (rc.code != 0) {
        rc.location = qualified(L"SQLFetch");
        rc.commandLine = info_.sourceToken;
    }
    return rc;
}

int DIRBase::SQLFetch(DIRSelect& select, ColumnBuffer& buffer, HQOdbcCursor& cursor, HQRC& rc) {
    const int row = cursor.fetch(rc);
    if (row == 0)
        return 0;
    // A row whose values do not fit their fields is not taken.
    if (HQRC misfit = verifyRow(select, buffer); misfit.code != 0) {
        rc = misfit;
        return 0;
    }
    resetContent();
    const DIRCommonColumns& c = select.common();
    if (c.idInd != SQL_NULL_DATA)
        id_.setValue(controldb::fetchedText(c.id, DIRId::kLength, c.idInd));
    if (c.updatedByInd != SQL_NULL_DATA)
        updatedBy_ = textOf(c.updatedBy, sizeof c.updatedBy, c.updatedByInd);
    if (c.updateTsInd != SQL_NULL_DATA)
        updateTs_.fromOdbc(c.updateTs);
    else
        updateTsNull_ = true;
    if (c.nameInd != SQL_NULL_DATA)
        name_ = textOf(c.name, sizeof c.name, c.nameInd);
    if (c.shortDescriptionInd != SQL_NULL_DATA)
        shortDescription_ =
            textOf(c.shortDescription, sizeof c.shortDescription, c.shortDescriptionInd);
    populateProxy(buffer);
    storedName_ = name_;
    state_ = 1;
    return row;
}

void DIRBase::completeSelect(DIRSelect& select, ColumnBuffer& buffer,
                             const std::vector<QueryParm>& parms) const {
    for (const QueryParm& p : parms)
        select.addTextParm(p.sqlType, p.columnSize, p.bufferLength, p.bytes);
    buffer.addTo(select);
}

HQRC DIRBase::retrieveOne(const wchar_t* operation, const HQSTRING& condition,
                          const std::vector<QueryParm>& parms, const HQSTRING& asked,
                          const DIRId* id) {
    // The select is complete before a cursor is taken: its text chooses the
    // prepared statement to reuse.
    const SelectSource source = selectSource();
    DIRSelect select(source.from, id != nullptr ? HQSTRING(L"WHERE qrtid =?") : condition,
                     source.commonColumns);
    ColumnBuffer buffer(columnLayout(), limits_);
    // By identifier, SQLSelectId adds the parameter.
    completeSelect(select, buffer, id != nullptr ? std::vector<QueryParm>() : parms);
    const controldb::PooledCursor pooled(select.text());
    HQOdbcCursor& cursor = *pooled;
    HQRC rc = id != nullptr ? SQLSelectId(select, *id, cursor) : SQLSelect(select, cursor);
    if (rc.code != 0)
        return passUp(rc, operation);
    if (SQLFetch(select, buffer, cursor, rc) != 0)
        return rc;
    if (rc.code != 0)
        return passUp(rc, operation);
    return makeError(kDirNotFound, operation, objectTypeToString(info_.type), asked);
}

HQRC DIRBase::retrieveWhere(const wchar_t* operation, const HQSTRING& condition,
                            const std::vector<QueryParm>& parms, const HQSTRING& asked) {
    return retrieveOne(operation, condition, parms, asked, nullptr);
}

HQRC DIRBase::retrieveId(const DIRId& id) {
    return retrieveOne(L"retrieveId", L"", {}, id.toString(), &id);
}

void DIRBase::closeList() {
    listCursor_.reset();
    listSelect_.reset();
    listBuffer_.reset();
}

HQRC DIRBase::listFirstWhere(const wchar_t* operation, const HQSTRING& condition,
                             const std::vector<QueryParm>& parms) {
    closeList();
    listBuffer_ = std::make_unique<ColumnBuffer>(columnLayout(), limits_);
    const SelectSource source = selectSource();
    listSelect_ = std::make_unique<DIRSelect>(source.from, condition, source.commonColumns);
    completeSelect(*listSelect_, *listBuffer_, parms);
    listCursor_ = std::make_unique<controldb::PooledCursor>(listSelect_->text());
    HQRC rc = SQLSelect(*listSelect_, **listCursor_);
    if (rc.code == 0 && SQLFetch(*listSelect_, *listBuffer_, **listCursor_, rc) != 0)
        return rc;
    closeList();
    if (rc.code != 0)
        return passUp(rc, operation);
    return makeError(kDirNotFound, operation, objectTypeToString(info_.type), L"");
}

HQRC DIRBase::listFirstRelated(const wchar_t* operation, const Relation& relation,
                               RelationSide known, const DIRId& id, std::wstring_view more) {
    return listFirstWhere(operation,
                          L" where qrtid in " + relatedIdsQuery(relation, known) + HQSTRING(more),
                          {QueryParm::id(id)});
}

HQRC DIRBase::listNext() {
    const HQSTRING type = objectTypeToString(info_.type);
    if (!listCursor_)
        return makeError(kDirNoCursor, L"listNext", type, L"");
    if (!listBuffer_)
        return makeError(kDirNoColumnBuffer, L"listNext", type, L"");
    if (!listSelect_)
        return makeError(kDirNoStatement, L"listNext", type, L"");
    resetContent();
    HQRC rc;
    if (SQLFetch(*listSelect_, *listBuffer_, **listCursor_, rc) != 0)
        return rc;
    closeList();
    if (rc.code != 0)
        return passUp(rc, L"listNext");
    return makeError(kDirNotFound, L"listNext", type, L"");
}
