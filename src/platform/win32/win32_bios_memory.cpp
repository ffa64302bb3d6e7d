#include "platform/win32/win32_bios_memory.h"

#include <windows.h>

#include <winternl.h>

#include <cstring>

#include "platform/win32/win32_library.h"

namespace orvane {

namespace {

constexpr std::size_t kRomSize = 0x10000;
constexpr DWORD kRomAddress = 0xF0000;
constexpr NTSTATUS kStatusAccessDenied = static_cast<NTSTATUS>(0xC0000022L);

typedef NTSTATUS(NTAPI OpenSectionFunction)(HANDLE* section, ACCESS_MASK access, OBJECT_ATTRIBUTES* attributes);
typedef ULONG(NTAPI StatusToErrorFunction)(NTSTATUS status);

// Whether every page of [address, address + size) is committed and readable.
bool readable(const std::uint8_t* address, std::size_t size) {
  const std::uint8_t* end = address + size;
  while (address < end) {
    MEMORY_BASIC_INFORMATION region{};
    if (VirtualQuery(address, &region, sizeof region) == 0 || region.State != MEM_COMMIT) return false;
    if ((region.Protect & (PAGE_NOACCESS | PAGE_GUARD)) != 0) return false;
    address = static_cast<const std::uint8_t*>(region.BaseAddress) + region.RegionSize;
  }
  return true;
}

}  // namespace

bool Win32BiosMemory::copyLinearRom(std::vector<std::uint8_t>& image) {
  const auto* rom = reinterpret_cast<const std::uint8_t*>(static_cast<std::uintptr_t>(kRomAddress));
  if (!readable(rom, kRomSize)) return false;
  image.assign(rom, rom + kRomSize);
  return true;
}

SectionRead Win32BiosMemory::readPhysicalMemoryRom(std::vector<std::uint8_t>& image) {
  auto* openSection = libraryFunction<OpenSectionFunction>(L"ntdll.dll", "ZwOpenSection");
  auto* statusToError = libraryFunction<StatusToErrorFunction>(L"ntdll.dll", "RtlNtStatusToDosError");
  if (openSection == nullptr || statusToError == nullptr) {
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return SectionRead::Failed;
  }
  wchar_t name[] = L"\\Device\\PhysicalMemory";
  UNICODE_STRING unicodeName{};
  unicodeName.Buffer = name;
  unicodeName.Length = static_cast<USHORT>((sizeof name) - sizeof(wchar_t));
  unicodeName.MaximumLength = static_cast<USHORT>(sizeof name);
  OBJECT_ATTRIBUTES attributes{};
  InitializeObjectAttributes(&attributes, &unicodeName, OBJ_CASE_INSENSITIVE, nullptr, nullptr);
  HANDLE section = nullptr;
  const NTSTATUS status = openSection(&section, SECTION_MAP_READ, &attributes);
  if (status == kStatusAccessDenied) return SectionRead::AccessDenied;
  if (status < 0) {
    SetLastError(statusToError(status));
    return SectionRead::Failed;
  }
  const void* view = MapViewOfFile(section, FILE_MAP_READ, 0, kRomAddress, kRomSize);
  if (view != nullptr) {
    image.assign(kRomSize, 0);
    std::memcpy(image.data(), view, kRomSize);
    UnmapViewOfFile(view);
  }
  CloseHandle(section);
  return view != nullptr ? SectionRead::Read : SectionRead::Failed;
}

}  // namespace orvane
