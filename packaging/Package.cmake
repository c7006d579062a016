# The Debian package (`make package`): what `cmake --install` puts under /usr, with the package's
# dependencies worked out by dpkg-shlibdeps from the libraries the executables link. The menu, icon
# and file-type caches are refreshed by the triggers of the packages that own them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarnowick)
set(CPACK_PACKAGE_VENDOR "Tarnowick")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# dpkg-shlibdeps does not see libgit2, which is loaded at the first merge: Debian names its package
# after its SONAME (libgit2.so.1.5: libgit2-1.5).
string(REGEX REPLACE "^libgit2\\.so\\." "libgit2-" CPACK_DEBIAN_PACKAGE_DEPENDS "${TW_LIBGIT2_SONAME}")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(TW_MAINTAINER "Tarnowick maintainers <maintainers@tarnowick.invalid>" CACHE STRING "The package's maintainer")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TW_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "form designer for 160x160 handheld applications")
# The first line of the control file's description is the summary; CPack indents the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tarnowick lays out forms on a picture of a handheld's 160x160 monochrome
screen, saves forms (.twk) and projects (.twp), and generates the
application's source code for the CControls or PToolboxLib control library.

The tarnowick command also generates code, draws forms as PNG pictures and
resaves forms without a display.")

# Only the shipped programs are built for the package, not the tests: `make package` builds this
# target, then runs cpack. The designer may be a program of its own beside the command line.
add_custom_target(tw_shipped)
cmake_language(DEFER CALL tw_ship_programs)
function(tw_ship_programs)
  foreach(program tarnowick tarnowick-designer)
    if(TARGET ${program})
      install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
      add_dependencies(tw_shipped ${program})
      # Whatever builds a program makes the man page that its installation copies.
      add_dependencies(${program} tw_manpage)
    endif()
  endforeach()
endfunction()

include(CPack)
