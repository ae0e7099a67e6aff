# GoogleTest for the Windows side, built from a source tree: on Linux the distribution's
# source package; elsewhere point WYNDREL_GTEST_SOURCE at a GoogleTest checkout.
set(WYNDREL_GTEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest source tree")
set(WYNDREL_HAVE_GTEST OFF)
if(EXISTS "${WYNDREL_GTEST_SOURCE}/CMakeLists.txt")
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(${WYNDREL_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  set(WYNDREL_HAVE_GTEST ON)
else()
  message(STATUS "GoogleTest source not found at ${WYNDREL_GTEST_SOURCE}: the Windows-side tests are not built")
endif()
