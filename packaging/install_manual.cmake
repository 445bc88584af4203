# Run at install time: the manual page with the help page's path under this install's prefix
# (`cmake --install --prefix`, or /usr in the package), which the build cannot know.
# Expects LUMARO_MANUAL (the page configured at build time), LUMARO_DOCDIR and LUMARO_MANDIR (relative
# to the prefix).
set(LUMARO_INSTALLED_DOCDIR "${CMAKE_INSTALL_PREFIX}/${LUMARO_DOCDIR}")
get_filename_component(folder "${LUMARO_MANUAL}" DIRECTORY)
set(page "${folder}/installed/lumaro.1")
configure_file("${LUMARO_MANUAL}" "${page}" @ONLY)
# gzip without a time stamp, as Debian wants it, so that builds are reproducible.
execute_process(COMMAND gzip -9nf "${page}" COMMAND_ERROR_IS_FATAL ANY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${LUMARO_MANDIR}/man1" TYPE FILE FILES "${page}.gz")
