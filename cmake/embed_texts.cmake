# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a C++ source that holds every file of IN_DIR and IN_DIR/built as a
# byte array, keyed by the file name without its extension.
file(GLOB files ${IN_DIR}/*.txt ${IN_DIR}/*.htm ${IN_DIR}/built/*.txt ${IN_DIR}/built/*.htm)
list(SORT files)
set(body "// Generated from src/library/texts; do not edit.\n#include <map>\n#include <string>\n\nnamespace tally {\nconst std::map<std::string, std::string>& embeddedTexts() {\n    static const std::map<std::string, std::string> texts = {\n")
foreach(f IN LISTS files)
  get_filename_component(name ${f} NAME_WE)
  file(READ ${f} hex HEX)
  string(LENGTH "${hex}" hexlen)
  math(EXPR bytes "${hexlen} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" escaped "${hex}")
  string(APPEND body "        {\"${name}\", std::string(\"${escaped}\", ${bytes})},\n")
endforeach()
string(APPEND body "    };\n    return texts;\n}\n}  // namespace tally\n")
file(WRITE ${OUT} "${body}")
