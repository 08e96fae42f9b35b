# Runs at install time (from cmake_install.cmake): writes the desktop entry
# and the thumbnailer entry with the installed programs' absolute paths and
# installs them. Set before: PIXMINT_TEMPLATES, PIXMINT_STAGE, PIXMINT_BINDIR,
# PIXMINT_DATADIR, PIXMINT_WITH_EDITOR.

function(pixmint_installed_path out dir)
  if(IS_ABSOLUTE "${dir}")
    set(${out} "${dir}" PARENT_SCOPE)
  else()
    set(${out} "${CMAKE_INSTALL_PREFIX}/${dir}" PARENT_SCOPE)
  endif()
endfunction()

# A program path as the first word of an Exec line: double-quoted, with the
# characters that need it escaped inside the quotes, percent signs doubled,
# then every backslash doubled once more by the entry's string escapes.
function(pixmint_exec_word out path)
  string(REPLACE "\\" "\\\\" word "${path}")
  string(REPLACE "\"" "\\\"" word "${word}")
  string(REPLACE "`" "\\`" word "${word}")
  string(REPLACE "$" "\\$" word "${word}")
  string(REPLACE "%" "%%" word "${word}")
  string(REPLACE "\\" "\\\\" word "${word}")
  set(${out} "\"${word}\"" PARENT_SCOPE)
endfunction()

# A plain string value (TryExec): only the string escapes.
function(pixmint_string_value out text)
  string(REPLACE "\\" "\\\\" value "${text}")
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

pixmint_installed_path(pixmint_bin "${PIXMINT_BINDIR}")
pixmint_installed_path(pixmint_data "${PIXMINT_DATADIR}")

pixmint_exec_word(PIXMINT_CLI_EXEC "${pixmint_bin}/pixmint-cli")
pixmint_string_value(PIXMINT_CLI_TRYEXEC "${pixmint_bin}/pixmint-cli")
configure_file("${PIXMINT_TEMPLATES}/pixmint.thumbnailer.in" "${PIXMINT_STAGE}/pixmint.thumbnailer" @ONLY)
file(INSTALL DESTINATION "${pixmint_data}/thumbnailers" TYPE FILE FILES "${PIXMINT_STAGE}/pixmint.thumbnailer")

if(PIXMINT_WITH_EDITOR)
  pixmint_exec_word(PIXMINT_EXEC "${pixmint_bin}/pixmint")
  pixmint_string_value(PIXMINT_TRYEXEC "${pixmint_bin}/pixmint")
  configure_file("${PIXMINT_TEMPLATES}/pixmint.desktop.in" "${PIXMINT_STAGE}/pixmint.desktop" @ONLY)
  file(INSTALL DESTINATION "${pixmint_data}/applications" TYPE FILE FILES "${PIXMINT_STAGE}/pixmint.desktop")
endif()
