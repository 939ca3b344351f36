# Installs the build as `cmake --install` does, in a temporary folder of its own, and checks what a
# desktop finds there: the program folder, the two desktop entries (valid and naming the folder
# for a prefix with reserved characters too, and for a staged install), the metainfo and the
# icon theme. The build folder must come out of it unchanged.
# Given: ZIMPA_SOURCE_DIR, ZIMPA_BINARY_DIR.
include("${CMAKE_CURRENT_LIST_DIR}/InstallChecks.cmake")
include("${CMAKE_CURRENT_LIST_DIR}/RunLeftoversTest.cmake")

foreach(tool desktop-file-validate appstreamcli)
  find_program(found_${tool} ${tool})
  if(NOT found_${tool})
    message(FATAL_ERROR "${tool} is missing: bash scripts/setup.sh test installs it")
  endif()
endforeach()

execute_process(COMMAND mktemp -d -t zimpa-install-XXXXXX OUTPUT_VARIABLE work
                OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE made)
# The expected entries below spell the folder out: it must need no escaping of its own.
if(NOT made EQUAL 0 OR NOT work MATCHES "^[A-Za-z0-9_./-]+$")
  message(FATAL_ERROR "No plain temporary folder for the install: '${work}'")
endif()
file(WRITE "${work}/before-install" "")

# Every printable character the desktop entry format reserves in a command line, and
# "%", but "\": CMake's install takes that for a folder separator, so no prefix holds one. (Tabs
# and line ends, reserved too, are control characters, which no entry's value may hold.)
set(reserved [=[a b$c"d'e`f%g;h#i~j&k(l)m*n?o<p>q|r]=])
set(prefix "${work}/${reserved}")
install_build("${prefix}" "")
set(folder "${prefix}/lib/zimpa")
# Inside the command's double quotes, "$", '"', "`" and "\" take a backslash, which the entry's
# string escaping doubles; "%" is doubled. Path is a plain string.
set(exec_folder [=[a b\\$c\\"d'e\\`f%%g;h#i~j&k(l)m*n?o<p>q|r]=])
set(path_folder [=[a b$c"d'e`f%g;h#i~j&k(l)m*n?o<p>q|r]=])
set(exec_folder "${work}/${exec_folder}/lib/zimpa")
set(path_folder "${work}/${path_folder}/lib/zimpa")
check_escapes_of_what_no_prefix_holds()

check_entries("${prefix}" "${folder}" "${exec_folder}" "${path_folder}")
check_program_folder("${folder}")
check_icons("${prefix}" zimpa 16 22 24 32 48 64 128)
check_metainfo("${prefix}" hu.zimpa.Zimpa Zimpa.desktop)

# A staged install lays everything under DESTDIR, and the entries name the final folder.
set(final "${work}/final")
install_build("${final}" "${work}/stage")
set(staged "${work}/stage${final}")
if(EXISTS "${final}")
  record_failure("a staged install wrote into its final folder ${final}")
endif()
check_entries("${staged}" "${staged}/lib/zimpa" "${final}/lib/zimpa" "${final}/lib/zimpa")
check_program_folder("${staged}/lib/zimpa")
check_icons("${staged}" zimpa 16 22 24 32 48 64 128)

# Nothing but the destination changes; other tests write their pictures under tests/ meanwhile.
execute_process(
  COMMAND find "${ZIMPA_BINARY_DIR}" ( -path "${ZIMPA_BINARY_DIR}/Testing" -o -path
          "${ZIMPA_BINARY_DIR}/tests" ) -prune -o -newer "${work}/before-install" -print
  OUTPUT_VARIABLE touched)
if(touched)
  record_failure("the install changed the build folder:\n${touched}")
endif()

check_run_leftovers("${work}/leftovers")

file(REMOVE_RECURSE "${work}")
report_failures()
