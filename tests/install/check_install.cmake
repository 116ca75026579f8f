# Installs the build tree into a scratch prefix (nothing is rebuilt), then
# builds the C example against the installed tree twice, through
# find_package(txl5) and through pkg-config, and runs both, with the installed
# tool. Run by ctest: cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DGENERATOR=...
# -DC_COMPILER=... -P check_install.cmake
set(work ${BUILD_DIR}/install-check)
set(prefix ${work}/prefix)
file(REMOVE_RECURSE ${work})

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "failed (${status}): ${ARGN}\n${out}\n${err}")
  endif()
  set(last_output "${out}" PARENT_SCOPE)
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
foreach(installed include/txl5/txl5.h bin/txl5)
  if(NOT EXISTS ${prefix}/${installed})
    message(FATAL_ERROR "not installed: ${installed}")
  endif()
endforeach()
file(GLOB_RECURSE config ${prefix}/*/txl5Config.cmake)
file(GLOB_RECURSE pc ${prefix}/*/txl5.pc)
if(NOT config OR NOT pc)
  message(FATAL_ERROR "no CMake package configuration or pkg-config file installed")
endif()
get_filename_component(pc_dir ${pc} DIRECTORY)
get_filename_component(lib_dir ${pc_dir} DIRECTORY)

# 1. find_package(txl5) and txl5::txl5.
run(${CMAKE_COMMAND} -S ${SOURCE_DIR}/tests/install/consumer -B ${work}/cmake-consumer -G ${GENERATOR}
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_C_COMPILER=${C_COMPILER}
    -DPAYCHECK_SOURCE=${SOURCE_DIR}/examples/paycheck.c)
run(${CMAKE_COMMAND} --build ${work}/cmake-consumer)
run(${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${lib_dir} ${work}/cmake-consumer/consumer)
set(cmake_output "${last_output}")

# 2. pkg-config.
find_program(PKG_CONFIG NAMES pkg-config pkgconf REQUIRED)
run(${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${pc_dir} ${PKG_CONFIG} --cflags --libs txl5)
string(STRIP "${last_output}" flags)
separate_arguments(flags UNIX_COMMAND "${flags}")
run(${C_COMPILER} -std=c11 -Wall -Wextra -o ${work}/pkg-consumer ${SOURCE_DIR}/examples/paycheck.c ${flags})
run(${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${lib_dir} ${work}/pkg-consumer)
if(NOT last_output STREQUAL cmake_output)
  message(FATAL_ERROR "the two consumers differ:\n${cmake_output}\n${last_output}")
endif()
string(FIND "${last_output}" "net pay" found)
if(found EQUAL -1)
  message(FATAL_ERROR "unexpected consumer output:\n${last_output}")
endif()

# 3. The installed tool finds the installed library by itself.
run(${prefix}/bin/txl5 paycheck --json)
string(FIND "${last_output}" "\"net_pay\":761.56" found)
if(found EQUAL -1)
  message(FATAL_ERROR "unexpected output of the installed tool:\n${last_output}")
endif()
file(REMOVE_RECURSE ${work})
message(STATUS "installed package: find_package, pkg-config and the tool all work")
