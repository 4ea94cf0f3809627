// Whole-run tests of the table, column and key export on small made-up
// warehouses: property forms, key lists, the order of records, objects
// reached twice, and keys whose related rows are missing.
#include <gtest/gtest.h>

#include "tests/exporters/scratch_warehouse.h"
#include "tests/exporters/tag_text.h"

using namespace export_test;

TEST(TableExport, FlagsNumbersAndTheStoredCreateStatementTakeTheirForms) {
    ScratchWarehouse w("flags");
    w.database("DB00000001", "ORA", "Oracle");
    // Binary flag and first-line flag 2 (only 1 gives Y), view flag 2 (any
    // non-zero gives Y), numbers kept in text columns, a stored CREATE
    // statement over two lines.
    w.table("DR00000001", "DB00000001", "ORA", "WHS", "T1",
            "short_description, fileType, TypeofCreation, BinaryFlag, FirstLineNames, viewFlag, "
            "aliasFlag, persistentFlag, max_editions, AutoGenCreateStmt, NordbaseTableNameSpace, "
            "REPL_ENABLED",
            "'Orders (open)', '12 Fixed', NULL, 2, 2, 2, 0, -3, 0, 0, 'X', 1");
    w.longText("DRcreate", "DR00000001", {"CREATE TABLE WHS.T1 (A INTEGER,\nB CHAR(2))"});
    w.column("AT00000001", "DR00000001", "A", 1,
             "\"isNull\", isText, \"offset\", scale, precDigits, isEditionCol, col_Type, "
             "ordinalNo",
             "2, 1, -1, 0, 0, 3, NULL, 7");
    w.sql("UPDATE Attribute SET nativeDataType = 'DECIMAL(9,2)' WHERE qrtid = 'AT00000001';");
    const ExportResult r = w.exportDatabases({"ORA"});
    ASSERT_EQ(r.status, 0) << r.output;

    const std::string keys = tableKeys("ORA", "WHS", "T1");
    positionOf(r.tag,
               objectRecord(
                   "TABLES",
                   {"NAME(WHS.T1)", "SHRTDESC(Orders '('open')')",
                    "DBNAME(ORA) ", "OWNER(WHS) ",
                    "TABLES(T1) ",  "TBLISBIN(N)",
                    "TBLNAMSP(X)",  "TBLFTYPE(12)",
                    "TBLL1NAM(N)",  "CREATYPE(0)",
                    "TABVIEW(Y)",   "TABALIAS(N)",
                    "QRTDRATN(Y)",  "QRTMAXED(0)",
                    "QRTCREGN(N)",  "QRTCRERU(CREATE TABLE WHS.T1 '('A INTEGER, B CHAR'('2')'')')",
                    "QRTCRTAR(N)",  "QRTGRANT(N)",
                    "IDSDIM(N)",    "IDSFACT(N)",
                    "IDSREPL(Y)",   "PARTTBSP(N)"}) +
                   relationRecord(true, "DATABASE", "NAME(ORA) DBNAME(ORADSN) ", "TABLES", keys) +
                   ":COMMIT.CHKPID(152)\n");
    positionOf(
        r.tag,
        objectRecord("COLUMN", {"NAME(A)", "DATATYPE(INTEGER)", "LENGTH(0)", "SCALE(0)", "POSNO(1)",
                                "NULLS(N)", "ISTEXT(Y)", "DBNAME(ORA) ", "OWNER(WHS) ",
                                "TABLES(T1) ", "COLUMNS(A) ", "NATIVEDT(DECIMAL'('9,2')')",
                                "OFFSET(-1)", "ORDINAL(7)", "EDTNCOL(Y)"}) +
            relationRecord(true, "TABLES", keys, "COLUMN", columnKeys("ORA", "WHS", "T1", "A")) +
            ":COMMIT.CHKPID(153)\n");
}

