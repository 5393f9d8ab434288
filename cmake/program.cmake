# The Windows program, Velport5Tool.exe: a static GUI executable that imports only Windows
# system DLLs. Built with the MinGW-w64 toolchains: i686 is the release, x86_64 the build the
# end-to-end tests run under Wine.
add_executable(Velport5Tool WIN32
  src/facility/Unit2.cpp
  src/platform/Win32Platform.cpp
  src/shell/install_main.cpp
  src/shell/Selectfolder.cpp
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
# Windows 7 API level; the program calls nothing newer.
target_compile_definitions(Velport5Tool PRIVATE _WIN32_WINNT=0x0601 WINVER=0x0601)
target_link_libraries(Velport5Tool PRIVATE
  engine user32 gdi32 comctl32 advapi32)
# Release builds are stripped of symbols.
target_link_options(Velport5Tool PRIVATE -static $<$<CONFIG:Release,MinSizeRel>:-s>)
# windres finds the icon and the manifest beside the .rc file.
set_property(SOURCE resources/Velport5Tool.rc APPEND PROPERTY COMPILE_OPTIONS
  -I${PROJECT_SOURCE_DIR}/resources)
