# Native build: plain code, unit tests with sanitizers, benchmarks, and the
# Windows build with its Wine tests.
find_package(GTest REQUIRED)
find_package(ZLIB REQUIRED)
include(GoogleTest)

set(WARN -Wall -Wextra -Wno-unused-parameter)
set(SAN -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)

# Plain code, optimised (benchmarks) and instrumented (tests).
add_library(tarvo_core STATIC ${CORE_SRC} ${KERNEL_CORE_SRC})
target_include_directories(tarvo_core PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR})
target_compile_options(tarvo_core PRIVATE ${WARN} -O2)
target_link_libraries(tarvo_core PUBLIC ZLIB::ZLIB)

add_library(tarvo_core_san STATIC ${CORE_SRC} ${KERNEL_CORE_SRC})
target_include_directories(tarvo_core_san PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR})
target_compile_options(tarvo_core_san PUBLIC ${WARN} ${SAN})
target_link_options(tarvo_core_san PUBLIC ${SAN})
target_link_libraries(tarvo_core_san PUBLIC ZLIB::ZLIB)

enable_testing()
file(GLOB UNIT_SRC CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
if(UNIT_SRC)
  add_executable(unit_tests ${UNIT_SRC})
  target_link_libraries(unit_tests PRIVATE tarvo_core_san GTest::gtest_main)
  target_compile_definitions(unit_tests PRIVATE TARVO_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  gtest_discover_tests(unit_tests PROPERTIES LABELS native DISCOVERY_TIMEOUT 60)
endif()

file(GLOB BENCH_SRC CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
foreach(src ${BENCH_SRC})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_compile_options(${name} PRIVATE ${WARN} -O2)
  target_link_libraries(${name} PRIVATE tarvo_core)
endforeach()

# The Windows builds, as external projects: the product (32-bit, build/win32)
# always, and the 64-bit test flavour (build/win64) when this machine cannot
# run 32-bit programs (its kernel may have 32-bit emulation switched off, and
# then 32-bit Wine does not start) or when asked for with -DTARVO_WIN64=ON.
# The Wine tests run the 64-bit flavour whenever it is built; the choice is
# written to build/wine-flavour for scripts/wine-env.sh.
option(TARVO_WINDOWS "Build and test the Windows libraries under Wine" ON)
option(TARVO_WIN64 "Build the 64-bit test flavour too and run the Wine tests on it" OFF)
if(TARVO_WINDOWS)
  if(TARVO_WIN64)
    set(wine_flavour win64)
  else()
    execute_process(COMMAND timeout 20 /usr/lib/wine/wine --version
                    RESULT_VARIABLE wine32_status OUTPUT_QUIET ERROR_QUIET)
    if(wine32_status EQUAL 0)
      set(wine_flavour win32)
    else()
      set(wine_flavour win64)
    endif()
  endif()
  message(STATUS "Wine tests run the ${wine_flavour} build")
  file(WRITE ${CMAKE_BINARY_DIR}/wine-flavour "${wine_flavour}\n")

  include(ExternalProject)
  set(flavours win32)
  if(wine_flavour STREQUAL "win64")
    list(APPEND flavours win64)
  endif()
  foreach(flavour ${flavours})
    if(flavour STREQUAL "win32")
      set(arch i686)
    else()
      set(arch x86_64)
    endif()
    # CMake cannot change the toolchain of a configured folder: one set up
    # with another toolchain file is configured afresh.
    set(cache ${CMAKE_BINARY_DIR}/${flavour}/CMakeCache.txt)
    if(EXISTS ${cache})
      file(STRINGS ${cache} chain REGEX "^CMAKE_TOOLCHAIN_FILE:")
      if(NOT chain STREQUAL "CMAKE_TOOLCHAIN_FILE:FILEPATH=${CMAKE_SOURCE_DIR}/cmake/mingw.cmake")
        file(REMOVE_RECURSE ${cache} ${CMAKE_BINARY_DIR}/${flavour}/CMakeFiles)
      endif()
    endif()
    ExternalProject_Add(${flavour}
      SOURCE_DIR ${CMAKE_SOURCE_DIR}
      BINARY_DIR ${CMAKE_BINARY_DIR}/${flavour}
      CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw.cmake
                 -DTARVO_ARCH=${arch} -DCMAKE_BUILD_TYPE=Release
      BUILD_ALWAYS TRUE
      INSTALL_COMMAND "")
  endforeach()

  # Shell tests over the built images (no Wine needed); win64_*.sh check the
  # 64-bit flavour and run only when it is built.
  file(GLOB SHELL_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/interop/*.sh)
  foreach(t ${SHELL_TESTS})
    get_filename_component(name ${t} NAME_WE)
    if(name MATCHES "^win64_" AND NOT wine_flavour STREQUAL "win64")
      continue()
    endif()
    add_test(NAME interop.${name} COMMAND bash ${t} ${CMAKE_BINARY_DIR})
    set_tests_properties(interop.${name} PROPERTIES LABELS windows TIMEOUT 300)
  endforeach()

  # Wine prefixes (scripts/wine-prefix.sh): the main one, where the DLL and
  # script tests run; "hostile", where the DLL tests run again under hostile
  # memory (see tests/dll/dll_test.h); "bare", with no KERNEL.DLL in its
  # system directory, for the tests of a missing companion library
  # (tests/dll/without_companion.h). Each run has a prefix of its own, so the
  # runs share no clipboard, windows or temporary folders and go in parallel.
  set(S ${CMAKE_SOURCE_DIR}/scripts)
  add_test(NAME wine.prefix COMMAND ${S}/wine-prefix.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(wine.prefix PROPERTIES FIXTURES_SETUP wine LABELS wine TIMEOUT 400)
  add_test(NAME wine.prefix_hostile COMMAND ${S}/wine-prefix.sh ${CMAKE_BINARY_DIR} hostile)
  set_tests_properties(wine.prefix_hostile PROPERTIES FIXTURES_SETUP wine_hostile LABELS wine
                       TIMEOUT 400)
  add_test(NAME wine.prefix_bare COMMAND ${S}/wine-prefix.sh ${CMAKE_BINARY_DIR} bare)
  set_tests_properties(wine.prefix_bare PROPERTIES FIXTURES_SETUP wine_bare LABELS wine TIMEOUT 400)

  file(GLOB DLL_TEST_SRC CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/dll/*.cpp)
  if(DLL_TEST_SRC)
    set(run ${S}/wine-run.sh ${CMAKE_BINARY_DIR} 900 dll_tests.exe)
    set(without_companion "*WithoutCompanion.*")
    add_test(NAME wine.dll_tests COMMAND ${run} --gtest_filter=-${without_companion})
    set_tests_properties(wine.dll_tests PROPERTIES FIXTURES_REQUIRED wine LABELS wine TIMEOUT 1000)
    add_test(NAME wine.dll_tests_hostile COMMAND ${run} --gtest_filter=-${without_companion})
    set_tests_properties(wine.dll_tests_hostile PROPERTIES FIXTURES_REQUIRED wine_hostile
                         LABELS wine TIMEOUT 1000 ENVIRONMENT "TARVO_HOSTILE=1;TARVO_PREFIX=hostile")
    add_test(NAME wine.dll_tests_bare COMMAND ${run} --gtest_filter=${without_companion})
    set_tests_properties(wine.dll_tests_bare PROPERTIES FIXTURES_REQUIRED wine_bare LABELS wine
                         TIMEOUT 300 ENVIRONMENT "TARVO_NO_COMPANION=1;TARVO_PREFIX=bare")
    add_test(NAME wine.dll_tests_bare_hostile COMMAND ${run} --gtest_filter=${without_companion})
    set_tests_properties(wine.dll_tests_bare_hostile PROPERTIES FIXTURES_REQUIRED wine_bare
                         LABELS wine TIMEOUT 300
                         ENVIRONMENT "TARVO_NO_COMPANION=1;TARVO_PREFIX=bare;TARVO_HOSTILE=1")
    # The tests that depend on the local zone again in a zone with daylight
    # saving time (the others run in the machine's zone, UTC).
    add_test(NAME wine.dll_tests_zone COMMAND ${run} --gtest_filter=*Zone*)
    set_tests_properties(wine.dll_tests_zone PROPERTIES FIXTURES_REQUIRED wine LABELS wine
                         TIMEOUT 400 ENVIRONMENT TZ=Europe/Paris)
  endif()

  # The signature fuzzer over every name, with fixed seeds, in both modes
  # (scripts/fuzz-names.sh runs it long with any seed and count).
  add_test(NAME wine.fuzz_names COMMAND ${S}/wine-run.sh ${CMAKE_BINARY_DIR} 600 tarvo-fuzz.exe --seed 1 --count 40)
  add_test(NAME wine.fuzz_names_hostile COMMAND ${S}/wine-run.sh ${CMAKE_BINARY_DIR} 600 tarvo-fuzz.exe --seed 2 --count 40 --hostile)
  set_tests_properties(wine.fuzz_names wine.fuzz_names_hostile PROPERTIES FIXTURES_REQUIRED wine
                       LABELS wine TIMEOUT 700)

  # tarvo-run from a shell and on a terminal (tests/runner/*.sh).
  file(GLOB RUNNER_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/runner/*.sh)
  foreach(t ${RUNNER_TESTS})
    get_filename_component(name ${t} NAME_WE)
    add_test(NAME runner.${name} COMMAND bash ${t} ${CMAKE_BINARY_DIR})
    set_tests_properties(runner.${name} PROPERTIES FIXTURES_REQUIRED wine LABELS wine TIMEOUT 300)
  endforeach()

  file(GLOB SCRIPT_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/scripts/*.prg)
  foreach(prg ${SCRIPT_TESTS})
    get_filename_component(name ${prg} NAME_WE)
    add_test(NAME script.${name} COMMAND ${S}/script-test.sh ${CMAKE_BINARY_DIR} ${prg})
    set_tests_properties(script.${name} PROPERTIES FIXTURES_REQUIRED wine LABELS wine TIMEOUT 120)
  endforeach()
  # File times in a zone away from UTC, without summer time.
  set_tests_properties(script.file_times PROPERTIES ENVIRONMENT TZ=Etc/GMT+5)

  # The README's lists of commands, functions and families match the tables.
  add_test(NAME readme.lists COMMAND ${S}/readme-lists.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(readme.lists PROPERTIES FIXTURES_REQUIRED wine LABELS wine TIMEOUT 120)
endif()

# The reference, the example test and the release test (tools/reference).
add_subdirectory(tools/reference)
