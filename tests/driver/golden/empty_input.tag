Function: export_tagfile
Message: <resolved>
Codes: 13102/0
:COMMENT.------------------------------
:COMMENT. End of Tag file: empty.tag
:COMMENT. Time:  MM/DD/YY hh:mm:ss
:COMMENT.------------------------------
