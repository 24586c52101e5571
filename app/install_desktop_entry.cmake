# Runs at install time: writes the desktop menu entry with the full path of
# the installed program, for whatever prefix (and DESTDIR) this install uses.
# Set by the install rule: VELMORA_DESKTOP_TEMPLATE, VELMORA_DESKTOP_BUILT,
# VELMORA_BINDIR and VELMORA_DATADIR (relative to the prefix, or absolute).
foreach(dir IN ITEMS VELMORA_BINDIR VELMORA_DATADIR)
  if(NOT IS_ABSOLUTE "${${dir}}")
    set(${dir} "${CMAKE_INSTALL_PREFIX}/${${dir}}")
  endif()
endforeach()
set(VELMORA_INSTALLED_BINARY "${VELMORA_BINDIR}/velmora")
configure_file("${VELMORA_DESKTOP_TEMPLATE}" "${VELMORA_DESKTOP_BUILT}" @ONLY)
file(INSTALL DESTINATION "${VELMORA_DATADIR}/applications" TYPE FILE FILES "${VELMORA_DESKTOP_BUILT}")
