# Runs lupdate over the texts into a copy of the translation and fails when
# the copy has texts without a finished translation or translations whose
# text is gone, or when lupdate changed the copy in any other way.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
get_filename_component(name "${TS}" NAME)
set(copy "${WORK}/${name}")
file(COPY_FILE "${TS}" "${copy}")
execute_process(COMMAND "${LUPDATE}" -no-obsolete -locations none -source-language zh_CN -target-language en
                        "${TEXTS}" -ts "${copy}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed:\n${output}")
endif()
file(READ "${copy}" updated)
foreach(mark "type=\"unfinished\"" "type=\"vanished\"" "type=\"obsolete\"")
  string(FIND "${updated}" "${mark}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "${name} needs work (${mark}); run the update_translations target and translate:\n${output}")
  endif()
endforeach()
file(READ "${TS}" original)
if(NOT original STREQUAL updated)
  message(FATAL_ERROR "${name} is not as lupdate writes it; run the update_translations target:\n${output}")
endif()
message(STATUS "${output}")
