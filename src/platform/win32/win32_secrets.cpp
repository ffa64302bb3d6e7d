#include "platform/win32/win32_secrets.h"
#include "platform/win32/win32_text.h"

// clang-format off
#include <windows.h>
#include <ntsecapi.h>
// clang-format on

namespace orvane {

namespace {

// The answers of a policy without a private data store.
constexpr NTSTATUS kObjectNameNotFound = static_cast<NTSTATUS>(0xC0000034);
constexpr NTSTATUS kNotImplemented = static_cast<NTSTATUS>(0xC0000002);

class LsaPolicy {
 public:
  explicit LsaPolicy(ACCESS_MASK access) {
    LSA_OBJECT_ATTRIBUTES attributes{};
    if (LsaOpenPolicy(nullptr, &attributes, access, &handle_) != 0) handle_ = nullptr;
  }
  ~LsaPolicy() {
    if (handle_ != nullptr) LsaClose(handle_);
  }
  LsaPolicy(const LsaPolicy&) = delete;
  LsaPolicy& operator=(const LsaPolicy&) = delete;

  explicit operator bool() const { return handle_ != nullptr; }
  LSA_HANDLE get() const { return handle_; }

 private:
  LSA_HANDLE handle_ = nullptr;
};

LSA_UNICODE_STRING lsaString(std::wstring& text) {
  const auto bytes = static_cast<USHORT>(text.size() * sizeof(wchar_t));
  return LSA_UNICODE_STRING{bytes, bytes, text.data()};
}

}  // namespace

std::optional<std::string> Win32Secrets::retrieve(const std::string& name) {
  LsaPolicy policy(POLICY_GET_PRIVATE_INFORMATION);
  if (!policy) return std::nullopt;
  std::wstring wideName = gbkToWide(name);
  LSA_UNICODE_STRING key = lsaString(wideName);
  PLSA_UNICODE_STRING data = nullptr;
  if (LsaRetrievePrivateData(policy.get(), &key, &data) != 0 || data == nullptr) return std::nullopt;
  const std::wstring text(data->Buffer, data->Length / sizeof(wchar_t));
  SecureZeroMemory(data->Buffer, data->Length);
  LsaFreeMemory(data);
  return wideToGbk(text);
}

SecretWrite Win32Secrets::store(const std::string& name, const std::string& data) {
  LsaPolicy policy(POLICY_CREATE_SECRET);
  if (!policy) return SecretWrite::Refused;
  std::wstring wideName = gbkToWide(name);
  std::wstring wideData = gbkToWide(data);
  LSA_UNICODE_STRING key = lsaString(wideName);
  LSA_UNICODE_STRING value = lsaString(wideData);
  const NTSTATUS status = LsaStorePrivateData(policy.get(), &key, &value);
  SecureZeroMemory(wideData.data(), wideData.size() * sizeof(wchar_t));
  if (status == 0) return SecretWrite::Stored;
  if (status == kObjectNameNotFound || status == kNotImplemented) return SecretWrite::Unsupported;
  return SecretWrite::Refused;
}

}  // namespace orvane
