// Whole-run tests of the star-schema export on small made-up warehouses: the
// record of each type of join link, column joins that lost a column, the
// order of links, tables shared with an earlier section and between schemas,
// a schema without tables, and a name that does not exist.
#include <gtest/gtest.h>

#include "dictionary/attribute_link.h"
#include "dictionary/star_schema.h"
#include "tests/exporters/scratch_warehouse.h"
#include "tests/exporters/tag_text.h"

using namespace export_test;

namespace {

// A star schema; columns and values give further stored values.
void starSchema(ScratchWarehouse& w, const std::string& id, const std::string& name,
                const std::string& columns = "", const std::string& values = "") {
    w.add<StarSchema>(id, name);
    w.stored("StarSchema", id, columns, values);
}

// A join link of a schema with its stored type text, operator (SQL literal
// or NULL), time stamp and columns (either may be empty: no relation row).
void joinLink(ScratchWarehouse& w, const std::string& id, const std::string& schemaId,
              const std::string& name, const std::string& type, const std::string& op,
              const std::string& stamp, const std::string& column1, const std::string& column2) {
    w.add<AttributeLink>(id, name);
    w.stored("attributelink", id, "update_ts, Type, OperatorExp",
             "'" + stamp + "', '" + type + "', " + op);
    w.relation(rel::StarSchema_TO_AttLnk, id, schemaId);
    if (!column1.empty())
        w.relation(rel::AttLink1_TO_Attr_Rel, id, column1);
    if (!column2.empty())
        w.relation(rel::AttLink2_TO_Attr_Rel, id, column2);
}

// A warehouse database with a fact table (two columns) and a dimension table
// (one column), both in schema S1.
void factAndDimension(ScratchWarehouse& w) {
    w.database("DB00000001", "WHS", "Oracle", 1);
    w.table("DR00000001", "DB00000001", "WHS", "F", "FACT", "FACT_TABLE", "1");
    w.column("AT00000001", "DR00000001", "DIM_KEY", 1);
    w.column("AT00000002", "DR00000001", "AMOUNT", 2);
    w.table("DR00000002", "DB00000001", "WHS", "D", "DIM", "DIMENSION_TABLE", "1");
    w.column("AT00000003", "DR00000002", "DIM_KEY", 1);
    starSchema(w, "SS00000001", "S(1)");
    w.relation(rel::StarSchema_TO_DR, "SS00000001", "DR00000001");
    w.relation(rel::StarSchema_TO_DR, "SS00000001", "DR00000002");
}

ExportResult exportSchemas(ScratchWarehouse& w, const std::string& input) {
    w.load();
    return runExport(w.dir(), "QRTWH", input);
}

const std::string kSchemaKeys = "NAME(S'('1')') ";

std::string linkKeys(const std::string& id) {
    return "ATLDIRID(" + id + ") ";
}

// The record of a link and its CONTAIN record from schema S1.
std::string linkRecord(const std::string& id, const std::vector<std::string>& lines) {
    return objectRecord("QRTATLNK", lines) +
           relationRecord(true, "STARSCHM", kSchemaKeys, "QRTATLNK", linkKeys(id)) + kCheckpoint;
}

// The relation instance of one column of a column join and its two LINKs.
std::string columnPass(const std::string& relation, const std::string& id,
                       const std::string& columnKeyText) {
    return objectRecord(relation, {linkKeys(id)}) +
           relationRecord(false, "QRTATLNK", linkKeys(id), relation, linkKeys(id)) +
           relationRecord(false, relation, linkKeys(id), "COLUMN", columnKeyText);
}

} // namespace

