# The libraries are floors: each links only libraries declared before it (the
# floors below it), and every source file of the project includes only
# headers of its own library and of the libraries its target links, directly
# or through them. Since every target sees the whole src folder as its
# include root, both rules are checked here instead of by the compiler:
#
# - at the end of the configure, the link lists of the libraries (a library
#   that links one declared after it, or itself, stops the configure);
# - in every build, before anything is compiled, the #include lines of every
#   program, library, test and tool of the project against the libraries its
#   target links (cmake/checklayers.cmake, which names each offending line).
#   The check runs again whenever a source file or the rules change.

# Records a library declared by tallicor_library: its floor is its place in
# the order of declaration, its folder (below src/) owns its headers.
function(tallicor_layer_library name dir)
  file(RELATIVE_PATH _folder ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/${dir})
  set_property(GLOBAL APPEND PROPERTY TALLICOR_LAYER_LIBRARIES ${name})
  set_property(GLOBAL PROPERTY TALLICOR_LAYER_FOLDER_${name} ${_folder})
endfunction()

# The direct link items of a target that are targets of the project: plain
# names, $<LINK_ONLY:...> unwrapped, imported targets (Qt, GoogleTest) left
# out. `property` is LINK_LIBRARIES or INTERFACE_LINK_LIBRARIES.
function(_tallicor_linked_targets target property out)
  get_target_property(_items ${target} ${property})
  set(_found)
  if(_items)
    foreach(_item IN LISTS _items)
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" _item "${_item}")
      if(TARGET "${_item}")
        get_target_property(_imported ${_item} IMPORTED)
        if(NOT _imported)
          list(APPEND _found ${_item})
        endif()
      endif()
    endforeach()
  endif()
  list(REMOVE_DUPLICATES _found)
  set(${out} ${_found} PARENT_SCOPE)
endfunction()

# Every compiled target of a directory and of the directories below it.
function(_tallicor_targets_below dir out)
  get_property(_targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  set(_compiled)
  foreach(_t IN LISTS _targets)
    get_target_property(_type ${_t} TYPE)
    if(_type MATCHES "^(STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY|EXECUTABLE)$")
      list(APPEND _compiled ${_t})
    endif()
  endforeach()
  get_property(_subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(_sub IN LISTS _subdirs)
    _tallicor_targets_below(${_sub} _more)
    list(APPEND _compiled ${_more})
  endforeach()
  set(${out} ${_compiled} PARENT_SCOPE)
endfunction()

# Run at the end of the configure of the top folder (see the cmake_language
# call in CMakeLists.txt), when every target and link is known.
function(tallicor_check_layers)
  get_property(_libraries GLOBAL PROPERTY TALLICOR_LAYER_LIBRARIES)

  # 1. A library links only libraries declared before it.
  set(_below)
  foreach(_lib IN LISTS _libraries)
    _tallicor_linked_targets(${_lib} LINK_LIBRARIES _direct)
    _tallicor_linked_targets(${_lib} INTERFACE_LINK_LIBRARIES _interface)
    foreach(_dep IN LISTS _direct _interface)
      if(_dep IN_LIST _libraries AND NOT _dep IN_LIST _below)
        message(FATAL_ERROR "${_lib} links ${_dep}, which is not on a floor below it: a library links "
                            "only libraries declared before it (tallicor_library calls in CMakeLists.txt).")
      endif()
    endforeach()
    list(APPEND _below ${_lib})
  endforeach()

  # 2. The rules of the include check: the folder of each library and, for
  # every compiled target, its sources and the libraries whose headers it
  # may include (its own and those it links, followed through the public
  # links of what it links).
  set(_folders)
  foreach(_lib IN LISTS _libraries)
    get_property(_folder GLOBAL PROPERTY TALLICOR_LAYER_FOLDER_${_lib})
    list(APPEND _folders ${_folder})
  endforeach()
  set(_rules "# Written by the configure (cmake/TallicorLayers.cmake); read by cmake/checklayers.cmake.\n")
  string(APPEND _rules "set(TALLICOR_SOURCE_DIR \"${CMAKE_SOURCE_DIR}\")\n")
  string(APPEND _rules "set(TALLICOR_LIBRARIES \"${_libraries}\")\n")
  string(APPEND _rules "set(TALLICOR_FOLDERS \"${_folders}\")\n")

  _tallicor_targets_below(${CMAKE_SOURCE_DIR} _targets)
  set(_checked)
  set(_all_sources)
  foreach(_t IN LISTS _targets)
    set(_allowed)
    if(_t IN_LIST _libraries)
      list(APPEND _allowed ${_t})
    endif()
    _tallicor_linked_targets(${_t} LINK_LIBRARIES _queue)
    set(_seen)
    while(_queue)
      list(POP_FRONT _queue _dep)
      if(_dep IN_LIST _seen)
        continue()
      endif()
      list(APPEND _seen ${_dep})
      if(_dep IN_LIST _libraries)
        list(APPEND _allowed ${_dep})
      endif()
      _tallicor_linked_targets(${_dep} INTERFACE_LINK_LIBRARIES _next)
      list(APPEND _queue ${_next})
    endwhile()

    get_target_property(_target_dir ${_t} SOURCE_DIR)
    get_target_property(_sources ${_t} SOURCES)
    set(_files)
    foreach(_s IN LISTS _sources)
      if(_s MATCHES "\\$<")
        continue()
      endif()
      cmake_path(ABSOLUTE_PATH _s BASE_DIRECTORY ${_target_dir} NORMALIZE)
      cmake_path(IS_PREFIX CMAKE_SOURCE_DIR "${_s}" NORMALIZE _in_tree)
      cmake_path(IS_PREFIX CMAKE_BINARY_DIR "${_s}" NORMALIZE _in_build)
      if(_in_tree AND NOT _in_build AND _s MATCHES "\\.(h|hpp|cpp|cc)$")
        list(APPEND _files ${_s})
      endif()
    endforeach()
    if(_files)
      list(APPEND _checked ${_t})
      list(APPEND _all_sources ${_files})
      string(APPEND _rules "set(TALLICOR_ALLOWED_${_t} \"${_allowed}\")\n")
      string(APPEND _rules "set(TALLICOR_SOURCES_${_t} \"${_files}\")\n")
    endif()
  endforeach()
  string(APPEND _rules "set(TALLICOR_CHECKED \"${_checked}\")\n")
  list(REMOVE_DUPLICATES _all_sources)

  # Written only when it changed, so that a configure alone does not run the
  # check again.
  set(_rules_file ${CMAKE_BINARY_DIR}/layers/rules.cmake)
  file(CONFIGURE OUTPUT ${_rules_file} CONTENT "${_rules}")
  set(_stamp ${CMAKE_BINARY_DIR}/layers/checked.stamp)
  add_custom_command(
    OUTPUT ${_stamp}
    COMMAND ${CMAKE_COMMAND} -DRULES=${_rules_file} -DSTAMP=${_stamp}
            -P ${CMAKE_SOURCE_DIR}/cmake/checklayers.cmake
    DEPENDS ${_all_sources} ${_rules_file} ${CMAKE_SOURCE_DIR}/cmake/checklayers.cmake
    COMMENT "Checking the #include lines against the library floors"
    VERBATIM)
  add_custom_target(tallicor_layers DEPENDS ${_stamp})
  foreach(_t IN LISTS _checked)
    add_dependencies(${_t} tallicor_layers)
  endforeach()
endfunction()
