# Tests of the portable toolkit (core and layout panels): run on the host under sanitizers and, built
# for Windows, under Wine as part of the Windows tests.
set(TOOLKIT_CORE_TEST_SOURCES
  ${CMAKE_SOURCE_DIR}/tests/toolkit/AttributeTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/toolkit/EventRoutingTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/toolkit/TreeTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/toolkit/LayoutTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/toolkit/MessageHandlerTableTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/toolkit/CanvasTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/toolkit/StackPanelTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/toolkit/DockPanelTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/toolkit/GridTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/toolkit/ScrollPanelTest.cpp)
