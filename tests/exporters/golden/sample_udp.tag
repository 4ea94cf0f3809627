:DISKCNTL.SEQUENCE( 1,-)
:COMMENT.SYSTEM(V7.1.0)
:COMMENT.------------------------------
:COMMENT. Nordbase 7.1 
:COMMENT. Source Database name: QRTWH
:COMMENT. Output File name: <masked>
:COMMENT. Time: <masked>
:COMMENT.------------------------------
:COMMENT. Start UDP export
:COMMENT. Exporting UDP group Warehouse utilities
:COMMENT.------------------------------
:COMMENT.  Begin QRTUDPGR Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTUDPGR)
:INSTANCE.
    NAME(Warehouse utilities)
    SHRTDESC(House-keeping programs)
    LONGDESC(Programs that keep the warehouse tidy.)
    CONTACT(Operations team)
    PGRTYPE(0)
:COMMENT.
:COMMENT.  End QRTUDPGR Instance
:COMMENT.------------------------------
:COMMIT.CHKPID(151)
:COMMENT.------------------------------
:COMMENT.  Begin QRTPROGF Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTPROGF)
:INSTANCE.
    NAME(Clean staging tables)
    PGMNAME(/opt/whs/bin/cleanstg)
    SHRTDESC(Deletes old rows from staging tables)
    LONGDESC(Deletes the rows older than the given number of days from a staging table.)
    PGMTYPE(1)
    PGMFCNAM(main)
    PGMCONTA(Operations team)
    USERID(etluser)
:COMMENT.
:COMMENT.  End QRTPROGF Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Begin QRTPARM Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTPARM)
:INSTANCE.
    NAME(Table)
    SHRTDESC(Staging table to clean)
    PRMORDER(1)
    PRMDATA(STG.ORDERS)
    PRMTYPE(1)
    PRMID(0000001801)
:COMMENT.
:COMMENT.  End QRTPARM Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTPROGF to QRTPARM
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTPROGF) TARGETYPE(QRTPARM)
:INSTANCE.
    SOURCEKEY(NAME(Clean staging tables) )
    TARGETKEY(PRMID(0000001801) )
:COMMENT.------------------------------
:COMMIT.CHKPID(152)
:COMMENT.------------------------------
:COMMENT.  Begin QRTPARM Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTPARM)
:INSTANCE.
    NAME(Days)
    SHRTDESC(Keep rows this many days)
    PRMORDER(2)
    PRMDATA(30)
    PRMTYPE(2)
    PRMID(0000001802)
:COMMENT.
:COMMENT.  End QRTPARM Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTPROGF to QRTPARM
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTPROGF) TARGETYPE(QRTPARM)
:INSTANCE.
    SOURCEKEY(NAME(Clean staging tables) )
    TARGETKEY(PRMID(0000001802) )
:COMMENT.------------------------------
:COMMIT.CHKPID(153)
:COMMENT.------------------------------
:COMMENT.  Begin QRTPARM Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTPARM)
:INSTANCE.
    NAME(Password)
    PRMORDER(3)
    PRMTYPE(3)
    PRMID(0000001803)
:COMMENT.
:COMMENT.  End QRTPARM Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTPROGF to QRTPARM
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTPROGF) TARGETYPE(QRTPARM)
:INSTANCE.
    SOURCEKEY(NAME(Clean staging tables) )
    TARGETKEY(PRMID(0000001803) )
:COMMENT.------------------------------
:COMMIT.CHKPID(154)
:COMMENT.------------------------------
:COMMENT.  Begin QRTPARM Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTPARM)
:INSTANCE.
    NAME(Target)
    PRMORDER(4)
    PRMDATA(&TTBN)
    PRMTYPE(4)
    PRMID(0000001804)
:COMMENT.
:COMMENT.  End QRTPARM Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTPROGF to QRTPARM
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTPROGF) TARGETYPE(QRTPARM)
:INSTANCE.
    SOURCEKEY(NAME(Clean staging tables) )
    TARGETKEY(PRMID(0000001804) )
:COMMENT.------------------------------
:COMMIT.CHKPID(155)
:COMMIT.CHKPID(156)
:COMMENT.------------------------------
:COMMENT.  Relation: QRTUDPGR to QRTPROGF
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTUDPGR) TARGETYPE(QRTPROGF)
:INSTANCE.
    SOURCEKEY(NAME(Warehouse utilities) )
    TARGETKEY(NAME(Clean staging tables) )
:COMMENT.------------------------------
:COMMIT.CHKPID(157)
:COMMENT.------------------------------
:COMMENT.  Begin QRTAGENT Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTAGENT)
:INSTANCE.
    NAME(Default agent site)
    SHRTDESC(Agent on the warehouse server)
    AGTOSTYP(1)
    AGTHOST(localhost)
    AGTMODNM(QRT2AGNT)
