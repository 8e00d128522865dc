# What ships, and where `cmake --install` puts it. Components let each package
# take its own part: `cli` is the command-line tool with its manual page, MIME
# type and documents; on Windows `windows` is the two programs side by side.
include(GNUInstallDirs)

if(WIN32)
    install(TARGETS Murkvale murkvale RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT windows)
else()
    install(TARGETS murkvale RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT cli)
    # The manual page belongs to the command line: option changes update it too.
    install(FILES cli/murkvale.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT cli)
    install(FILES packaging/murkvale.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
            COMPONENT cli)
    install(FILES packaging/copyright packaging/changelog
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/murkvale COMPONENT cli)
endif()
