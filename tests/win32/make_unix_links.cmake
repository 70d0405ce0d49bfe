# Makes a folder holding a file and a Unix symbolic link to that folder. Wine
# makes no junctions, but shows such a link as a reparse point, which lets the
# file-system tests see how links are reported.
#   cmake -DLINKS_DIR=<folder> -P make_unix_links.cmake
file(REMOVE_RECURSE "${LINKS_DIR}")
file(MAKE_DIRECTORY "${LINKS_DIR}/target")
file(WRITE "${LINKS_DIR}/target/keep.txt" "kept")
file(CREATE_LINK target "${LINKS_DIR}/link" SYMBOLIC)
