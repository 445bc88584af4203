# Our own targets: C++20, warnings on (errors with LUMARO_WERROR), sanitizers when asked.
if(LUMARO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
  # For the few tests that cannot run under the sanitizers' own checks.
  add_compile_definitions(LUMARO_SANITIZED)
endif()
if(LUMARO_FUZZ)
  # Coverage for libFuzzer in every library the fuzz targets link; the targets add the fuzzer's main.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

function(lumaro_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra $<$<BOOL:${LUMARO_WERROR}>:-Werror>)
endfunction()

# lumaro_library(name SOURCES ... LINKS ...): one static library per folder, linking only what sits below it.
function(lumaro_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
  lumaro_warnings(${name})
endfunction()

# lumaro_test(name SOURCES ... LINKS ...): a GoogleTest executable registered with CTest.
function(lumaro_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LINKS} GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE LUMARO_FIXTURES="${PROJECT_SOURCE_DIR}/tests/fixtures")
  lumaro_warnings(${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS unit)
endfunction()
