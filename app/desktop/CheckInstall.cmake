# Installs the build into PREFIX and checks that every installed item is there and that the
# desktop entry passes desktop-file-validate when that tool is present.
#   cmake -DBUILD_DIR=... -DPREFIX=... -P CheckInstall.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${installed})")
endif()
set(items bin/orv5-analyser bin/orv5 share/applications/orv5-analyser.desktop
          share/icons/hicolor/scalable/apps/orv5-analyser.svg share/mime/packages/orv5-analyser.xml)
foreach(item IN LISTS items)
  if(NOT EXISTS "${PREFIX}/${item}")
    message(FATAL_ERROR "not installed: ${item}")
  endif()
endforeach()
find_program(validate desktop-file-validate)
if(validate)
  execute_process(COMMAND "${validate}" "${PREFIX}/share/applications/orv5-analyser.desktop"
                  RESULT_VARIABLE valid OUTPUT_VARIABLE said ERROR_VARIABLE said)
  if(NOT valid EQUAL 0 OR said MATCHES "error")
    message(FATAL_ERROR "desktop-file-validate: ${said}")
  endif()
else()
  message(STATUS "desktop-file-validate not found; the desktop entry was not validated")
endif()
# The file type must resolve to the analyser's type once the mime cache is built.
if(EXISTS "${PREFIX}/share/mime/packages/orv5-analyser.xml")
  file(READ "${PREFIX}/share/mime/packages/orv5-analyser.xml" mime)
  if(NOT mime MATCHES "\\*\\.Orv5Save")
    message(FATAL_ERROR "the mime entry does not claim *.Orv5Save")
  endif()
endif()
message(STATUS "installed: ${items}")
