// The object model without a database: object-type names, identifiers, name
// and description limits, quoting, statement texts, the password cipher, the
// name-length limits, the database-type vocabularies and the codes raised by
// an object that was never read.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "dictionary/data_resource.h"
#include "dictionary/database_types.h"
#include "dictionary/information_resource.h"
#include "dictionary/statement_builder.h"

TEST(ObjectTypeNames, ConvertBothWaysExactly) {
    EXPECT_EQ(objectTypeFromString(L"DataResource"), 5);
    EXPECT_EQ(objectTypeFromString(L"dataresource"), 0);
    EXPECT_EQ(objectTypeFromString(L"None"), 0);
    EXPECT_EQ(objectTypeToString(32), L"DRCorrelation");
    EXPECT_EQ(objectTypeToString(33), L"None");
    EXPECT_EQ(objectTypeToString(-1), L"None");
    for (int32_t t = 1; t <= 32; ++t)
        EXPECT_EQ(objectTypeFromString(objectTypeToString(t)), t);
}

TEST(DIRIdValue, DefaultIsUnsetAndComparisonCoversTenBytes) {
    DIRId id;
    EXPECT_TRUE(id.isUnset());
    EXPECT_EQ(id.toString(), L"XXXXXXXXXX");
    const DIRId a(std::string_view("0000000101"));
    EXPECT_FALSE(a == DIRId(std::string_view("0000000102")));
    EXPECT_TRUE(a == DIRId(HQSTRING(L"0000000101")));
    EXPECT_TRUE(a == DIRId(std::string_view("0000000101tail"))); // only 10 bytes are kept
}

TEST(DIRIdValue, EveryGenerationModeMakesTenDigits) {
    for (int16_t mode : {0, 1, 2, 3}) {
        DIRId id;
        id.setGenerationMode(mode);
        id.setRandom();
        const std::string_view text = id.view();
        ASSERT_EQ(text.size(), 10u) << mode;
        EXPECT_EQ(text.find_first_not_of("0123456789"), std::string_view::npos) << text;
    }
}

TEST(NameQuoting, DoublesLoneQuotesAndIsIdempotent) {
    EXPECT_EQ(DIRBase::getNameSingleQ(L"O'Brien"), L"O''Brien");
    EXPECT_EQ(DIRBase::getNameSingleQ(L"O''Brien"), L"O''Brien");
    EXPECT_EQ(DIRBase::getNameSingleQ(L"'''"), L"''''");
    EXPECT_EQ(DIRBase::getNameSingleQ(L"it's 'x'"), L"it''s ''x''");
    EXPECT_EQ(DIRBase::getNameSingleQ(DIRBase::getNameSingleQ(L"a'b'c")), L"a''b''c");
    EXPECT_EQ(DIRBase::getNameSingleQ(L"plain"), L"plain");
}

TEST(CommonFields, NameAndDescriptionLimits) {
    InformationResource ir;
    EXPECT_EQ(ir.setName(HQSTRING(std::wstring(80, L'n'))).code, 0);
    // 40 two-byte characters are 80 bytes; 41 are too many.
    EXPECT_EQ(ir.setName(HQSTRING(std::wstring(40, L'\u00e4'))).code, 0);
    const HQRC rc = ir.setName(HQSTRING(std::wstring(41, L'\u00e4')));
    EXPECT_EQ(rc.code, 3110);
    EXPECT_EQ(rc.domain, DomainWhsDDD);
    EXPECT_EQ(rc.location, L"InformationResource::setName");
    EXPECT_EQ(ir.getName(), HQSTRING(std::wstring(40, L'\u00e4')));
    EXPECT_EQ(ir.setShortDescription(HQSTRING(std::wstring(254, L'd'))).code, 0);
    EXPECT_EQ(ir.setShortDescription(HQSTRING(std::wstring(255, L'd'))).code, 3110);
}

TEST(CommonFields, StateCodes) {
    InformationResource ir;
    try {
        (void)ir.isCreated();
        FAIL() << "state 0 is not a known state";
    } catch (const HQRC& rc) {
        EXPECT_EQ(rc.code, 99);
        EXPECT_EQ(rc.comment, L"Unknown State");
    }
    ir.setState(2);
    EXPECT_TRUE(ir.isCreated());
    ir.setState(1);
    EXPECT_FALSE(ir.isCreated());

    EXPECT_TRUE(DIRBase::isNotFound(HQRC(3142, 0, DomainWhsDDD)));
    EXPECT_FALSE(DIRBase::isNotFound(HQRC(3142, 0, DomainODBC)));
    EXPECT_FALSE(DIRBase::isNotFound(HQRC(3116, 0, DomainWhsDDD)));
    EXPECT_FALSE(DIRBase::isNotFound(HQRC()));
}

