# What `cmake --install` and the package put on a machine, under the GNU directories.
include(GNUInstallDirs)

# Installs FILE (relative to the source tree) into DESTINATION when the tree has it: the desktop
# files arrive one by one, and a tree without one must still install the rest.
function(tamo_install_if_present file destination)
  if(EXISTS ${PROJECT_SOURCE_DIR}/${file})
    install(FILES ${PROJECT_SOURCE_DIR}/${file} DESTINATION ${destination})
  endif()
endfunction()

install(TARGETS tamo-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
tamo_install_if_present(docs/tamo-cli.1 ${CMAKE_INSTALL_MANDIR}/man1)

if(TARGET tamo)
  install(TARGETS tamo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # tamo-cli finds its map painter here (see src/cli).
  install(TARGETS tamo_map_painter LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/tamo)
  if(EXISTS ${PROJECT_SOURCE_DIR}/data/tamo.desktop)
    tamo_install_if_present(data/tamo.desktop ${CMAKE_INSTALL_DATADIR}/applications)
  else()
    tamo_install_if_present(src/gui/tamo.desktop ${CMAKE_INSTALL_DATADIR}/applications)
  endif()
  tamo_install_if_present(data/tamo.xml ${CMAKE_INSTALL_DATADIR}/mime/packages)
  tamo_install_if_present(data/tamo.svg ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
