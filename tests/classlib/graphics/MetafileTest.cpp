// Metafiles: ".emf" and ".wmf" by file and stream, their size and drawing, bad data.
#include <gtest/gtest.h>

#include <vector>

#include "classlib/graphics/Graphics.h"
#include "metafile_support.h"
#include "test_support.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);

class Metafiles : public testing::Test {
 protected:
  void SetUp() override {
    InitializeGraphics();
    folder_ = testsupport::FreshTempFolder("classlib_graphics_metafiles");
  }
  AnsiString PathOf(const char* name) const { return AnsiString(folder_) + "\\" + name; }
  // A 40 x 30 metafile with a red rectangle from (10, 5) to (30, 25), saved by the system.
  AnsiString SystemEmf(const char* name) const {
    HENHMETAFILE handle = testsupport::FilledMetafile(40, 30, RECT{10, 5, 30, 25}, kRed);
    DeleteEnhMetaFile(CopyEnhMetaFileA(handle, PathOf(name).c_str()));
    DeleteEnhMetaFile(handle);
    return PathOf(name);
  }
  std::vector<uint8_t> FileBytes(const AnsiString& path) const {
    TFileStream file(path, fmOpenRead);
    std::vector<uint8_t> bytes(static_cast<size_t>(file.Size()));
    file.ReadBuffer(bytes.data(), static_cast<int>(bytes.size()));
    return bytes;
  }
  AnsiString WriteBytes(const char* name, const std::vector<uint8_t>& bytes) const {
    TFileStream file(PathOf(name), fmCreate);
    if (!bytes.empty()) file.WriteBuffer(bytes.data(), static_cast<int>(bytes.size()));
    return PathOf(name);
  }
  // The graphic drawn on white at its own size; the colour of pixel (x, y).
  static COLORREF DrawnPixel(TGraphic* graphic, int x, int y) {
    TBitmap target;
    target.SetSize(graphic->Width(), graphic->Height());
    target.Canvas()->Brush()->SetColor(clWhite);
    target.Canvas()->FillRect(TRect{0, 0, graphic->Width(), graphic->Height()});
    target.Canvas()->Draw(0, 0, graphic);
    return GetPixel(target.Canvas()->Handle(), x, y);
  }
  static void ExpectRedRectangle(TGraphic* graphic) {
    EXPECT_EQ(DrawnPixel(graphic, 20, 15), kRed);
    EXPECT_EQ(DrawnPixel(graphic, 2, 2), RGB(255, 255, 255));
    EXPECT_EQ(DrawnPixel(graphic, 36, 27), RGB(255, 255, 255));
  }

  std::string folder_;
};

TEST_F(Metafiles, SystemEmfLoadsByPictureWithItsSizeAndDraws) {
  TPicture picture;
  picture.LoadFromFile(SystemEmf("drawn.emf"));
  auto* metafile = dynamic_cast<TMetafile*>(picture.Graphic());
  ASSERT_NE(metafile, nullptr);
  EXPECT_TRUE(metafile->Enhanced());
  EXPECT_TRUE(metafile->Transparent());
  EXPECT_EQ(picture.Width(), 40);
  EXPECT_EQ(picture.Height(), 30);
  ExpectRedRectangle(metafile);
}

TEST_F(Metafiles, EnhancedAndPlaceableFilesRoundTrip) {
  for (bool enhanced : {true, false}) {
    SCOPED_TRACE(enhanced ? "emf" : "wmf");
    TMetafile source;
    source.LoadFromFile(SystemEmf("source.emf"));
    source.SetEnhanced(enhanced);
    const AnsiString path = PathOf(enhanced ? "copy.emf" : "copy.wmf");
    source.SaveToFile(path);
    TPicture picture;
    picture.LoadFromFile(path);
    auto* copy = dynamic_cast<TMetafile*>(picture.Graphic());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Enhanced(), enhanced);
    EXPECT_EQ(copy->Width(), 40);
    EXPECT_EQ(copy->Height(), 30);
    ExpectRedRectangle(copy);
  }
}

TEST_F(Metafiles, BadDataRaisesAndLeavesThePictureEmpty) {
  TMetafile placeable;
  placeable.LoadFromFile(SystemEmf("whole.emf"));
  placeable.SetEnhanced(false);
  placeable.SaveToFile(PathOf("whole.wmf"));
  const std::vector<uint8_t> emf = FileBytes(PathOf("whole.emf"));
  const std::vector<uint8_t> wmf = FileBytes(PathOf("whole.wmf"));
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
  };
  const Case cases[] = {
      {"half.emf", {emf.begin(), emf.begin() + static_cast<long>(emf.size() / 2)}},
      {"header-only.emf", {emf.begin(), emf.begin() + 40}},
      {"half.wmf", {wmf.begin(), wmf.begin() + static_cast<long>(wmf.size() / 2)}},
      {"placeable-header.wmf", {wmf.begin(), wmf.begin() + 22}},
      {"empty.emf", {}},
      {"text.emf", {'n', 'o', 't', ' ', 'a', ' ', 'm', 'e', 't', 'a', 'f', 'i', 'l', 'e'}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TPicture picture;
    picture.LoadFromFile(PathOf("whole.emf"));
    EXPECT_THROW(picture.LoadFromFile(WriteBytes(c.name, c.bytes)), EInvalidGraphic);
    EXPECT_EQ(picture.Graphic(), nullptr);
    TMetafile metafile;
    metafile.LoadFromFile(PathOf("whole.emf"));
    EXPECT_THROW(metafile.LoadFromFile(PathOf(c.name)), EInvalidGraphic);
    EXPECT_TRUE(metafile.Empty());
  }
}

TEST_F(Metafiles, AssignCopiesAndClipboardSlotsAnswerEnhancedMetafiles) {
  TMetafile source;
  source.LoadFromFile(SystemEmf("assign.emf"));
  source.SetWidth(80);
  TMetafile copy;
  copy.Assign(&source);
  EXPECT_NE(copy.Handle(), source.Handle());
  EXPECT_EQ(copy.Width(), 80);
  EXPECT_EQ(copy.Height(), 30);

  WORD format = 0;
  HANDLE data = nullptr;
  HPALETTE palette = nullptr;
  source.SaveToClipboardFormat(format, data, palette);
  EXPECT_EQ(format, CF_ENHMETAFILE);
  EXPECT_EQ(palette, nullptr);
  TPicture picture;
  picture.LoadFromClipboardFormat(format, data, nullptr);
  DeleteEnhMetaFile(static_cast<HENHMETAFILE>(data));
  ASSERT_NE(dynamic_cast<TMetafile*>(picture.Graphic()), nullptr);
  ExpectRedRectangle(picture.Graphic());

  TMetafile empty;
  EXPECT_THROW(empty.SaveToClipboardFormat(format, data, palette), EInvalidGraphic);
  EXPECT_THROW(empty.LoadFromClipboardFormat(CF_BITMAP, nullptr, nullptr), EInvalidGraphic);
}

}  // namespace
