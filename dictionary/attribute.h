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

    DataResource* getDataResource(HQRC& rc);
    RelationCollection<Map>* getMapInputList(HQRC& rc);
    RelationCollection<Map>* getMapOutputList(HQRC& rc);
    RelationCollection<AttributeLink>* getAttributeLink1(HQRC& rc);
    RelationCollection<AttributeLink>* getAttributeLink2(HQRC& rc);
    RelationCollection<KeyMap>* getPKeyMapList(HQRC& rc);
    RelationCollection<KeyMap>* getFKeyMapList(HQRC& rc);

private:
    RelationCollection<DataResource> table_;
    RelationCollection<Map> mapInputs_;
    RelationCollection<Map> mapOutputs_;
    RelationCollection<AttributeLink> links1_;
    RelationCollection<AttributeLink> links2_;
    RelationCollection<KeyMap> pkeyMaps_;
    RelationCollection<KeyMap> fkeyMaps_;
};
