#include "skin/data/Skindata_Strings.h"

#include <vector>

#include "classlib/formres/PropertyBinders.h"
#include "classlib/runtime/UpdateScope.h"
#include "skin/data/Spconst.h"

namespace {

// A key of the table and its default text: a built-in text, or a text of its own for
// the keys that have no built-in one.
struct TDefaultLine {
  const char* key;
  TspResourceString builtIn;
  const char* text;

  TDefaultLine(const char* k, TspResourceString b) : key(k), builtIn(b), text(nullptr) {}
  TDefaultLine(const char* k, const char* t) : key(k), builtIn{0}, text(t) {}
  AnsiString Text() const { return text != nullptr ? AnsiString(text) : builtIn.Text(); }
};

const std::vector<TDefaultLine>& DefaultLines() {
  static const std::vector<TDefaultLine> lines{
      {"MI_MINCAPTION", SP_MI_MINCAPTION},
      {"MI_MAXCAPTION", SP_MI_MAXCAPTION},
      {"MI_CLOSECAPTION", SP_MI_CLOSECAPTION},
      {"MI_RESTORECAPTION", SP_MI_RESTORECAPTION},
      {"MI_MINTOTRAYCAPTION", SP_MI_MINTOTRAYCAPTION},
      {"MI_ROLLUPCAPTION", SP_MI_ROLLUPCAPTION},
      {"MINBUTTON_HINT", SP_MINBUTTON_HINT},
      {"MAXBUTTON_HINT", SP_MAXBUTTON_HINT},
      {"CLOSEBUTTON_HINT", SP_CLOSEBUTTON_HINT},
      {"TRAYBUTTON_HINT", SP_TRAYBUTTON_HINT},
      {"ROLLUPBUTTON_HINT", SP_ROLLUPBUTTON_HINT},
      {"MENUBUTTON_HINT", SP_MENUBUTTON_HINT},
      {"EDIT_UNDO", SP_Edit_Undo},
      {"EDIT_COPY", SP_Edit_Copy},
      {"EDIT_CUT", SP_Edit_Cut},
      {"EDIT_PASTE", SP_Edit_Paste},
      {"EDIT_DELETE", SP_Edit_Delete},
      {"EDIT_SELECTALL", SP_Edit_SelectAll},
      {"MSG_BTN_YES", SP_MSG_BTN_YES},
      {"MSG_BTN_NO", SP_MSG_BTN_NO},
      {"MSG_BTN_OK", SP_MSG_BTN_OK},
      {"MSG_BTN_CANCEL", SP_MSG_BTN_CANCEL},
      {"MSG_BTN_ABORT", SP_MSG_BTN_ABORT},
      {"MSG_BTN_RETRY", SP_MSG_BTN_RETRY},
      {"MSG_BTN_IGNORE", SP_MSG_BTN_IGNORE},
      {"MSG_BTN_ALL", SP_MSG_BTN_ALL},
      {"MSG_BTN_NOTOALL", SP_MSG_BTN_NOTOALL},
      {"MSG_BTN_YESTOALL", SP_MSG_BTN_YESTOALL},
      {"MSG_BTN_HELP", SP_MSG_BTN_HELP},
      {"MSG_BTN_OPEN", SP_MSG_BTN_OPEN},
      {"MSG_BTN_SAVE", SP_MSG_BTN_SAVE},
      {"MSG_BTN_CLOSE", SP_MSG_BTN_CLOSE},
      {"MSG_BTN_BACK_HINT", SP_MSG_BTN_BACK_HINT},
      {"MSG_BTN_UP_HINT", SP_MSG_BTN_UP_HINT},
      {"MSG_BTN_NEWFOLDER_HINT", SP_MSG_BTN_NEWFOLDER_HINT},
      {"MSG_BTN_VIEWMENU_HINT", SP_MSG_BTN_VIEWMENU_HINT},
      {"MSG_BTN_STRETCH_HINT", SP_MSG_BTN_STRETCH_HINT},
      {"MSG_FILENAME", SP_MSG_FILENAME},
      {"MSG_FILETYPE", SP_MSG_FILETYPE},
      {"MSG_NEWFOLDER", SP_MSG_NEWFOLDER},
      {"MSG_LV_DETAILS", SP_MSG_LV_DETAILS},
      {"MSG_LV_ICON", SP_MSG_LV_ICON},
      {"MSG_LV_SMALLICON", SP_MSG_LV_SMALLICON},
      {"MSG_LV_LIST", SP_MSG_LV_LIST},
      {"MSG_PREVIEWSKIN", SP_MSG_PREVIEWSKIN},
      {"MSG_PREVIEWBUTTON", SP_MSG_PREVIEWBUTTON},
      {"MSG_OVERWRITE", SP_MSG_OVERWRITE},
      {"MSG_CAP_WARNING", SP_MSG_CAP_WARNING},
      {"MSG_CAP_ERROR", SP_MSG_CAP_ERROR},
      {"MSG_CAP_INFORMATION", SP_MSG_CAP_INFORMATION},
      {"MSG_CAP_CONFIRM", SP_MSG_CAP_CONFIRM},
      {"MSG_CAP_SHOWFLAG", SP_MSG_CAP_SHOWFLAG},
      {"CALC_CAP", SP_CALC_CAP},
      {"ERROR", SP_ERROR},
      {"COLORGRID_CAP", SP_COLORGRID_CAP},
      {"CUSTOMCOLORGRID_CAP", SP_CUSTOMCOLORGRID_CAP},
      {"ADDCUSTOMCOLORBUTTON_CAP", SP_ADDCUSTOMCOLORBUTTON_CAP},
      {"FONTDLG_COLOR", SP_FONTDLG_COLOR},
      {"FONTDLG_NAME", SP_FONTDLG_NAME},
      {"FONTDLG_SIZE", SP_FONTDLG_SIZE},
      {"FONTDLG_HEIGHT", SP_FONTDLG_HEIGHT},
      {"FONTDLG_EXAMPLE", SP_FONTDLG_EXAMPLE},
      {"FONTDLG_STYLE", SP_FONTDLG_STYLE},
      {"FONTDLG_SCRIPT", SP_FONTDLG_SCRIPT},
      {"DB_DELETE_QUESTION", "Delete record?"},
      {"DB_MULTIPLEDELETE_QUESTION", "Delete all selected records?"},
      {"NODISKINDRIVE", SP_NODISKINDRIVE},
      {"NOVALIDDRIVEID", SP_NOVALIDDRIVEID},
      {"FLV_NAME", SP_FLV_NAME},
      {"FLV_SIZE", SP_FLV_SIZE},
      {"FLV_TYPE", SP_FLV_TYPE},
      {"FLV_LOOKIN", SP_FLV_LOOKIN},
      {"FLV_MODIFIED", SP_FLV_MODIFIED},
      {"FLV_ATTRIBUTES", SP_FLV_ATTRIBUTES},
      {"FLV_DISKSIZE", SP_FLV_DISKSIZE},
      {"FLV_FREESPACE", SP_FLV_FREESPACE},
      {"PRNDLG_NAME", SP_PRNDLG_NAME},
      {"PRNDLG_PRINTER", SP_PRNDLG_PRINTER},
      {"PRNDLG_PROPERTIES", SP_PRNDLG_PROPERTIES},
      {"PRNDLG_TYPE", SP_PRNDLG_TYPE},
      {"PRNDLG_STATUS", SP_PRNDLG_STATUS},
      {"PRNDLG_WHERE", SP_PRNDLG_WHERE},
      {"PRNDLG_COMMENT", SP_PRNDLG_COMMENT},
      {"PRNDLG_PRINTRANGE", SP_PRNDLG_PRINTRANGE},
      {"PRNDLG_COPIES", SP_PRNDLG_COPIES},
      {"PRNDLG_NUMCOPIES", SP_PRNDLG_NUMCOPIES},
      {"PRNDLG_COLLATE", SP_PRNDLG_COLLATE},
      {"PRNDLG_ALL", SP_PRNDLG_ALL},
      {"PRNDLG_PAGES", SP_PRNDLG_PAGES},
      {"PRNDLG_SELECTION", SP_PRNDLG_SELECTION},
      {"PRNDLG_PRINTTOFILE", SP_PRNDLG_PRINTTOFILE},
      {"PRNDLG_FROM", SP_PRNDLG_FROM},
      {"PRNDLG_TO", SP_PRNDLG_TO},
      {"PRNDLG_ORIENTATION", SP_PRNDLG_ORIENTATION},
      {"PRNDLG_PAPER", SP_PRNDLG_PAPER},
      {"PRNDLG_PORTRAIT", SP_PRNDLG_PORTRAIT},
      {"PRNDLG_LANDSCAPE", SP_PRNDLG_LANDSCAPE},
      {"PRNDLG_SOURCE", SP_PRNDLG_SOURCE},
      {"PRNDLG_SIZE", SP_PRNDLG_SIZE},
      {"PRNDLG_MARGINS", SP_PRNDLG_MARGINS},
      {"PRNDLG_MARGINS_INCHES", SP_PRNDLG_MARGINS_INCHES},
      {"PRNDLG_LEFT", SP_PRNDLG_LEFT},
      {"PRNDLG_RIGHT", SP_PRNDLG_RIGHT},
      {"PRNDLG_TOP", SP_PRNDLG_TOP},
      {"PRNDLG_BOTTOM", SP_PRNDLG_BOTTOM},
      {"PRNDLG_WARNING", SP_PRNDLG_WARNING},
      {"FIND_NEXT", SP_FIND_NEXT},
      {"FIND_WHAT", SP_FIND_WHAT},
      {"FIND_DIRECTION", SP_FIND_DIRECTION},
      {"FIND_DIRECTIONUP", SP_FIND_DIRECTIONUP},
      {"FIND_DIRECTIONDOWN", SP_FIND_DIRECTIONDOWN},
      {"FIND_MATCH_CASE", SP_FIND_MATCH_CASE},
      {"FIND_MATCH_WHOLE_WORD_ONLY", SP_FIND_MATCH_WHOLE_WORD_ONLY},
      {"FIND_REPLACE_WITH", SP_FIND_REPLACE_WITH},
      {"FIND_REPLACE", SP_FIND_REPLACE},
      {"FIND_REPLACE_All", SP_FIND_REPLACE_All},
      {"FIND_REPLACE_CLOSE", "Close"},
      {"MORECOLORS", SP_MORECOLORS},
      {"AUTOCOLOR", SP_AUTOCOLOR},
      {"CUSTOMCOLOR", SP_CUSTOMCOLOR},
  };
  return lines;
}

}  // namespace

TspResourceStrData::TspResourceStrData(TComponent* owner) : TComponent(owner) { Init(); }

void TspResourceStrData::SetResStrs(TStrings* lines) { resStrings_.Assign(lines); }

void TspResourceStrData::Init() {
  TUpdateScope<TStrings> update(&resStrings_);
  for (const TDefaultLine& line : DefaultLines()) resStrings_.Add(AnsiString(line.key) + "=" + line.Text());
}

AnsiString TspResourceStrData::GetResStr(const AnsiString& key) const {
  for (int i = 0; i < resStrings_.Count(); ++i) {
    AnsiString line = resStrings_.Strings(i);
    int separator = line.Pos("=");
    if (separator > 0 && line.SubString(1, separator - 1).CompareIC(key) == 0) {
      return line.SubString(separator + 1, line.Length() - separator);
    }
  }
  return AnsiString();
}

void RegisterResourceStrData() {
  using R = TspResourceStrData;
  RegisterClassProperties(
      R::StaticClass(),
      {StringsProperty<R>("ResStrings", [](R* r) { return r->ResStrings(); }),
       IntegerProperty<R>("CharSet", [](R* r, int value) { r->SetCharSet(static_cast<TFontCharset>(value)); }, 1)});
}
