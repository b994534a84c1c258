# Installs the build (BUILD_DIR) into PREFIX and checks what desktops need to open model files.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
set(icons ${PREFIX}/share/icons/hicolor)
if(NOT result EQUAL 0 OR NOT EXISTS ${PREFIX}/bin/wyk-viewer
   OR NOT EXISTS ${icons}/48x48/apps/wyk-viewer.png)
    message(FATAL_ERROR "cmake --install failed (${result}) or left out the program or icon")
endif()
# Each icon, a PNG, lies in the theme's folder of application icons named by its width.
file(GLOB_RECURSE installed RELATIVE ${icons} ${icons}/*)
foreach(icon ${installed})
    file(READ ${icons}/${icon} width OFFSET 16 LIMIT 4 HEX)
    math(EXPR width "0x${width}")
    if(NOT icon MATCHES "^${width}x${width}/apps/[^/]+$")
        message(FATAL_ERROR "icon ${icon}, ${width} pixels wide, is in the wrong folder")
    endif()
endforeach()
# The desktop entry opens model files, which the file type knows by their ending.
file(READ ${PREFIX}/share/applications/wyk-viewer.desktop entry)
file(READ ${PREFIX}/share/mime/packages/wyk-viewer.xml types)
if(NOT entry MATCHES "\nExec=wyk-viewer %[fF]\n" OR NOT entry MATCHES "\nMimeType=model/x-wyk;\n"
   OR NOT types MATCHES "<glob pattern=\"\\*\\.wyk\"/>\n *</mime-type>")
    message(FATAL_ERROR "desktop entry or file type incomplete:\n${entry}\n${types}")
endif()
