#pragma once
// Skinned popup menus: the popup menu component, its controller with the chain of popup
// windows, the windows and their items, and what a skinned form provides to them.
#include "skin/controls/Skinmenus_Controller.h"
#include "skin/controls/Skinmenus_Host.h"
#include "skin/controls/Skinmenus_Item.h"
#include "skin/controls/Skinmenus_Popup.h"
#include "skin/controls/Skinmenus_Window.h"
