#include "skin/data/Skindata_Labels.h"

using namespace skinkeys;

const TspLookKeys<TspDataSkinStdLabelControl>& TspDataSkinStdLabelControl::ReadKeys() {
  using C = TspDataSkinStdLabelControl;
  static const TspLookKeys<C> keys = Join<C>({Font(&C::FontName, &C::FontHeight, &C::FontStyle, &C::FontColor),
                                              {Integer("activefontcolor", &C::ActiveFontColor, clBlue)}});
  return keys;
}

const TspLookKeys<TspDataSkinLabelControl>& TspDataSkinLabelControl::ReadKeys() {
  using C = TspDataSkinLabelControl;
  static const TspLookKeys<C> keys = Font(&C::FontName, &C::FontHeight, &C::FontStyle, &C::FontColor);
  return keys;
}

const TspLookKeys<TspDataSkinBitLabelControl>& TspDataSkinBitLabelControl::ReadKeys() {
  using C = TspDataSkinBitLabelControl;
  static const TspLookKeys<C> keys{Rect("skintextrect", &C::SkinTextRect), Integer("symbolwidth", &C::SymbolWidth),
                                   Integer("symbolheight", &C::SymbolHeight), Lines("symbols", &C::Symbols)};
  return keys;
}
