#include "LookKinds.h"

#include <sstream>
#include <stdexcept>

namespace lookkinds {
namespace {

const Level kControl{"pictureindex:I=-1 maskpictureindex:I=-1 cursorindex:I=-1 skinrect:R"};
const Level kCustom{
    "lefttoppoint:P righttoppoint:P leftbottompoint:P rightbottompoint:P clientrect:R leftstretch:B topstretch:B "
    "rightstretch:B bottomstretch:B stretcheffect:B stretchtype:W=stfull/stvert",
    "lefttoppoint righttoppoint leftbottompoint rightbottompoint clientrect stretcheffect leftstretch topstretch "
    "rightstretch bottomstretch stretchtype"};
const Level kObject{
    "hint:T rollup:B activepictureindex:I=-1 skinrectinapicture:B cursorindex:I=-1 skinrect:R activeskinrect:R "
    "inactiveskinrect:R morphing:B morphkind:W=mkdefault/mkpush"};

const Level kButton{
    "fontname:T=Arial fontheight:I=14 fontstyle:S fontcolor:I activefontcolor:I disabledfontcolor:I downfontcolor:I "
    "morphing:B morphkind:W=mkdefault/mkgradient activeskinrect:R downskinrect:R focusedskinrect:R "
    "disabledskinrect:R animateskinrect:R framecount:I animateinterval:I=25 showfocus:B menumarkerflatrect:R "
    "menumarkerrect:R menumarkeractiverect:R menumarkerdownrect:R menumarkertransparentcolor:I",
    "fontname fontheight fontstyle fontcolor activefontcolor downfontcolor disabledfontcolor morphing morphkind "
    "activeskinrect downskinrect focusedskinrect disabledskinrect animateskinrect framecount animateinterval "
    "showfocus menumarkerflatrect menumarkerrect menumarkeractiverect menumarkerdownrect "
    "menumarkertransparentcolor"};
const Level kEdit{
    "activeskinrect:R fontname:T=Arial fontheight:I=14 fontstyle:S fontcolor:I disabledfontcolor:I "
    "activefontcolor:I buttonrect:R activebuttonrect:R downbuttonrect:R unenabledbuttonrect:R",
    "activeskinrect fontname fontheight fontstyle fontcolor activefontcolor disabledfontcolor buttonrect "
    "activebuttonrect downbuttonrect unenabledbuttonrect"};
const Level kListBox{
    "itemrect:R activeitemrect:R focusitemrect:R itemleftoffset:I itemrightoffset:I itemtextrect:R "
    "fontname:T=Arial fontheight:I=14 fontstyle:S fontcolor:I activefontcolor:I focusfontcolor:I captionrect:R "
    "captionfontname:T=Arial captionfontheight:I=14 captionfontstyle:S captionfontcolor:I upbuttonrect:R "
    "activeupbuttonrect:R downupbuttonrect:R downbuttonrect:R activedownbuttonrect:R downdownbuttonrect:R "
    "checkbuttonrect:R activecheckbuttonrect:R downcheckbuttonrect:R vscrollbarname:T=vscrollbar "
    "hscrollbarname:T=hscrollbar bothhscrollbarname:T=bothhscrollbar showfocus:B"};
const Level kTextView{"fontname:T=Arial fontheight:I=14 fontstyle:S fontcolor:I bgcolor:I"};
const Level kFrame{"framescount:I=1 framesplacement:W=fphorizontal/fpvertical"};
const Level kStdButton{
    "command:W=cmdefault/cmsysmenu restorerect:R restoreactiverect:R restoredownrect:R restoreinactiverect:R"};
const Level kObjectButton{"downrect:R disableskinrsect:R groupindex:I=-1"};
const Level kFrameObject{"minvalue:I maxvalue:I countframes:I framesplacement:W=fphorizontal/fpvertical"};
const Level kMainMenuItem{
    "itemleftoffset:I itemrightoffset:I downrect:R textrect:R fontname:T=Arial fontheight:I=14 fontstyle:S "
    "fontcolor:I activefontcolor:I downfontcolor:I unenabledfontColor:I stretcheffect:B animateskinrect:R "
    "framecount:I animateinterval:I=25 inactiveanimation:B"};

const std::map<std::string, std::string> kNoMorphing{{"morphing", "0"}};

std::vector<Kind> MakeKinds() {
  return {
      // Control looks.
      {"button", false, {kControl, kCustom, kButton}},
      {"menubutton", false, {kControl, kCustom, kButton, {"trackbuttonrect:R"}}},
      {"checkradio",
       false,
       {kControl, kCustom,
        {"fontname:T=Arial fontheight:I=14 fontstyle:S fontcolor:I activefontcolor:I unenabledfontcolor:I "
         "framefontcolor:I morphing:B morphkind:W=mkdefault/mkpush activeskinrect:R checkimagearea:R textarea:R "
         "checkimagerect:R uncheckimagerect:R activecheckimagerect:R activeuncheckimagerect:R "
         "unenabledcheckimagerect:R unenableduncheckimagerect:R grayedcheckimagerect:R "
         "activegrayedcheckimagerect:R"}}},
      {"panel",
       false,
       {kControl, kCustom,
        {"bgpictureindex:I=-1 captionrect:R alignment:W=tacenter/taleftjustify fontname:T=Arial fontheight:I=14 "
         "fontstyle:S fontcolor:I checkimagerect:R uncheckimagerect:R markframerect:R framerect:R frametextrect:R "
         "frameleftoffset:I framerightoffset:I gripperrect:R grippertransparent:B grippertransparentcolor:I"}}},
      {"expanel",
       false,
       {kControl, kCustom,
        {"rollhskinrect:R rollvskinrect:R rollleftoffset:I rollrightoffset:I rolltopoffset:I rollbottomoffset:I "
         "rollvcaptionrect:R rollhcaptionrect:R closebuttonrect:R closebuttonactiverect:R closebuttondownrect:R "
         "hrollbuttonrect:R hrollbuttonactiverect:R hrollbuttondownrect:R hrestorebuttonrect:R "
         "hrestorebuttonactiverect:R hrestorebuttondownrect:R vrollbuttonrect:R vrollbuttonactiverect:R "
         "vrollbuttondownrect:R vrestorebuttonrect:R vrestorebuttonactiverect:R vrestorebuttondownrect:R "
         "captionrect:R fontname:T=Arial fontheight:I=14 fontstyle:S fontcolor:I buttonstransparent:B "
         "buttonstransparentcolor:I"}}},
      {"bevel", false, {kControl, {"lightcolor:I darkcolor:I"}}},
      {"scrollbox", false, {kControl, kCustom, {"bgpictureindex:I=-1"}}},
      {"stdlabel",
       false,
       {kControl, {"fontname:T=Arial fontheight:I=14 fontstyle:S fontcolor:I activefontcolor:I=16711680"}}},
      {"label", false, {kControl, kCustom, {"fontname:T=Arial fontheight:I=14 fontstyle:S fontcolor:I"}}},
      {"bitlabel", false, {kControl, kCustom, {"skintextrect:R symbolwidth:I symbolheight:I symbols:L"}}},
      {"scrollbar",
       false,
       {kControl, kCustom,
        {"trackarea:R upbuttonrect:R activeupbuttonrect:R downupbuttonrect:R downbuttonrect:R "
         "activedownbuttonrect:R downdownbuttonrect:R thumbrect:R activethumbrect:R downthumbrect:R thumboffset1:I "
         "thumboffset2:I thumbtransparent:B thumbtransparentcolor:I thumbstretcheffect:B thumbminsize:I "
         "thumbminpagesize:I glyphrect:R activeglyphrect:R downglyphrect:R glyphtransparent:B "
         "glyphtransparentcolor:I"}}},
      {"trackbar",
       false,
       {kControl, kCustom,
        {"activeskinrect:R trackarea:R buttonrect:R activebuttonrect:R vertical:B buttontransparent:B "
         "buttontransparentcolor:I"}}},
      {"gauge",
       false,
       {kControl, kCustom,
        {"progressarea:R progressrect:R beginoffset:I endoffset:I vertical:B fontname:T=Arial fontheight:I=14 "
         "fontstyle:S fontcolor:I progresstransparent:B progresstransparentcolor:I progressstretch:B "
         "animationskinrect:R animationcountframes:I animationtimerinterval:I progressanimationskinrect:R "
         "progressanimationcountframes:I progressanimationtimerinterval:I animationbeginoffset:I "
         "animationendoffset:I"}}},
      {"slider",
       false,
       {kControl,
        {"bgcolor:I hrulerrect:R hthumbrect:R vrulerrect:R vthumbrect:R edgesize:I pointscolor:I"}}},
      {"splitter", false, {kControl, kCustom, {"gripperrect:R grippertransparent:B grippertransparentcolor:I"}}},
      {"updown",
       false,
       {kControl, kCustom,
        {"upbuttonrect:R activeupbuttonrect:R downupbuttonrect:R downbuttonrect:R activedownbuttonrect:R "
         "downdownbuttonrect:R"}},
       {{"lefttoppoint", "0,0"},
        {"righttoppoint", "0,0"},
        {"leftbottompoint", "0,0"},
        {"rightbottompoint", "0,0"},
        {"clientrect", "0,0,0,0"}}},
      {"edit", false, {kControl, kCustom, kEdit}},
      {"memo", false, {kControl, kCustom, kEdit, {"bgcolor:I activebgcolor:I"}}},
      {"spinedit",
       false,
       {kControl, kCustom,
        {"activeskinrect:R fontname:T=Arial fontheight:I=14 fontstyle:S fontcolor:I activefontcolor:I "
         "disabledfontcolor:I upbuttonrect:R activeupbuttonrect:R downupbuttonrect:R downbuttonrect:R "
         "activedownbuttonrect:R downdownbuttonrect:R"}}},
      {"listbox", false, {kControl, kCustom, kListBox}},
      {"checklistbox",
       false,
       {kControl, kCustom, kListBox,
        {"checkimagerect:R itemcheckrect:R uncheckimagerect:R", "itemcheckrect uncheckimagerect checkimagerect"}}},
      {"combobox",
       false,
       {kControl, kCustom,
        {"activeskinrect:R itemrect:R activeitemrect:R focusitemrect:R itemleftoffset:I itemrightoffset:I "
         "itemtextrect:R fontname:T=Arial fontheight:I=14 fontstyle:S fontcolor:I focusfontcolor:I "
         "activefontcolor:I listboxname:T buttonrect:R activebuttonrect:R downbuttonrect:R unenabledbuttonrect:R "
         "itemstretcheffect:B focusitemstretcheffect:B showfocus:B",
         "activeskinrect itemrect activeitemrect focusitemrect itemleftoffset itemrightoffset itemtextrect "
         "fontname fontheight fontstyle fontcolor focusfontcolor activefontcolor buttonrect activebuttonrect "
         "downbuttonrect unenabledbuttonrect listboxname itemstretcheffect focusitemstretcheffect showfocus"}}},
      {"treeview", false, {kControl, kTextView}},
      {"listview", false, {kControl, kTextView}},
      {"richedit", false, {kControl, kTextView}},
      {"tab",
       false,
       {kControl,
        {"tabrect:R activetabrect:R focustabrect:R mouseintabrect:R clientrect:R bgpictureindex:I=-1 "
         "lefttoppoint:P righttoppoint:P leftbottompoint:P rightbottompoint:P tableftoffset:I tabrightoffset:I "
         "tabsbgrect:R tabstretcheffect:B leftstretch:B topstretch:B rightstretch:B bottomstretch:B "
         "stretcheffect:B stretchtype:W=stfull/sthorz fontname:T=Arial fontheight:I=14 fontstyle:S fontcolor:I "
         "activefontcolor:I focusfontcolor:I mouseinfontcolor:I updown:T showfocus:B focusoffsetx:I "
         "focusoffsety:I closebuttonrect:R closebuttonactiverect:R closebuttondownrect:R buttontransparent:B "
         "buttontransparentcolor:I"}}},
      {"grid",
       false,
       {kControl,
        {"fixedcellrect:R selectcellrect:R focuscellrect:R fixedcellleftoffset:I fixedcellrightoffset:I "
         "fixedcelltextrect:R cellleftoffset:I cellrightoffset:I celltextrect:R linescolor:I bgcolor:I "
         "bgpictureindex:I=-1 fontname:T=Arial fontheight:I=14 fontstyle:S fontcolor:I selectfontcolor:I "
         "focusfontcolor:I fixedfontname:T=Arial fixedfontheight:I=14 fixedfontstyle:S fixedfontcolor:I "
         "cellstretcheffect:B fixedcellstretcheffect:B showfocus:B"}}},
      {"controlbar",
       false,
       {kControl, kCustom,
        {"itemrect:R bgpictureindex:I=-1 hgriprect:R vgriprect:R gripoffset1:I gripoffset2:I "
         "itemstretcheffect:B itemoffset1:I=3 itemoffset2:I=3 itemtransparent:B itemtransparentcolor:I "
         "griptransparent:B griptransparentcolor:I",
         "itemrect bgpictureindex hgriprect vgriprect gripoffset1 gripoffset2 itemoffset1 itemoffset2 "
         "itemstretcheffect itemtransparent itemtransparentcolor griptransparent griptransparentcolor"}}},
      {"mainmenubar",
       false,
       {kControl,
        {"itemsrect:R menubaritem:T closebutton:T minbutton:T maxbutton:T sysmenubutton:T trackmarkcolor:I "
         "trackmarkactivecolor:I stretcheffect:B itemtransparent:B"}}},
      {"framegauge", false, {kControl, kFrame}},
      {"animate", false, {kControl, kFrame}},
      {"switch", false, {kControl, kFrame}},
      {"frameregulator", false, {kControl, kFrame, {"kind:W=rkround/rkhorizontal"}}},
      // Form objects.
      {"userobject", true, {{"rollup:B skinrect:R cursorindex:I=-1"}}},
      {"button", true, {kObject, kObjectButton}},
      {"stdbutton", true, {kObject, kObjectButton, kStdButton}},
      {"mainmenubarbutton", true, {kObject, kObjectButton, kStdButton}},
      {"caption",
       true,
       {kObject,
        {"defaultcaption:B textrect:R fontname:T=Arial fontheight:I=14 fontstyle:S fontcolor:I activefontcolor:I "
         "alignment:W=tacenter/tarightjustify shadow:B shadowcolor:I light:B lightcolor:I activelightcolor:I "
         "activeshadowcolor:I framerect:R activeframerect:R frametextrect:R frameleftoffset:I framerightoffset:I "
         "stretcheffect:B animateskinrect:R framecount:I animateinterval:I=25 inactiveanimation:B fullframe:B",
         "defaultcaption textrect fontname fontheight fontstyle fontcolor activefontcolor alignment light "
         "lightcolor activelightcolor shadow shadowcolor activeshadowcolor framerect activeframerect "
         "frametextrect frameleftoffset framerightoffset stretcheffect animateskinrect framecount "
         "animateinterval inactiveanimation fullframe"}}},
      {"label",
       true,
       {kObject,
        {"fontname:T=Arial fontheight:I=14 fontstyle:S fontcolor:I activefontcolor:I "
         "alignment:W=tacenter/taleftjustify textvalue:T"}}},
      {"bitlabel",
       true,
       {kObject, {"textvalue:T symbolwidth:I symbolheight:I symbols:L transparent:B transparentcolor:I=16711935"}},
       kNoMorphing},
      {"gauge", true, {kObject, {"minvalue:I maxvalue:I kind:W=gkhorizontal/gkvertical"}}},
      {"trackbar",
       true,
       {kObject,
        {"buttonrect:R activebuttonrect:R beginpoint:P endpoint:P minvalue:I maxvalue:I mousedownchangevalue:B "
         "buttontransparent:B buttontransparentcolor:I"}},
       kNoMorphing},
      {"animate",
       true,
       {kObject,
        {"countframes:I=1 cycle:B buttonstyle:B timerinterval:I=50 command:W=cmdefault/cmrollup downskinrect:R "
         "restorerect:R restoreactiverect:R restoredownrect:R restoreinactiverect:R"}},
       kNoMorphing},
      {"switch", true, {kObject}},
      {"framegauge", true, {kObject, kFrameObject}},
      {"frameregulator", true, {kObject, kFrameObject, {"kind:W=rkround/rkvertical"}}},
      {"mainmenuitem", true, {kObject, kMainMenuItem}},
      {"mainmenubaritem", true, {kObject, kMainMenuItem}},
      {"menuitem",
       true,
       {kObject,
        {"itemleftoffset:I itemrightoffset:I dividerrect:R dividerleftoffset:I dividerrightoffset:I textrect:R "
         "imagerect:R fontname:T=Arial fontheight:I=14 fontstyle:S fontcolor:I activefontcolor:I "
         "unenabledfontcolor:I stretcheffect:B inactivestretcheffect:B dividerstretcheffect:B animateskinrect:R "
         "framecount:I animateinterval:I=25 inactiveanimation:B useimagecolor:B imagecolor:I activeimagecolor:I "
         "inactivetransparent:B checkimagerect:R activecheckimagerect:R radioimagerect:R activeradioimagerect:R "
         "arrowimagerect:R activearrowimagerect:R"}}},
      // The two looks of fixed sections.
      {"POPUPWINDOW",
       false,
       {{"windowpictureindex:I=-1 maskpictureindex:I=-1 lefttoppoint:P righttoppoint:P leftbottompoint:P "
         "rightbottompoint:P cursorindex:I=-1 itemsrect:R scrollmarkercolor:I scrollmarkeractivecolor:I "
         "leftstretch:B rightstretch:B topstretch:B bottomstretch:B stretcheffect:B stretchtype:W=stfull/stvert",
         "windowpictureindex maskpictureindex lefttoppoint righttoppoint leftbottompoint rightbottompoint itemsrect "
         "cursorindex scrollmarkercolor scrollmarkeractivecolor leftstretch rightstretch topstretch bottomstretch "
         "stretcheffect stretchtype"}}},
      {"HINTWINDOW",
       false,
       {{"windowpictureindex:I=-1 maskpictureindex:I=-1 lefttoppoint:P righttoppoint:P leftbottompoint:P "
         "rightbottompoint:P clientrect:R fontname:T=Arial fontheight:I=14 fontstyle:S fontcolor:I leftstretch:B "
         "rightstretch:B topstretch:B bottomstretch:B stretcheffect:B stretchtype:W=stfull/sthorz"}}},
  };
}

}  // namespace

const std::vector<Kind>& AllKinds() {
  static const std::vector<Kind> kinds = MakeKinds();
  return kinds;
}

const Kind& KindOf(const std::string& word, bool object) {
  for (const Kind& kind : AllKinds()) {
    if (kind.word == word && kind.object == object) return kind;
  }
  throw std::invalid_argument("no look kind " + word);
}


std::vector<Key> ParseKeys(const char* text) {
  std::vector<Key> keys;
  std::istringstream in(text);
  std::string token;
  while (in >> token) {
    Key key;
    size_t colon = token.find(':');
    key.name = token.substr(0, colon);
    key.kind = token[colon + 1];
    size_t equals = token.find('=');
    std::string given = equals == std::string::npos ? "" : token.substr(equals + 1);
    size_t slash = given.find('/');
    if (slash != std::string::npos) {
      key.other = given.substr(slash + 1);
      given = given.substr(0, slash);
    }
    const std::map<char, std::string> defaults{{'I', "0"}, {'B', "0"}, {'P', "0,0"}, {'R', "0,0,0,0"}, {'L', "0"}};
    key.missing = !given.empty() ? given : defaults.count(key.kind) ? defaults.at(key.kind) : "";
    keys.push_back(key);
  }
  return keys;
}

std::vector<Key> ReadKeys(const Kind& kind) {
  std::vector<Key> keys;
  for (const auto& level : kind.levels) {
    for (const Key& key : ParseKeys(level.read)) keys.push_back(key);
  }
  return keys;
}

std::vector<std::string> WrittenNames(const Kind& kind, int listLines) {
  std::vector<std::string> names;
  for (const auto& level : kind.levels) {
    std::istringstream in(level.write != nullptr ? level.write : level.read);
    std::string token;
    while (in >> token) {
      std::string name = token.substr(0, token.find(':'));
      bool list = token.find(":L") != std::string::npos;
      if (!list) {
        names.push_back(name);
        continue;
      }
      names.push_back(name + "linecount");
      for (int i = 0; i < listLines; ++i) names.push_back(name + "line" + std::to_string(i));
    }
  }
  return names;
}

std::map<std::string, std::string> FillDistinct(const Kind& kind, TCustomIniFile* ini, const AnsiString& section,
                                                int seed) {
  std::map<std::string, std::string> expected;
  int n = seed;
  for (const Key& key : ReadKeys(kind)) {
    std::string value;
    n += 10;
    const std::string a = std::to_string(n);
    switch (key.kind) {
      case 'I': value = a; break;
      case 'B': value = "1"; break;
      case 'P': value = a + "," + std::to_string(n + 1); break;
      case 'R': value = a + "," + std::to_string(n + 1) + "," + std::to_string(n + 2) + "," + std::to_string(n + 3); break;
      case 'T': value = "text" + a; break;
      case 'S': value = "fsbold,fsunderline"; break;
      case 'W': value = key.other; break;
      case 'L':
        expected[key.name + "linecount"] = "2";
        for (int i = 0; i < 2; ++i) {
          std::string line = "line" + a + "_" + std::to_string(i);
          expected[key.name + "line" + std::to_string(i)] = line;
          ini->WriteString(section, (key.name + "line" + std::to_string(i)).c_str(), line.c_str());
        }
        ini->WriteString(section, (key.name + "linecount").c_str(), "2");
        continue;
    }
    ini->WriteString(section, key.name.c_str(), value.c_str());
    expected[key.name] = value;
  }
  for (const auto& [name, value] : kind.forced) expected[name] = value;
  return expected;
}


}  // namespace lookkinds
