-- The schema that holds the control tables; its name is the prefix of the
-- control database.
CREATE SCHEMA @PREFIX@;
