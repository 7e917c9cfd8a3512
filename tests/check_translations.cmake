# Fails when translations/sorvo_en.ts is not up to date with the sources (a text added, changed or
# removed since lupdate last ran) or when a text has no English translation.
#   cmake -DSOURCE_DIR=src -DTS_FILE=translations/sorvo_en.ts -DLUPDATE=... -DLRELEASE=... -DWORK_DIR=...
file(MAKE_DIRECTORY ${WORK_DIR})
set(copy ${WORK_DIR}/sorvo_en.ts)
file(COPY_FILE ${TS_FILE} ${copy})
execute_process(
    COMMAND ${LUPDATE} -locations none -no-obsolete -source-language ja_JP -target-language en_US
            ${SOURCE_DIR} -ts ${copy}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed:\n${out}${err}")
endif()
if(err MATCHES "warning|Cannot|cannot|Discarding")
    message(FATAL_ERROR "lupdate warns about the sources:\n${err}")
endif()
file(READ ${TS_FILE} kept)
file(READ ${copy} fresh)
if(NOT kept STREQUAL fresh)
    execute_process(COMMAND diff -u ${TS_FILE} ${copy} OUTPUT_VARIABLE changes)
    message(FATAL_ERROR "translations/sorvo_en.ts is not up to date with the sources "
                        "(build the target sorvo_update_translations and translate):\n${changes}")
endif()
execute_process(COMMAND ${LRELEASE} ${copy} -qm ${WORK_DIR}/sorvo_en.qm
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT out MATCHES " 0 unfinished" OR out MATCHES "untranslated")
    message(FATAL_ERROR "texts left without an English translation:\n${out}${err}")
endif()
message(STATUS "${out}")
