#include "classlib/formres/ClassProperties.h"
#include "classlib/formres/PropertyBinders.h"
#include "skin/controls/Skinctrls_Classes.h"
#include "skin/controls/Skinctrls_Notebook.h"

void RegisterSkinNotebooks() {
  using N = TspSkinNotebook;
  RegisterClassProperties(N::StaticClass(),
                          {IntegerProperty<N>("PageIndex", &N::SetPageIndex, 0),
                           BoolProperty<N>("ButtonsMode", &N::SetButtonsMode, false),
                           StringProperty<N>("ButtonSkinDataName", &N::SetButtonSkinDataName, "toolbutton"),
                           ReferenceProperty<N, TCustomImageList>("Images", &N::SetImages),
                           EventProperty<N>("OnPageChanged", &N::OnPageChanged)});
  using P = TspSkinPage;
  RegisterClassProperties(P::StaticClass(), {IntegerProperty<P>("ImageIndex", &P::SetImageIndex, -1)});
}