TEST(UnreadObject, ListNextWithoutListAndRelationGetters) {
    DataResource table;
    HQRC rc = table.listNext();
    EXPECT_EQ(rc.code, 3116);
    EXPECT_EQ(rc.location, L"DataResource::listNext");
    EXPECT_EQ(rc.commandLine, L"DDDPDRES");
    EXPECT_EQ(rc.token1, L"DataResource");

    EXPECT_EQ(table.getAttributeList(rc), nullptr);
    EXPECT_EQ(rc.code, 3104);
    EXPECT_EQ(rc.location, L"DataResource::getAttributeList");
    EXPECT_EQ(table.getInformationResource(rc), nullptr);
    EXPECT_EQ(rc.code, 3104);
    EXPECT_EQ(rc.token1, L"DataResource");
}

TEST(StatementBuilder, SelectTexts) {
    DIRSelect bare(L"QRT.inforesource", L"");
    EXPECT_EQ(bare.text(), L"SELECT qrtid, updated_by, update_ts, name, short_description FROM "
                           L"QRT.inforesource  FOR FETCH ONLY");
    DIRSelect withColumns(L"QRT.KeyMap", L"WHERE qrtid =?");
    int32_t order = 0;
    SQLLEN ind = 0;
    withColumns.addCol(L"orderNo", SQL_C_LONG, &order, 0, &ind);
    withColumns.addCol(L"other", SQL_C_LONG, &order, 0, &ind);
    EXPECT_EQ(withColumns.text(), L"SELECT qrtid, updated_by, update_ts, name, "
                                  L"short_description, orderNo, other FROM QRT.KeyMap WHERE "
                                  L"qrtid =? FOR FETCH ONLY");
    withColumns.addTextParm(SQL_VARCHAR, 20, 20, "Process_TO_BVSchedul");
    ASSERT_EQ(withColumns.parameters().size(), 1u);
    const DIRSelectParm& p = withColumns.parameters()[0];
    EXPECT_EQ(p.number, 1);
    EXPECT_EQ(*p.lengthWord, 20); // bound with its length, not by a terminator
    EXPECT_GE(p.bufferLength, 21);
}

TEST(StatementBuilder, WriteTexts) {
    DIRInsert insert(L"QRT.KeyMap");
    EXPECT_EQ(insert.insertText(), L"INSERT INTO QRT.KeyMap(qrtid, updated_by, update_ts, name, "
                                   L"short_description) VALUES (?, ?, ?, ?, ?)");
    int32_t order = 0;
    insert.add(L"orderNo", SQL_PARAM_INPUT, SQL_C_LONG, SQL_INTEGER, 0, 0, &order, 0, nullptr);
    EXPECT_EQ(insert.insertText(), L"INSERT INTO QRT.KeyMap(qrtid, updated_by, update_ts, name, "
                                   L"short_description, orderNo) VALUES (?, ?, ?, ?, ?, ?)");
    EXPECT_EQ(insert.updateText(),
              L"UPDATE QRT.KeyMap SET updated_by = ?, update_ts = ?, name = ?, "
              L"short_description = ?, orderNo = ?WHERE qrtid = ? AND update_ts = ?");
    EXPECT_EQ(deleteIdText(L"QRT.KeyMap"), L"DELETE FROM QRT.KeyMap WHERE qrtid = ?");
}

TEST(PasswordCipher, RoundTripsAndHidesTheText) {
    for (const std::string plain : {"secret", "P@ss w0rd~!", "", "\xc3\xa4pfel"}) {
        const std::string text = encipherText(plain);
        EXPECT_EQ(text.size(), plain.size());
        EXPECT_EQ(decipherText(text), plain);
        EXPECT_EQ(decipherBinary(encipherBinary(plain)), plain);
        if (!plain.empty()) {
            EXPECT_NE(text, plain);
            EXPECT_NE(encipherBinary(plain), plain);
        }
    }
}

TEST(NameLimits, LongNamesOnlyForListedEditionsFromVersionSix) {
    const NameLimits longNames = NameLimits::forEdition(L"Nordbase/6000", L"06.01.0000");
    EXPECT_EQ(longNames.schema, 128);
    EXPECT_EQ(longNames.table, 255);
    EXPECT_EQ(longNames.column, 128);
    EXPECT_EQ(NameLimits::forEdition(L"Nordbase/SGI", L"07").table, 255);
    const NameLimits oldVersion = NameLimits::forEdition(L"Nordbase/6000", L"05.02.0000");
    EXPECT_EQ(oldVersion.schema, 8);
    EXPECT_EQ(oldVersion.table, 80);
    EXPECT_EQ(oldVersion.column, 18);
    EXPECT_EQ(NameLimits::forEdition(L"Nordbase/MVS", L"07.01.0000").table, 80);
    EXPECT_EQ(NameLimits::forEdition(L"", L"").table, 80);
}

