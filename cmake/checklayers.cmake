# Checks the #include lines of the project's sources against the library
# floors: a file may include headers of the libraries in its target's
# TALLICOR_ALLOWED_<target> list only (its own library and those it links).
# A header belongs to the library whose folder below src/ is the longest
# that starts its path; includes of anything else (Qt, the standard library,
# test support) are not checked. Every offending line is named; then the
# build stops.
#
#   cmake -DRULES=<rules.cmake> -DSTAMP=<file touched on success> -P checklayers.cmake
#
# The rules are written by the configure (cmake/TallicorLayers.cmake).
cmake_minimum_required(VERSION 3.25)

include(${RULES})
set(_src ${TALLICOR_SOURCE_DIR}/src)

# The library folders, the longest first, so that platform/ui is found before
# platform.
set(_by_length)
foreach(_folder _lib IN ZIP_LISTS TALLICOR_FOLDERS TALLICOR_LIBRARIES)
  string(LENGTH "${_folder}" _n)
  math(EXPR _key "1000 - ${_n}")
  list(APPEND _by_length "${_key}|${_folder}|${_lib}")
endforeach()
list(SORT _by_length COMPARE NATURAL)

set(_errors 0)
foreach(_t IN LISTS TALLICOR_CHECKED)
  foreach(_file IN LISTS TALLICOR_SOURCES_${_t})
    file(STRINGS ${_file} _lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    cmake_path(GET _file PARENT_PATH _dir)
    foreach(_line IN LISTS _lines)
      if(NOT _line MATCHES "^[ \t]*#[ \t]*include[ \t]*([\"<])([^\">]+)[\">]")
        continue()
      endif()
      set(_quoted "${CMAKE_MATCH_1}")
      set(_include "${CMAKE_MATCH_2}")
      # A quoted include is first looked for beside the including file; the
      # header found there is the one that counts.
      set(_path "${_include}")
      if(_quoted STREQUAL "\"" AND EXISTS "${_dir}/${_include}")
        set(_abs "${_dir}/${_include}")
        cmake_path(NORMAL_PATH _abs)
        cmake_path(IS_PREFIX _src "${_abs}" _in_src)
        if(NOT _in_src)
          continue()
        endif()
        file(RELATIVE_PATH _path ${_src} ${_abs})
      endif()

      set(_owner "")
      foreach(_entry IN LISTS _by_length)
        string(REPLACE "|" ";" _entry "${_entry}")
        list(GET _entry 1 _folder)
        string(FIND "${_path}" "${_folder}/" _at)
        if(_at EQUAL 0)
          list(GET _entry 2 _owner)
          break()
        endif()
      endforeach()
      if(_owner STREQUAL "" OR _owner IN_LIST TALLICOR_ALLOWED_${_t})
        continue()
      endif()

      # The line number, for the message.
      file(READ ${_file} _text)
      string(FIND "${_text}" "${_line}" _offset)
      string(SUBSTRING "${_text}" 0 ${_offset} _before)
      string(REGEX MATCHALL "\n" _breaks "${_before}")
      list(LENGTH _breaks _number)
      math(EXPR _number "${_number} + 1")
      file(RELATIVE_PATH _shown ${TALLICOR_SOURCE_DIR} ${_file})
      string(REPLACE ";" ", " _allowed "${TALLICOR_ALLOWED_${_t}}")
      if(_allowed STREQUAL "")
        set(_allowed "none")
      endif()
      message(NOTICE "${_shown}:${_number}: error: ${_include} is a header of ${_owner}, which ${_t} does not link; "
                     "it may include headers of these libraries only: ${_allowed}")
      math(EXPR _errors "${_errors} + 1")
    endforeach()
  endforeach()
endforeach()

if(_errors GREATER 0)
  message(FATAL_ERROR "${_errors} #include line(s) above reach a library that is not below their own. A library "
                      "uses only the libraries on the floors below it (CMakeLists.txt): move the shared code down, "
                      "or link the library when it is below.")
endif()
file(TOUCH ${STAMP})
