# SPDX-License-Identifier: MIT
# cmake -DLOCALEDEF=<localedef> -DOUTPUT=<dir>/de_DE.UTF-8 -P MakeLocale.cmake
# Compiles de_DE.UTF-8 into OUTPUT; on failure it only warns.
if(NOT LOCALEDEF)
  message(WARNING "localedef not found (Debian package 'locales'): ${OUTPUT} not created")
  return()
endif()
file(MAKE_DIRECTORY ${OUTPUT})
execute_process(COMMAND ${LOCALEDEF} -i de_DE -f UTF-8 ${OUTPUT}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT EXISTS ${OUTPUT}/LC_NUMERIC)
  message(WARNING "localedef failed (${result}): ${output}")
endif()
