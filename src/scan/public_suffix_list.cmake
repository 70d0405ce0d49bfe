# Writes the rules of Debian's public suffix list into a C++ source, so that
# the program carries the list the build machine has: one rule a line, the
# comments and empty lines left out. Run by the build with -DLIST=<dat file>
# -DOUTPUT=<source>.
file(STRINGS "${LIST}" lines ENCODING UTF-8)
set(rules "")
foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    if(line STREQUAL "" OR line MATCHES "^//")
        continue()
    endif()
    # A rule ends at its first white space.
    string(REGEX REPLACE "[ \t].*$" "" line "${line}")
    string(APPEND rules "${line}\n")
endforeach()
if(rules STREQUAL "")
    message(FATAL_ERROR "No rules in the public suffix list ${LIST}")
endif()
file(WRITE "${OUTPUT}.new"
    "// Made by the build from ${LIST}; not kept in the repository.\n"
    "#include \"scan/public_suffixes.h\"\n\n"
    "namespace scan {\n\n"
    "std::string_view PublicSuffixRules() noexcept {\n"
    "    return R\"psl(${rules})psl\";\n"
    "}\n\n"
    "}  // namespace scan\n")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
