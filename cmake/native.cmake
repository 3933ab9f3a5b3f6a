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

# The Windows builds, as external projects, both always: the product (32-bit,
# build/win32) and the 64-bit test flavour (build/win64, see
# cmake/windows.cmake). The 64-bit flavour runs wherever 64-bit Wine does; the
# product needs a machine that runs 32-bit programs (a kernel may have its
# 32-bit emulation switched off, and then 32-bit Wine does not start).
#
# Every Wine test is registered once for each flavour that runs here, named
# FLAVOUR.NAME (win32.dll_tests, win64.script.dll, ...) and labelled wine and
# FLAVOUR, with the flavour's own prefixes and fixtures; ctest hands the
# flavour to the scripts as TARVO_FLAVOUR (scripts/wine-env.sh).
# win32.available reports whether the product runs here: where it cannot, the
# test prints why and ends as Skipped, and the product's Wine tests are not
# registered (configuring says so too).
option(TARVO_WINDOWS "Build and test the Windows libraries under Wine" ON)
if(TARVO_WINDOWS)
  set(S ${CMAKE_SOURCE_DIR}/scripts)
  execute_process(COMMAND ${S}/wine-available.sh win32 RESULT_VARIABLE win32_status
                  OUTPUT_VARIABLE win32_report OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  message(STATUS "${win32_report}")
  if(win32_status EQUAL 0)
    set(TARVO_WINE_FLAVOURS win32 win64)
  else()
    set(TARVO_WINE_FLAVOURS win64)
    message(STATUS "The Wine tests of the 32-bit product are not registered: "
                   "win32.available reports why")
  endif()
  add_test(NAME win32.available COMMAND ${S}/wine-available.sh win32)
  set_tests_properties(win32.available PROPERTIES SKIP_RETURN_CODE 77 LABELS "wine;win32"
                       TIMEOUT 60)

  include(ExternalProject)
  foreach(flavour win32 win64)
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
    # The two builds take turns (each uses every core), through the pool
    # USES_TERMINAL_BUILD puts them in.
    ExternalProject_Add(${flavour}
      SOURCE_DIR ${CMAKE_SOURCE_DIR}
      BINARY_DIR ${CMAKE_BINARY_DIR}/${flavour}
      CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw.cmake
                 -DTARVO_ARCH=${arch} -DCMAKE_BUILD_TYPE=Release
      BUILD_ALWAYS TRUE
      USES_TERMINAL_BUILD TRUE
      INSTALL_COMMAND "")
  endforeach()

  # Shell tests over the built images (no Wine needed).
  file(GLOB SHELL_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/interop/*.sh)
  foreach(t ${SHELL_TESTS})
    get_filename_component(name ${t} NAME_WE)
    add_test(NAME interop.${name} COMMAND bash ${t} ${CMAKE_BINARY_DIR})
    set_tests_properties(interop.${name} PROPERTIES LABELS windows TIMEOUT 300)
  endforeach()

  # tarvo_wine_test(FLAVOUR NAME COMMAND command... [TIMEOUT seconds]
  #                 [SETUP fixture] [REQUIRES fixture...] [ENVIRONMENT VAR=value...])
  # registers the test FLAVOUR.NAME running the command with TARVO_FLAVOUR set;
  # fixture names get the flavour in front (win32_prefix), so each flavour's
  # tests wait for its own prefixes only, and hold them while they run.
  function(tarvo_wine_test flavour name)
    cmake_parse_arguments(PARSE_ARGV 2 T "" "TIMEOUT;SETUP" "COMMAND;REQUIRES;ENVIRONMENT")
    set(test ${flavour}.${name})
    add_test(NAME ${test} COMMAND ${T_COMMAND})
    set(env TARVO_FLAVOUR=${flavour} ${T_ENVIRONMENT})
    set_tests_properties(${test} PROPERTIES LABELS "wine;${flavour}" TIMEOUT ${T_TIMEOUT}
                         ENVIRONMENT "${env}")
    if(T_SETUP)
      set_tests_properties(${test} PROPERTIES FIXTURES_SETUP ${flavour}_${T_SETUP})
    endif()
    if(T_REQUIRES)
      list(TRANSFORM T_REQUIRES PREPEND ${flavour}_)
      # A prefix is one machine to the programs in it: one desktop, clipboard,
      # keyboard state, registry and default printer, which the tests set
      # and read. Tests of the same prefix therefore run one at a time; the
      # prefixes of the other flavour and mode run beside them.
      set_tests_properties(${test} PROPERTIES FIXTURES_REQUIRED "${T_REQUIRES}"
                           RESOURCE_LOCK "${T_REQUIRES}")
    endif()
  endfunction()

  file(GLOB DLL_TEST_SRC CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/dll/*.cpp)
  file(GLOB RUNNER_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/runner/*.sh)
  file(GLOB SCRIPT_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/scripts/*.prg)
  foreach(flavour ${TARVO_WINE_FLAVOURS})
    # Wine prefixes (scripts/wine-prefix.sh), build/wineprefix32* or
    # wineprefix64*: the main one, where the DLL and script tests run;
    # "hostile", where the DLL tests run again under hostile memory (see
    # tests/dll/dll_test.h); "bare", with no KERNEL.DLL in its system
    # directory, for the tests of a missing companion library
    # (tests/dll/without_companion.h). Each run has a prefix of its own, so
    # the runs share no clipboard, windows or temporary folders and go in
    # parallel.
    tarvo_wine_test(${flavour} prefix COMMAND ${S}/wine-prefix.sh ${CMAKE_BINARY_DIR}
                    SETUP prefix TIMEOUT 400)
    tarvo_wine_test(${flavour} prefix_hostile COMMAND ${S}/wine-prefix.sh ${CMAKE_BINARY_DIR} hostile
                    SETUP prefix_hostile TIMEOUT 400)
    tarvo_wine_test(${flavour} prefix_bare COMMAND ${S}/wine-prefix.sh ${CMAKE_BINARY_DIR} bare
                    SETUP prefix_bare TIMEOUT 400)

    if(DLL_TEST_SRC)
      set(run ${S}/wine-run.sh ${CMAKE_BINARY_DIR} 900 dll_tests.exe)
      set(without_companion "*WithoutCompanion.*")
      tarvo_wine_test(${flavour} dll_tests COMMAND ${run} --gtest_filter=-${without_companion}
                      REQUIRES prefix TIMEOUT 1000)
      tarvo_wine_test(${flavour} dll_tests_hostile COMMAND ${run} --gtest_filter=-${without_companion}
                      REQUIRES prefix_hostile TIMEOUT 1000
                      ENVIRONMENT TARVO_HOSTILE=1 TARVO_PREFIX=hostile)
      tarvo_wine_test(${flavour} dll_tests_bare COMMAND ${run} --gtest_filter=${without_companion}
                      REQUIRES prefix_bare TIMEOUT 300
                      ENVIRONMENT TARVO_NO_COMPANION=1 TARVO_PREFIX=bare)
      tarvo_wine_test(${flavour} dll_tests_bare_hostile COMMAND ${run} --gtest_filter=${without_companion}
                      REQUIRES prefix_bare TIMEOUT 300
                      ENVIRONMENT TARVO_NO_COMPANION=1 TARVO_PREFIX=bare TARVO_HOSTILE=1)
      # The tests that depend on the local zone again in a zone with daylight
      # saving time (the others run in the machine's zone, UTC).
      tarvo_wine_test(${flavour} dll_tests_zone COMMAND ${run} --gtest_filter=*Zone*
                      REQUIRES prefix TIMEOUT 400 ENVIRONMENT TZ=Europe/Paris)
      # The Windows 95 branches: dll_tests95.exe, a copy the prefix runs as
      # Windows 95 (scripts/wine-prefix.sh), runs the suites named *Win95* and the *OnWindows95 tests.
      tarvo_wine_test(${flavour} dll_tests_win95
                      COMMAND ${S}/wine-run.sh ${CMAKE_BINARY_DIR} 300 dll_tests95.exe
                              --gtest_filter=*Win95*:*OnWindows95*
                      REQUIRES prefix TIMEOUT 400 ENVIRONMENT TARVO_WINDOWS95=1)
    endif()

    # The signature fuzzer over every name, with fixed seeds, in both modes
    # (scripts/fuzz-names.sh runs it long with any seed and count). A call
    # gets 60 s before it counts as hanging: on a loaded machine one Wine
    # call was once seen to stall for over 20 s (GRA_CIRCLE, which takes a
    # millisecond when run again).
    set(fuzz ${S}/wine-run.sh ${CMAKE_BINARY_DIR} 600 tarvo-fuzz.exe --limit 60)
    tarvo_wine_test(${flavour} fuzz_names COMMAND ${fuzz} --seed 1 --count 40
                    REQUIRES prefix TIMEOUT 700)
    tarvo_wine_test(${flavour} fuzz_names_hostile COMMAND ${fuzz} --seed 2 --count 40 --hostile
                    REQUIRES prefix TIMEOUT 700)

    # tarvo-run from a shell and on a terminal (tests/runner/*.sh).
    foreach(t ${RUNNER_TESTS})
      get_filename_component(name ${t} NAME_WE)
      tarvo_wine_test(${flavour} runner.${name} COMMAND bash ${t} ${CMAKE_BINARY_DIR}
                      REQUIRES prefix TIMEOUT 300)
    endforeach()

    foreach(prg ${SCRIPT_TESTS})
      get_filename_component(name ${prg} NAME_WE)
      set(zone "")
      if(name STREQUAL "file_times")
        set(zone TZ=Etc/GMT+5)  # file times in a zone away from UTC, without summer time
      endif()
      tarvo_wine_test(${flavour} script.${name} COMMAND ${S}/script-test.sh ${CMAKE_BINARY_DIR} ${prg}
                      REQUIRES prefix TIMEOUT 120 ENVIRONMENT ${zone})
    endforeach()

    # The example programs, one per family, with their output in
    # tests/examples/NAME.out.
    file(GLOB EXAMPLES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/examples/*.prg)
    foreach(prg ${EXAMPLES})
      get_filename_component(name ${prg} NAME_WE)
      if(EXISTS ${CMAKE_SOURCE_DIR}/tests/examples/${name}.out)
        tarvo_wine_test(${flavour} example.${name} COMMAND ${S}/script-test.sh ${CMAKE_BINARY_DIR} ${prg}
                        ${CMAKE_SOURCE_DIR}/tests/examples/${name} REQUIRES prefix TIMEOUT 120)
      endif()
    endforeach()

    # The documents' lists of commands, functions, families and coverage
    # match the tables (scripts/doc-lists.sh).
    tarvo_wine_test(${flavour} docs.lists COMMAND ${S}/doc-lists.sh ${CMAKE_BINARY_DIR}
                    REQUIRES prefix TIMEOUT 120)
  endforeach()
endif()

# The README stays short and every link of the documents resolves.
add_test(NAME docs.links COMMAND ${CMAKE_SOURCE_DIR}/tests/docs/links.sh ${CMAKE_SOURCE_DIR})
set_tests_properties(docs.links PROPERTIES LABELS native TIMEOUT 60)

# The reference, the example test and the release test (tools/reference).
add_subdirectory(tools/reference)
