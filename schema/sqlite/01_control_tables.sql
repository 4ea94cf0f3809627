-- Control tables of the warehouse metadata, SQLite form. The tables live in
-- the main database of the control file; the program reaches them as
-- <prefix>.<table> because the ODBC layer attaches the file under the prefix.

-- Object tables: the five common columns, then the class's own columns.

CREATE TABLE inforesource (
    qrtid              CHAR(10) NOT NULL PRIMARY KEY,
    updated_by         VARCHAR(128),
    update_ts          TIMESTAMP,
    name               VARCHAR(80),
    short_description  VARCHAR(254),
    dbName             VARCHAR(40),
    dbType             VARCHAR(40),
    subdbType          VARCHAR(40),
    userId             VARCHAR(128),
    password           VARCHAR(14),
    isWarehouse        INTEGER,
    defaultRetryIntrv  INTEGER,
    defaultRetryCount  INTEGER,
    contact            VARCHAR(64),
    location           VARCHAR(64),
    useODBCConnectStr  INTEGER,
    ODBCConnectString  VARCHAR(254),
    LUName             VARCHAR(8),
    PartnerName        VARCHAR(8),
    codePage           INTEGER,
    HighLevelQualifier VARCHAR(64),
    mountString        VARCHAR(254),
    serverName         VARCHAR(64),
    serverAttribute    VARCHAR(64),
    hostName           VARCHAR(64),
    preAccCmd          VARCHAR(64),
    postAccCmd         VARCHAR(64),
    localCommand       VARCHAR(64),
    encrypted          INTEGER,
    BinaryPassword     BLOB,
    dbVersion          VARCHAR(128),
    dbmsServerName     VARCHAR(128),
    DELIMITER          VARCHAR(1),
    transRegistered    INTEGER,
    transFenced        INTEGER
);

CREATE TABLE DataResource (
    qrtid                  CHAR(10) NOT NULL PRIMARY KEY,
    updated_by             VARCHAR(128),
    update_ts              TIMESTAMP,
    name                   VARCHAR(80),
    short_description      VARCHAR(254),
    IRName                 VARCHAR(80),
    fileType               VARCHAR(80),
    keyLoc                 INTEGER,
    keyLen                 INTEGER,
    recLen                 INTEGER,
    pcbInd                 INTEGER,
    maxSegLen              INTEGER,
    blockSize              INTEGER,
    created                TIMESTAMP,
    TypeofCreation         VARCHAR(90),
    password               VARCHAR(8),
    NordbaseTableNameSpace VARCHAR(90),
    BinaryFlag             INTEGER,
    DIMENSION_TABLE        INTEGER,
    FACT_TABLE             INTEGER,
    INPARTTBSP             INTEGER,
    REPL_ENABLED           INTEGER,
    KSDSFlag               INTEGER,
    FirstLineNames         INTEGER,
    charDelm               VARCHAR(1),
    viewFlag               INTEGER,
    aliasFlag              INTEGER,
    largeSchemaName        VARCHAR(128),
    largeTableName         VARCHAR(255),
    persistentFlag         SMALLINT,
    max_editions           INTEGER,
    grantToPublic          SMALLINT,
    lastColSeqNmCreate     INTEGER,
    lastColSeqNmAlter      INTEGER,
    createTarTab           SMALLINT,
    PrimaryKeyNew          SMALLINT,
    AutoGenCreateStmt      SMALLINT,
    tableCreated           SMALLINT,
    CDTableSchema          VARCHAR(128),
    CDTableName            VARCHAR(128),
    BEFORE_IMG_PREFIX      VARCHAR(4),
    NordbaseTableNameIndex VARCHAR(90),
    dbNameM7R              VARCHAR(8),
    highestStatus          INTEGER
);

