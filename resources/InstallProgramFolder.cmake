# Run by `cmake --install`: lays the program folder down under the prefix, with the desktop
# entries. The programs and what ships beside them (the help file) are replaced on
# every install. The files the user's work changes (the lists, the calendars with the followed
# days, the templates) are laid down only where missing, from what the build delivers, so that a
# new install never takes the user's reminders away. The settings, the viewers' register and the
# reminders' content files that a run left in the build's folder are never installed.
#
# Set by the caller: ZIMPA_DIST_DIR, ZIMPA_CALENDAR_DIR, ZIMPA_TEMPLATE_DIR, ZIMPA_ENTRY_DIR,
# ZIMPA_INSTALL_DIR (relative to the prefix), ZIMPA_ICON_NAME (the picture's name in the icon
# theme).

set(folder "${CMAKE_INSTALL_PREFIX}/${ZIMPA_INSTALL_DIR}")
set(laid "$ENV{DESTDIR}${folder}")

file(INSTALL DESTINATION "${folder}" TYPE PROGRAM FILES "${ZIMPA_DIST_DIR}/Zimpa"
     "${ZIMPA_DIST_DIR}/Viewer")

# Whatever else the build puts at the top of the program folder ships with the programs; not the
# side file that the settings' writers lock (a run leaves it there, and replacing it under a
# running program would let two writers in at once).
file(GLOB shipped LIST_DIRECTORIES false "${ZIMPA_DIST_DIR}/*")
list(FILTER shipped EXCLUDE REGEX
     "/(Zimpa|Viewer|Zimpa\\.ini|Zimpa\\.ini\\.lock|pl\\.data|[^/]*\\.list|[^/]*\\.data)$")
if(shipped)
  file(INSTALL DESTINATION "${folder}" TYPE FILE FILES ${shipped})
endif()
file(GLOB folders LIST_DIRECTORIES true "${ZIMPA_DIST_DIR}/*")
foreach(shipped_folder IN LISTS folders)
  if(IS_DIRECTORY "${shipped_folder}" AND NOT shipped_folder MATCHES "/(time|task|memo)$")
    file(INSTALL DESTINATION "${folder}" TYPE DIRECTORY FILES "${shipped_folder}")
  endif()
endforeach()

function(deliver_once source name)
  if(NOT EXISTS "${laid}/${name}")
    get_filename_component(destination "${folder}/${name}" DIRECTORY)
    get_filename_component(file_name "${name}" NAME)
    file(INSTALL DESTINATION "${destination}" TYPE FILE FILES "${source}" RENAME "${file_name}")
  else()
    message(STATUS "Kept (the user's): ${laid}/${name}")
  endif()
endfunction()

foreach(name nevnap unnep)
  deliver_once("${ZIMPA_CALENDAR_DIR}/${name}.data" "${name}.data")
endforeach()
foreach(kind time task memo)
  file(MAKE_DIRECTORY "${laid}/${kind}")
  deliver_once("${ZIMPA_TEMPLATE_DIR}/${kind}.template" "${kind}/template")
  if(NOT EXISTS "${laid}/${kind}.list")
    file(TOUCH "${laid}/${kind}.list")
    message(STATUS "Created: ${laid}/${kind}.list")
  endif()
endforeach()

# The entries name the folder where it is once installed (without a staging DESTDIR), escaped
# as the desktop reads each key, and are made right in their destination: an install writes
# nowhere else.
include("${CMAKE_CURRENT_LIST_DIR}/DesktopEntryText.cmake")
desktop_entry_quoted_argument(ZIMPA_EXEC_FOLDER "${folder}")
desktop_entry_string(ZIMPA_PATH_FOLDER "${folder}")

function(install_entry template destination)
  get_filename_component(name "${template}" NAME_WLE)
  set(entry "$ENV{DESTDIR}${destination}/${name}")
  message(STATUS "Installing: ${entry}")
  configure_file("${ZIMPA_ENTRY_DIR}/${template}" "${entry}" @ONLY)
  # Listed with the other installed files, as file(INSTALL) lists its own.
  set(CMAKE_INSTALL_MANIFEST_FILES ${CMAKE_INSTALL_MANIFEST_FILES} "${entry}" PARENT_SCOPE)
endfunction()

install_entry(Zimpa.desktop.in "${CMAKE_INSTALL_PREFIX}/share/applications")
# The start-up scan at log-in is the user's choice: its entry waits in the program folder until
# it is copied into the autostart folder (see the README).
install_entry(Zimpa-Viewer-autostart.desktop.in "${folder}")
