# Run by the test `include_rules`. Each folder of src/ includes only from
# the folders its library may use (RULES, written by src/CMakeLists.txt
# from the libraries' links: a line per folder, the folder first), and no
# file but the main window's own, main.cpp, the tests and the benchmarks
# includes app/mainwindow/.
cmake_minimum_required(VERSION 3.25)
file(STRINGS ${RULES} rules)
set(faults "")
foreach(rule IN LISTS rules)
  string(REPLACE " " ";" usable "${rule}")
  list(GET usable 0 folder)
  file(GLOB files ${SOURCE}/src/${folder}/*.h ${SOURCE}/src/${folder}/*.cpp)
  foreach(file IN LISTS files)
    file(STRINGS ${file} includes REGEX "^#include \"[^\"]*/")
    foreach(include IN LISTS includes)
      # The folder it names: app/<folder> under app/, else the first part.
      string(REGEX REPLACE "^#include \"(app/[^/\"]+|[^/\"]+)/.*" "\\1" used "${include}")
      if(NOT used IN_LIST usable)
        string(APPEND faults "${file}: ${include} (${folder} may use ${rule})\n")
      endif()
    endforeach()
  endforeach()
endforeach()

file(GLOB_RECURSE files ${SOURCE}/src/*.h ${SOURCE}/src/*.cpp ${SOURCE}/packaging/*.h ${SOURCE}/packaging/*.cpp)
foreach(file IN LISTS files)
  if(file MATCHES "/src/app/mainwindow/" OR file STREQUAL "${SOURCE}/src/app/main.cpp")
    continue()
  endif()
  file(STRINGS ${file} includes REGEX "^#include \"app/mainwindow/")
  foreach(include IN LISTS includes)
    string(APPEND faults "${file}: ${include} (only main.cpp, the tests and the benchmarks use the main window)\n")
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Includes that break the layout's rules:\n${faults}")
endif()
list(LENGTH rules count)
message(STATUS "The includes of ${count} folders of src/ keep to their libraries' links")