CREATE TABLE Attribute (
    qrtid             CHAR(10) NOT NULL PRIMARY KEY,
    updated_by        VARCHAR(128),
    update_ts         TIMESTAMP,
    name              VARCHAR(80),
    short_description VARCHAR(254),
    IRName            VARCHAR(80),
    DRName            VARCHAR(80),
    nativeDataType    VARCHAR(40),
    ODBCDataType      VARCHAR(40),
    scale             INTEGER,
    precDigits        INTEGER,
    isText            INTEGER,
    "isNull"          INTEGER,
    "offset"          INTEGER,
    segLevel          INTEGER,
    elmntName         VARCHAR(8),
    uomType           INTEGER,
    uomValue          INTEGER,
    seqNo             INTEGER,
    transName         VARCHAR(80),
    largeDRSchemaName VARCHAR(128),
    largeDRTableName  VARCHAR(255),
    largeName         VARCHAR(128),
    ordinalNo         INTEGER,
    col_Type          VARCHAR(1),
    isEditionCol      INTEGER
);

CREATE TABLE Key (
    qrtid             CHAR(10) NOT NULL PRIMARY KEY,
    updated_by        VARCHAR(128),
    update_ts         TIMESTAMP,
    name              VARCHAR(80),
    short_description VARCHAR(254),
    IRName            VARCHAR(80),
    DRName            VARCHAR(80),
    typeStr           VARCHAR(1),
    needsAlter        SMALLINT,
    largeDRSchemaName VARCHAR(128),
    largeDRTableName  VARCHAR(255)
);

CREATE TABLE KeyMap (
    qrtid             CHAR(10) NOT NULL PRIMARY KEY,
    updated_by        VARCHAR(128),
    update_ts         TIMESTAMP,
    name              VARCHAR(80),
    short_description VARCHAR(254),
    orderNo           INTEGER
);

CREATE TABLE attributelink (
    qrtid             CHAR(10) NOT NULL PRIMARY KEY,
    updated_by        VARCHAR(128),
    update_ts         TIMESTAMP,
    name              VARCHAR(80),
    short_description VARCHAR(254),
    Type              VARCHAR(40),
    OperatorExp       VARCHAR(1),
    useANDSep         SMALLINT,
    orderNo           INTEGER,
    OperExp2          VARCHAR(10)
);

CREATE TABLE BusinessView (
    qrtid              CHAR(10) NOT NULL PRIMARY KEY,
    updated_by         VARCHAR(128),
    update_ts          TIMESTAMP,
    name               VARCHAR(80),
    short_description  VARCHAR(254),
    persistentFlag     SMALLINT,
    status             VARCHAR(15),
    version            SMALLINT,
    contact            VARCHAR(64),
    max_editions       INTEGER,
    create_ts          TIMESTAMP,
    atomic_flag        SMALLINT,
    extern_populated   SMALLINT,
    must_have_data     SMALLINT,
    by_req_schedule    SMALLINT,
    AutoGenSelectStmt  SMALLINT,
    grantToPublic      SMALLINT,
    BVRetryIntrv       INTEGER,
    BVRetryCount       INTEGER,
    lastColSeqNmCreate INTEGER,
    lastColSeqNmAlter  INTEGER,
    createTarTab       SMALLINT,
    bvType             INTEGER,
    SQLWarning         INTEGER,
    selectDistinct     SMALLINT,
    groupBy            SMALLINT,
    "having"           SMALLINT,
    EUIJoinXY          VARCHAR(254),
    AutoGenCreateStmt  SMALLINT,
    PrimaryKeyNew      SMALLINT,
    ForeignKeyNew      SMALLINT,
    commitDelete       SMALLINT,
    commitRowCount     INTEGER,
    populationType     INTEGER,
    ProgFuncId         VARCHAR(10),
    schedulesFlag      SMALLINT
);

CREATE TABLE map (
    qrtid             CHAR(10) NOT NULL PRIMARY KEY,
    updated_by        VARCHAR(128),
    update_ts         TIMESTAMP,
    name              VARCHAR(80),
    short_description VARCHAR(254),
    typeOfMap         VARCHAR(10),
    BVName            VARCHAR(80),
    seqNo             INTEGER,
    attr1Flags        INTEGER,
    attr2Flags        INTEGER,
    transName         VARCHAR(80),
    iAttrCRELName     VARCHAR(128)
);

CREATE TABLE Correlation (
    qrtid             CHAR(10) NOT NULL PRIMARY KEY,
    updated_by        VARCHAR(128),
    update_ts         TIMESTAMP,
    name              VARCHAR(80),
    short_description VARCHAR(254),
    correlationName   VARCHAR(128)
);

