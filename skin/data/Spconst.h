#pragma once
#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/WinApi.h"

// The system headers define SP_ERROR (a printing code), which names a text here.
#undef SP_ERROR

// The skin library's built-in interface texts (English), kept as a string table
// resource of the program under fixed ids. Programs get the resource with the
// skin_data target.
struct TspResourceString {
  int Id;

  // The text of the resource; empty when the program lacks it.
  AnsiString Text() const;
  operator AnsiString() const { return Text(); }  // NOLINT: used where a text is expected
};

inline constexpr TspResourceString SP_MI_MINCAPTION{65498};
inline constexpr TspResourceString SP_MI_MAXCAPTION{65499};
inline constexpr TspResourceString SP_MI_CLOSECAPTION{65500};
inline constexpr TspResourceString SP_MI_RESTORECAPTION{65501};
inline constexpr TspResourceString SP_MI_MINTOTRAYCAPTION{65502};
inline constexpr TspResourceString SP_MI_ROLLUPCAPTION{65503};
inline constexpr TspResourceString SP_MINBUTTON_HINT{65472};
inline constexpr TspResourceString SP_MAXBUTTON_HINT{65473};
inline constexpr TspResourceString SP_CLOSEBUTTON_HINT{65474};
inline constexpr TspResourceString SP_TRAYBUTTON_HINT{65475};
inline constexpr TspResourceString SP_ROLLUPBUTTON_HINT{65476};
inline constexpr TspResourceString SP_MENUBUTTON_HINT{65477};
inline constexpr TspResourceString SP_Edit_Undo{65478};
inline constexpr TspResourceString SP_Edit_Copy{65479};
inline constexpr TspResourceString SP_Edit_Cut{65480};
inline constexpr TspResourceString SP_Edit_Paste{65481};
inline constexpr TspResourceString SP_Edit_Delete{65482};
inline constexpr TspResourceString SP_Edit_SelectAll{65483};
inline constexpr TspResourceString SP_MSG_BTN_YES{65484};
inline constexpr TspResourceString SP_MSG_BTN_NO{65485};
inline constexpr TspResourceString SP_MSG_BTN_OK{65486};
inline constexpr TspResourceString SP_MSG_BTN_CANCEL{65456};
inline constexpr TspResourceString SP_MSG_BTN_ABORT{65457};
inline constexpr TspResourceString SP_MSG_BTN_RETRY{65458};
inline constexpr TspResourceString SP_MSG_BTN_IGNORE{65459};
inline constexpr TspResourceString SP_MSG_BTN_ALL{65460};
inline constexpr TspResourceString SP_MSG_BTN_NOTOALL{65461};
inline constexpr TspResourceString SP_MSG_BTN_YESTOALL{65462};
inline constexpr TspResourceString SP_MSG_BTN_HELP{65463};
inline constexpr TspResourceString SP_MSG_BTN_OPEN{65464};
inline constexpr TspResourceString SP_MSG_BTN_SAVE{65465};
inline constexpr TspResourceString SP_MSG_BTN_CLOSE{65487};
inline constexpr TspResourceString SP_MSG_BTN_BACK_HINT{65466};
inline constexpr TspResourceString SP_MSG_BTN_UP_HINT{65467};
inline constexpr TspResourceString SP_MSG_BTN_NEWFOLDER_HINT{65468};
inline constexpr TspResourceString SP_MSG_BTN_VIEWMENU_HINT{65469};
inline constexpr TspResourceString SP_MSG_BTN_STRETCH_HINT{65470};
inline constexpr TspResourceString SP_MSG_FILENAME{65471};
inline constexpr TspResourceString SP_MSG_FILETYPE{65440};
inline constexpr TspResourceString SP_MSG_NEWFOLDER{65441};
inline constexpr TspResourceString SP_MSG_LV_DETAILS{65442};
inline constexpr TspResourceString SP_MSG_LV_ICON{65443};
inline constexpr TspResourceString SP_MSG_LV_SMALLICON{65444};
inline constexpr TspResourceString SP_MSG_LV_LIST{65445};
inline constexpr TspResourceString SP_MSG_PREVIEWSKIN{65446};
inline constexpr TspResourceString SP_MSG_PREVIEWBUTTON{65447};
inline constexpr TspResourceString SP_MSG_OVERWRITE{65448};
inline constexpr TspResourceString SP_MSG_CAP_WARNING{65449};
inline constexpr TspResourceString SP_MSG_CAP_ERROR{65450};
inline constexpr TspResourceString SP_MSG_CAP_INFORMATION{65451};
inline constexpr TspResourceString SP_MSG_CAP_CONFIRM{65452};
inline constexpr TspResourceString SP_MSG_CAP_SHOWFLAG{65453};
inline constexpr TspResourceString SP_CALC_CAP{65454};
inline constexpr TspResourceString SP_ERROR{65455};
inline constexpr TspResourceString SP_COLORGRID_CAP{65424};
inline constexpr TspResourceString SP_CUSTOMCOLORGRID_CAP{65425};
inline constexpr TspResourceString SP_ADDCUSTOMCOLORBUTTON_CAP{65426};
inline constexpr TspResourceString SP_FONTDLG_COLOR{65427};
inline constexpr TspResourceString SP_FONTDLG_NAME{65428};
inline constexpr TspResourceString SP_FONTDLG_SIZE{65429};
inline constexpr TspResourceString SP_FONTDLG_HEIGHT{65430};
inline constexpr TspResourceString SP_FONTDLG_EXAMPLE{65431};
inline constexpr TspResourceString SP_FONTDLG_STYLE{65432};
inline constexpr TspResourceString SP_FONTDLG_SCRIPT{65433};
inline constexpr TspResourceString SP_NODISKINDRIVE{65434};
inline constexpr TspResourceString SP_NOVALIDDRIVEID{65435};
// The shell controls' message for a root or path they cannot open; it has no string-table key.
inline constexpr TspResourceString SErrorSettingPath{65359};
inline constexpr TspResourceString SP_FLV_NAME{65437};
inline constexpr TspResourceString SP_FLV_SIZE{65438};
inline constexpr TspResourceString SP_FLV_TYPE{65439};
inline constexpr TspResourceString SP_FLV_LOOKIN{65436};
inline constexpr TspResourceString SP_FLV_MODIFIED{65408};
inline constexpr TspResourceString SP_FLV_ATTRIBUTES{65409};
inline constexpr TspResourceString SP_FLV_DISKSIZE{65410};
inline constexpr TspResourceString SP_FLV_FREESPACE{65411};
inline constexpr TspResourceString SP_PRNDLG_NAME{65406};
inline constexpr TspResourceString SP_PRNDLG_PRINTER{65405};
inline constexpr TspResourceString SP_PRNDLG_PROPERTIES{65407};
inline constexpr TspResourceString SP_PRNDLG_TYPE{65377};
inline constexpr TspResourceString SP_PRNDLG_STATUS{65376};
inline constexpr TspResourceString SP_PRNDLG_WHERE{65378};
inline constexpr TspResourceString SP_PRNDLG_COMMENT{65379};
inline constexpr TspResourceString SP_PRNDLG_PRINTRANGE{65380};
inline constexpr TspResourceString SP_PRNDLG_COPIES{65381};
inline constexpr TspResourceString SP_PRNDLG_NUMCOPIES{65382};
inline constexpr TspResourceString SP_PRNDLG_COLLATE{65383};
inline constexpr TspResourceString SP_PRNDLG_ALL{65384};
inline constexpr TspResourceString SP_PRNDLG_PAGES{65385};
inline constexpr TspResourceString SP_PRNDLG_SELECTION{65386};
inline constexpr TspResourceString SP_PRNDLG_PRINTTOFILE{65389};
inline constexpr TspResourceString SP_PRNDLG_FROM{65387};
inline constexpr TspResourceString SP_PRNDLG_TO{65388};
inline constexpr TspResourceString SP_PRNDLG_ORIENTATION{65390};
inline constexpr TspResourceString SP_PRNDLG_PAPER{65391};
inline constexpr TspResourceString SP_PRNDLG_PORTRAIT{65360};
inline constexpr TspResourceString SP_PRNDLG_LANDSCAPE{65361};
inline constexpr TspResourceString SP_PRNDLG_SOURCE{65362};
inline constexpr TspResourceString SP_PRNDLG_SIZE{65363};
inline constexpr TspResourceString SP_PRNDLG_MARGINS{65364};
inline constexpr TspResourceString SP_PRNDLG_MARGINS_INCHES{65365};
inline constexpr TspResourceString SP_PRNDLG_LEFT{65366};
inline constexpr TspResourceString SP_PRNDLG_RIGHT{65367};
inline constexpr TspResourceString SP_PRNDLG_TOP{65368};
inline constexpr TspResourceString SP_PRNDLG_BOTTOM{65369};
inline constexpr TspResourceString SP_PRNDLG_WARNING{65370};
inline constexpr TspResourceString SP_FIND_NEXT{65371};
inline constexpr TspResourceString SP_FIND_WHAT{65372};
inline constexpr TspResourceString SP_FIND_DIRECTION{65373};
inline constexpr TspResourceString SP_FIND_DIRECTIONUP{65374};
inline constexpr TspResourceString SP_FIND_DIRECTIONDOWN{65375};
inline constexpr TspResourceString SP_FIND_MATCH_CASE{65344};
inline constexpr TspResourceString SP_FIND_MATCH_WHOLE_WORD_ONLY{65345};
inline constexpr TspResourceString SP_FIND_REPLACE_WITH{65346};
inline constexpr TspResourceString SP_FIND_REPLACE{65347};
inline constexpr TspResourceString SP_FIND_REPLACE_All{65348};
inline constexpr TspResourceString SP_MORECOLORS{65349};
inline constexpr TspResourceString SP_AUTOCOLOR{65350};
inline constexpr TspResourceString SP_CUSTOMCOLOR{65351};
inline constexpr TspResourceString SP_PRNSTATUS_Paused{65412};
inline constexpr TspResourceString SP_PRNSTATUS_PendingDeletion{65413};
inline constexpr TspResourceString SP_PRNSTATUS_Busy{65414};
inline constexpr TspResourceString SP_PRNSTATUS_DoorOpen{65415};
inline constexpr TspResourceString SP_PRNSTATUS_Error{65416};
inline constexpr TspResourceString SP_PRNSTATUS_Initializing{65417};
inline constexpr TspResourceString SP_PRNSTATUS_IOActive{65418};
inline constexpr TspResourceString SP_PRNSTATUS_ManualFeed{65419};
inline constexpr TspResourceString SP_PRNSTATUS_NoToner{65420};
inline constexpr TspResourceString SP_PRNSTATUS_NotAvailable{65421};
inline constexpr TspResourceString SP_PRNSTATUS_OFFLine{65422};
inline constexpr TspResourceString SP_PRNSTATUS_OutOfMemory{65423};
inline constexpr TspResourceString SP_PRNSTATUS_OutBinFull{65392};
inline constexpr TspResourceString SP_PRNSTATUS_PagePunt{65393};
inline constexpr TspResourceString SP_PRNSTATUS_PaperJam{65394};
inline constexpr TspResourceString SP_PRNSTATUS_PaperOut{65395};
inline constexpr TspResourceString SP_PRNSTATUS_PaperProblem{65396};
inline constexpr TspResourceString SP_PRNSTATUS_Printing{65397};
inline constexpr TspResourceString SP_PRNSTATUS_Processing{65398};
inline constexpr TspResourceString SP_PRNSTATUS_TonerLow{65399};
inline constexpr TspResourceString SP_PRNSTATUS_UserIntervention{65400};
inline constexpr TspResourceString SP_PRNSTATUS_Waiting{65401};
inline constexpr TspResourceString SP_PRNSTATUS_WarningUp{65402};
inline constexpr TspResourceString SP_PRNSTATUS_Ready{65403};
inline constexpr TspResourceString SP_PRNSTATUS_PrintingAndWaiting{65404};