:COMMENT.
:COMMENT.  End QRTAGENT Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTPROGF to QRTAGENT
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(LINK) SOURCETYPE(QRTPROGF) TARGETYPE(QRTAGENT)
:INSTANCE.
    SOURCEKEY(NAME(Clean staging tables) )
    TARGETKEY(NAME(Default agent site) )
:COMMENT.------------------------------
:COMMIT.CHKPID(158)
:COMMENT.------------------------------
:COMMENT.  Begin QRTAGENT Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTAGENT)
:INSTANCE.
    NAME(ETL host '('Unix')')
    SHRTDESC(Agent next to the sources)
    LONGDESC(Runs next to the source databases.)
    CONTACT(Operations team)
    AGTOSTYP(7)
    AGTHOST(etl01.example.com)
    AGTUSRID(etluser)
    AGTMODNM(QRT2AGNT)
:COMMENT.
:COMMENT.  End QRTAGENT Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTPROGF to QRTAGENT
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(LINK) SOURCETYPE(QRTPROGF) TARGETYPE(QRTAGENT)
:INSTANCE.
    SOURCEKEY(NAME(Clean staging tables) )
    TARGETKEY(NAME(ETL host '('Unix')') )
:COMMENT.------------------------------
:COMMIT.CHKPID(159)
:COMMENT.------------------------------
:COMMENT.  Begin DATABASE Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(DATABASE)
:INSTANCE.
    NAME(WAREHOUSE)
    DBNAME(WHSDSN)
    SHRTDESC(Target warehouse '('star schema')')
    LONGDESC(Target of all loads: the sales star schema.)
    DBTYPE(20)
    DBETYPE(20)
    ISWH(Y)
    USERID(whsload)
    CONTACT(Mary O'Brien)
    USEODBC(Y)
    ODBCSTR(DSN=WHSDSN;UID=whsload)
    CODEPAGE(1208)
    SERVER(whs01)
    POSTACMD(analyze '('all')')
    RETRYCNT(2)
    RETRYINT(15)
    VERSION(19c)
    DBMSSERV(WHSSRV)
:COMMENT.
:COMMENT.  End DATABASE Instance
:COMMENT.------------------------------
:COMMIT.CHKPID(160)
:COMMENT.------------------------------
:COMMENT.  Relation: DATABASE to QRTAGENT
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(LINK) SOURCETYPE(DATABASE) TARGETYPE(QRTAGENT)
:INSTANCE.
    SOURCEKEY(NAME(WAREHOUSE) DBNAME(WHSDSN) )
    TARGETKEY(NAME(Default agent site) )
:COMMENT.------------------------------
:COMMIT.CHKPID(161)
:COMMENT.------------------------------
:COMMENT.  Begin QRTSCGRP Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTSCGRP)
:INSTANCE.
    NAME(Default security group)
    SHRTDESC(Every user)
:COMMENT.
:COMMENT.  End QRTSCGRP Instance
:COMMENT.------------------------------
:COMMIT.CHKPID(162)
:COMMENT.------------------------------
:COMMENT.  Begin QRTUFUNC Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTUFUNC)
:INSTANCE.
    NAME(Administration)
    SHRTDESC(Administer the warehouse)
:COMMENT.
:COMMENT.  End QRTUFUNC Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTSCGRP to QRTUFUNC
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTSCGRP) TARGETYPE(QRTUFUNC)
:INSTANCE.
    SOURCEKEY(NAME(Default security group) )
    TARGETKEY(NAME(Administration) )
:COMMENT.------------------------------
:COMMIT.CHKPID(163)
:COMMENT.------------------------------
:COMMENT.  Begin QRTUFUNC Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTUFUNC)
:INSTANCE.
    NAME(Operations)
    SHRTDESC(Run and monitor steps)
:COMMENT.
:COMMENT.  End QRTUFUNC Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTSCGRP to QRTUFUNC
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTSCGRP) TARGETYPE(QRTUFUNC)
:INSTANCE.
    SOURCEKEY(NAME(Default security group) )
    TARGETKEY(NAME(Operations) )
:COMMENT.------------------------------
:COMMIT.CHKPID(164)
:COMMENT.------------------------------
:COMMENT.  Begin QRTUFUNC Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTUFUNC)
:INSTANCE.
    NAME(Business Views Definition)
:COMMENT.
:COMMENT.  End QRTUFUNC Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTSCGRP to QRTUFUNC
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTSCGRP) TARGETYPE(QRTUFUNC)
:INSTANCE.
    SOURCEKEY(NAME(Default security group) )
    TARGETKEY(NAME(Business Views Definition) )
