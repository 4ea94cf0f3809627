# The character columns of the control tables, read from their DDL
# (schema/control_tables.sql) and written as a list of wide literals that the
# dialect rules include: a DBMS whose default text order is not byte order has
# these columns sorted with a byte-order collation. A column name declared as
# character in one table and as another type in another stops the
# configuration, because an ORDER BY item names the column alone.
set(QRT_CONTROL_DDL ${CMAKE_SOURCE_DIR}/schema/control_tables.sql)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${QRT_CONTROL_DDL})

file(STRINGS ${QRT_CONTROL_DDL} ddl_lines)
set(text_columns "")
set(other_columns "")
foreach(line IN LISTS ddl_lines)
  if(NOT line MATCHES "^[ \t]+\"?([A-Za-z_][A-Za-z0-9_]*)\"?[ \t]+([A-Za-z@]+)")
    continue()
  endif()
  string(TOLOWER "${CMAKE_MATCH_1}" column)
  string(TOUPPER "${CMAKE_MATCH_2}" type)
  if(column MATCHES "^(primary|foreign|unique|constraint|check)$")
    continue()
  endif()
  if(type MATCHES "^(CHAR|CHARACTER|VARCHAR|TEXT|CLOB)$")
    list(APPEND text_columns ${column})
  else()
    list(APPEND other_columns ${column})
  endif()
endforeach()
list(REMOVE_DUPLICATES text_columns)
list(SORT text_columns)
foreach(column IN LISTS text_columns)
  if(column IN_LIST other_columns)
    message(FATAL_ERROR "${QRT_CONTROL_DDL}: column ${column} is character in one table and not in another")
  endif()
endforeach()

set(QRT_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
set(text_column_list "// Generated from schema/control_tables.sql: the character columns of the\n// control tables, in lower case.\n")
foreach(column IN LISTS text_columns)
  string(APPEND text_column_list "L\"${column}\",\n")
endforeach()
# Written only when the list changes, so that a DDL edit elsewhere rebuilds nothing.
file(CONFIGURE OUTPUT ${QRT_GENERATED_DIR}/runtime/control_text_columns.inc
     CONTENT "${text_column_list}" @ONLY)
