cmake_minimum_required(VERSION 3.25)
# Installs the build into a scratch prefix and checks that a desktop finds
# everything under the one application id: program, entry, metainfo, icons.
# Usage: cmake -DBUILD_DIR=... -DSTAGE=... -DAPP_ID=... -P CheckInstall.cmake
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE}
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(share ${STAGE}/share)
set(expected
  ${STAGE}/bin/kestrin
  ${share}/applications/${APP_ID}.desktop
  ${share}/metainfo/${APP_ID}.metainfo.xml
  ${share}/icons/hicolor/scalable/apps/${APP_ID}.svg)
foreach(size 16 24 32 48 64 128 256)
  list(APPEND expected ${share}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(path ${expected})
  if(NOT EXISTS ${path})
    message(SEND_ERROR "not installed: ${path}")
  endif()
endforeach()

file(STRINGS ${share}/applications/${APP_ID}.desktop entry)
foreach(line "Icon=${APP_ID}" "Exec=kestrin")
  if(NOT line IN_LIST entry)
    message(SEND_ERROR "desktop entry lacks '${line}'")
  endif()
endforeach()
file(READ ${share}/metainfo/${APP_ID}.metainfo.xml metainfo)
foreach(text "<id>${APP_ID}</id>" "desktop-id\">${APP_ID}.desktop<" "<binary>kestrin</binary>")
  string(FIND "${metainfo}" "${text}" at)
  if(at EQUAL -1)
    message(SEND_ERROR "metainfo lacks '${text}'")
  endif()
endforeach()

foreach(size 16 24 32 48 64 128 256)
  file(READ ${share}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png header LIMIT 24 HEX)
  # PNG width and height are big-endian words at bytes 16 and 20.
  math(EXPR want "${size}" OUTPUT_FORMAT HEXADECIMAL)
  string(SUBSTRING "${header}" 32 16 dims)
  string(REGEX REPLACE "^0x" "" hex "${want}")
  string(LENGTH "${hex}" len)
  math(EXPR pad "8 - ${len}")
  string(REPEAT "0" ${pad} zeros)
  if(NOT dims STREQUAL "${zeros}${hex}${zeros}${hex}")
    message(SEND_ERROR "icon ${size}x${size} has the wrong size (${dims})")
  endif()
endforeach()
