cmake_minimum_required(VERSION 3.25)
# Builds the Debian package into a scratch folder and checks that what it
# depends on lets the program open a window on an install without recommends:
# the package that ships each platform plugin named in PLUGINS must be a
# dependency of its own, as must the Qt libraries the program links.
#   cmake -DBUILD_DIR=... -DSTAGE=... -DPLUGINS=a.so;b.so -P CheckPackage.cmake
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND cpack --config ${BUILD_DIR}/CPackConfig.cmake -B ${STAGE}
    RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cpack failed (${rc})")
endif()
file(GLOB deb ${STAGE}/*.deb)
execute_process(COMMAND dpkg-deb -f ${deb} Depends OUTPUT_VARIABLE depends
    OUTPUT_STRIP_TRAILING_WHITESPACE)
string(REGEX REPLACE " *\\([^)]*\\)" "" names "${depends}")
string(REPLACE ", " ";" names "${names}")

set(needed libqt6widgets6 libqt6svg6)
foreach(plugin IN LISTS PLUGINS)
    execute_process(COMMAND dpkg -S ${plugin} OUTPUT_VARIABLE owner RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "no package owns ${plugin}")
    endif()
    string(REGEX REPLACE "^([^:]+):.*" "\\1" owner "${owner}")
    list(APPEND needed ${owner})
endforeach()
foreach(package IN LISTS needed)
    if(NOT package IN_LIST names)
        message(FATAL_ERROR "Depends lacks ${package}: ${depends}")
    endif()
endforeach()
