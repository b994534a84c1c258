# Installs the build into PREFIX and checks what the desktop needs to offer the program for
# model files. Run with -DBUILD_DIR=... -DPREFIX=... -P install_check.cmake.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

foreach(path
        bin/wyk-viewer
        share/applications/wyk-viewer.desktop
        share/mime/packages/wyk-viewer.xml
        share/icons/hicolor/160x160/apps/wyk-viewer.png)
    if(NOT EXISTS ${PREFIX}/${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

file(STRINGS ${PREFIX}/share/applications/wyk-viewer.desktop entry)
foreach(line "[Desktop Entry]" "Type=Application" "Name=WYK-Viewer" "Icon=wyk-viewer"
             "MimeType=model/x-wyk;")
    list(FIND entry "${line}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "desktop entry lacks: ${line}")
    endif()
endforeach()
list(FILTER entry INCLUDE REGEX "^Exec=wyk-viewer %[fF]$")
if(NOT entry)
    message(FATAL_ERROR "desktop entry does not start wyk-viewer with the file")
endif()

file(READ ${PREFIX}/share/mime/packages/wyk-viewer.xml types)
foreach(part "<mime-type type=\"model/x-wyk\">" "<glob pattern=\"*.wyk\"/>")
    string(FIND "${types}" "${part}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "file type lacks: ${part}")
    endif()
endforeach()
find_program(XMLLINT xmllint)
if(XMLLINT)
    execute_process(COMMAND ${XMLLINT} --noout ${PREFIX}/share/mime/packages/wyk-viewer.xml
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "the file type is not well-formed XML")
    endif()
endif()
