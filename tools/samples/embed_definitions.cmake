# Writes the plain sample definitions as string literals into a header, so
# that the planter carries them and codes them itself.
#   cmake -DSOURCE_DIR=<folder of .txt files> -DOUTPUT=<header> -P embed_definitions.cmake
file(GLOB inputs "${SOURCE_DIR}/*.txt")
list(SORT inputs)
list(LENGTH inputs count)
set(entries "")
foreach(input IN LISTS inputs)
    get_filename_component(base "${input}" NAME_WE)
    file(READ "${input}" text)
    string(FIND "${text}" ")plain\"" clash)
    if(NOT clash EQUAL -1)
        message(FATAL_ERROR "${input} holds the literal's closing delimiter")
    endif()
    string(APPEND entries "    PlainFile{\"${base}\", R\"plain(${text})plain\"},\n")
endforeach()
file(WRITE "${OUTPUT}.new" "#pragma once

// Generated from tools/samples/definitions by embed_definitions.cmake.

#include <array>
#include <string_view>

namespace samples {

// A sample file as written by hand: its base name and its plain lines.
struct PlainFile {
    std::string_view name;
    std::string_view text;
};

inline constexpr std::array<PlainFile, ${count}> kPlainDefinitions{
${entries}};

}  // namespace samples
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
