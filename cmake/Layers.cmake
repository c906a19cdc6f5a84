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

# What each may link from outside the project. The model, the hive files and the chart core stand
# on the standard library alone, so Qt never reaches them, not even by a link.
set(LUNASOMA_OUTSIDE_lunasoma_model "")
set(LUNASOMA_OUTSIDE_lunasoma_registry "")
set(LUNASOMA_OUTSIDE_lunasoma_chart_core "")
set(LUNASOMA_OUTSIDE_lunasoma_platform Qt6::Core Qt6::Gui Qt6::Widgets)
set(LUNASOMA_OUTSIDE_lunasoma_app Qt6::Core Qt6::Gui Qt6::Widgets)
set(LUNASOMA_OUTSIDE_lunasoma_chart Qt6::Core Qt6::Gui Qt6::PrintSupport Qt6::Svg)
set(LUNASOMA_OUTSIDE_lunasoma_ui Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport Qt6::Svg)
set(LUNASOMA_OUTSIDE_lunasoma_setup Qt6::Core Qt6::Gui Qt6::Widgets)
set(LUNASOMA_OUTSIDE_lunasoma_chart_tool Qt6::Core Qt6::Gui Qt6::PrintSupport Qt6::Svg)
set(LUNASOMA_OUTSIDE_lunasoma_resources Qt6::Core)
set(LUNASOMA_OUTSIDE_lunasoma Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport)
set(LUNASOMA_OUTSIDE_lunasoma_setup_launcher Qt6::Core Qt6::Gui Qt6::Widgets)
set(LUNASOMA_OUTSIDE_lunasoma_cleanup "")
set(LUNASOMA_OUTSIDE_lunasoma-chart Qt6::Core Qt6::Gui)

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

# Refuses a link, the target's own or the one it passes on, that its lines above do not list: a
# project library outside its uses, or an outside library outside its outside list.
function(lunasoma_check_links target)
  set(links "")
  foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
    get_target_property(named ${target} ${property})
    if(named)
      list(APPEND links ${named})
    endif()
  endforeach()
  foreach(link ${links})
    # A static library passes its private links on as $<LINK_ONLY:...>: the same link.
    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
    # Qt links the objects of a target's own embedded resources, by name and through a generator
    # expression.
    if(link MATCHES "^${target}_resources_[0-9]+$"
       OR (link MATCHES "^\\$<" AND link MATCHES "TARGET_OBJECTS:\\$<TARGET_NAME:${target}_resources_[0-9]+>"))
      continue()
    endif()
    if(link MATCHES "^lunasoma")
      set(allowed ${LUNASOMA_USES_${target}})
    else()
      set(allowed ${LUNASOMA_OUTSIDE_${target}})
    endif()
    if(NOT link IN_LIST allowed)
      message(FATAL_ERROR "${target} links ${link}, which cmake/Layers.cmake does not let it use")
    endif()
  endforeach()
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
    lunasoma_check_links(${target})
    list(APPEND checked ${target})
    string(APPEND manifest "set(LAYER_USES_${target} \"${LUNASOMA_USES_${target}}\")\n")
  endforeach()
  get_property(folders DIRECTORY ${PROJECT_SOURCE_DIR} PROPERTY SUBDIRECTORIES)
  set(harness "")
  foreach(folder tests bench fuzz)
    if("${PROJECT_SOURCE_DIR}/${folder}" IN_LIST folders)
      get_property(targets DIRECTORY ${PROJECT_SOURCE_DIR}/${folder} PROPERTY BUILDSYSTEM_TARGETS)
      foreach(target ${targets})
        get_target_property(type ${target} TYPE)
        if(type MATCHES "LIBRARY|EXECUTABLE")
          list(APPEND harness ${target})
        endif()
      endforeach()
    endif()
  endforeach()
  foreach(target ${harness})
    list(APPEND checked ${target})
    string(APPEND manifest "set(LAYER_USES_${target} \"${LUNASOMA_LIBRARIES};${harness}\")\n")
  endforeach()
  foreach(target ${checked})
    lunasoma_source_files(${target} files)
    string(APPEND manifest "set(LAYER_SOURCES_${target} \"${files}\")\n")
  endforeach()
  string(APPEND manifest "set(LAYER_TARGETS \"${checked}\")\n")
  file(WRITE ${CMAKE_BINARY_DIR}/LayerManifest.cmake "${manifest}")
endfunction()
