# TagLib (a dependency of the core, found in the top CMakeLists.txt) for the tag reading comparison
# in bench_tags.
if(TARGET bench_tags)
    target_link_libraries(bench_tags PRIVATE PkgConfig::TAGLIB)
    target_compile_definitions(bench_tags PRIVATE SORVO_HAVE_TAGLIB)
endif()

# The whole-process reference for `sorvo-cli scan --json`: a plain TagLib program, no Qt.
add_executable(bench_taglib_scan ${CMAKE_CURRENT_LIST_DIR}/taglib_scan.cpp)
target_link_libraries(bench_taglib_scan PRIVATE PkgConfig::TAGLIB)
