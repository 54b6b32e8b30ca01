# Writes the source of the build stamp: the revision (the number of commits
# when the sources are a git checkout, else 0) and the day of the build as
# seconds since 1970 (UTC midnight). Run at every build; the file is
# rewritten only when a value changed, so nothing relinks needlessly.
# Inputs: OUTPUT, SOURCE_DIR, VERSION_MAJOR, VERSION_MINOR.
set(revision 0)
find_program(GIT_COMMAND git)
if(GIT_COMMAND)
  execute_process(COMMAND ${GIT_COMMAND} rev-list --count HEAD
                  WORKING_DIRECTORY ${SOURCE_DIR}
                  OUTPUT_VARIABLE counted RESULT_VARIABLE failed
                  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(NOT failed AND counted MATCHES "^[0-9]+$")
    set(revision ${counted})
  endif()
endif()

# SOURCE_DATE_EPOCH, when set, stands for the time of the build.
string(TIMESTAMP now "%s" UTC)
math(EXPR day "${now} - ${now} % 86400")

set(content "// Written by cmake/BuildStamp.cmake at build time.
#include \"app/about/BuildStamp.h\"

namespace app {

const BuildStamp& ThisBuild() {
    static const BuildStamp stamp{${VERSION_MAJOR}, ${VERSION_MINOR}, ${revision}, ${day}};
    return stamp;
}

}  // namespace app
")

set(previous "")
if(EXISTS ${OUTPUT})
  file(READ ${OUTPUT} previous)
endif()
if(NOT previous STREQUAL content)
  file(WRITE ${OUTPUT} "${content}")
endif()