:COMMENT.------------------------------
:COMMIT.CHKPID(165)
:COMMENT.------------------------------
:COMMENT.  Relation: DATABASE to QRTSCGRP
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(LINK) SOURCETYPE(DATABASE) TARGETYPE(QRTSCGRP)
:INSTANCE.
    SOURCEKEY(NAME(WAREHOUSE) DBNAME(WHSDSN) )
    TARGETKEY(NAME(Default security group) )
:COMMENT.------------------------------
:COMMIT.CHKPID(166)
:COMMENT.------------------------------
:COMMENT.  Begin QRTSCGRP Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTSCGRP)
:INSTANCE.
    NAME(Warehouse operators)
    SHRTDESC(Load the warehouse)
    LONGDESC(Operators start and watch the loads; they may update the warehouse tables.)
    CONTACT(Operations team)
:COMMENT.
:COMMENT.  End QRTSCGRP Instance
:COMMENT.------------------------------
:COMMIT.CHKPID(167)
:COMMENT.------------------------------
:COMMENT.  Relation: QRTSCGRP to QRTUFUNC
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTSCGRP) TARGETYPE(QRTUFUNC)
:INSTANCE.
    SOURCEKEY(NAME(Warehouse operators) )
    TARGETKEY(NAME(Operations) )
:COMMENT.------------------------------
:COMMIT.CHKPID(168)
:COMMENT.------------------------------
:COMMENT.  Relation: DATABASE to QRTSCGRP
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(LINK) SOURCETYPE(DATABASE) TARGETYPE(QRTSCGRP)
:INSTANCE.
    SOURCEKEY(NAME(WAREHOUSE) DBNAME(WHSDSN) )
    TARGETKEY(NAME(Warehouse operators) )
:COMMENT.------------------------------
:COMMIT.CHKPID(169)
:COMMENT.------------------------------
:COMMENT.  Relation: QRTPROGF to DATABASE
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTPROGF) TARGETYPE(DATABASE)
:INSTANCE.
    SOURCEKEY(NAME(Clean staging tables) )
    TARGETKEY(NAME(WAREHOUSE) DBNAME(WHSDSN) )
:COMMENT.------------------------------
:COMMIT.CHKPID(170)
:COMMENT. Exporting UDP group Notification
:COMMENT.------------------------------
:COMMENT.  Begin QRTUDPGR Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTUDPGR)
:INSTANCE.
    NAME(Notification)
    SHRTDESC(Programs that notify people)
    PGRTYPE(0)
:COMMENT.
:COMMENT.  End QRTUDPGR Instance
:COMMENT.------------------------------
:COMMIT.CHKPID(171)
:COMMENT.------------------------------
:COMMENT.  Begin QRTPROGF Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTPROGF)
:INSTANCE.
    NAME(Send mail)
    PGMNAME(sendmail_step)
    SHRTDESC(Sends a mail about a step)
    PGMTYPE(6)
:COMMENT.
:COMMENT.  End QRTPROGF Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Begin QRTPARM Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTPARM)
:INSTANCE.
    NAME(Recipients)
    PRMORDER(1)
    PRMDATA(ops@example.com)
    PRMTYPE(1)
    PRMID(0000001807)
:COMMENT.
:COMMENT.  End QRTPARM Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTPROGF to QRTPARM
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTPROGF) TARGETYPE(QRTPARM)
:INSTANCE.
    SOURCEKEY(NAME(Send mail) )
    TARGETKEY(PRMID(0000001807) )
:COMMENT.------------------------------
:COMMIT.CHKPID(172)
:COMMIT.CHKPID(173)
:COMMENT.------------------------------
:COMMENT.  Relation: QRTUDPGR to QRTPROGF
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTUDPGR) TARGETYPE(QRTPROGF)
:INSTANCE.
    SOURCEKEY(NAME(Notification) )
    TARGETKEY(NAME(Send mail) )
:COMMENT.------------------------------
:COMMIT.CHKPID(174)
:COMMENT.------------------------------
:COMMENT.  Relation: QRTPROGF to QRTAGENT
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(LINK) SOURCETYPE(QRTPROGF) TARGETYPE(QRTAGENT)
:INSTANCE.
    SOURCEKEY(NAME(Send mail) )
    TARGETKEY(NAME(Default agent site) )
:COMMENT.------------------------------
:COMMIT.CHKPID(175)
:COMMENT. Exporting UDP group Nordbase Programs
:COMMENT.------------------------------
:COMMENT.  Begin QRTPROGF Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTPROGF)
:INSTANCE.
    NAME(Refresh '('summary')' tables)
    PGMNAME(WHS.REFRESH_SUMMARY)
    SHRTDESC(Calls O'Neil's refresh procedure – nightly)
    LONGDESC(Refreshes the summary tables of the sales star; runs inside the warehouse database.)
    PGMTYPE(4)
    PGMFCNAM(refresh)
    PGMCONTA(Lars Ekström '('DBA')')
    USERID(whsload)
    PGMBEAN(com.example.whs.Refresh)