TEST(StarSchemaExport, EachTypeOfLinkWritesItsOwnPropertiesInTimeStampOrder) {
    ScratchWarehouse w("linktypes");
    factAndDimension(w);
    // Stored in identifier order, last stored in the opposite order.
    joinLink(w, "AL00000001", "SS00000001", "L(0)", "0 Column join", "'('", "2024-01-01 10:06:00",
             "AT00000001", "AT00000003");
    joinLink(w, "AL00000002", "SS00000001", "L1", "1 Star", "'='", "2024-01-01 10:05:00",
             "AT00000001", "AT00000003");
    w.longText("ATTLRowexpression", "AL00000002", {"F.DIM_KEY = D.DIM_KEY ", "AND (D.X <> 'a')"});
    joinLink(w, "AL00000003", "SS00000001", "L2", " 2 Filter", "'='", "2024-01-01 10:04:00", "",
             "");
    joinLink(w, "AL00000004", "SS00000001", "L3", "3 Other", "'='", "2024-01-01 10:03:00",
             "AT00000001", "AT00000003");
    w.longText("ATTLRowexpression", "AL00000004", {"not written"});
    joinLink(w, "AL00000005", "SS00000001", "L-2", "-2 Odd", "'='", "2024-01-01 10:02:00", "", "");
    joinLink(w, "AL00000006", "SS00000001", "LJ", "Join", "NULL", "2024-01-01 10:01:00",
             "AT00000002", "AT00000003");
    const ExportResult r = exportSchemas(w, "<SCHEMA>\nS(1)\n");
    ASSERT_EQ(r.status, 0) << r.output;
    const std::string tag = anyCheckpoint(r.tag);

    const std::string fact = tableKeys("WHS", "F", "FACT");
    const std::string dimKey = columnKeys("WHS", "D", "DIM", "DIM_KEY");
    const size_t l0 = positionOf(
        tag, linkRecord("AL00000001",
                        {"NAME(L'('0')')", "ATLTYPE(0)", "ATLDIRID(AL00000001)", "ATLOPRX('(')"}) +
                 columnPass("ATLATTR1", "AL00000001", columnKeys("WHS", "F", "FACT", "DIM_KEY")) +
                 columnPass("ATLATTR2", "AL00000001", dimKey) + kCheckpoint);
    const size_t l1 = positionOf(
        tag, linkRecord("AL00000002", {"NAME(L1)", "ATLTYPE(1)", "ATLDIRID(AL00000002)",
                                       "ATLROWX(F.DIM_KEY = D.DIM_KEY AND '('D.X <> 'a'')')"}) +
                 kCheckpoint);
    // A row filter without a row expression writes no ATLROWX line.
    const size_t l2 = positionOf(
        tag,
        linkRecord("AL00000003", {"NAME(L2)", "ATLTYPE(2)", "ATLDIRID(AL00000003)"}) + kCheckpoint);
    const size_t l3 = positionOf(
        tag,
        linkRecord("AL00000004", {"NAME(L3)", "ATLTYPE(3)", "ATLDIRID(AL00000004)"}) + kCheckpoint);
    const size_t lMinus = positionOf(
        tag, linkRecord("AL00000005", {"NAME(L-2)", "ATLTYPE(-2)", "ATLDIRID(AL00000005)"}) +
                 kCheckpoint);
    // No number in the type text: a column join, its empty operator written.
    const size_t lj = positionOf(
        tag,
        linkRecord("AL00000006", {"NAME(LJ)", "ATLTYPE(0)", "ATLDIRID(AL00000006)", "ATLOPRX()"}) +
            columnPass("ATLATTR1", "AL00000006", columnKeys("WHS", "F", "FACT", "AMOUNT")) +
            columnPass("ATLATTR2", "AL00000006", dimKey) + kCheckpoint);
    EXPECT_LT(lj, lMinus);
    EXPECT_LT(lMinus, l3);
    EXPECT_LT(l3, l2);
    EXPECT_LT(l2, l1);
    EXPECT_LT(l1, l0);
    // The tables and their columns come before the first link.
    EXPECT_LT(positionOf(tag, relationRecord(true, "STARSCHM", kSchemaKeys, "TABLES", fact) +
                                  kCheckpoint),
              lj);
    EXPECT_LT(positionOf(tag, "    COLUMNS(DIM_KEY) \n    NATIVEDT(INTEGER)"), lj);
    EXPECT_EQ(countOf(tag, "Begin ATLATTR1 Instance"), 2u);
    EXPECT_EQ(r.tag.find("not written"), std::string::npos);
}

