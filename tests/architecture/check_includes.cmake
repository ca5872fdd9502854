# Folders of src/ depend one way: a file may include its own folder's
# headers and those of the folders before it in this list, never after.
#
#   cmake -DSOURCE_DIR=<src> -P check_includes.cmake
cmake_minimum_required(VERSION 3.25)

set(layers text output geometry profile labels run)
set(failures "")
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
foreach(source IN LISTS sources)
  string(REGEX MATCH "^[^/]+" folder ${source})
  list(FIND layers ${folder} rank)
  if(rank EQUAL -1)
    continue()  # main.cpp stands above every folder
  endif()
  file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^#include \"")
  foreach(include IN LISTS includes)
    string(REGEX REPLACE "^#include \"([^/\"]+)/.*" "\\1" included ${include})
    list(FIND layers ${included} included_rank)
    if(included_rank GREATER rank)
      string(APPEND failures "${source} includes ${included}/, a folder above ${folder}/\n")
    endif()
  endforeach()
endforeach()
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
