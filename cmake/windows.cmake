# Windows build: the two libraries, the runner and its test programs.
#
# The product is the 32-bit build (cmake/mingw.cmake, TARVO_ARCH=i686). The
# same sources also build as a 64-bit test flavour (TARVO_ARCH=x86_64), built
# and tested everywhere, also where the kernel runs no 32-bit programs (and so
# there is no 32-bit Wine): its images load below 2 GB and are not "large
# address aware", so addresses fit the protocol's 32-bit fields, and its tests
# run under 64-bit Wine. (Wine still places very large memory blocks above
# 4 GB; the host and the library refuse those as out of memory.) The linker
# (GNU ld 2.40) takes --disable-large-address-aware for 32-bit images only and
# marks every 64-bit image large address aware, so scripts/clear-laa.sh
# clears the flag after each link; tests/interop/win64_images.sh checks the
# images as linked.
set(WARN -Wall -Wextra -Wno-unused-parameter -Wno-cast-function-type)
# Nothing but Windows system DLLs at run time.
set(STATIC_LINK -static -static-libgcc -static-libstdc++)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501 WINVER=0x0501)

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(TEST_FLAVOUR ON)
  set(LOW_IMAGE -Wl,--disable-dynamicbase -Wl,--disable-high-entropy-va)
else()
  set(TEST_FLAVOUR OFF)
  set(LOW_IMAGE "")
endif()

# Links a target statically, at a fixed low image base in the test flavour.
function(tarvo_link target base)
  target_link_options(${target} PRIVATE ${STATIC_LINK})
  if(TEST_FLAVOUR)
    target_link_options(${target} PRIVATE ${LOW_IMAGE} -Wl,--image-base,${base})
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${CMAKE_SOURCE_DIR}/scripts/clear-laa.sh $<TARGET_FILE:${target}>)
  endif()
endfunction()

# The plain code, with the calendar arithmetic it shares with the companion.
add_library(tarvo_core_win STATIC ${CORE_SRC} ${CMAKE_SOURCE_DIR}/kernel/calendar.cpp)
target_include_directories(tarvo_core_win PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR})
target_compile_options(tarvo_core_win PRIVATE ${WARN})

set(LIB_SRC ${ALL_SRC})
list(FILTER LIB_SRC INCLUDE REGEX "(_handlers|_win)\\.cpp$")
add_library(TARVO SHARED ${LIB_SRC} ${CMAKE_SOURCE_DIR}/src/host/version.rc)
# windres does not report the headers a resource script includes: the version
# resources are rebuilt when the version number changes.
set_source_files_properties(${CMAKE_SOURCE_DIR}/src/host/version.rc ${CMAKE_SOURCE_DIR}/kernel/version.rc
  PROPERTIES OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/src/host/version.h)
set_target_properties(TARVO PROPERTIES PREFIX "" OUTPUT_NAME "TARVO" SUFFIX ".fll")
target_compile_options(TARVO PRIVATE ${WARN})
target_link_libraries(TARVO PRIVATE tarvo_core_win user32 gdi32 kernel32 advapi32 shell32 ole32 uuid
                      mpr lz32 comdlg32 winmm winspool ws2_32 version)
tarvo_link(TARVO 0x10000000)

# A test library over the same host code, whose rows exercise the row
# adapter's kinds (tests/adapter).
set(HOST_WIN_SRC ${LIB_SRC})
list(FILTER HOST_WIN_SRC INCLUDE REGEX "/src/host/(dispatch|services|handles|table)_win\\.cpp$")
add_library(ADAPTEST SHARED ${HOST_WIN_SRC} ${CMAKE_SOURCE_DIR}/tests/adapter/adapter_win.cpp)
set_target_properties(ADAPTEST PROPERTIES PREFIX "" OUTPUT_NAME "ADAPTEST" SUFFIX ".fll")
target_compile_options(ADAPTEST PRIVATE ${WARN})
target_link_libraries(ADAPTEST PRIVATE tarvo_core_win user32)
tarvo_link(ADAPTEST 0x12000000)

