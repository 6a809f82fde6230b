# What `cmake --install` puts on a machine, and the .deb CPack packs from it.
include(GNUInstallDirs)

set(PELKO_APP_ID de.pelkomorvelt.PelkoMorvelt)
set(PELKO_PACKAGE pelko-morvelt)
set(PELKO_CONTACT "Pelko-Morvelt maintainers <maintainers@pelkomorvelt.de>")
set(PELKO_HOMEPAGE "https://pelkomorvelt.de/")

# Whatever the umask of the machine that packs: Debian wants 0755 folders.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS pelko-morvelt RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} BUNDLE DESTINATION .)
install(TARGETS pelko-speech LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/pelko-morvelt)

# The freedesktop.org menu entry, metadata and icon, and the Debian documents: Linux and the BSDs only.
if(UNIX AND NOT APPLE)
    set(here ${CMAKE_CURRENT_LIST_DIR})
    install(FILES ${here}/${PELKO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${here}/${PELKO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${here}/${PELKO_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

    # The changelog and the metainfo name the version the package carries; a version raised in one place
    # only would ship a package that contradicts itself.
    file(STRINGS ${here}/changelog top LIMIT_COUNT 1)
    if(NOT top MATCHES "^${PELKO_PACKAGE} \\(${PROJECT_VERSION}\\) ")
        message(FATAL_ERROR "packaging/changelog starts with \"${top}\", not with version ${PROJECT_VERSION}")
    endif()
    file(STRINGS ${here}/${PELKO_APP_ID}.metainfo.xml release REGEX "<release " LIMIT_COUNT 1)
    if(NOT release MATCHES "version=\"${PROJECT_VERSION}\"")
        message(FATAL_ERROR "the newest release in the metainfo is \"${release}\", not version ${PROJECT_VERSION}")
    endif()

    # Debian wants manual pages and changelogs compressed, without a name or time stamp in them.
    find_program(GZIP gzip REQUIRED)
    set(packed)
    foreach(doc pelko-morvelt.1 de/pelko-morvelt.1 changelog)
        set(out ${CMAKE_CURRENT_BINARY_DIR}/packaging/${doc}.gz)
        add_custom_command(OUTPUT ${out}
                           COMMAND ${CMAKE_COMMAND} -E copy ${here}/${doc} ${CMAKE_CURRENT_BINARY_DIR}/packaging/${doc}
                           COMMAND ${GZIP} -9nf ${CMAKE_CURRENT_BINARY_DIR}/packaging/${doc}
                           DEPENDS ${here}/${doc} VERBATIM)
        list(APPEND packed ${out})
    endforeach()
    add_custom_target(packaging_docs ALL DEPENDS ${packed})
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/pelko-morvelt.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/de/pelko-morvelt.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man1)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz ${here}/copyright
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${PELKO_PACKAGE})
endif()

set(CPACK_PACKAGE_NAME ${PELKO_PACKAGE})
set(CPACK_PACKAGE_VENDOR "Pelko-Morvelt developers")
set(CPACK_PACKAGE_CONTACT ${PELKO_CONTACT})
set(CPACK_PACKAGE_HOMEPAGE_URL ${PELKO_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "learning game: adding and subtracting with dice and a number line")
set(CPACK_PACKAGE_DESCRIPTION "\
A desktop learning game in German for primary-school children who practise
adding and subtracting in number ranges of one hundred, from 0-100 up to
900-1000. Two children take turns: a task of a number plus or minus one to
three dice is answered by setting an arrow on a number line, and a dice roll
makes the next task from the answer. A number memory and a number catching
game reward correct answers; worksheets with tasks and solutions can be
printed or copied.")
set(CPACK_STRIP_FILES ON)

if(UNIX AND NOT APPLE)
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_PACKAGE_NAME ${PELKO_PACKAGE})
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION education)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    # The linked libraries come from dpkg-shlibdeps; Qt loads its X11 platform plugin at run time, and the
    # windows name the fonts of these two packages.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # Reading aloud goes through speech-dispatcher, whose Qt plugin is loaded at run time too.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-speech-speechd-plugin, fonts-liberation, fonts-dejavu-core")
    # Qt's own texts, such as the slider's context menu, in German; a speech service with German voices.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, speech-dispatcher, speech-dispatcher-espeak-ng")
endif()
include(CPack)