TEST(StarSchemaExport, ColumnJoinWithoutOneOfItsColumnsWritesTheOtherOnly) {
    ScratchWarehouse w("lostcolumn");
    factAndDimension(w);
    joinLink(w, "AL00000001", "SS00000001", "NO_FIRST", "0", "'='", "2024-01-01 10:01:00", "",
             "AT00000003");
    joinLink(w, "AL00000002", "SS00000001", "NO_SECOND", "0", "'<'", "2024-01-01 10:02:00",
             "AT00000002", "");
    joinLink(w, "AL00000003", "SS00000001", "NEITHER", "0", "'>'", "2024-01-01 10:03:00", "", "");
    const ExportResult r = exportSchemas(w, "<SCHEMA>\nS(1)\n");
    ASSERT_EQ(r.status, 0) << r.output;
    const std::string tag = anyCheckpoint(r.tag);

    positionOf(tag,
               linkRecord("AL00000001",
                          {"NAME(NO_FIRST)", "ATLTYPE(0)", "ATLDIRID(AL00000001)", "ATLOPRX(=)"}) +
                   columnPass("ATLATTR2", "AL00000001", columnKeys("WHS", "D", "DIM", "DIM_KEY")) +
                   kCheckpoint);
    positionOf(tag,
               linkRecord("AL00000002",
                          {"NAME(NO_SECOND)", "ATLTYPE(0)", "ATLDIRID(AL00000002)", "ATLOPRX(<)"}) +
                   columnPass("ATLATTR1", "AL00000002", columnKeys("WHS", "F", "FACT", "AMOUNT")) +
                   kCheckpoint);
    positionOf(tag, linkRecord("AL00000003", {"NAME(NEITHER)", "ATLTYPE(0)", "ATLDIRID(AL00000003)",
                                              "ATLOPRX(>)"}) +
                        kCheckpoint + kCommentLine + ":COMMENT. End of Tag file: ");
    EXPECT_EQ(countOf(tag, "Begin ATLATTR1 Instance"), 1u);
    EXPECT_EQ(countOf(tag, "Begin ATLATTR2 Instance"), 1u);
}

TEST(StarSchemaExport, LinksStoredAtTheSameTimeComeInIdentifierOrderAndUndatedOnesFirst) {
    ScratchWarehouse w("linkorder");
    factAndDimension(w);
    joinLink(w, "AL00000003", "SS00000001", "THIRD", "3", "NULL", "2024-01-01 10:00:00", "", "");
    joinLink(w, "AL00000002", "SS00000001", "SECOND", "3", "NULL", "2024-01-01 10:00:00", "", "");
    joinLink(w, "AL00000009", "SS00000001", "FIRST", "3", "NULL", "2024-01-01 10:00:00", "", "");
    w.sql("UPDATE attributelink SET update_ts = NULL WHERE qrtid = 'AL00000009';");
    const ExportResult r = exportSchemas(w, "<SCHEMA>\nS(1)\n");
    ASSERT_EQ(r.status, 0) << r.output;
    const size_t first = positionOf(r.tag, "    NAME(FIRST)\n");
    const size_t second = positionOf(r.tag, "    NAME(SECOND)\n");
    EXPECT_LT(first, second);
    EXPECT_LT(second, positionOf(r.tag, "    NAME(THIRD)\n"));
}

