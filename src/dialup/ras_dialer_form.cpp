#include "dialup/ras_dialer_form.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "common/gbk.h"
#include "common/log_text.h"
#include "dialup/dial_password.h"
#include "storage/settings_keys.h"

namespace orvane {

namespace {

// "*": the service takes the callback number and the domain stored with
// the entry.
constexpr const char* kStoredWithEntry = "*";
constexpr const char* kAutoDialWord = "autodial";
constexpr const char* kSavePasswordWord = "savepw";

// Copies GBK text into a record's field, cut to what the field holds
// before its NUL, never in the middle of a Chinese character.
template <std::size_t N>
void copyField(char (&field)[N], const std::string& text) {
  std::size_t length = 0;
  while (length < text.size()) {
    const std::size_t next = length + gbkUnitLength(text, length);
    if (next > N - 1) break;
    length = next;
  }
  std::memcpy(field, text.data(), length);
  field[length] = '\0';
}

std::vector<std::string> splitAt(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t begin = 0;
  for (std::size_t end; (end = text.find(separator, begin)) != std::string::npos; begin = end + 1) {
    parts.push_back(text.substr(begin, end - begin));
  }
  parts.push_back(text.substr(begin));
  return parts;
}

}  // namespace

TRasDialerForm::TRasDialerForm(Ui& ui, Platform& platform, AutoDial& autoDial)
    : Form(ui), platform_(platform), autoDial_(autoDial) {}

std::string TRasDialerForm::describe() const {
  return "entry=" + quotedGbk(EntryNameText()) + " user=" + quotedGbk(UserNameText);
}

std::string TRasDialerForm::EntryNameText() const {
  if (EntryNameIndex < 0 || static_cast<std::size_t>(EntryNameIndex) >= EntryNameItems.size()) return {};
  return EntryNameItems[static_cast<std::size_t>(EntryNameIndex)];
}

void TRasDialerForm::FormCreate() {
  const IniSettings settings = wakeSettings(platform_.files);
  ListPhonebookEntries();
  SelectEntryByName(settings.read(wake_ini::kDialEntryName));
  UserNameText = settings.read(wake_ini::kDialUserName);
  const std::string stored = settings.read(wake_ini::kDialPassword);
  PasswordEdit = stored.empty() ? std::string() : storedPassword(stored);
  SavePWCheckBox = settings.isOn(wake_ini::kDialSavePassword);
  CheckBox1 = settings.isOn(wake_ini::kDialAutomatically);
  autoDial_.AutoDialEnabled = CheckBox1;
  changed();
}

// Shown again when it is open already, so that it comes to the front.
void TRasDialerForm::Show() {
  if (isOpen()) close(kResultNone);
  ui().showModeless(*this);
}

void TRasDialerForm::EntryNameComboBoxChange(int index) {
  EntryNameIndex = index;
  LoadEntryUsers();
  LoadSavedPassword();
  changed();
}

void TRasDialerForm::UserNameComboBoxChange(const std::string& text) {
  UserNameText = text;
  LoadSavedPassword();
  changed();
}

void TRasDialerForm::CheckBox1Click(bool checked) {
  CheckBox1 = checked;
  if (checked) SavePWCheckBox = true;
  changed();
}

void TRasDialerForm::Button1Click() {
  const std::uint32_t result = platform_.ras.createPhonebookEntry();
  if (result != 0) {
    platform_.ras.errorString(result, kListErrorTextSize);
    return;
  }
  const std::string noted = EntryNameText();
  ListPhonebookEntries();
  SelectEntryByName(noted);
  changed();
}

void TRasDialerForm::Button2Click() {
  IniSettings settings = wakeSettings(platform_.files);
  SaveDialSettings(settings, platform_.clock, choice());
  autoDial_.AutoDialEnabled = CheckBox1;
  close(kResultOk);
}

void TRasDialerForm::DialCurrentEntry() { DialEntry(EntryNameText(), UserNameText, PasswordEdit); }

// A failed listing leaves the list empty: after a failure the records hold
// nothing, whatever count the service gave.
void TRasDialerForm::ListPhonebookEntries() {
  std::array<RasEntryName, kListedEntries> records{};
  records[0].size = sizeof(RasEntryName);
  std::uint32_t bufferSize = sizeof records;
  std::uint32_t count = 0;
  const std::uint32_t result = platform_.ras.enumEntries(records.data(), bufferSize, count);
  if (result != 0) platform_.ras.errorString(result, kListErrorTextSize);
  EntryNameItems.clear();
  EntryNameIndex = -1;
  if (result != 0) return;
  for (std::size_t i = 0; i < std::min<std::size_t>(count, records.size()); ++i) {
    const char* name = records[i].entryName;
    EntryNameItems.emplace_back(name, strnlen(name, sizeof records[i].entryName));
  }
}

void TRasDialerForm::SelectEntryByName(const std::string& name) {
  const auto found = std::find(EntryNameItems.begin(), EntryNameItems.end(), name);
  EntryNameIndex = found == EntryNameItems.end() ? -1 : static_cast<int>(found - EntryNameItems.begin());
}

void TRasDialerForm::LoadEntryUsers() {
  UserNameItems = SavedDialUsers(wakeSettings(platform_.files), EntryNameText());
  if (!UserNameItems.empty()) UserNameText = UserNameItems.front();
}

void TRasDialerForm::LoadSavedPassword() {
  const std::string stored = SavedDialPassword(wakeSettings(platform_.files), EntryNameText(), UserNameText);
  PasswordEdit = stored == wake_ini::kDialSavedPasswordFallback ? std::string() : storedPassword(stored);
}

void TRasDialerForm::DialEntry(const std::string& entry, const std::string& user, const std::string& password) {
  RasDialParams params{};
  params.size = sizeof params;
  copyField(params.entryName, entry);
  copyField(params.callbackNumber, kStoredWithEntry);
  copyField(params.userName, user);
  copyField(params.password, password);
  copyField(params.domain, kStoredWithEntry);
  const std::uint32_t result = platform_.ras.dial(params);
  if (result != 0) platform_.ras.errorString(result, kDialErrorTextSize);
}

std::string TRasDialerForm::storedPassword(const std::string& value) {
  std::string badGroup;
  if (auto password = DecodeDialPassword(value, &badGroup)) return *password;
  ui().showError("'" + gbkToUtf8(badGroup) + "' is not a valid integer value");
  return {};
}

DialChoice TRasDialerForm::choice() const {
  return {EntryNameText(), UserNameText, PasswordEdit, CheckBox1, SavePWCheckBox};
}

void TRasDialerForm::answerScripted(const std::string& answer) {
  const std::vector<std::string> fields = splitAt(answer, '|');
  const auto word = [&fields](const char* name) {
    return std::find(fields.begin() + 3, fields.end(), name) != fields.end();
  };
  const bool wellFormed = fields.size() >= 3 && fields.size() <= 5 &&
                          std::all_of(fields.begin() + 3, fields.end(), [](const std::string& field) {
                            return field == kAutoDialWord || field == kSavePasswordWord;
                          });
  if (!wellFormed) {
    closeBox();
    return;
  }
  const std::string entry = utf8ToGbk(fields[0]);
  const auto found = std::find(EntryNameItems.begin(), EntryNameItems.end(), entry);
  EntryNameComboBoxChange(found == EntryNameItems.end() ? -1 : static_cast<int>(found - EntryNameItems.begin()));
  UserNameComboBoxChange(utf8ToGbk(fields[1]));
  PasswordEdit = utf8ToGbk(fields[2]);
  SavePWCheckBox = word(kSavePasswordWord);
  CheckBox1Click(word(kAutoDialWord));
  Button2Click();
}

}  // namespace orvane
