#include "classlib/graphics/Colors.h"

#include <array>
#include <utility>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/SysUtils.h"
#include "classlib/runtime/WinApi.h"

namespace {

struct NamedColor {
  const char* name;
  TColor color;
};

constexpr std::array<NamedColor, 52> kNamedColors{{
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clMoneyGreen", clMoneyGreen},
    {"clSkyBlue", clSkyBlue},
    {"clCream", clCream},
    {"clMedGray", clMedGray},
    {"clActiveBorder", clActiveBorder},
    {"clActiveCaption", clActiveCaption},
    {"clAppWorkSpace", clAppWorkSpace},
    {"clBackground", clBackground},
    {"clBtnFace", clBtnFace},
    {"clBtnHighlight", clBtnHighlight},
    {"clBtnShadow", clBtnShadow},
    {"clBtnText", clBtnText},
    {"clCaptionText", clCaptionText},
    {"clDefault", clDefault},
    {"clGradientActiveCaption", clGradientActiveCaption},
    {"clGradientInactiveCaption", clGradientInactiveCaption},
    {"clGrayText", clGrayText},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
    {"clHotLight", clHotLight},
    {"clInactiveBorder", clInactiveBorder},
    {"clInactiveCaption", clInactiveCaption},
    {"clInactiveCaptionText", clInactiveCaptionText},
    {"clInfoBk", clInfoBk},
    {"clInfoText", clInfoText},
    {"clMenu", clMenu},
    {"clMenuBar", clMenuBar},
    {"clMenuHighlight", clMenuHighlight},
    {"clMenuText", clMenuText},
    {"clNone", clNone},
    {"clScrollBar", clScrollBar},
    {"cl3DDkShadow", cl3DDkShadow},
    {"cl3DLight", cl3DLight},
    {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame},
    {"clWindowText", clWindowText},
}};

}  // namespace

TColor ColorToRGB(TColor color) {
  if (color < 0) return static_cast<TColor>(GetSysColor(color & 0xFF));
  return color;
}

bool IdentToColor(const AnsiString& ident, TColor& color) {
  for (const NamedColor& entry : kNamedColors) {
    if (SameText(ident, entry.name)) {
      color = entry.color;
      return true;
    }
  }
  return false;
}

bool ColorToIdent(TColor color, AnsiString& ident) {
  for (const NamedColor& entry : kNamedColors) {
    if (entry.color == color) {
      ident = entry.name;
      return true;
    }
  }
  return false;
}

AnsiString ColorToString(TColor color) {
  AnsiString ident;
  if (ColorToIdent(color, ident)) return ident;
  return "$" + IntToHex(static_cast<uint32_t>(color), 8);
}

TColor StringToColor(const AnsiString& text) {
  TColor color = 0;
  if (IdentToColor(Trim(text), color)) return color;
  int64_t value = 0;
  if (!TryStrToInt64(text, value) || value < INT32_MIN || value > UINT32_MAX) {
    throw EConvertError("'" + text + "' is not a valid colour value");
  }
  return static_cast<TColor>(static_cast<uint32_t>(value));
}

void GetColorValues(const std::function<void(const AnsiString& name)>& proc) {
  for (const NamedColor& entry : kNamedColors) proc(entry.name);
}
