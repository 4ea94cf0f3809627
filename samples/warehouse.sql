-- The sample warehouse: a small but complete set of control-table rows.
--
-- Three databases: SALESDB (the relational source), FLATFILES (a flat-file
-- source on the LAN) and WAREHOUSE (the target); their tables with columns,
-- primary and foreign keys (one of them self-referencing) and key maps; two
-- agent sites; security groups with user functions and a user; eight steps
-- with SQL, binary SQL data, column maps of every kind, correlations,
-- aliases, schedules, cascades (steps starting themselves on success and on
-- failure, steps starting each other), notification and programs; the
-- processes "Nightly sales load" in the subject "Sales", "Year-end close ..."
-- without a subject and "Weekly prices" in the subject "Prices ..."; three
-- program groups (one predefined) with their programs, types, parameters and
-- program instances; the star schemas "Sales star" (join links of every
-- type), "Price star ..." (across three databases) and "Empty star". Long
-- texts are split over several rows of QRTSTRINGS.
--
-- Identifiers are ten decimal digits; the hundreds name the kind of object
-- (01xx databases, 02xx tables, 03xx columns, 04xx keys, 05xx key maps, 06xx
-- agent sites, 07xx security groups, 08xx user functions, 09xx users, 10xx
-- steps, 11xx maps, 12xx schedules, 13xx processes, 14xx subjects, 15xx
-- programs and program instances, 16xx program groups, 17xx program types,
-- 18xx parameters, 19xx star schemas, 20xx attribute links, 21xx
-- correlations, 22xx aliases, 23xx calendars, 24xx calendar dates, 25xx step
-- authorities, 26xx cubes).
--
-- Tables are named without a schema so that the file loads into SQLite and
-- into PostgreSQL alike (tools/load_warehouse.sh); keyword columns are written
-- quoted in lower case, which both systems accept.

-- Databases -------------------------------------------------------------------

INSERT INTO inforesource (qrtid, updated_by, update_ts, name, short_description,
    dbName, dbType, subdbType, userId, isWarehouse, defaultRetryIntrv, defaultRetryCount,
    contact, location, useODBCConnectStr, ODBCConnectString, codePage, hostName,
    preAccCmd, postAccCmd, encrypted, dbVersion, dbmsServerName, DELIMITER,
    transRegistered, transFenced)
VALUES
('0000000101', 'ADMIN', '2024-03-01 09:00:00', 'SALESDB', 'Order entry database (sales)',
    'SALESDSN', 'Nordbase Family', 'Nordbase Family', 'salesrd', 0, 5, 3,
    'Mary O''Brien', 'Data centre 1', 0, NULL, 1208, 'dbhost01',
    'mount /sales', NULL, 0, '07.02.0000', 'SALESSRV', NULL, 0, 0),
('0000000102', 'ADMIN', '2024-03-01 09:05:00', 'FLATFILES', 'Price lists delivered as files',
    'PRICEDIR', 'Flat File LAN', 'Flat File LAN Local Command', NULL, 0, 10, 1,
    'Lars Ekström', NULL, 0, NULL, 819, NULL,
    NULL, NULL, 0, NULL, NULL, ' ', 0, 0),
('0000000103', 'ADMIN', '2024-03-01 09:10:00', 'WAREHOUSE', 'Target warehouse (star schema)',
    'WHSDSN', 'Oracle', 'Oracle', 'whsload', 1, 15, 2,
    'Mary O''Brien', 'Data centre 2', 1, 'DSN=WHSDSN;UID=whsload', 1208, 'whs01',
    NULL, 'analyze (all)', 0, '19c', 'WHSSRV', NULL, 1, 0);

-- Tables ----------------------------------------------------------------------

INSERT INTO DataResource (qrtid, updated_by, update_ts, name, short_description,
    IRName, fileType, recLen, created, TypeofCreation, NordbaseTableNameSpace, BinaryFlag,
    DIMENSION_TABLE, FACT_TABLE, INPARTTBSP, REPL_ENABLED, FirstLineNames, charDelm,
    viewFlag, aliasFlag, largeSchemaName, largeTableName, persistentFlag, max_editions,
    grantToPublic, createTarTab, AutoGenCreateStmt, tableCreated, CDTableSchema, CDTableName,
    BEFORE_IMG_PREFIX, NordbaseTableNameIndex, highestStatus)
VALUES
('0000000201', 'ADMIN', '2024-03-01 09:20:00', 'SALES.CUSTOMER', 'Customers (active and closed)',
    'SALESDB', NULL, 0, '2023-11-02 08:00:00', '1 Imported', 'TSSALES', 0,
    0, 0, 0, 1, 0, NULL,
    0, 0, 'SALES', 'CUSTOMER', 1, 0,
    0, 0, 0, 1, 'SALESCD', 'CD_CUSTOMER',
    'X_', 'TSSALESIX', 0),
('0000000202', 'ADMIN', '2024-03-01 09:21:00', 'SALES.ORDERS', 'Orders',
    'SALESDB', NULL, 0, '2023-11-02 08:00:00', '1 Imported', 'T', 0,
    0, 0, 0, 0, 0, NULL,
    0, 0, 'SALES', 'ORDERS', 1, 0,
    0, 0, 0, 1, NULL, NULL,
    NULL, NULL, 0),
('0000000203', 'ADMIN', '2024-03-01 09:22:00', 'prices.csv', 'Weekly price list',
    'FLATFILES', '1 Character delimited', 120, NULL, '1 Imported', NULL, 2,
    0, 0, 0, 0, 1, ',',
    0, 0, '', 'prices.csv', 1, 0,
    0, 0, 0, 0, NULL, NULL,
    NULL, NULL, 0),
('0000000204', 'ADMIN', '2024-03-01 09:23:00', 'WHS.CUSTOMER_DIM', 'Customer dimension',
    'WAREHOUSE', NULL, 0, '2024-01-10 12:00:00', '2 Created by the warehouse', NULL, 0,
    1, 0, 0, 0, 0, NULL,
    0, 0, 'WHS', 'CUSTOMER_DIM', 1, 0,
    1, 1, 0, 1, NULL, NULL,
    NULL, NULL, 3),
('0000000205', 'ADMIN', '2024-03-01 09:24:00', 'WHS.PRODUCT_DIM', 'Product dimension',
    'WAREHOUSE', NULL, 0, '2024-01-10 12:00:00', '2 Created by the warehouse', NULL, 0,
    1, 0, 0, 0, 0, NULL,
    0, 0, 'WHS', 'PRODUCT_DIM', 1, 0,
    0, 1, 1, 1, NULL, NULL,
    NULL, NULL, 3),
('0000000206', 'ADMIN', '2024-03-01 09:25:00', 'WHS.SALES_FACT', 'Sales fact (one row per order line)',
    'WAREHOUSE', NULL, 0, '2024-01-10 12:00:00', '2 Created by the warehouse', 'TSFACT', 0,
    0, 1, 1, 0, 0, NULL,
    0, 0, 'WHS', 'SALES_FACT', 0, 7,
    1, 1, 1, 1, NULL, NULL,
    NULL, NULL, 3),
('0000000207', 'ADMIN', '2024-03-01 09:26:00', 'WHS.V_CUSTOMER', 'View over the customer dimension',
    'WAREHOUSE', NULL, 0, NULL, NULL, NULL, 0,
    0, 0, 0, 0, 0, NULL,
    1, 0, 'WHS', 'V_CUSTOMER', 1, 0,
    0, 0, 0, 1, NULL, NULL,
    NULL, NULL, 0);

-- Columns ---------------------------------------------------------------------

INSERT INTO Attribute (qrtid, updated_by, update_ts, name, short_description,
    IRName, DRName, nativeDataType, ODBCDataType, scale, precDigits, isText, "isnull",
    "offset", seqNo, largeDRSchemaName, largeDRTableName, largeName, ordinalNo, col_Type,
    isEditionCol)
