# The library's folders from the bottom up: a folder includes and links only itself and the
# folders before it in this list. The check runs when CMake configures the build and again
# as a test, so an include that reaches upwards fails both.
set(MORVASK_LAYERS base core language reports network registrations analysis app)

# Fails with the offending lines when a file of a library folder includes a folder that lies
# above it, or a front end (gui/, cli/).
function(morvask_check_layers source_dir)
  set(faults "")
  set(below "")
  foreach(layer IN LISTS MORVASK_LAYERS)
    list(APPEND below ${layer})
    file(GLOB_RECURSE files ${source_dir}/${layer}/*.h ${source_dir}/${layer}/*.cpp)
    foreach(file IN LISTS files)
      file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z_]+/")
      foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([a-z_]+)/.*" "\\1" target "${line}")
        list(FIND below ${target} found)
        if(found EQUAL -1)
          file(RELATIVE_PATH rel ${source_dir} ${file})
          string(REPLACE ";" "/, " allowed "${below}")
          string(APPEND faults "  ${rel}: ${line}  (${layer}/ may include only ${allowed}/)\n")
        endif()
      endforeach()
    endforeach()
  endforeach()
  if(faults)
    message(FATAL_ERROR "An include runs against the library's order:\n${faults}")
  endif()
endfunction()

# As a script: cmake -DSOURCE_DIR=<src> -P LibraryLayers.cmake
if(CMAKE_SCRIPT_MODE_FILE AND SOURCE_DIR)
  morvask_check_layers(${SOURCE_DIR})
endif()
