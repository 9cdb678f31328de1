#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the media stack linked into this program offers: FFmpeg's encoders, decoders,
// muxers, demuxers, parsers and protocols, looked up in its registries by name, and the
// codec libraries beside it, each asked for its version.
class MediaInventory {
 public:
  enum class Kind { Encoder, Decoder, Muxer, Demuxer, Parser, Protocol, Library };
  struct Item {
    Kind kind;
    std::string name;
  };

  // Everything the codec stand-ins and the audio plug-ins rely on.
  static std::vector<Item> Required();
  // "encoder:libx264" and the like; nothing for an unknown kind or an empty name.
  static std::optional<Item> Parse(std::string_view text);
  // "encoder libx264".
  static std::string Describe(const Item& item);

  static bool Has(const Item& item);
  static std::vector<Item> Missing(const std::vector<Item>& items);
  // The version text of a library of Kind::Library, or "" when it is not linked in.
  static std::string LibraryVersion(std::string_view name);
};
