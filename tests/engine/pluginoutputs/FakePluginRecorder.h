#pragma once
// What the fake WMV and RealMedia plug-ins share: a record of every call as one line of
// text ("SetVideoCodec 1"), and settings a test gives them by name. Each fake exports
// Fake_Configure(key, value) and Fake_TakeRecord(buffer, size).
#include <cstdint>
#include <cstring>
#include <map>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

namespace fakeplugin {

class Recorder {
 public:
  template <typename... Args>
  void Note(const char* entry, Args... args) {
    std::ostringstream line;
    line << entry;
    ((line << ' ' << Shown(args)), ...);
    const std::lock_guard hold(lock_);
    record_ += line.str() + "\n";
  }

  void Configure(const char* key, const char* value) {
    const std::lock_guard hold(lock_);
    settings_[key] = value;
  }

  std::string Setting(const std::string& key, const std::string& fallback = "") {
    const std::lock_guard hold(lock_);
    const auto found = settings_.find(key);
    return found != settings_.end() ? found->second : fallback;
  }

  // The names of a "|"-separated setting.
  std::vector<std::string> Names(const std::string& key) {
    std::vector<std::string> names;
    std::istringstream text(Setting(key));
    for (std::string name; std::getline(text, name, '|');) names.push_back(name);
    return names;
  }

  // Writes the name at `index` of list `key` into `buffer`; false outside the list.
  std::uint8_t NameAt(const std::string& key, std::int32_t index, char* buffer) {
    const std::vector<std::string> names = Names(key);
    if (index < 0 || index >= static_cast<std::int32_t>(names.size())) return 0;
    std::strcpy(buffer, names[index].c_str());
    return 1;
  }

  void Take(char* buffer, std::int32_t size) {
    const std::lock_guard hold(lock_);
    const std::string taken = record_.substr(0, static_cast<std::size_t>(size) - 1);
    std::memcpy(buffer, taken.c_str(), taken.size() + 1);
    record_.clear();
  }

 private:
  static std::string Shown(const char* text) { return text != nullptr ? "'" + std::string(text) + "'" : "null"; }
  static std::string Shown(const void* data) { return data != nullptr ? "data" : "null"; }
  static std::string Shown(std::uint8_t flag) { return std::to_string(flag); }
  template <typename T>
  static std::string Shown(T value) {
    std::ostringstream text;
    text << value;
    return text.str();
  }

  std::mutex lock_;
  std::string record_;
  std::map<std::string, std::string> settings_;
};

inline Recorder& TheRecorder() {
  static Recorder recorder;
  return recorder;
}

}  // namespace fakeplugin
