# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack (CPACK_PROJECT_CONFIG_FILE) just before it writes a package.
# The Debian package depends on the libraries the programs link, as
# dpkg-shlibdeps names them with their versions, and on what the programs load
# at run time without linking it (TALLYMOO_RUNTIME_DEPENDS). Only the programs
# are asked about: CPack's own search runs `file` on every data file and takes
# most of a minute.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()

set(work ${TALLYMOO_SHLIBDEPS_DIR})
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work}/debian)
# dpkg-shlibdeps insists on a control file but needs nothing from it.
file(WRITE ${work}/debian/control "")
set(programs)
foreach(program IN LISTS TALLYMOO_PROGRAMS)
  list(APPEND programs -e${program})
endforeach()
execute_process(COMMAND dpkg-shlibdeps -O ${programs}
                WORKING_DIRECTORY ${work}
                OUTPUT_VARIABLE found ERROR_VARIABLE problems RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT found MATCHES "shlibs:Depends=([^\n]*)")
  message(FATAL_ERROR "dpkg-shlibdeps could not name the libraries of ${TALLYMOO_PROGRAMS}: ${problems}")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CMAKE_MATCH_1}, ${TALLYMOO_RUNTIME_DEPENDS}")
