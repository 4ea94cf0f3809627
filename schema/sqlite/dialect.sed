# SQLite form of the control-table DDL: tables in the main database, byte
# columns as BLOB, keyword columns quoted as written.
s/@PREFIX@\.//g
s/@BINARY@/BLOB/g