TEST(TableExport, NumbersInTextColumnsAreReadWithSignAndLeadingBlanks) {
    ScratchWarehouse w("signs");
    w.database("DB00000001", "ORA", "Oracle");
    w.table("DR00000001", "DB00000001", "ORA", "S", "NEG", "TypeofCreation, fileType",
            "'-1', ' 12 (fixed)'");
    w.table("DR00000002", "DB00000001", "ORA", "S", "NONE", "TypeofCreation, fileType",
            "'imported', '+ 3'");
    const ExportResult r = w.exportDatabases({"ORA"});
    ASSERT_EQ(r.status, 0) << r.output;
    const size_t neg = positionOf(r.tag, "    NAME(S.NEG)\n");
    const size_t none = positionOf(r.tag, "    NAME(S.NONE)\n");
    EXPECT_EQ(r.tag.find("    TBLFTYPE(12)\n", neg), r.tag.find("    TBLFTYPE(", neg));
    EXPECT_EQ(r.tag.find("    CREATYPE(-1)\n", neg), r.tag.find("    CREATYPE(", neg));
    EXPECT_EQ(r.tag.find("    TBLFTYPE(0)\n", none), r.tag.find("    TBLFTYPE(", none));
    EXPECT_EQ(r.tag.find("    CREATYPE(0)\n", none), r.tag.find("    CREATYPE(", none));
    EXPECT_NE(r.tag.find("    CREATYPE(", none), std::string::npos);
}

TEST(TableExport, GeneratedCreateStatementWritesNoStoredStatement) {
    ScratchWarehouse w("autogen");
    w.database("DB00000001", "ORA", "Oracle");
    w.table("DR00000001", "DB00000001", "ORA", "S", "T", "AutoGenCreateStmt", "1");
    w.longText("DRcreate", "DR00000001", {"CREATE TABLE S.T (OLD INTEGER)"});
    const ExportResult r = w.exportDatabases({"ORA"});
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_NE(r.tag.find("    QRTCREGN(Y)\n    QRTCRTAR(N)\n"), std::string::npos) << r.tag;
    EXPECT_EQ(r.tag.find("QRTCRERU"), std::string::npos);
}

TEST(TableExport, OwnerIsSplitOffOnlyForRelationalDatabasesAndKeyValuesAreWrapped) {
    ScratchWarehouse w("owner");
    w.database("DB00000001", "ORA(1)", "Oracle");
    w.database("DB00000002", "FILES", "Flat File LAN");
    w.table("DR00000001", "DB00000001", "ORA(1)", "A", "X(1)");
    w.table("DR00000002", "DB00000001", "ORA(1)", "", "NOSCHEMA");
    w.table("DR00000003", "DB00000002", "FILES", "A", "T");
    w.column("AT00000001", "DR00000001", "C(2)", 1);
    const ExportResult r = w.exportDatabases({"ORA(1)", "FILES"});
    ASSERT_EQ(r.status, 0) << r.output;

    const std::string ora = "NAME(ORA'('1')') DBNAME(ORA'('1')'DSN) ";
    EXPECT_NE(r.tag.find(relationRecord(true, "DATABASE", ora, "TABLES",
                                        tableKeys("ORA'('1')'", "A", "X'('1')'"))),
              std::string::npos)
        << r.tag;
    EXPECT_NE(r.tag.find(relationRecord(true, "DATABASE", ora, "TABLES",
                                        tableKeys("ORA'('1')'", "", "NOSCHEMA"))),
              std::string::npos);
    // The column name is a key as stored, not wrapped.
    EXPECT_NE(r.tag.find("TARGETKEY(" + columnKeys("ORA'('1')'", "A", "X'('1')'", "C(2)") + ")"),
              std::string::npos);
    // A flat-file table keeps its dotted name whole.
    EXPECT_NE(r.tag.find(relationRecord(true, "DATABASE", "NAME(FILES) DBNAME(FILESDSN) ", "TABLES",
                                        tableKeys("FILES", "", "A.T"))),
              std::string::npos);
}

