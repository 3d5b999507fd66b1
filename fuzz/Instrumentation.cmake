# Included before any library with KOLVIRA_BUILD_FUZZERS: everything is built
# with libFuzzer's coverage, AddressSanitizer and UndefinedBehaviorSanitizer,
# so that the fuzzers are guided through the program's code and stop at the
# first fault in it.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "KOLVIRA_BUILD_FUZZERS needs clang, for libFuzzer; "
    "configure with -DCMAKE_CXX_COMPILER=clang++ or run scripts/fuzz.sh")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
  -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)
