# SPDX-FileCopyrightText: 2026 The Glyphory developers
# SPDX-License-Identifier: MIT
#
# Installs into a scratch prefix and checks that the pieces of the desktop
# integration point at one another: validators look at one file at a time and
# miss a renamed icon, a launchable without its desktop entry, or documents
# outside the folder the program searches.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(failures "")
# The condition is a piece of CMake code, so paths with spaces can be quoted in it.
function(expect condition text)
    cmake_language(EVAL CODE "if(${condition})\nset(ok TRUE)\nelse()\nset(ok FALSE)\nendif()")
    if(NOT ok)
        set(failures ${failures} "${text}" PARENT_SCOPE)
    endif()
endfunction()

set(desktop ${PREFIX}/${DATADIR}/applications/${APP_ID}.desktop)
set(metainfo ${PREFIX}/${DATADIR}/metainfo/${APP_ID}.metainfo.xml)
expect("EXISTS \"${desktop}\"" "no desktop entry at ${desktop}")
expect("EXISTS \"${metainfo}\"" "no metainfo at ${metainfo}")
if(failures)
    string(JOIN "\n  " text ${failures})
    message(FATAL_ERROR "install layout:\n  ${text}")
endif()

file(STRINGS ${desktop} exec REGEX "^Exec=")
file(STRINGS ${desktop} icon REGEX "^Icon=")
string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" exec "${exec}")
string(REGEX REPLACE "^Icon=" "" icon "${icon}")
expect("EXISTS \"${PREFIX}/${BINDIR}/${exec}\"" "Exec=${exec} is not installed in ${BINDIR}")

foreach(size 16 32 48 128)
    set(png ${PREFIX}/${DATADIR}/icons/hicolor/${size}x${size}/apps/${icon}.png)
    if(EXISTS ${png})
        # The width and height of a PNG are the two big-endian words at byte 16.
        file(READ ${png} header OFFSET 16 LIMIT 8 HEX)
        math(EXPR expected "${size}" OUTPUT_FORMAT HEXADECIMAL)
        string(REGEX REPLACE "^0x" "" expected "${expected}")
        string(LENGTH "${expected}" length)
        math(EXPR pad "8 - ${length}")
        string(REPEAT "0" ${pad} zeros)
        set(word "${zeros}${expected}")
        expect("\"${header}\" STREQUAL \"${word}${word}\"" "${png} is not ${size}x${size}")
    else()
        list(APPEND failures "Icon=${icon} has no ${size}x${size} image")
    endif()
endforeach()
expect("EXISTS \"${PREFIX}/${DATADIR}/icons/hicolor/scalable/apps/${icon}.svg\""
       "Icon=${icon} has no scalable image")

file(READ ${metainfo} xml)
string(REGEX MATCH "<id>([^<]*)</id>" _ "${xml}")
expect("\"${CMAKE_MATCH_1}\" STREQUAL \"${APP_ID}\"" "metainfo id ${CMAKE_MATCH_1} is not ${APP_ID}")
string(REGEX MATCH "<launchable type=\"desktop-id\">([^<]*)</launchable>" _ "${xml}")
expect("EXISTS \"${PREFIX}/${DATADIR}/applications/${CMAKE_MATCH_1}\""
       "launchable ${CMAKE_MATCH_1} is not an installed desktop entry")
string(REGEX MATCH "<binary>([^<]*)</binary>" _ "${xml}")
expect("EXISTS \"${PREFIX}/${BINDIR}/${CMAKE_MATCH_1}\"" "provided binary ${CMAKE_MATCH_1} is not installed")

foreach(document "License Agreement.rtf" "Install Fonts.rtf")
    expect("EXISTS \"${PREFIX}/${BINDIR}/../share/glyphory/${document}\""
           "${document} is not where the program looks for it (../share/glyphory beside ${BINDIR})")
endforeach()

if(failures)
    string(JOIN "\n  " text ${failures})
    message(FATAL_ERROR "install layout:\n  ${text}")
endif()
