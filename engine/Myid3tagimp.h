#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "media/contracts/AudioEncoderPlugin.h"

// The tag texts handed to an audio plug-in: nine texts and the track number, all empty and
// 0 at the start. Destroy deletes the object, so only heap objects may be destroyed that way.
class MyID3TagImp final : public MyID3Tag {
 public:
  MyID3TagImp() = default;
  ~MyID3TagImp() = default;
  MyID3TagImp(const MyID3TagImp&) = delete;
  MyID3TagImp& operator=(const MyID3TagImp&) = delete;

  const char* MC_CALL GetTitle() override { return Get(kTitle); }
  void MC_CALL SetTitle(const char* text) override { Set(kTitle, text); }
  const char* MC_CALL GetArtist() override { return Get(kArtist); }
  void MC_CALL SetArtist(const char* text) override { Set(kArtist, text); }
  const char* MC_CALL GetAlbum() override { return Get(kAlbum); }
  void MC_CALL SetAlbum(const char* text) override { Set(kAlbum, text); }
  const char* MC_CALL GetYear() override { return Get(kYear); }
  void MC_CALL SetYear(const char* text) override { Set(kYear, text); }
  const char* MC_CALL GetComment() override { return Get(kComment); }
  void MC_CALL SetComment(const char* text) override { Set(kComment, text); }
  std::int32_t MC_CALL GetTrack() override { return Track; }
  void MC_CALL SetTrack(std::int32_t track) override { Track = track; }
  const char* MC_CALL GetGenre() override { return Get(kGenre); }
  void MC_CALL SetGenre(const char* text) override { Set(kGenre, text); }
  const char* MC_CALL GetComposer() override { return Get(kComposer); }
  void MC_CALL SetComposer(const char* text) override { Set(kComposer, text); }
  const char* MC_CALL GetCopyright() override { return Get(kCopyright); }
  void MC_CALL SetCopyright(const char* text) override { Set(kCopyright, text); }
  const char* MC_CALL GetEncodedBy() override { return Get(kEncodedBy); }
  void MC_CALL SetEncodedBy(const char* text) override { Set(kEncodedBy, text); }
  void MC_CALL Destroy() override { delete this; }

 private:
  enum TextField { kTitle, kArtist, kAlbum, kYear, kComment, kGenre, kComposer, kCopyright, kEncodedBy, kTextCount };

  const char* Get(TextField field) const { return Texts[field].c_str(); }
  // A null text is taken as empty.
  void Set(TextField field, const char* text) { Texts[field] = text != nullptr ? text : ""; }

  std::array<std::string, kTextCount> Texts;
  std::int32_t Track = 0;
};