set(KERNEL_DEF ${CMAKE_SOURCE_DIR}/kernel/kernel.def)
if(TEST_FLAVOUR)
  # 64-bit names carry no stdcall decoration.
  file(READ ${KERNEL_DEF} def)
  string(REGEX REPLACE "@[0-9]+" "" def "${def}")
  file(WRITE ${CMAKE_BINARY_DIR}/kernel64.def "${def}")
  set(KERNEL_DEF ${CMAKE_BINARY_DIR}/kernel64.def)
endif()
add_library(KERNEL SHARED ${KERNEL_ALL} ${KERNEL_DEF} ${CMAKE_SOURCE_DIR}/kernel/version.rc)
set_target_properties(KERNEL PROPERTIES PREFIX "" OUTPUT_NAME "KERNEL" SUFFIX ".DLL")
target_include_directories(KERNEL PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR})
target_compile_options(KERNEL PRIVATE ${WARN})
target_link_libraries(KERNEL PRIVATE ${CMAKE_FIND_ROOT_PATH}/lib/libz.a winmm user32)
target_link_options(KERNEL PRIVATE -Wl,--enable-stdcall-fixup)
tarvo_link(KERNEL 0x11000000)

# The replacement host: a library for the tests and the tarvo-run program.
file(GLOB_RECURSE RUNNER_SRC CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/runner/*.cpp)
list(FILTER RUNNER_SRC EXCLUDE REGEX "main_win\\.cpp$")
# The host shares the companion library's calendar (through tarvo_core_win).
add_library(tarvo_host STATIC ${RUNNER_SRC})
target_include_directories(tarvo_host PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR})
target_compile_options(tarvo_host PRIVATE ${WARN})
target_link_libraries(tarvo_host PUBLIC tarvo_core_win user32 gdi32)

add_executable(tarvo-run ${CMAKE_SOURCE_DIR}/runner/main_win.cpp)
target_link_libraries(tarvo-run PRIVATE tarvo_host ole32)
tarvo_link(tarvo-run 0x00400000)
add_dependencies(tarvo-run TARVO KERNEL)

# The signature fuzzer over the loaded library.
add_executable(tarvo-fuzz ${CMAKE_SOURCE_DIR}/runner/fuzz/main_win.cpp)
target_link_libraries(tarvo-fuzz PRIVATE tarvo_host)
tarvo_link(tarvo-fuzz 0x00400000)
add_dependencies(tarvo-fuzz TARVO KERNEL)

file(GLOB DLL_TEST_SRC CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/dll/*.cpp)
if(DLL_TEST_SRC)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  add_executable(dll_tests ${DLL_TEST_SRC})
  target_link_libraries(dll_tests PRIVATE tarvo_host gtest_main winmm advapi32 shell32 winspool ole32 uuid mpr ws2_32)
  tarvo_link(dll_tests 0x00400000)
  # The same program under another name, which the test prefixes run as
  # Windows 95 (scripts/wine-prefix.sh), for the library's Windows 95 branches.
  add_custom_command(TARGET dll_tests POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:dll_tests> $<TARGET_FILE_DIR:dll_tests>/dll_tests95.exe)
  # A program the tests start, list and end (tests/child).
  add_executable(test_child ${CMAKE_SOURCE_DIR}/tests/child/child_win.cpp)
  tarvo_link(test_child 0x00400000)
  # A network provider the test prefixes register (tests/fakenp).
  add_library(fakenp SHARED ${CMAKE_SOURCE_DIR}/tests/fakenp/fakenp_win.cpp
              ${CMAKE_SOURCE_DIR}/tests/fakenp/fakenp.def)
  set_target_properties(fakenp PROPERTIES PREFIX "" OUTPUT_NAME "tarvo-fakenp")
  target_link_options(fakenp PRIVATE -Wl,--enable-stdcall-fixup)
  tarvo_link(fakenp 0x13000000)
  add_dependencies(dll_tests TARVO KERNEL ADAPTEST test_child fakenp)
endif()

file(GLOB WIN_BENCH_SRC CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/win/*.cpp)
foreach(src ${WIN_BENCH_SRC})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_link_libraries(${name} PRIVATE tarvo_host)
  tarvo_link(${name} 0x00400000)
  add_dependencies(${name} TARVO KERNEL)
endforeach()
