# Writes OUT, a C++ source holding the JSON file IN as ProfaneWordsJson.
file(READ "${IN}" json)
file(WRITE "${OUT}.tmp"
  "// Made by embed_avoid_words.cmake from ${IN}.\n"
  "#include <string_view>\n"
  "namespace kven::fill {\n"
  "extern const std::string_view ProfaneWordsJson;\n"
  "const std::string_view ProfaneWordsJson = R\"kvenjson(${json})kvenjson\";\n"
  "}  // namespace kven::fill\n")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
