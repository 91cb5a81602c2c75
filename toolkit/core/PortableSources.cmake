# The toolkit's platform-free units (the core, the layout panels, the scroll bar's
# layout): built into the installer and, on the host, tested under sanitizers and
# benchmarked.
set(TOOLKIT_CORE_PORTABLE_SOURCES
  ${CMAKE_SOURCE_DIR}/toolkit/core/BlockPool.cpp
  ${CMAKE_SOURCE_DIR}/toolkit/core/Names.cpp
  ${CMAKE_SOURCE_DIR}/toolkit/core/Delegate.cpp
  ${CMAKE_SOURCE_DIR}/toolkit/core/LiveControls.cpp
  ${CMAKE_SOURCE_DIR}/toolkit/core/Control.cpp
  ${CMAKE_SOURCE_DIR}/toolkit/core/Panel.cpp
  ${CMAKE_SOURCE_DIR}/toolkit/core/Tree.cpp
  ${CMAKE_SOURCE_DIR}/toolkit/core/EventRouter.cpp
  ${CMAKE_SOURCE_DIR}/toolkit/core/Layout.cpp
  ${CMAKE_SOURCE_DIR}/toolkit/core/Coordinates.cpp
  ${CMAKE_SOURCE_DIR}/toolkit/core/MessageHandlerTable.cpp
  ${CMAKE_SOURCE_DIR}/toolkit/markup/SkinMetrics.cpp
  ${CMAKE_SOURCE_DIR}/toolkit/markup/Canvas.cpp
  ${CMAKE_SOURCE_DIR}/toolkit/markup/StackPanel.cpp
  ${CMAKE_SOURCE_DIR}/toolkit/markup/DockPanel.cpp
  ${CMAKE_SOURCE_DIR}/toolkit/markup/Grid.cpp
  ${CMAKE_SOURCE_DIR}/toolkit/markup/ScrollPanel.cpp
  ${CMAKE_SOURCE_DIR}/toolkit/controls/ScrollBar.cpp)
