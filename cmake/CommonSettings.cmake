# One INTERFACE target carries the language standard and the warnings to every target.
add_library(corvane_common INTERFACE)
target_compile_features(corvane_common INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(corvane_common INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
target_include_directories(corvane_common INTERFACE "${PROJECT_SOURCE_DIR}/src")

if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
  set(CMAKE_BUILD_TYPE Release CACHE STRING "Build type" FORCE)
endif()

configure_file("${PROJECT_SOURCE_DIR}/cmake/version.h.in" "${PROJECT_BINARY_DIR}/generated/version.h")
target_include_directories(corvane_common INTERFACE "${PROJECT_BINARY_DIR}/generated")
