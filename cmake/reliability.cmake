# Reliability: the robustness harness and its fuzz targets, the thread test,
# and the binary-interface checks. Included at the end of the top-level
# CMakeLists.txt.

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
