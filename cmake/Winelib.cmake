# Helpers that turn sources, a .spec and resource scripts into Winelib modules.
# Every module lands in one folder (bin/) so that the loader finds the .dll.so
# files beside ztrun.exe.so and the ELF run path $ORIGIN resolves them too.

find_program(WRC_EXECUTABLE NAMES wrc wrc-stable PATHS /usr/lib/wine REQUIRED)

set(ZT_BIN_DIR ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${ZT_BIN_DIR})
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${ZT_BIN_DIR})

# winelib_resources(<out-var> <rc-file>... INCLUDES <dir>...)
# Compiles resource scripts with wrc; the .res files go on a module's link line.
function(winelib_resources out)
  cmake_parse_arguments(R "" "" "INCLUDES;DEPENDS" ${ARGN})
  set(result)
  foreach(rc ${R_UNPARSED_ARGUMENTS})
    get_filename_component(abs ${rc} ABSOLUTE)
    get_filename_component(base ${rc} NAME_WE)
    set(res ${CMAKE_CURRENT_BINARY_DIR}/${base}.res)
    set(incs)
    foreach(dir ${R_INCLUDES})
      list(APPEND incs -I${dir})
    endforeach()
    get_filename_component(rcdir ${abs} DIRECTORY)
    add_custom_command(OUTPUT ${res}
      COMMAND ${WRC_EXECUTABLE} -I${rcdir} ${incs} -o ${res} ${abs}
      DEPENDS ${abs} ${R_DEPENDS}
      IMPLICIT_DEPENDS CXX ${abs}
      COMMENT "Compiling resources ${rc}")
    list(APPEND result ${res})
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# Shared by winelib_dll and winelib_program: spec file, resources, libraries.
function(_winelib_link target spec res libs)
  if(spec)
    get_filename_component(abs_spec ${spec} ABSOLUTE)
    target_link_options(${target} PRIVATE ${abs_spec})
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${abs_spec})
  endif()
  if(res)
    add_custom_target(${target}_res DEPENDS ${res})
    add_dependencies(${target} ${target}_res)
    target_link_options(${target} PRIVATE ${res})
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${res})
  endif()
  target_link_libraries(${target} PRIVATE ${libs})
endfunction()

# winelib_dll(<name> SPEC <file> [SOURCES ...] [RC ...] [RC_INCLUDES ...] [LIBS ...])
# Builds <name>.dll.so, loadable by LoadLibraryA("<name>.dll.so").
function(winelib_dll name)
  cmake_parse_arguments(W "" "SPEC" "SOURCES;RC;RC_INCLUDES;LIBS" ${ARGN})
  add_library(${name} SHARED ${W_SOURCES})
  set_target_properties(${name} PROPERTIES PREFIX "" OUTPUT_NAME "${name}.dll" SUFFIX ".so"
    BUILD_RPATH "$ORIGIN" INSTALL_RPATH "$ORIGIN")
  set(res)
  if(W_RC)
    winelib_resources(res ${W_RC} INCLUDES ${W_RC_INCLUDES})
  endif()
  _winelib_link(${name} "${W_SPEC}" "${res}" "${W_LIBS}")
endfunction()

# winelib_program(<name> [SPEC <file>] [GUI] [SOURCES ...] [RC ...] [LIBS ...])
# Builds <name>.exe.so, started with "wine64 <name>.exe.so".
function(winelib_program name)
  cmake_parse_arguments(W "GUI" "SPEC" "SOURCES;RC;RC_INCLUDES;LIBS" ${ARGN})
  add_executable(${name} ${W_SOURCES})
  set_target_properties(${name} PROPERTIES OUTPUT_NAME "${name}.exe" SUFFIX ".so"
    BUILD_RPATH "$ORIGIN" INSTALL_RPATH "$ORIGIN")
  if(W_GUI)
    target_link_options(${name} PRIVATE -mwindows)
  else()
    target_link_options(${name} PRIVATE -mconsole)
  endif()
  set(res)
  if(W_RC)
    winelib_resources(res ${W_RC} INCLUDES ${W_RC_INCLUDES})
  endif()
  _winelib_link(${name} "${W_SPEC}" "${res}" "${W_LIBS}")
endfunction()

# winelib_objects(<name> SOURCES ... [INCLUDES ...] [LIBS ...])
# The code of one module as position-independent objects, linked both into
# the module and into the test programs of its subsystem.
function(winelib_objects name)
  cmake_parse_arguments(W "" "" "SOURCES;INCLUDES;LIBS" ${ARGN})
  add_library(${name} OBJECT ${W_SOURCES})
  set_target_properties(${name} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  target_include_directories(${name} PUBLIC ${W_INCLUDES})
  if(W_LIBS)
    target_link_libraries(${name} PUBLIC ${W_LIBS})
  endif()
endfunction()

# zt_layer(<name>): a sibling-library layer in platform/<name>: its code in
# src/ as <name>_objects (an empty interface target while there is none),
# headers in include/, and the DLL <name>.dll.so with <name>_module.cpp as
# its entry. Layers link the class-library layer at ELF level.
function(zt_layer name)
  set(dir ${CMAKE_CURRENT_SOURCE_DIR})
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/src/*.cpp)
  if(sources)
    winelib_objects(${name}_objects SOURCES ${sources} INCLUDES ${dir}/include LIBS mfc42_headers)
  else()
    add_library(${name}_objects INTERFACE)
    target_include_directories(${name}_objects INTERFACE ${dir}/include)
    target_link_libraries(${name}_objects INTERFACE mfc42_headers)
  endif()
  winelib_dll(${name} SPEC ${dir}/${name}.spec SOURCES ${dir}/${name}_module.cpp
    LIBS ${name}_objects mfc42)
endfunction()
