#pragma once
#include "skin/data/Sputils_Values.h"

// Enumerations of look kinds and form objects, and their words in a skin description.
enum TFramesPlacement : unsigned char { fpHorizontal, fpVertical };
enum TRegulatorKind : unsigned char { rkRound, rkHorizontal, rkVertical };
enum TStdCommand : unsigned char { cmClose, cmMaximize, cmMinimize, cmSysMenu, cmDefault, cmRollUp, cmMinimizeToTray };
enum TGaugeKind : unsigned char { gkHorizontal, gkVertical };

// Any word but "fphorizontal" reads as fpVertical.
const TspWords<TFramesPlacement>& FramesPlacementWords();
// Any word but "rkround" and "rkhorizontal" reads as rkVertical.
const TspWords<TRegulatorKind>& RegulatorKindWords();
// Any word outside the table reads as cmMinimizeToTray.
const TspWords<TStdCommand>& StdCommandWords();
// Any word but "gkhorizontal" reads as gkVertical.
const TspWords<TGaugeKind>& GaugeKindWords();
