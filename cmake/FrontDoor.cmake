# The front door: the txl5 command-line tool, the C example, the installed
# package (library, header, tool, CMake package and pkg-config file) and the
# tests of the tool, the Python package, the Dask example, the install and the
# reference docs.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# The tool needs CLI11 and nlohmann-json (tools/setup installs them); a
# project that takes the library in with add_subdirectory does without.
option(TXL5_TOOL "Build the txl5 command-line tool" ${PROJECT_IS_TOP_LEVEL})

# Callers outside the tree include <txl5/txl5.h>; the build tree offers the
# same name, a copy of the chief header made at configure time.
configure_file(${PROJECT_SOURCE_DIR}/core/txl5.h ${PROJECT_BINARY_DIR}/include/txl5/txl5.h COPYONLY)
target_include_directories(txl5 PUBLIC
  $<BUILD_INTERFACE:${PROJECT_BINARY_DIR}/include>
  $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)

# A plain C program over the plain-name entry points.
add_executable(paycheck_c examples/paycheck.c)
target_link_libraries(paycheck_c PRIVATE txl5)
target_compile_options(paycheck_c PRIVATE -pedantic -Werror)

install(TARGETS txl5 EXPORT txl5Targets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/core/txl5.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/txl5)
install(EXPORT txl5Targets NAMESPACE txl5:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/txl5)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/txl5Config.cmake.in
  ${PROJECT_BINARY_DIR}/txl5Config.cmake INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/txl5)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/txl5ConfigVersion.cmake COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/txl5Config.cmake ${PROJECT_BINARY_DIR}/txl5ConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/txl5)
# The pkg-config file names its prefix relative to its own place, so the
# installed tree works wherever it is installed.
file(RELATIVE_PATH TXL5_PC_UP /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
configure_file(${PROJECT_SOURCE_DIR}/cmake/txl5.pc.in ${PROJECT_BINARY_DIR}/txl5.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/txl5.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/bindings/python/txl5
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/txl5/python FILES_MATCHING PATTERN "*.py")

if(TXL5_TESTS)
  add_test(NAME c_example COMMAND paycheck_c)
endif()

if(NOT TXL5_TOOL)
  return()
endif()

find_package(CLI11 CONFIG REQUIRED)
find_package(nlohmann_json 3 CONFIG REQUIRED)
file(GLOB TXL5_TOOL_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/cli/*.cpp)
add_executable(txl5_tool ${TXL5_TOOL_SOURCES})
set_target_properties(txl5_tool PROPERTIES OUTPUT_NAME txl5
  INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")
target_link_libraries(txl5_tool PRIVATE txl5 CLI11::CLI11 nlohmann_json::nlohmann_json)

install(TARGETS txl5_tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(TXL5_TESTS)
  find_package(Python3 COMPONENTS Interpreter)
  add_executable(tool_money_text cli/tests/money_text.cpp cli/output.cpp cli/paycheck.cpp)
  target_link_libraries(tool_money_text PRIVATE txl5)
  add_test(NAME tool_money_text COMMAND tool_money_text)
  add_test(NAME tool_golden
    COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tests/cli/run_golden.py $<TARGET_FILE:txl5_tool>
      $<$<BOOL:${TXL5_SANITIZE}>:--sanitized>)
  # Tests that load the library into a program built without the sanitizers
  # (Python, the installed consumer) run in the plain build only.
  if(TXL5_SANITIZE)
    return()
  endif()
  add_test(NAME docs_current
    COMMAND ${Python3_EXECUTABLE} tools/gen_docs.py --check --library $<TARGET_FILE:txl5>
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  # Installs the built tree into a scratch prefix and builds a small consumer
  # against it with find_package and with pkg-config.
  add_test(NAME installed_package
    COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
      -DGENERATOR=${CMAKE_GENERATOR} -DC_COMPILER=${CMAKE_C_COMPILER}
      -P ${PROJECT_SOURCE_DIR}/tests/install/check_install.cmake)

  # pytest and Dask come from the system's packages; take the first
  # interpreter that has them.
  set(TXL5_PYTEST_PYTHON "")
  foreach(candidate ${Python3_EXECUTABLE} /usr/bin/python3)
    if(NOT TXL5_PYTEST_PYTHON AND EXISTS ${candidate})
      execute_process(COMMAND ${candidate} -c "import pytest, dask.bag"
        RESULT_VARIABLE has_modules OUTPUT_QUIET ERROR_QUIET)
      if(has_modules EQUAL 0)
        set(TXL5_PYTEST_PYTHON ${candidate})
      endif()
    endif()
  endforeach()
  set(python_env TXL5_LIBRARY=$<TARGET_FILE:txl5> TXL5_TOOL=$<TARGET_FILE:txl5_tool>
    PYTHONPATH=${PROJECT_SOURCE_DIR}/bindings/python PYTHONDONTWRITEBYTECODE=1)
  if(TXL5_PYTEST_PYTHON)
    add_test(NAME python_package
      COMMAND ${TXL5_PYTEST_PYTHON} -m pytest -q -p no:cacheprovider ${PROJECT_SOURCE_DIR}/bindings/python/tests)
    add_test(NAME dask_payroll
      COMMAND ${TXL5_PYTEST_PYTHON} -m pytest -q -p no:cacheprovider ${PROJECT_SOURCE_DIR}/tests/dask)
    set_tests_properties(python_package dask_payroll PROPERTIES ENVIRONMENT "${python_env}")
  else()
    add_test(NAME python_package_prerequisites
      COMMAND ${CMAKE_COMMAND} -E echo "no Python interpreter with pytest and dask: install python3-pytest python3-dask")
    set_tests_properties(python_package_prerequisites PROPERTIES WILL_FAIL ON)
  endif()
endif()
