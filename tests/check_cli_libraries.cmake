# Fails when sorvo-cli (not sorvo-cli-full, the full command set) needs a library that its own
# commands do not: the scan starts faster than it reads files only while the picture, window-system
# and network libraries are left to the full command set.
execute_process(COMMAND readelf -d ${PROGRAM} OUTPUT_VARIABLE dynamic RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "readelf failed on ${PROGRAM}")
endif()
string(REGEX MATCHALL "Shared library: \\[[^]]+\\]" needed "${dynamic}")
set(bad "")
foreach(entry IN LISTS needed)
    if(entry MATCHES "Qt6(Gui|Widgets|Network|DBus)|libcurl|libjpeg|libtag|libGL|libX11")
        list(APPEND bad "${entry}")
    endif()
endforeach()
if(bad)
    message(FATAL_ERROR "sorvo-cli loads at its start: ${bad}")
endif()
message(STATUS "${needed}")
