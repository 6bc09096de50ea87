# The layer rules, checked on every target under src/ when the build is
# configured: a library links only the layers before it in this order (the
# folders of DESIGN's layer list; a folder's subfolders belong to it, so
# core/forms is part of core), and only the Qt host and the executable reach
# Qt Widgets, so that engine code runs without a display.
set(IT_LAYER_ORDER
  platform/runtime
  platform/ado
  platform/ui
  platform/suite
  platform/qt
  data_access
  core
  import
  numbering
  lookup
  vouchers
  stock
  lots
  app)
set(IT_WIDGETS_LAYERS platform/qt app)

function(_it_collect_targets dir out)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS subdirs)
    _it_collect_targets(${sub} more)
    list(APPEND targets ${more})
  endforeach()
  set(${out} ${targets} PARENT_SCOPE)
endfunction()

function(_it_unaliased target out)
  get_target_property(aliased ${target} ALIASED_TARGET)
  if(aliased)
    set(target ${aliased})
  endif()
  set(${out} ${target} PARENT_SCOPE)
endfunction()

# The layer of a target under src/ (its folder in IT_LAYER_ORDER) and its
# place in the order; empty when the target is not ours.
function(_it_layer_of target layer_var index_var)
  set(${layer_var} "" PARENT_SCOPE)
  set(${index_var} -1 PARENT_SCOPE)
  if(NOT TARGET ${target})
    return()
  endif()
  _it_unaliased(${target} target)
  get_target_property(imported ${target} IMPORTED)
  if(imported)
    return()
  endif()
  get_target_property(src_dir ${target} SOURCE_DIR)
  file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR}/src ${src_dir})
  if(rel MATCHES "^\\.\\.")
    return()
  endif()
  set(index 0)
  foreach(layer IN LISTS IT_LAYER_ORDER)
    if(rel STREQUAL layer OR rel MATCHES "^${layer}/")
      set(${layer_var} ${layer} PARENT_SCOPE)
      set(${index_var} ${index} PARENT_SCOPE)
      return()
    endif()
    math(EXPR index "${index} + 1")
  endforeach()
  message(FATAL_ERROR "Target '${target}' lies in src/${rel}, which is no layer of IT_LAYER_ORDER.")
endfunction()

# The targets a target links directly, generator wrappers unwrapped.
function(_it_direct_links target out)
  _it_unaliased(${target} target)
  get_target_property(type ${target} TYPE)
  set(libs)
  if(NOT type STREQUAL "INTERFACE_LIBRARY")
    get_target_property(direct ${target} LINK_LIBRARIES)
    if(direct)
      list(APPEND libs ${direct})
    endif()
  endif()
  get_target_property(iface ${target} INTERFACE_LINK_LIBRARIES)
  if(iface)
    list(APPEND libs ${iface})
  endif()
  set(result)
  foreach(lib IN LISTS libs)
    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" lib "${lib}")
    if(NOT lib MATCHES "^\\$<")
      list(APPEND result ${lib})
    endif()
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

function(_it_links_widgets target seen_var result_var)
  set(seen ${${seen_var}})
  if(target IN_LIST seen)
    set(${result_var} FALSE PARENT_SCOPE)
    return()
  endif()
  list(APPEND seen ${target})
  set(${seen_var} ${seen} PARENT_SCOPE)
  if(target STREQUAL "Qt6::Widgets" OR target STREQUAL "Qt::Widgets")
    set(${result_var} TRUE PARENT_SCOPE)
    return()
  endif()
  if(NOT TARGET ${target})
    set(${result_var} FALSE PARENT_SCOPE)
    return()
  endif()
  _it_direct_links(${target} libs)
  foreach(lib IN LISTS libs)
    _it_links_widgets(${lib} seen found)
    if(found)
      set(${seen_var} ${seen} PARENT_SCOPE)
      set(${result_var} TRUE PARENT_SCOPE)
      return()
    endif()
  endforeach()
  set(${seen_var} ${seen} PARENT_SCOPE)
  set(${result_var} FALSE PARENT_SCOPE)
endfunction()

function(it_check_layers)
  _it_collect_targets(${PROJECT_SOURCE_DIR}/src targets)
  foreach(t IN LISTS targets)
    _it_layer_of(${t} layer index)
    if(index LESS 0)
      continue()
    endif()
    _it_direct_links(${t} libs)
    foreach(lib IN LISTS libs)
      _it_layer_of(${lib} lib_layer lib_index)
      if(lib_index GREATER index)
        message(FATAL_ERROR "Target '${t}' (src/${layer}) links '${lib}' (src/${lib_layer}), "
                            "a layer listed after it; layers link only the ones before them.")
      endif()
    endforeach()
    if(NOT layer IN_LIST IT_WIDGETS_LAYERS)
      set(seen)
      _it_links_widgets(${t} seen found)
      if(found)
        message(FATAL_ERROR "Engine target '${t}' (src/${layer}) links Qt Widgets; "
                            "only src/platform/qt and src/app may.")
      endif()
    endif()
  endforeach()
endfunction()
