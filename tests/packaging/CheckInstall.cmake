# Installs the build into a fresh staging prefix and compares what landed there
# with the list in EXPECTED; each hicolor PNG must also be as large as its folder
# says, or the desktop would scale a wrong picture.
#   cmake -DBUILD_DIR=... -DSTAGE=... -DEXPECTED=... -P CheckInstall.cmake
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE}
    RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${rc})")
endif()

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${STAGE} ${STAGE}/*)
file(STRINGS ${EXPECTED} expected REGEX "^[^#]")
list(SORT installed)
list(SORT expected)
set(missing ${expected})
list(REMOVE_ITEM missing ${installed})
set(extra ${installed})
list(REMOVE_ITEM extra ${expected})
if(missing OR extra)
    list(JOIN missing "\n  " missing)
    list(JOIN extra "\n  " extra)
    message(FATAL_ERROR "missing:\n  ${missing}\nunexpected:\n  ${extra}")
endif()

foreach(file IN LISTS installed)
    if(file MATCHES "/([0-9]+)x([0-9]+)/apps/.*\\.png$")
        set(folderW ${CMAKE_MATCH_1})
        set(folderH ${CMAKE_MATCH_2})
        # The PNG header holds width and height as big-endian words at byte 16.
        file(READ ${STAGE}/${file} header OFFSET 16 LIMIT 8 HEX)
        string(SUBSTRING ${header} 0 8 w)
        string(SUBSTRING ${header} 8 8 h)
        math(EXPR w "0x${w}")
        math(EXPR h "0x${h}")
        if(NOT w EQUAL folderW OR NOT h EQUAL folderH)
            message(FATAL_ERROR "${file} is ${w}x${h}")
        endif()
    endif()
endforeach()
