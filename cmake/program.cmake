# The Windows program, Velport5Tool.exe: a static GUI executable that imports only Windows
# system DLLs and runs on Windows XP SP3 and later. The i686 build (-win32 MinGW-w64 compilers)
# is the release, and what the end-to-end tests and benchmarks run; the same sources also build
# with the x86_64 toolchain, which is neither shipped nor tested.
add_executable(Velport5Tool WIN32
  src/facility/Unit2.cpp
  src/platform/Win32Platform.cpp
  src/shell/install_main.cpp
  src/shell/Selectfolder.cpp
  src/shell/TerminateHandler.cpp
  src/shell/Unit1.cpp
  src/shell/Unit3.cpp
  src/ui/Application.cpp
  src/ui/ApplicationWindow.cpp
  src/ui/Button.cpp
  src/ui/CheckBox.cpp
  src/ui/CheckListBox.cpp
  src/ui/Control.cpp
  src/ui/Edit.cpp
  src/ui/Font.cpp
  src/ui/Form.cpp
  src/ui/GroupBox.cpp
  src/ui/Label.cpp
  src/ui/MessageBoxFront.cpp
  src/ui/Panel.cpp
  src/ui/Window.cpp
  src/win/Com.cpp
  src/win/SystemFunction.cpp
  resources/Velport5Tool.rc
)
# Windows XP API level: the headers then declare nothing that XP lacks, so a call of a later
# function fails to compile, and structures such as NONCLIENTMETRICS have the size XP accepts.
target_compile_definitions(Velport5Tool PRIVATE _WIN32_WINNT=0x0501 WINVER=0x0501)
target_link_libraries(Velport5Tool PRIVATE
  engine user32 gdi32 comctl32 advapi32)
# Release builds are optimised for size: each function and object in its own section, the
# unused ones dropped at link time, symbols stripped.
set(velport_release $<CONFIG:Release,MinSizeRel>)
foreach(target IN ITEMS engine Velport5Tool)
  target_compile_options(${target} PRIVATE
    $<${velport_release}:-Os -ffunction-sections -fdata-sections>)
endforeach()
target_link_options(Velport5Tool PRIVATE -static $<${velport_release}:-s -Wl,--gc-sections>)
# The release asks for subsystem and OS version 5.01, Windows XP: XP refuses to start a program
# that asks for more, and a later linker's default may be higher.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  target_link_options(Velport5Tool PRIVATE
    -Wl,--major-subsystem-version,5,--minor-subsystem-version,1
    -Wl,--major-os-version,5,--minor-os-version,1)
endif()
# windres finds the icon and the manifest beside the .rc file.
set_property(SOURCE resources/Velport5Tool.rc APPEND PROPERTY COMPILE_OPTIONS
  -I${PROJECT_SOURCE_DIR}/resources)
