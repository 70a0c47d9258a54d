# What `cmake --install` puts where, and the Debian package CPack makes of it (scripts/package).
# The files themselves are in packaging/; the icons in pixels, the manual page and the changelog
# are made from them at build time.
include(GNUInstallDirs)

find_program(RSVG_CONVERT rsvg-convert REQUIRED)  # Debian package librsvg2-bin
find_program(GZIP gzip REQUIRED)

set(VITTLON_PACKAGING "${PROJECT_SOURCE_DIR}/packaging")
set(VITTLON_PACKAGING_OUT "${PROJECT_BINARY_DIR}/packaging")
# Debian's tools look for the documentation under the package's name, not the project's.
set(VITTLON_DOCDIR "${CMAKE_INSTALL_DATAROOTDIR}/doc/vittlon")

# The changelog's newest entry is the release: its version must be the project's, and its date
# goes into the manual page and the software-centre entry.
file(STRINGS "${VITTLON_PACKAGING}/changelog" changelog_lines)
list(GET changelog_lines 0 changelog_head)
if(NOT changelog_head MATCHES "^vittlon \\(([^)]+)\\)" OR NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "packaging/changelog begins with \"${changelog_head}\": give version "
    "${PROJECT_VERSION} an entry at its top")
endif()
set(changelog_date_pattern
  "^ -- .*  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
foreach(line IN LISTS changelog_lines)
  if(line MATCHES "${changelog_date_pattern}")
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(FIND months "${CMAKE_MATCH_2}" month)
    if(month LESS 0)
      message(FATAL_ERROR "packaging/changelog: no month \"${CMAKE_MATCH_2}\" in \"${line}\"")
    endif()
    math(EXPR month "${month} + 1" OUTPUT_FORMAT DECIMAL)
    string(LENGTH "${month}" digits)
    if(digits EQUAL 1)
      set(month "0${month}")
    endif()
    set(VITTLON_RELEASE_DATE "${CMAKE_MATCH_3}-${month}-${CMAKE_MATCH_1}")
    break()
  endif()
endforeach()
if(NOT VITTLON_RELEASE_DATE)
  message(FATAL_ERROR "packaging/changelog: the newest entry has no \" -- name <mail>  date\" line")
endif()

configure_file("${VITTLON_PACKAGING}/vittlon.1.in" "${VITTLON_PACKAGING_OUT}/vittlon.1" @ONLY)
configure_file("${VITTLON_PACKAGING}/org.vittlon.Vittlon.metainfo.xml.in"
  "${VITTLON_PACKAGING_OUT}/org.vittlon.Vittlon.metainfo.xml" @ONLY)
configure_file("${VITTLON_PACKAGING}/changelog" "${VITTLON_PACKAGING_OUT}/changelog" COPYONLY)

# -n leaves out the file's name and time, so that the same text always gives the same bytes.
set(gzipped)
foreach(name vittlon.1 changelog)
  add_custom_command(OUTPUT "${VITTLON_PACKAGING_OUT}/${name}.gz"
    COMMAND "${GZIP}" -9 -n -k -f "${name}"
    DEPENDS "${VITTLON_PACKAGING_OUT}/${name}"
    WORKING_DIRECTORY "${VITTLON_PACKAGING_OUT}"
    COMMENT "Compressing ${name}"
    VERBATIM)
  list(APPEND gzipped "${VITTLON_PACKAGING_OUT}/${name}.gz")
endforeach()

# The icon in the two pixel sizes desktops look for first, drawn from the SVG.
set(icons)
foreach(size 48 256)
  set(png "${VITTLON_PACKAGING_OUT}/icons/${size}x${size}/vittlon.png")
  add_custom_command(OUTPUT "${png}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${VITTLON_PACKAGING_OUT}/icons/${size}x${size}"
    COMMAND "${RSVG_CONVERT}" --width ${size} --height ${size} --output "${png}"
            "${VITTLON_PACKAGING}/vittlon.svg"
    DEPENDS "${VITTLON_PACKAGING}/vittlon.svg"
    COMMENT "Drawing the ${size} px icon"
    VERBATIM)
  list(APPEND icons "${png}")
  install(FILES "${png}" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps")
endforeach()

add_custom_target(vittlon_packaging_files ALL DEPENDS ${icons} ${gzipped})

# Directories the install creates are 0755, not the 0775 that mkdir leaves under a umask of 002.
# (mkdir applies the umask to this too: scripts/package sets 022 against a stricter one.)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS vittlon RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
install(FILES "${VITTLON_PACKAGING}/vittlon.desktop"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${VITTLON_PACKAGING}/vittlon.svg"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
install(FILES "${VITTLON_PACKAGING_OUT}/org.vittlon.Vittlon.metainfo.xml"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES "${VITTLON_PACKAGING_OUT}/vittlon.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
install(FILES "${VITTLON_PACKAGING}/copyright" "${VITTLON_PACKAGING_OUT}/changelog.gz"
  DESTINATION "${VITTLON_DOCDIR}")

# The Debian package (cpack -G DEB). CPack installs the files above under /usr, strips the
# binary and writes the md5sums; every file in the archive belongs to root.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vittlon)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Vittlon developers")
set(CPACK_PACKAGE_CONTACT "Vittlon developers <dev@vittlon.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://vittlon.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "nourishment label printing for a care facility's dietary office")
set(CPACK_PACKAGE_DESCRIPTION [=[
Vittlon prints the adhesive labels for residents' between-meal nourishments
(10am, 2pm, 3pm and bedtime), tray labels and free-text labels on sheet label
stock, with a live preview of every sheet. It reads the resident-records
system's files from a shared folder tree and keeps a weekly snack list that it
prints as a one-page menu.

It prints to CUPS printers or to PDF files, from its windows or unattended
from a scheduled job (vittlon --print), and keeps a report of every run: what
was printed, and which residents got no label and why.]=])
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # vittlon_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)  # control and md5sums 0644
# dpkg-shlibdeps names the libraries' packages; the fonts are the ones the program maps the
# labels' fonts to, which no library pulls in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core")
# The makers' label sheet catalogue behind "Label Stock...": the program works without it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "glabels-data")
include(CPack)