VALUES
('0000000301', 'ADMIN', '2024-03-01 09:30:00', 'CUST_ID', 'Customer number', 'SALESDB', 'SALES.CUSTOMER', 'INTEGER', 'INTEGER', 0, 10, 1, 0, -1, 1, 'SALES', 'CUSTOMER', 'CUST_ID', 1, 'K', 0),
('0000000302', 'ADMIN', '2024-03-01 09:30:00', 'CUST_NAME', 'Name (as registered)', 'SALESDB', 'SALES.CUSTOMER', 'VARCHAR', 'VARCHAR', 0, 40, 1, 1, -1, 2, 'SALES', 'CUSTOMER', 'CUST_NAME', 2, NULL, 0),
('0000000303', 'ADMIN', '2024-03-01 09:30:00', 'REGION', NULL, 'SALESDB', 'SALES.CUSTOMER', 'CHAR', 'CHAR', 0, 2, 1, 1, -1, 3, 'SALES', 'CUSTOMER', 'REGION', 3, NULL, 0),
('0000000304', 'ADMIN', '2024-03-01 09:30:00', 'PARENT_CUST_ID', 'Parent company', 'SALESDB', 'SALES.CUSTOMER', 'INTEGER', 'INTEGER', 0, 10, 1, 1, -1, 4, 'SALES', 'CUSTOMER', 'PARENT_CUST_ID', 4, NULL, 0),
('0000000305', 'ADMIN', '2024-03-01 09:31:00', 'ORDER_ID', 'Order number', 'SALESDB', 'SALES.ORDERS', 'INTEGER', 'INTEGER', 0, 10, 1, 0, -1, 1, 'SALES', 'ORDERS', 'ORDER_ID', 1, 'K', 0),
('0000000306', 'ADMIN', '2024-03-01 09:31:00', 'CUST_ID', 'Ordering customer', 'SALESDB', 'SALES.ORDERS', 'INTEGER', 'INTEGER', 0, 10, 1, 0, -1, 2, 'SALES', 'ORDERS', 'CUST_ID', 2, NULL, 0),
('0000000307', 'ADMIN', '2024-03-01 09:31:00', 'ORDER_DATE', NULL, 'SALESDB', 'SALES.ORDERS', 'DATE', 'DATE', 0, 10, 1, 0, -1, 3, 'SALES', 'ORDERS', 'ORDER_DATE', 3, NULL, 0),
('0000000308', 'ADMIN', '2024-03-01 09:31:00', 'AMOUNT', 'Amount (EUR)', 'SALESDB', 'SALES.ORDERS', 'DECIMAL', 'DECIMAL', 2, 9, 1, 1, -1, 4, 'SALES', 'ORDERS', 'AMOUNT', 4, NULL, 0),
('0000000309', 'ADMIN', '2024-03-01 09:31:00', 'ITEM', 'Item number', 'SALESDB', 'SALES.ORDERS', 'CHAR', 'CHAR', 0, 8, 1, 0, -1, 5, 'SALES', 'ORDERS', 'ITEM', 5, NULL, 0),
('0000000310', 'ADMIN', '2024-03-01 09:32:00', 'ITEM', NULL, 'FLATFILES', 'prices.csv', 'CHARACTER', 'CHAR', 0, 8, 1, 1, 0, 1, '', 'prices.csv', 'ITEM', 1, NULL, 0),
('0000000311', 'ADMIN', '2024-03-01 09:32:00', 'PRICE', 'Unit price', 'FLATFILES', 'prices.csv', 'NUMERIC', 'NUMERIC', 2, 7, 1, 1, 9, 2, '', 'prices.csv', 'PRICE', 2, NULL, 0),
('0000000312', 'ADMIN', '2024-03-01 09:32:00', 'PICTURE', 'Packshot bytes', 'FLATFILES', 'prices.csv', 'VARCHAR', 'VARBINARY', 0, 20, 0, 1, 17, 3, '', 'prices.csv', 'PICTURE', 3, NULL, 0),
('0000000313', 'ADMIN', '2024-03-01 09:33:00', 'CUST_KEY', 'Surrogate key', 'WAREHOUSE', 'WHS.CUSTOMER_DIM', 'INTEGER', 'INTEGER', 0, 10, 1, 0, -1, 1, 'WHS', 'CUSTOMER_DIM', 'CUST_KEY', 1, 'K', 0),
('0000000314', 'ADMIN', '2024-03-01 09:33:00', 'CUST_NAME', NULL, 'WAREHOUSE', 'WHS.CUSTOMER_DIM', 'VARCHAR', 'VARCHAR', 0, 40, 1, 1, -1, 2, 'WHS', 'CUSTOMER_DIM', 'CUST_NAME', 2, NULL, 0),
('0000000315', 'ADMIN', '2024-03-01 09:33:00', 'REGION', NULL, 'WAREHOUSE', 'WHS.CUSTOMER_DIM', 'CHAR', 'CHAR', 0, 2, 1, 1, -1, 3, 'WHS', 'CUSTOMER_DIM', 'REGION', 3, NULL, 0),
('0000000316', 'ADMIN', '2024-03-01 09:33:00', 'EDITION', 'Load edition', 'WAREHOUSE', 'WHS.CUSTOMER_DIM', 'INTEGER', 'INTEGER', 0, 10, 1, 0, -1, 4, 'WHS', 'CUSTOMER_DIM', 'EDITION', 4, 'E', 1),
('0000000317', 'ADMIN', '2024-03-01 09:34:00', 'ITEM', NULL, 'WAREHOUSE', 'WHS.PRODUCT_DIM', 'CHAR', 'CHAR', 0, 8, 1, 0, -1, 1, 'WHS', 'PRODUCT_DIM', 'ITEM', 1, 'K', 0),
('0000000318', 'ADMIN', '2024-03-01 09:34:00', 'PRICE', NULL, 'WAREHOUSE', 'WHS.PRODUCT_DIM', 'DECIMAL', 'DECIMAL', 2, 7, 1, 1, -1, 2, 'WHS', 'PRODUCT_DIM', 'PRICE', 2, NULL, 0),
('0000000319', 'ADMIN', '2024-03-01 09:35:00', 'ORDER_ID', NULL, 'WAREHOUSE', 'WHS.SALES_FACT', 'INTEGER', 'INTEGER', 0, 10, 1, 0, -1, 1, 'WHS', 'SALES_FACT', 'ORDER_ID', 1, 'K', 0),
('0000000320', 'ADMIN', '2024-03-01 09:35:00', 'CUST_KEY', NULL, 'WAREHOUSE', 'WHS.SALES_FACT', 'INTEGER', 'INTEGER', 0, 10, 1, 0, -1, 2, 'WHS', 'SALES_FACT', 'CUST_KEY', 2, NULL, 0),
('0000000321', 'ADMIN', '2024-03-01 09:35:00', 'ITEM', NULL, 'WAREHOUSE', 'WHS.SALES_FACT', 'CHAR', 'CHAR', 0, 8, 1, 0, -1, 3, 'WHS', 'SALES_FACT', 'ITEM', 3, NULL, 0),
('0000000322', 'ADMIN', '2024-03-01 09:35:00', 'AMOUNT', NULL, 'WAREHOUSE', 'WHS.SALES_FACT', 'DECIMAL', 'DECIMAL', 2, 11, 1, 1, -1, 4, 'WHS', 'SALES_FACT', 'AMOUNT', 4, NULL, 0),
('0000000323', 'ADMIN', '2024-03-01 09:36:00', 'CUST_KEY', NULL, 'WAREHOUSE', 'WHS.V_CUSTOMER', 'INTEGER', 'INTEGER', 0, 10, 1, 0, -1, 1, 'WHS', 'V_CUSTOMER', 'CUST_KEY', 1, NULL, 0),
('0000000324', 'ADMIN', '2024-03-01 09:36:00', 'CUST_NAME', NULL, 'WAREHOUSE', 'WHS.V_CUSTOMER', 'VARCHAR', 'VARCHAR', 0, 40, 1, 1, -1, 2, 'WHS', 'V_CUSTOMER', 'CUST_NAME', 2, NULL, 0);

-- Keys: primary keys 0401 to 0405, foreign keys 0411 to 0414 ------------------

INSERT INTO Key (qrtid, updated_by, update_ts, name, short_description,
    IRName, DRName, typeStr, needsAlter, largeDRSchemaName, largeDRTableName)
VALUES
('0000000401', 'ADMIN', '2024-03-01 09:40:00', 'CUSTOMER_PK', 'Primary key of SALES.CUSTOMER', 'SALESDB', 'SALES.CUSTOMER', 'P', 0, 'SALES', 'CUSTOMER'),
('0000000402', 'ADMIN', '2024-03-01 09:40:00', 'ORDERS_PK', NULL, 'SALESDB', 'SALES.ORDERS', 'P', 0, 'SALES', 'ORDERS'),
('0000000403', 'ADMIN', '2024-03-01 09:40:00', 'CUSTOMER_DIM_PK', NULL, 'WAREHOUSE', 'WHS.CUSTOMER_DIM', 'P', 0, 'WHS', 'CUSTOMER_DIM'),
('0000000404', 'ADMIN', '2024-03-01 09:40:00', 'PRODUCT_DIM_PK', NULL, 'WAREHOUSE', 'WHS.PRODUCT_DIM', 'P', 1, 'WHS', 'PRODUCT_DIM'),
('0000000405', 'ADMIN', '2024-03-01 09:40:00', 'SALES_FACT_PK', NULL, 'WAREHOUSE', 'WHS.SALES_FACT', 'P', 0, 'WHS', 'SALES_FACT'),
('0000000411', 'ADMIN', '2024-03-01 09:41:00', 'ORDERS_CUSTOMER_FK', 'Order (customer)', 'SALESDB', 'SALES.ORDERS', 'F', 0, 'SALES', 'ORDERS'),
('0000000412', 'ADMIN', '2024-03-01 09:41:00', 'CUSTOMER_PARENT_FK', 'Parent company of a customer', 'SALESDB', 'SALES.CUSTOMER', 'F', 0, 'SALES', 'CUSTOMER'),
('0000000413', 'ADMIN', '2024-03-01 09:41:00', 'FACT_CUSTOMER_FK', NULL, 'WAREHOUSE', 'WHS.SALES_FACT', 'F', 0, 'WHS', 'SALES_FACT'),
('0000000414', 'ADMIN', '2024-03-01 09:41:00', 'FACT_PRODUCT_FK', NULL, 'WAREHOUSE', 'WHS.SALES_FACT', 'F', 1, 'WHS', 'SALES_FACT');

-- Key maps: one per key column, in key order ----------------------------------

INSERT INTO KeyMap (qrtid, updated_by, update_ts, name, short_description, orderNo)
VALUES
('0000000501', 'ADMIN', '2024-03-01 09:42:00', 'CUSTOMER_PK_1', NULL, 1),
('0000000502', 'ADMIN', '2024-03-01 09:42:00', 'ORDERS_PK_1', NULL, 1),
('0000000503', 'ADMIN', '2024-03-01 09:42:00', 'CUSTOMER_DIM_PK_1', NULL, 1),
('0000000504', 'ADMIN', '2024-03-01 09:42:00', 'PRODUCT_DIM_PK_1', NULL, 1),
('0000000505', 'ADMIN', '2024-03-01 09:42:00', 'SALES_FACT_PK_1', NULL, 1),
('0000000506', 'ADMIN', '2024-03-01 09:42:00', 'SALES_FACT_PK_2', NULL, 2),
('0000000511', 'ADMIN', '2024-03-01 09:43:00', 'ORDERS_CUSTOMER_FK_1', 'CUST_ID to CUST_ID', 1),
('0000000512', 'ADMIN', '2024-03-01 09:43:00', 'CUSTOMER_PARENT_FK_1', NULL, 1),
('0000000513', 'ADMIN', '2024-03-01 09:43:00', 'FACT_CUSTOMER_FK_1', NULL, 1),
('0000000514', 'ADMIN', '2024-03-01 09:43:00', 'FACT_PRODUCT_FK_1', NULL, 1);

