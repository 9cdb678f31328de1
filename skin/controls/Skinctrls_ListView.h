#pragma once
// The list view whose font and background follow a "listview" look, whose native scroll
// bars give way to attached skinned ones (mirrored per view style, the view scrolling
// itself when a bar moves) and whose column header ("SysHeader32") is painted from a
// button look (HeaderSkinDataName, "resizebutton"): each section a face at its size,
// pressed while clicked, the bar after the last section the left part of the normal face.
#include "classlib/comctrls/ListView.h"
#include "skin/controls/Skinctrls_HeaderLook.h"
#include "skin/controls/Skinctrls_ViewLink.h"

// Owner drawing of a header section's content onto its face (Cnvs, Column, Pressed, R).
using TspDrawHeaderSectionEvent = TEvent<TCanvas*, TListColumn*, bool, TRect>;

class TspSkinCustomListView : public TCustomListView, public TspViewSkinLink {
  CLASSLIB_CLASS(TspSkinCustomListView, TCustomListView)
 public:
  explicit TspSkinCustomListView(TComponent* owner);
  ~TspSkinCustomListView() override;

  void SetSkinData(TspSkinData* value) override;
  // Finds the look again, applies it, refreshes the bars and repaints the header.
  void ChangeSkinData() override;
  void SetVScrollBar(TspSkinScrollBar* bar);
  void SetHScrollBar(TspSkinScrollBar* bar);
  const AnsiString& HeaderSkinDataName() const { return headerSkinDataName_; }
  void SetHeaderSkinDataName(const AnsiString& value) { headerSkinDataName_ = value; }
  // The hooked column header, or null.
  HWND HookedHeader() const { return header_; }
  void UpDateScrollBars() override;

  // The rectangle of the header section at a display position.
  TRect GetHeaderSectionRect(int index);
  // The column shown at a display position: with FullDrag the header's order decides.
  int HeaderItemAt(int position);
  // Paints the whole header into `dc` (0: the header's own paint cycle).
  void PaintHeader(HDC dc);
  void DrawHeaderSection(TCanvas* canvas, TListColumn* column, bool active, bool pressed, const TRect& rect);

  TspDrawHeaderSectionEvent OnDrawHeaderSection;

  void WndProc(TMessage& message) override;
  void Loaded() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void DestroyWnd() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void HookHeader(HWND header);
  void UnhookHeader();
  void HookCreatedChild(const TMessage& message);
  void HeaderWndProc(TMessage& message);
  void HeaderMouse(const TMessage& message);
  void PaintHeaderRest(TCanvas* canvas, int left);
  int FirstItemHeight();
  int FirstItemWidth();
  bool UpdateIconBars();
  bool UpdateListBars();
  bool UpdateReportBars();
  bool UpdateBar(TspSkinScrollBar* bar, int direction, bool visible, int page, int& lastPosition);
  void OnVScrollBarChange(TObject* sender);
  void OnHScrollBarChange(TObject* sender);

  AnsiString headerSkinDataName_ = "resizebutton";
  TspHeaderLook headerLook_;
  HWND header_ = nullptr;
  WNDPROC headerDefProc_ = nullptr;
  TWndMethod headerMethod_;
  int pressedSection_ = -1;
  bool headerDown_ = false;
  // Set while the view scrolls itself for a bar: no bar update runs meanwhile.
  bool barScrolling_ = false;
  int lastVPosition_ = 0;
  int lastHPosition_ = 0;
};

class TspSkinListView : public TspSkinCustomListView {
  CLASSLIB_CLASS(TspSkinListView, TspSkinCustomListView)
 public:
  using TspSkinCustomListView::TspSkinCustomListView;
};
