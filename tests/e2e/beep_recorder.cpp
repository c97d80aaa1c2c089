#include "e2e/beep_recorder.h"

#include <cstring>

namespace e2e {
namespace {

using MessageBeepProc = BOOL(WINAPI*)(UINT);

std::vector<UINT> recorded;
MessageBeepProc real_message_beep = nullptr;

BOOL WINAPI recording_message_beep(UINT type) {
  recorded.push_back(type);
  return real_message_beep(type);
}

// The import address slot through which `module` calls `dll`!`function`.
void** import_slot(HMODULE module, const char* dll, const char* function) {
  BYTE* base = reinterpret_cast<BYTE*>(module);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (imports.VirtualAddress == 0) return nullptr;
  for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); d->Name != 0; ++d) {
    if (lstrcmpiA(reinterpret_cast<const char*>(base + d->Name), dll) != 0) continue;
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + (d->OriginalFirstThunk ? d->OriginalFirstThunk : d->FirstThunk));
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const auto* by_name = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(by_name->Name), function) == 0)
        return reinterpret_cast<void**>(&slots->u1.Function);
    }
  }
  return nullptr;
}

void write_slot(void** slot, void* value) {
  DWORD protection = 0;
  VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
  *slot = value;
  VirtualProtect(slot, sizeof *slot, protection, &protection);
}

}  // namespace

BeepRecorder::BeepRecorder(HMODULE library) : library_(library) {
  recorded.clear();
  slot_ = library == nullptr ? nullptr : import_slot(library, "user32.dll", "MessageBeep");
  if (slot_ == nullptr) return;
  original_ = *slot_;
  real_message_beep = reinterpret_cast<MessageBeepProc>(original_);
  write_slot(slot_, reinterpret_cast<void*>(&recording_message_beep));
}

BeepRecorder::~BeepRecorder() {
  HMODULE still_loaded = nullptr;
  const DWORD flags = GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
  if (slot_ != nullptr && GetModuleHandleExA(flags, reinterpret_cast<LPCSTR>(slot_), &still_loaded) &&
      still_loaded == library_)
    write_slot(slot_, original_);
}

const std::vector<UINT>& BeepRecorder::beeps() const { return recorded; }

}  // namespace e2e
