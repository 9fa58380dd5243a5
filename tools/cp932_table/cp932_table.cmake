# The CP932 tables of src/core/cp932_table.h, asked of the host's iconv at build
# time into the build folder. Included by the game's build and by the sanitized
# one: sets MINAMORI_CP932_TABLE to the source made, and the target
# minamori-cp932-table-source that makes it, for each library that compiles it
# to depend on (two targets making one file at once would clash).
add_executable(minamori-cp932-table ${CMAKE_CURRENT_LIST_DIR}/cp932_table.cpp)
target_include_directories(minamori-cp932-table PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../../src)

set(MINAMORI_CP932_TABLE ${CMAKE_BINARY_DIR}/generated/cp932_table.cpp)
add_custom_command(
  OUTPUT ${MINAMORI_CP932_TABLE}
  COMMAND minamori-cp932-table ${MINAMORI_CP932_TABLE}
  DEPENDS minamori-cp932-table
  COMMENT "Asking iconv for the CP932 tables"
  VERBATIM)
add_custom_target(minamori-cp932-table-source DEPENDS ${MINAMORI_CP932_TABLE})
