// The picture registry, pictures loaded by file name, icons and JPEG pictures.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "classlib/graphics/Graphics.h"
#include "classlib/runtime/FileUtils.h"
#include "test_support.h"

namespace {

// A picture format of the tests' own: a text file holding "TST w h".
class TTestGraphic : public TGraphic {
  CLASSLIB_CLASS(TTestGraphic, TGraphic)
 public:
  void Draw(TCanvas*, const TRect&) override {}
  bool Empty() const override { return width_ == 0; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetWidth(int width) override { width_ = width; }
  void SetHeight(int height) override { height_ = height; }
  void LoadFromStream(TStream* stream) override {
    char text[32] = {};
    stream->Read(text, sizeof(text) - 1);
    if (std::sscanf(text, "TST %d %d", &width_, &height_) != 2) throw EInvalidGraphic("not a test picture");
  }
  void SaveToStream(TStream*) override {}

 private:
  int width_ = 0;
  int height_ = 0;
};

class Pictures : public testing::Test {
 protected:
  void SetUp() override {
    InitializeGraphics();
    folder_ = testsupport::FreshTempFolder("classlib_graphics_pictures");
  }
  AnsiString PathOf(const char* name) const { return AnsiString(folder_) + "\\" + name; }
  void WriteText(const char* name, const std::string& text) const {
    TFileStream file(PathOf(name), fmCreate);
    file.WriteBuffer(text.data(), static_cast<int>(text.size()));
  }
  AnsiString SaveBitmap(const char* name, int width, int height) const {
    TBitmap bitmap;
    bitmap.SetSize(width, height);
    bitmap.SaveToFile(PathOf(name));
    return PathOf(name);
  }

  std::string folder_;
};

TEST_F(Pictures, ExtensionsPickTheirClassesIgnoringCase) {
  struct Case {
    const char* extension;
    TClass graphicClass;
  };
  const Case cases[] = {{".BMP", TBitmap::StaticClass()},      {".bmp", TBitmap::StaticClass()},
                        {".ico", TIcon::StaticClass()},        {".jpg", TJPEGImage::StaticClass()},
                        {".jpeg", TJPEGImage::StaticClass()},  {".JPG", TJPEGImage::StaticClass()},
                        {".xyz", nullptr}};
  for (const Case& c : cases) EXPECT_EQ(TPicture::GraphicClassOf(c.extension), c.graphicClass) << c.extension;
}

TEST_F(Pictures, LoadFromFileByUpperCaseExtension) {
  SaveBitmap("upper.BMP", 7, 5);
  TPicture picture;
  picture.LoadFromFile(PathOf("upper.BMP"));
  ASSERT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Width(), 7);
  EXPECT_EQ(picture.Height(), 5);
}

TEST_F(Pictures, UnknownExtensionRaisesNamingItAndEmptiesThePicture) {
  WriteText("image.xyz", "whatever");
  TPicture picture;
  picture.Bitmap()->SetSize(3, 3);
  try {
    picture.LoadFromFile(PathOf("image.xyz"));
    FAIL() << "no exception";
  } catch (const EInvalidGraphic& error) {
    EXPECT_NE(error.Message().Pos(".xyz"), 0) << error.Message();
  }
  EXPECT_EQ(picture.Graphic(), nullptr);
}

TEST_F(Pictures, BadFileRaisesAndLeavesThePictureEmpty) {
  WriteText("broken.bmp", "BM not really a bitmap");
  TPicture picture;
  picture.Bitmap()->SetSize(3, 3);
  EXPECT_THROW(picture.LoadFromFile(PathOf("broken.bmp")), EInvalidGraphic);
  EXPECT_EQ(picture.Graphic(), nullptr);
}

TEST_F(Pictures, RegisteredTestFormatWorksUntilUnregistered) {
  WriteText("sample.tst", "TST 12 34");
  TPicture::RegisterFileFormat(".tst", "Test pictures", TTestGraphic::StaticClass());
  EXPECT_EQ(TPicture::GraphicDescription("TST"), "Test pictures");
  TPicture picture;
  picture.LoadFromFile(PathOf("sample.tst"));
  EXPECT_NE(dynamic_cast<TTestGraphic*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Width(), 12);
  EXPECT_EQ(picture.Height(), 34);
  TPicture::UnregisterGraphicClass(TTestGraphic::StaticClass());
  EXPECT_THROW(picture.LoadFromFile(PathOf("sample.tst")), EInvalidGraphic);
  EXPECT_EQ(TPicture::GraphicClassOf(".bmp"), TBitmap::StaticClass());
}

TEST_F(Pictures, AssignCopiesThePicture) {
  TPicture first;
  first.Bitmap()->SetSize(4, 2);
  TPicture second;
  second.Assign(&first);
  ASSERT_NE(second.Graphic(), first.Graphic());
  EXPECT_EQ(second.Width(), 4);
  TBitmap target;
  target.Assign(&first);
  EXPECT_EQ(target.Width(), 4);
}

TBitmap* Gradient(int width, int height) {
  auto* bitmap = new TBitmap;
  bitmap->SetPixelFormat(pf24bit);
  bitmap->SetSize(width, height);
  for (int y = 0; y < height; ++y) {
    auto* row = static_cast<uint8_t*>(bitmap->ScanLine(y));
    for (int x = 0; x < width; ++x) {
      row[x * 3] = static_cast<uint8_t>(x);
      row[x * 3 + 1] = static_cast<uint8_t>(y * 2);
      row[x * 3 + 2] = 200;
    }
  }
  return bitmap;
}

TEST_F(Pictures, JpegOfABitmapReloadsAtItsSizeWithinTolerance) {
  std::unique_ptr<TBitmap> source(Gradient(160, 120));
  TJPEGImage jpeg;
  EXPECT_EQ(jpeg.CompressionQuality(), 90);
  jpeg.Assign(source.get());
  jpeg.SaveToFile(PathOf("thumb.jpg"));
  TPicture picture;
  picture.LoadFromFile(PathOf("thumb.jpg"));
  auto* loaded = dynamic_cast<TJPEGImage*>(picture.Graphic());
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->Width(), 160);
  EXPECT_EQ(loaded->Height(), 120);
  TBitmap decoded;
  decoded.Assign(loaded);
  decoded.SetPixelFormat(pf24bit);
  int worst = 0;
  for (int y = 0; y < 120; ++y) {
    const auto* a = static_cast<const uint8_t*>(source->ScanLine(y));
    const auto* b = static_cast<const uint8_t*>(decoded.ScanLine(y));
    for (int i = 0; i < 160 * 3; ++i) worst = std::max(worst, std::abs(a[i] - b[i]));
  }
  EXPECT_LE(worst, 12);
}

