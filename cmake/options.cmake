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

option(SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer (host only)" OFF)
option(FUZZ "Instrument for libFuzzer and build the fuzz targets as fuzzers (clang, host only)" OFF)
