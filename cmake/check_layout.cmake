# Fails when a source file includes a folder above its own. The tree reads
# from the bottom up: base, then the ports and the window model, then what
# the whole program shares, then the subsystems, then the composition.
#
#   cmake -DSOURCE_DIR=<src> -P check_layout.cmake

cmake_minimum_required(VERSION 3.25)

set(subsystems definitions i18n removal report scan scheduler shell shields startup_tool submit
    update browsers startup_items)

# What each floor may include besides itself.
set(allowed_base "")
set(allowed_platform base)
set(allowed_ui base platform)
set(allowed_core base platform ui)
set(allowed_subsystem base platform ui core ${subsystems})
set(allowed_app base platform ui core ${subsystems})

file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
set(faults "")
foreach(source IN LISTS sources)
    string(REGEX MATCH "^[^/]+" folder "${source}")
    if(folder IN_LIST subsystems)
        set(allowed ${allowed_subsystem})
    elseif(DEFINED allowed_${folder})
        set(allowed ${allowed_${folder}})
    else()
        list(APPEND faults "${source}: the folder ${folder} has no place in the layout")
        continue()
    endif()
    file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+/")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^/\"]+)/.*" "\\1" target "${line}")
        if(NOT target STREQUAL folder AND NOT target IN_LIST allowed)
            list(APPEND faults "${source}: includes ${target}/, which stands above ${folder}/")
        endif()
    endforeach()
endforeach()

if(faults)
    list(JOIN faults "\n  " text)
    message(FATAL_ERROR "Includes against the layout:\n  ${text}")
endif()
