# Installing the program with its manual page and documents, and the Debian
# package made of the same files (cpack in the build folder).

include(GNUInstallDirs)
set(DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/vaskipiikkikisa)

# Debian keeps games in /usr/games, which is not in root's PATH: the package
# puts the program there with a link in bin/, and adds the package's changelog.
option(VASKI_DEBIAN_LAYOUT "Install as the Debian package has it" OFF)

# The manual page and the changelog are installed compressed, without a time
# stamp in the gzip header, as Debian has them.
set(COMPRESSED_DOCS)
set(DOCS vaskipiikkikisa.6 changelog)
if(VASKI_DEBIAN_LAYOUT)
  list(APPEND DOCS changelog.Debian)
endif()
foreach(doc ${DOCS})
  set(compressed ${CMAKE_CURRENT_BINARY_DIR}/doc/${doc}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/doc
    COMMAND gzip -9nc ${CMAKE_CURRENT_SOURCE_DIR}/doc/${doc} > ${compressed}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/doc/${doc} VERBATIM)
  list(APPEND COMPRESSED_DOCS ${compressed})
endforeach()
add_custom_target(docs ALL DEPENDS ${COMPRESSED_DOCS})

list(REMOVE_ITEM COMPRESSED_DOCS ${CMAKE_CURRENT_BINARY_DIR}/doc/vaskipiikkikisa.6.gz)
if(VASKI_DEBIAN_LAYOUT)
  install(TARGETS vaskipiikkikisa RUNTIME DESTINATION games)
  file(CREATE_LINK ../games/vaskipiikkikisa ${CMAKE_CURRENT_BINARY_DIR}/bin-link SYMBOLIC)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/bin-link DESTINATION ${CMAKE_INSTALL_BINDIR}
    RENAME vaskipiikkikisa)
else()
  install(TARGETS vaskipiikkikisa RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/doc/vaskipiikkikisa.6.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES README.md doc/copyright ${COMPRESSED_DOCS} DESTINATION ${DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vaskipiikkikisa)
set(CPACK_PACKAGE_VENDOR Vilkaro)
set(CPACK_PACKAGE_CONTACT "Vaskipiikkikisa maintainers <maintainers@users.noreply.c-seed-ee74f24d.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "score keeper for a darts evening, in Finnish")
set(CPACK_PACKAGE_DESCRIPTION "\
The operator types each thrower's points round by round at a text console;
after every round the standings and a block of statistics are shown. Games
can be saved and resumed, and an ended game is written to a dated results
file.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
