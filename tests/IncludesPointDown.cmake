# Every include points down the layers of the program:
#   app/ (the shell) -> calculators/ -> calculators/shared/ -> ui/ -> equations/
# Run as a test: cmake -DSOURCE_DIR=<repository> -P IncludesPointDown.cmake
# A quoted include is looked up beside its file first, then from the
# repository root or equations/ (the include directories of the build).
cmake_minimum_required(VERSION 3.25)
if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

# One rule per line: files under <from> must not include <to> (regular
# expressions on paths relative to the repository; <Q matches a Qt header).
set(rules
  "^equations/|^(ui|app|calculators)/|^<Q"
  "^ui/|^(app|calculators)/"
  "^calculators/|^app/"
  "^calculators/shared/|^calculators/(empirical/|thermodynamic/|[^/]+$)"
)

file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" LIST_DIRECTORIES false
     "${SOURCE_DIR}/equations/*" "${SOURCE_DIR}/ui/*" "${SOURCE_DIR}/calculators/*" "${SOURCE_DIR}/app/*")
list(FILTER sources INCLUDE REGEX "\\.(h|cpp)$")

set(faults 0)
foreach(source IN LISTS sources)
  get_filename_component(dir "${source}" DIRECTORY)
  file(STRINGS "${SOURCE_DIR}/${source}" lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS lines)
    if(line MATCHES "\"([^\"]+)\"")
      set(target "${CMAKE_MATCH_1}")
      if(EXISTS "${SOURCE_DIR}/${dir}/${target}")
        cmake_path(SET target NORMALIZE "${dir}/${target}")
      endif()
    elseif(line MATCHES "<([^>]+)>")
      set(target "<${CMAKE_MATCH_1}>")
    else()
      continue()
    endif()
    foreach(rule IN LISTS rules)
      string(REPLACE "|" ";" parts "${rule}")
      list(POP_FRONT parts from)
      list(JOIN parts "|" to)
      if(source MATCHES "${from}" AND target MATCHES "${to}")
        message(SEND_ERROR "${source} includes ${target}: an include that points up")
        math(EXPR faults "${faults} + 1")
      endif()
    endforeach()
  endforeach()
endforeach()

list(LENGTH sources count)
message(STATUS "${count} files, ${faults} includes that point up")
