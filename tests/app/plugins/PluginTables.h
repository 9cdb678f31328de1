#pragma once
// Tables and the call log of the test plug-ins, taken from the environment at each call
// so one loaded plug-in serves every case:
//   TEST_WMV_AUDIO_CODECS    codec names, "|" between them
//   TEST_WMV_AUDIO_FORMATS   per codec its format names, "|" between codecs, ";" between formats
//   TEST_WMV_SYSTEM_PROFILES system profile names, "|" between them
//   TEST_WMV_INIT            "0" makes WMV_Init fail
//   TEST_REAL_AUDIO_CODECS   RealAudio codec names, "|" between them
//   TEST_PLUGIN_LOG          a file that gets one line per initialise, finish and unload
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace testplugin {

inline std::string Environment(const char* name) {
  char value[4096] = {};
  const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
  return length > 0 && length < sizeof value ? value : "";
}

inline std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> items;
  if (text.empty()) return items;
  size_t start = 0;
  for (size_t end = text.find(separator); end != std::string::npos; end = text.find(separator, start)) {
    items.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  items.push_back(text.substr(start));
  return items;
}

inline std::vector<std::string> Table(const char* name) { return Split(Environment(name), '|'); }

// Copies item `index` of the table into a caller's name buffer; false when there is none.
inline unsigned char NameOf(const std::vector<std::string>& table, int index, char* name) {
  if (index < 0 || index >= static_cast<int>(table.size())) return 0;
  std::strncpy(name, table[static_cast<size_t>(index)].c_str(), 1023);
  name[1023] = '\0';
  return 1;
}

inline void Log(const char* line) {
  const std::string path = Environment("TEST_PLUGIN_LOG");
  if (path.empty()) return;
  HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  const std::string text = std::string(line) + "\n";
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace testplugin

#define TEST_PLUGIN_EXPORT extern "C" __declspec(dllexport)
