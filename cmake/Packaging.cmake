# The Debian package (make package): the executables, the shipped files and the desktop
# integration, installed under /usr. Its dependencies are the libraries the executables link
# (found by dpkg-shlibdeps: the Qt 6 runtime and the C++ runtime), Qt's platform plugins and a
# Japanese font.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kavora2)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Kavora II developers <kavora2@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "CASL II workbench: write, assemble and run programs on a simulated COMET II")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The long description under the summary line, wrapped for dpkg's 80 columns.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Kavora II is a workbench for learning CASL II and the COMET II computer of the\n"
       "Japanese national information-technology engineer examinations: a structured\n"
       "editor that checks and colours every line, an assembler and linker, and a\n"
       "simulator that runs a program at once, traced, or step by step with registers,\n"
       "flags, stack and memory in view. kavora2-cli assembles and runs programs on the\n"
       "command line.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic | fonts-noto-cjk")
include(CPack)
