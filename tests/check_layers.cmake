# Prints which source folder includes which, and fails when a folder includes
# one of its own layer or of a higher one: calls only go down.
#   cmake -P tests/check_layers.cmake
# Layers, lowest first; folders of one layer know nothing of each other.
set(layers
  "base"
  "language"
  "document;settings"
  "reports"
  "base/widgets"
  "settings/widgets;reports/widgets"
  "mainwindow/widgets;reports/browser"
  "app")

get_filename_component(root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(rank 0)
foreach(layer IN LISTS layers)
  foreach(folder ${layer})
    set(rank_${folder} ${rank})
  endforeach()
  math(EXPR rank "${rank} + 1")
endforeach()
# The layers list is split on ';' above, so rebuild it from the ranks.
set(all_folders base language document settings reports base/widgets settings/widgets
    reports/widgets mainwindow/widgets reports/browser app)

file(GLOB_RECURSE sources RELATIVE "${root}/src" "${root}/src/*.h" "${root}/src/*.cpp")
set(edges)
set(upward)
foreach(source IN LISTS sources)
  get_filename_component(from "${source}" DIRECTORY)
  if(NOT DEFINED rank_${from})
    list(APPEND upward "${source}: folder ${from} has no layer")
    continue()
  endif()
  file(STRINGS "${root}/src/${source}" includes REGEX "^#include \"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
    get_filename_component(to "${header}" DIRECTORY)
    if(to STREQUAL from OR NOT DEFINED rank_${to})
      continue()
    endif()
    list(APPEND edges "${from} -> ${to}")
    if(NOT rank_${to} LESS rank_${from})
      list(APPEND upward "${source} includes ${header}")
    endif()
  endforeach()
endforeach()

list(REMOVE_DUPLICATES edges)
list(SORT edges)
foreach(folder IN LISTS all_folders)
  set(targets)
  foreach(edge IN LISTS edges)
    if(edge MATCHES "^${folder} -> (.*)$")
      list(APPEND targets "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  list(JOIN targets ", " joined)
  message(STATUS "${folder} -> ${joined}")
endforeach()
if(upward)
  list(JOIN upward "\n  " joined)
  message(FATAL_ERROR "Includes that go up a layer or across one:\n  ${joined}")
endif()
