# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into PREFIX afresh, so a file the install no longer
# places cannot linger from an earlier run.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install into ${PREFIX} failed: ${result}")
endif()
