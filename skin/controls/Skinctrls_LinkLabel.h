#pragma once
// Window-less controls that open a web address or file with the shell when clicked: a
// picture and an underlined label that takes the active colour under the mouse.
#include <memory>

#include "classlib/stdctrls/Image.h"
#include "classlib/stdctrls/Label.h"
#include "skin/controls/Skinctrls_LabelFont.h"

// Asks the shell to open `url` ("open", shown normally); a failure is not reported.
void OpenLinkURL(const AnsiString& url);

class TspSkinLinkImage : public TImage {
  CLASSLIB_CLASS(TspSkinLinkImage, TImage)
 public:
  explicit TspSkinLinkImage(TComponent* owner);

  const AnsiString& URL() const { return url_; }
  void SetURL(const AnsiString& value) { url_ = value; }

 protected:
  // OnClick, then the shell opens URL when there is one.
  void Click() override;

 private:
  AnsiString url_;
};

class TspSkinLinkLabel : public TCustomLabel, public TspLabelSkinLink {
  CLASSLIB_CLASS(TspSkinLinkLabel, TCustomLabel)
 public:
  explicit TspSkinLinkLabel(TComponent* owner);
  ~TspSkinLinkLabel() override;

  bool UseUnderLine() const { return useUnderLine_; }
  void SetUseUnderLine(bool value);
  TColor DefaultActiveFontColor() const { return defaultActiveFontColor_; }
  void SetDefaultActiveFontColor(TColor value) { defaultActiveFontColor_ = value; }
  const AnsiString& URL() const { return url_; }
  void SetURL(const AnsiString& value) { url_ = value; }
  bool MouseIn() const { return mouseIn_; }

  void SetSkinData(TspSkinData* value) override;
  void ChangeSkinData() override;

  void Dispatch(TMessage& message) override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  void DoDrawText(TRect& rect, UINT flags) override;
  void Click() override;

 private:
  bool useUnderLine_ = true;
  TColor defaultActiveFontColor_ = static_cast<TColor>(0xFF0000);
  AnsiString url_;
  bool mouseIn_ = false;
};
