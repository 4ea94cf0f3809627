-- A small warehouse whose rows are stored against the order in which they are
-- read: long-text pieces against their sequence numbers, relationship rows
-- against the identifiers of the related objects. The identifiers mix upper
-- and lower case and punctuation, whose byte order differs from a linguistic
-- order ("DR-" < "DR9" < "DRB" < "DR_" < "DRb" in bytes). Two databases share
-- the name SALES; the one with the lower identifier (IRB0000001) is exported.

INSERT INTO inforesource (qrtid, name, short_description, dbName, dbType, subdbType, isWarehouse)
VALUES
('IRa0000009', 'SALES', 'Not this one', 'NOTTHISDSN', 'Oracle', 'Oracle', 0),
('IRB0000001', 'SALES', 'Order entry', 'SALESDSN', 'Oracle', 'Oracle', 0),
('IR_0000005', 'WHS', 'Warehouse', 'WHSDSN', 'Oracle', 'Oracle', 1);

INSERT INTO DataResource (qrtid, name, IRName, largeSchemaName, largeTableName, TypeofCreation)
VALUES
('DRb0000001', 'S.LOWER_B', 'SALES', 'S', 'LOWER_B', '-1'),
('DR_0000004', 'S.UNDERSCORE', 'SALES', 'S', 'UNDERSCORE', ' 2'),
('DRB0000002', 'S.UPPER_B', 'SALES', 'S', 'UPPER_B', '1'),
('DR90000005', 'S.DIGIT', 'SALES', 'S', 'DIGIT', NULL),
('DR-0000003', 'S.DASH', 'SALES', 'S', 'DASH', '3 (copied)'),
('DRw0000006', 'W.FACT', 'WHS', 'W', 'FACT', NULL);

INSERT INTO Attribute (qrtid, name, largeName, IRName, DRName, largeDRSchemaName, largeDRTableName,
    nativeDataType, ODBCDataType, seqNo)
VALUES
('ATz0000001', 'Z_COL', 'Z_COL', 'SALES', 'S.UPPER_B', 'S', 'UPPER_B', 'INTEGER', 'INTEGER', 1),
('AT.0000002', 'DOT_COL', 'DOT_COL', 'SALES', 'S.UPPER_B', 'S', 'UPPER_B', 'INTEGER', 'INTEGER', NULL),
('ATZ0000003', 'BIG_Z_COL', 'BIG_Z_COL', 'SALES', 'S.UPPER_B', 'S', 'UPPER_B', 'INTEGER', 'INTEGER', 1),
('AT00000004', 'ZERO_COL', 'ZERO_COL', 'SALES', 'S.UPPER_B', 'S', 'UPPER_B', 'INTEGER', 'INTEGER', NULL),
('ATa0000005', 'A_COL', 'A_COL', 'SALES', 'S.DASH', 'S', 'DASH', 'CHAR', 'CHAR', 2),
('ATA0000006', 'BIG_A_COL', 'BIG_A_COL', 'SALES', 'S.DASH', 'S', 'DASH', 'CHAR', 'CHAR', 1);

INSERT INTO Key (qrtid, name, typeStr) VALUES ('PKq0000001', 'UPPER_B_PK', 'P');
INSERT INTO KeyMap (qrtid, name, orderNo)
VALUES
('KMz0000003', 'PK_Z', 1),
('KM_0000002', 'PK_ZERO', 2),
('KMA0000001', 'PK_BIG_Z', 3);

INSERT INTO SecurityGroup (qrtid, name, short_description)
VALUES
('SGc0000001', 'readers', 'lower case'),
('SGC0000002', 'Readers', 'upper case'),
('SG.0000003', '.readers', 'dotted');
INSERT INTO UserFunction (qrtid, name)
VALUES
('UFx0000001', 'Define'),
('UFX0000002', 'Run'),
('UF-0000003', 'Monitor');

INSERT INTO AgentSite (qrtid, name, siteOS, siteHostName)
VALUES
('ASx0000001', 'site x', 1, 'hostx'),
('ASX0000002', 'site X', 1, 'hostX'),
('AS00000003', 'site 0', 1, 'host0');

