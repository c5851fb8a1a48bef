# Builds that check the code rather than ship it, each in a build folder of its own:
#   HUEBIT_SANITIZE  AddressSanitizer and UndefinedBehaviorSanitizer over the program and every
#                    test (make test-sanitize);
#   HUEBIT_FUZZ      the same sanitizers plus libFuzzer's coverage, for the fuzz targets (clang,
#                    make fuzz).
option(HUEBIT_SANITIZE "Build everything with AddressSanitizer and UBSan" OFF)
option(HUEBIT_FUZZ "Build the fuzz targets with libFuzzer (clang)" OFF)

if(HUEBIT_SANITIZE OR HUEBIT_FUZZ)
  # Any undefined behaviour stops the program, as a memory error does.
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(HUEBIT_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "HUEBIT_FUZZ needs clang, whose libFuzzer drives the targets")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
