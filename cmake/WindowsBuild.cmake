# The Windows build, included by the top-level CMakeLists.txt when the target
# is Windows: Vantorel.dll from the same sources as the Linux module, and the
# test host that loads it under Wine. The command-line tools, the benchmarks
# and the Linux test suites stay Linux-only.
include_directories(${CMAKE_SOURCE_DIR})
# Windows 7 is the oldest system the DLL's calls need; UNICODE makes every
# Windows call the wide one (paths and texts are UTF-8 inside).
add_compile_definitions(_WIN32_WINNT=0x0601 WINVER=0x0601 UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN)

foreach(dir vst2 engine toolkit controls editor plugin)
  add_subdirectory(${dir})
endforeach()

if(VANT_TESTS)
  add_subdirectory(tests/windows)
endif()
