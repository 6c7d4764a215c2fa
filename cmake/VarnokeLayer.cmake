# One static library per layer; every .cpp below the layer's folder belongs to it,
# so adding a file needs no edit here.  Dependencies are the layers below it.
function(varnoke_layer name dir)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  varnoke_library(varnoke_${name} "${sources}" ${ARGN})
endfunction()

# A static library of the given sources, or a header-only one while it has none.
function(varnoke_library target sources)
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    if(ARGN)
      target_link_libraries(${target} PUBLIC ${ARGN})
    endif()
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    if(ARGN)
      target_link_libraries(${target} INTERFACE ${ARGN})
    endif()
  endif()
endfunction()

# One test executable per layer, from every .cpp in tests/<layer>.
function(varnoke_layer_tests name)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(test_${name} ${sources})
  target_include_directories(test_${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(test_${name} PRIVATE ${ARGN} GTest::gtest GTest::gtest_main GTest::gmock)
  gtest_discover_tests(test_${name} DISCOVERY_MODE PRE_TEST
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
