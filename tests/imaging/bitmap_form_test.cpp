#include <gtest/gtest.h>

#include "bitmap_fixtures.h"
#include "classlib/formres/FormError.h"
#include "classlib/formres/FormReader.h"
#include "classlib/formres/FormText.h"
#include "imaging/Bitmap32_Resamplers.h"

using namespace imaging;

namespace {

// Applies the properties of a one-object form text to `bitmap`, as a form resource
// holding a bitmap property does.
void ReadInto(TBitmap32& bitmap, const std::string& properties) {
  const TFormObject text = ParseFormText(("object Holder: TComponent\n" + properties + "end\n").c_str(), "Bitmap.form");
  TComponent root(nullptr);
  TFormReader reader(&root, TComponent::StaticClass(), "Bitmap.form");
  reader.ApplyProperties(&bitmap, text.properties);
}

TEST(Bitmap32FormResources, PublishedPropertiesAndDataAreRead) {
  TBitmap32 bitmap;
  ReadInto(bitmap,
           "  DrawMode = dmBlend\n"
           "  CombineMode = cmMerge\n"
           "  WrapMode = wmRepeat\n"
           "  MasterAlpha = 128\n"
           "  OuterColor = 305419896\n"
           "  ResamplerClassName = 'TNearestResampler'\n"
           "  Resampler.PixelAccessMode = pamWrap\n"
           "  Data = {02000000010000000100FF80020000FF}\n");
  EXPECT_EQ(bitmap.DrawMode(), dmBlend);
  EXPECT_EQ(bitmap.CombineMode(), cmMerge);
  EXPECT_EQ(bitmap.WrapMode(), wmRepeat);
  EXPECT_EQ(bitmap.MasterAlpha(), 128u);
  EXPECT_EQ(bitmap.OuterColor, 0x12345678u);
  EXPECT_EQ(static_cast<TBitmap32Resampler*>(bitmap.Resampler())->PixelAccessMode(), pamWrap);
  ASSERT_EQ(bitmap.Width(), 2);
  ASSERT_EQ(bitmap.Height(), 1);
  EXPECT_EQ(bitmap.GetPixel(0, 0), 0x80FF0001u);
  EXPECT_EQ(bitmap.GetPixel(1, 0), 0xFF000002u);
}

TEST(Bitmap32FormResources, BadValuesAreReportedWithTheirPlace) {
  TBitmap32 bitmap;
  EXPECT_THROW(ReadInto(bitmap, "  DrawMode = dmSideways\n"), EFormError);
  EXPECT_THROW(ReadInto(bitmap, "  Data = {0200000001000000}\n"), EReadError);  // pixels missing
  EXPECT_TRUE(bitmap.Empty());
  ReadInto(bitmap, "  ResamplerClassName = 'TUnknownResampler'\n");
  EXPECT_EQ(bitmap.ResamplerClassName(), "TNearestResampler");
}

}  // namespace
