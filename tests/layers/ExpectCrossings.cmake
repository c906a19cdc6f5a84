# Runs the layer check over a small tree that breaks the layers in every way a file can spell an
# include, and configures a project for each link that breaks them: each must be reported, and a
# file naming its own library's header must not be. Run as cmake -DWORK=<scratch folder> -P this.
cmake_minimum_required(VERSION 3.25)
set(here "${CMAKE_CURRENT_LIST_DIR}")
set(failures "")

execute_process(
  COMMAND ${CMAKE_COMMAND} -DMANIFEST=${here}/fixture/LayerManifest.cmake -P ${here}/../../cmake/LayerCheck.cmake
  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
set(expected
  "low/Low.h: includes high/High.h of high, which low may not use"
  "low/Low.h: includes low/Unlisted.h, which belongs to no library"
  "low/Angled.h: includes <high/High.h> of high, which low may not use"
  "high/Reaches.h: includes <side/Side.h> of side, which high may not use"
  "high/Reaches.h: includes ../side/Side.h (side/Side.h) of side, which high may not use")
if(result EQUAL 0)
  list(APPEND failures "the include check passed a tree with crossings")
endif()
foreach(line IN LISTS expected)
  string(FIND "${out}" "${line}\n" at)
  if(at EQUAL -1)
    list(APPEND failures "not reported: ${line}")
  endif()
endforeach()
string(REGEX MATCHALL "[^\n]*: includes [^\n]*" reported "${out}")
list(LENGTH reported count)
list(LENGTH expected wanted)
if(NOT count EQUAL wanted)
  list(APPEND failures "${count} crossings reported where there are ${wanted}")
endif()

# CMake folds long messages, so each refusal is found by its start.
set(refusal_qt-in-model "lunasoma_model links Qt6::Core,")
set(refusal_qt-passed-on-by-chart-core "lunasoma_chart_core links Qt6::Gui,")
set(refusal_registry-uses-ui "lunasoma_registry links lunasoma_ui,")
foreach(case qt-in-model qt-passed-on-by-chart-core registry-uses-ui allowed)
  file(REMOVE_RECURSE ${WORK}/${case})
  execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${here}/links -B ${WORK}/${case} -DCASE=${case}
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(case STREQUAL "allowed")
    if(NOT result EQUAL 0)
      list(APPEND failures "an allowed link was refused: ${out}")
    endif()
  else()
    string(FIND "${out}" "${refusal_${case}}" at)
    if(result EQUAL 0 OR at EQUAL -1)
      list(APPEND failures "link not refused (${case}): ${out}")
    endif()
  endif()
endforeach()

if(failures)
  list(JOIN failures "\n" text)
  message(FATAL_ERROR "${text}")
endif()
message(STATUS "every crossing reported")
