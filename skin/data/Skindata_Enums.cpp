#include "skin/data/Skindata_Enums.h"

const TspWords<TFramesPlacement>& FramesPlacementWords() {
  static const TspWords<TFramesPlacement> words{{{"fphorizontal", fpHorizontal}, {"fpvertical", fpVertical}},
                                                fpVertical};
  return words;
}

const TspWords<TRegulatorKind>& RegulatorKindWords() {
  static const TspWords<TRegulatorKind> words{
      {{"rkround", rkRound}, {"rkhorizontal", rkHorizontal}, {"rkvertical", rkVertical}}, rkVertical};
  return words;
}

const TspWords<TStdCommand>& StdCommandWords() {
  static const TspWords<TStdCommand> words{{{"cmclose", cmClose},
                                            {"cmmaximize", cmMaximize},
                                            {"cmminimize", cmMinimize},
                                            {"cmsysmenu", cmSysMenu},
                                            {"cmdefault", cmDefault},
                                            {"cmrollup", cmRollUp},
                                            {"cmminimizetotray", cmMinimizeToTray}},
                                           cmMinimizeToTray};
  return words;
}

const TspWords<TGaugeKind>& GaugeKindWords() {
  static const TspWords<TGaugeKind> words{{{"gkhorizontal", gkHorizontal}, {"gkvertical", gkVertical}}, gkVertical};
  return words;
}
