# Reliability: the robustness harness and its fuzz targets, the thread test,
# and the binary-interface checks. Included at the end of the top-level
# CMakeLists.txt.

# clang (the sanitizer, fuzzing and thread builds) evaluates the compile-time
# row indexes of the largest registers (thousands of rows sorted by code) only
# with more constant-evaluation steps than its default allows.
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  target_compile_options(txl5 PRIVATE -fconstexpr-steps=200000000)
endif()

# The harness the fuzz targets run on (fuzz/harness.h); the test suite uses it
# too, to replay inputs and to test the checks themselves.
add_library(txl5_fuzz_harness STATIC fuzz/harness.cpp fuzz/targets.cpp)
target_link_libraries(txl5_fuzz_harness PUBLIC txl5)
set_target_properties(txl5_fuzz_harness PROPERTIES POSITION_INDEPENDENT_CODE ON)

if(TXL5_TESTS)
  target_link_libraries(txl5_tests PRIVATE txl5_fuzz_harness)
endif()

# clang's C driver does not link the C++ part of the UndefinedBehaviorSanitizer
# runtime, which the library's checks of indirect calls need: the C programs
# are linked by the C++ driver.
if(TXL5_SANITIZE AND CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  foreach(c_program c_paycheck host_same_names paycheck_c)
    if(TARGET ${c_program})
      set_target_properties(${c_program} PROPERTIES LINKER_LANGUAGE CXX)
    endif()
  endforeach()
endif()

# ---- Fuzz targets (clang, with TXL5_SANITIZE) -------------------------------
option(TXL5_FUZZ "Build the libFuzzer targets (clang, with TXL5_SANITIZE)" OFF)
set(TXL5_FUZZ_TARGETS calc state locality levy query)
if(TXL5_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang" OR NOT TXL5_SANITIZE)
    message(FATAL_ERROR "TXL5_FUZZ needs clang and TXL5_SANITIZE=ON")
  endif()
  # The library carries the fuzzer's coverage instrumentation; the test suite
  # links the same library (the sanitizer runtime answers the coverage hooks).
  # It is optimized a little so that fuzzing runs at a useful speed.
  target_compile_options(txl5 PRIVATE -fsanitize=fuzzer-no-link -O1)
  target_compile_options(txl5_fuzz_harness PRIVATE -O1)
  foreach(target ${TXL5_FUZZ_TARGETS})
    string(SUBSTRING ${target} 0 1 first)
    string(TOUPPER ${first} first)
    string(SUBSTRING ${target} 1 -1 rest)
    add_executable(fuzz_${target} fuzz/fuzz_target.cpp)
    target_compile_definitions(fuzz_${target} PRIVATE TXL5_FUZZ_TARGET=${first}${rest})
    target_compile_options(fuzz_${target} PRIVATE -O1)
    target_link_libraries(fuzz_${target} PRIVATE txl5_fuzz_harness)
    target_link_options(fuzz_${target} PRIVATE -fsanitize=fuzzer)
  endforeach()

  # The seed recorder, preloaded into the test suite's run.
  add_library(txl5_seed_recorder SHARED fuzz/recorder.cpp)
  target_link_libraries(txl5_seed_recorder PRIVATE txl5_fuzz_harness txl5 ${CMAKE_DL_LIBS})

  # The short fuzz runs of the test command: the suite's paychecks recorded as
  # seeds (the random-record tests left out, and the harness's own tests, whose
  # weak references the recorder's definitions would answer), then every target for
  # TXL5_FUZZ_SECONDS seconds from those seeds and what earlier runs in this
  # build found. A finding fails the test and leaves its input under
  # fuzz/artifacts (tools/fuzz-decode.py prints it).
  set(TXL5_FUZZ_SECONDS 12 CACHE STRING "Seconds of each short fuzz run")
  set(fuzz_dir ${CMAKE_BINARY_DIR}/fuzz)
  if(TXL5_TESTS)
    add_test(NAME fuzz_seed_recording COMMAND txl5_tests)
    set_tests_properties(fuzz_seed_recording PROPERTIES
      ENVIRONMENT "LD_PRELOAD=$<TARGET_FILE:txl5_seed_recorder>;TXL5_SEED_DIR=${fuzz_dir}/seeds;GTEST_FILTER=-Robustness.*:Threads.*:Harness*"
      FIXTURES_SETUP fuzz_seeds)
  endif()
  foreach(target ${TXL5_FUZZ_TARGETS})
    file(MAKE_DIRECTORY ${fuzz_dir}/seeds/${target} ${fuzz_dir}/corpus/${target} ${fuzz_dir}/artifacts)
    add_test(NAME fuzz_${target}_short
      COMMAND fuzz_${target} -max_total_time=${TXL5_FUZZ_SECONDS} -timeout=25 -print_final_stats=1
        -artifact_prefix=${fuzz_dir}/artifacts/${target}- ${fuzz_dir}/corpus/${target} ${fuzz_dir}/seeds/${target})
    if(TXL5_TESTS)
      set_tests_properties(fuzz_${target}_short PROPERTIES FIXTURES_REQUIRED fuzz_seeds)
    endif()
  endforeach()
endif()

# ---- Binary-interface checks --------------------------------------------------
# The exported symbols, the record layouts and abidiff against the committed
# baselines under abi/ (taken from a plain gcc build; tools/update-abi-baselines
# rewrites them), and a test that each check fails on a deliberate change.
if(TXL5_TESTS AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND NOT TXL5_SANITIZE AND NOT TXL5_THREAD_SANITIZE)
  find_package(Python3 COMPONENTS Interpreter REQUIRED)
  set(TXL5_ABI_CHECK ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/abi-check.py)
  add_test(NAME abi_symbols COMMAND ${TXL5_ABI_CHECK} symbols --library $<TARGET_FILE:txl5>)
  add_test(NAME abi_layouts COMMAND ${TXL5_ABI_CHECK} layouts)
  add_test(NAME abi_abidiff COMMAND ${TXL5_ABI_CHECK} abidiff --library $<TARGET_FILE:txl5>)
  add_test(NAME abi_checks_fail_on_change COMMAND ${TXL5_ABI_CHECK} selftest --library $<TARGET_FILE:txl5>)
endif()

# ---- The thread test under ThreadSanitizer ------------------------------------
# In every build the thread test runs inside txl5_tests. A ThreadSanitizer
# build (TXL5_THREAD_SANITIZE, set before the targets in CMakeLists.txt) also
# has it as an executable of its own, so that build need compile only the
# library and this test.
if(TXL5_TESTS AND TXL5_THREAD_SANITIZE)
  find_package(Threads REQUIRED)
  add_executable(txl5_thread_tests tests/reliability/test_threads.cpp tests/reliability/paycheck_stream.cpp)
  target_link_libraries(txl5_thread_tests PRIVATE txl5 GTest::gtest_main Threads::Threads)
  add_test(NAME thread_safety COMMAND txl5_thread_tests)
  set_tests_properties(thread_safety PROPERTIES
    ENVIRONMENT "TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1")
endif()
