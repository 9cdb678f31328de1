#include "engine/Encoderobject.h"

#include <array>
#include <mutex>

#include "engine/Codecencoderobjects.h"
#include "engine/Pluginencoderobjects.h"
#include "engine/Videoprofile.h"

TEncoderObject::TEncoderObject(const TEncoderObjectArgs& args)
    : OutputPath(args.OutputPath),
      SourceWidth(args.SourceWidth),
      SourceHeight(args.SourceHeight),
      SourcePixelFormat(args.SourcePixelFormat),
      SourceFrameRate(args.SourceFrameRate),
      SourceSampleRate(args.SourceSampleRate),
      SourceChannels(args.SourceChannels),
      NoVideo(args.NoVideo),
      FixAspectRatio(args.FixAspectRatio),
      DisableAudio(args.DisableAudio),
      CropLeft(args.CropLeft),
      CropTop(args.CropTop),
      CropRight(args.CropRight),
      CropBottom(args.CropBottom),
      Spare{args.Spare[0], args.Spare[2], args.Spare[1], args.Spare[3]} {}

TEncoderObject::~TEncoderObject() = default;

void TEncoderObject::SetMetadata(const AnsiString& title, const AnsiString& author, const AnsiString& copyright,
                                 const AnsiString& comment, const AnsiString& year) {
  Title = title;
  Author = author;
  Copyright = copyright;
  Comment = comment;
  Year = year;
}

namespace {

using TFactoryTable = std::array<TEncoderFactory, 256>;

std::mutex& FactoryLock() {
  static std::mutex lock;
  return lock;
}

// The codec-library and plug-in kinds are known from the start; tests may put others in.
TFactoryTable& Factories() {
  static TFactoryTable table = [] {
    TFactoryTable initial{};
    for (const TCodecEncoderKind& kind : CodecEncoderKinds()) initial[kind.FormatCode] = kind.Factory;
    for (const TCodecEncoderKind& kind : PluginEncoderKinds()) initial[kind.FormatCode] = kind.Factory;
    return initial;
  }();
  return table;
}

}  // namespace

std::unique_ptr<TEncoderObject> CreateEncoderObject(const TVideoProfile& profile, const TEncoderObjectArgs& args) {
  TEncoderFactory factory;
  {
    std::lock_guard<std::mutex> hold(FactoryLock());
    factory = Factories()[profile.FormatCode()];
  }
  return factory != nullptr ? factory(profile, args) : nullptr;
}

TEncoderFactory SetEncoderFactory(std::uint8_t formatCode, TEncoderFactory factory) {
  std::lock_guard<std::mutex> hold(FactoryLock());
  TEncoderFactory previous = Factories()[formatCode];
  Factories()[formatCode] = factory;
  return previous;
}