TEST(TableExport, ColumnsComeInTheOrderOfTheirIdentifiers) {
    // Relation rows stored against identifier order, sequence numbers against both.
    ScratchWarehouse w("colorder");
    w.database("DB00000001", "ORA", "Oracle");
    w.table("DR00000001", "DB00000001", "ORA", "S", "T");
    w.column("AT00000003", "DR00000001", "THIRD", 1);
    w.column("AT00000001", "DR00000001", "FIRST", 3);
    w.column("AT00000002", "DR00000001", "SECOND", 2);
    const ExportResult r = w.exportDatabases({"ORA"});
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_LT(positionOf(r.tag, "    NAME(FIRST)\n"), positionOf(r.tag, "    NAME(SECOND)\n"));
    EXPECT_LT(positionOf(r.tag, "    NAME(SECOND)\n"), positionOf(r.tag, "    NAME(THIRD)\n"));
}

TEST(TableExport, AColumnRowWithoutItsColumnIsPassedOverWithAWarning) {
    ScratchWarehouse w("dangling");
    w.database("DB00000001", "ORA", "Oracle");
    w.table("DR00000001", "DB00000001", "ORA", "S", "T");
    w.column("AT00000001", "DR00000001", "FIRST", 1);
    w.rawRelation(rel::DR_TO_Attr_Rel, "DR00000001", "AT00000099");
    w.column("AT00000003", "DR00000001", "THIRD", 3);
    const ExportResult r = w.exportDatabases({"ORA"});
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_LT(positionOf(r.tag, "    NAME(FIRST)\n"), positionOf(r.tag, "    NAME(THIRD)\n"));
    EXPECT_EQ(countOf(r.output, "*** Warning: relation DR_TO_Attr_Rel of DataResource \"S.T\" "
                                "(DR00000001) names Attribute AT00000099, which does not exist: "
                                "passed over\n"),
              1u)
        << r.output;
}

TEST(TableExport, TableReachedFromAnotherDatabaseIsWrittenOnce) {
    ScratchWarehouse w("shared");
    w.database("DB00000001", "SRC", "Oracle");
    w.database("DB00000002", "TGT", "Oracle", 1);
    w.table("DR00000001", "DB00000001", "SRC", "S", "ORDERS");
    w.column("AT00000001", "DR00000001", "CUST", 1);
    w.table("DR00000002", "DB00000002", "TGT", "T", "CUSTOMER");
    w.column("AT00000002", "DR00000002", "ID", 1);
    w.key("PK00000001", "DR00000002", "CUSTOMER_PK", true);
    w.keyMap("KM00000001", "PK00000001", true, "CUSTOMER_PK_1", 1, "AT00000002", "");
    w.key("FK00000001", "DR00000001", "ORDERS_FK", false);
    w.relation(rel::PrimK_TO_ForeignK, "FK00000001", "PK00000001");
    w.keyMap("KM00000002", "FK00000001", false, "ORDERS_FK_1", 1, "AT00000002", "AT00000001");
    // The source database twice, then the database of the referenced table.
    const ExportResult r = w.exportDatabases({"SRC", "SRC", "TGT"});
    ASSERT_EQ(r.status, 0) << r.output;

    EXPECT_EQ(countOf(r.tag, "Begin DATABASE Instance"), 2u);
    EXPECT_EQ(countOf(r.tag, "Begin TABLES Instance"), 2u);
    EXPECT_EQ(countOf(r.tag, "Begin QRTPKEY Instance"), 1u);
    EXPECT_EQ(countOf(r.tag, "Begin COLUMN Instance"), 2u);
    // The referenced table comes with its database, after the foreign key's
    // record and before the foreign key's relations.
    const std::string target = tableKeys("TGT", "T", "CUSTOMER");
    const size_t fkRecord = positionOf(r.tag, ":OBJECT.TYPE(QRTFKEY)");
    const size_t tgtDatabase = positionOf(r.tag, "    NAME(TGT)\n");
    const size_t tgtTable = positionOf(r.tag, "    NAME(T.CUSTOMER)\n");
    const size_t link = positionOf(r.tag, relationRecord(false, "QRTFKEY", "KEYID(FK00000001) ",
                                                         "QRTPKEY", "KEYID(PK00000001) "));
    const size_t contain =
        positionOf(r.tag, relationRecord(true, "TABLES", tableKeys("SRC", "S", "ORDERS"), "QRTFKEY",
                                         "KEYID(FK00000001) "));
    EXPECT_LT(fkRecord, tgtDatabase);
    EXPECT_LT(tgtDatabase, tgtTable);
    EXPECT_LT(tgtTable, link);
    EXPECT_LT(link, contain);
    // The second name and the already written database write nothing but
    // their comment lines.
    positionOf(r.tag, ":COMMENT. Exporting Database SRC\n:COMMENT. Exporting Database TGT\n" +
                          kCommentLine + ":COMMENT. End of Tag file: ");
}

