# GoogleTest built from the sources Debian's libgtest-dev puts in /usr/src/googletest, for
# cross builds: the package's libraries are for the build machine only. Nothing is
# downloaded. Defines GTest::gtest, GTest::gtest_main and GTest::gmock, as find_package(GTest) does.
set(QUENDAL_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for cross builds")
if(NOT EXISTS ${QUENDAL_GTEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources in ${QUENDAL_GTEST_SOURCE}: install libgtest-dev "
                      "(scripts/install-deps.sh) or set QUENDAL_GTEST_SOURCE.")
endif()
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${QUENDAL_GTEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
foreach(library gtest gtest_main gmock)
  if(NOT TARGET GTest::${library})
    add_library(GTest::${library} ALIAS ${library})
  endif()
endforeach()
