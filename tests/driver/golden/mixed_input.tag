:DISKCNTL.SEQUENCE( 1,-)
:COMMENT.SYSTEM(V7.1.0)
:COMMENT.------------------------------
:COMMENT. Nordbase 7.1 
:COMMENT. Source Database name: WAREHOUSE
:COMMENT. Output File name: mixed.tag
:COMMENT. Time: MM/DD/YY hh:mm:ss
:COMMENT.------------------------------
:COMMENT. Start IR export
:COMMENT. Exporting Database SALES
    NAME(IR SALES)
:COMMIT.CHKPID(151)
:COMMENT. Start Process export
:COMMENT. Exporting Process LOAD
    NAME(PROC LOAD)
:COMMIT.CHKPID(152)
:COMMENT. Start Star Schema export
:COMMENT. Exporting StarSchema STARS
    NAME(SCHEMA STARS)
:COMMIT.CHKPID(153)
:COMMENT. Start UDP export
:COMMENT. Exporting UDP group PROGS
    NAME(UDP PROGS)
:COMMIT.CHKPID(154)
:COMMENT. Start IR export
:COMMENT. Exporting Database  LAST 
    NAME(IR  LAST )
:COMMIT.CHKPID(155)
:COMMENT.------------------------------
:COMMENT. End of Tag file: mixed.tag
:COMMENT. Time:  MM/DD/YY hh:mm:ss
:COMMENT.------------------------------