CREATE TABLE BVAlias (
    qrtid             CHAR(10) NOT NULL PRIMARY KEY,
    updated_by        VARCHAR(128),
    update_ts         TIMESTAMP,
    name              VARCHAR(80),
    short_description VARCHAR(254)
);

CREATE TABLE Process (
    qrtid             CHAR(10) NOT NULL PRIMARY KEY,
    updated_by        VARCHAR(128),
    update_ts         TIMESTAMP,
    name              VARCHAR(80),
    short_description VARCHAR(254),
    SubjectName       VARCHAR(80),
    contact           VARCHAR(64),
    processType       INTEGER
);

CREATE TABLE Subject (
    qrtid             CHAR(10) NOT NULL PRIMARY KEY,
    updated_by        VARCHAR(128),
    update_ts         TIMESTAMP,
    name              VARCHAR(80),
    short_description VARCHAR(254),
    contact           VARCHAR(64)
);

CREATE TABLE BVSchedule (
    qrtid             CHAR(10) NOT NULL PRIMARY KEY,
    updated_by        VARCHAR(128),
    update_ts         TIMESTAMP,
    name              VARCHAR(80),
    short_description VARCHAR(254),
    schedType         INTEGER,
    second            INTEGER,
    minute            INTEGER,
    hour              INTEGER,
    dayOfWeek         INTEGER,
    dayOfMonth        INTEGER,
    monthOfYear       INTEGER,
    year              INTEGER,
    frequencyType     INTEGER,
    datesInMonth      INTEGER,
    daysInMonth       INTEGER,
    endDateDay        INTEGER,
    endDateMonth      INTEGER,
    endDateYear       INTEGER
);

CREATE TABLE CUSTCAL (
    qrtid             CHAR(10) NOT NULL PRIMARY KEY,
    updated_by        VARCHAR(128),
    update_ts         TIMESTAMP,
    name              VARCHAR(80),
    short_description VARCHAR(254)
);

CREATE TABLE CALDATE (
    qrtid             CHAR(10) NOT NULL PRIMARY KEY,
    updated_by        VARCHAR(128),
    update_ts         TIMESTAMP,
    name              VARCHAR(80),
    short_description VARCHAR(254),
    specificDate      TIMESTAMP
);

CREATE TABLE AgentSite (
    qrtid              CHAR(10) NOT NULL PRIMARY KEY,
    updated_by         VARCHAR(128),
    update_ts          TIMESTAMP,
    name               VARCHAR(80),
    short_description  VARCHAR(254),
    siteOS             INTEGER,
    siteHostName       VARCHAR(200),
    siteUserId         VARCHAR(128),
    sitePassword       VARCHAR(14),
    HQdefault          SMALLINT,
    BinarySitePassword BLOB,
    encrypted          INTEGER,
    contact            VARCHAR(64),
    moduleName         VARCHAR(254)
);

CREATE TABLE ProgFunc2 (
    qrtid             CHAR(10) NOT NULL PRIMARY KEY,
    updated_by        VARCHAR(128),
    update_ts         TIMESTAMP,
    name              VARCHAR(80),
    short_description VARCHAR(254),
    programName       VARCHAR(240),
    funcName          VARCHAR(80),
    uniqueKey         VARCHAR(80),
    contact           VARCHAR(64),
    userid            VARCHAR(128),
    VBForm            VARCHAR(50),
    OLVDefined        INTEGER,
    beanClassName     VARCHAR(254)
);

CREATE TABLE UDPGROUP (
    qrtid             CHAR(10) NOT NULL PRIMARY KEY,
    updated_by        VARCHAR(128),
    update_ts         TIMESTAMP,
    name              VARCHAR(80),
    short_description VARCHAR(254),
    HQdefaultGroup    INTEGER,
    contact           VARCHAR(64),
    OLVDefined        INTEGER,
    icon              VARCHAR(10),
    groupType         INTEGER,
    orderNo           INTEGER
);

