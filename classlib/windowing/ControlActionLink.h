#pragma once
#include "classlib/windowing/Action.h"
#include "classlib/windowing/Control.h"

// The link of a control to its action: caption, enabled state, hint, visibility, checked
// state and OnClick follow the action while they still equal the action's values.
class TControlActionLink : public TActionLink {
  CLASSLIB_CLASS(TControlActionLink, TActionLink)
 public:
  explicit TControlActionLink(TObject* client);
  bool IsCaptionLinked() const override;
  bool IsCheckedLinked() const override;
  bool IsEnabledLinked() const override;
  bool IsHintLinked() const override;
  bool IsVisibleLinked() const override;
  bool IsOnExecuteLinked() const override;
  void SetCaption(const AnsiString& value) override;
  void SetChecked(bool value) override;
  void SetEnabled(bool value) override;
  void SetHint(const AnsiString& value) override;
  void SetVisible(bool value) override;
  void SetOnExecute(const TNotifyEvent& value) override;

 protected:
  TControl* Client() const { return client_; }

 private:
  TControl* client_;
};

// The link of a windowed control: also its help context.
class TWinControlActionLink : public TControlActionLink {
  CLASSLIB_CLASS(TWinControlActionLink, TControlActionLink)
 public:
  using TControlActionLink::TControlActionLink;
  bool IsHelpContextLinked() const override;
  void SetHelpContext(int value) override;
};
