// Values of the control database that do not fit the fields they are read
// into: a text where a number is expected, a number outside its field's
// range, a text longer than its buffer. The SQLite driver would convert or
// cut them without a word; the row is refused with code 3150 naming the
// table, the column and the row's identifier.
#include <gtest/gtest.h>

#include "dictionary/data_resource.h"
#include "dictionary/information_resource.h"
#include "runtime/fetched_value.h"
#include "sample_warehouse_fixture.h"

using ValueFit = SampleWarehouse;

namespace {
// Reads the table 0000000201 (SALES.CUSTOMER) by identifier.
HQRC readCustomer() {
    DataResource table;
    return table.retrieveId(DIRId(std::string_view("0000000201")));
}

// A refused row: 3150 with the table, the column, the row's identifier and
// a reason that contains reasonPart.
void expectMisfit(const HQRC& rc, const wchar_t* table, const wchar_t* column, const wchar_t* row,
                  const std::wstring& reasonPart) {
    EXPECT_EQ(rc.code, 3150);
    EXPECT_EQ(rc.domain, DomainWhsDDD);
    EXPECT_EQ(rc.token1, table);
    EXPECT_EQ(rc.token2, column);
    EXPECT_EQ(rc.token3, row);
    EXPECT_NE(std::wstring(rc.token4).find(reasonPart), std::wstring::npos)
        << HQSTRING(rc.token4).toMultiByte();
}

// A refused row of the table 0000000201, read by identifier.
void expectMisfit(const HQRC& rc, const wchar_t* column, const std::wstring& reasonPart) {
    expectMisfit(rc, L"QRT.DataResource", column, L"0000000201", reasonPart);
    EXPECT_EQ(rc.location, L"DataResource::SQLFetch");
    EXPECT_EQ(rc.commandLine, L"DDDPDRES");
}
} // namespace

TEST_F(ValueFit, NumbersMustBeNumbersWithinTheirFieldsRange) {
    ASSERT_EQ(readCustomer().code, 0);
    exec("UPDATE DataResource SET recLen = 'x1y' WHERE qrtid = '0000000201';");
    expectMisfit(readCustomer(), L"recLen", L"not a number: \"x1y\"");
    exec("UPDATE DataResource SET recLen = 9999999999 WHERE qrtid = '0000000201';");
    expectMisfit(readCustomer(), L"recLen", L"outside -2147483648..2147483647");
    exec("UPDATE DataResource SET recLen = 12.5 WHERE qrtid = '0000000201';");
    expectMisfit(readCustomer(), L"recLen", L"not a number");
    // The range of a 16-bit field ends at 32767.
    exec("UPDATE DataResource SET recLen = -2147483648, persistentFlag = 32768 WHERE qrtid = "
         "'0000000201';");
    expectMisfit(readCustomer(), L"persistentFlag", L"outside -32768..32767");
    exec("UPDATE DataResource SET persistentFlag = -32768 WHERE qrtid = '0000000201';");
    DataResource table;
    ASSERT_EQ(table.retrieveId(DIRId(std::string_view("0000000201"))).code, 0);
    EXPECT_EQ(table.fields().recLen, INT32_MIN);
    EXPECT_EQ(table.fields().persistentFlag, INT16_MIN);
}

TEST_F(ValueFit, TextsLongerThanTheirFieldAreRefusedNotCut) {
    // charDelm holds one character; the common short description 254 bytes.
    exec("UPDATE DataResource SET charDelm = ';;' WHERE qrtid = '0000000201';");
    expectMisfit(readCustomer(), L"charDelm", L"2 bytes where 1 fit");
    exec("UPDATE DataResource SET charDelm = ';', short_description = printf('%.5000c', 'x') "
         "WHERE qrtid = '0000000201';");
    expectMisfit(readCustomer(), L"short_description", L"5000 bytes where 254 fit");
    exec("UPDATE DataResource SET short_description = printf('%.254c', 'x') WHERE qrtid = "
         "'0000000201';");
    EXPECT_EQ(readCustomer().code, 0);
}

