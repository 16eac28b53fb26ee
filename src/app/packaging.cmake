# A Debian package of the program and its command-line companion:
#   cmake --build <dir> && (cd <dir> && cpack -G DEB)
set(CPACK_PACKAGE_NAME "kven3")
set(CPACK_PACKAGE_VENDOR "KVEN3 developers")
set(CPACK_PACKAGE_CONTACT "KVEN3 developers <kven3@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Crossword diagrams as KVEN text and back (Gridlark)")
set(CPACK_PACKAGE_DESCRIPTION
    "Gridlark turns a crossword diagram into a few lines of plain text that can be mailed, and turns such text back into a drawn diagram. kventool does the same from the command line.")
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)

# Debian's copyright file, in its machine-readable form, made from LICENSE:
# the holder from its copyright line, the licence text as Debian indents it
# (Debian calls the MIT licence Expat).
file(READ ${PROJECT_SOURCE_DIR}/LICENSE kven_licence)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" kven_holder_line "${kven_licence}")
set(kven_holder "${CMAKE_MATCH_1}")
string(REGEX REPLACE "^[^\n]*\n\nCopyright[^\n]*\n\n" "" kven_licence_text "${kven_licence}")
string(STRIP "${kven_licence_text}" kven_licence_text)
string(REPLACE "\n\n" "\n.\n" kven_licence_text "${kven_licence_text}")
string(REPLACE "\n" "\n " kven_licence_text "${kven_licence_text}")
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/copyright
     "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
     "Upstream-Name: KVEN3\n"
     "\n"
     "Files: *\n"
     "Copyright: ${kven_holder}\n"
     "License: Expat\n"
     " ${kven_licence_text}\n")
# The fill's avoid list, built into the programs from the npm package
# profane-words, with that package's own licence.
get_filename_component(kven_avoid_folder ${KVEN_PROFANE_WORDS} DIRECTORY)
file(READ ${kven_avoid_folder}/LICENSE.md kven_avoid_licence)
string(STRIP "${kven_avoid_licence}" kven_avoid_licence)
string(REGEX REPLACE "\n[ \t]*\n" "\n.\n" kven_avoid_licence "${kven_avoid_licence}")
string(REPLACE "\n" "\n " kven_avoid_licence "${kven_avoid_licence}")
file(APPEND ${CMAKE_CURRENT_BINARY_DIR}/copyright
     "\n"
     "Files: src/fill/profane_words.cpp\n"
     "Copyright: the authors of profane-words, https://github.com/zautumnz/profane-words\n"
     "License: WTFPL\n"
     "Comment: The fill's avoid list: the word list of the npm package profane-words\n"
     " 2.1.0, built into kven3 and kventool.\n"
     "\n"
     "License: WTFPL\n"
     " ${kven_avoid_licence}\n")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright DESTINATION share/doc/kven3)
include(CPack)
