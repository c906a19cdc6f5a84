# Installs the build into a temporary DESTDIR the way a packager does and checks what arrived: the
# program, its help, the desktop entry, the icons and the AppStream file, the last two through the
# freedesktop validators. Run by CTest:
#   cmake -DBUILD_DIR=... -DSTAGE_DIR=... -DAPP_ID=... -P InstallCheck.cmake
foreach(variable BUILD_DIR STAGE_DIR APP_ID)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "InstallCheck: ${variable} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE ${STAGE_DIR})
set(ENV{DESTDIR} ${STAGE_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

set(root ${STAGE_DIR}/usr)
set(expected
  bin/lunasoma
  share/lunasoma/Lunasoma.hlp
  share/lunasoma/Lunasoma.cnt
  share/applications/${APP_ID}.desktop
  share/icons/hicolor/48x48/apps/${APP_ID}.png
  share/icons/hicolor/128x128/apps/${APP_ID}.png
  share/icons/hicolor/scalable/apps/${APP_ID}.svg
  share/metainfo/${APP_ID}.metainfo.xml
  share/doc/lunasoma/copyright)
foreach(file ${expected})
  if(NOT EXISTS ${root}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
execute_process(COMMAND test -x ${root}/bin/lunasoma RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "bin/lunasoma is not executable")
endif()

# Debian 12's AppStream tools name the maker only from <developer_name>; the program calls its third
# cycle the mental one, and the package's texts say so too.
file(READ ${root}/share/metainfo/${APP_ID}.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<developer_name>[^<]+</developer_name>")
  message(FATAL_ERROR "the AppStream file names no <developer_name>")
endif()
if(metainfo MATCHES "intellectual")
  message(FATAL_ERROR "the AppStream file calls the mental cycle intellectual")
endif()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
find_program(APPSTREAMCLI appstreamcli REQUIRED)
execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${root}/share/applications/${APP_ID}.desktop
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR NOT output STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate:\n${output}")
endif()
execute_process(COMMAND ${APPSTREAMCLI} validate --no-net ${root}/share/metainfo/${APP_ID}.metainfo.xml
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate:\n${output}")
endif()
message(STATUS "installed files valid:\n${output}")
file(REMOVE_RECURSE ${STAGE_DIR})