-- Agent sites -----------------------------------------------------------------

INSERT INTO AgentSite (qrtid, updated_by, update_ts, name, short_description,
    siteOS, siteHostName, siteUserId, sitePassword, HQdefault, encrypted, contact, moduleName)
VALUES
('0000000601', 'ADMIN', '2024-03-01 09:50:00', 'Default agent site', 'Agent on the warehouse server', 1, 'localhost', NULL, NULL, 1, 0, NULL, 'QRT2AGNT'),
('0000000602', 'ADMIN', '2024-03-01 09:51:00', 'ETL host (Unix)', 'Agent next to the sources', 7, 'etl01.example.com', 'etluser', NULL, 0, 0, 'Operations team', 'QRT2AGNT');

-- Security groups, user functions and users -------------------------------------

INSERT INTO SecurityGroup (qrtid, updated_by, update_ts, name, short_description, HQdefault, contact)
VALUES
('0000000701', 'ADMIN', '2024-03-01 09:55:00', 'Default security group', 'Every user', 1, NULL),
('0000000702', 'ADMIN', '2024-03-01 09:55:00', 'Sales analysts', 'Read the sales sources', 0, 'Mary O''Brien'),
('0000000703', 'ADMIN', '2024-03-01 09:55:00', 'Warehouse operators', 'Load the warehouse', 0, 'Operations team');

INSERT INTO UserFunction (qrtid, updated_by, update_ts, name, short_description)
VALUES
('0000000801', 'ADMIN', '2024-03-01 09:56:00', 'Administration', 'Administer the warehouse'),
('0000000802', 'ADMIN', '2024-03-01 09:56:00', 'Operations', 'Run and monitor steps'),
('0000000803', 'ADMIN', '2024-03-01 09:56:00', 'Business Views Definition', NULL);

INSERT INTO HQUser (qrtid, updated_by, update_ts, name, short_description,
    userid, lockOutInd, HQdefault, encrypted, EmailAddress, MailServer, contact)
VALUES
('0000000901', 'ADMIN', '2024-03-01 09:57:00', 'ADMIN', 'Warehouse administrator', 'ADMIN', 0, 1, 0, 'admin@example.com', 'mail.example.com', NULL),
('0000000902', 'ADMIN', '2024-03-01 09:57:00', 'MOBRIEN', 'Mary O''Brien', 'mobrien', 0, 0, 0, 'mary@example.com', 'mail.example.com', NULL);

-- Steps -----------------------------------------------------------------------

INSERT INTO BusinessView (qrtid, updated_by, update_ts, name, short_description,
    persistentFlag, status, version, contact, max_editions, create_ts, atomic_flag,
    extern_populated, must_have_data, by_req_schedule, AutoGenSelectStmt, grantToPublic,
    BVRetryIntrv, BVRetryCount, createTarTab, bvType, SQLWarning, selectDistinct, groupBy,
    "having", EUIJoinXY, AutoGenCreateStmt, commitDelete, commitRowCount, populationType,
    ProgFuncId, schedulesFlag)
VALUES
('0000001001', 'ADMIN', '2024-03-02 10:00:00', 'Load customers', 'Copy customers into the dimension',
    1, 'Production', 3, 'Mary O''Brien', 0, '2024-01-10 12:00:00', 0,
    0, 1, 0, 0, 1,
    -99, -99, 1, 1, 0, 1, 0,
    0, NULL, 1, 0, 0, 1,
    NULL, 1),
('0000001002', 'ADMIN', '2024-03-02 10:01:00', 'Load sales fact', 'Orders priced from the price list',
    0, 'Production', 1, NULL, 7, '2024-01-10 12:05:00', 0,
    0, 0, 0, 0, 1,
    30, 5, 1, 1, 1, 0, 1,
    1, '10,20;200,20', 1, 1, 5000, 2,
    NULL, 1),
('0000001003', 'ADMIN', '2024-03-02 10:02:00', 'Clean staging', 'Runs the clean-up program',
    0, 'Test', 1, NULL, 0, '2024-01-11 08:00:00', 0,
    0, 0, 1, 0, 0,
    NULL, NULL, 0, 3, 0, 0, 0,
    0, NULL, 0, 0, 0, 0,
    '0000001502', 0),
('0000001004', 'ADMIN', '2024-03-02 10:03:00', 'Notify load failure', 'Mails the operators',
    0, 'Production', 1, NULL, 0, '2024-01-11 08:05:00', 0,
    0, 0, 0, 0, 0,
    -99, -99, 0, 3, 0, 0, 0,
    0, NULL, 0, 0, 0, 0,
    '0000001504', 0),
('0000001005', 'ADMIN', '2024-03-02 10:04:00', ' Derive product dim ', 'Blanks at both ends of the name',
    1, 'Development', 2, 'Lars Ekström', 2, '2024-01-12 09:00:00', 1,
    0, 0, 0, 1, 0,
    NULL, NULL, 1, 1, 2, 1, 0,
    0, '5,5;80,5', 1, 0, 250, 1,
    NULL, 0),
('0000001006', 'ADMIN', '2024-03-02 10:05:00', 'Archive orders', NULL,
    0, 'Test', 1, NULL, 0, NULL, 0,
    1, 0, 0, 0, 0,
    -99, -99, 0, 1, 0, 0, 0,
    0, NULL, 0, 0, 0, 0,
    NULL, 0),
('0000001007', 'ADMIN', '2024-03-02 10:06:00', 'Reload ''orders'' (2nd try)', 'Quotes (and parentheses) in the name',
    0, 'Production', 1, 'O''Hara (night shift)', 0, '2024-01-12 09:10:00', 0,
    0, 1, 1, 0, 0,
    0, 0, 0, 2, 1, 0, 0,
    0, NULL, 0, 1, 100, 3,
    NULL, 0),
('0000001008', 'ADMIN', '2024-03-02 10:07:00', 'Notify year-end (mail)', 'Mails the finance team',
    0, 'Production', 1, NULL, 0, '2024-01-12 09:20:00', 0,
    0, 0, 0, 0, 0,
    -99, -99, 0, 3, 0, 0, 0,
    0, NULL, 0, 0, 0, 0,
    '0000001510', 0);

INSERT INTO map (qrtid, updated_by, update_ts, name, short_description,
    typeOfMap, BVName, seqNo, attr1Flags, attr2Flags, transName, iAttrCRELName)
VALUES
('0000001101', 'ADMIN', '2024-03-02 10:10:00', 'CUST_KEY', NULL, 'Attribute', 'Load customers', 1, 0, 0, NULL, 'C'),
('0000001102', 'ADMIN', '2024-03-02 10:10:00', 'CUST_NAME', NULL, 'Attribute', 'Load customers', 2, 0, 0, 'TRIM', 'C'),
('0000001103', 'ADMIN', '2024-03-02 10:10:00', 'REGION', NULL, 'Attribute', 'Load customers', 3, 0, 0, NULL, 'C'),
('0000001104', 'ADMIN', '2024-03-02 10:10:00', 'EDITION', 'Edition of the load', 'Token', 'Load customers', 4, 0, 1, NULL, NULL),
('0000001105', 'ADMIN', '2024-03-02 10:11:00', 'AMOUNT', NULL, 'Literal', 'Load sales fact', 4, 0, 0, NULL, NULL),
('0000001106', 'ADMIN', '2024-03-02 10:11:00', 'ORDER_ID', NULL, 'Attribute', 'Load sales fact', 1, 0, 0, NULL, 'O'),
('0000001107', 'ADMIN', '2024-03-02 10:14:00', 'ITEM', NULL, 'Attribute', ' Derive product dim ', 1, 0, 0, NULL, 'P'),
('0000001108', 'ADMIN', '2024-03-02 10:14:00', 'PRICE', 'Gross price', 'Attribute', ' Derive product dim ', 2, 1, 2, 'Gross price (VAT)', 'P'),
('0000001109', 'ADMIN', '2024-03-02 10:14:00', 'LOADED', 'A kind the editor no longer knows', 'Computed', ' Derive product dim ', 3, 5, 6, NULL, NULL),
('0000001110', 'ADMIN', '2024-03-02 10:15:00', 'NOTE', NULL, NULL, 'Reload ''orders'' (2nd try)', 1, 0, 0, NULL, NULL);

INSERT INTO Correlation (qrtid, updated_by, update_ts, name, short_description, correlationName)
VALUES
('0000002101', 'ADMIN', '2024-03-02 10:12:00', 'C', NULL, 'C'),
('0000002102', 'ADMIN', '2024-03-02 10:12:00', 'O', NULL, 'O'),
('0000002103', 'ADMIN', '2024-03-02 10:12:00', 'P', NULL, 'P'),
('0000002104', 'ADMIN', '2024-03-02 10:16:00', 'P (prices)', 'Price list of the product step', 'P');

