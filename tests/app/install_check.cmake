# Installs the build into PREFIX and checks what the desktop needs to offer the program for
# model files. Run with -DBUILD_DIR=... -DPREFIX=... -P install_check.cmake.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0 OR NOT EXISTS ${PREFIX}/bin/wyk-viewer
   OR NOT EXISTS ${PREFIX}/share/icons/hicolor/160x160/apps/wyk-viewer.png)
    message(FATAL_ERROR "cmake --install failed (${result}) or left out the program or icon")
endif()
# The desktop entry and the file type, each with the lines it must hold (regular expressions).
file(READ ${PREFIX}/share/applications/wyk-viewer.desktop entry)
file(READ ${PREFIX}/share/mime/packages/wyk-viewer.xml types)
foreach(check "entry|^\\[Desktop Entry\\]\n" "entry|\nType=Application\n" "entry|\nName=WYK-Viewer\n"
        "entry|\nIcon=wyk-viewer\n" "entry|\nMimeType=model/x-wyk.\n" "entry|\nExec=wyk-viewer %[fF]\n"
        "types|^<\\?xml [^\n]*\\?>\n<mime-info" "types|<mime-type type=\"model/x-wyk\">"
        "types|<glob pattern=\"\\*\\.wyk\"/>\n *</mime-type>\n</mime-info>\n?$")
    string(REGEX MATCH "^[a-z]+" file "${check}")
    string(REGEX REPLACE "^[a-z]+\\|" "" pattern "${check}")
    if(NOT "${${file}}" MATCHES "${pattern}")
        message(FATAL_ERROR "${file} lacks: ${pattern}")
    endif()
endforeach()
