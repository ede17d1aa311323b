cmake_minimum_required(VERSION 3.25)

# Checks that every #include "folder/..." in src/ and tests/ points down the
# layers of the program, never up and never across: a folder may include its
# own headers and those of the folders on lower levels only. A test folder is
# held to the level of the source folder of the same name.
#
#   cmake -DSOURCE_DIR=<root> -P cmake/check_layers.cmake
#
# Level 0 is the bottom, what every layer may use (the result shape, message
# helpers); above it the platform's services and the settings know nothing of
# each other; above the outputs, the temple as the window saves it (which the
# windows' logic and the command line share), the printed pages (Qt Gui, which
# the command line and the widgets share) and what the command line and the
# page share; the windows' logic, the command line and the page near the top,
# and the widgets above the windows' logic.

set(level_base 0)
set(level_text 0)
set(level_platform 1)
set(level_settings 1)
set(level_state 2)
set(level_calendar 3)
set(level_composer 4)
set(level_output 5)
set(level_output_files 6)
set(level_saved_temple 6)
set(level_print 6)
set(level_interchange 6)
set(level_window_logic 7)
set(level_cli 7)
set(level_web 7)
set(level_widgets 8)
set(layers base text platform settings state calendar composer output output_files saved_temple
    print interchange window_logic cli web widgets)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "check_layers: give -DSOURCE_DIR=<the project's root>")
endif()

set(violations "")
foreach(top src tests)
  foreach(layer IN LISTS layers)
    file(GLOB_RECURSE files "${SOURCE_DIR}/${top}/${layer}/*.h" "${SOURCE_DIR}/${top}/${layer}/*.cpp")
    foreach(file IN LISTS files)
      file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+\"")
      foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" included "${line}")
        string(REGEX MATCH "^[^/]+" folder "${included}")
        if(NOT folder IN_LIST layers OR folder STREQUAL layer)
          continue()  # the folder's own headers, a generated header, a test's support
        endif()
        if(NOT level_${folder} LESS level_${layer})
          file(RELATIVE_PATH shown "${SOURCE_DIR}" "${file}")
          string(APPEND violations "  ${shown}: #include \"${included}\" (${layer} may not use ${folder})\n")
        endif()
      endforeach()
    endforeach()
  endforeach()
endforeach()

# A folder that is not a known layer would escape the check.
file(GLOB folders LIST_DIRECTORIES true RELATIVE "${SOURCE_DIR}/src" "${SOURCE_DIR}/src/*")
foreach(folder IN LISTS folders)
  if(IS_DIRECTORY "${SOURCE_DIR}/src/${folder}" AND NOT folder IN_LIST layers)
    string(APPEND violations "  src/${folder}: a folder without a level in cmake/check_layers.cmake\n")
  endif()
endforeach()

if(violations)
  message(FATAL_ERROR "Includes that run up or across the layers:\n${violations}")
endif()