CREATE TABLE PROGTYPE (
    qrtid             CHAR(10) NOT NULL PRIMARY KEY,
    updated_by        VARCHAR(128),
    update_ts         TIMESTAMP,
    name              VARCHAR(80),
    short_description VARCHAR(254),
    programType       VARCHAR(100),
    progNum           INTEGER,
    delimiter         VARCHAR(100)
);

CREATE TABLE ProgParm (
    qrtid             CHAR(10) NOT NULL PRIMARY KEY,
    updated_by        VARCHAR(128),
    update_ts         TIMESTAMP,
    name              VARCHAR(80),
    short_description VARCHAR(254),
    orderNo           INTEGER,
    parmData          VARCHAR(240),
    HQProgKey         INTEGER,
    parmDataLong      VARCHAR(3000),
    parmDataType      VARCHAR(10),
    BinaryPassword    BLOB,
    notifyCondition   INTEGER
);

CREATE TABLE SecurityGroup (
    qrtid             CHAR(10) NOT NULL PRIMARY KEY,
    updated_by        VARCHAR(128),
    update_ts         TIMESTAMP,
    name              VARCHAR(80),
    short_description VARCHAR(254),
    HQdefault         SMALLINT,
    contact           VARCHAR(64)
);

CREATE TABLE UserFunction (
    qrtid             CHAR(10) NOT NULL PRIMARY KEY,
    updated_by        VARCHAR(128),
    update_ts         TIMESTAMP,
    name              VARCHAR(80),
    short_description VARCHAR(254)
);

CREATE TABLE HQUser (
    qrtid             CHAR(10) NOT NULL PRIMARY KEY,
    updated_by        VARCHAR(128),
    update_ts         TIMESTAMP,
    name              VARCHAR(80),
    short_description VARCHAR(254),
    userid            VARCHAR(128),
    password          VARCHAR(20),
    lockOutInd        INTEGER,
    HQdefault         SMALLINT,
    encrypted         SMALLINT,
    BinaryPassword    BLOB,
    EmailAddress      VARCHAR(512),
    MailServer        VARCHAR(255),
    contact           VARCHAR(64)
);

CREATE TABLE BVSecurity (
    qrtid             CHAR(10) NOT NULL PRIMARY KEY,
    updated_by        VARCHAR(128),
    update_ts         TIMESTAMP,
    name              VARCHAR(80),
    short_description VARCHAR(254),
    AESviewAuthority  INTEGER,
    readAuthority     INTEGER,
    updateAuthority   INTEGER
);

CREATE TABLE StarSchema (
    qrtid             CHAR(10) NOT NULL PRIMARY KEY,
    updated_by        VARCHAR(128),
    update_ts         TIMESTAMP,
    name              VARCHAR(80),
    short_description VARCHAR(254),
    contact           VARCHAR(64),
    hostdbname        VARCHAR(110)
);

CREATE TABLE OLAPCube (
    qrtid             CHAR(10) NOT NULL PRIMARY KEY,
    updated_by        VARCHAR(128),
    update_ts         TIMESTAMP,
    name              VARCHAR(80),
    short_description VARCHAR(254),
    contact           VARCHAR(64)
);

-- Long texts, binary items, relations between objects, settings.

CREATE TABLE QRTSTRINGS (
    name  VARCHAR(20) NOT NULL,
    qrtid CHAR(10) NOT NULL,
    seqno INTEGER NOT NULL,
    text  VARCHAR(4000),
    PRIMARY KEY (qrtid, name, seqno)
);

CREATE TABLE BINARYDATA (
    name  VARCHAR(20) NOT NULL,
    qrtid CHAR(10) NOT NULL,
    data  BLOB,
    PRIMARY KEY (qrtid, name)
);

CREATE TABLE RELATIONSHIP (
    relation_name VARCHAR(20) NOT NULL,
    source_qrtid  CHAR(10) NOT NULL,
    target_qrtid  CHAR(10) NOT NULL
);

CREATE TABLE configuration (
    component  VARCHAR(10) NOT NULL,
    name       VARCHAR(20) NOT NULL,
    type       CHAR(1),
    value_char VARCHAR(199),
    value_int  INTEGER,
    short_name VARCHAR(19),
    PRIMARY KEY (component, name)
);
