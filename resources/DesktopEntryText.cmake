# Text as a desktop entry holds it, after the desktop entry format's rules for values.

# A value of the string type (Path): backslash, line ends and tabs as escapes, so the value
# stays on its line and reads back as it was.
function(desktop_entry_string out text)
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE "\n" "\\n" text "${text}")
  string(REPLACE "\r" "\\r" text "${text}")
  string(REPLACE "\t" "\\t" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Text inside a double-quoted argument of Exec: '"', "`", "$" and "\" take a backslash there and
# "%" is doubled, so that no character of a folder's name is read as a field code, a quote's end
# or anything a shell would expand; then the whole is a string value like any other.
function(desktop_entry_quoted_argument out text)
  string(REPLACE "\\" "\\\\" text "${text}")
  foreach(reserved "\"" "`" "$")
    string(REPLACE "${reserved}" "\\${reserved}" text "${text}")
  endforeach()
  string(REPLACE "%" "%%" text "${text}")
  desktop_entry_string(text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()
