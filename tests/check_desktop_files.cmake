# The desktop entry and the metainfo that installing puts in place pass their
# validators.
foreach(check "${DESKTOP_FILE_VALIDATE};${DESKTOP_ENTRY}" "${APPSTREAMCLI};validate;--no-net;${METAINFO}")
  execute_process(COMMAND ${check} RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(failed)
    message(FATAL_ERROR "${check}:\n${out}")
  endif()
endforeach()
