#pragma once
#include "skin/data/Skindata_Bases.h"

// The type words of a skin's control and object lists and the look classes they make.

// A new look of the kind the word names (compared with case), or null for any other word.
TspDataSkinControl* CreateControlLook(const AnsiString& word, const AnsiString& name);
TspDataSkinObject* CreateObjectLook(const AnsiString& word, const AnsiString& name);

// The word a look is written with: that of its class, tested before its ancestors'
// ("menubutton" before "button"); empty for a class outside the lists.
AnsiString ControlLookWord(const TspDataSkinControl* look);
AnsiString ObjectLookWord(const TspDataSkinObject* look);
