#pragma once
// Skinned controls: the bases, the re-skin and tool-bar seams, the labels, panels, status
// bar, bevel, buttons, the speed button, the notebook, check boxes, radio buttons and
// their groups.
#include "skin/controls/Skinctrls_Bases.h"
#include "skin/controls/Skinctrls_Bevel.h"
#include "skin/controls/Skinctrls_Button.h"
#include "skin/controls/Skinctrls_ButtonLabel.h"
#include "skin/controls/Skinctrls_CheckGroups.h"
#include "skin/controls/Skinctrls_CheckRadio.h"
#include "skin/controls/Skinctrls_Classes.h"
#include "skin/controls/Skinctrls_GraphicBases.h"
#include "skin/controls/Skinctrls_Label.h"
#include "skin/controls/Skinctrls_LinkLabel.h"
#include "skin/controls/Skinctrls_Notebook.h"
#include "skin/controls/Skinctrls_Panel.h"
#include "skin/controls/Skinctrls_Reskin.h"
#include "skin/controls/Skinctrls_SpeedButton.h"
#include "skin/controls/Skinctrls_StatusBar.h"
#include "skin/controls/Skinctrls_StdLabel.h"
#include "skin/controls/Skinctrls_TextLabel.h"
#include "skin/controls/Skinctrls_ToolBarParent.h"
#include "skin/controls/Skinctrls_XFormButton.h"
