#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "ShippedFiles.h"
#include "ShippedNames.h"
#include "classlib/graphics/Graphics.h"
#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/IniFiles.h"
#include "skin/data/Skindata.h"
#include "test_support.h"

namespace {

using namespace shippedskin;

// What a loaded skin answers: the index of every name the windows look up, and every
// picture's checksum.
struct TSnapshot {
  std::vector<int> Indices;
  std::vector<uint64_t> Pictures;

  friend bool operator==(const TSnapshot&, const TSnapshot&) = default;
};

TSnapshot Snapshot(TspSkinData& skin) {
  TSnapshot snapshot;
  for (const TName& name : Names()) {
    if (std::string(name.Skin) != kFormSkin) continue;
    snapshot.Indices.push_back(name.List == TList::Control ? skin.GetControlIndex(name.Name) : skin.GetIndex(name.Name));
  }
  for (TBitmap* picture : {skin.Picture.get(), skin.InActivePicture.get(), skin.MaskPicture.get()}) {
    snapshot.Pictures.push_back(PictureChecksum(picture));
  }
  for (const auto& picture : skin.ActivePictures) snapshot.Pictures.push_back(PictureChecksum(picture.get()));
  return snapshot;
}

std::vector<char> ReadBytes(const std::string& path) {
  std::ifstream stream(path, std::ios::binary);
  return std::vector<char>((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::vector<char>& bytes) {
  std::ofstream stream(path, std::ios::binary | std::ios::trunc);
  stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The dialogs' skin is loaded from the shipped folder once; each case damages copies in a
// temporary folder, loads them into that skin data and checks that it failed with an
// error naming the file (and key), kept answering as before, and that the shipped files
// stayed as they were.
class ShippedSkinDamage : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitializeGraphics();
    shippedSums_ = FolderChecksums(kFolder);
    skin_ = std::make_unique<TspSkinData>(nullptr);
    skin_->LoadFromFile(ShippedPath(kFormSkin).c_str());
    before_ = Snapshot(*skin_);
  }
  static void TearDownTestSuite() { skin_.reset(); }

  void SetUp() override { ASSERT_FALSE(skin_->Empty) << "the shipped skin did not load"; }
  void TearDown() override { EXPECT_EQ(shippedSums_, FolderChecksums(kFolder)) << "a shipped file changed"; }

  // Runs `load`, which must raise an Exception whose message holds every text of
  // `expected`; then the skin must answer as before.
  template <class Load>
  void ExpectRejected(Load load, const std::vector<std::string>& expected) {
    std::string message;
    try {
      load(*skin_);
    } catch (const Exception& e) {
      message = e.Message().str();
    }
    ASSERT_FALSE(message.empty()) << "the damaged skin was taken without an error";
    for (const std::string& text : expected) EXPECT_NE(std::string::npos, message.find(text)) << message;
    EXPECT_FALSE(skin_->Empty);
    EXPECT_TRUE(Snapshot(*skin_) == before_) << "the loaded skin changed";
  }

  static std::unique_ptr<TspSkinData> skin_;
  static TSnapshot before_;
  static std::map<std::string, uint64_t> shippedSums_;
};

std::unique_ptr<TspSkinData> ShippedSkinDamage::skin_;
TSnapshot ShippedSkinDamage::before_;
std::map<std::string, uint64_t> ShippedSkinDamage::shippedSums_;

TEST_F(ShippedSkinDamage, AMissingPictureIsNamed) {
  std::string folder = CopyShippedFolder("skin-shipped-missing");
  ASSERT_TRUE(DeleteFileA((folder + "SkinControls.bmp").c_str()));
  ExpectRejected([&](TspSkinData& skin) { skin.LoadFromFile((folder + kFormSkin).c_str()); },
                 {kFormSkin, "SkinControls.bmp"});
}

TEST_F(ShippedSkinDamage, AShortRectangleIsNamedWithItsSectionAndKey) {
  std::string folder = CopyShippedFolder("skin-shipped-rect");
  {
    TMemIniFile ini((folder + kFormSkin).c_str());
    ini.WriteString("button", "skinrect", "1,2,3");
    ini.UpdateFile();
  }
  ExpectRejected([&](TspSkinData& skin) { skin.LoadFromFile((folder + kFormSkin).c_str()); },
                 {kFormSkin, "[button] skinrect"});
}

TEST_F(ShippedSkinDamage, ACutOrFlippedCompressedSkinIsNamed) {
  std::string folder = testsupport::FreshTempFolder("skin-shipped-compressed") + "\\";
  std::string whole = folder + "whole.skn";
  skin_->SaveToCompressedFile(whole.c_str());
  std::vector<char> bytes = ReadBytes(whole);
  ASSERT_GT(bytes.size(), 64u);
  {
    TspSkinData check(nullptr);
    check.LoadFromCompressedFile(whole.c_str());
    ASSERT_FALSE(check.Empty) << "the compressed shipped skin does not load";
    EXPECT_TRUE(Snapshot(check) == before_);
  }
  // The file: a version and a length (8 bytes), then the compressed stream.
  const size_t size = bytes.size();
  std::vector<std::pair<std::string, std::vector<char>>> damaged;
  for (size_t length : {size_t{3}, size_t{8}, size_t{9}, size / 2, size - 1}) {
    damaged.emplace_back("cut at " + std::to_string(length), std::vector<char>(bytes.begin(), bytes.begin() + length));
  }
  for (size_t at : {size_t{8}, size_t{9}, size / 3, size / 2, size - 2}) {
    std::vector<char> flipped = bytes;
    flipped[at] = static_cast<char>(flipped[at] ^ 0x5A);
    damaged.emplace_back("flipped at " + std::to_string(at), flipped);
  }
  for (const auto& [what, content] : damaged) {
    SCOPED_TRACE(what);
    std::string path = folder + "damaged.skn";
    WriteBytes(path, content);
    ExpectRejected([&](TspSkinData& skin) { skin.LoadFromCompressedFile(path.c_str()); }, {"damaged.skn"});
  }
}

}  // namespace
