// Attribute: a column of a data resource, with its types, position and the
// relations to maps, attribute links and key maps.
#pragma once

#include <cstdint>

#include "dictionary/dir_base.h"
#include "dictionary/relation_collection.h"

class DataResource;
class Map;
class AttributeLink;
class KeyMap;

struct AttributeFields {
    HQSTRING IRName;
    HQSTRING DRName;
    HQSTRING nativeDataType;
    HQSTRING ODBCDataType;
    int32_t scale = 0;
    int32_t precDigits = 0;
    int32_t isText = 0;
    int32_t isNull = 0;
    int32_t offset = 0;
    int32_t segLevel = 0;
    HQSTRING elmntName;
    int32_t uomType = 0;
    int32_t uomValue = 0;
    int32_t seqNo = 0;
    HQSTRING transName;
    HQSTRING largeDRSchemaName;
    HQSTRING largeDRTableName;
    HQSTRING largeName;
    int32_t ordinalNo = 0;
    HQSTRING col_Type;
    int32_t isEditionCol = 0;

    static const ColumnTable<AttributeFields>& columns();
};

class Attribute : public DIRRecord<AttributeFields> {
public:
    // Reads the name-length limits from the configuration.
    Attribute();

    HQRC retrieve(const HQSTRING& columnName, const HQSTRING& databaseName,
                  const HQSTRING& schemaName, const HQSTRING& tableName);
    // The columns of a table, found by its stored names, in seqNo order.
    HQRC listFirstDR(const DataResource& table);

    // The column's name: its largeName column (the name column is not used).
    const HQSTRING& getName() const { return f_.largeName; }
    // The column's clause in a generated CREATE TABLE; form 1 adds " WITH DEFAULT ".
    HQSTRING getCreateTableExpression(int form);

    // Its table, the maps that read and write it, its attribute links and key
    // maps (the column is the target of all these relations); null with 3104
    // when the object was never read.
    RelatedObject<DataResource> getDataResource{*this, rel::DR_TO_Attr_Rel, RelationSide::Target,
                                                L"getDataResource"};
    RelationList<Map> getMapInputList{*this, rel::Attr_TO_MapIn_Rel, RelationSide::Target,
                                      L"getMapInputList"};
    RelationList<Map> getMapOutputList{*this, rel::Attr_TO_MapOut_Rel, RelationSide::Target,
                                       L"getMapOutputList"};
    RelationList<AttributeLink> getAttributeLink1{*this, rel::AttLink1_TO_Attr_Rel,
                                                  RelationSide::Target, L"getAttributeLink1"};
    RelationList<AttributeLink> getAttributeLink2{*this, rel::AttLink2_TO_Attr_Rel,
                                                  RelationSide::Target, L"getAttributeLink2"};
    RelationList<KeyMap> getPKeyMapList{*this, rel::Attr_TO_PKeyMap_Rel, RelationSide::Target,
                                        L"getPKeyMapList"};
    RelationList<KeyMap> getFKeyMapList{*this, rel::Attr_TO_FKeyMap_Rel, RelationSide::Target,
                                        L"getFKeyMapList"};
};
