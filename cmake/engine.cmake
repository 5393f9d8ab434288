# Portable sources: no <windows.h>; they reach the system only through platform::Platform.
add_library(engine STATIC
  src/facility/AfdCommand.cpp
  src/facility/AfdWork.cpp
  src/files/RetryingPlatform.cpp
  src/files/SiblingFiles.cpp
  src/files/WholeFile.cpp
  src/platform/Platform.cpp
  src/scenery/EditorMessages.cpp
  src/scenery/IniDocument.cpp
  src/scenery/Inifile.cpp
  src/scenery/LocalPath.cpp
  src/scenery/Scenery.cpp
  src/scenery/SceneryData.cpp
  src/shell/BusyBracket.cpp
  src/shell/PathTrim.cpp
  src/shell/Registry.cpp
  src/ui/ExceptionMessage.cpp
)
target_include_directories(engine PUBLIC ${PROJECT_SOURCE_DIR}/src)
