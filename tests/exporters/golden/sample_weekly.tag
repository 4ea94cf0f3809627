:DISKCNTL.SEQUENCE( 1,-)
:COMMENT.SYSTEM(V7.1.0)
:COMMENT.------------------------------
:COMMENT. Nordbase 7.1 
:COMMENT. Source Database name: QRTWH
:COMMENT. Output File name: <masked>
:COMMENT. Time: <masked>
:COMMENT.------------------------------
:COMMENT. Start Process export
:COMMENT. Exporting Process Weekly prices
:COMMENT.------------------------------
:COMMENT.  Begin PROCESS Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(PROCESS)
:INSTANCE.
    NAME(Weekly prices)
    SHRTDESC(Archives orders, derives the product prices)
    PRCTYPE(1)
:COMMENT.
:COMMENT.  End PROCESS Instance
:COMMENT.------------------------------
:COMMIT.CHKPID(151)
:COMMENT.------------------------------
:COMMENT.  Begin INFOGRPS Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(INFOGRPS)
:INSTANCE.
    NAME(Prices '('weekly')' – Ström)
:COMMENT.
:COMMENT.  End INFOGRPS Instance
:COMMENT.------------------------------
:COMMIT.CHKPID(152)
:COMMENT.------------------------------
:COMMENT.  Begin QRTSCGRP Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTSCGRP)
:INSTANCE.
    NAME(Sales analysts)
    SHRTDESC(Read the sales sources)
    CONTACT(Mary O'Brien)
:COMMENT.
:COMMENT.  End QRTSCGRP Instance
:COMMENT.------------------------------
:COMMIT.CHKPID(153)
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
    SOURCEKEY(NAME(Sales analysts) )
    TARGETKEY(NAME(Business Views Definition) )
:COMMENT.------------------------------
:COMMIT.CHKPID(154)
:COMMENT.------------------------------
:COMMENT.  Relation: INFOGRPS to QRTSCGRP
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(INFOGRPS) TARGETYPE(QRTSCGRP)
:INSTANCE.
    SOURCEKEY(NAME(Prices '('weekly')' – Ström) )
    TARGETKEY(NAME(Sales analysts) )
:COMMENT.------------------------------
:COMMIT.CHKPID(155)
:COMMENT.------------------------------
:COMMENT.  Relation: INFOGRPS to PROCESS
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(INFOGRPS) TARGETYPE(PROCESS)
:INSTANCE.
    SOURCEKEY(NAME(Prices '('weekly')' – Ström) )
    TARGETKEY(NAME(Weekly prices) )
:COMMENT.------------------------------
:COMMIT.CHKPID(156)
:COMMENT.------------------------------
:COMMENT.  Begin QRTSAVU Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTSAVU)
:INSTANCE.
    NAME(Archive orders)
    QRTCMPOS(Y)
    QRTRQSCH(N)
    QRTRTRYI(5)
    QRTRTRYC(3)
    QRTSELGN(N)
    QRTSELST()
    QRTEXPOP(Y)
    QRTBVTYP(1)
    QRTSQLW(0)
    QRTDIST(N)
    QRTGROUP(N)
    QRTAVING(N)
    QRTRQDAT(0)
    QRTCOMIT(N)
    QRTCROWS(0)
:COMMENT.
:COMMENT.  End QRTSAVU Instance
:COMMENT.------------------------------
:COMMIT.CHKPID(157)
:COMMENT.------------------------------
:COMMENT.  Begin QRTBVALI Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTBVALI)
:INSTANCE.
    NAME(V_ARCHIVE)
    SHRTDESC(Its step has no target table)
:COMMENT.
:COMMENT.  End QRTBVALI Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTSAVU to QRTBVALI
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTSAVU) TARGETYPE(QRTBVALI)
:INSTANCE.
    SOURCEKEY(NAME(Archive orders) )
    TARGETKEY(NAME(V_ARCHIVE) )
:COMMENT.------------------------------
:COMMIT.CHKPID(158)
:COMMENT.------------------------------
:COMMENT.  Begin BVPARENT Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(BVPARENT)
:INSTANCE.
    NAME(Archive orders) 
:COMMENT.
:COMMENT.  End BVPARENT Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTSAVU to BVPARENT
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTSAVU) TARGETYPE(BVPARENT)
:INSTANCE.
    SOURCEKEY(NAME(Archive orders) )
    TARGETKEY(NAME(Archive orders) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Begin QRTSAVU Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTSAVU)
:INSTANCE.
    NAME( Derive product dim )
    SHRTDESC(Blanks at both ends of the name)
    LONGDESC(Products and their gross prices from the weekly price list '('über 'alles'')'.)
    QRTCMPOS(N)
    QRTRQSCH(N)
    QRTCONTA(Lars Ekström)
    QRTRTRYI(10)
    QRTRTRYC(1)
    QRTSELGN(Y)
    QRTEXPOP(N)
    QRTBVTYP(1)
    QRTSQLW(2)
    QRTDIST(Y)
    QRTGROUP(N)
    QRTAVING(N)
    QRTRQDAT(0)
    QRTCOMIT(N)
    QRTCROWS(250)
    QRTSQLFR("prices.csv" P)
    QRTSQLEN(79)
    QRTSQL(1)
:COMMENT.
:COMMENT.  End QRTSAVU Instance
:COMMENT.------------------------------
:COMMIT.CHKPID(159)
:COMMENT.------------------------------
:COMMENT.  Begin QRTBVALI Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTBVALI)
:INSTANCE.
    NAME(V_PRODUCT_CURRENT)
    SHRTDESC(Current products)
:COMMENT.
:COMMENT.  End QRTBVALI Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTSAVU to QRTBVALI
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTSAVU) TARGETYPE(QRTBVALI)
:INSTANCE.
    SOURCEKEY(NAME(Derive product dim) )
    TARGETKEY(NAME(V_PRODUCT_CURRENT) )
:COMMENT.------------------------------
:COMMIT.CHKPID(160)
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
:COMMIT.CHKPID(161)
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
:COMMENT.  Relation: DATABASE to QRTAGENT
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(LINK) SOURCETYPE(DATABASE) TARGETYPE(QRTAGENT)
:INSTANCE.
    SOURCEKEY(NAME(WAREHOUSE) DBNAME(WHSDSN) )
    TARGETKEY(NAME(Default agent site) )
:COMMENT.------------------------------
:COMMIT.CHKPID(162)
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
:COMMIT.CHKPID(163)
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
:COMMIT.CHKPID(164)
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
:COMMIT.CHKPID(165)
:COMMENT.------------------------------
:COMMENT.  Relation: QRTSCGRP to QRTUFUNC
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTSCGRP) TARGETYPE(QRTUFUNC)
:INSTANCE.
    SOURCEKEY(NAME(Default security group) )
    TARGETKEY(NAME(Business Views Definition) )
:COMMENT.------------------------------
:COMMIT.CHKPID(166)
:COMMENT.------------------------------
:COMMENT.  Relation: DATABASE to QRTSCGRP
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(LINK) SOURCETYPE(DATABASE) TARGETYPE(QRTSCGRP)
:INSTANCE.
    SOURCEKEY(NAME(WAREHOUSE) DBNAME(WHSDSN) )
    TARGETKEY(NAME(Default security group) )
:COMMENT.------------------------------
:COMMIT.CHKPID(167)
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
:COMMIT.CHKPID(168)
:COMMENT.------------------------------
:COMMENT.  Relation: QRTSCGRP to QRTUFUNC
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTSCGRP) TARGETYPE(QRTUFUNC)
:INSTANCE.
    SOURCEKEY(NAME(Warehouse operators) )
    TARGETKEY(NAME(Operations) )
