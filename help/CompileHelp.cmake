# Compiles one help project (cmake -P): CHMCMD, CHMLS, PYTHON, PROJECT (the .hhp), SHARED
# (files of other folders), STAGING (a folder of its own), OUTPUT (the .chm to make).
#
# The compiler reads includes and writes its output relative to the folder it runs in, so the
# project is compiled in a copy. It reports a missing page or a broken link only as a warning
# and still writes a file: any warning fails the build.
get_filename_component(folder ${PROJECT} DIRECTORY)
get_filename_component(project_name ${PROJECT} NAME)
file(REMOVE_RECURSE ${STAGING})
file(GLOB sources LIST_DIRECTORIES false ${folder}/*)
file(COPY ${sources} ${SHARED} DESTINATION ${STAGING})

execute_process(COMMAND ${CHMCMD} --html-scan ${project_name}
                WORKING_DIRECTORY ${STAGING}
                RESULT_VARIABLE result
                OUTPUT_VARIABLE report
                ERROR_VARIABLE report)
file(WRITE ${STAGING}.log "${report}")
if(NOT result EQUAL 0 OR report MATCHES "Warning|Error|corrupt|exception")
    message(FATAL_ERROR "The help compiler rejects ${PROJECT}:\n${report}")
endif()

get_filename_component(output_name ${OUTPUT} NAME)
execute_process(COMMAND ${PYTHON} ${CMAKE_CURRENT_LIST_DIR}/fix_context_paths.py ${CHMLS}
                        ${STAGING}/${output_name} ${STAGING}
                COMMAND_ERROR_IS_FATAL ANY)
file(COPY_FILE ${STAGING}/${output_name} ${OUTPUT})
