# The word processor's subsystem folders. Each folder's code becomes one
# OBJECT library (zt_<folder>); ztwrite.dll.so and the test programs link
# all of them. A folder without sources yet gets an empty interface target.

set(ZT_SUBSYSTEM_FOLDERS model layout editing document view app controls dialogs html convert)

# Our own headers are included by folder ("model/GDoc.h"), so only the
# repository root and the platform layers' include folders are searched;
# scripts/check-includes.sh keeps the includes pointing down the order.
add_library(zt_includes INTERFACE)
target_include_directories(zt_includes INTERFACE ${CMAKE_SOURCE_DIR})
target_link_libraries(zt_includes INTERFACE mfc42_headers)
foreach(lib ztbase ztshare zttools ztspell lumifex ztcells image)
  target_include_directories(zt_includes INTERFACE ${CMAKE_SOURCE_DIR}/platform/${lib}/include)
endforeach()

set(ZT_SUBSYSTEM_TARGETS)
foreach(folder ${ZT_SUBSYSTEM_FOLDERS})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
  if(sources)
    winelib_objects(zt_${folder} SOURCES ${sources} LIBS zt_includes)
  else()
    add_library(zt_${folder} INTERFACE)
    target_link_libraries(zt_${folder} INTERFACE zt_includes)
  endif()
  list(APPEND ZT_SUBSYSTEM_TARGETS zt_${folder})
endforeach()
