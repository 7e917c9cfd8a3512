# The song tab benchmark drives the real window: built only with the window program.
if(TARGET sorvo_gui)
    add_executable(bench_songtab ${CMAKE_CURRENT_SOURCE_DIR}/songtab_bench.cpp)
    target_link_libraries(bench_songtab PRIVATE sorvo_testsupport sorvo_gui)
endif()
