#pragma once
#include <vector>

#include "classlib/graphics/Cursors.h"
#include "classlib/runtime/Component.h"

class TCustomForm;
class TWinControl;

// The screen: its size, the program's forms, the active form and control, and the
// cursor shown everywhere while Cursor is not crDefault (with the cursor table).
class TScreen : public TComponent {
  CLASSLIB_CLASS(TScreen, TComponent)
 public:
  explicit TScreen(TComponent* owner) : TComponent(owner) {}

  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);
  HCURSOR Cursors(TCursor cursor) { return cursors_.Get(cursor); }
  // Installs a program cursor (owned from now on; null removes it).
  void SetCursors(TCursor cursor, HCURSOR handle) { cursors_.Set(cursor, handle); }

  int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
  int Height() const { return GetSystemMetrics(SM_CYSCREEN); }
  int PixelsPerInch() const;

  int FormCount() const { return static_cast<int>(forms_.size()); }
  TCustomForm* Forms(int index) const { return forms_.at(static_cast<size_t>(index)); }
  // The form owning the active window (or null).
  TCustomForm* ActiveForm() const;
  TWinControl* ActiveControl() const;

  void AddForm(TCustomForm* form) { forms_.push_back(form); }
  void RemoveForm(TCustomForm* form) { std::erase(forms_, form); }

 private:
  TCursor cursor_ = crDefault;
  TCursorTable cursors_;
  std::vector<TCustomForm*> forms_;
};

// The one screen object, made at start-up.
extern TScreen* Screen;
