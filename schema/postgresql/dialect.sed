# PostgreSQL form of the control-table DDL: tables in the prefix's schema (the
# loader replaces @PREFIX@), byte columns as BYTEA, keyword columns quoted in
# lower case because quoted names keep their case.
s/@BINARY@/BYTEA/g
s/"isNull"/"isnull"/g
