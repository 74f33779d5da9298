# What an installation of Rigvet holds, and the Debian package that CPack makes of it from the
# release build (scripts/package). Rigvet keeps no state, so the package has no maintainer
# scripts: removing it leaves nothing but what a run leaves (its work folder, a log file).

# The AppStream id, in the reverse-DNS form that AppStream asks for, on the project's own domain.
set(RIGVET_APPSTREAM_ID invalid.rigvet.rigvet)
set(RIGVET_MAINTAINER "The Rigvet developers <dev@rigvet.invalid>")
set(doc_folder ${CMAKE_INSTALL_DATADIR}/doc/rigvet)
set(made_folder ${CMAKE_BINARY_DIR}/package-files)

install(TARGETS rigvet-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Where a distribution keeps helper programs; the front ends look there relative to their own
# folder (src/support/InstallLayout.cpp).
install(TARGETS rigvet-dxdiag RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/rigvet)
# The HTTPS client, loaded by the clock step, with the private libraries; the front ends look
# there relative to their own folder too. A module is read, not run: no execute permission. Kept
# out of the linker's own folders, so that the package needs no ldconfig run.
install(TARGETS rigvet_time_client LIBRARY DESTINATION ${RIGVET_MODULE_INSTALL_DIR}
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(FILES ${RIGVET_MAN_DIR}/rigvet-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(TARGET rigvet)
    install(TARGETS rigvet RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${RIGVET_MAN_DIR}/rigvet.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${PROJECT_SOURCE_DIR}/res/rigvet.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${PROJECT_SOURCE_DIR}/res/rigvet-icon.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps RENAME rigvet.png)
    install(FILES ${PROJECT_SOURCE_DIR}/res/rigvet-icon.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME rigvet.svg)
    configure_file(${PROJECT_SOURCE_DIR}/res/rigvet.metainfo.xml.in
                   ${made_folder}/${RIGVET_APPSTREAM_ID}.metainfo.xml @ONLY)
    install(FILES ${made_folder}/${RIGVET_APPSTREAM_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# The copyright file in Debian's machine-readable form, with the licence text of LICENSE itself.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(FIND "${licence}" "Permission is hereby granted" licence_start)
string(SUBSTRING "${licence}" ${licence_start} -1 licence_text)
string(STRIP "${licence_text}" licence_text)
string(REGEX REPLACE "\n\n" "\n.\n" licence_text "${licence_text}")
string(REGEX REPLACE "\n" "\n " licence_text "${licence_text}")
file(WRITE ${made_folder}/copyright
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Rigvet
Upstream-Contact: ${RIGVET_MAINTAINER}
Comment: The programs contain nlohmann-json (MIT), CLI11 (BSD-3-Clause) and pugixml (MIT),
 and use cpprestsdk, OpenSSL and Qt 6 as shared libraries of the distribution. Their
 notices are in THIRD-PARTY-NOTICES.md.gz beside this file.

Files: *
Copyright: 2026 The Rigvet developers
License: Expat
 ${licence_text}
")

# The package's changelog: one entry for this release. Rigvet is its own upstream (a native
# package), so the file is changelog.gz.
execute_process(COMMAND date -u -R -d "${RIGVET_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE release_time OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
file(WRITE ${made_folder}/changelog
"rigvet (${PROJECT_VERSION}) unstable; urgency=medium

  * Release ${PROJECT_VERSION}.

 -- ${RIGVET_MAINTAINER}  ${release_time}
")
# Documentation larger than a few kilobytes is kept compressed, as Debian does; -n leaves the name
# and time out so that the same text always gives the same bytes.
foreach(name IN ITEMS changelog THIRD-PARTY-NOTICES.md)
    set(source ${made_folder}/${name})
    if(name STREQUAL "THIRD-PARTY-NOTICES.md")
        set(source ${PROJECT_SOURCE_DIR}/${name})
    endif()
    add_custom_command(
        OUTPUT ${made_folder}/${name}.gz
        COMMAND gzip -9 -n -c ${source} > ${made_folder}/${name}.gz
        DEPENDS ${source})
    list(APPEND compressed_docs ${made_folder}/${name}.gz)
endforeach()
add_custom_target(rigvet_package_docs ALL DEPENDS ${compressed_docs})
install(FILES ${made_folder}/copyright ${compressed_docs} DESTINATION ${doc_folder})
install(FILES ${PROJECT_SOURCE_DIR}/res/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME rigvet)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rigvet)
set(CPACK_PACKAGE_VENDOR "The Rigvet developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${RIGVET_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "PC qualification test for Stimora 3.0 and Fieldora 1.0")
set(CPACK_PACKAGE_DESCRIPTION
    "Rigvet tells a lab whether a PC can run Stimora 3.0 and Fieldora 1.0
experiments. It checks the display adapter, the sound device, the memory, the
free disk space and, with the user's consent, the accuracy of the system clock
against internet time, and shows PASS, FAIL or UNK for each requirement.
.
The package holds the dialog rigvet, the console program rigvet-cli for scripts
and fleet tools (text, JSON and CSV output), and the diagnostics collector they
run.")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs load, as dpkg-shlibdeps finds them in the binaries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the collector uses when present: the Vulkan loader and drivers for the display adapters'
# feature levels, and the PCI id list for their names. Without them the display reads as FAIL
# with a reason that names the package.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libvulkan1, mesa-vulkan-drivers, pci.ids")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
