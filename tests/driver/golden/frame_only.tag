:DISKCNTL.SEQUENCE( 1,-)
:COMMENT.SYSTEM(V7.1.0)
:COMMENT.------------------------------
:COMMENT. Nordbase 7.1 
:COMMENT. Source Database name: WAREHOUSE
:COMMENT. Output File name: <tag>
:COMMENT. Time: MM/DD/YY hh:mm:ss
:COMMENT.------------------------------
:COMMENT.------------------------------
:COMMENT. End of Tag file: <tag>
:COMMENT. Time:  MM/DD/YY hh:mm:ss
:COMMENT.------------------------------
