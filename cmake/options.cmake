# Build switches of the product, kept together.

# The brand is written into the version resource; the program reads it back at
# run time, so a rebrand needs no code change.
set(BRAND_PRODUCT_NAME "Keelwatch" CACHE STRING "Product name in the version resource")
set(BRAND_COMPANY_NAME "Keelwatch Software" CACHE STRING "Company name in the version resource")
set(BRAND_WEBSITE "www.keelwatch.example" CACHE STRING "Website (the comments field of the version resource)")
set(BRAND_EXE_NAME "Keelwatch" CACHE STRING "Base name of the program file")

# Where Live Update asks for new definitions, unless the user's settings name
# another server ("DefinitionServer" in the section "Settings"); and the
# website text that stands in the version resource of an unbranded build,
# for which the definitions server is also the website.
set(DEFINITIONS_SERVER "http://definitions.keelwatch.example" CACHE STRING
    "Base address of the default definitions server")
# Where the language window fetches the current localisation file, and where
# the anonymous data goes. Empty means the definitions server, which answers
# both; a per-user setting of the same name ("LanguageServer", "DataServer")
# overrides either.
set(LANGUAGE_SERVER "" CACHE STRING "Base address of the language server (empty: the definitions server)")
set(DATA_SERVER "" CACHE STRING "Base address of the data collection server (empty: the definitions server)")
set(UNBRANDED_WEBSITE "www.unbranded-scanner.example" CACHE STRING
    "Placeholder website of an unbranded build")

# The publisher's public key, which everything Live Update and the language
# download receive must be signed with: a file of one line of 128 hexadecimal
# digits, the point's X then Y (what "defpublish keygen" writes as
# publisher.pub). Empty builds a program without a key, which takes the
# servers' answers unsigned and says so in its About window.
set(UPDATE_PUBLIC_KEY_FILE "" CACHE FILEPATH "Publisher's public key file (publisher.pub); empty: no key")
set(UPDATE_PUBLIC_KEY_HEX "")
if(UPDATE_PUBLIC_KEY_FILE)
    if(NOT EXISTS "${UPDATE_PUBLIC_KEY_FILE}")
        message(FATAL_ERROR "UPDATE_PUBLIC_KEY_FILE names ${UPDATE_PUBLIC_KEY_FILE}, which does not exist")
    endif()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${UPDATE_PUBLIC_KEY_FILE}")
    file(READ "${UPDATE_PUBLIC_KEY_FILE}" UPDATE_PUBLIC_KEY_HEX)
    string(STRIP "${UPDATE_PUBLIC_KEY_HEX}" UPDATE_PUBLIC_KEY_HEX)
    if(NOT UPDATE_PUBLIC_KEY_HEX MATCHES "^[0-9a-fA-F]+$")
        message(FATAL_ERROR "${UPDATE_PUBLIC_KEY_FILE} is not one line of 128 hexadecimal digits")
    endif()
    string(LENGTH "${UPDATE_PUBLIC_KEY_HEX}" key_length)
    if(NOT key_length EQUAL 128)
        message(FATAL_ERROR "${UPDATE_PUBLIC_KEY_FILE} is not one line of 128 hexadecimal digits")
    endif()
endif()

option(SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer (host only)" OFF)
option(FUZZ "Instrument for libFuzzer and build the fuzz targets as fuzzers (clang, host only)" OFF)
