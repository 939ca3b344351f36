# zimpa_link_check(NAME <test> TARGET <library> EXECUTABLE <target> FORBIDDEN <regex>): a test
# that fails when the library's link closure, or the libraries the executable needs at run time,
# match the pattern. The closure is walked here, at configure time, once every target is known.

function(zimpa_link_closure target out)
  set(seen)
  set(queue ${target})
  while(queue)
    list(POP_FRONT queue item)
    # $<LINK_ONLY:x> and $<TARGET_NAME_IF_EXISTS:x> name x. Any other expression (the object
    # libraries Qt's resources bring, say) names no library of its own and is passed over: left in,
    # it would be evaluated in the test's command, where it means nothing.
    string(REGEX REPLACE "^\\$<(LINK_ONLY|TARGET_NAME_IF_EXISTS):([^<>]*)>$" "\\2" item "${item}")
    if(item STREQUAL "" OR item MATCHES "\\$<" OR item IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${item})
    if(NOT TARGET ${item})
      continue()
    endif()
    get_target_property(imported ${item} IMPORTED)
    get_target_property(interface ${item} INTERFACE_LINK_LIBRARIES)
    if(interface)
      list(APPEND queue ${interface})
    endif()
    if(NOT imported)
      get_target_property(own ${item} LINK_LIBRARIES)
      if(own)
        list(APPEND queue ${own})
      endif()
    endif()
  endwhile()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

function(zimpa_link_check)
  cmake_parse_arguments(arg "" "NAME;TARGET;EXECUTABLE;FORBIDDEN" "" ${ARGN})
  zimpa_link_closure(${arg_TARGET} closure)
  string(REPLACE ";" "," closure "${closure}")
  add_test(NAME ${arg_NAME}
           COMMAND ${CMAKE_COMMAND} "-DCLOSURE=${closure}"
                   "-DEXECUTABLE=$<TARGET_FILE:${arg_EXECUTABLE}>" "-DFORBIDDEN=${arg_FORBIDDEN}"
                   -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/LinkCheckRun.cmake)
endfunction()
