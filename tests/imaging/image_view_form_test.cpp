#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "classlib/formres/ControlClasses.h"
#include "classlib/formres/FormResource.h"
#include "classlib/formres/PropertyBinders.h"
#include "classlib/windowing/Forms.h"
#include "imaging/Bitmap32_Image.h"

namespace {

using namespace imaging;

// A window holding the two previews as the program's windows describe them.
class TPreviewForm : public TForm {
  CLASSLIB_CLASS(TPreviewForm, TForm)
 public:
  explicit TPreviewForm(TComponent* owner) : TForm(owner, CreateNew) {}

  void PreviewImageDblClick(TObject*) { log.push_back("double click"); }
  void PreviewImageResize(TObject*) { log.push_back("resize"); }
  void PreviewImageMouseDown(TObject*, TMouseButton, TShiftState, int x, int, TCustomLayer* layer) {
    log.push_back("down " + std::to_string(x) + (layer == nullptr ? " no layer" : " layer"));
  }
  void PreviewImageMouseMove(TObject*, TShiftState, int, int, TCustomLayer*) {}
  void PreviewImageMouseUp(TObject*, TMouseButton, TShiftState, int, int, TCustomLayer*) {}

  TImage32* PreviewImage = nullptr;
  TImage32* AdvancedImage = nullptr;
  std::vector<std::string> log;
};

const char* const kPreviewText =
    "object PreviewForm: TPreviewForm\n"
    "  Width = 400\n"
    "  Height = 300\n"
    "  object PreviewImage: TImage32\n"
    "    Left = 0\n"
    "    Top = 0\n"
    "    Width = 201\n"
    "    Height = 169\n"
    "    Align = alClient\n"
    "    Bitmap.ResamplerClassName = 'TNearestResampler'\n"
    "    BitmapAlign = baCenter\n"
    "    Color = 5592405\n"
    "    ParentColor = False\n"
    "    Scale = 1.000000000000000000\n"
    "    ScaleMode = smResize\n"
    "    TabOrder = 0\n"
    "    OnDblClick = PreviewImageDblClick\n"
    "    OnResize = PreviewImageResize\n"
    "  end\n"
    "  object AdvancedImage: TImage32\n"
    "    Width = 100\n"
    "    Height = 80\n"
    "    Bitmap.ResamplerClassName = 'TLinearResampler'\n"
    "    BitmapAlign = baTopLeft\n"
    "    Color = 3947580\n"
    "    ParentColor = False\n"
    "    Scale = 1.000000000000000000\n"
    "    ScaleMode = smNormal\n"
    "    TabOrder = 1\n"
    "    OnMouseDown = PreviewImageMouseDown\n"
    "    OnMouseMove = PreviewImageMouseMove\n"
    "    OnMouseUp = PreviewImageMouseUp\n"
    "    OnResize = PreviewImageResize\n"
    "  end\n"
    "end\n";

TEST(ImageViewForm, FormTextDescribesThePreviewsWithTheirHandlers) {
  InitializeControlClasses();
  RegisterFormClass(TPreviewForm::StaticClass(),
                    {Handler("PreviewImageDblClick", &TPreviewForm::PreviewImageDblClick),
                     Handler("PreviewImageResize", &TPreviewForm::PreviewImageResize),
                     Handler("PreviewImageMouseDown", &TPreviewForm::PreviewImageMouseDown),
                     Handler("PreviewImageMouseMove", &TPreviewForm::PreviewImageMouseMove),
                     Handler("PreviewImageMouseUp", &TPreviewForm::PreviewImageMouseUp)},
                    {Field("PreviewImage", &TPreviewForm::PreviewImage),
                     Field("AdvancedImage", &TPreviewForm::AdvancedImage)});
  std::unique_ptr<TPreviewForm> form(new TPreviewForm(nullptr));
  ReadFormText(form.get(), TPreviewForm::StaticClass(), kPreviewText, "PreviewForm.form");

  TImage32* main = form->PreviewImage;
  ASSERT_NE(nullptr, main);
  EXPECT_EQ(alClient, main->Align());
  EXPECT_EQ(baCenter, main->BitmapAlign());
  EXPECT_EQ(smResize, main->ScaleMode());
  EXPECT_EQ(static_cast<TColor>(0x555555), main->Color());
  EXPECT_FALSE(main->ParentColor());
  EXPECT_FLOAT_EQ(1.0f, main->Scale());
  EXPECT_EQ(rmFull, main->RepaintMode());
  EXPECT_EQ(AnsiString("TNearestResampler"), main->Bitmap()->ResamplerClassName());
  main->OnDblClick(main);
  EXPECT_EQ(std::vector<std::string>{"double click"}, form->log);

  TImage32* advanced = form->AdvancedImage;
  ASSERT_NE(nullptr, advanced);
  EXPECT_EQ(baTopLeft, advanced->BitmapAlign());
  EXPECT_EQ(smNormal, advanced->ScaleMode());
  EXPECT_EQ(static_cast<TColor>(0x3C3C3C), advanced->Color());
  EXPECT_EQ(AnsiString("TLinearResampler"), advanced->Bitmap()->ResamplerClassName());
  form->log.clear();
  advanced->OnMouseDown(advanced, mbLeft, TShiftState{}, 7, 3, nullptr);
  advanced->OnResize(advanced);
  EXPECT_EQ((std::vector<std::string>{"down 7 no layer", "resize"}), form->log);
}

}  // namespace