:COMMENT.------------------------------
:COMMIT.CHKPID(169)
:COMMENT.------------------------------
:COMMENT.  Relation: DATABASE to QRTSCGRP
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(LINK) SOURCETYPE(DATABASE) TARGETYPE(QRTSCGRP)
:INSTANCE.
    SOURCEKEY(NAME(WAREHOUSE) DBNAME(WHSDSN) )
    TARGETKEY(NAME(Warehouse operators) )
:COMMENT.------------------------------
:COMMIT.CHKPID(170)
:COMMENT.------------------------------
:COMMENT.  Begin BVTARIR Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(BVTARIR)
:INSTANCE.
    NAME(Derive product dim) 
:COMMENT.
:COMMENT.  End BVTARIR Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTSAVU to BVTARIR
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTSAVU) TARGETYPE(BVTARIR)
:INSTANCE.
    SOURCEKEY(NAME(Derive product dim) )
    TARGETKEY(NAME(Derive product dim) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: BVTARIR to DATABASE
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(BVTARIR) TARGETYPE(DATABASE)
:INSTANCE.
    SOURCEKEY(NAME(Derive product dim) )
    TARGETKEY(NAME(WAREHOUSE) DBNAME(WHSDSN) )
:COMMENT.------------------------------
:COMMIT.CHKPID(171)
:COMMENT.------------------------------
:COMMENT.  Begin BVSRCIR Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(BVSRCIR)
:INSTANCE.
    NAME(Derive product dim) 
:COMMENT.
:COMMENT.  End BVSRCIR Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTSAVU to BVSRCIR
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTSAVU) TARGETYPE(BVSRCIR)
:INSTANCE.
    SOURCEKEY(NAME(Derive product dim) )
    TARGETKEY(NAME(Derive product dim) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: BVSRCIR to DATABASE
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(BVSRCIR) TARGETYPE(DATABASE)
:INSTANCE.
    SOURCEKEY(NAME(Derive product dim) )
    TARGETKEY(NAME(FLATFILES) DBNAME(PRICEDIR) )
:COMMENT.------------------------------
:COMMIT.CHKPID(172)
:COMMENT.------------------------------
:COMMENT.  Begin TABLES Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(TABLES)
:INSTANCE.
    NAME(WHS.PRODUCT_DIM)
    SHRTDESC(Product dimension)
    DBNAME(WAREHOUSE) 
    OWNER(WHS) 
    TABLES(PRODUCT_DIM) 
    TBLISBIN(N)
    TBLFTYPE(0)
    TBLL1NAM(N)
    CREATYPE(2)
    TABVIEW(N)
    TABALIAS(N)
    QRTDRATN(Y)
    QRTMAXED(0)
    QRTCREGN(Y)
    QRTCRTAR(Y)
    QRTGRANT(N)
    IDSDIM(Y)
    IDSFACT(N)
    IDSREPL(N)
    PARTTBSP(N)
:COMMENT.
:COMMENT.  End TABLES Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: DATABASE to TABLES
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(DATABASE) TARGETYPE(TABLES)
:INSTANCE.
    SOURCEKEY(NAME(WAREHOUSE) DBNAME(WHSDSN) )
    TARGETKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(PRODUCT_DIM) )
:COMMENT.------------------------------
:COMMIT.CHKPID(173)
:COMMENT.------------------------------
:COMMENT.  Begin COLUMN Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(COLUMN)
:INSTANCE.
    NAME(ITEM)
    DATATYPE(CHAR)
    LENGTH(8)
    SCALE(0)
    POSNO(1)
    NULLS(N)
    ISTEXT(Y)
    DBNAME(WAREHOUSE) 
    OWNER(WHS) 
    TABLES(PRODUCT_DIM) 
    COLUMNS(ITEM) 
    NATIVEDT(CHAR)
    OFFSET(-1)
    ORDINAL(1)
    COLTYPE(K)
    EDTNCOL(N)
:COMMENT.
:COMMENT.  End COLUMN Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: TABLES to COLUMN
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(TABLES) TARGETYPE(COLUMN)
:INSTANCE.
    SOURCEKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(PRODUCT_DIM) )
    TARGETKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(PRODUCT_DIM) COLUMNS(ITEM) )
:COMMENT.------------------------------
:COMMIT.CHKPID(174)
:COMMENT.------------------------------
:COMMENT.  Begin COLUMN Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(COLUMN)
:INSTANCE.
    NAME(PRICE)
    DATATYPE(DECIMAL)
    LENGTH(7)
    SCALE(2)
    POSNO(2)
    NULLS(Y)
    ISTEXT(Y)
    DBNAME(WAREHOUSE) 
    OWNER(WHS) 
    TABLES(PRODUCT_DIM) 
    COLUMNS(PRICE) 
    NATIVEDT(DECIMAL)
    OFFSET(-1)
    ORDINAL(2)
    EDTNCOL(N)
:COMMENT.
:COMMENT.  End COLUMN Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: TABLES to COLUMN
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(TABLES) TARGETYPE(COLUMN)
:INSTANCE.
    SOURCEKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(PRODUCT_DIM) )
    TARGETKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(PRODUCT_DIM) COLUMNS(PRICE) )
:COMMENT.------------------------------
:COMMIT.CHKPID(175)
:COMMENT.------------------------------
:COMMENT.  Begin QRTPKEY Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTPKEY)
:INSTANCE.
    NAME(PRODUCT_DIM_PK)
    KEYID(0000000404)
:COMMENT.
:COMMENT.  End QRTPKEY Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: TABLES to QRTPKEY
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(TABLES) TARGETYPE(QRTPKEY)
:INSTANCE.
    SOURCEKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(PRODUCT_DIM) )
    TARGETKEY(KEYID(0000000404) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Begin QRTKYMAP Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTKYMAP)
:INSTANCE.
    NAME(PRODUCT_DIM_PK_1)
    MAPSEQNO(1)
    MAPID(0000000504)
:COMMENT.
:COMMENT.  End QRTKYMAP Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Begin MAPPCOL Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(MAPPCOL)
:INSTANCE.
    MAPID(0000000504) 
:COMMENT.
:COMMENT.  End MAPPCOL Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: MAPPCOL to COLUMN
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(MAPPCOL) TARGETYPE(COLUMN)
:INSTANCE.
    SOURCEKEY(MAPID(0000000504) )
    TARGETKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(PRODUCT_DIM) COLUMNS(ITEM) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTKYMAP to MAPPCOL
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTKYMAP) TARGETYPE(MAPPCOL)
:INSTANCE.
    SOURCEKEY(MAPID(0000000504) )
    TARGETKEY(MAPID(0000000504) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTPKEY to QRTKYMAP
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTPKEY) TARGETYPE(QRTKYMAP)
:INSTANCE.
    SOURCEKEY(KEYID(0000000404) )
    TARGETKEY(MAPID(0000000504) )
:COMMENT.------------------------------
:COMMIT.CHKPID(176)
:COMMIT.CHKPID(177)
:COMMENT.------------------------------
:COMMENT.  Begin BVOUTTBL Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(BVOUTTBL)
:INSTANCE.
    NAME(Derive product dim) 
:COMMENT.
:COMMENT.  End BVOUTTBL Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTSAVU to BVOUTTBL
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTSAVU) TARGETYPE(BVOUTTBL)
:INSTANCE.
    SOURCEKEY(NAME(Derive product dim) )
    TARGETKEY(NAME(Derive product dim) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: BVOUTTBL to TABLES
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(BVOUTTBL) TARGETYPE(TABLES)
:INSTANCE.
    SOURCEKEY(NAME(Derive product dim) )
    TARGETKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(PRODUCT_DIM) )
:COMMENT.------------------------------
:COMMIT.CHKPID(178)
:COMMENT.------------------------------
:COMMENT.  Begin BVINPTBL Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(BVINPTBL)
:INSTANCE.
    NAME(Derive product dim) 