TEST(TableExport, SelfReferencingForeignKeyFollowsItsPrimaryKey) {
    ScratchWarehouse w("selfref");
    w.database("DB00000001", "ORA", "Oracle");
    w.table("DR00000001", "DB00000001", "ORA", "S", "EMP");
    w.column("AT00000001", "DR00000001", "ID", 1);
    w.column("AT00000002", "DR00000001", "BOSS", 2);
    w.key("FK00000001", "DR00000001", "EMP_BOSS_FK", false);
    w.key("PK00000001", "DR00000001", "EMP_PK", true);
    w.relation(rel::PrimK_TO_ForeignK, "FK00000001", "PK00000001");
    w.keyMap("KM00000001", "PK00000001", true, "EMP_PK_1", 1, "AT00000001", "");
    w.keyMap("KM00000002", "FK00000001", false, "EMP_BOSS_FK_1", 1, "AT00000001", "AT00000002");
    const ExportResult r = w.exportDatabases({"ORA"});
    ASSERT_EQ(r.status, 0) << r.output;

    EXPECT_EQ(countOf(r.tag, "Begin TABLES Instance"), 1u);
    EXPECT_EQ(countOf(r.tag, "Begin QRTPKEY Instance"), 1u);
    const size_t pk = positionOf(r.tag, ":OBJECT.TYPE(QRTPKEY)");
    const size_t fk = positionOf(r.tag, ":OBJECT.TYPE(QRTFKEY)");
    const size_t link =
        positionOf(r.tag, relationRecord(false, "QRTFKEY", "KEYID(FK00000001) ", "QRTPKEY",
                                         "KEYID(PK00000001) ") +
                              relationRecord(true, "TABLES", tableKeys("ORA", "S", "EMP"),
                                             "QRTFKEY", "KEYID(FK00000001) "));
    EXPECT_LT(pk, fk);
    EXPECT_LT(fk, link);
    // The foreign key's map: both column instances, then the containment.
    const std::string map = "MAPID(KM00000002) ";
    positionOf(
        r.tag,
        objectRecord("QRTKYMAP", {"NAME(EMP_BOSS_FK_1)", "MAPSEQNO(1)", "MAPID(KM00000002)"}) +
            objectRecord("MAPPCOL", {map}) +
            relationRecord(true, "MAPPCOL", map, "COLUMN", columnKeys("ORA", "S", "EMP", "ID")) +
            relationRecord(true, "QRTKYMAP", map, "MAPPCOL", map) + objectRecord("MAPFCOL", {map}) +
            relationRecord(true, "MAPFCOL", map, "COLUMN", columnKeys("ORA", "S", "EMP", "BOSS")) +
            relationRecord(true, "QRTKYMAP", map, "MAPFCOL", map) +
            relationRecord(true, "QRTFKEY", "KEYID(FK00000001) ", "QRTKYMAP", map));
}

