# The layers and what each may use: the one statement of the allowed edges. Configuring fails when
# a library links a project library that its line does not list, and the layer check (a test, see
# cmake/LayerCheck.cmake) fails when a file includes a header of a library that its own library may
# not use. ARCHITECTURE.md draws the same table; change both together.
set(LUNASOMA_USES_lunasoma_model "")
set(LUNASOMA_USES_lunasoma_registry lunasoma_model)
set(LUNASOMA_USES_lunasoma_platform lunasoma_registry lunasoma_model)
set(LUNASOMA_USES_lunasoma_app lunasoma_platform lunasoma_registry lunasoma_model)
set(LUNASOMA_USES_lunasoma_chart_core lunasoma_model)
set(LUNASOMA_USES_lunasoma_chart lunasoma_chart_core lunasoma_model)
set(LUNASOMA_USES_lunasoma_ui lunasoma_chart lunasoma_chart_core lunasoma_app lunasoma_platform lunasoma_registry
  lunasoma_model lunasoma_resources)
set(LUNASOMA_USES_lunasoma_setup lunasoma_app lunasoma_platform lunasoma_registry lunasoma_model lunasoma_resources)
set(LUNASOMA_USES_lunasoma_chart_tool lunasoma_chart lunasoma_chart_core lunasoma_model)
# The programs stand above every layer; the cleanup program uses nothing of the others.
set(LUNASOMA_USES_lunasoma lunasoma_setup lunasoma_ui lunasoma_chart lunasoma_chart_core lunasoma_app
  lunasoma_platform lunasoma_registry lunasoma_model lunasoma_resources)
set(LUNASOMA_USES_lunasoma_setup_launcher lunasoma_setup lunasoma_app lunasoma_platform lunasoma_registry
  lunasoma_model lunasoma_resources)
set(LUNASOMA_USES_lunasoma_cleanup "")
set(LUNASOMA_USES_lunasoma-chart lunasoma_chart_tool lunasoma_chart lunasoma_chart_core lunasoma_app
  lunasoma_platform lunasoma_registry lunasoma_model)

set(LUNASOMA_LIBRARIES lunasoma_model lunasoma_registry lunasoma_platform lunasoma_app lunasoma_chart_core
  lunasoma_chart lunasoma_ui lunasoma_setup lunasoma_chart_tool lunasoma_resources)
set(LUNASOMA_PROGRAMS lunasoma lunasoma_setup_launcher lunasoma_cleanup lunasoma-chart)

# A target's files in the source tree, as absolute paths.
function(lunasoma_source_files target out)
  get_target_property(sources ${target} SOURCES)
  get_target_property(folder ${target} SOURCE_DIR)
  set(files "")
  foreach(source ${sources})
    if(source MATCHES "^\\$<")
      continue()
    endif()
    if(NOT IS_ABSOLUTE "${source}")
      set(source "${folder}/${source}")
    endif()
    cmake_path(NORMAL_PATH source)
    cmake_path(IS_PREFIX PROJECT_SOURCE_DIR "${source}" NORMALIZE inside)
    if(inside AND EXISTS "${source}" AND NOT source MATCHES "/cmake/empty.cpp$")
      list(APPEND files "${source}")
    endif()
  endforeach()
  set(${out} "${files}" PARENT_SCOPE)
endfunction()

# Called once every target is defined: refuses a link the table does not allow, and writes the
# manifest the layer check reads (each target's files and what it may use). Tests, benchmarks and
# fuzzers may use every library but no program's own files.
function(lunasoma_check_layers)
  set(manifest "set(LAYER_ROOT \"${PROJECT_SOURCE_DIR}\")\n")
  set(checked "")
  foreach(target ${LUNASOMA_LIBRARIES} ${LUNASOMA_PROGRAMS})
    if(NOT TARGET ${target})
      continue()
    endif()
    get_target_property(links ${target} LINK_LIBRARIES)
    foreach(link ${links})
      if(link MATCHES "^lunasoma" AND NOT link IN_LIST LUNASOMA_USES_${target})
        message(FATAL_ERROR "${target} links ${link}, which cmake/Layers.cmake does not let it use")
      endif()
    endforeach()
    list(APPEND checked ${target})
    string(APPEND manifest "set(LAYER_USES_${target} \"${LUNASOMA_USES_${target}}\")\n")
  endforeach()
  get_property(folders DIRECTORY ${PROJECT_SOURCE_DIR} PROPERTY SUBDIRECTORIES)
  foreach(folder tests bench fuzz)
    if("${PROJECT_SOURCE_DIR}/${folder}" IN_LIST folders)
      get_property(targets DIRECTORY ${PROJECT_SOURCE_DIR}/${folder} PROPERTY BUILDSYSTEM_TARGETS)
      foreach(target ${targets})
        get_target_property(type ${target} TYPE)
        if(type MATCHES "LIBRARY|EXECUTABLE")
          list(APPEND checked ${target})
          string(APPEND manifest "set(LAYER_USES_${target} \"${LUNASOMA_LIBRARIES};${targets}\")\n")
        endif()
      endforeach()
    endif()
  endforeach()
  foreach(target ${checked})
    lunasoma_source_files(${target} files)
    string(APPEND manifest "set(LAYER_SOURCES_${target} \"${files}\")\n")
  endforeach()
  string(APPEND manifest "set(LAYER_TARGETS \"${checked}\")\n")
  file(WRITE ${CMAKE_BINARY_DIR}/LayerManifest.cmake "${manifest}")
endfunction()
