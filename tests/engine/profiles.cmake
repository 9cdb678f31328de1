# Tests of the video profiles and the profile manager (with the shipped profile folder).
converter_test(engine_profiles_tests engine
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/profiles/VideoProfileTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/profiles/ProfileManagerTest.cpp
  LIBS engine)
add_dependencies(engine_profiles_tests shipped_profiles)