TEST(StarSchemaExport, TablesWrittenByAnEarlierSectionOrSchemaAreOnlyContained) {
    ScratchWarehouse w("shared");
    factAndDimension(w);
    w.database("DB00000002", "SRC", "Oracle");
    w.table("DR00000003", "DB00000002", "SRC", "S", "ORDERS");
    starSchema(w, "SS00000002", "S2");
    w.relation(rel::StarSchema_TO_DR, "SS00000002", "DR00000002");
    w.relation(rel::StarSchema_TO_DR, "SS00000002", "DR00000003");
    joinLink(w, "AL00000001", "SS00000002", "SHARED", "1", "NULL", "2024-01-01 10:01:00", "", "");
    const ExportResult r = exportSchemas(w, "<IR>\nWHS\n<SCHEMA>\nS(1)\nS2\nS(1)\n<SCHEMA>\nS2\n");
    ASSERT_EQ(r.status, 0) << r.output;
    const std::string tag = anyCheckpoint(r.tag);

    EXPECT_EQ(countOf(tag, "Begin TABLES Instance"), 3u);
    EXPECT_EQ(countOf(tag, "Begin DATABASE Instance"), 2u);
    EXPECT_EQ(countOf(tag, "Begin STARSCHM Instance"), 2u);
    EXPECT_EQ(countOf(tag, "Begin QRTATLNK Instance"), 1u);
    // The first schema's tables came with their database under "<IR>".
    const std::string dim = tableKeys("WHS", "D", "DIM");
    positionOf(tag, ":COMMENT. Start Star Schema export\n:COMMENT. Exporting StarSchema S(1)\n" +
                        objectRecord("STARSCHM", {"NAME(S'('1')')"}) + kCheckpoint +
                        relationRecord(true, "STARSCHM", kSchemaKeys, "TABLES",
                                       tableKeys("WHS", "F", "FACT")) +
                        kCheckpoint + relationRecord(true, "STARSCHM", kSchemaKeys, "TABLES", dim) +
                        kCheckpoint + ":COMMENT. Exporting StarSchema S2\n");
    // The second shares the dimension and brings a table of its own.
    const size_t second = positionOf(tag, ":COMMENT. Exporting StarSchema S2\n");
    const size_t orders = positionOf(tag, "    NAME(S.ORDERS)\n");
    EXPECT_LT(second, orders);
    positionOf(tag, relationRecord(true, "STARSCHM", "NAME(S2) ", "TABLES", dim) + kCheckpoint);
    // Named again, in the same section and in a later one: comment lines only.
    positionOf(tag, ":COMMENT. Exporting StarSchema S(1)\n:COMMENT. Start Star Schema export\n"
                    ":COMMENT. Exporting StarSchema S2\n" +
                        kCommentLine + ":COMMENT. End of Tag file: ");
}

TEST(StarSchemaExport, SchemaWithoutTablesOrLinksWritesOnlyItsRecord) {
    ScratchWarehouse w("empty");
    starSchema(w, "SS00000009", "EMPTY (no tables)", "short_description, contact, hostdbname",
               "'a(b)', 'O''Neil (BI)', 'DSN(1)'");
    w.longText("StarSchemaDesc", "SS00000009", {"kept ", "(for later)"});
    starSchema(w, "SS00000008", "BARE", "contact, hostdbname", "'', NULL");
    const ExportResult r = exportSchemas(w, "<SCHEMA>\nEMPTY (no tables)\nBARE\n");
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(r.feedback, ":FILE.export.tag\n:LOG.export.tag\n:RC.0/0\n");

    positionOf(r.tag,
               ":COMMENT. Exporting StarSchema EMPTY (no tables)\n" +
                   objectRecord("STARSCHM", {"NAME(EMPTY '('no tables')')", "SHRTDESC(a'('b')')",
                                             "LONGDESC(kept '('for later')')",
                                             "CONTACT(O'Neil '('BI')')", "HOSTDBNM(DSN'('1')')"}) +
                   ":COMMIT.CHKPID(151)\n:COMMENT. Exporting StarSchema BARE\n" +
                   objectRecord("STARSCHM", {"NAME(BARE)"}) + ":COMMIT.CHKPID(152)\n" +
                   kCommentLine + ":COMMENT. End of Tag file: ");
}

TEST(StarSchemaExport, MissingSchemaEndsTheRunWithNotFound) {
    ScratchWarehouse w("missing");
    starSchema(w, "SS00000001", "FIRST");
    starSchema(w, "SS00000002", "LAST");
    const ExportResult r = exportSchemas(w, "<SCHEMA>\nFIRST\nNO SUCH STAR\nLAST\n");

    EXPECT_EQ(r.status, 3142 % 256);
    EXPECT_NE(r.feedback.find(":RC.3142/0\n:MESSAGE."), std::string::npos) << r.feedback;
    EXPECT_NE(r.output.find("StarSchema::retrieve"), std::string::npos) << r.output;
    EXPECT_NE(r.tag.find("    NAME(FIRST)\n"), std::string::npos);
    EXPECT_EQ(r.tag.find("NAME(LAST)"), std::string::npos);
    const size_t failing = r.tag.find(":COMMENT. Exporting StarSchema NO SUCH STAR\n");
    ASSERT_NE(failing, std::string::npos) << r.tag;
    EXPECT_NE(r.tag.find("StarSchema::retrieve", failing), std::string::npos);
    EXPECT_NE(r.tag.find("3142/0\n", failing), std::string::npos);
    EXPECT_NE(r.tag.find(kCommentLine + ":COMMENT. End of Tag file: ", failing), std::string::npos);
}
