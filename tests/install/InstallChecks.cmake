# What the install test checks, one function for each thing a desktop reads. A failed check is
# recorded and the test goes on, so that one run reports everything that is wrong.

function(record_failure text)
  set_property(GLOBAL APPEND PROPERTY install_failures "${text}")
endfunction()

function(report_failures)
  get_property(failures GLOBAL PROPERTY install_failures)
  if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "The install is wrong:\n  ${text}")
  endif()
endfunction()

# Whether the file is there; a failure when not.
function(check_installed file out)
  if(EXISTS "${file}")
    set(${out} TRUE PARENT_SCOPE)
  else()
    record_failure("not installed: ${file}")
    set(${out} FALSE PARENT_SCOPE)
  endif()
endfunction()

# Runs the build's install rules, as `cmake --install` does, under the prefix (and DESTDIR
# when one is given). Not `cmake --install` itself: that keeps its list of installed files in
# the build folder, which a test must not write to.
function(install_build prefix destdir)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env "DESTDIR=${destdir}" ${CMAKE_COMMAND}
            "-DCMAKE_INSTALL_PREFIX=${prefix}" -P "${ZIMPA_BINARY_DIR}/resources/cmake_install.cmake"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "The install under '${prefix}' failed:\n${output}")
  endif()
endfunction()

# What the installs above leave out, since no prefix holds it in a valid entry: a backslash, four
# of them inside Exec's quotes, two in a string; a tab and a line end as the escapes "\t" and
# "\n", never breaking the line.
function(check_escapes_of_what_no_prefix_holds)
  include("${ZIMPA_SOURCE_DIR}/resources/DesktopEntryText.cmake")
  set(text "a\\b\tc\nd")
  desktop_entry_quoted_argument(quoted "${text}")
  desktop_entry_string(plain "${text}")
  if(NOT quoted STREQUAL [=[a\\\\b\tc\nd]=] OR NOT plain STREQUAL [=[a\\b\tc\nd]=])
    record_failure("'${text}' escapes as '${quoted}' in Exec and '${plain}' in a string")
  endif()
endfunction()

# The entry passes desktop-file-validate without a word.
function(check_entry file)
  check_installed("${file}" there)
  if(NOT there)
    return()
  endif()
  execute_process(COMMAND desktop-file-validate "${file}" RESULT_VARIABLE result
                  OUTPUT_VARIABLE said ERROR_VARIABLE said)
  if(NOT result EQUAL 0 OR said)
    record_failure("desktop-file-validate ${file}:\n${said}")
  endif()
endfunction()

# The file holds the line, whole. One line a call: a list of them would break at each ";".
function(expect_line file line)
  file(READ "${file}" text)
  string(FIND "\n${text}" "\n${line}\n" at)
  if(at LESS 0)
    record_failure("${file} has no line '${line}'")
  endif()
endfunction()

# Both entries, valid, naming the program folder as given, and the icon by its theme name.
function(check_entries root folder exec_folder path_folder)
  set(entry "${root}/share/applications/Zimpa.desktop")
  set(autostart "${folder}/Zimpa-Viewer-autostart.desktop")
  check_entry("${entry}")
  expect_line("${entry}" "Exec=\"${exec_folder}/Zimpa\"")
  expect_line("${entry}" "Path=${path_folder}")
  expect_line("${entry}" "Icon=zimpa")
  expect_line("${entry}" "StartupWMClass=Zimpa")
  check_entry("${autostart}")
  expect_line("${autostart}" "Exec=\"${exec_folder}/Viewer\" -S")
  expect_line("${autostart}" "Path=${path_folder}")
  expect_line("${autostart}" "Icon=zimpa")
endfunction()

function(check_program_folder folder)
  foreach(name Zimpa Viewer Zimpa.hlp nevnap.data unnep.data time.list task.list memo.list
          time/template task/template memo/template Zimpa-Viewer-autostart.desktop)
    check_installed("${folder}/${name}" there)
  endforeach()
endfunction()

# The picture at each size in the hicolor theme, a PNG of that many pixels each way.
function(check_icons prefix name)
  foreach(size IN LISTS ARGN)
    set(icon "${prefix}/share/icons/hicolor/${size}x${size}/apps/${name}.png")
    check_installed("${icon}" there)
    if(NOT there)
      continue()
    endif()
    file(READ "${icon}" signature LIMIT 8 HEX)
    file(READ "${icon}" dimensions OFFSET 16 LIMIT 8 HEX)
    string(SUBSTRING "${dimensions}" 0 8 width)
    string(SUBSTRING "${dimensions}" 8 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL size OR NOT height EQUAL size)
      record_failure("${icon} is not a PNG of ${size} by ${size} pixels")
    endif()
  endforeach()
endfunction()

# The metainfo passes appstreamcli's strict validation of the installed tree (which looks for
# the entry it names there too) and speaks Hungarian.
function(check_metainfo prefix id entry)
  set(file "${prefix}/share/metainfo/${id}.metainfo.xml")
  check_installed("${file}" there)
  if(NOT there)
    return()
  endif()
  execute_process(COMMAND appstreamcli validate-tree --no-net --strict "${prefix}"
                  RESULT_VARIABLE result OUTPUT_VARIABLE said ERROR_VARIABLE said)
  if(NOT result EQUAL 0)
    record_failure("appstreamcli validate-tree ${prefix}:\n${said}")
  endif()
  file(READ "${file}" text)
  foreach(expected "<launchable type=\"desktop-id\">${entry}</launchable>" "<name>Zimpa</name>"
          "<summary>Időpontok, feladatok, feljegyzések, névnapok és ünnepek</summary>"
          "<caption>" "névnap")
    string(FIND "${text}" "${expected}" at)
    if(at LESS 0)
      record_failure("${file} holds no '${expected}'")
    endif()
  endforeach()
endfunction()