TEST_F(Pictures, TruncatedJpegRaisesAndLeavesTheImageEmpty) {
  std::unique_ptr<TBitmap> source(Gradient(64, 48));
  TJPEGImage jpeg;
  jpeg.Assign(source.get());
  TMemoryStream whole;
  jpeg.SaveToStream(&whole);
  for (int64_t cut : {int64_t{0}, int64_t{10}, whole.Size() / 2}) {
    TMemoryStream truncated;
    truncated.WriteBuffer(whole.Memory(), static_cast<int>(cut));
    truncated.SetPosition(0);
    TJPEGImage target;
    target.Assign(&jpeg);
    EXPECT_THROW(target.LoadFromStream(&truncated), EInvalidGraphic) << cut;
    EXPECT_TRUE(target.Empty()) << cut;
    EXPECT_EQ(target.Width(), 0);
  }
}

TEST_F(Pictures, JpegDataForFormResourcesRoundTrips) {
  std::unique_ptr<TBitmap> source(Gradient(20, 10));
  TJPEGImage jpeg;
  jpeg.SetCompressionQuality(50);
  jpeg.Assign(source.get());
  TMemoryStream stream;
  jpeg.WriteData(&stream);
  stream.SetPosition(0);
  TJPEGImage copy;
  copy.ReadData(&stream);
  EXPECT_EQ(copy.Width(), 20);
  EXPECT_EQ(copy.Height(), 10);
  EXPECT_EQ(stream.Position(), stream.Size());
}

// An ICO file with one 16 x 16 32-bit image: red, with the left half transparent (black
// under a set mask bit).
std::string MakeIconFile() {
  TIcon made;
  TBitmap color;
  color.SetSize(16, 16);
  color.Canvas()->Brush()->SetColor(clRed);
  color.Canvas()->FillRect(Rect(8, 0, 16, 16));
  TBitmap mask;
  mask.SetMonochrome(true);
  mask.SetSize(16, 16);
  mask.Canvas()->Brush()->SetColor(clWhite);
  mask.Canvas()->FillRect(Rect(0, 0, 8, 16));
  color.FreeContext();
  mask.FreeContext();
  ICONINFO info{TRUE, 0, 0, mask.Handle(), color.Handle()};
  made.SetHandle(CreateIconIndirect(&info));
  TMemoryStream stream;
  made.SaveToStream(&stream);
  return std::string(static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
}

TEST_F(Pictures, IconLoadsDrawsTransparentlyAndRefusesTruncation) {
  std::string file = MakeIconFile();
  WriteText("sample.ico", file);
  TPicture picture;
  picture.LoadFromFile(PathOf("sample.ico"));
  auto* icon = dynamic_cast<TIcon*>(picture.Graphic());
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->Width(), 16);
  EXPECT_EQ(icon->Height(), 16);
  EXPECT_TRUE(icon->Transparent());
  TBitmap target;
  target.SetSize(16, 16);
  target.Canvas()->Brush()->SetColor(clBlue);
  target.Canvas()->FillRect(Rect(0, 0, 16, 16));
  target.Canvas()->Draw(0, 0, icon);
  EXPECT_EQ(target.Canvas()->Pixels(2, 8), clBlue);
  EXPECT_EQ(target.Canvas()->Pixels(12, 8), clRed);
  EXPECT_THROW(icon->SetWidth(32), EInvalidGraphicOperation);

  TMemoryStream truncated;
  truncated.WriteBuffer(file.data(), static_cast<int>(file.size() / 2));
  truncated.SetPosition(0);
  TIcon broken;
  EXPECT_THROW(broken.LoadFromStream(&truncated), EInvalidGraphic);
  EXPECT_TRUE(broken.Empty());
}

}  // namespace