INSERT INTO BVAlias (qrtid, updated_by, update_ts, name, short_description)
VALUES
('0000002201', 'ADMIN', '2024-03-02 10:13:00', 'V_CUSTOMER', 'View of the customer dimension'),
('0000002202', 'ADMIN', '2024-03-02 10:16:00', 'V_PRODUCT_CURRENT', 'Current products'),
('0000002203', 'ADMIN', '2024-03-02 10:16:00', 'V_ARCHIVE', 'Its step has no target table'),
('0000002204', 'ADMIN', '2024-03-02 10:16:00', 'V_ORPHAN', 'Belongs to no step');

-- Binary SQL data of steps: none for most, empty for "Archive orders"
INSERT INTO BINARYDATA (name, qrtid, data)
VALUES
('BLOBDATA', '0000001005', 'SELECT P.ITEM, ROUND(P.PRICE * 1.19, 2)
  FROM "prices.csv" P -- ''gross'' (€)
'),
('BLOBDATA', '0000001006', ''),
('BLOBDATA', '0000001007', 'DELETE FROM WHS.SALES_FACT WHERE ORDER_ID IN (SELECT ORDER_ID FROM SALES.ORDERS);');

-- Schedules store their years as years since 1900 (124 is 2024). The
-- schedules of "Year-end close" are stored out of their calendar order, two
-- of them at the same time with different types, one without a name and one
-- named with blanks only; "Quarterly (Q1)" starts at the same time as those
-- two, with the type of one of them, in the other process. The two schedules
-- of "Load sales fact" start at the same time, one without a name (it takes
-- the step's); "Weekly (Monday)" belongs to "Weekly prices".
INSERT INTO BVSchedule (qrtid, updated_by, update_ts, name, short_description,
    schedType, second, minute, hour, dayOfWeek, dayOfMonth, monthOfYear, year,
    frequencyType, datesInMonth, daysInMonth, endDateDay, endDateMonth, endDateYear)
VALUES
('0000001201', 'ADMIN', '2024-03-02 10:20:00', 'Nightly 02:30', NULL, 1, 0, 30, 2, 0, 0, 0, 124, 1, 0, 0, 31, 12, 130),
('0000001202', 'ADMIN', '2024-03-02 10:20:00', 'Nightly 02:15', NULL, 1, 0, 15, 2, 0, 0, 0, 124, 1, 0, 0, 31, 12, 130),
('0000001203', 'ADMIN', '2024-03-02 10:21:00', 'Month end', 'Follows the month-end calendar', 4, 0, 0, 22, 0, 0, 0, 124, 5, 0, 0, 0, 0, 0),
('0000001205', 'ADMIN', '2024-03-02 10:24:00', '   ', 'Blanks for a name', 3, 7, 6, 5, 0, 4, 3, 101, 2, 1, 0, 31, 12, 99),
('0000001204', 'ADMIN', '2024-03-02 10:24:00', '', NULL, 2, 7, 6, 5, 0, 4, 3, 101, 2, 0, 0, 31, 12, 99),
('0000001206', 'ADMIN', '2024-03-02 10:25:00', 'Year end', 'Follows the year-end calendar', 4, 0, 0, 23, -1, -1, 12, 100, 5, 0, 0, 0, 0, 0),
('0000001207', 'ADMIN', '2024-03-02 10:26:00', 'Quarterly (Q1)', NULL, 2, 7, 6, 5, 0, 4, 3, 101, 3, 0, 1, 1, 1, 125),
('0000001208', 'ADMIN', '2024-03-02 10:27:00', '', 'Named after its step', 1, 0, 45, 23, 0, 30, 6, 124, 1, 0, 0, 0, 0, 0),
('0000001209', 'ADMIN', '2024-03-02 10:27:00', 'Month end (fact)', NULL, 4, 0, 45, 23, 0, 30, 6, 124, 5, 0, 0, 31, 12, 99),
('0000001210', 'ADMIN', '2024-03-02 10:28:00', 'Weekly (Monday)', NULL, 3, 0, 0, 6, 1, -1, -1, 124, 2, 0, 0, 0, 0, 0);

INSERT INTO CUSTCAL (qrtid, updated_by, update_ts, name, short_description)
VALUES
('0000002301', 'ADMIN', '2024-03-02 10:22:00', 'Month-end 2024', NULL),
('0000002302', 'ADMIN', '2024-03-02 10:25:00', 'Year-end (Jahresende)', 'Last working days');

INSERT INTO CALDATE (qrtid, updated_by, update_ts, name, short_description, specificDate)
VALUES
('0000002401', 'ADMIN', '2024-03-02 10:22:00', 'January', NULL, '2024-01-31 00:00:00'),
('0000002402', 'ADMIN', '2024-03-02 10:22:00', 'February', NULL, '2024-02-29 00:00:00'),
('0000002404', 'ADMIN', '2024-03-02 10:25:00', '2001', NULL, '2001-12-31 18:00:00'),
('0000002403', 'ADMIN', '2024-03-02 10:25:00', '2000', 'Friday before the holidays', '2000-12-29 00:00:00');

INSERT INTO BVSecurity (qrtid, updated_by, update_ts, name, short_description,
    AESviewAuthority, readAuthority, updateAuthority)
VALUES ('0000002501', 'ADMIN', '2024-03-02 10:23:00', 'Operators on Load customers', NULL, 1, 1, 1);

INSERT INTO OLAPCube (qrtid, updated_by, update_ts, name, short_description, contact)
VALUES ('0000002601', 'ADMIN', '2024-03-02 10:24:00', 'Sales cube', NULL, 'BI team');

-- Process and subject -----------------------------------------------------------

INSERT INTO Subject (qrtid, updated_by, update_ts, name, short_description, contact)
VALUES
('0000001401', 'ADMIN', '2024-03-02 10:30:00', 'Sales', 'Sales reporting', 'Mary O''Brien'),
('0000001402', 'ADMIN', '2024-03-02 10:33:00', 'Prices (weekly) – Ström', NULL, NULL);

-- "Year-end close" has no subject; its type 2 keeps it out of the general list.
-- "Weekly prices" holds the steps whose child " Derive product dim " has
-- blanks at both ends of its name.
INSERT INTO Process (qrtid, updated_by, update_ts, name, short_description, SubjectName, contact, processType)
VALUES
('0000001301', 'ADMIN', '2024-03-02 10:31:00', 'Nightly sales load', 'Loads the sales star every night', 'Sales', 'Operations team', 1),
('0000001302', 'ADMIN', '2024-03-02 10:32:00', 'Year-end close (O''Brien''s)', NULL, NULL, NULL, 2),
('0000001303', 'ADMIN', '2024-03-02 10:34:00', 'Weekly prices', 'Archives orders, derives the product prices', 'Prices (weekly) – Ström', NULL, 1);

-- Programs: groups, types, definitions, instances and parameters ---------------

INSERT INTO UDPGROUP (qrtid, updated_by, update_ts, name, short_description,
    HQdefaultGroup, contact, OLVDefined, icon, groupType, orderNo)
VALUES
('0000001601', 'ADMIN', '2024-03-02 10:40:00', 'Warehouse utilities', 'House-keeping programs', 0, 'Operations team', 0, 'util', 0, 1),
('0000001602', 'ADMIN', '2024-03-02 10:40:00', 'Notification', 'Programs that notify people', 0, NULL, 0, NULL, 0, 2),
('0000001603', 'ADMIN', '2024-03-02 10:40:00', 'Nordbase Programs', 'Programs that come with the warehouse', 0, 'Nordbase support', 1, 'nbprog', 3, 3);

INSERT INTO PROGTYPE (qrtid, updated_by, update_ts, name, short_description, programType, progNum, delimiter)
VALUES
('0000001701', 'ADMIN', '2024-03-02 10:41:00', 'Executable', NULL, 'Executable', 1, ' '),
('0000001702', 'ADMIN', '2024-03-02 10:41:00', 'Notification program', NULL, 'Notification program', 6, ','),
('0000001703', 'ADMIN', '2024-03-02 10:41:00', 'Stored procedure', NULL, 'Stored procedure', 4, ',');

INSERT INTO ProgFunc2 (qrtid, updated_by, update_ts, name, short_description,
    programName, funcName, uniqueKey, contact, userid, VBForm, OLVDefined, beanClassName)
VALUES
('0000001501', 'ADMIN', '2024-03-02 10:42:00', 'Clean staging tables', 'Deletes old rows from staging tables', '/opt/whs/bin/cleanstg', 'main', 'ProgFunc', 'Operations team', 'etluser', NULL, 0, NULL),
('0000001502', 'ADMIN', '2024-03-02 10:43:00', NULL, NULL, NULL, NULL, 'AggreFunc', NULL, NULL, 'PARMFORM', NULL, NULL),
('0000001503', 'ADMIN', '2024-03-02 10:44:00', 'Send mail', 'Sends a mail about a step', 'sendmail_step', NULL, 'ProgFunc', NULL, NULL, NULL, 0, NULL),
('0000001504', 'ADMIN', '2024-03-02 10:45:00', NULL, NULL, NULL, NULL, 'AggreFunc', NULL, NULL, NULL, NULL, NULL),
('0000001505', 'ADMIN', '2024-03-02 10:45:00', 'Reorganise tables', 'Reorganises the warehouse tables', 'QZTNXORG', NULL, 'ProgFunc', NULL, NULL, NULL, 1, NULL),
('0000001506', 'ADMIN', '2024-03-02 10:45:00', 'Refresh (summary) tables', 'Calls O''Neil''s refresh procedure – nightly', 'WHS.REFRESH_SUMMARY', 'refresh', 'ProgFunc', 'Lars Ekström (DBA)', 'whsload', NULL, 0, 'com.example.whs.Refresh'),
('0000001507', 'ADMIN', '2024-03-02 10:45:00', NULL, NULL, NULL, NULL, 'AggreFunc', NULL, NULL, 'REFRESHFORM', NULL, NULL),
('0000001508', 'ADMIN', '2024-03-02 10:45:00', 'Archive (old) orders', NULL, '/opt/whs/bin/archive', NULL, 'ProgFunc', NULL, 'etluser', NULL, 0, NULL),
('0000001509', 'ADMIN', '2024-03-02 10:45:00', NULL, NULL, NULL, NULL, 'AggreFunc', NULL, NULL, NULL, NULL, NULL),
('0000001510', 'ADMIN', '2024-03-02 10:46:00', NULL, NULL, NULL, NULL, 'AggreFunc', NULL, NULL, NULL, NULL, NULL);

INSERT INTO ProgParm (qrtid, updated_by, update_ts, name, short_description,
    orderNo, parmData, HQProgKey, parmDataLong, parmDataType, notifyCondition)
VALUES
('0000001801', 'ADMIN', '2024-03-02 10:46:00', 'Table', 'Staging table to clean', 1, 'STG.ORDERS', 0, NULL, 'String', 0),
('0000001802', 'ADMIN', '2024-03-02 10:46:00', 'Days', 'Keep rows this many days', 2, '30', 0, NULL, 'Number', 0),
('0000001803', 'ADMIN', '2024-03-02 10:46:00', 'Password', NULL, 3, '', 0, NULL, 'Password', 0),
('0000001804', 'ADMIN', '2024-03-02 10:46:00', 'Target', NULL, 4, '&TTBN', 0, NULL, 'Token', 0),
('0000001805', 'ADMIN', '2024-03-02 10:47:00', 'Table', NULL, 1, 'STG.ORDERS_2024', 0, NULL, 'String', 0),
('0000001806', 'ADMIN', '2024-03-02 10:47:00', 'Days', NULL, 2, '', 0, NULL, 'Number', 0),
('0000001807', 'ADMIN', '2024-03-02 10:48:00', 'Recipients', NULL, 1, 'ops@example.com', 0, NULL, 'String', 2),
('0000001808', 'ADMIN', '2024-03-02 10:48:00', 'Recipients', NULL, 1, 'ops@example.com (on-call)', 0, NULL, 'String', 2),
('0000001809', 'ADMIN', '2024-03-02 10:49:00', 'Statement', 'Refresh statement (long)', 3, NULL, 0, NULL, 'String', 0),
('0000001810', 'ADMIN', '2024-03-02 10:49:00', 'Degree', NULL, 2, '4', 0, NULL, 'Number', 0),
('0000001811', 'ADMIN', '2024-03-02 10:49:00', 'Target (table)', NULL, 2, '&TTBN', 0, NULL, 'Token', 0),
('0000001812', 'ADMIN', '2024-03-02 10:49:00', 'Password', 'Of the refresh user', 1, NULL, 0, NULL, 'Password', 0),
('0000001813', 'ADMIN', '2024-03-02 10:50:00', 'Statement', NULL, 3, 'CALL WHS.REFRESH_SUMMARY(''SALES'')', 0, NULL, 'String', 0),
('0000001814', 'ADMIN', '2024-03-02 10:50:00', 'Degree', NULL, 2, '8', 0, NULL, 'Number', 0),
('0000001815', 'ADMIN', '2024-03-02 10:51:00', 'Older than (days)', NULL, 1, '365', 0, NULL, 'Number', 0),
('0000001816', 'ADMIN', '2024-03-02 10:51:00', 'Older than (days)', NULL, 1, '730', 0, NULL, 'Number', 0),
('0000001817', 'ADMIN', '2024-03-02 10:52:00', 'Recipients', NULL, 1, 'finance@example.com', 0, NULL, 'String', 2);

-- Star schema and join links ------------------------------------------------------

-- "Sales star" joins the fact to its dimensions with links of every type (a
-- link's type is the number its Type text begins with; "Join" has none and
-- is a column join); "Price star ..." spans three databases and shares
-- PRODUCT_DIM with "Sales star"; "Empty star" has no tables and no links.
-- The links of a schema are listed in update_ts order.
INSERT INTO StarSchema (qrtid, updated_by, update_ts, name, short_description, contact, hostdbname)
VALUES
('0000001901', 'ADMIN', '2024-03-02 11:00:00', 'Sales star', 'Sales by customer and product', 'BI team', 'WHSDSN'),
('0000001902', 'ADMIN', '2024-03-02 11:08:00', 'Price star (weekly) – O''Hara''s Ström', 'Prices per item (all sources)', 'Lars Ekström (prices)', NULL),
('0000001903', 'ADMIN', '2024-03-02 11:11:00', 'Empty star', NULL, NULL, '');

INSERT INTO attributelink (qrtid, updated_by, update_ts, name, short_description,
    Type, OperatorExp, useANDSep, orderNo, OperExp2)
VALUES
('0000002001', 'ADMIN', '2024-03-02 11:01:00', 'O.CUST_ID = C.CUST_ID', NULL, 'Join', '=', 1, 1, NULL),
('0000002002', 'ADMIN', '2024-03-02 11:02:00', 'Fact to customer', NULL, '1 Star join', '=', 1, 1, NULL),
('0000002003', 'ADMIN', '2024-03-02 11:03:00', 'Fact to product', NULL, '1 Star join', '=', 1, 2, NULL),
('0000002004', 'ADMIN', '2024-03-02 11:01:30', 'SALES_FACT.CUST_KEY = CUSTOMER_DIM.CUST_KEY', 'Column join (keys)', '0 Column join', '=', 1, 3, NULL),
('0000002005', 'ADMIN', '2024-03-02 11:04:00', 'Only big orders', NULL, ' 2 Row filter', NULL, 0, 4, NULL),
('0000002006', 'ADMIN', '2024-03-02 11:05:00', 'Outer join (kept for later)', NULL, '3 Outer join', '=', 1, 5, NULL),
('0000002007', 'ADMIN', '2024-03-02 11:06:00', 'Retired link', NULL, '-1 Retired', '=', 1, 6, NULL),
('0000002008', 'ADMIN', '2024-03-02 11:07:00', 'Item to product (column lost)', NULL, 'Join', NULL, 1, 7, NULL),
('0000002009', 'ADMIN', '2024-03-02 11:10:00', 'ITEM = ITEM (''prices.csv'')', NULL, '0', '=', 1, 1, NULL),
('0000002010', 'ADMIN', '2024-03-02 11:09:00', 'Price check (first column lost)', NULL, '+0 Column join', '>', 1, 2, NULL);

INSERT INTO QRTSTRINGS (name, qrtid, seqno, text)
VALUES
('ATTLRowexpression', '0000002002', 1, 'SALES_FACT.CUST_KEY = CUSTOMER_DIM.CUST_KEY'),
('ATTLRowexpression', '0000002002', 2, ' AND (CUSTOMER_DIM.REGION <> ''ZZ'')'),
('ATTLRowexpression', '0000002005', 1, 'SALES_FACT.AMOUNT > 1000 (EUR)'),
('ATTLRowexpression', '0000002007', 1, 'never written (retired)'),
('StarSchemaDesc', '0000001902', 1, 'Prices of the flat files next to the orders '),
('StarSchemaDesc', '0000001902', 2, '(‘weekly’, in EUR).');

-- Relationship rows ---------------------------------------------------------------

INSERT INTO RELATIONSHIP (relation_name, source_qrtid, target_qrtid)
VALUES
-- databases and their tables
('IR_TO_DR_Rel', '0000000101', '0000000201'),
('IR_TO_DR_Rel', '0000000101', '0000000202'),
('IR_TO_DR_Rel', '0000000102', '0000000203'),
('IR_TO_DR_Rel', '0000000103', '0000000204'),
('IR_TO_DR_Rel', '0000000103', '0000000205'),
('IR_TO_DR_Rel', '0000000103', '0000000206'),
('IR_TO_DR_Rel', '0000000103', '0000000207'),
-- tables and their columns
('DR_TO_Attr_Rel', '0000000201', '0000000301'),
('DR_TO_Attr_Rel', '0000000201', '0000000302'),
('DR_TO_Attr_Rel', '0000000201', '0000000303'),
('DR_TO_Attr_Rel', '0000000201', '0000000304'),
('DR_TO_Attr_Rel', '0000000202', '0000000305'),
('DR_TO_Attr_Rel', '0000000202', '0000000306'),
('DR_TO_Attr_Rel', '0000000202', '0000000307'),
('DR_TO_Attr_Rel', '0000000202', '0000000308'),
('DR_TO_Attr_Rel', '0000000202', '0000000309'),
('DR_TO_Attr_Rel', '0000000203', '0000000310'),
('DR_TO_Attr_Rel', '0000000203', '0000000311'),
('DR_TO_Attr_Rel', '0000000203', '0000000312'),
('DR_TO_Attr_Rel', '0000000204', '0000000313'),
('DR_TO_Attr_Rel', '0000000204', '0000000314'),
('DR_TO_Attr_Rel', '0000000204', '0000000315'),
('DR_TO_Attr_Rel', '0000000204', '0000000316'),
('DR_TO_Attr_Rel', '0000000205', '0000000317'),
('DR_TO_Attr_Rel', '0000000205', '0000000318'),
('DR_TO_Attr_Rel', '0000000206', '0000000319'),
('DR_TO_Attr_Rel', '0000000206', '0000000320'),
('DR_TO_Attr_Rel', '0000000206', '0000000321'),
('DR_TO_Attr_Rel', '0000000206', '0000000322'),
('DR_TO_Attr_Rel', '0000000207', '0000000323'),
('DR_TO_Attr_Rel', '0000000207', '0000000324'),
-- primary keys
('DR_TO_PrimaryKey_Rel', '0000000201', '0000000401'),
('DR_TO_PrimaryKey_Rel', '0000000202', '0000000402'),
('DR_TO_PrimaryKey_Rel', '0000000204', '0000000403'),
('DR_TO_PrimaryKey_Rel', '0000000205', '0000000404'),
('DR_TO_PrimaryKey_Rel', '0000000206', '0000000405'),
-- foreign keys; CUSTOMER_PARENT_FK refers to its own table
('DR_TO_ForeignKey_Rel', '0000000202', '0000000411'),
('DR_TO_ForeignKey_Rel', '0000000201', '0000000412'),
('DR_TO_ForeignKey_Rel', '0000000206', '0000000413'),
('DR_TO_ForeignKey_Rel', '0000000206', '0000000414'),
('PrimK_TO_ForeignK', '0000000411', '0000000401'),
('PrimK_TO_ForeignK', '0000000412', '0000000401'),
('PrimK_TO_ForeignK', '0000000413', '0000000403'),
('PrimK_TO_ForeignK', '0000000414', '0000000404'),
-- key maps of the primary keys and their columns
('KeyMap_TO_PrimaryKey', '0000000501', '0000000401'),
('KeyMap_TO_PrimaryKey', '0000000502', '0000000402'),
('KeyMap_TO_PrimaryKey', '0000000503', '0000000403'),
('KeyMap_TO_PrimaryKey', '0000000504', '0000000404'),
('KeyMap_TO_PrimaryKey', '0000000505', '0000000405'),
('KeyMap_TO_PrimaryKey', '0000000506', '0000000405'),
('Attr_TO_PKeyMap_Rel', '0000000501', '0000000301'),
('Attr_TO_PKeyMap_Rel', '0000000502', '0000000305'),
('Attr_TO_PKeyMap_Rel', '0000000503', '0000000313'),
('Attr_TO_PKeyMap_Rel', '0000000504', '0000000317'),
('Attr_TO_PKeyMap_Rel', '0000000505', '0000000319'),
('Attr_TO_PKeyMap_Rel', '0000000506', '0000000321'),
-- key maps of the foreign keys: the referenced column and the referring one;
-- FACT_PRODUCT_FK_1 has lost its referring column
('KeyMap_TO_ForeignKey', '0000000511', '0000000411'),
('KeyMap_TO_ForeignKey', '0000000512', '0000000412'),
('KeyMap_TO_ForeignKey', '0000000513', '0000000413'),
('KeyMap_TO_ForeignKey', '0000000514', '0000000414'),
('Attr_TO_PKeyMap_Rel', '0000000511', '0000000301'),
('Attr_TO_FKeyMap_Rel', '0000000511', '0000000306'),
('Attr_TO_PKeyMap_Rel', '0000000512', '0000000301'),
('Attr_TO_FKeyMap_Rel', '0000000512', '0000000304'),
('Attr_TO_PKeyMap_Rel', '0000000513', '0000000313'),
('Attr_TO_FKeyMap_Rel', '0000000513', '0000000320'),
('Attr_TO_PKeyMap_Rel', '0000000514', '0000000317'),
-- agent sites of the databases (the site is the source)
('IR_TO_AgentSite', '0000000601', '0000000101'),
('IR_TO_AgentSite', '0000000602', '0000000101'),
('IR_TO_AgentSite', '0000000602', '0000000102'),
('IR_TO_AgentSite', '0000000601', '0000000103'),
-- security groups with source and target access
('IR_TO_SecGR_Rel', '0000000101', '0000000702'),
('IR_TO_SecGR_Rel', '0000000101', '0000000703'),
('IR_TO_SecGR_Rel', '0000000102', '0000000703'),
('IR_TO_SecGrTar_Rel', '0000000103', '0000000703'),
('IR_TO_SecGrTar_Rel', '0000000103', '0000000701'),
-- user functions and users of the groups (the function or user is the source)
('UserFun_TO_SecGr_Rel', '0000000801', '0000000701'),
('UserFun_TO_SecGr_Rel', '0000000802', '0000000701'),
('UserFun_TO_SecGr_Rel', '0000000803', '0000000701'),
('UserFun_TO_SecGr_Rel', '0000000803', '0000000702'),
('UserFun_TO_SecGr_Rel', '0000000802', '0000000703'),
('User_TO_SecGr_Rel', '0000000901', '0000000701'),
('User_TO_SecGr_Rel', '0000000901', '0000000703'),
('User_TO_SecGr_Rel', '0000000902', '0000000702'),
-- step "Load customers"
('BV_TO_Input_DR', '0000001001', '0000000201'),
('BV_TO_Output_DR', '0000001001', '0000000204'),
('BV_TO_SourceIR', '0000001001', '0000000101'),
('BV_TO_TargetIR', '0000001001', '0000000103'),
('BV_TO_AgentSite', '0000000602', '0000001001'),
('BV_TO_Schedule', '0000001001', '0000001201'),
('BV_TO_Schedule', '0000001001', '0000001203'),
('BV_TO_BVAlias', '0000001001', '0000002201'),
('BV_TO_Correlation', '0000001001', '0000002101'),
('DR_TO_Correlation', '0000000201', '0000002101'),
('BV_TO_Map', '0000001101', '0000001001'),
('BV_TO_Map', '0000001102', '0000001001'),
('BV_TO_Map', '0000001103', '0000001001'),
('BV_TO_Map', '0000001104', '0000001001'),
('Attr_TO_MapIn_Rel', '0000001101', '0000000301'),
('Attr_TO_MapOut_Rel', '0000001101', '0000000313'),
('Attr_TO_MapIn_Rel', '0000001102', '0000000302'),
('Attr_TO_MapOut_Rel', '0000001102', '0000000314'),
('Attr_TO_MapIn_Rel', '0000001103', '0000000303'),
('Attr_TO_MapOut_Rel', '0000001103', '0000000315'),
('Attr_TO_MapOut_Rel', '0000001104', '0000000316'),
('BV_TO_Security', '0000001001', '0000002501'),
('SecGrp_TO_BVSecurity', '0000000703', '0000002501'),
('BV_TO_UpdateSG', '0000001001', '0000000703'),
('BV_NOTIFY_GROUPS', '0000001001', '0000000703'),
('BV_NOTIFY_USERS', '0000001001', '0000000902'),
-- step "Load sales fact": two source databases, a join link, an OLAP cube
('BV_TO_Input_DR', '0000001002', '0000000202'),
('BV_TO_Input_DR', '0000001002', '0000000203'),
('BV_TO_Output_DR', '0000001002', '0000000206'),
('BV_TO_SourceIR', '0000001002', '0000000101'),
('BV_TO_TargetIR', '0000001002', '0000000103'),
('BV_TO_AgentSite', '0000000602', '0000001002'),
('BV_TO_Correlation', '0000001002', '0000002102'),
('DR_TO_Correlation', '0000000202', '0000002102'),
('BV_TO_Correlation', '0000001002', '0000002103'),
('DR_TO_Correlation', '0000000203', '0000002103'),
('BV_TO_Map', '0000001105', '0000001002'),
('BV_TO_Map', '0000001106', '0000001002'),
('Attr_TO_MapOut_Rel', '0000001105', '0000000322'),
('Attr_TO_MapIn_Rel', '0000001106', '0000000305'),
('Attr_TO_MapOut_Rel', '0000001106', '0000000319'),
('BV_TO_AttLink_Rel', '0000002001', '0000001002'),
('AttLink1_TO_Attr_Rel', '0000002001', '0000000306'),
('AttLink2_TO_Attr_Rel', '0000002001', '0000000301'),
('BV_TO_OLAPCube', '0000001002', '0000002601'),
-- step "Clean staging": a program step with its program instance
('BV_TO_Output_DR', '0000001003', '0000000206'),
('BV_TO_TargetIR', '0000001003', '0000000103'),
('BV_TO_AgentSite', '0000000601', '0000001003'),
('BV_TO_AggregFunc', '0000001003', '0000001502'),
('BV_TO_UDPManagedDR', '0000001003', '0000000206'),
-- step "Notify load failure": a notification program step
('BV_TO_AggregFunc', '0000001004', '0000001504'),
('BV_TO_AgentSite', '0000000601', '0000001004'),
-- cascades: customers before the fact; on failure notify; clean-up as a child
('BV_POSTCASCADE_TO_BV', '0000001001', '0000001002'),
('BV_PRECASCADE_TO_BV', '0000001003', '0000001002'),
('BV_POSTCAS_TO_BVFAIL', '0000001002', '0000001004'),
('BV_TO_ChildBV', '0000001002', '0000001003'),
-- step " Derive product dim ": source and target databases from its tables,
-- maps of every kind (one of a kind no longer known), a correlation, an
-- alias, a step that starts itself, notification of a group and a user
('BV_TO_Input_DR', '0000001005', '0000000203'),
('BV_TO_Output_DR', '0000001005', '0000000205'),
('BV_TO_AgentSite', '0000000601', '0000001005'),
('BV_TO_Map', '0000001107', '0000001005'),
('BV_TO_Map', '0000001108', '0000001005'),
('BV_TO_Map', '0000001109', '0000001005'),
('Attr_TO_MapIn_Rel', '0000001107', '0000000310'),
('Attr_TO_MapOut_Rel', '0000001107', '0000000317'),
('Attr_TO_MapIn_Rel', '0000001108', '0000000311'),
('Attr_TO_MapOut_Rel', '0000001108', '0000000318'),
('BV_TO_Correlation', '0000001005', '0000002104'),
('DR_TO_Correlation', '0000000203', '0000002104'),
('BV_TO_BVAlias', '0000001005', '0000002202'),
('BV_POSTCASCADE_TO_BV', '0000001005', '0000001005'),
('BV_NOTIFY_GROUPS', '0000001005', '0000000702'),
('BV_NOTIFY_USERS', '0000001005', '0000000901'),
-- step "Archive orders": an explicit source database other than that of its
-- source table, no target, an alias without a target table, a child step;
-- it and "Reload 'orders' (2nd try)" start each other (on success, on failure)
('BV_TO_Input_DR', '0000001006', '0000000203'),
('BV_TO_SourceIR', '0000001006', '0000000101'),
('BV_TO_BVAlias', '0000001006', '0000002203'),
('BV_TO_ChildBV', '0000001006', '0000001005'),
('BV_POSTCASCADE_TO_BV', '0000001006', '0000001007'),
('BV_POSTCAS_TO_BVFAIL', '0000001007', '0000001006'),
-- step "Reload 'orders' (2nd try)": a derived source database, an explicit
-- target database, a map without columns, a table its program manages
('BV_TO_Input_DR', '0000001007', '0000000202'),
('BV_TO_Output_DR', '0000001007', '0000000206'),
('BV_TO_TargetIR', '0000001007', '0000000103'),
('BV_TO_AgentSite', '0000000602', '0000001007'),
('BV_TO_Map', '0000001110', '0000001007'),
('BV_TO_UDPManagedDRC', '0000001007', '0000000206'),
('BV_PRECASCADE_TO_BV', '0000001007', '0000001001'),
-- schedules on a custom calendar
('BVS_TO_CustCalender', '0000001203', '0000002301'),
('CustCal_TO_Date', '0000002301', '0000002401'),
('CustCal_TO_Date', '0000002301', '0000002402'),
-- the process and its subject
('COLL_TO_Process', '0000001401', '0000001301'),
('COLL_TO_BV', '0000001401', '0000001001'),
('COLL_TO_BV', '0000001401', '0000001002'),
('COLL_TO_SG', '0000001401', '0000000702'),
('Process_TO_BV', '0000001301', '0000001001'),
('Process_TO_BV', '0000001301', '0000001002'),
('Process_TO_BV', '0000001301', '0000001003'),
('Process_TO_BVPOSTCAF', '0000001301', '0000001004'),
('Process_TO_BVSchedul', '0000001301', '0000001202'),
('Process_TO_DR', '0000001301', '0000000201'),
('Process_TO_DR', '0000001301', '0000000202'),
('Process_TO_DR', '0000001301', '0000000203'),
('Process_TO_DR', '0000001301', '0000000204'),
('Process_TO_DR', '0000001301', '0000000206'),
('Process_TO_SG', '0000001301', '0000000703'),
-- the second schedule of "Nightly sales load"; "Year-end close" without a
-- subject: its step, tables, group, schedules (one on the year-end calendar)
-- and the steps it starts: the notification program step when it succeeds,
-- the clean-up step (a program of another type) when it fails
('Process_TO_BVSchedul', '0000001301', '0000001207'),
('Process_TO_BV', '0000001302', '0000001004'),
('Process_TO_DR', '0000001302', '0000000206'),
('Process_TO_DR', '0000001302', '0000000205'),
('Process_TO_SG', '0000001302', '0000000702'),
('Process_TO_BVSchedul', '0000001302', '0000001206'),
('Process_TO_BVSchedul', '0000001302', '0000001205'),
('Process_TO_BVSchedul', '0000001302', '0000001204'),
('BVS_TO_CustCalender', '0000001206', '0000002302'),
('CustCal_TO_Date', '0000002302', '0000002404'),
('CustCal_TO_Date', '0000002302', '0000002403'),
('Process_TO_BVPOSTCAS', '0000001302', '0000001004'),
('Process_TO_BVPOSTCAF', '0000001302', '0000001003'),
-- "Load sales fact": two schedules at the same time, one on the month-end
-- calendar; it and "Notify load failure" start each other (on failure, on
-- success); "Clean staging" starts itself again when it fails
('BV_TO_Schedule', '0000001002', '0000001208'),
('BV_TO_Schedule', '0000001002', '0000001209'),
('BVS_TO_CustCalender', '0000001209', '0000002301'),
('BV_POSTCASCADE_TO_BV', '0000001004', '0000001002'),
('BV_POSTCAS_TO_BVFAIL', '0000001003', '0000001003'),
-- "Notify year-end (mail)", a second notification program step, is in both
-- lists of "Year-end close": it is notified on neither outcome
('BV_TO_AggregFunc', '0000001008', '0000001510'),
('BV_TO_AgentSite', '0000000601', '0000001008'),
('UDP_TO_AggreFuncs', '0000001510', '0000001503'),
('ProgParm_TOAggreFunc', '0000001510', '0000001817'),
('Process_TO_BVPOSTCAS', '0000001302', '0000001008'),
('Process_TO_BVPOSTCAF', '0000001302', '0000001008'),
-- "Weekly prices" in its subject: "Archive orders" (with its child " Derive
-- product dim ") and "Reload 'orders' ...", each running a program instance,
-- the flat file and the product dimension, a schedule; it notifies
-- "Notify load failure" when it succeeds
('COLL_TO_Process', '0000001402', '0000001303'),
('COLL_TO_SG', '0000001402', '0000000702'),
('Process_TO_BV', '0000001303', '0000001006'),
('Process_TO_BV', '0000001303', '0000001007'),
('Process_TO_DR', '0000001303', '0000000203'),
('Process_TO_DR', '0000001303', '0000000205'),
('Process_TO_BVSchedul', '0000001303', '0000001210'),
('Process_TO_BVPOSTCAS', '0000001303', '0000001004'),
('BV_TO_AggregFunc', '0000001006', '0000001509'),
('BV_TO_AggregFunc', '0000001007', '0000001507'),
-- programs: groups, types, agent sites, databases, parameters, instances
('UDP_TO_Grouping', '0000001501', '0000001601'),
('UDP_TO_Grouping', '0000001503', '0000001602'),
('UDP_TO_ProgType', '0000001501', '0000001701'),
('UDP_TO_ProgType', '0000001503', '0000001702'),
('UDP_TO_AgentSite', '0000001501', '0000000601'),
('UDP_TO_AgentSite', '0000001501', '0000000602'),
('UDP_TO_AgentSite', '0000001503', '0000000601'),
('UDP_TO_IR', '0000001501', '0000000103'),
('ProgParm_TO_ProgFunc', '0000001501', '0000001801'),
('ProgParm_TO_ProgFunc', '0000001501', '0000001802'),
('ProgParm_TO_ProgFunc', '0000001501', '0000001803'),
('ProgParm_TO_ProgFunc', '0000001501', '0000001804'),
('ProgParm_TO_ProgFunc', '0000001503', '0000001807'),
('UDP_TO_AggreFuncs', '0000001502', '0000001501'),
('UDP_TO_AggreFuncs', '0000001504', '0000001503'),
('ProgParm_TOAggreFunc', '0000001502', '0000001805'),
('ProgParm_TOAggreFunc', '0000001502', '0000001806'),
('ProgParm_TOAggreFunc', '0000001504', '0000001808'),
-- the predefined group with a predefined program and one of a user; a program
-- without a group; parameters stored against their order (two share order 2)
('UDP_TO_Grouping', '0000001505', '0000001603'),
('UDP_TO_Grouping', '0000001506', '0000001603'),
('UDP_TO_ProgType', '0000001505', '0000001701'),
('UDP_TO_ProgType', '0000001506', '0000001703'),
('UDP_TO_ProgType', '0000001508', '0000001701'),
('UDP_TO_AgentSite', '0000001506', '0000000602'),
('UDP_TO_AgentSite', '0000001508', '0000000601'),
('UDP_TO_IR', '0000001506', '0000000103'),
('ProgParm_TO_ProgFunc', '0000001506', '0000001811'),
('ProgParm_TO_ProgFunc', '0000001506', '0000001809'),
('ProgParm_TO_ProgFunc', '0000001506', '0000001812'),
('ProgParm_TO_ProgFunc', '0000001506', '0000001810'),
('ProgParm_TO_ProgFunc', '0000001508', '0000001815'),
('UDP_TO_AggreFuncs', '0000001507', '0000001506'),
('UDP_TO_AggreFuncs', '0000001509', '0000001508'),
('ProgParm_TOAggreFunc', '0000001507', '0000001814'),
('ProgParm_TOAggreFunc', '0000001507', '0000001813'),
('ProgParm_TOAggreFunc', '0000001509', '0000001816'),
-- the star schema: its database, tables and join links
('StarSchema_TO_IR', '0000001901', '0000000103'),
('StarSchema_TO_DR', '0000001901', '0000000204'),
('StarSchema_TO_DR', '0000001901', '0000000205'),
('StarSchema_TO_DR', '0000001901', '0000000206'),
('StarSchema_TO_AttLnk', '0000002002', '0000001901'),
('StarSchema_TO_AttLnk', '0000002003', '0000001901'),
('AttLink1_TO_Attr_Rel', '0000002002', '0000000320'),
('AttLink2_TO_Attr_Rel', '0000002002', '0000000313'),
('AttLink1_TO_Attr_Rel', '0000002003', '0000000321'),
('StarSchema_TO_AttLnk', '0000002004', '0000001901'),
('AttLink1_TO_Attr_Rel', '0000002004', '0000000320'),
('AttLink2_TO_Attr_Rel', '0000002004', '0000000313'),
('StarSchema_TO_AttLnk', '0000002005', '0000001901'),
('StarSchema_TO_AttLnk', '0000002006', '0000001901'),
('AttLink1_TO_Attr_Rel', '0000002006', '0000000321'),
('StarSchema_TO_AttLnk', '0000002007', '0000001901'),
('StarSchema_TO_AttLnk', '0000002008', '0000001901'),
('AttLink1_TO_Attr_Rel', '0000002008', '0000000321'),
-- "Price star ...": a flat file, a source table and a dimension of the warehouse
('StarSchema_TO_IR', '0000001902', '0000000103'),
('StarSchema_TO_DR', '0000001902', '0000000203'),
('StarSchema_TO_DR', '0000001902', '0000000202'),
('StarSchema_TO_DR', '0000001902', '0000000205'),
('StarSchema_TO_AttLnk', '0000002009', '0000001902'),
('AttLink1_TO_Attr_Rel', '0000002009', '0000000309'),
('AttLink2_TO_Attr_Rel', '0000002009', '0000000310'),
('StarSchema_TO_AttLnk', '0000002010', '0000001902'),
('AttLink2_TO_Attr_Rel', '0000002010', '0000000317'),
-- the second column of "Fact to product"
('AttLink2_TO_Attr_Rel', '0000002003', '0000000317');

-- Long texts ----------------------------------------------------------------------

INSERT INTO QRTSTRINGS (name, qrtid, seqno, text)
VALUES
('IRLDesc', '0000000101', 1, 'The order-entry database of the sales department. '),
('IRLDesc', '0000000101', 2, 'It holds customers and orders (one row per order line); '),
('IRLDesc', '0000000101', 3, 'the warehouse reads it every night.'),
('IRLDesc', '0000000103', 1, 'Target of all loads: the sales star schema.'),
('DRLDesc', '0000000201', 1, 'Every customer that ever ordered, '),
('DRLDesc', '0000000201', 2, 'including closed accounts (REGION = ''XX'').'),
('DRcreate', '0000000201', 1, 'CREATE TABLE SALES.CUSTOMER(
  CUST_ID INTEGER NOT NULL,
  CUST_NAME VARCHAR(40),'),
('DRcreate', '0000000201', 2, '
  REGION CHAR(2),
  PARENT_CUST_ID INTEGER) IN TSSALES'),
('DRcreate', '0000000202', 1, 'CREATE TABLE SALES.ORDERS(ORDER_ID INTEGER NOT NULL, CUST_ID INTEGER NOT NULL, ORDER_DATE DATE NOT NULL, AMOUNT DECIMAL(9,2), ITEM CHAR(8) NOT NULL)'),
('DRLDesc', '0000000203', 1, 'Comma-separated; the first line holds the column names.'),
('DRcreate', '0000000207', 1, 'CREATE VIEW WHS.V_CUSTOMER AS SELECT CUST_KEY, CUST_NAME FROM WHS.CUSTOMER_DIM'),
('ATTRLDesc', '0000000301', 1, 'Assigned by the order-entry system; '),
('ATTRLDesc', '0000000301', 2, 'never reused.'),
('ATTRLDesc', '0000000308', 1, 'Net amount in euros (without VAT).'),
('PKEYDesc', '0000000401', 1, 'One row per customer.'),
('FKEYDesc', '0000000412', 1, 'A customer may belong to a parent company, itself a customer.'),
('KMAPDesc', '0000000511', 1, 'Joins an order to its customer.'),
('AgentSite', '0000000602', 1, 'Runs next to the source databases.'),
('SECGROUPLDesc', '0000000703', 1, 'Operators start and watch the loads; '),
('SECGROUPLDesc', '0000000703', 2, 'they may update the warehouse tables.'),
('BVLDesc', '0000001001', 1, 'Copies the customers of the order-entry database '),
('BVLDesc', '0000001001', 2, 'into the customer dimension of the warehouse.'),
('BVselect', '0000001001', 1, 'SELECT C.CUST_ID, TRIM(C.CUST_NAME), C.REGION'),
('BVselect', '0000001001', 2, ' FROM SALES.CUSTOMER C WHERE C.REGION <> ''XX'''),
('BVfrompart', '0000001001', 1, 'SALES.CUSTOMER C'),
('BVselect', '0000001002', 1, 'SELECT O.ORDER_ID, O.CUST_ID, O.ITEM, O.AMOUNT * P.PRICE'),
('BVselect', '0000001002', 2, ' FROM SALES.ORDERS O, "prices.csv" P'),
('BVselect', '0000001002', 3, ' WHERE O.ITEM = P.ITEM'),
('BVfrompart', '0000001002', 1, 'SALES.ORDERS O, "prices.csv" P'),
('BVgroupBy', '0000001002', 1, 'O.ORDER_ID, O.CUST_ID, O.ITEM'),
('MAPLDesc', '0000001102', 1, 'Blanks are trimmed.'),
('MAPexpression', '0000001102', 1, 'TRIM(C.CUST_NAME)'),
('MAPexpression', '0000001104', 1, '&CURRENT_EDITION'),
('MAPexpression', '0000001105', 1, '0.00'),
('MAPexpression', '0000001107', 1, 'P.ITEM'),
('MAPexpression', '0000001108', 1, 'ROUND(P.PRICE * 1.19, 2) -- "gross" '),
('MAPexpression', '0000001108', 2, '(€, ''rounded'')'),
('MAPexpression', '0000001109', 1, 'CURRENT TIMESTAMP'),
('MAPLDesc', '0000001109', 1, 'Kept as stored; read as the first kind.'),
('BVLDesc', '0000001005', 1, 'Products and their gross prices '),
('BVLDesc', '0000001005', 2, 'from the weekly price list (über ''alles'').'),
('BVselect', '0000001005', 1, 'SELECT P.ITEM, ROUND(P.PRICE * 1.19, 2)
'),
('BVselect', '0000001005', 2, '  FROM "prices.csv" P'),
('BVfrompart', '0000001005', 1, '"prices.csv" P'),
('BVcreate', '0000001005', 1, 'CREATE TABLE WHS.PRODUCT_DIM(ITEM CHAR(8) NOT NULL, PRICE DECIMAL(7,2))'),
('BVinsert', '0000001005', 1, 'INSERT INTO WHS.PRODUCT_DIM(ITEM, PRICE) '),
('BVinsert', '0000001005', 2, 'SELECT P.ITEM, ROUND(P.PRICE * 1.19, 2) FROM "prices.csv" P'),
('BVdelete', '0000001005', 1, 'DELETE FROM WHS.PRODUCT_DIM'),
('BValter', '0000001005', 1, 'ALTER TABLE WHS.PRODUCT_DIM ADD PRIMARY KEY (ITEM)'),
('BVEUIJoinXY', '0000001005', 1, 'P:5,5;80,5'),
('BVselect', '0000001007', 1, 'SELECT * FROM SALES.ORDERS'),
('BVLDesc', '0000001007', 1, 'Runs again when the archive fails; ('),
('BVLDesc', '0000001007', 2, ')'),
('ALLDesc', '0000002001', 1, 'Order to customer.'),
('ATTLRowexpression', '0000002001', 1, 'O.CUST_ID = C.CUST_ID'),
('ProcessDesc', '0000001301', 1, 'Loads customers, then orders; '),
('ProcessDesc', '0000001301', 2, 'cleans the staging area; '),
('ProcessDesc', '0000001301', 3, 'mails the operators when the fact load fails.'),
('ProcessDesc', '0000001302', 2, 'and tells the operators (by mail).'),
('ProcessDesc', '0000001302', 1, 'Closes the year: '),
('graphicsData', '0000001301', 1, 'BV 0000001001 at (10,20); BV 0000001002 at (60,20)'),
('BVSched', '0000001206', 1, 'On the last working day of December.'),
('CUSTCALDesc', '0000002302', 1, 'The last working day of each year.'),
('CALDDesc', '0000002403', 1, 'A Friday.'),
('COLDesc', '0000001401', 1, 'Everything about sales.'),
('UDPGDesc', '0000001601', 1, 'Programs that keep the warehouse tidy.'),
('PRGDesc', '0000001501', 1, 'Deletes the rows older than the given number of days '),
('PRGDesc', '0000001501', 2, 'from a staging table.'),
('PTYPEDesc', '0000001701', 1, 'A program run from the command line.'),
('PARMDesc', '0000001802', 1, 'Rows older than this are deleted.'),
('parmDataXLong', '0000001806', 1, '45'),
('UDPGDesc', '0000001603', 1, 'Shipped with the warehouse (not exported).'),
('PRGDesc', '0000001506', 1, 'Refreshes the summary tables of the sales star; '),
('PRGDesc', '0000001506', 2, 'runs inside the warehouse database.'),
('parmDataXLong', '0000001809', 1, 'BEGIN CALL WHS.REFRESH_SUMMARY(''SALES'', ''CUSTOMER_DIM'', ''PRODUCT_DIM''); '),
('parmDataXLong', '0000001809', 2, 'CALL WHS.REFRESH_SUMMARY(''SALES'', ''SALES_FACT'', NULL); CALL WHS.ANALYZE(''SALES'') '),
('parmDataXLong', '0000001809', 3, '-- statistics (all columns) are gathered after every refresh of the summary tables, Größe ≥ 1 MB; END'),
('StarSchemaDesc', '0000001901', 1, 'Sales fact with the customer '),
('StarSchemaDesc', '0000001901', 2, 'and product dimensions.');

-- Settings of the control database ------------------------------------------------

INSERT INTO configuration (component, name, type, value_char, value_int, short_name)
VALUES
('DDD', 'DBTYPE', 'C', 'Nordbase/6000', 0, 'Server edition'),
('DDD', 'DBVERSION', 'C', '07.02.0000', 0, 'Server version'),
('DDD', 'DEFAULTSG', 'C', 'Default security group', 0, ''),
('RTK', 'LOGSIZE', 'N', NULL, 1000, 'Log entries kept'),
('Agent', 'PORT', 'N', NULL, 11001, '');
