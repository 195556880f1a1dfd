cmake_minimum_required(VERSION 3.25)
# Builds the Debian package into a scratch folder and checks what a user's
# dpkg would see: every installed file under the one id, and run-time
# dependencies that name the Qt libraries the program links plus the X
# platform plugin it loads.
# Usage: cmake -DBUILD_DIR=... -DSTAGE=... -DAPP_ID=... -P CheckDeb.cmake
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND cpack -G DEB -B ${STAGE} --config ${BUILD_DIR}/CPackConfig.cmake
  RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cpack failed: ${log}")
endif()
file(GLOB deb ${STAGE}/kestrin_*.deb)
list(LENGTH deb count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one package in ${STAGE}, found ${count}")
endif()

execute_process(COMMAND dpkg-deb --field ${deb} Package Version Depends Section
  OUTPUT_VARIABLE fields RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "dpkg-deb cannot read ${deb}")
endif()
# The version and the file name say which release the package is for.
cmake_host_system_information(RESULT os_id QUERY DISTRIB_ID)
cmake_host_system_information(RESULT os_version QUERY DISTRIB_VERSION_ID)
set(release "")
if(os_id STREQUAL "debian" AND os_version)
  set(release "~deb${os_version}")
  if(NOT deb MATCHES "/kestrin_[0-9.]+~deb${os_version}_[a-z0-9]+\\.deb$")
    message(SEND_ERROR "the package's file name does not name Debian ${os_version}: ${deb}")
  endif()
endif()
foreach(text "Package: kestrin" "Version: ${VERSION}${release}\n" "Section: education"
             "libqt6widgets6" "libqt6gui6" "libqt6core6" "libstdc++6" "qt6-qpa-plugins" "libasound2")
  string(FIND "${fields}" "${text}" at)
  if(at EQUAL -1)
    message(SEND_ERROR "package control lacks '${text}':\n${fields}")
  endif()
endforeach()
# The tone needs no multimedia framework; linking one costs every start-up.
string(FIND "${fields}" "libqt6multimedia" at)
if(NOT at EQUAL -1)
  message(SEND_ERROR "the package pulls in Qt Multimedia:\n${fields}")
endif()

execute_process(COMMAND dpkg-deb --contents ${deb} OUTPUT_VARIABLE contents)
set(expected
  ./usr/bin/kestrin
  ./usr/share/applications/${APP_ID}.desktop
  ./usr/share/metainfo/${APP_ID}.metainfo.xml
  ./usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg)
foreach(size 16 24 32 48 64 128 256)
  list(APPEND expected ./usr/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(path ${expected})
  string(FIND "${contents}" " ${path}\n" at)
  if(at EQUAL -1)
    message(SEND_ERROR "package lacks ${path}")
  endif()
endforeach()
# Nothing from the build or source tree may travel with the program.
if(contents MATCHES "\\.(cpp|h|o|a|cmake)\n|/tests?/|CMakeFiles")
  message(SEND_ERROR "package holds build files:\n${contents}")
endif()
