// The about window on Windows: a small fixed dialog captioned "关于本软件",
// centred on its owner, with the program's icon, the product name, the
// version and two links (the maker's web site, a mail to the maker); the
// close box and Esc close it.

#include "app/about_window.h"

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>

#include "app/about_form.h"
#include "app/maker.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_look.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_ui.h"

namespace orvane {

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr int kClientWidth = 320;
constexpr int kClientHeight = 150;
constexpr int kIconSize = 48;

enum ControlId : int { kIcon = 100, kProduct, kVersion, kSiteLink, kMailLink };

const std::string kSiteText = std::string("<a>") + maker::kSiteAddress + "</a>";
const std::string kMailText = std::string("<a>") + maker::kFeedbackAddress + "</a>";

const ControlSpec kControls[] = {
    {kIcon, L"STATIC", SS_ICON | SS_REALSIZECONTROL, "", 20, 20, kIconSize, kIconSize},
    {kProduct, L"STATIC", SS_LEFT, AboutForm::kProductName, 88, 20, 210, 22},
    {kVersion, L"STATIC", SS_LEFT, AboutForm::kVersion, 88, 46, 210, 20},
    {kSiteLink, WC_LINK, WS_TABSTOP, kSiteText.c_str(), 88, 82, 220, 20},
    {kMailLink, WC_LINK, WS_TABSTOP, kMailText.c_str(), 88, 108, 220, 20},
};

class AboutWindow : public View {
 public:
  AboutWindow(AboutForm& form, Win32Ui& ui) : View(form, ui), form_(form) {}
  ~AboutWindow() override { destroy(); }

  void create(HWND owner) override;
  void refresh() override {}

 private:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void applyDpi();
  void linkClicked(UINT_PTR id);

  AboutForm& form_;
  MessageFont font_;
  FocusKeeper focus_;
};

void AboutWindow::create(HWND owner) {
  WindowSpec window;
  window.className = L"TForm7";
  window.title = utf8ToWide(AboutForm::kCaption);
  window.style = kStyle;
  window.exStyle = kExStyle;
  window.parent = owner;
  if (!createWindow(window)) return;
  createControls(handle(), kControls);
  applyDpi();
}

LRESULT AboutWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->code == NM_CLICK || header->code == NM_RETURN) linkClicked(header->idFrom);
      return 0;
    }
    case WM_DPICHANGED:
      applyDpi();
      return 0;
    case WM_ACTIVATE:
      focus_.activated(handle(), wParam, GetDlgItem(handle(), kSiteLink));
      return 0;
    default:
      return View::onMessage(message, wParam, lParam);
  }
}

void AboutWindow::linkClicked(UINT_PTR id) {
  if (id == kSiteLink) form_.siteLinkClicked();
  if (id == kMailLink) form_.mailLinkClicked();
}

void AboutWindow::applyDpi() {
  const unsigned dpi = windowDpi(handle());
  setChildFonts(handle(), font_.at(dpi));
  layoutControls(handle(), kControls);
  SendDlgItemMessageW(handle(), kIcon, STM_SETICON, reinterpret_cast<WPARAM>(programIcon(scaled(kIconSize, dpi))), 0);
  placeCentred(handle(), GetWindow(handle(), GW_OWNER), kClientWidth, kClientHeight);
}

}  // namespace

void registerAboutView(Win32Ui& ui) { ui.registerViewOf<AboutForm, AboutWindow>(); }

}  // namespace orvane
