# The Windows build's checks, run under Wine by scripts/test-windows.sh: the platform-neutral
# logic tests and the Windows back end's, in one executable; GoogleTest built from its sources.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_executable(tresmon_windows_tests
    shell/DateTimeTest.cpp
    shell/FormatsTest.cpp
    shell/SenhaTest.cpp
    shell/uFuncaoTest.cpp
    watchdog/IniFileTest.cpp
    watchdog/ProcessCheckTest.cpp
    watchdog/CadProcessoLogicTest.cpp
    wakeup/ClientDataSetTest.cpp
    wakeup/HoraCheckTest.cpp
    platform/WindowsPlatformTest.cpp
)
target_include_directories(tresmon_windows_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_options(tresmon_windows_tests PRIVATE -Wno-missing-field-initializers)
target_link_libraries(tresmon_windows_tests PRIVATE tresmon_core gtest gtest_main)

# Helpers the back end's tests start.
add_executable(tresmon_sleeper watchdog/sleeper.cpp)
add_executable(tresmon_instance_probe platform/instance_probe.cpp)
target_link_libraries(tresmon_instance_probe PRIVATE tresmon_core)
add_dependencies(tresmon_windows_tests tresmon_sleeper tresmon_instance_probe)
