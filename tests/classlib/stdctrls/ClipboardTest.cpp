// Pictures through the clipboard: copies read by plain system calls, pictures read back,
// clipboards without a picture, and a clipboard held by another window.
#include <gtest/gtest.h>

#include <thread>

#include "classlib/graphics/Graphics.h"
#include "classlib/stdctrls/Clipboard.h"
#include "metafile_support.h"

namespace {

// A 5 x 3 bitmap whose pixel (x, y) is RGB(40 x + 1, 60 y + 2, 200).
COLORREF Pattern(int x, int y) { return RGB(40 * x + 1, 60 * y + 2, 200); }

void Paint(TBitmap& bitmap) {
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(5, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) SetPixel(bitmap.Canvas()->Handle(), x, y, Pattern(x, y));
}

void ExpectPattern(TBitmap* bitmap) {
  ASSERT_NE(bitmap, nullptr);
  ASSERT_EQ(bitmap->Width(), 5);
  ASSERT_EQ(bitmap->Height(), 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(GetPixel(bitmap->Canvas()->Handle(), x, y), Pattern(x, y)) << x << "," << y;
}

class ClipboardPictures : public testing::Test {
 protected:
  void SetUp() override { InitializeGraphics(); }
};

TEST_F(ClipboardPictures, BitmapGoesAsSystemBitmapAndComesBack) {
  TBitmap source;
  Paint(source);
  Clipboard()->Assign(&source);
  EXPECT_TRUE(Clipboard()->HasFormat(CF_BITMAP));
  EXPECT_TRUE(Clipboard()->HasFormat(CF_PICTURE));

  ASSERT_TRUE(OpenClipboard(nullptr)) << "the library left the clipboard open";
  auto* system = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
  BITMAP info{};
  const bool described = system != nullptr && GetObjectA(system, sizeof(info), &info) != 0;
  CloseClipboard();
  ASSERT_TRUE(described);
  EXPECT_EQ(info.bmWidth, 5);
  EXPECT_EQ(info.bmHeight, 3);

  TPicture picture;
  picture.Assign(Clipboard());
  ExpectPattern(dynamic_cast<TBitmap*>(picture.Graphic()));
  TBitmap bitmap;
  bitmap.Assign(Clipboard());
  ExpectPattern(&bitmap);
}

TEST_F(ClipboardPictures, MetafileGoesAsEnhancedMetafileAndComesBack) {
  TMetafile source;
  source.SetHandle(testsupport::FilledMetafile(40, 30, RECT{10, 5, 30, 25}, RGB(0, 0, 255)));
  TPicture holder;
  holder.SetGraphic(&source);
  Clipboard()->Assign(&holder);
  EXPECT_TRUE(Clipboard()->HasFormat(CF_ENHMETAFILE));
  TPicture picture;
  picture.Assign(Clipboard());
  auto* copy = dynamic_cast<TMetafile*>(picture.Graphic());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->Width(), 40);
  EXPECT_EQ(copy->Height(), 30);
}

TEST_F(ClipboardPictures, ClipboardWithoutPictureRaisesAndLeavesTheTargetAlone) {
  struct Case {
    const char* name;
    void (*fill)();
  };
  const Case cases[] = {
      {"empty", [] { Clipboard()->Clear(); }},
      {"text only", [] { Clipboard()->SetAsText("just words"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.fill();
    EXPECT_FALSE(Clipboard()->HasFormat(CF_PICTURE));
    TPicture picture;
    Paint(*picture.Bitmap());
    EXPECT_THROW(picture.Assign(Clipboard()), EInvalidGraphic);
    ExpectPattern(dynamic_cast<TBitmap*>(picture.Graphic()));
    if (OpenClipboard(nullptr)) {
      CloseClipboard();
    } else {
      ADD_FAILURE() << "the library left the clipboard open";
    }
  }
}

TEST_F(ClipboardPictures, PictureWithoutClipboardFormKeepsTheClipboard) {
  Clipboard()->SetAsText("kept");
  TIcon icon;
  icon.SetHandle(LoadIconA(nullptr, MAKEINTRESOURCEA(32512)));
  EXPECT_THROW(Clipboard()->Assign(&icon), EInvalidGraphic);
  TPicture empty;
  EXPECT_THROW(Clipboard()->Assign(&empty), EInvalidGraphic);
  EXPECT_EQ(Clipboard()->AsText(), "kept");
}

// Holds the clipboard open from a window of another thread until released.
class TClipboardHolder {
 public:
  TClipboardHolder() : held_(CreateEventA(nullptr, TRUE, FALSE, nullptr)), release_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
    thread_ = std::thread(Hold, this);
    WaitForSingleObject(held_, 5000);
  }
  ~TClipboardHolder() {
    SetEvent(release_);
    thread_.join();
    CloseHandle(held_);
    CloseHandle(release_);
  }
  TClipboardHolder(const TClipboardHolder&) = delete;
  TClipboardHolder& operator=(const TClipboardHolder&) = delete;
  bool Holding() const { return holding_; }

 private:
  static void Hold(TClipboardHolder* self) {
    HWND window = CreateWindowA("STATIC", "holder", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    self->holding_ = OpenClipboard(window) != FALSE;
    SetEvent(self->held_);
    WaitForSingleObject(self->release_, 10000);
    if (self->holding_) CloseClipboard();
    DestroyWindow(window);
  }

  HANDLE held_;
  HANDLE release_;
  bool holding_ = false;
  std::thread thread_;
};

TEST_F(ClipboardPictures, ClipboardHeldByAnotherWindowRaisesAndLosesNothing) {
  Clipboard()->SetAsText("before");
  TBitmap bitmap;
  Paint(bitmap);
  {
    TClipboardHolder holder;
    ASSERT_TRUE(holder.Holding());
    try {
      Clipboard()->Assign(&bitmap);
      ADD_FAILURE() << "no exception";
    } catch (const EClipboardError& error) {
      EXPECT_STREQ(error.what(), "Cannot open clipboard");
    }
    TPicture picture;
    Paint(*picture.Bitmap());
    EXPECT_THROW(picture.Assign(Clipboard()), EClipboardError);
    ExpectPattern(picture.Bitmap());
  }
  EXPECT_EQ(Clipboard()->AsText(), "before");
  ExpectPattern(&bitmap);
}

}  // namespace