TEST(TableExport, KeyMapWithoutOneColumnWritesOnlyTheOtherPass) {
    ScratchWarehouse w("halfmap");
    w.database("DB00000001", "ORA", "Oracle");
    w.table("DR00000001", "DB00000001", "ORA", "S", "T");
    w.column("AT00000001", "DR00000001", "ID", 1);
    w.key("PK00000001", "DR00000001", "T_PK", true);
    w.keyMap("KM00000001", "PK00000001", true, "ONLY_PRIMARY", 1, "AT00000001", "");
    w.keyMap("KM00000002", "PK00000001", true, "ONLY_FOREIGN", 2, "", "AT00000001");
    w.keyMap("KM00000003", "PK00000001", true, "NO_COLUMN", 3, "", "");
    const ExportResult r = w.exportDatabases({"ORA"});
    ASSERT_EQ(r.status, 0) << r.output;

    EXPECT_EQ(countOf(r.tag, "Begin QRTKYMAP Instance"), 3u);
    EXPECT_EQ(countOf(r.tag, "Begin MAPPCOL Instance"), 1u);
    EXPECT_EQ(countOf(r.tag, "Begin MAPFCOL Instance"), 1u);
    positionOf(r.tag,
               objectRecord("QRTKYMAP", {"NAME(NO_COLUMN)", "MAPSEQNO(3)", "MAPID(KM00000003)"}) +
                   relationRecord(true, "QRTPKEY", "KEYID(PK00000001) ", "QRTKYMAP",
                                  "MAPID(KM00000003) ") +
                   ":COMMIT.CHKPID(");
}

TEST(TableExport, OnlyTheFirstPrimaryKeyIsExported) {
    ScratchWarehouse w("twopk");
    w.database("DB00000001", "ORA", "Oracle");
    w.table("DR00000001", "DB00000001", "ORA", "S", "T");
    w.key("PK00000001", "DR00000001", "FIRST_PK", true);
    w.key("PK00000002", "", "SECOND_PK", true);
    w.rawRelation(rel::DR_TO_PrimaryKey_Rel, "DR00000001", "PK00000002");
    const ExportResult r = w.exportDatabases({"ORA"});
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(countOf(r.tag, "Begin QRTPKEY Instance"), 1u);
    EXPECT_NE(r.tag.find("    NAME(FIRST_PK)\n    KEYID(PK00000001)\n"), std::string::npos);
}

TEST(TableExport, ForeignKeyWithoutPrimaryKeyOrWithoutItsTableSkipsWhatIsMissing) {
    ScratchWarehouse w("orphanfk");
    w.database("DB00000001", "ORA", "Oracle");
    w.table("DR00000001", "DB00000001", "ORA", "S", "T");
    w.column("AT00000001", "DR00000001", "ID", 1);
    // No referenced primary key at all.
    w.key("FK00000001", "DR00000001", "NO_PK_FK", false);
    w.keyMap("KM00000001", "FK00000001", false, "NO_PK_FK_1", 1, "", "AT00000001");
    // A referenced primary key that belongs to no table.
    w.key("PK00000009", "", "LOOSE_PK", true);
    w.key("FK00000002", "DR00000001", "LOOSE_FK", false);
    w.relation(rel::PrimK_TO_ForeignK, "FK00000002", "PK00000009");
    const ExportResult r = w.exportDatabases({"ORA"});
    ASSERT_EQ(r.status, 0) << r.output;

    const std::string table = tableKeys("ORA", "S", "T");
    EXPECT_EQ(r.tag.find("SOURCEKEY(KEYID(FK00000001) )\n    TARGETKEY(KEYID("), std::string::npos);
    positionOf(r.tag, relationRecord(true, "TABLES", table, "QRTFKEY", "KEYID(FK00000001) "));
    positionOf(r.tag, relationRecord(true, "QRTFKEY", "KEYID(FK00000001) ", "QRTKYMAP",
                                     "MAPID(KM00000001) "));
    positionOf(r.tag, relationRecord(false, "QRTFKEY", "KEYID(FK00000002) ", "QRTPKEY",
                                     "KEYID(PK00000009) "));
    positionOf(r.tag, relationRecord(true, "TABLES", table, "QRTFKEY", "KEYID(FK00000002) "));
    EXPECT_EQ(countOf(r.tag, "Begin TABLES Instance"), 1u);
    EXPECT_EQ(r.tag.find("NAME(LOOSE_PK)"), std::string::npos);
}