:COMMENT.
:COMMENT.  End BVINPTBL Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTSAVU to BVINPTBL
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTSAVU) TARGETYPE(BVINPTBL)
:INSTANCE.
    SOURCEKEY(NAME(Derive product dim) )
    TARGETKEY(NAME(Derive product dim) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: BVINPTBL to TABLES
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(BVINPTBL) TARGETYPE(TABLES)
:INSTANCE.
    SOURCEKEY(NAME(Derive product dim) )
    TARGETKEY(DBNAME(FLATFILES) OWNER() TABLES(prices.csv) )
:COMMENT.------------------------------
:COMMIT.CHKPID(179)
:COMMENT.------------------------------
:COMMENT.  Begin CORRELNM Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(CORRELNM)
:INSTANCE.
    NAME(P)
    KEYID(0000002104)
:COMMENT.
:COMMENT.  End CORRELNM Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Begin DATABASE Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(DATABASE)
:INSTANCE.
    NAME(FLATFILES)
    DBNAME(PRICEDIR)
    SHRTDESC(Price lists delivered as files)
    DBTYPE(70)
    DBETYPE(70)
    ISWH(N)
    CONTACT(Lars Ekström)
    USEODBC(N)
    CODEPAGE(819)
    RETRYCNT(1)
    RETRYINT(10)
    DFLTDEL(`)
:COMMENT.
:COMMENT.  End DATABASE Instance
:COMMENT.------------------------------
:COMMIT.CHKPID(180)
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
:COMMENT.  Relation: DATABASE to QRTAGENT
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(LINK) SOURCETYPE(DATABASE) TARGETYPE(QRTAGENT)
:INSTANCE.
    SOURCEKEY(NAME(FLATFILES) DBNAME(PRICEDIR) )
    TARGETKEY(NAME(ETL host '('Unix')') )
:COMMENT.------------------------------
:COMMIT.CHKPID(181)
:COMMENT.------------------------------
:COMMENT.  Relation: DATABASE to QRTSCGRP
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(LINK) SOURCETYPE(DATABASE) TARGETYPE(QRTSCGRP)
:INSTANCE.
    SOURCEKEY(NAME(FLATFILES) DBNAME(PRICEDIR) )
    TARGETKEY(NAME(Warehouse operators) )
:COMMENT.------------------------------
:COMMIT.CHKPID(182)
:COMMENT.------------------------------
:COMMENT.  Begin TABLES Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(TABLES)
:INSTANCE.
    NAME(prices.csv)
    SHRTDESC(Weekly price list)
    LONGDESC(Comma-separated; the first line holds the column names.)
    DBNAME(FLATFILES) 
    OWNER() 
    TABLES(prices.csv) 
    TBLISBIN(N)
    TBLFTYPE(1)
    TBLL1NAM(Y)
    CHARDELM(,)
    CREATYPE(1)
    TABVIEW(N)
    TABALIAS(N)
    QRTDRATN(Y)
    QRTMAXED(0)
    QRTCREGN(N)
    QRTCRERU()
    QRTCRTAR(N)
    QRTGRANT(N)
    IDSDIM(N)
    IDSFACT(N)
    IDSREPL(N)
    PARTTBSP(N)
:COMMENT.
:COMMENT.  End TABLES Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: DATABASE to TABLES
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(DATABASE) TARGETYPE(TABLES)
:INSTANCE.
    SOURCEKEY(NAME(FLATFILES) DBNAME(PRICEDIR) )
    TARGETKEY(DBNAME(FLATFILES) OWNER() TABLES(prices.csv) )
:COMMENT.------------------------------
:COMMIT.CHKPID(183)
:COMMENT.------------------------------
:COMMENT.  Begin COLUMN Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(COLUMN)
:INSTANCE.
    NAME(ITEM)
    DATATYPE(CHAR)
    LENGTH(8)
    SCALE(0)
    POSNO(1)
    NULLS(Y)
    ISTEXT(Y)
    DBNAME(FLATFILES) 
    OWNER() 
    TABLES(prices.csv) 
    COLUMNS(ITEM) 
    NATIVEDT(CHARACTER)
    OFFSET(0)
    ORDINAL(1)
    EDTNCOL(N)
:COMMENT.
:COMMENT.  End COLUMN Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: TABLES to COLUMN
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(TABLES) TARGETYPE(COLUMN)
:INSTANCE.
    SOURCEKEY(DBNAME(FLATFILES) OWNER() TABLES(prices.csv) )
    TARGETKEY(DBNAME(FLATFILES) OWNER() TABLES(prices.csv) COLUMNS(ITEM) )
:COMMENT.------------------------------
:COMMIT.CHKPID(184)
:COMMENT.------------------------------
:COMMENT.  Begin COLUMN Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(COLUMN)
:INSTANCE.
    NAME(PRICE)
    SHRTDESC(Unit price)
    DATATYPE(NUMERIC)
    LENGTH(7)
    SCALE(2)
    POSNO(2)
    NULLS(Y)
    ISTEXT(Y)
    DBNAME(FLATFILES) 
    OWNER() 
    TABLES(prices.csv) 
    COLUMNS(PRICE) 
    NATIVEDT(NUMERIC)
    OFFSET(9)
    ORDINAL(2)
    EDTNCOL(N)
:COMMENT.
:COMMENT.  End COLUMN Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: TABLES to COLUMN
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(TABLES) TARGETYPE(COLUMN)
:INSTANCE.
    SOURCEKEY(DBNAME(FLATFILES) OWNER() TABLES(prices.csv) )
    TARGETKEY(DBNAME(FLATFILES) OWNER() TABLES(prices.csv) COLUMNS(PRICE) )
:COMMENT.------------------------------
:COMMIT.CHKPID(185)
:COMMENT.------------------------------
:COMMENT.  Begin COLUMN Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(COLUMN)
:INSTANCE.
    NAME(PICTURE)
    SHRTDESC(Packshot bytes)
    DATATYPE(VARBINARY)
    LENGTH(20)
    SCALE(0)
    POSNO(3)
    NULLS(Y)
    ISTEXT(N)
    DBNAME(FLATFILES) 
    OWNER() 
    TABLES(prices.csv) 
    COLUMNS(PICTURE) 
    NATIVEDT(VARCHAR)
    OFFSET(17)
    ORDINAL(3)
    EDTNCOL(N)
:COMMENT.
:COMMENT.  End COLUMN Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: TABLES to COLUMN
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(TABLES) TARGETYPE(COLUMN)
:INSTANCE.
    SOURCEKEY(DBNAME(FLATFILES) OWNER() TABLES(prices.csv) )
    TARGETKEY(DBNAME(FLATFILES) OWNER() TABLES(prices.csv) COLUMNS(PICTURE) )
:COMMENT.------------------------------
:COMMIT.CHKPID(186)
:COMMENT.------------------------------
:COMMENT.  Relation: CORRELNM to TABLES
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(CORRELNM) TARGETYPE(TABLES)
:INSTANCE.
    SOURCEKEY(KEYID(0000002104) )
    TARGETKEY(DBNAME(FLATFILES) OWNER() TABLES(prices.csv) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: CORRELNM to QRTSAVU
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(CORRELNM) TARGETYPE(QRTSAVU)
:INSTANCE.
    SOURCEKEY(KEYID(0000002104) )
    TARGETKEY(NAME(Derive product dim) )
:COMMENT.------------------------------
:COMMIT.CHKPID(187)
:COMMENT.------------------------------
:COMMENT.  Begin QRTBVMAP Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTBVMAP)
:INSTANCE.
    NAME(ITEM)
    MAPBVNAM( Derive product dim )
    MAPSEQNO(1)
    MAPTYPE(2)
    MAPEXPR(P.ITEM)
    ATTR1FLG(0)
    ATTR2FLG(0)
:COMMENT.
:COMMENT.  End QRTBVMAP Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTSAVU to QRTBVMAP
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTSAVU) TARGETYPE(QRTBVMAP)
:INSTANCE.
    SOURCEKEY(NAME(Derive product dim) )
    TARGETKEY(MAPBVNAM(Derive product dim) MAPSEQNO(1) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Begin MAPINCOL Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(MAPINCOL)
:INSTANCE.
    MAPBVNAM(Derive product dim) 
    MAPSEQNO(1) 
:COMMENT.
:COMMENT.  End MAPINCOL Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTBVMAP to MAPINCOL
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTBVMAP) TARGETYPE(MAPINCOL)
:INSTANCE.
    SOURCEKEY(MAPBVNAM(Derive product dim) MAPSEQNO(1) )
    TARGETKEY(MAPBVNAM(Derive product dim) MAPSEQNO(1) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: MAPINCOL to COLUMN
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(MAPINCOL) TARGETYPE(COLUMN)
:INSTANCE.
    SOURCEKEY(MAPBVNAM(Derive product dim) MAPSEQNO(1) )
    TARGETKEY(DBNAME(FLATFILES) OWNER() TABLES(prices.csv) COLUMNS(ITEM) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Begin MAPOTCOL Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(MAPOTCOL)
:INSTANCE.
    MAPBVNAM(Derive product dim) 
    MAPSEQNO(1) 
:COMMENT.
:COMMENT.  End MAPOTCOL Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTBVMAP to MAPOTCOL
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTBVMAP) TARGETYPE(MAPOTCOL)
:INSTANCE.
    SOURCEKEY(MAPBVNAM(Derive product dim) MAPSEQNO(1) )
    TARGETKEY(MAPBVNAM(Derive product dim) MAPSEQNO(1) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: MAPOTCOL to COLUMN
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(MAPOTCOL) TARGETYPE(COLUMN)
:INSTANCE.
    SOURCEKEY(MAPBVNAM(Derive product dim) MAPSEQNO(1) )
    TARGETKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(PRODUCT_DIM) COLUMNS(ITEM) )
:COMMENT.------------------------------
:COMMIT.CHKPID(188)
:COMMENT.------------------------------
:COMMENT.  Begin QRTBVMAP Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTBVMAP)
:INSTANCE.
    NAME(PRICE)
    MAPBVNAM( Derive product dim )
    SHRTDESC(Gross price)
    MAPSEQNO(2)
    MAPTYPE(2)
    MAPEXPR(ROUND'('P.PRICE * 1.19, 2')' -- "gross" '('€, 'rounded'')')
    TRANSNAM(Gross price '('VAT')')
    ATTR1FLG(1)
    ATTR2FLG(2)
:COMMENT.
:COMMENT.  End QRTBVMAP Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTSAVU to QRTBVMAP
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTSAVU) TARGETYPE(QRTBVMAP)
:INSTANCE.
    SOURCEKEY(NAME(Derive product dim) )
    TARGETKEY(MAPBVNAM(Derive product dim) MAPSEQNO(2) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Begin MAPINCOL Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(MAPINCOL)
:INSTANCE.
    MAPBVNAM(Derive product dim) 
    MAPSEQNO(2) 
:COMMENT.
:COMMENT.  End MAPINCOL Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTBVMAP to MAPINCOL
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTBVMAP) TARGETYPE(MAPINCOL)
:INSTANCE.
    SOURCEKEY(MAPBVNAM(Derive product dim) MAPSEQNO(2) )
    TARGETKEY(MAPBVNAM(Derive product dim) MAPSEQNO(2) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: MAPINCOL to COLUMN
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(MAPINCOL) TARGETYPE(COLUMN)
:INSTANCE.
    SOURCEKEY(MAPBVNAM(Derive product dim) MAPSEQNO(2) )
    TARGETKEY(DBNAME(FLATFILES) OWNER() TABLES(prices.csv) COLUMNS(PRICE) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Begin MAPOTCOL Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(MAPOTCOL)
:INSTANCE.
    MAPBVNAM(Derive product dim) 
    MAPSEQNO(2) 
:COMMENT.
:COMMENT.  End MAPOTCOL Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTBVMAP to MAPOTCOL
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTBVMAP) TARGETYPE(MAPOTCOL)
:INSTANCE.
    SOURCEKEY(MAPBVNAM(Derive product dim) MAPSEQNO(2) )
    TARGETKEY(MAPBVNAM(Derive product dim) MAPSEQNO(2) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: MAPOTCOL to COLUMN
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(MAPOTCOL) TARGETYPE(COLUMN)
:INSTANCE.
    SOURCEKEY(MAPBVNAM(Derive product dim) MAPSEQNO(2) )
    TARGETKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(PRODUCT_DIM) COLUMNS(PRICE) )
:COMMENT.------------------------------
:COMMIT.CHKPID(189)
:COMMENT.------------------------------
:COMMENT.  Begin QRTBVMAP Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTBVMAP)
:INSTANCE.
    NAME(LOADED)
    MAPBVNAM( Derive product dim )
    SHRTDESC(A kind the editor no longer knows)
    MAPSEQNO(3)
    MAPTYPE(0)
    MAPEXPR(CURRENT TIMESTAMP)
    ATTR1FLG(5)
    ATTR2FLG(6)
:COMMENT.
:COMMENT.  End QRTBVMAP Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTSAVU to QRTBVMAP
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTSAVU) TARGETYPE(QRTBVMAP)
:INSTANCE.
    SOURCEKEY(NAME(Derive product dim) )
    TARGETKEY(MAPBVNAM(Derive product dim) MAPSEQNO(3) )
:COMMENT.------------------------------
:COMMIT.CHKPID(190)
:COMMENT.------------------------------
:COMMENT.  Relation: QRTSAVU to QRTAGENT
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(LINK) SOURCETYPE(QRTSAVU) TARGETYPE(QRTAGENT)
:INSTANCE.
    SOURCEKEY(NAME(Derive product dim) )
    TARGETKEY(NAME(Default agent site) )
:COMMENT.------------------------------
:COMMIT.CHKPID(191)
:COMMENT.------------------------------
:COMMENT.  Relation: BVPARENT to QRTSAVU
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(BVPARENT) TARGETYPE(QRTSAVU)
:INSTANCE.
    SOURCEKEY(NAME(Archive orders) )
    TARGETKEY(NAME(Derive product dim) )
:COMMENT.------------------------------
:COMMIT.CHKPID(192)
:COMMENT.------------------------------
:COMMENT.  Begin BVSRCIR Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(BVSRCIR)
:INSTANCE.
    NAME(Archive orders) 
:COMMENT.
:COMMENT.  End BVSRCIR Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTSAVU to BVSRCIR
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTSAVU) TARGETYPE(BVSRCIR)
:INSTANCE.
    SOURCEKEY(NAME(Archive orders) )
    TARGETKEY(NAME(Archive orders) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: BVSRCIR to DATABASE
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(BVSRCIR) TARGETYPE(DATABASE)
:INSTANCE.
    SOURCEKEY(NAME(Archive orders) )
    TARGETKEY(NAME(SALESDB) DBNAME(SALESDSN) )
:COMMENT.------------------------------
:COMMIT.CHKPID(193)
:COMMENT.------------------------------
:COMMENT.  Begin BVINPTBL Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(BVINPTBL)
:INSTANCE.
    NAME(Archive orders) 
:COMMENT.
:COMMENT.  End BVINPTBL Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTSAVU to BVINPTBL
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTSAVU) TARGETYPE(BVINPTBL)
:INSTANCE.
    SOURCEKEY(NAME(Archive orders) )
    TARGETKEY(NAME(Archive orders) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: BVINPTBL to TABLES
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(BVINPTBL) TARGETYPE(TABLES)
:INSTANCE.
    SOURCEKEY(NAME(Archive orders) )
    TARGETKEY(DBNAME(FLATFILES) OWNER() TABLES(prices.csv) )
:COMMENT.------------------------------
:COMMIT.CHKPID(194)
:COMMENT.------------------------------
:COMMENT.  Begin QRTAGGRF Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTAGGRF)
:INSTANCE.
    PGMUNKEY(AggreFunc)
:COMMENT.
:COMMENT.  End QRTAGGRF Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Begin QRTPROGF Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTPROGF)
:INSTANCE.
    NAME(Archive '('old')' orders)
    PGMNAME(/opt/whs/bin/archive)
    PGMTYPE(1)
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
    NAME(Older than '('days')')
    PRMORDER(1)
    PRMDATA(365)
    PRMTYPE(2)
    PRMID(0000001815)
:COMMENT.
:COMMENT.  End QRTPARM Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTPROGF to QRTPARM
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTPROGF) TARGETYPE(QRTPARM)
:INSTANCE.
    SOURCEKEY(NAME(Archive '('old')' orders) )
    TARGETKEY(PRMID(0000001815) )
:COMMENT.------------------------------
:COMMIT.CHKPID(195)
:COMMIT.CHKPID(196)
:COMMENT.------------------------------
:COMMENT.  Relation: QRTPROGF to QRTAGENT
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(LINK) SOURCETYPE(QRTPROGF) TARGETYPE(QRTAGENT)
:INSTANCE.
    SOURCEKEY(NAME(Archive '('old')' orders) )
    TARGETKEY(NAME(Default agent site) )
:COMMENT.------------------------------
:COMMIT.CHKPID(197)
:COMMENT.------------------------------
:COMMENT.  Relation: QRTPROGF to QRTAGGRF
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTPROGF) TARGETYPE(QRTAGGRF)
:INSTANCE.
    SOURCEKEY(NAME(Archive '('old')' orders) )
    TARGETKEY(PGMUNKEY(AggreFunc) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTSAVU to QRTAGGRF
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTSAVU) TARGETYPE(QRTAGGRF)
:INSTANCE.
    SOURCEKEY(NAME(Archive orders) )
    TARGETKEY(PGMUNKEY(AggreFunc) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Begin QRTPARM Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTPARM)
:INSTANCE.
    NAME(Older than '('days')')
    PRMORDER(1)
    PRMDATA(730)
    PRMTYPE(2)
    PRMID(0000001816)
:COMMENT.
:COMMENT.  End QRTPARM Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTAGGRF to QRTPARM
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTAGGRF) TARGETYPE(QRTPARM)
:INSTANCE.
    SOURCEKEY(PGMUNKEY(AggreFunc) )
    TARGETKEY(PRMID(0000001816) )
:COMMENT.------------------------------
:COMMIT.CHKPID(198)
:COMMIT.CHKPID(199)
:COMMENT.------------------------------
:COMMENT.  Relation: PROCESS to QRTSAVU
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(PROCESS) TARGETYPE(QRTSAVU)
:INSTANCE.
    SOURCEKEY(NAME(Weekly prices) )
    TARGETKEY(NAME(Archive orders) )
:COMMENT.------------------------------
:COMMIT.CHKPID(200)
:COMMENT.------------------------------
:COMMENT.  Begin QRTSAVU Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTSAVU)
:INSTANCE.
    NAME(Reload 'orders' '('2nd try')')
    SHRTDESC(Quotes '('and parentheses')' in the name)
    LONGDESC(Runs again when the archive fails; '('')')
    QRTCMPOS(Y)
    QRTRQSCH(Y)
    QRTCONTA(O'Hara '('night shift')')
    QRTRTRYI(0)
    QRTRTRYC(0)
    QRTSELGN(N)
    QRTSELST(SELECT * FROM SALES.ORDERS)
    QRTEXPOP(N)
    QRTBVTYP(2)
    QRTSQLW(1)
    QRTDIST(N)
    QRTGROUP(N)
    QRTAVING(N)
    QRTRQDAT(1)
    QRTCOMIT(Y)
    QRTCROWS(100)
    QRTSQLEN(81)
    QRTSQL(2)
:COMMENT.
:COMMENT.  End QRTSAVU Instance
:COMMENT.------------------------------
:COMMIT.CHKPID(201)
:COMMENT.------------------------------
:COMMENT.  Begin BVTARIR Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(BVTARIR)
:INSTANCE.
    NAME(Reload 'orders' '('2nd try')') 
:COMMENT.
:COMMENT.  End BVTARIR Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTSAVU to BVTARIR
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTSAVU) TARGETYPE(BVTARIR)
:INSTANCE.
    SOURCEKEY(NAME(Reload 'orders' '('2nd try')') )
    TARGETKEY(NAME(Reload 'orders' '('2nd try')') )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: BVTARIR to DATABASE
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(BVTARIR) TARGETYPE(DATABASE)
:INSTANCE.
    SOURCEKEY(NAME(Reload 'orders' '('2nd try')') )
    TARGETKEY(NAME(WAREHOUSE) DBNAME(WHSDSN) )
:COMMENT.------------------------------
:COMMIT.CHKPID(202)
:COMMENT.------------------------------
:COMMENT.  Begin BVSRCIR Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(BVSRCIR)
:INSTANCE.
    NAME(Reload 'orders' '('2nd try')') 
:COMMENT.
:COMMENT.  End BVSRCIR Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTSAVU to BVSRCIR
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTSAVU) TARGETYPE(BVSRCIR)
:INSTANCE.
    SOURCEKEY(NAME(Reload 'orders' '('2nd try')') )
    TARGETKEY(NAME(Reload 'orders' '('2nd try')') )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: BVSRCIR to DATABASE
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(BVSRCIR) TARGETYPE(DATABASE)
:INSTANCE.
    SOURCEKEY(NAME(Reload 'orders' '('2nd try')') )
    TARGETKEY(NAME(SALESDB) DBNAME(SALESDSN) )
:COMMENT.------------------------------
:COMMIT.CHKPID(203)
:COMMENT.------------------------------
:COMMENT.  Begin TABLES Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(TABLES)
:INSTANCE.
    NAME(WHS.SALES_FACT)
    SHRTDESC(Sales fact '('one row per order line')')
    DBNAME(WAREHOUSE) 
    OWNER(WHS) 
    TABLES(SALES_FACT) 
    TBLISBIN(N)
    TBLNAMSP(TSFACT)
    TBLFTYPE(0)
    TBLL1NAM(N)
    CREATYPE(2)
    TABVIEW(N)
    TABALIAS(N)
    QRTDRATN(N)
    QRTMAXED(7)
    QRTCREGN(Y)
    QRTCRTAR(Y)
    QRTGRANT(Y)
    IDSDIM(N)
    IDSFACT(Y)
    IDSREPL(N)
    PARTTBSP(Y)
:COMMENT.
:COMMENT.  End TABLES Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: DATABASE to TABLES
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(DATABASE) TARGETYPE(TABLES)
:INSTANCE.
    SOURCEKEY(NAME(WAREHOUSE) DBNAME(WHSDSN) )
    TARGETKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(SALES_FACT) )
:COMMENT.------------------------------
:COMMIT.CHKPID(204)
:COMMENT.------------------------------
:COMMENT.  Begin COLUMN Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(COLUMN)
:INSTANCE.
    NAME(ORDER_ID)
    DATATYPE(INTEGER)
    LENGTH(10)
    SCALE(0)
    POSNO(1)
    NULLS(N)
    ISTEXT(Y)
    DBNAME(WAREHOUSE) 
    OWNER(WHS) 
    TABLES(SALES_FACT) 
    COLUMNS(ORDER_ID) 
    NATIVEDT(INTEGER)
    OFFSET(-1)
    ORDINAL(1)
    COLTYPE(K)
    EDTNCOL(N)
:COMMENT.
:COMMENT.  End COLUMN Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: TABLES to COLUMN
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(TABLES) TARGETYPE(COLUMN)
:INSTANCE.
    SOURCEKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(SALES_FACT) )
    TARGETKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(SALES_FACT) COLUMNS(ORDER_ID) )
:COMMENT.------------------------------
:COMMIT.CHKPID(205)
:COMMENT.------------------------------
:COMMENT.  Begin COLUMN Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(COLUMN)
:INSTANCE.
    NAME(CUST_KEY)
    DATATYPE(INTEGER)
    LENGTH(10)
    SCALE(0)
    POSNO(2)
    NULLS(N)
    ISTEXT(Y)
    DBNAME(WAREHOUSE) 
    OWNER(WHS) 
    TABLES(SALES_FACT) 
    COLUMNS(CUST_KEY) 
    NATIVEDT(INTEGER)
    OFFSET(-1)
    ORDINAL(2)
    EDTNCOL(N)
:COMMENT.
:COMMENT.  End COLUMN Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: TABLES to COLUMN
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(TABLES) TARGETYPE(COLUMN)
:INSTANCE.
    SOURCEKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(SALES_FACT) )
    TARGETKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(SALES_FACT) COLUMNS(CUST_KEY) )
:COMMENT.------------------------------
:COMMIT.CHKPID(206)
:COMMENT.------------------------------
:COMMENT.  Begin COLUMN Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(COLUMN)
:INSTANCE.
    NAME(ITEM)
    DATATYPE(CHAR)
    LENGTH(8)
    SCALE(0)
    POSNO(3)
    NULLS(N)
    ISTEXT(Y)
    DBNAME(WAREHOUSE) 
    OWNER(WHS) 
    TABLES(SALES_FACT) 
    COLUMNS(ITEM) 
    NATIVEDT(CHAR)
    OFFSET(-1)
    ORDINAL(3)
    EDTNCOL(N)
:COMMENT.
:COMMENT.  End COLUMN Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: TABLES to COLUMN
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(TABLES) TARGETYPE(COLUMN)
:INSTANCE.
    SOURCEKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(SALES_FACT) )
    TARGETKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(SALES_FACT) COLUMNS(ITEM) )
:COMMENT.------------------------------
:COMMIT.CHKPID(207)
:COMMENT.------------------------------
:COMMENT.  Begin COLUMN Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(COLUMN)
:INSTANCE.
    NAME(AMOUNT)
    DATATYPE(DECIMAL)
    LENGTH(11)
    SCALE(2)
    POSNO(4)
    NULLS(Y)
    ISTEXT(Y)
    DBNAME(WAREHOUSE) 
    OWNER(WHS) 
    TABLES(SALES_FACT) 
    COLUMNS(AMOUNT) 
    NATIVEDT(DECIMAL)
    OFFSET(-1)
    ORDINAL(4)
    EDTNCOL(N)
:COMMENT.
:COMMENT.  End COLUMN Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: TABLES to COLUMN
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(TABLES) TARGETYPE(COLUMN)
:INSTANCE.
    SOURCEKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(SALES_FACT) )
    TARGETKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(SALES_FACT) COLUMNS(AMOUNT) )
:COMMENT.------------------------------
:COMMIT.CHKPID(208)
:COMMENT.------------------------------
:COMMENT.  Begin QRTPKEY Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTPKEY)
:INSTANCE.
    NAME(SALES_FACT_PK)
    KEYID(0000000405)
:COMMENT.
:COMMENT.  End QRTPKEY Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: TABLES to QRTPKEY
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(TABLES) TARGETYPE(QRTPKEY)
:INSTANCE.
    SOURCEKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(SALES_FACT) )
    TARGETKEY(KEYID(0000000405) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Begin QRTKYMAP Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTKYMAP)
:INSTANCE.
    NAME(SALES_FACT_PK_1)
    MAPSEQNO(1)
    MAPID(0000000505)
:COMMENT.
:COMMENT.  End QRTKYMAP Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Begin MAPPCOL Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(MAPPCOL)
:INSTANCE.
    MAPID(0000000505) 
:COMMENT.
:COMMENT.  End MAPPCOL Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: MAPPCOL to COLUMN
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(MAPPCOL) TARGETYPE(COLUMN)
:INSTANCE.
    SOURCEKEY(MAPID(0000000505) )
    TARGETKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(SALES_FACT) COLUMNS(ORDER_ID) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTKYMAP to MAPPCOL
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTKYMAP) TARGETYPE(MAPPCOL)
:INSTANCE.
    SOURCEKEY(MAPID(0000000505) )
    TARGETKEY(MAPID(0000000505) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTPKEY to QRTKYMAP
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTPKEY) TARGETYPE(QRTKYMAP)
:INSTANCE.
    SOURCEKEY(KEYID(0000000405) )
    TARGETKEY(MAPID(0000000505) )
:COMMENT.------------------------------
:COMMIT.CHKPID(209)
:COMMENT.------------------------------
:COMMENT.  Begin QRTKYMAP Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTKYMAP)
:INSTANCE.
    NAME(SALES_FACT_PK_2)
    MAPSEQNO(2)
    MAPID(0000000506)
:COMMENT.
:COMMENT.  End QRTKYMAP Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Begin MAPPCOL Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(MAPPCOL)
:INSTANCE.
    MAPID(0000000506) 
:COMMENT.
:COMMENT.  End MAPPCOL Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: MAPPCOL to COLUMN
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(MAPPCOL) TARGETYPE(COLUMN)
:INSTANCE.
    SOURCEKEY(MAPID(0000000506) )
    TARGETKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(SALES_FACT) COLUMNS(ITEM) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTKYMAP to MAPPCOL
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTKYMAP) TARGETYPE(MAPPCOL)
:INSTANCE.
    SOURCEKEY(MAPID(0000000506) )
    TARGETKEY(MAPID(0000000506) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTPKEY to QRTKYMAP
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTPKEY) TARGETYPE(QRTKYMAP)
:INSTANCE.
    SOURCEKEY(KEYID(0000000405) )
    TARGETKEY(MAPID(0000000506) )
:COMMENT.------------------------------
:COMMIT.CHKPID(210)
:COMMIT.CHKPID(211)
:COMMENT.------------------------------
:COMMENT.  Begin QRTFKEY Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTFKEY)
:INSTANCE.
    NAME(FACT_CUSTOMER_FK)
    KEYID(0000000413)
:COMMENT.
:COMMENT.  End QRTFKEY Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Begin TABLES Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(TABLES)
:INSTANCE.
    NAME(WHS.CUSTOMER_DIM)
    SHRTDESC(Customer dimension)
    DBNAME(WAREHOUSE) 
    OWNER(WHS) 
    TABLES(CUSTOMER_DIM) 
    TBLISBIN(N)
    TBLFTYPE(0)
    TBLL1NAM(N)
    CREATYPE(2)
    TABVIEW(N)
    TABALIAS(N)
    QRTDRATN(Y)
    QRTMAXED(0)
    QRTCREGN(N)
    QRTCRERU()
    QRTCRTAR(Y)
    QRTGRANT(Y)
    IDSDIM(Y)
    IDSFACT(N)
    IDSREPL(N)
    PARTTBSP(N)
:COMMENT.
:COMMENT.  End TABLES Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: DATABASE to TABLES
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(DATABASE) TARGETYPE(TABLES)
:INSTANCE.
    SOURCEKEY(NAME(WAREHOUSE) DBNAME(WHSDSN) )
    TARGETKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(CUSTOMER_DIM) )
:COMMENT.------------------------------
:COMMIT.CHKPID(212)
:COMMENT.------------------------------
:COMMENT.  Begin COLUMN Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(COLUMN)
:INSTANCE.
    NAME(CUST_KEY)
    SHRTDESC(Surrogate key)
    DATATYPE(INTEGER)
    LENGTH(10)
    SCALE(0)
    POSNO(1)
    NULLS(N)
    ISTEXT(Y)
    DBNAME(WAREHOUSE) 
    OWNER(WHS) 
    TABLES(CUSTOMER_DIM) 
    COLUMNS(CUST_KEY) 
    NATIVEDT(INTEGER)
    OFFSET(-1)
    ORDINAL(1)
    COLTYPE(K)
    EDTNCOL(N)
:COMMENT.
:COMMENT.  End COLUMN Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: TABLES to COLUMN
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(TABLES) TARGETYPE(COLUMN)
:INSTANCE.
    SOURCEKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(CUSTOMER_DIM) )
    TARGETKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(CUSTOMER_DIM) COLUMNS(CUST_KEY) )
:COMMENT.------------------------------
:COMMIT.CHKPID(213)
:COMMENT.------------------------------
:COMMENT.  Begin COLUMN Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(COLUMN)
:INSTANCE.
    NAME(CUST_NAME)
    DATATYPE(VARCHAR)
    LENGTH(40)
    SCALE(0)
    POSNO(2)
    NULLS(Y)
    ISTEXT(Y)
    DBNAME(WAREHOUSE) 
    OWNER(WHS) 
    TABLES(CUSTOMER_DIM) 
    COLUMNS(CUST_NAME) 
    NATIVEDT(VARCHAR)
    OFFSET(-1)
    ORDINAL(2)
    EDTNCOL(N)
:COMMENT.
:COMMENT.  End COLUMN Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: TABLES to COLUMN
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(TABLES) TARGETYPE(COLUMN)
:INSTANCE.
    SOURCEKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(CUSTOMER_DIM) )
    TARGETKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(CUSTOMER_DIM) COLUMNS(CUST_NAME) )
:COMMENT.------------------------------
:COMMIT.CHKPID(214)
:COMMENT.------------------------------
:COMMENT.  Begin COLUMN Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(COLUMN)
:INSTANCE.
    NAME(REGION)
    DATATYPE(CHAR)
    LENGTH(2)
    SCALE(0)
    POSNO(3)
    NULLS(Y)
    ISTEXT(Y)
    DBNAME(WAREHOUSE) 
    OWNER(WHS) 
    TABLES(CUSTOMER_DIM) 
    COLUMNS(REGION) 
    NATIVEDT(CHAR)
    OFFSET(-1)
    ORDINAL(3)
    EDTNCOL(N)
:COMMENT.
:COMMENT.  End COLUMN Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: TABLES to COLUMN
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(TABLES) TARGETYPE(COLUMN)
:INSTANCE.
    SOURCEKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(CUSTOMER_DIM) )
    TARGETKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(CUSTOMER_DIM) COLUMNS(REGION) )
:COMMENT.------------------------------
:COMMIT.CHKPID(215)
:COMMENT.------------------------------
:COMMENT.  Begin COLUMN Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(COLUMN)
:INSTANCE.
    NAME(EDITION)
    SHRTDESC(Load edition)
    DATATYPE(INTEGER)
    LENGTH(10)
    SCALE(0)
    POSNO(4)
    NULLS(N)
    ISTEXT(Y)
    DBNAME(WAREHOUSE) 
    OWNER(WHS) 
    TABLES(CUSTOMER_DIM) 
    COLUMNS(EDITION) 
    NATIVEDT(INTEGER)
    OFFSET(-1)
    ORDINAL(4)
    COLTYPE(E)
    EDTNCOL(Y)
:COMMENT.
:COMMENT.  End COLUMN Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: TABLES to COLUMN
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(TABLES) TARGETYPE(COLUMN)
:INSTANCE.
    SOURCEKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(CUSTOMER_DIM) )
    TARGETKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(CUSTOMER_DIM) COLUMNS(EDITION) )
:COMMENT.------------------------------
:COMMIT.CHKPID(216)
:COMMENT.------------------------------
:COMMENT.  Begin QRTPKEY Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTPKEY)
:INSTANCE.
    NAME(CUSTOMER_DIM_PK)
    KEYID(0000000403)
:COMMENT.
:COMMENT.  End QRTPKEY Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: TABLES to QRTPKEY
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(TABLES) TARGETYPE(QRTPKEY)
:INSTANCE.
    SOURCEKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(CUSTOMER_DIM) )
    TARGETKEY(KEYID(0000000403) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Begin QRTKYMAP Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTKYMAP)
:INSTANCE.
    NAME(CUSTOMER_DIM_PK_1)
    MAPSEQNO(1)
    MAPID(0000000503)
:COMMENT.
:COMMENT.  End QRTKYMAP Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Begin MAPPCOL Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(MAPPCOL)
:INSTANCE.
    MAPID(0000000503) 
:COMMENT.
:COMMENT.  End MAPPCOL Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: MAPPCOL to COLUMN
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(MAPPCOL) TARGETYPE(COLUMN)
:INSTANCE.
    SOURCEKEY(MAPID(0000000503) )
    TARGETKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(CUSTOMER_DIM) COLUMNS(CUST_KEY) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTKYMAP to MAPPCOL
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTKYMAP) TARGETYPE(MAPPCOL)
:INSTANCE.
    SOURCEKEY(MAPID(0000000503) )
    TARGETKEY(MAPID(0000000503) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTPKEY to QRTKYMAP
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTPKEY) TARGETYPE(QRTKYMAP)
:INSTANCE.
    SOURCEKEY(KEYID(0000000403) )
    TARGETKEY(MAPID(0000000503) )
:COMMENT.------------------------------
:COMMIT.CHKPID(217)
:COMMIT.CHKPID(218)
:COMMENT.------------------------------
:COMMENT.  Relation: QRTFKEY to QRTPKEY
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(LINK) SOURCETYPE(QRTFKEY) TARGETYPE(QRTPKEY)
:INSTANCE.
    SOURCEKEY(KEYID(0000000413) )
    TARGETKEY(KEYID(0000000403) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: TABLES to QRTFKEY
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(TABLES) TARGETYPE(QRTFKEY)
:INSTANCE.
    SOURCEKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(SALES_FACT) )
    TARGETKEY(KEYID(0000000413) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Begin QRTKYMAP Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTKYMAP)
:INSTANCE.
    NAME(FACT_CUSTOMER_FK_1)
    MAPSEQNO(1)
    MAPID(0000000513)
:COMMENT.
:COMMENT.  End QRTKYMAP Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Begin MAPPCOL Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(MAPPCOL)
:INSTANCE.
    MAPID(0000000513) 
:COMMENT.
:COMMENT.  End MAPPCOL Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: MAPPCOL to COLUMN
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(MAPPCOL) TARGETYPE(COLUMN)
:INSTANCE.
    SOURCEKEY(MAPID(0000000513) )
    TARGETKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(CUSTOMER_DIM) COLUMNS(CUST_KEY) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTKYMAP to MAPPCOL
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTKYMAP) TARGETYPE(MAPPCOL)
:INSTANCE.
    SOURCEKEY(MAPID(0000000513) )
    TARGETKEY(MAPID(0000000513) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Begin MAPFCOL Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(MAPFCOL)
:INSTANCE.
    MAPID(0000000513) 
:COMMENT.
:COMMENT.  End MAPFCOL Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: MAPFCOL to COLUMN
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(MAPFCOL) TARGETYPE(COLUMN)
:INSTANCE.
    SOURCEKEY(MAPID(0000000513) )
    TARGETKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(SALES_FACT) COLUMNS(CUST_KEY) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTKYMAP to MAPFCOL
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTKYMAP) TARGETYPE(MAPFCOL)
:INSTANCE.
    SOURCEKEY(MAPID(0000000513) )
    TARGETKEY(MAPID(0000000513) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTFKEY to QRTKYMAP
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTFKEY) TARGETYPE(QRTKYMAP)
:INSTANCE.
    SOURCEKEY(KEYID(0000000413) )
    TARGETKEY(MAPID(0000000513) )
:COMMENT.------------------------------
:COMMIT.CHKPID(219)
:COMMIT.CHKPID(220)
:COMMENT.------------------------------
:COMMENT.  Begin QRTFKEY Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTFKEY)
:INSTANCE.
    NAME(FACT_PRODUCT_FK)
    KEYID(0000000414)
:COMMENT.
:COMMENT.  End QRTFKEY Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTFKEY to QRTPKEY
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(LINK) SOURCETYPE(QRTFKEY) TARGETYPE(QRTPKEY)
:INSTANCE.
    SOURCEKEY(KEYID(0000000414) )
    TARGETKEY(KEYID(0000000404) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: TABLES to QRTFKEY
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(TABLES) TARGETYPE(QRTFKEY)
:INSTANCE.
    SOURCEKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(SALES_FACT) )
    TARGETKEY(KEYID(0000000414) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Begin QRTKYMAP Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTKYMAP)
:INSTANCE.
    NAME(FACT_PRODUCT_FK_1)
    MAPSEQNO(1)
    MAPID(0000000514)
:COMMENT.
:COMMENT.  End QRTKYMAP Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Begin MAPPCOL Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(MAPPCOL)
:INSTANCE.
    MAPID(0000000514) 
:COMMENT.
:COMMENT.  End MAPPCOL Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: MAPPCOL to COLUMN
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(MAPPCOL) TARGETYPE(COLUMN)
:INSTANCE.
    SOURCEKEY(MAPID(0000000514) )
    TARGETKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(PRODUCT_DIM) COLUMNS(ITEM) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTKYMAP to MAPPCOL
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTKYMAP) TARGETYPE(MAPPCOL)
:INSTANCE.
    SOURCEKEY(MAPID(0000000514) )
    TARGETKEY(MAPID(0000000514) )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTFKEY to QRTKYMAP
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTFKEY) TARGETYPE(QRTKYMAP)
:INSTANCE.
    SOURCEKEY(KEYID(0000000414) )
    TARGETKEY(MAPID(0000000514) )
:COMMENT.------------------------------
:COMMIT.CHKPID(221)
:COMMIT.CHKPID(222)
:COMMENT.------------------------------
:COMMENT.  Begin BVOUTTBL Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(BVOUTTBL)
:INSTANCE.
    NAME(Reload 'orders' '('2nd try')') 
:COMMENT.
:COMMENT.  End BVOUTTBL Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTSAVU to BVOUTTBL
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTSAVU) TARGETYPE(BVOUTTBL)
:INSTANCE.
    SOURCEKEY(NAME(Reload 'orders' '('2nd try')') )
    TARGETKEY(NAME(Reload 'orders' '('2nd try')') )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: BVOUTTBL to TABLES
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(BVOUTTBL) TARGETYPE(TABLES)
:INSTANCE.
    SOURCEKEY(NAME(Reload 'orders' '('2nd try')') )
    TARGETKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(SALES_FACT) )
:COMMENT.------------------------------
:COMMIT.CHKPID(223)
:COMMENT.------------------------------
:COMMENT.  Begin BVINPTBL Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(BVINPTBL)
:INSTANCE.
    NAME(Reload 'orders' '('2nd try')') 
:COMMENT.
:COMMENT.  End BVINPTBL Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTSAVU to BVINPTBL
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTSAVU) TARGETYPE(BVINPTBL)
:INSTANCE.
    SOURCEKEY(NAME(Reload 'orders' '('2nd try')') )
    TARGETKEY(NAME(Reload 'orders' '('2nd try')') )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: BVINPTBL to TABLES
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(BVINPTBL) TARGETYPE(TABLES)
:INSTANCE.
    SOURCEKEY(NAME(Reload 'orders' '('2nd try')') )
    TARGETKEY(DBNAME(SALESDB) OWNER(SALES) TABLES(ORDERS) )
:COMMENT.------------------------------
:COMMIT.CHKPID(224)
:COMMENT.------------------------------
:COMMENT.  Begin BVUDPOUT Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(BVUDPOUT)
:INSTANCE.
    NAME(Reload 'orders' '('2nd try')') 
:COMMENT.
:COMMENT.  End BVUDPOUT Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTSAVU to BVUDPOUT
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTSAVU) TARGETYPE(BVUDPOUT)
:INSTANCE.
    SOURCEKEY(NAME(Reload 'orders' '('2nd try')') )
    TARGETKEY(NAME(Reload 'orders' '('2nd try')') )
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: BVUDPOUT to TABLES
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(BVUDPOUT) TARGETYPE(TABLES)
:INSTANCE.
    SOURCEKEY(NAME(Reload 'orders' '('2nd try')') )
    TARGETKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(SALES_FACT) )
:COMMENT.------------------------------
:COMMIT.CHKPID(225)
:COMMENT.------------------------------
:COMMENT.  Begin QRTBVMAP Instance
:COMMENT.
:ACTION.OBJINST(MERGE)
:OBJECT.TYPE(QRTBVMAP)
:INSTANCE.
    NAME(NOTE)
    MAPBVNAM(Reload 'orders' '('2nd try')')
    MAPSEQNO(1)
    MAPTYPE(0)
    ATTR1FLG(0)
    ATTR2FLG(0)
:COMMENT.
:COMMENT.  End QRTBVMAP Instance
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT.  Relation: QRTSAVU to QRTBVMAP
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(QRTSAVU) TARGETYPE(QRTBVMAP)
:INSTANCE.
    SOURCEKEY(NAME(Reload 'orders' '('2nd try')') )
    TARGETKEY(MAPBVNAM(Reload 'orders' '('2nd try')') MAPSEQNO(1) )
:COMMENT.------------------------------
:COMMIT.CHKPID(226)
:COMMENT.------------------------------
:COMMENT.  Relation: QRTSAVU to QRTAGENT
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(LINK) SOURCETYPE(QRTSAVU) TARGETYPE(QRTAGENT)
:INSTANCE.
    SOURCEKEY(NAME(Reload 'orders' '('2nd try')') )
    TARGETKEY(NAME(ETL host '('Unix')') )
:COMMENT.------------------------------
:COMMIT.CHKPID(227)
:COMMENT.------------------------------
:COMMENT.  Relation: PROCESS to QRTSAVU
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(CONTAIN) SOURCETYPE(PROCESS) TARGETYPE(QRTSAVU)
:INSTANCE.
    SOURCEKEY(NAME(Weekly prices) )
    TARGETKEY(NAME(Reload 'orders' '('2nd try')') )
:COMMENT.------------------------------
:COMMIT.CHKPID(228)
:COMMENT.------------------------------
:COMMENT.  Relation: PROCESS to TABLES
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(LINK) SOURCETYPE(PROCESS) TARGETYPE(TABLES)
:INSTANCE.
    SOURCEKEY(NAME(Weekly prices) )
    TARGETKEY(DBNAME(FLATFILES) OWNER() TABLES(prices.csv) )
:COMMENT.------------------------------
:COMMIT.CHKPID(229)
:COMMENT.------------------------------
:COMMENT.  Relation: PROCESS to TABLES
:COMMENT.
:ACTION.RELATION(ADD)
:RELTYPE.TYPE(LINK) SOURCETYPE(PROCESS) TARGETYPE(TABLES)
:INSTANCE.
    SOURCEKEY(NAME(Weekly prices) )
    TARGETKEY(DBNAME(WAREHOUSE) OWNER(WHS) TABLES(PRODUCT_DIM) )
:COMMENT.------------------------------
:COMMIT.CHKPID(230)
:COMMENT.------------------------------
:COMMENT. End of Tag file: <masked>
:COMMENT. Time:  <masked>
:COMMENT.------------------------------