INSERT INTO RELATIONSHIP (relation_name, source_qrtid, target_qrtid)
VALUES
('IR_TO_DR_Rel', 'IRB0000001', 'DRb0000001'),
('IR_TO_DR_Rel', 'IRB0000001', 'DR_0000004'),
('IR_TO_DR_Rel', 'IRB0000001', 'DRB0000002'),
('IR_TO_DR_Rel', 'IRB0000001', 'DR90000005'),
('IR_TO_DR_Rel', 'IRB0000001', 'DR-0000003'),
('IR_TO_DR_Rel', 'IRa0000009', 'DRb0000001'),
('IR_TO_DR_Rel', 'IR_0000005', 'DRw0000006'),
('DR_TO_Attr_Rel', 'DRB0000002', 'ATz0000001'),
('DR_TO_Attr_Rel', 'DRB0000002', 'ATZ0000003'),
('DR_TO_Attr_Rel', 'DRB0000002', 'AT00000004'),
('DR_TO_Attr_Rel', 'DRB0000002', 'AT.0000002'),
('DR_TO_Attr_Rel', 'DR-0000003', 'ATa0000005'),
('DR_TO_Attr_Rel', 'DR-0000003', 'ATa0000005'),
('DR_TO_Attr_Rel', 'DR-0000003', 'ATA0000006'),
('DR_TO_PrimaryKey_Rel', 'DRB0000002', 'PKq0000001'),
('KeyMap_TO_PrimaryKey', 'KMz0000003', 'PKq0000001'),
('KeyMap_TO_PrimaryKey', 'KM_0000002', 'PKq0000001'),
('KeyMap_TO_PrimaryKey', 'KMA0000001', 'PKq0000001'),
('Attr_TO_PKeyMap_Rel', 'KMz0000003', 'ATz0000001'),
('Attr_TO_PKeyMap_Rel', 'KM_0000002', 'AT00000004'),
('Attr_TO_PKeyMap_Rel', 'KMA0000001', 'ATZ0000003'),
('IR_TO_SecGR_Rel', 'IRB0000001', 'SGc0000001'),
('IR_TO_SecGR_Rel', 'IRB0000001', 'SG.0000003'),
('IR_TO_SecGR_Rel', 'IRB0000001', 'SGC0000002'),
('IR_TO_SecGrTar_Rel', 'IR_0000005', 'SGC0000002'),
('IR_TO_SecGrTar_Rel', 'IR_0000005', 'SGc0000001'),
('UserFun_TO_SecGr_Rel', 'UFx0000001', 'SGc0000001'),
('UserFun_TO_SecGr_Rel', 'UF-0000003', 'SGc0000001'),
('UserFun_TO_SecGr_Rel', 'UFX0000002', 'SGc0000001'),
('UserFun_TO_SecGr_Rel', 'UFX0000002', 'SGC0000002'),
('IR_TO_AgentSite', 'ASx0000001', 'IRB0000001'),
('IR_TO_AgentSite', 'AS00000003', 'IRB0000001'),
('IR_TO_AgentSite', 'ASX0000002', 'IRB0000001'),
('IR_TO_AgentSite', 'ASX0000002', 'IR_0000005'),
('IR_TO_AgentSite', 'ASx0000001', 'IR_0000005');

INSERT INTO QRTSTRINGS (name, qrtid, seqno, text)
VALUES
('IRLDesc', 'IRB0000001', 40, 'Item'),
('IRLDesc', 'IRB0000001', 3, 'Margin '),
('IRLDesc', 'IRB0000001', 20, ''),
('IRLDesc', 'IRB0000001', 1, 'Customer
'),
('DRcreate', 'DRB0000002', 3, ' BIG_Z_COL INTEGER)'),
('DRcreate', 'DRB0000002', 2, ' ZERO_COL INTEGER,'),
('DRcreate', 'DRB0000002', 1, 'CREATE TABLE S.UPPER_B (Z_COL INTEGER,'),
('DRLDesc', 'DR-0000003', 2, 'second, '),
('DRLDesc', 'DR-0000003', 10, 'tenth'),
('DRLDesc', 'DR-0000003', 1, 'first, '),
('ATTRLDesc', 'ATa0000005', 2, 'of A'),
('ATTRLDesc', 'ATa0000005', 1, 'The column '),
('SECGROUPLDesc', 'SGC0000002', 2, 'upper case'),
('SECGROUPLDesc', 'SGC0000002', 1, 'Readers in ');