TEST_F(ValueFit, AListEndsAtARowThatDoesNotFit) {
    exec("UPDATE inforesource SET defaultRetryCount = 'many' WHERE name = 'FLATFILES';");
    InformationResource database;
    HQRC rc = database.listFirst();
    int read = 0;
    for (; rc.code == 0; rc = database.listNext())
        ++read;
    expectMisfit(rc, L"QRT.inforesource", L"defaultRetryCount", L"0000000102",
                 L"not a number: \"many\"");
    EXPECT_LT(read, 3);
}

TEST_F(ValueFit, RelationRowsAndLongTextsAreCheckedToo) {
    InformationResource database;
    ASSERT_EQ(database.retrieve(L"SALESDB").code, 0);
    HQRC rc;
    // An identifier longer than ten characters in the relationship table.
    exec("INSERT INTO RELATIONSHIP VALUES ('IR_TO_DR_Rel', '0000000101', '00000002011');");
    EXPECT_EQ(database.getDataResourceList(rc)->entries(rc), 0u);
    expectMisfit(rc, L"QRT.RELATIONSHIP", L"target_qrtid", L"IR_TO_DR_Rel 0000000101",
                 L"11 bytes where 10 fit");

    // One row of a long text over the 128,000 bytes of its buffer.
    exec("INSERT INTO QRTSTRINGS (name, qrtid, seqno, text) VALUES ('IRLDesc', '0000000101', "
         "99, printf('%.128000c', 'x'));");
    database.getLongDescription(rc);
    expectMisfit(rc, L"QRT.QRTSTRINGS", L"text", L"IRLDesc 0000000101",
                 L"128000 bytes where 127999 fit");
}

TEST(FetchedValue, IntegerTexts) {
    using fetched::integerMisfit;
    using fetched::integerOf;
    EXPECT_EQ(integerMisfit("42", INT32_MIN, INT32_MAX), L"");
    EXPECT_EQ(integerMisfit(" -7 ", INT32_MIN, INT32_MAX), L"");
    EXPECT_EQ(integerOf(" -7 "), -7);
    EXPECT_EQ(integerMisfit("+00000000000000000000000012", 0, 12), L"");
    EXPECT_EQ(integerOf("+00000000000000000000000012"), 12);
    EXPECT_EQ(integerMisfit("13", 0, 12), L"\"13\" is outside 0..12");
    EXPECT_EQ(integerMisfit("99999999999999999999", INT64_MIN, INT64_MAX),
              L"\"99999999999999999999\" is outside -9223372036854775808..9223372036854775807");
    EXPECT_EQ(integerMisfit("", 0, 1), L"not a number: \"\"");
    EXPECT_EQ(integerMisfit("-", 0, 1), L"not a number: \"-\"");
    EXPECT_EQ(integerMisfit("1e3", 0, 5000), L"not a number: \"1e3\"");
    EXPECT_EQ(integerMisfit("0x10", 0, 5000), L"not a number: \"0x10\"");
    EXPECT_EQ(fetched::textMisfit(10, 10), L"");
    EXPECT_EQ(fetched::textMisfit(SQL_NULL_DATA, 10), L"");
    EXPECT_EQ(fetched::textMisfit(11, 10), L"11 bytes where 10 fit");
    EXPECT_EQ(fetched::textMisfit(SQL_NO_TOTAL, 10), L"longer than the 10 bytes of its field");
}

TEST_F(ValueFit, TheConfigurationTableIsCheckedToo) {
    exec("UPDATE configuration SET value_int = '1000 entries' WHERE name = 'LOGSIZE';");
    HQConfiguration::clear();
    HQRC rc = HQConfiguration::init(L"QRTMODEL", L"QRT", L"", L"", 0);
    expectMisfit(rc, L"QRT.configuration", L"value_int", L"RTK/LOGSIZE",
                 L"not a number: \"1000 entries\"");

    exec("UPDATE configuration SET value_int = 1000, short_name = printf('%.20c', 's') WHERE "
         "name = 'LOGSIZE';");
    rc = HQConfiguration::init(L"QRTMODEL", L"QRT", L"", L"", 0);
    expectMisfit(rc, L"QRT.configuration", L"short_name", L"RTK/LOGSIZE", L"20 bytes where 19 fit");
}
