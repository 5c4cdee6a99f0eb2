# Fuzzing smoke runs: each libFuzzer target is built with clang++ and run for 20 seconds, so that
# the targets keep compiling and a fault that shows within that time fails the suite. They carry
# their own sanitizers, so the sanitizer builds skip them (label "unsanitized"). Longer runs:
#   tests/fuzz/run_fuzzer.sh ReadBMP <build>/fuzz 600
if(WIN32)
  return() # the fuzzers build and run on the host; a Windows build adds nothing to them
endif()
find_program(VYN_CLANGXX clang++)
if(VYN_CLANGXX)
  foreach(target ReadBMP ArrayFile)
    add_test(NAME fuzz_${target}
      COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/run_fuzzer.sh ${target} ${CMAKE_BINARY_DIR}/fuzz 20)
    set_tests_properties(fuzz_${target} PROPERTIES TIMEOUT 300 LABELS "fuzz;unsanitized"
      ENVIRONMENT "VYN_SHARED_DIR=${PROJECT_SOURCE_DIR}/../shared")
  endforeach()
else()
  message(WARNING "clang++ not found: the fuzzing suites are not registered")
endif()
