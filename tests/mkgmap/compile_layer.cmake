# Converts layers with mif2cgps and compiles the output with mkgmap, an
# independent reader of the same map source format. The output passes when
# mkgmap exits 0, prints no SEVERE line and writes an .img file.
#
#   -DEXECUTABLE=mif2cgps -DLAYER=<folder with the layers and their tables>
#   -DOUTPUT=<the map file to compile> -DARGUMENTS=<converter arguments; when
#   empty, the base name OUTPUT names is typed at the prompt>
#   -DSCRATCH=<folder> -DMKGMAP=<mkgmap, or empty when missing>
cmake_minimum_required(VERSION 3.25)

if(NOT MKGMAP)
  message("mkgmap is not installed: skipped")
  return()
endif()

file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH}/work ${SCRATCH}/img)
file(GLOB layer_files ${LAYER}/*)
file(COPY ${layer_files} DESTINATION ${SCRATCH}/work)
# Tables are read from the working directory, also for layers in folders.
file(GLOB tables ${LAYER}/*/*convert.txt)
if(tables)
  file(COPY ${tables} DESTINATION ${SCRATCH}/work)
endif()
string(REGEX REPLACE "\\.cGPS\\.txt$" "" base ${OUTPUT})
file(WRITE ${SCRATCH}/stdin "${base}\n")

execute_process(
  COMMAND ${EXECUTABLE} ${ARGUMENTS}
  WORKING_DIRECTORY ${SCRATCH}/work
  INPUT_FILE ${SCRATCH}/stdin
  OUTPUT_QUIET
  RESULT_VARIABLE exit_code)
if(NOT exit_code EQUAL 0)
  message(FATAL_ERROR "mif2cgps exited with ${exit_code}")
endif()

# mkgmap reads labels as UTF-8 unless the [IMG ID] section names a code page,
# while the compiler the output is meant for reads Shift_JIS without one. So
# this scratch copy alone gets CodePage=932; the converter's output stays as
# it is.
execute_process(
  COMMAND sed -e "s/^\\[IMG ID\\]\r$/&\\nCodePage=932\r/"
  INPUT_FILE ${SCRATCH}/work/${OUTPUT}
  OUTPUT_FILE ${SCRATCH}/${base}.mp
  RESULT_VARIABLE sed_exit_code)
file(STRINGS ${SCRATCH}/${base}.mp code_page REGEX "^CodePage=932")
if(NOT sed_exit_code EQUAL 0 OR NOT code_page)
  message(FATAL_ERROR "could not add CodePage=932 after the [IMG ID] line of ${OUTPUT}")
endif()

execute_process(
  COMMAND ${MKGMAP} --output-dir=${SCRATCH}/img ${base}.mp
  WORKING_DIRECTORY ${SCRATCH}
  OUTPUT_VARIABLE mkgmap_output
  ERROR_VARIABLE mkgmap_output
  RESULT_VARIABLE mkgmap_exit_code)
file(GLOB images ${SCRATCH}/img/*.img)
if(NOT mkgmap_exit_code EQUAL 0 OR mkgmap_output MATCHES "SEVERE" OR NOT images)
  message(FATAL_ERROR "mkgmap rejected ${base}.mp (exit ${mkgmap_exit_code}):\n${mkgmap_output}")
endif()
