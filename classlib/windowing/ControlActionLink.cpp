#include "classlib/windowing/ControlActionLink.h"

#include "classlib/windowing/WinControl.h"

TControlActionLink::TControlActionLink(TObject* client)
    : TActionLink(client), client_(dynamic_cast<TControl*>(client)) {}

bool TControlActionLink::IsCaptionLinked() const {
  return TActionLink::IsCaptionLinked() && client_->Caption() == CustomAction()->Caption();
}
bool TControlActionLink::IsCheckedLinked() const {
  return TActionLink::IsCheckedLinked() && client_->GetChecked() == CustomAction()->Checked();
}
bool TControlActionLink::IsEnabledLinked() const {
  return TActionLink::IsEnabledLinked() && client_->Enabled() == CustomAction()->Enabled();
}
bool TControlActionLink::IsHintLinked() const {
  return TActionLink::IsHintLinked() && client_->Hint() == CustomAction()->Hint();
}
bool TControlActionLink::IsVisibleLinked() const {
  return TActionLink::IsVisibleLinked() && client_->Visible() == CustomAction()->Visible();
}
bool TControlActionLink::IsOnExecuteLinked() const {
  return TActionLink::IsOnExecuteLinked() && client_->OnClick == Action()->OnExecute;
}
void TControlActionLink::SetCaption(const AnsiString& value) { client_->SetCaption(value); }
void TControlActionLink::SetChecked(bool value) { client_->SetChecked(value); }
void TControlActionLink::SetEnabled(bool value) { client_->SetEnabled(value); }
void TControlActionLink::SetHint(const AnsiString& value) { client_->SetHint(value); }
void TControlActionLink::SetVisible(bool value) { client_->SetVisible(value); }
void TControlActionLink::SetOnExecute(const TNotifyEvent& value) { client_->OnClick = value; }

bool TWinControlActionLink::IsHelpContextLinked() const {
  auto* control = dynamic_cast<TWinControl*>(Client());
  return TControlActionLink::IsHelpContextLinked() && control != nullptr &&
         control->HelpContext() == CustomAction()->HelpContext();
}

void TWinControlActionLink::SetHelpContext(int value) {
  if (auto* control = dynamic_cast<TWinControl*>(Client())) control->SetHelpContext(value);
}
