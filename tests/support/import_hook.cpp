#include "tests/support/import_hook.h"

#include <cstring>
#include <set>

namespace testsupport {
namespace {

// The import-address-table slot through which this program calls `function` of `dll`.
void** FindImportSlot(const char* dll, const char* function) {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); d->Name != 0; ++d) {
    if (_stricmp(reinterpret_cast<const char*>(base + d->Name), dll) != 0) continue;
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0)
        return reinterpret_cast<void**>(&slots->u1.Function);
    }
  }
  return nullptr;
}

void WriteSlot(void** slot, void* value) {
  DWORD old = 0;
  VirtualProtect(slot, sizeof(void*), PAGE_READWRITE, &old);
  *slot = value;
  VirtualProtect(slot, sizeof(void*), old, &old);
}

}  // namespace

TImportHook::TImportHook(const char* dll, const char* function, void* replacement)
    : slot_(FindImportSlot(dll, function)) {
  if (slot_ == nullptr) return;
  original_ = *slot_;
  WriteSlot(slot_, replacement);
}

TImportHook::~TImportHook() {
  if (slot_ != nullptr) WriteSlot(slot_, original_);
}

// The regions handed to windows and not made anew since (the system may give a freed
// region's handle to the next region made), and the handed ones the program deleted.
struct TRegionHandOverWatch::TLedger {
  std::set<HRGN> handed;
  std::size_t handedCount = 0;
  std::vector<HRGN> deletedAfterHandOver;
};

namespace {

TRegionHandOverWatch::TLedger* activeLedger = nullptr;

// The original of each watched function, one per replacement.
template <auto& Original>
void* originalOf = nullptr;

int WINAPI WatchingSetWindowRgn(HWND window, HRGN region, BOOL redraw) {
  if (region != nullptr) {
    activeLedger->handed.insert(region);
    ++activeLedger->handedCount;
  }
  return reinterpret_cast<decltype(&SetWindowRgn)>(originalOf<SetWindowRgn>)(window, region, redraw);
}

BOOL WINAPI WatchingDeleteObject(HGDIOBJ object) {
  const auto region = static_cast<HRGN>(object);
  if (activeLedger->handed.erase(region) != 0) activeLedger->deletedAfterHandOver.push_back(region);
  return reinterpret_cast<decltype(&DeleteObject)>(originalOf<DeleteObject>)(object);
}

// A region maker: the handle it returns names a new region, whatever it named before.
template <auto& Maker, typename... A>
HRGN WINAPI WatchingMaker(A... args) {
  const HRGN region = reinterpret_cast<HRGN(WINAPI*)(A...)>(originalOf<Maker>)(args...);
  activeLedger->handed.erase(region);
  return region;
}

template <auto& Function>
std::unique_ptr<TImportHook> Hook(const char* dll, const char* name, void* replacement) {
  auto hook = std::make_unique<TImportHook>(dll, name, replacement);
  originalOf<Function> = hook->Original();
  return hook;
}

}  // namespace

TRegionHandOverWatch::TRegionHandOverWatch() : ledger_(std::make_unique<TLedger>()) {
  activeLedger = ledger_.get();
  hooks_.push_back(Hook<SetWindowRgn>("user32.dll", "SetWindowRgn", reinterpret_cast<void*>(&WatchingSetWindowRgn)));
  hooks_.push_back(Hook<DeleteObject>("gdi32.dll", "DeleteObject", reinterpret_cast<void*>(&WatchingDeleteObject)));
  hooks_.push_back(Hook<CreateRectRgn>("gdi32.dll", "CreateRectRgn",
                                       reinterpret_cast<void*>(&WatchingMaker<CreateRectRgn, int, int, int, int>)));
  hooks_.push_back(Hook<CreateRectRgnIndirect>(
      "gdi32.dll", "CreateRectRgnIndirect", reinterpret_cast<void*>(&WatchingMaker<CreateRectRgnIndirect, const RECT*>)));
  hooks_.push_back(Hook<ExtCreateRegion>(
      "gdi32.dll", "ExtCreateRegion",
      reinterpret_cast<void*>(&WatchingMaker<ExtCreateRegion, const XFORM*, DWORD, const RGNDATA*>)));
  hooks_.push_back(Hook<CreateEllipticRgn>("gdi32.dll", "CreateEllipticRgn",
                                           reinterpret_cast<void*>(&WatchingMaker<CreateEllipticRgn, int, int, int, int>)));
  hooks_.push_back(Hook<CreateRoundRectRgn>(
      "gdi32.dll", "CreateRoundRectRgn",
      reinterpret_cast<void*>(&WatchingMaker<CreateRoundRectRgn, int, int, int, int, int, int>)));
  hooks_.push_back(Hook<CreatePolygonRgn>(
      "gdi32.dll", "CreatePolygonRgn", reinterpret_cast<void*>(&WatchingMaker<CreatePolygonRgn, const POINT*, int, int>)));
}

TRegionHandOverWatch::~TRegionHandOverWatch() {
  hooks_.clear();
  activeLedger = nullptr;
}

std::size_t TRegionHandOverWatch::HandedCount() const { return ledger_->handedCount; }

std::vector<HRGN> TRegionHandOverWatch::DeletedAfterHandOver() const { return ledger_->deletedAfterHandOver; }

}  // namespace testsupport
