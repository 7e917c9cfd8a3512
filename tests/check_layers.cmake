# Fails when a source file includes a header of a layer above its own. Each layer's library sees only
# the headers of its own layer and those below, so such an include does not build either; this says
# which file and which layer at once.
#
#   0 base      common platform app
#   1 readers   device music tags photos
#   2 features  notes pim news
#   3 services  session
#   4 programs  gui cli
set(layer_of_common 0)
set(layer_of_platform 0)
set(layer_of_app 0)
set(layer_of_device 1)
set(layer_of_music 1)
set(layer_of_tags 1)
set(layer_of_photos 1)
set(layer_of_notes 2)
set(layer_of_pim 2)
set(layer_of_news 2)
set(layer_of_session 3)
set(layer_of_gui 4)
set(layer_of_cli 4)

file(GLOB_RECURSE files ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(bad "")
set(checked 0)
foreach(f IN LISTS files)
    file(RELATIVE_PATH rel ${SOURCE_DIR} ${f})
    # The folder right above the file names its part: base/common/x.h, gui/mainform/x.cpp.
    string(REGEX MATCH "^(base|readers|features|services)/([a-z]+)/" head "${rel}")
    if(head)
        set(own ${CMAKE_MATCH_2})
    else()
        string(REGEX MATCH "^([a-z]+)/" head "${rel}")
        set(own ${CMAKE_MATCH_1})
    endif()
    if(NOT DEFINED layer_of_${own})
        list(APPEND bad "${rel}: in no layer")
        continue()
    endif()
    set(own_layer ${layer_of_${own}})
    file(STRINGS ${f} includes REGEX "^#[ \t]*include[ \t]*\"[a-z]+/")
    foreach(line IN LISTS includes)
        string(REGEX MATCH "\"([a-z]+)/[^\"]*\"" target "${line}")
        set(part ${CMAKE_MATCH_1})
        if(DEFINED layer_of_${part} AND layer_of_${part} GREATER own_layer)
            list(APPEND bad "${rel} (${own}) includes ${target}")
        endif()
    endforeach()
    math(EXPR checked "${checked} + 1")
endforeach()
if(checked LESS 100)
    message(FATAL_ERROR "only ${checked} source files found under ${SOURCE_DIR}")
endif()
if(bad)
    list(JOIN bad "\n" text)
    message(FATAL_ERROR "Includes that run up the layers:\n${text}")
endif()