:COMMENT.
:COMMENT.  End QRTPROGF Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Begin QRTPARM Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTPARM)
:INSTANCE.
    NAME(Password)
    SHRTDESC(Of the refresh user)
    PRMORDER(1)
    PRMTYPE(3)
    PRMID(0000001812)
:COMMENT.
:COMMENT.  End QRTPARM Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTPROGF to QRTPARM
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTPROGF) TARGETYPE(QRTPARM)
:INSTANCE.
    SOURCEKEY(NAME(Refresh '('summary')' tables) )
    TARGETKEY(PRMID(0000001812) )
:COMMENT.------------------------------
:COMMIT.CHKPID(176)
:COMMENT.------------------------------
:COMMENT.  Begin QRTPARM Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTPARM)
:INSTANCE.
    NAME(Degree)
    PRMORDER(2)
    PRMDATA(4)
    PRMTYPE(2)
    PRMID(0000001810)
:COMMENT.
:COMMENT.  End QRTPARM Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTPROGF to QRTPARM
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTPROGF) TARGETYPE(QRTPARM)
:INSTANCE.
    SOURCEKEY(NAME(Refresh '('summary')' tables) )
    TARGETKEY(PRMID(0000001810) )
:COMMENT.------------------------------
:COMMIT.CHKPID(177)
:COMMENT.------------------------------
:COMMENT.  Begin QRTPARM Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTPARM)
:INSTANCE.
    NAME(Target '('table')')
    PRMORDER(2)
    PRMDATA(&TTBN)
    PRMTYPE(4)
    PRMID(0000001811)
:COMMENT.
:COMMENT.  End QRTPARM Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTPROGF to QRTPARM
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTPROGF) TARGETYPE(QRTPARM)
:INSTANCE.
    SOURCEKEY(NAME(Refresh '('summary')' tables) )
    TARGETKEY(PRMID(0000001811) )
:COMMENT.------------------------------
:COMMIT.CHKPID(178)
:COMMENT.------------------------------
:COMMENT.  Begin QRTPARM Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTPARM)
:INSTANCE.
    NAME(Statement)
    SHRTDESC(Refresh statement '('long')')
    PRMORDER(3)
    PRMDATA(BEGIN CALL WHS.REFRESH_SUMMARY'(''SALES', 'CUSTOMER_DIM', 'PRODUCT_DIM'')'; CALL WHS.REFRESH_SUMMARY'(''SALES', 'SALES_FACT', NULL')'; CALL WHS.ANALYZE'(''SALES'')' -- statistics '('all columns')' are gathered after every refresh of the summary tables, Größe ≥ 1 MB; END)
    PRMTYPE(1)
    PRMID(0000001809)
:COMMENT.
:COMMENT.  End QRTPARM Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTPROGF to QRTPARM
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTPROGF) TARGETYPE(QRTPARM)
:INSTANCE.
    SOURCEKEY(NAME(Refresh '('summary')' tables) )
    TARGETKEY(PRMID(0000001809) )
:COMMENT.------------------------------
:COMMIT.CHKPID(179)
:COMMIT.CHKPID(180)
:COMMENT.------------------------------
:COMMENT.  Relation: QRTUDPGR to QRTPROGF
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTUDPGR) TARGETYPE(QRTPROGF)
:INSTANCE.
    SOURCEKEY(NAME(Nordbase Programs) )
    TARGETKEY(NAME(Refresh '('summary')' tables) )
:COMMENT.------------------------------
:COMMIT.CHKPID(181)
:COMMENT.------------------------------
:COMMENT.  Relation: QRTPROGF to QRTAGENT
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(LINK) SOURCETYPE(QRTPROGF) TARGETYPE(QRTAGENT)
:INSTANCE.
    SOURCEKEY(NAME(Refresh '('summary')' tables) )
    TARGETKEY(NAME(ETL host '('Unix')') )
:COMMENT.------------------------------
:COMMIT.CHKPID(182)
:COMMENT.------------------------------
:COMMENT.  Relation: QRTPROGF to DATABASE
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTPROGF) TARGETYPE(DATABASE)
:INSTANCE.
    SOURCEKEY(NAME(Refresh '('summary')' tables) )
    TARGETKEY(NAME(WAREHOUSE) DBNAME(WHSDSN) )
:COMMENT.------------------------------
:COMMIT.CHKPID(183)
:COMMENT. Exporting UDP group Notification
:COMMENT.------------------------------
:COMMENT. End of Tag file: <masked>
:COMMENT. Time:  <masked>
:COMMENT.------------------------------
