# Compiler settings shared by the project's own targets (never forced on consumers).

if(VANTREL_SANITIZE)
  set(VANTREL_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
                              -fno-omit-frame-pointer)
  add_compile_options(${VANTREL_SANITIZER_FLAGS})
  add_link_options(${VANTREL_SANITIZER_FLAGS})
endif()

option(VANTREL_TSAN "Build with ThreadSanitizer (not together with VANTREL_SANITIZE)" OFF)
if(VANTREL_TSAN)
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()

# libFuzzer (clang only): every target of the project carries the fuzzer's coverage
# instrumentation; the fuzz targets in tests/fuzz link the fuzzer's main.
option(VANTREL_FUZZ "Build the fuzz targets as libFuzzer programs (clang)" OFF)
if(VANTREL_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# Warnings for a target of the project; errors too when VANTREL_WERROR is on.
function(vantrel_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  # GCC 12 reports impossible overlaps in inlined std::string concatenation at -O2
  # (GCC bug 105329); later releases do not.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(VANTREL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
