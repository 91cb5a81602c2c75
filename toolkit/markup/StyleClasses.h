// Every style class, for the style factories: the type name a style document
// gives, and the class it makes. Each class is made with std::make_unique<Class>()
// (styles, like all toolkit objects, take their storage from the block pool).
#pragma once

#include "toolkit/markup/Style.h"
#include "toolkit/markup/StyleBackground.h"
#include "toolkit/markup/StyleButton.h"
#include "toolkit/markup/StyleButtonEx.h"
#include "toolkit/markup/StyleCheckButton.h"
#include "toolkit/markup/StyleCheckButtonEx.h"
#include "toolkit/markup/StyleComboBox.h"
#include "toolkit/markup/StyleEdit.h"
#include "toolkit/markup/StyleIconButton.h"
#include "toolkit/markup/StyleScrollBar.h"
#include "toolkit/markup/StyleSlider.h"
#include "toolkit/markup/StyleToggleButton.h"
#include "toolkit/markup/StyleToggleIconButton.h"

// Type name → class:
//   "Style"            Style
//   "Background"       Style_Background
//   "Button"           Style_Button
//   "ButtonEx"         Style_ButtonEx
//   "CheckButton"      Style_CheckButton
//   "CheckButtonEx"    Style_CheckButtonEx
//   "ComboBox"         Style_ComboBox
//   "Edit"             Style_Edit
//   "IconButton"       Style_IconButton
//   "ScrollBar"        Style_ScrollBar
//   "Slider"           Style_Slider
//   "ToggleButton"     Style_ToggleButton
//   "ToggleIconButton" Style_ToggleIconButton
// A type name without a class makes a plain Style.
