# Build switches of the product, kept together.

# The brand is written into the version resource; the program reads it back at
# run time, so a rebrand needs no code change.
set(BRAND_PRODUCT_NAME "Keelwatch" CACHE STRING "Product name in the version resource")
set(BRAND_COMPANY_NAME "Keelwatch Software" CACHE STRING "Company name in the version resource")
set(BRAND_WEBSITE "www.keelwatch.example" CACHE STRING "Website (the comments field of the version resource)")
set(BRAND_EXE_NAME "Keelwatch" CACHE STRING "Base name of the program file")

option(SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer (host only)" OFF)
