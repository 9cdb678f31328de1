# The effect bitmap: blends, transitions and image effects.
converter_test(skin_effect_bitmap_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/EffectBmpTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EffectsTest.cpp
  LIBS skin_data
  SERIAL)
