:DISKCNTL.SEQUENCE( 1,-)
:COMMENT.SYSTEM(V7.1.0)
:COMMENT.------------------------------
:COMMENT. Nordbase 7.1 
:COMMENT. Source Database name: WAREHOUSE
:COMMENT. Output File name: stop.tag
:COMMENT. Time: MM/DD/YY hh:mm:ss
:COMMENT.------------------------------
:COMMENT. Start IR export
:COMMENT. Exporting Database SALES
    NAME(IR SALES)
:COMMIT.CHKPID(151)
:COMMENT. Exporting Database MISSING
Function: Fake::retrieve
Message: <resolved>
Codes: 3142/0
:COMMENT.------------------------------
:COMMENT. End of Tag file: stop.tag
:COMMENT. Time:  MM/DD/YY hh:mm:ss
:COMMENT.------------------------------
