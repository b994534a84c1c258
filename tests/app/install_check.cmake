# Installs the build into PREFIX and checks what the desktop needs to offer the program for
# model files. Run with -DBUILD_DIR=... -DPREFIX=... -P install_check.cmake.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
set(icons ${PREFIX}/share/icons/hicolor)
if(NOT result EQUAL 0 OR NOT EXISTS ${PREFIX}/bin/wyk-viewer
   OR NOT EXISTS ${icons}/48x48/apps/wyk-viewer.png)
    message(FATAL_ERROR "cmake --install failed (${result}) or left out the program or icon")
endif()
# Each icon, a PNG, lies in a folder that the icon theme lists and that is named by its width.
file(STRINGS /usr/share/icons/hicolor/index.theme folders REGEX "^Directories=")
string(REGEX REPLACE "^Directories=" "" folders "${folders}")
string(REPLACE "," ";" folders "${folders}")
file(GLOB_RECURSE installed RELATIVE ${icons} ${icons}/*)
foreach(icon ${installed})
    get_filename_component(folder ${icon} DIRECTORY)
    list(FIND folders "${folder}" listed)
    file(READ ${icons}/${icon} width OFFSET 16 LIMIT 4 HEX)
    math(EXPR width "0x${width}")
    if(listed EQUAL -1 OR NOT folder MATCHES "^${width}x${width}/")
        message(FATAL_ERROR "icon ${icon}, ${width} pixels wide, is in the wrong folder")
    endif()
endforeach()
# The desktop entry and the file type, each with lines it must hold (regular expressions).
file(READ ${PREFIX}/share/applications/wyk-viewer.desktop entry)
file(READ ${PREFIX}/share/mime/packages/wyk-viewer.xml types)
foreach(check "entry|\nExec=wyk-viewer %[fF]\n" "entry|\nIcon=wyk-viewer\n"
        "entry|\nMimeType=model/x-wyk;\n" "types|<glob pattern=\"\\*\\.wyk\"/>\n *</mime-type>")
    string(REGEX MATCH "^[a-z]+" file "${check}")
    string(REGEX REPLACE "^[a-z]+\\|" "" pattern "${check}")
    if(NOT "${${file}}" MATCHES "${pattern}")
        message(FATAL_ERROR "${file} lacks: ${pattern}")
    endif()
endforeach()
