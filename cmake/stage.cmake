# Data files of the installation: the start-up message file in bin/ and the
# message catalogue, compiled with gencat, in msg/. Both are staged at build
# time into ${QRT_STAGE_DIR} and installed under the same folders.
find_program(GENCAT gencat REQUIRED)

set(QRT_MESSAGE_FILE_SOURCE ${CMAKE_SOURCE_DIR}/export/messages/qztnxolv.str)
set(QRT_MESSAGE_FILE ${QRT_STAGE_DIR}/bin/qztnxolv.str)
set(QRT_CATALOGUE_SOURCE ${CMAKE_SOURCE_DIR}/runtime/messages/ovmsgs.msg)
set(QRT_CATALOGUE ${QRT_STAGE_DIR}/msg/ovmsgs.mo)

add_custom_command(OUTPUT ${QRT_MESSAGE_FILE}
                   COMMAND ${CMAKE_COMMAND} -E copy ${QRT_MESSAGE_FILE_SOURCE} ${QRT_MESSAGE_FILE}
                   DEPENDS ${QRT_MESSAGE_FILE_SOURCE}
                   COMMENT "Staging the message file qztnxolv.str")
# gencat merges into an existing output file, so it always writes a fresh one.
add_custom_command(OUTPUT ${QRT_CATALOGUE}
                   COMMAND ${CMAKE_COMMAND} -E rm -f ${QRT_CATALOGUE}.new
                   COMMAND ${GENCAT} ${QRT_CATALOGUE}.new ${QRT_CATALOGUE_SOURCE}
                   COMMAND ${CMAKE_COMMAND} -E rename ${QRT_CATALOGUE}.new ${QRT_CATALOGUE}
                   DEPENDS ${QRT_CATALOGUE_SOURCE}
                   COMMENT "Compiling the message catalogue ovmsgs.mo")
add_custom_target(qrt_stage_data ALL DEPENDS ${QRT_MESSAGE_FILE} ${QRT_CATALOGUE})
add_dependencies(qrt2exp2 qrt_stage_data)

install(FILES ${QRT_MESSAGE_FILE} DESTINATION bin)
install(FILES ${QRT_CATALOGUE} DESTINATION msg)