TEST(StoredNumbers, ReadAsTheCLibraryReadsThem) {
    // Every text is checked against strtol, the reference.
    for (const wchar_t* text :
         {L"1 Character delimited", L"12 (fixed)", L"12ab", L"Imported", L" 3", L"\t\n-1", L"-1",
          L"+7", L"-", L"+-2", L"- 2", L"0x1A", L"007", L"", L"  ", L"-0", L"2147483647"}) {
        const long expected = std::strtol(HQSTRING(text).toMultiByte().c_str(), nullptr, 10);
        EXPECT_EQ(controldb::leadingNumber(text), expected) << HQSTRING(text).toMultiByte();
    }
    // Beyond 32 bits: the nearest limit.
    EXPECT_EQ(controldb::leadingNumber(L"99999999999999999999999"), INT32_MAX);
    EXPECT_EQ(controldb::leadingNumber(L" -2147483649"), INT32_MIN);
    EXPECT_EQ(controldb::leadingNumber(L"-2147483648"), INT32_MIN);
}

TEST(DatabaseTypes, SubTypesTypesAndTexts) {
    EXPECT_EQ(InformationResource::dbaseTypeFromsdbType(31), 30);
    EXPECT_EQ(InformationResource::dbaseTypeFromsdbType(13), 0);
    EXPECT_EQ(InformationResource::dbaseTypeFromsdbType(101), 1);
    EXPECT_EQ(InformationResource::dbaseTypeFromsdbType(72), 70);
    const std::set<int32_t> caseSensitive = {1, 30, 40, 50, 60, 70};
    for (int32_t t : {0, 1, 20, 30, 40, 50, 60, 70, 80, 90})
        EXPECT_EQ(InformationResource::isCaseSensitive(t), caseSensitive.contains(t)) << t;

    EXPECT_EQ(InformationResource::dbaseTypeFromString(L"Microsoft SQLServer"), 40);
    EXPECT_EQ(InformationResource::sdbTypeFromString(L"Microsoft SQL Server"), 40);
    EXPECT_EQ(InformationResource::sdbTypeFromString(L"Microsoft SQLServer"), 0);
    EXPECT_EQ(InformationResource::sdbTypeFromString(L"Oracle Version 7"), 20);
    EXPECT_EQ(InformationResource::dbaseTypeFromString(L"oracle"), 0);
    EXPECT_EQ(InformationResource::sdbTypeToString(18), L"Nordbase Family");
    EXPECT_EQ(InformationResource::sdbTypeToString(20), L"Oracle"); // not the older text
    EXPECT_EQ(InformationResource::dbaseTypeToString(70), L"Flat File LAN");
    EXPECT_EQ(InformationResource::dbaseTypeToString(71), L"");
}

TEST(DatabaseTypes, TheTableIsConsistent) {
    std::set<int32_t> types;
    for (const DatabaseType& type : dbtypes::types()) {
        EXPECT_TRUE(types.insert(type.number).second) << type.number;
        EXPECT_EQ(dbtypes::typeFromText(type.text), type.number);
        // Relational databases are the ones reached with user and password.
        EXPECT_EQ(type.relational, type.connect == ConnectForm::UserPassword) << type.number;
    }
    std::set<int32_t> subTypes;
    for (const DatabaseSubType& sub : dbtypes::subTypes()) {
        EXPECT_TRUE(subTypes.insert(sub.number).second) << sub.number;
        EXPECT_TRUE(types.contains(sub.type)) << sub.number;
        if (sub.text != nullptr) {
            EXPECT_EQ(dbtypes::subTypeFromText(sub.text), sub.number);
        }
    }
    for (const DatabaseTextAlias& alias : dbtypes::aliases()) {
        EXPECT_EQ(dbtypes::typeFromText(alias.text), alias.number);
        EXPECT_EQ(dbtypes::subTypeFromText(alias.text), alias.number);
    }
    EXPECT_TRUE(InformationResource::isRelational(1));
    EXPECT_FALSE(InformationResource::isRelational(60));
    EXPECT_FALSE(InformationResource::isRelational(0));
    for (int32_t host : {3, 4, 5})
        EXPECT_TRUE(dbtypes::subType(host)->hostEdition);
    EXPECT_FALSE(dbtypes::subType(2)->hostEdition);
}

TEST(TableNames, ReplaceOneCharacter) {
    EXPECT_EQ(DataResource::getNameReplaceString(L"a\nb\n", L"\n", L" "), L"a b ");
    EXPECT_EQ(DataResource::getNameReplaceString(L"a.b", L".x", L"::"), L"a::b");
    EXPECT_EQ(DataResource::getNameReplaceString(L"none", L"\n", L" "), L"none");
}
