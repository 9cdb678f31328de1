#pragma once
// Skinned controls: the bases and the re-skin and tool-bar seams.
#include "skin/controls/Skinctrls_Bases.h"
#include "skin/controls/Skinctrls_Classes.h"
#include "skin/controls/Skinctrls_GraphicBases.h"
#include "skin/controls/Skinctrls_Reskin.h"
#include "skin/controls/Skinctrls_ToolBarParent.h"
