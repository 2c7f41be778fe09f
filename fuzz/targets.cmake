# SPDX-License-Identifier: Apache-2.0
# The fuzz targets and their sources, shared by the libFuzzer build (fuzz/)
# and the corpus replay in the test build (tests/fuzz/).
set(HARVELA_FUZZ_DIR ${CMAKE_CURRENT_LIST_DIR})
set(HARVELA_FUZZ_TARGETS
  text_fuzz
  amount_fuzz
  convert_encoding_fuzz
  convert_characters_fuzz
  martian_text_fuzz
  gbk_codec_fuzz
)
set(HARVELA_FUZZ_SOURCES_text_fuzz text_fuzz.cpp text_reference.cpp)
set(HARVELA_FUZZ_SOURCES_amount_fuzz amount_fuzz.cpp amount_reference.cpp)
set(HARVELA_FUZZ_SOURCES_convert_encoding_fuzz convert_encoding_fuzz.cpp)
set(HARVELA_FUZZ_SOURCES_convert_characters_fuzz convert_characters_fuzz.cpp)
set(HARVELA_FUZZ_SOURCES_martian_text_fuzz martian_text_fuzz.cpp)
set(HARVELA_FUZZ_SOURCES_gbk_codec_fuzz gbk_codec_fuzz.cpp)

# harvela_add_fuzz_executable(executable target extra-sources...): the target's
# own sources plus the given ones, over the library and the test boxes.
function(harvela_add_fuzz_executable executable target)
  list(TRANSFORM HARVELA_FUZZ_SOURCES_${target} PREPEND ${HARVELA_FUZZ_DIR}/ OUTPUT_VARIABLE sources)
  add_executable(${executable} ${sources} ${ARGN})
  target_include_directories(${executable} PRIVATE ${HARVELA_FUZZ_DIR})
  target_link_libraries(${executable} PRIVATE harvela_core harvela_test_support)
endfunction()
