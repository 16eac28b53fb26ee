# Writes a C++ source that defines `kven::SYMBOL`, a std::string_view over the
# bytes of FILES (a ;-list) one after the other, each ending in a line break:
#   cmake -DSYMBOL=Name -DFILES="a;b" -DHEADER=publish/web_assets.h -DOUTPUT=out.cpp -P embed_text.cmake
set(bytes "")
foreach(file IN LISTS FILES)
  file(READ "${file}" hex HEX)
  string(APPEND bytes "${hex}0a")
endforeach()
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${bytes}")
# Eighteen bytes a line keep the generated source readable in a diff tool.
string(REGEX REPLACE "(('[^']*',){18})" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
     "// Made by cmake/embed_text.cmake from data/web; edit those files instead.\n"
     "#include \"${HEADER}\"\n\n"
     "namespace kven {\n\nnamespace {\n\nconstexpr char Bytes[] = {\n    ${bytes}'\\0'};\n\n}  // namespace\n\n"
     "const std::string_view ${SYMBOL}(Bytes, sizeof Bytes - 1);\n\n}  // namespace kven\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
